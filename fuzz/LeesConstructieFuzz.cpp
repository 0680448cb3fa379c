#include "engine/Analyse.h"
#include "model/Bestand.h"
#include "model/Bewerkingen.h"
#include "text/Teksten.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

std::string Schrijf(const kx::TConstructie& constructie) {
    std::ostringstream uit;
    kx::SchrijfConstructie(uit, constructie, "01-01-2000", "00:00:00");
    return uit.str();
}

kx::TLeesResultaat Lees(const std::string& tekst) {
    static const kx::Teksten teksten;
    std::istringstream in(tekst);
    return kx::LeesConstructie(in, "fuzz.kx", teksten);
}

// What was read must survive a round trip through the writer with the same entries in use, and
// writing it again must give the same bytes, free slots too. Free slots beyond those written
// do not come back: a table is written up to its highest slot in use.
void ControleerRondgang(const kx::TConstructie& gelezen) {
    const std::string geschreven = Schrijf(gelezen);
    const kx::TLeesResultaat terug = Lees(geschreven);
    if (!terug.Gelukt() || !kx::ZelfdeStructuur(*terug.Constructie, gelezen) ||
        Schrijf(*terug.Constructie) != geschreven) {
        std::abort();
    }
}

// The program's road from a loaded file: normalise, check, and analyse what passes. No
// collapse load may come out as NaN, and a hinge in a span lies on its bar.
void Analyseer(const kx::TConstructie& gelezen) {
    const kx::Teksten teksten;
    kx::TConstructie constructie = gelezen;
    if (!kx::ControleerVoorAnalyse(constructie, teksten).empty()) {
        return;
    }
    kx::TAnalyse analyse(teksten);
    analyse.BepaalMechanismen(constructie);
    analyse.BerekeningDeel2();
    for (const auto& mechanisme : analyse.Mechanismen) {
        if (std::isnan(mechanisme.Vgl.Bezwijklast)) {
            std::abort();
        }
        for (const auto& veld : mechanisme.Veldscharnieren) {
            if (!(veld.Positie >= 0.0 && veld.Positie <= 1.0) || !std::isfinite(veld.Afstand)) {
                std::abort();
            }
        }
    }
}

} // namespace

// Any bytes are either refused with a message or read, written back and analysed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kx::TLeesResultaat gelezen = Lees(std::string(reinterpret_cast<const char*>(data), size));
    if (!gelezen.Gelukt()) {
        if (gelezen.Melding.empty()) {
            std::abort();
        }
        return 0;
    }
    ControleerRondgang(*gelezen.Constructie);
    Analyseer(*gelezen.Constructie);
    return 0;
}
