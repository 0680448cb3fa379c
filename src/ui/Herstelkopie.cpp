#include "ui/Herstelkopie.h"

#include "model/Bestand.h"
#include "text/Bestandstoegang.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace kx {

namespace {

constexpr std::array<int, 2> Stopsignalen{SIGTERM, SIGHUP};
constexpr std::size_t LangsteNaam = 64 * 1024;

// The write end of the one pipe; read by the handler only.
volatile std::sig_atomic_t pijp = -1;

void VangSignaal(int signaal) {
    const int bewaard = errno;
    const auto byte = static_cast<unsigned char>(signaal);
    [[maybe_unused]] const ssize_t geschreven = ::write(pijp, &byte, 1);
    errno = bewaard;
}

QString Herstelmap() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

std::string Bytes(const QString& pad) {
    return QFile::encodeName(pad).toStdString();
}

// The name file beside a copy "herstel-<pid>.kx".
std::string Naambestand(const std::string& kopie) {
    return kopie.substr(0, kopie.size() - 3) + ".naam";
}

} // namespace

std::string BewaarHerstelkopie(const TConstructie& c, const std::string& bestandsnaam,
                               const Teksten& teksten) {
    const QString map = Herstelmap();
    QDir().mkpath(map);
    const std::string kopie = Bytes(QDir(map).filePath(
        QStringLiteral("herstel-%1.kx").arg(QCoreApplication::applicationPid())));
    if (const TBestandsfout fout = SchrijfBestandVeilig(Naambestand(kopie), bestandsnaam)) {
        return OpslagMelding(teksten, Naambestand(kopie), fout);
    }
    return SchrijfConstructieNaarBestand(kopie, c, teksten, HuidigeDatum(), HuidigeTijd());
}

std::vector<THerstelkopie> Herstelkopieen() {
    const QDir map(Herstelmap());
    std::vector<THerstelkopie> kopieen;
    for (const QString& naam : map.entryList({QStringLiteral("herstel-*.kx")}, QDir::Files,
                                             QDir::Time | QDir::Reversed)) {
        THerstelkopie kopie{Bytes(map.filePath(naam)), {}};
        LeesGewoonBestand(Naambestand(kopie.Pad), LangsteNaam, kopie.Bestandsnaam);
        kopieen.push_back(std::move(kopie));
    }
    return kopieen;
}

void VerwijderHerstelkopie(const THerstelkopie& kopie) {
    ::unlink(kopie.Pad.c_str());
    ::unlink(Naambestand(kopie.Pad).c_str());
}

TNoodstop::TNoodstop(QObject* ouder) : QObject(ouder) {
    std::array<int, 2> kanten{};
    if (::pipe2(kanten.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    leeskant_ = kanten[0];
    schrijfkant_ = kanten[1];
    pijp = schrijfkant_;
    melder_ = new QSocketNotifier(leeskant_, QSocketNotifier::Read, this);
    connect(melder_, &QSocketNotifier::activated, this, &TNoodstop::LeesPijp);
    struct sigaction actie {};
    actie.sa_handler = VangSignaal;
    sigemptyset(&actie.sa_mask);
    actie.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Stopsignalen.size(); ++i) {
        ::sigaction(Stopsignalen[i], &actie, &vorige_[i]);
    }
}

TNoodstop::~TNoodstop() {
    if (leeskant_ < 0) {
        return;
    }
    for (std::size_t i = 0; i < Stopsignalen.size(); ++i) {
        ::sigaction(Stopsignalen[i], &vorige_[i], nullptr);
    }
    pijp = -1;
    delete melder_;
    ::close(schrijfkant_);
    ::close(leeskant_);
}

void TNoodstop::LeesPijp() {
    unsigned char byte = 0;
    while (::read(leeskant_, &byte, 1) == 1) {
        emit Gestopt(byte);
    }
}

} // namespace kx
