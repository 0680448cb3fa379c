#include "engine/Analyse.h"
#include "model/ManipuleerConstructie.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace kx {

namespace {

// Beyond 20 places the 64-bit factorials overflow; a checked structure has at most 17.
constexpr int MaxPlaatsen = 20;

std::uint64_t Faculteit(int n) {
    std::uint64_t f = 1;
    for (int i = 2; i <= n; ++i) {
        f *= static_cast<std::uint64_t>(i);
    }
    return f;
}

// Rigid nodes in use that join at least two connections, in increasing node index.
std::vector<std::int32_t> Scharnierplaatsen(const TManipuleerConstructie& constructie) {
    std::vector<std::int32_t> plaatsen;
    const auto& knopen = constructie.Constructie.Knopen;
    for (std::int32_t v = 0; v < static_cast<std::int32_t>(knopen.size()); ++v) {
        if (knopen[v].Bestaat && knopen[v].Vrijheid == VasteVerbinding &&
            !constructie.IsVrijUiteinde(v)) {
            plaatsen.push_back(v);
        }
    }
    return plaatsen;
}

} // namespace

void TAnalyse::BepaalMechanismen(TManipuleerConstructie& constructie) {
    BepaalCombinaties(constructie);
    for (int c = 0; c < AantalCombinaties; ++c) {
        VulVervangendeConstructie(c, constructie);
        KoppelBelastingen(c, constructie);
        PlaatsScharnieren(c, constructie);
        VoegStarreStavenSamen(c, constructie);
        ControleerBelastingen(c, constructie);
    }
}

void TAnalyse::BepaalCombinaties(TManipuleerConstructie& constructie) {
    Onbepaaldheid = constructie.BepaalOnbepaaldheid();
    AantalPlaatsen = constructie.Onbepaaldheid.AantalScharnierplaatsen;
    AantalCombinaties = 0;
    Combinaties.clear();
    VMechanismen.clear();

    const int m = AantalPlaatsen;
    const int k = Onbepaaldheid + 1;
    const auto plaatsen = Scharnierplaatsen(constructie);
    // A structure that the check refuses gets no mechanisms instead of a bad enumeration.
    if (k < 1 || k > m || m > MaxPlaatsen || static_cast<int>(plaatsen.size()) != m) {
        return;
    }

    const double noemer = static_cast<double>(Faculteit(m - k) * Faculteit(k));
    AantalCombinaties =
        static_cast<std::int32_t>(std::llround(static_cast<double>(Faculteit(m)) / noemer));
    Combinaties.assign(AantalCombinaties, std::vector<std::int32_t>(m, -1));
    VMechanismen.resize(AantalCombinaties);

    const std::uint64_t eerste = (std::uint64_t{1} << k) - 1;
    const std::uint64_t laatste = eerste << (m - k);
    std::vector<std::int32_t> rij(m, -1);
    int r = 0;
    for (std::uint64_t p = eerste; p <= laatste && r < AantalCombinaties; ++p) {
        int geteld = 0;
        for (int j = m - 1; j >= 0; --j) {
            if ((p >> j) & 1U) {
                rij[j] = plaatsen[m - 1 - j];
                ++geteld;
            } else {
                rij[j] = -1;
            }
        }
        if (geteld == k) {
            Combinaties[r++] = rij;
        }
    }
}

} // namespace kx
