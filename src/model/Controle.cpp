// Structure check: indeterminacy counts and the complaints that keep a structure from analysis.
#include "model/Controle.h"
#include "model/Bevraging.h"
#include "model/Telling.h"
#include "text/Teksten.h"

#include "text/TekstNamen.h"

#include <algorithm>
#include <cmath>
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
    const TTellingDelen delen = TelDelen(constructie);
    return {delen.Onbekenden(), delen.Vergelijkingen(), delen.Plaatsen()};
}

std::string ControleerConstructie(const TConstructie& c, const Teksten& t) {
    std::string melding;
    if (std::none_of(c.Belastingen.begin(), c.Belastingen.end(),
                     [](const auto& b) { return b.Bestaat; }) &&
        !HeeftVerdeeldeBelasting(c)) {
        melding += t[TekstGeenKrachten];
    }
    std::int32_t staafZonderMp = -1;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(c.Staven.size()); ++i) {
        const auto& staaf = c.Staven[i];
        if (staaf.Bestaat && !(staaf.Mp > 0.0)) {
            staafZonderMp = static_cast<std::int32_t>(i);
        }
    }
    if (staafZonderMp != -1) {
        melding += t[TekstGeenMp] + std::to_string(staafZonderMp + 1) + ". ";
    }
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(c.Staven.size()); ++i) {
        const auto& staaf = c.Staven[i];
        if (staaf.Bestaat && KnoopBestaat(c, staaf.Knoop0) && KnoopBestaat(c, staaf.Knoop1) &&
            Positie(c, staaf.Knoop0).x == Positie(c, staaf.Knoop1).x &&
            Positie(c, staaf.Knoop0).y == Positie(c, staaf.Knoop1).y) {
            melding += VulIn(t[TekstStaafZonderLengte], {std::to_string(i + 1)});
            break;
        }
    }
    melding += BuitenDeMethode(c, t);
    return melding;
}

std::string BuitenDeMethode(const TConstructie& c, const Teksten& t) {
    std::string melding;
    const bool coordinatenTeGroot =
        std::any_of(c.Knopen.begin(), c.Knopen.end(), [](const auto& k) {
            return k.Bestaat &&
                   !(std::fabs(k.X) <= GrootsteCoordinaat && std::fabs(k.Y) <= GrootsteCoordinaat);
        });
    if (coordinatenTeGroot) {
        melding += t[TekstCoordinatenTeGroot];
    }
    // Mp 0 or less has its own complaint.
    const bool mpBuiten = std::any_of(c.Staven.begin(), c.Staven.end(), [](const auto& s) {
        return s.Bestaat && s.Mp > 0.0 && !BinnenGrenzen(s.Mp);
    });
    if (mpBuiten) {
        melding += t[TekstMpBuitenGrenzen];
    }
    const bool lastBuiten =
        std::any_of(c.Belastingen.begin(), c.Belastingen.end(), [](const auto& b) {
            return b.Bestaat &&
                   ((b.Fx != 0.0 && !BinnenGrenzen(b.Fx)) || (b.Fy != 0.0 && !BinnenGrenzen(b.Fy)));
        });
    const bool verdeeldBuiten = std::any_of(
        c.VerdeeldeBelastingen.begin(), c.VerdeeldeBelastingen.end(), [](const auto& q) {
            return q.Bestaat &&
                   ((q.Qx != 0.0 && !BinnenGrenzen(q.Qx)) || (q.Qy != 0.0 && !BinnenGrenzen(q.Qy)));
        });
    if (lastBuiten || verdeeldBuiten) {
        melding += t[TekstBelastingBuitenGrenzen];
    }
    return melding;
}

} // namespace kx
