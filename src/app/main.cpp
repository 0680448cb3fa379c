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
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Without a display Qt would abort with advice to reinstall; a plain line serves the user
// better, in both languages, since the language setting is only read once Qt runs.
[[noreturn]] void MeldGeenBeeldscherm(const std::string& redenNl, const std::string& redenEn) {
    const std::string nl = "plastokinetica: er kan geen beeldscherm worden geopend (" + redenNl +
                           "); start het programma in een grafische sessie.\n";
    const std::string en = "plastokinetica: no display could be opened (" + redenEn +
                           "); start the program in a graphical session.\n";
    std::fputs((nl + en).c_str(), stderr);
    std::_Exit(1);
}

std::string Omgeving(const char* naam) {
    const char* waarde = std::getenv(naam);
    return waarde != nullptr ? waarde : "";
}

// A platform chosen by the caller is left to Qt.
bool HeeftBeeldscherm(int argc, char* argv[]) {
#ifdef __linux__
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "-platform") {
            return true;
        }
    }
    return !Omgeving("QT_QPA_PLATFORM").empty() || !Omgeving("DISPLAY").empty() ||
           !Omgeving("WAYLAND_DISPLAY").empty();
#else
    (void)argc;
    (void)argv;
    return true;
#endif
}

// While the platform starts, Qt's messages wait: when it cannot open the display it ends with
// a fatal message, which becomes the plain one; when it starts they are passed on.
class TOpstartberichten {
public:
    TOpstartberichten() { Vorige = qInstallMessageHandler(&Bewaar); }
    ~TOpstartberichten() {
        qInstallMessageHandler(Vorige);
        for (const auto& bericht : Berichten) {
            Vorige(bericht.Soort, QMessageLogContext(), bericht.Tekst);
        }
    }
    TOpstartberichten(const TOpstartberichten&) = delete;
    TOpstartberichten& operator=(const TOpstartberichten&) = delete;

private:
    struct TBericht {
        QtMsgType Soort;
        QString Tekst;
    };

    static void Bewaar(QtMsgType soort, const QMessageLogContext&, const QString& tekst) {
        if (soort == QtFatalMsg) {
            const std::string scherm = Omgeving("DISPLAY");
            const std::string reden = scherm.empty()
                                          ? "QT_QPA_PLATFORM=" + Omgeving("QT_QPA_PLATFORM")
                                          : "DISPLAY=" + scherm;
            MeldGeenBeeldscherm(reden, reden);
        }
        Berichten.push_back({soort, tekst});
    }

    static inline QtMessageHandler Vorige = nullptr;
    static inline std::vector<TBericht> Berichten;
};

} // namespace

int main(int argc, char* argv[]) {
    if (!HeeftBeeldscherm(argc, argv)) {
        MeldGeenBeeldscherm("DISPLAY en WAYLAND_DISPLAY zijn leeg",
                            "DISPLAY and WAYLAND_DISPLAY are empty");
    }
    std::optional<TOpstartberichten> opstart(std::in_place);
    QApplication app(argc, argv);
    opstart.reset();
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
