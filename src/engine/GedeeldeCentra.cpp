#include "engine/GedeeldeCentra.h"

#include <algorithm>

namespace kx {

bool IsKnoopdeel(const TStaaf& deel) {
    return deel.Knopen[0].Naam == deel.Knopen[1].Naam;
}

std::string DeelNaam(const TStaaf& deel) {
    return IsKnoopdeel(deel) ? deel.Knopen[0].Naam : deel.Knopen[0].Naam + deel.Knopen[1].Naam;
}

bool Beweegt(const TStaaf& deel) {
    return deel.gamma != 0.0 ||
           std::any_of(deel.Knopen.begin(), deel.Knopen.end(),
                       [](const TKnoop& k) { return k.dx != 0.0 || k.dy != 0.0; });
}

std::vector<TGedeeldCentrum> GedeeldeCentra(const TMechanisme& mechanisme) {
    std::vector<TGedeeldCentrum> centra;
    for (const TStaaf& deel : mechanisme.avStaven) {
        if (!IsEindig(deel.RC) || !Beweegt(deel)) {
            continue;
        }
        const auto zelfde =
            std::find_if(centra.begin(), centra.end(), [&](const TGedeeldCentrum& c) {
                return Afkappen(c.RC.x - deel.RC.x) == 0.0 && Afkappen(c.RC.y - deel.RC.y) == 0.0;
            });
        const std::string naam = DeelNaam(deel);
        if (zelfde == centra.end()) {
            centra.push_back({deel.RC, {naam}});
        } else {
            zelfde->Delen.push_back(naam);
        }
    }
    return centra;
}

} // namespace kx
