#include "ui/Instellingen.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>
#include <set>

namespace kx {

namespace {

// Registry value names ignore case, so both spellings name one value there; an ini file keeps
// them apart, so both are read and only the written one is kept.
const QString LeesNaam = QStringLiteral("ToonOpstartscherm");
const QString SchrijfNaam = QStringLiteral("ToonOpstartScherm");
const QString TaalNaam = QStringLiteral("Taal");

QString Instellingenbestand() {
    const QString map = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return map + QStringLiteral("/Kx/Kx.ini");
}

// A missing file is fine: it is made at the first write.
bool IsGewoonOfAfwezig(const QString& pad) {
    const QFileInfo bestand(pad);
    return !bestand.exists() || bestand.isFile();
}

// In both languages: the language is one of the settings skipped.
void MeldOvergeslagen(const QString& pad) {
    static std::set<QString> gemeld;
    if (!gemeld.insert(pad).second) {
        return;
    }
    const QByteArray naam = QFile::encodeName(pad);
    std::fprintf(stderr,
                 "plastokinetica: de instellingen in \"%s\" worden overgeslagen: dit is geen "
                 "gewoon bestand.\n"
                 "plastokinetica: the settings in \"%s\" are skipped: this is not a regular "
                 "file.\n",
                 naam.constData(), naam.constData());
}

// A 32-bit integer as written; a hand-edited "true" or "false" is read as meant.
bool AlsSchakelaar(const QVariant& waarde) {
    bool getal = false;
    const int n = waarde.toInt(&getal);
    return getal ? n != 0 : waarde.toBool();
}

} // namespace

std::unique_ptr<QSettings> OpenGebruikersInstellingen() {
#ifdef Q_OS_WIN
    if (!QStandardPaths::isTestModeEnabled()) {
        return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Kx"),
                                           QSettings::NativeFormat);
    }
#endif
    const QString pad = Instellingenbestand();
    if (!IsGewoonOfAfwezig(pad)) {
        MeldOvergeslagen(pad);
        return nullptr;
    }
    return std::make_unique<QSettings>(pad, QSettings::IniFormat);
}

bool LeesToonOpstartscherm() {
    const auto instellingen = OpenGebruikersInstellingen();
    if (!instellingen || instellingen->status() == QSettings::AccessError) {
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
    if (!instellingen || instellingen->status() == QSettings::AccessError) {
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
    if (!instellingen) {
        return TTaal::Nederlands;
    }
    const QString naam = instellingen->value(TaalNaam).toString();
    return naam.compare(Taalnaam(TTaal::Engels), Qt::CaseInsensitive) == 0 ? TTaal::Engels
                                                                           : TTaal::Nederlands;
}

void SchrijfTaal(TTaal taal) {
    const auto instellingen = OpenGebruikersInstellingen();
    if (!instellingen || instellingen->status() == QSettings::AccessError) {
        return;
    }
    instellingen->setValue(TaalNaam, Taalnaam(taal));
    instellingen->sync();
}

} // namespace kx
