#include "ui/Dialogen.h"
#include "ui/Hoofdvenster.h"
#include "ui/Pictogram.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Plastokinetica");
    QApplication::setOrganizationName("Kx");
    // Ties the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.kx.Plastokinetica"));
    QApplication::setFont(QFont("Liberation Sans", 8));
    QApplication::setWindowIcon(kx::ProgrammaPictogram());
    kx::TStandaardDialogen dialogen;
    kx::TmdiPlastokinetica venster(dialogen);
    // A structure file given by the desktop (a double-click, "Open with") is opened at once.
    if (const QStringList argumenten = QApplication::arguments(); argumenten.size() > 1) {
        venster.OpenBijStart(QFileInfo(argumenten.at(1)).absoluteFilePath().toStdString());
    }
    venster.showMaximized();
    return QApplication::exec();
}
