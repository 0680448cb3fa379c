#include "text/Bestandstoegang.h"
#include "ui/Dialogen.h"
#include "ui/Herstelkopie.h"
#include "ui/Hoofdvenster.h"
#include "ui/Instellingen.h"
#include "ui/Pictogram.h"

#include <QApplication>
#include <QFont>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// Without a display Qt would abort with advice to reinstall; a plain line serves the user
// better, in both languages, since the language setting is only read once Qt runs. A platform
// chosen by the caller is left to Qt.
bool HeeftBeeldscherm(int argc, char* argv[]) {
#ifdef __linux__
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "-platform") {
            return true;
        }
    }
    const auto gezet = [](const char* naam) {
        const char* waarde = std::getenv(naam);
        return waarde != nullptr && *waarde != '\0';
    };
    return gezet("QT_QPA_PLATFORM") || gezet("DISPLAY") || gezet("WAYLAND_DISPLAY");
#else
    (void)argc;
    (void)argv;
    return true;
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    if (!HeeftBeeldscherm(argc, argv)) {
        std::fputs("plastokinetica: geen beeldscherm gevonden (DISPLAY en WAYLAND_DISPLAY zijn "
                   "leeg); start het programma in een grafische sessie.\n"
                   "plastokinetica: no display found (DISPLAY and WAYLAND_DISPLAY are empty); "
                   "start the program in a graphical session.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Plastokinetica");
    QApplication::setOrganizationName("Kx");
    // Ties the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.kx.Plastokinetica"));
    QApplication::setFont(QFont("Liberation Sans", 8));
    QApplication::setWindowIcon(kx::ProgrammaPictogram());
    // Qt's own dialogs speak the language of the program.
    if (kx::LeesTaal() == kx::TTaal::Nederlands) {
        kx::InstalleerQtVertaling();
    }
    kx::TStandaardDialogen dialogen;
    kx::TmdiPlastokinetica venster(dialogen);
    // A structure file given by the desktop (a double-click, "Open with") is opened at once. Qt
    // has taken its own options out of argv; the name stays in bytes, whatever its encoding.
    if (argc > 1) {
        venster.OpenBijStart(kx::AbsoluutPad(argv[1]));
    }
    // Stopped from outside, the unsaved edits go to a recovery copy first.
    kx::TNoodstop noodstop;
    QObject::connect(&noodstop, &kx::TNoodstop::Gestopt, &venster, [&venster](int signaal) {
        venster.Noodopslag();
        QCoreApplication::exit(128 + signaal);
    });
    venster.showMaximized();
    return QApplication::exec();
}
