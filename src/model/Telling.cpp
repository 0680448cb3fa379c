#include "model/Telling.h"

#include "model/Knoopbetekenis.h"

#include <cstdlib>

namespace kx {

namespace {
bool Bestaat(const TConstructie& c, std::int32_t k) {
    return k >= 0 && static_cast<std::size_t>(k) < c.Knopen.size() &&
           c.Knopen[static_cast<std::size_t>(k)].Bestaat;
}

void TelEind(const TConstructieKnoop& knoop, TTellingDelen& delen) {
    ++(IsStijf(knoop) ? delen.StijveEinden : delen.ScharnierEinden);
}

void TelPlaatsen(const TConstructieKnoop& knoop, std::size_t staven, TTellingDelen& delen) {
    if (!IsStijf(knoop) || staven == 0) {
        return;
    }
    const auto aantal = static_cast<std::int32_t>(staven);
    if (HoudtRotatieVast(knoop)) {
        delen.InklemmingEinden += aantal;
    } else if (staven >= 3) {
        delen.GewrichtEinden += aantal;
    } else if (staven == 2) {
        ++delen.Tweestaafsknopen;
    }
}
} // namespace

TTellingDelen TelDelen(const TConstructie& constructie) {
    TTellingDelen delen;
    for (const auto& staaf : constructie.Staven) {
        if (!staaf.Bestaat || !Bestaat(constructie, staaf.Knoop0) ||
            !Bestaat(constructie, staaf.Knoop1)) {
            continue;
        }
        ++delen.Staven;
        TelEind(constructie.Knopen[static_cast<std::size_t>(staaf.Knoop0)], delen);
        TelEind(constructie.Knopen[static_cast<std::size_t>(staaf.Knoop1)], delen);
    }
    const auto staven = StavenPerKnoop(constructie);
    for (std::size_t k = 0; k < constructie.Knopen.size(); ++k) {
        const auto& knoop = constructie.Knopen[k];
        if (!knoop.Bestaat) {
            continue;
        }
        delen.Oplegreacties += std::abs(knoop.Oplegging);
        ++(IsStijf(knoop) ? delen.StijveKnopen : delen.ScharnierKnopen);
        TelPlaatsen(knoop, staven[k].size(), delen);
    }
    delen.Veldplaatsen = static_cast<std::int32_t>(BelasteStaven(constructie).size());
    return delen;
}

} // namespace kx
