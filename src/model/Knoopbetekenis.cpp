#include "model/Knoopbetekenis.h"
#include "model/Bevraging.h"

#include <algorithm>

namespace kx {

std::vector<std::vector<std::int32_t>> StavenPerKnoop(const TConstructie& constructie) {
    std::vector<std::vector<std::int32_t>> staven(constructie.Knopen.size());
    for (std::size_t s = 0; s < constructie.Staven.size(); ++s) {
        const auto& staaf = constructie.Staven[s];
        if (!staaf.Bestaat || !KnoopBestaat(constructie, staaf.Knoop0) ||
            !KnoopBestaat(constructie, staaf.Knoop1)) {
            continue;
        }
        const auto slot = static_cast<std::int32_t>(s);
        staven[static_cast<std::size_t>(staaf.Knoop0)].push_back(slot);
        if (staaf.Knoop1 != staaf.Knoop0) {
            staven[static_cast<std::size_t>(staaf.Knoop1)].push_back(slot);
        }
    }
    return staven;
}

std::vector<std::int32_t> BelasteStaven(const TConstructie& constructie) {
    std::vector<std::int32_t> belast;
    const auto staven = StavenPerKnoop(constructie);
    for (const auto& q : constructie.VerdeeldeBelastingen) {
        if (!q.Bestaat || q.Staaf < 0 ||
            static_cast<std::size_t>(q.Staaf) >= constructie.Staven.size()) {
            continue;
        }
        const auto& staaf = constructie.Staven[static_cast<std::size_t>(q.Staaf)];
        if (staaf.Bestaat && KnoopBestaat(constructie, staaf.Knoop0) &&
            KnoopBestaat(constructie, staaf.Knoop1)) {
            belast.push_back(q.Staaf);
        }
    }
    std::sort(belast.begin(), belast.end());
    belast.erase(std::unique(belast.begin(), belast.end()), belast.end());
    return belast;
}

std::vector<TScharnierplaats> Scharnierplaatsen(const TConstructie& constructie) {
    std::vector<TScharnierplaats> plaatsen;
    const auto staven = StavenPerKnoop(constructie);
    for (std::size_t k = 0; k < constructie.Knopen.size(); ++k) {
        const auto& knoop = constructie.Knopen[k];
        const auto& hier = staven[k];
        if (!knoop.Bestaat || !IsStijf(knoop) || hier.empty()) {
            continue;
        }
        const auto knoopIndex = static_cast<std::int32_t>(k);
        if (HoudtRotatieVast(knoop) || hier.size() >= 3) {
            for (const std::int32_t s : hier) {
                plaatsen.push_back(
                    {knoopIndex, s, constructie.Staven[static_cast<std::size_t>(s)].Mp});
            }
        } else if (hier.size() == 2) {
            const auto& a = constructie.Staven[static_cast<std::size_t>(hier[0])];
            const auto& b = constructie.Staven[static_cast<std::size_t>(hier[1])];
            const bool eerste = !(b.Mp < a.Mp);
            plaatsen.push_back({knoopIndex, eerste ? hier[0] : hier[1], eerste ? a.Mp : b.Mp});
        }
    }
    for (const std::int32_t s : BelasteStaven(constructie)) {
        const auto& staaf = constructie.Staven[static_cast<std::size_t>(s)];
        plaatsen.push_back({staaf.Knoop0, s, staaf.Mp, true});
    }
    return plaatsen;
}

} // namespace kx
