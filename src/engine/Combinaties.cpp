#include "engine/Enumeratie.h"
#include "model/Controle.h"
#include "model/Knoopbetekenis.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>
#include <vector>

namespace kx {

namespace {

// Node index of every hinge place, increasing.
std::vector<std::int32_t> Plaatsknopen(const TConstructie& constructie) {
    std::vector<std::int32_t> knopen;
    for (const auto& plaats : Scharnierplaatsen(constructie)) {
        knopen.push_back(plaats.Knoop);
    }
    return knopen;
}

// The next k-subset of {0 .. m-1} in colexicographic order; false after the last one.
bool VolgendeDeelverzameling(std::vector<int>& posities, int m) {
    const int k = static_cast<int>(posities.size());
    for (int i = 0; i < k; ++i) {
        const int grens = i + 1 < k ? posities[static_cast<std::size_t>(i) + 1] : m;
        if (posities[static_cast<std::size_t>(i)] + 1 < grens) {
            ++posities[static_cast<std::size_t>(i)];
            std::iota(posities.begin(), posities.begin() + i, 0);
            return true;
        }
    }
    return false;
}

} // namespace

std::uint64_t Binomiaal(int m, int k) {
    if (k < 0 || k > m) {
        return 0;
    }
    k = std::min(k, m - k);
    std::uint64_t uitkomst = 1;
    for (int i = 1; i <= k; ++i) {
        // uitkomst * (m - k + i) / i is a whole number at every step; stop short of overflow.
        const auto factor = static_cast<std::uint64_t>(m - k + i);
        if (uitkomst > std::numeric_limits<std::uint64_t>::max() / factor) {
            return std::numeric_limits<std::uint64_t>::max();
        }
        uitkomst = uitkomst * factor / static_cast<std::uint64_t>(i);
    }
    return uitkomst;
}

TEnumeratie::TEnumeratie(const TConstructie& constructie)
    : constructie_(constructie), raamwerk_(constructie) {
    telling_ = TelOnbepaaldheid(constructie);
    n_ = telling_.S();
    m_ = telling_.AantalScharnierplaatsen;
    keten_ = IsKeten(constructie);
    if (keten_) {
        sjabloon_ = MaakSjabloon(constructie);
    }
    // More hinges than places: the one combination of every place.
    k_ = std::min(n_ + 1, m_);
    // A structure that the check refuses gets no mechanisms instead of a bad enumeration.
    if (k_ < 1) {
        return;
    }
    const std::uint64_t aantal = Binomiaal(m_, k_);
    if (aantal > GrootsteAantalCombinaties) {
        onafhankelijk_ = true;
        return;
    }
    plaatsen_ = Plaatsknopen(constructie);
    aantal_ = static_cast<std::int32_t>(aantal);
}

void TEnumeratie::VoorElkeCombinatie(
    const std::function<void(const std::vector<std::int32_t>&)>& f) const {
    if (aantal_ == 0) {
        return;
    }
    // Position j of a row holds place m-1-j; the k chosen positions in colexicographic order
    // give the rows in the order of increasing bit patterns.
    std::vector<int> posities(static_cast<std::size_t>(k_));
    std::iota(posities.begin(), posities.end(), 0);
    std::vector<std::int32_t> rij(static_cast<std::size_t>(m_), -1);
    do {
        std::fill(rij.begin(), rij.end(), -1);
        for (const int j : posities) {
            rij[static_cast<std::size_t>(j)] = plaatsen_[static_cast<std::size_t>(m_ - 1 - j)];
        }
        f(rij);
    } while (VolgendeDeelverzameling(posities, m_));
}

std::vector<int> PlaatsIndices(const std::vector<std::int32_t>& rij) {
    std::vector<int> plaatsen;
    const auto m = static_cast<int>(rij.size());
    for (int j = m - 1; j >= 0; --j) {
        if (rij[static_cast<std::size_t>(j)] != -1) {
            plaatsen.push_back(m - 1 - j);
        }
    }
    return plaatsen;
}

bool IsKeten(const TConstructie& constructie) {
    if (!BelasteStaven(constructie).empty()) {
        return false;
    }
    const auto staven = StavenPerKnoop(constructie);
    for (std::size_t k = 0; k < constructie.Knopen.size(); ++k) {
        const auto& knoop = constructie.Knopen[k];
        if (knoop.Bestaat && staven[k].size() + (knoop.Oplegging != GeenOplegging ? 1U : 0U) > 2U) {
            return false;
        }
    }
    return true;
}

void GekozenPlaatsen(const std::vector<std::int32_t>& rij, std::vector<std::int32_t>& knopen) {
    knopen.clear();
    // Position j of a row holds place m-1-j, and places come in increasing node order.
    for (auto j = rij.rbegin(); j != rij.rend(); ++j) {
        if (*j != -1) {
            knopen.push_back(*j);
        }
    }
}

} // namespace kx
