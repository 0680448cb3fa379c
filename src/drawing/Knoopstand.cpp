#include "drawing/Knoopstand.h"

#include "model/Bevraging.h"
#include "model/Knoopbetekenis.h"

#include <algorithm>
#include <cmath>

namespace kx {

namespace {
using std::numbers::pi;
// A bar closer than this to a side's axis runs into the symbol drawn there.
constexpr double Spreiding = pi / 4.0 - 1e-9;
// Summed bar directions shorter than this balance out.
constexpr double Evenwicht = 1e-9;

// The angle between two directions, in [0, pi].
double HoekTussen(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 2.0 * pi);
    return d > pi ? 2.0 * pi - d : d;
}

// The screen direction in which a symbol at this side lies from its node.
double Ligging(double zijde) {
    return zijde + pi;
}

bool IsVrij(double zijde, const std::vector<double>& richtingen) {
    return std::none_of(richtingen.begin(), richtingen.end(),
                        [&](double r) { return HoekTussen(r, Ligging(zijde)) < Spreiding; });
}

// The first free side in the order given, else the first.
double EersteVrije(const std::vector<double>& zijden, const std::vector<double>& richtingen) {
    const auto vrij =
        std::find_if(zijden.begin(), zijden.end(), [&](double z) { return IsVrij(z, richtingen); });
    return vrij == zijden.end() ? zijden.front() : *vrij;
}

// The sum of the bars' unit vectors, x right and y up.
TPunt Som(const std::vector<double>& richtingen) {
    TPunt som{0.0, 0.0};
    for (const double r : richtingen) {
        som.x += std::cos(r);
        som.y += std::sin(r);
    }
    return som;
}

// The four sides by how near they lie to the side opposite the bars, below first among equals.
std::vector<double> InklemmingZijden(const std::vector<double>& richtingen) {
    std::vector<double> zijden{OplegOnder, OplegLinks, OplegRechts, OplegBoven};
    const TPunt som = Som(richtingen);
    if (std::hypot(som.x, som.y) < Evenwicht) {
        return zijden;
    }
    const double weg = std::atan2(-som.y, -som.x);
    std::stable_sort(zijden.begin(), zijden.end(), [&](double a, double b) {
        return HoekTussen(Ligging(a), weg) < HoekTussen(Ligging(b), weg) - Evenwicht;
    });
    return zijden;
}
} // namespace

std::vector<std::vector<double>> StaafRichtingen(const TConstructie& constructie) {
    const auto staven = StavenPerKnoop(constructie);
    std::vector<std::vector<double>> richtingen(constructie.Knopen.size());
    for (std::size_t k = 0; k < constructie.Knopen.size(); ++k) {
        const auto& knoop = constructie.Knopen[k];
        for (const std::int32_t s : staven[k]) {
            const auto& staaf = constructie.Staven[static_cast<std::size_t>(s)];
            const std::int32_t ander =
                staaf.Knoop0 == static_cast<std::int32_t>(k) ? staaf.Knoop1 : staaf.Knoop0;
            const auto& a = constructie.Knopen[static_cast<std::size_t>(ander)];
            if (a.X != knoop.X || a.Y != knoop.Y) {
                richtingen[k].push_back(Richtingshoek({knoop.X, knoop.Y}, {a.X, a.Y}));
            }
        }
    }
    return richtingen;
}

double Opleghoek(std::int32_t oplegging, const std::vector<double>& staafRichtingen) {
    switch (oplegging) {
    case RolVerticaal: {
        const bool stavenRechts = Som(staafRichtingen).x > Evenwicht;
        return EersteVrije(stavenRechts ? std::vector{OplegLinks, OplegRechts}
                                        : std::vector{OplegRechts, OplegLinks},
                           staafRichtingen);
    }
    case Inklemming:
        return EersteVrije(InklemmingZijden(staafRichtingen), staafRichtingen);
    case Scharnierend:
        return EersteVrije({OplegOnder, OplegBoven, OplegLinks, OplegRechts}, staafRichtingen);
    default:
        return EersteVrije({OplegOnder, OplegBoven}, staafRichtingen);
    }
}

} // namespace kx
