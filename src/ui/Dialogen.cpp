#include "ui/Dialogen.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include <memory>

namespace kx {

bool InstalleerQtVertaling() {
    auto vertaling = std::make_unique<QTranslator>();
    if (!vertaling->load(QLocale(QLocale::Dutch, QLocale::Netherlands), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    // The application owns it from here on.
    vertaling->setParent(QCoreApplication::instance());
    return QCoreApplication::installTranslator(vertaling.release());
}

QStringList QtFilters(const QString& filter) {
    const QStringList delen = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < delen.size(); i += 2) {
        filters << delen[i];
    }
    return filters;
}

namespace {
QString GekozenFilter(const QStringList& filters, int filterIndex) {
    return filterIndex >= 1 && filterIndex <= filters.size() ? filters[filterIndex - 1] : QString();
}
} // namespace

void TStandaardDialogen::Informatie(QWidget* ouder, const QString& tekst) {
    QMessageBox::information(ouder, QString(), tekst, QMessageBox::Ok);
}

void TStandaardDialogen::Waarschuwing(QWidget* ouder, const QString& tekst) {
    QMessageBox::warning(ouder, QString(), tekst, QMessageBox::Ok);
}

TAntwoord TStandaardDialogen::VraagJaNeeAnnuleren(QWidget* ouder, const QString& tekst) {
    const auto knop = QMessageBox::warning(ouder, QString(), tekst,
                                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                           QMessageBox::Yes);
    return knop == QMessageBox::Yes  ? TAntwoord::Ja
           : knop == QMessageBox::No ? TAntwoord::Nee
                                     : TAntwoord::Annuleren;
}

bool TStandaardDialogen::VraagJaNee(QWidget* ouder, const QString& tekst) {
    return QMessageBox::question(ouder, QString(), tekst, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

QString TStandaardDialogen::KiesTeOpenen(QWidget* ouder, const QString& filter, int filterIndex) {
    const QStringList filters = QtFilters(filter);
    // Any name is accepted here: the program appends the extension before it looks for the file.
    QFileDialog dialoog(ouder, QString(), laatsteOpen_, filters.join(";;"));
    dialoog.setAcceptMode(QFileDialog::AcceptOpen);
    dialoog.setFileMode(QFileDialog::AnyFile);
    // "PORTAAL.KX" is a structure too.
    dialoog.setFilter(dialoog.filter() & ~QDir::CaseSensitive);
    dialoog.selectNameFilter(GekozenFilter(filters, filterIndex));
    if (dialoog.exec() != QDialog::Accepted || dialoog.selectedFiles().isEmpty()) {
        return {};
    }
    laatsteOpen_ = dialoog.selectedFiles().constFirst();
    return laatsteOpen_;
}

QString TStandaardDialogen::KiesOpslaan(QWidget* ouder, const QString& filter, int filterIndex,
                                        const QString& voorstel) {
    const QStringList filters = QtFilters(filter);
    QString gekozenFilter = GekozenFilter(filters, filterIndex);
    const QString begin = voorstel.isEmpty() ? laatsteOpslaan_ : voorstel;
    const QString naam =
        QFileDialog::getSaveFileName(ouder, QString(), begin, filters.join(";;"), &gekozenFilter);
    if (!naam.isEmpty()) {
        laatsteOpslaan_ = naam;
    }
    return naam;
}

} // namespace kx
