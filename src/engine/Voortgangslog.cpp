#include "engine/Voortgangslog.h"

#include "engine/Getalnotatie.h"

#include <ctime>
#include <fstream>

namespace kx {

namespace {

// The time of day as hours, minutes and seconds.
std::string Tijd() {
    const std::time_t nu = std::time(nullptr);
    std::tm lokaal{};
    localtime_r(&nu, &lokaal);
    char tekst[16] = {};
    std::strftime(tekst, sizeof tekst, "%H:%M:%S", &lokaal);
    return tekst;
}

std::string Sterren() {
    return std::string(62, '*');
}

std::string Getal(double v) {
    return AlgemeenGetal(v, 1, '.');
}

} // namespace

void TVoortgangslog::Begin() const {
    if (aan_) {
        // A log that cannot be written is left out; the analysis itself goes on.
        std::ofstream bestand(pad_, std::ios::out | std::ios::trunc);
    }
}

void TVoortgangslog::Regel(const std::string& tekst) const {
    if (aan_) {
        std::ofstream bestand(pad_, std::ios::out | std::ios::app);
        if (bestand) {
            bestand << tekst << '\n';
        }
    }
}

void TVoortgangslog::Stap(const std::string& tekst) const {
    if (aan_) {
        Regel(tekst + " (" + Tijd() + ").");
    }
}

void TVoortgangslog::Mechanisme(const TMechanisme& mechanisme, int i) const {
    if (!aan_) {
        return;
    }
    Regel(Sterren());
    Regel("*** Mechanisme nr. " + std::to_string(i));
    Regel(Sterren());
    Regel("*** avStaven: " + std::to_string(mechanisme.AantalStaven));
    for (std::size_t t = 0; t < mechanisme.avStaven.size(); ++t) {
        const TStaaf& deel = mechanisme.avStaven[t];
        Regel("*** Staaf[" + std::to_string(t) + "]");
        Regel("***  Knoop[0].x: " + Getal(deel.Knopen[0].x));
        Regel("***  Knoop[0].y: " + Getal(deel.Knopen[0].y));
        Regel("***  Knoop[1].x: " + Getal(deel.Knopen[1].x));
        Regel("***  Knoop[1].y: " + Getal(deel.Knopen[1].y));
    }
    Regel("*** avBelastingen: " + std::to_string(mechanisme.AantalBelastingen));
    for (std::size_t j = 0; j < mechanisme.avBelastingen.size(); ++j) {
        const TBelasting& last = mechanisme.avBelastingen[j];
        const std::string kop = "***  Belasting[" + std::to_string(j) + "]";
        Regel(kop + ".s: " + std::to_string(last.s));
        Regel(kop + ".x: " + Getal(last.x));
        Regel(kop + ".Fx: " + Getal(last.Fx));
        Regel(kop + ".y: " + Getal(last.y));
        Regel(kop + ".Fy: " + Getal(last.Fy));
    }
    Regel(Sterren());
}

} // namespace kx
