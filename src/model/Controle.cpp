// Structure check: indeterminacy counts and the complaints that keep a structure from analysis.
#include "model/Knoopbetekenis.h"
#include "model/ManipuleerConstructie.h"
#include "text/Teksten.h"

#include "text/TekstNamen.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace kx {

namespace {
// Bounds within which the analysis of a teaching frame stays well inside double precision.
constexpr double GrootsteCoordinaat = 10000.0;
constexpr double KleinsteGrootheid = 0.001;
constexpr double GrootsteGrootheid = 1000000.0;

bool BinnenGrenzen(double v) {
    const double a = std::fabs(v);
    return a >= KleinsteGrootheid && a <= GrootsteGrootheid;
}
} // namespace

TOnbepaaldheid TelOnbepaaldheid(const TConstructie& constructie) {
    TOnbepaaldheid telling;
    const auto bestaat = [&](std::int32_t k) {
        return k >= 0 && static_cast<std::size_t>(k) < constructie.Knopen.size() &&
               constructie.Knopen[static_cast<std::size_t>(k)].Bestaat;
    };
    for (const auto& staaf : constructie.Staven) {
        if (!staaf.Bestaat || !bestaat(staaf.Knoop0) || !bestaat(staaf.Knoop1)) {
            continue;
        }
        telling.AantalOnbekenden +=
            std::abs(constructie.Knopen[static_cast<std::size_t>(staaf.Knoop0)].Vrijheid) +
            std::abs(constructie.Knopen[static_cast<std::size_t>(staaf.Knoop1)].Vrijheid);
        telling.AantalVergelijkingen += 3;
    }
    for (const auto& knoop : constructie.Knopen) {
        if (knoop.Bestaat) {
            telling.AantalOnbekenden += std::abs(knoop.Oplegging);
            telling.AantalVergelijkingen += std::abs(knoop.Vrijheid);
        }
    }
    telling.AantalScharnierplaatsen =
        static_cast<std::int32_t>(Scharnierplaatsen(constructie).size());
    return telling;
}

std::string TManipuleerConstructie::ControleerConstructie() {
    NormaliseerVolledig();
    const Teksten& t = Tekst();
    std::string melding;
    if (std::none_of(Constructie.Belastingen.begin(), Constructie.Belastingen.end(),
                     [](const auto& b) { return b.Bestaat; })) {
        melding += t[TekstGeenKrachten];
    }
    std::int32_t staafZonderMp = -1;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(Constructie.Staven.size()); ++i) {
        const auto& staaf = Constructie.Staven[i];
        if (staaf.Bestaat && !(staaf.Mp > 0.0)) {
            staafZonderMp = static_cast<std::int32_t>(i);
        }
    }
    if (staafZonderMp != -1) {
        melding += t[TekstGeenMp] + std::to_string(staafZonderMp + 1) + ". ";
    }
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(Constructie.Staven.size()); ++i) {
        const auto& staaf = Constructie.Staven[i];
        if (staaf.Bestaat && Positie(staaf.Knoop0).x == Positie(staaf.Knoop1).x &&
            Positie(staaf.Knoop0).y == Positie(staaf.Knoop1).y) {
            melding += VulIn(t[TekstStaafZonderLengte], {std::to_string(i + 1)});
            break;
        }
    }
    melding += BuitenDeMethode();
    return melding;
}

std::string TManipuleerConstructie::BuitenDeMethode() const {
    const Teksten& t = Tekst();
    std::string melding;
    const bool coordinatenTeGroot =
        std::any_of(Constructie.Knopen.begin(), Constructie.Knopen.end(), [](const auto& k) {
            return k.Bestaat &&
                   !(std::fabs(k.X) <= GrootsteCoordinaat && std::fabs(k.Y) <= GrootsteCoordinaat);
        });
    if (coordinatenTeGroot) {
        melding += t[TekstCoordinatenTeGroot];
    }
    // Mp 0 or less has its own complaint.
    const bool mpBuiten =
        std::any_of(Constructie.Staven.begin(), Constructie.Staven.end(),
                    [](const auto& s) { return s.Bestaat && s.Mp > 0.0 && !BinnenGrenzen(s.Mp); });
    if (mpBuiten) {
        melding += t[TekstMpBuitenGrenzen];
    }
    const bool lastBuiten = std::any_of(
        Constructie.Belastingen.begin(), Constructie.Belastingen.end(), [](const auto& b) {
            return b.Bestaat &&
                   ((b.Fx != 0.0 && !BinnenGrenzen(b.Fx)) || (b.Fy != 0.0 && !BinnenGrenzen(b.Fy)));
        });
    if (lastBuiten) {
        melding += t[TekstBelastingBuitenGrenzen];
    }
    return melding;
}

void TManipuleerConstructie::VulVoorbeeld() {
    struct Knoop {
        double x, y;
        std::int32_t oplegging, vrijheid;
    };
    constexpr Knoop knopen[] = {
        {2, 3, GeenOplegging, VasteVerbinding}, {2, 6, Scharnierend, ScharnierendeVerbinding},
        {8, 3, GeenOplegging, VasteVerbinding}, {8, 9, Scharnierend, ScharnierendeVerbinding},
        {5, 3, GeenOplegging, VasteVerbinding},
    };
    for (std::int32_t i = 0; i < 5; ++i) {
        ZetKnoop(i, knopen[i].x, knopen[i].y);
        Constructie.Knopen[i].Oplegging = knopen[i].oplegging;
        Constructie.Knopen[i].Vrijheid = knopen[i].vrijheid;
    }
    constexpr std::int32_t staven[][2] = {{0, 1}, {4, 2}, {2, 3}, {0, 4}};
    for (std::int32_t i = 0; i < 4; ++i) {
        auto& staaf = Constructie.Staven[i];
        staaf.Knoop0 = staven[i][0];
        staaf.Knoop1 = staven[i][1];
        staaf.Mp = StandaardMp;
        staaf.Bestaat = true;
    }
    auto& belasting = Constructie.Belastingen[0];
    belasting.Knoop = 4;
    belasting.Fx = 0.0;
    belasting.Fy = 1.0;
    belasting.Bestaat = true;
}

} // namespace kx
