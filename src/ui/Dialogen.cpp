#include "ui/Dialogen.h"

#include <QFileDialog>
#include <QMessageBox>

namespace kx {

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

bool TStandaardDialogen::VraagJaNee(QWidget* ouder, const QString& tekst) {
    return QMessageBox::warning(ouder, QString(), tekst, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

QString TStandaardDialogen::KiesTeOpenen(QWidget* ouder, const QString& filter, int filterIndex) {
    const QStringList filters = QtFilters(filter);
    QString gekozenFilter = GekozenFilter(filters, filterIndex);
    const QString naam = QFileDialog::getOpenFileName(ouder, QString(), laatsteOpen_,
                                                      filters.join(";;"), &gekozenFilter);
    if (!naam.isEmpty()) {
        laatsteOpen_ = naam;
    }
    return naam;
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
