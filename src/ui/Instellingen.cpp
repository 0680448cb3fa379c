#include "ui/Instellingen.h"

#include <QSettings>
#include <QStandardPaths>

namespace kx {

namespace {

// Registry value names ignore case, so both spellings name one value there; an ini file keeps
// them apart, so both are read and only the written one is kept.
const QString LeesNaam = QStringLiteral("ToonOpstartscherm");
const QString SchrijfNaam = QStringLiteral("ToonOpstartScherm");
const QString TaalNaam = QStringLiteral("Taal");

std::unique_ptr<QSettings> TestInstellingen() {
    const QString map = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::make_unique<QSettings>(map + QStringLiteral("/Kx/Kx.ini"), QSettings::IniFormat);
}

// A 32-bit integer as written; a hand-edited "true" or "false" is read as meant.
bool AlsSchakelaar(const QVariant& waarde) {
    bool getal = false;
    const int n = waarde.toInt(&getal);
    return getal ? n != 0 : waarde.toBool();
}

} // namespace

std::unique_ptr<QSettings> OpenGebruikersInstellingen() {
    if (QStandardPaths::isTestModeEnabled()) {
        return TestInstellingen();
    }
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Kx"),
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Kx"), QStringLiteral("Kx"));
#endif
}

bool LeesToonOpstartscherm() {
    const auto instellingen = OpenGebruikersInstellingen();
    if (instellingen->status() == QSettings::AccessError) {
        return false;
    }
    for (const QString& naam : {LeesNaam, SchrijfNaam}) {
        const QVariant waarde = instellingen->value(naam);
        if (waarde.isValid()) {
            return AlsSchakelaar(waarde);
        }
    }
    return true;
}

void SchrijfToonOpstartscherm(bool toon) {
    const auto instellingen = OpenGebruikersInstellingen();
    if (instellingen->status() == QSettings::AccessError) {
        return;
    }
    instellingen->remove(LeesNaam);
    instellingen->setValue(SchrijfNaam, toon ? 1 : 0);
    instellingen->sync();
}

QString Taalnaam(TTaal taal) {
    return taal == TTaal::Engels ? QStringLiteral("English") : QStringLiteral("Nederlands");
}

TTaal LeesTaal() {
    const auto instellingen = OpenGebruikersInstellingen();
    const QString naam = instellingen->value(TaalNaam).toString();
    return naam.compare(Taalnaam(TTaal::Engels), Qt::CaseInsensitive) == 0 ? TTaal::Engels
                                                                           : TTaal::Nederlands;
}

void SchrijfTaal(TTaal taal) {
    const auto instellingen = OpenGebruikersInstellingen();
    if (instellingen->status() == QSettings::AccessError) {
        return;
    }
    instellingen->setValue(TaalNaam, Taalnaam(taal));
    instellingen->sync();
}

} // namespace kx
