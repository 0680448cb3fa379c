#include "engine/Analyse.h"
#include "engine/Getalnotatie.h"

#include <ctime>
#include <fstream>
#include <string>

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

} // namespace

void TAnalyse::SchrijfVoortgang(const std::string& tekst, bool opnieuw) const {
    if (!LogAan) {
        return;
    }
    // A log that cannot be written is left out; the analysis itself goes on.
    std::ofstream bestand(LogPad, opnieuw ? std::ios::out | std::ios::trunc
                                          : std::ios::out | std::ios::app);
    if (bestand && !opnieuw) {
        bestand << tekst << '\n';
    }
}

void TAnalyse::SchrijfStap(const std::string& tekst) const {
    if (LogAan) {
        SchrijfVoortgang(tekst + " (" + Tijd() + ").", false);
    }
}

void TAnalyse::LogFout(const std::string& tekst) const {
    if (LogAan) {
        SchrijfVoortgang("", false);
        SchrijfStap(tekst);
        SchrijfVoortgang("", false);
    }
}

std::string TAnalyse::Getal(double v) const {
    return AlgemeenGetal(v, 1, Decimaalteken);
}

void TAnalyse::LogStaaf(const TMechanisme& mechanisme, int b) const {
    if (!LogAan) {
        return;
    }
    const TStaaf& deel = mechanisme.avStaven[b];
    SchrijfVoortgang("         .RC.x: " + Getal(deel.RC.x), false);
    SchrijfVoortgang("         .RC.y: " + Getal(deel.RC.y), false);
    SchrijfVoortgang("         .gamma: " + Getal(deel.gamma), false);
    SchrijfVoortgang("         .Knopen[0].dx: " + Getal(deel.Knopen[0].dx), false);
    SchrijfVoortgang("         .Knopen[0].dy: " + Getal(deel.Knopen[0].dy), false);
    SchrijfVoortgang("         .Knopen[1].dx: " + Getal(deel.Knopen[1].dx), false);
    SchrijfVoortgang("         .Knopen[1].dy: " + Getal(deel.Knopen[1].dy), false);
}

void TAnalyse::SchrijfMechanisme(const TMechanisme& mechanisme, int i) const {
    if (!LogAan) {
        return;
    }
    const auto regel = [this](const std::string& tekst) { SchrijfVoortgang(tekst, false); };
    regel(Sterren());
    regel("*** Mechanisme nr. " + std::to_string(i));
    regel(Sterren());
    regel("*** avStaven: " + std::to_string(mechanisme.AantalStaven));
    for (std::size_t t = 0; t < mechanisme.avStaven.size(); ++t) {
        const TStaaf& deel = mechanisme.avStaven[t];
        regel("*** Staaf[" + std::to_string(t) + "]");
        regel("***  Knoop[0].x: " + Getal(deel.Knopen[0].x));
        regel("***  Knoop[0].y: " + Getal(deel.Knopen[0].y));
        regel("***  Knoop[1].x: " + Getal(deel.Knopen[1].x));
        regel("***  Knoop[1].y: " + Getal(deel.Knopen[1].y));
    }
    regel("*** avBelastingen: " + std::to_string(mechanisme.AantalBelastingen));
    for (std::size_t j = 0; j < mechanisme.avBelastingen.size(); ++j) {
        const TBelasting& last = mechanisme.avBelastingen[j];
        const std::string kop = "***  Belasting[" + std::to_string(j) + "]";
        regel(kop + ".s: " + std::to_string(last.s));
        regel(kop + ".x: " + Getal(last.x));
        regel(kop + ".Fx: " + Getal(last.Fx));
        regel(kop + ".y: " + Getal(last.y));
        regel(kop + ".Fy: " + Getal(last.Fy));
    }
    regel(Sterren());
}

} // namespace kx
