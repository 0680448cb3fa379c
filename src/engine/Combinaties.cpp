#include "engine/Enumeratie.h"
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

TEnumeratie::TEnumeratie(const TManipuleerConstructie& constructie) : constructie_(constructie) {
    const TOnbepaaldheid telling = constructie.TelOnbepaaldheid();
    n_ = telling.S();
    m_ = telling.AantalScharnierplaatsen;
    const int k = n_ + 1;
    auto plaatsen = Scharnierplaatsen(constructie);
    sjabloon_ = MaakSjabloon(constructie);
    // A structure that the check refuses gets no mechanisms instead of a bad enumeration.
    if (k < 1 || k > m_ || m_ > MaxPlaatsen || static_cast<int>(plaatsen.size()) != m_) {
        return;
    }
    plaatsen_ = std::move(plaatsen);
    const double noemer = static_cast<double>(Faculteit(m_ - k) * Faculteit(k));
    aantal_ = static_cast<std::int32_t>(std::llround(static_cast<double>(Faculteit(m_)) / noemer));
}

void TEnumeratie::VoorElkeCombinatie(
    const std::function<void(const std::vector<std::int32_t>&)>& f) const {
    if (aantal_ == 0) {
        return;
    }
    const int k = n_ + 1;
    const std::uint64_t eerste = (std::uint64_t{1} << k) - 1;
    const std::uint64_t laatste = eerste << (m_ - k);
    std::vector<std::int32_t> rij(static_cast<std::size_t>(m_), -1);
    int r = 0;
    // The k-bit patterns in increasing order, the next one found directly from the previous.
    for (std::uint64_t p = eerste; p <= laatste && r < aantal_; p = VolgendePatroon(p)) {
        for (int j = m_ - 1; j >= 0; --j) {
            rij[static_cast<std::size_t>(j)] =
                ((p >> j) & 1U) ? plaatsen_[static_cast<std::size_t>(m_ - 1 - j)] : -1;
        }
        f(rij);
        ++r;
    }
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
