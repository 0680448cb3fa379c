#include "engine/MechanismeOpgaven.h"

#include "engine/Analyse.h"

#include <algorithm>

namespace kx {

std::vector<int> ScharnierPlaatsen(const std::vector<std::int32_t>& rij) {
    std::vector<int> plaatsen;
    plaatsen.reserve(rij.size());
    for (const std::int32_t knoop : rij) {
        if (knoop != -1) {
            plaatsen.push_back(knoop);
        }
    }
    std::sort(plaatsen.begin(), plaatsen.end());
    return plaatsen;
}

std::vector<TMechanismeOpgave> MechanismeOpgaven(const TAnalyse& analyse) {
    std::vector<TMechanismeOpgave> opgaven;
    const auto aantal = std::min(analyse.Combinaties.size(), analyse.Mechanismen.size());
    opgaven.reserve(aantal);
    for (std::size_t i = 0; i < aantal; ++i) {
        opgaven.push_back(
            {ScharnierPlaatsen(analyse.Combinaties[i]), analyse.Mechanismen[i].Vgl.Bezwijklast});
    }
    return opgaven;
}

} // namespace kx
