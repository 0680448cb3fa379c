#include "ui/Dialogen.h"
#include "ui/Hoofdvenster.h"
#include "ui/Pictogram.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Plastokinetica");
    QApplication::setOrganizationName("Kx");
    QApplication::setFont(QFont("Liberation Sans", 8));
    QApplication::setWindowIcon(kx::ProgrammaPictogram());
    kx::TStandaardDialogen dialogen;
    kx::TmdiPlastokinetica venster(dialogen);
    venster.showMaximized();
    return QApplication::exec();
}
