#include "engine/Analyse.h"
#include "model/ManipuleerConstructie.h"

#include <cmath>
#include <cstdint>
#include <utility>
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

// The smallest number above p with as many set bits as p.
std::uint64_t VolgendePatroon(std::uint64_t p) {
    const std::uint64_t laagste = p & (~p + 1);
    const std::uint64_t opgeteld = p + laagste;
    return opgeteld | (((opgeteld ^ p) >> 2) / laagste);
}

} // namespace

void TAnalyse::BepaalMechanismen(TManipuleerConstructie& constructie) {
    BepaalCombinaties(constructie);
    if (AantalCombinaties == 0) {
        return;
    }
    const TVConstructie sjabloon = MaakSjabloon(constructie);
    for (int c = 0; c < AantalCombinaties; ++c) {
        BouwVervangendeConstructie(VMechanismen[c], Combinaties[c], sjabloon, constructie);
    }
}

void TAnalyse::BepaalCombinaties(TManipuleerConstructie& constructie) {
    TelCombinaties(constructie);
    Combinaties.reserve(AantalCombinaties);
    VoorElkeCombinatie(
        [this](const std::vector<std::int32_t>& rij) { Combinaties.push_back(rij); });
    VMechanismen.resize(AantalCombinaties);
}

void TAnalyse::TelCombinaties(TManipuleerConstructie& constructie) {
    Onbepaaldheid = constructie.BepaalOnbepaaldheid();
    AantalPlaatsen = constructie.Onbepaaldheid.AantalScharnierplaatsen;
    AantalCombinaties = 0;
    Combinaties.clear();
    VMechanismen.clear();
    Plaatsen.clear();

    const int m = AantalPlaatsen;
    const int k = Onbepaaldheid + 1;
    auto plaatsen = Scharnierplaatsen(constructie);
    // A structure that the check refuses gets no mechanisms instead of a bad enumeration.
    if (k < 1 || k > m || m > MaxPlaatsen || static_cast<int>(plaatsen.size()) != m) {
        return;
    }
    Plaatsen = std::move(plaatsen);
    const double noemer = static_cast<double>(Faculteit(m - k) * Faculteit(k));
    AantalCombinaties =
        static_cast<std::int32_t>(std::llround(static_cast<double>(Faculteit(m)) / noemer));
}

void TAnalyse::VoorElkeCombinatie(
    const std::function<void(const std::vector<std::int32_t>&)>& f) const {
    if (AantalCombinaties == 0) {
        return;
    }
    const int m = AantalPlaatsen;
    const int k = Onbepaaldheid + 1;
    const std::uint64_t eerste = (std::uint64_t{1} << k) - 1;
    const std::uint64_t laatste = eerste << (m - k);
    std::vector<std::int32_t> rij(m, -1);
    int r = 0;
    // The k-bit patterns in increasing order, the next one found directly from the previous.
    for (std::uint64_t p = eerste; p <= laatste && r < AantalCombinaties; p = VolgendePatroon(p)) {
        for (int j = m - 1; j >= 0; --j) {
            rij[j] = ((p >> j) & 1U) ? Plaatsen[m - 1 - j] : -1;
        }
        f(rij);
        ++r;
    }
}

} // namespace kx
