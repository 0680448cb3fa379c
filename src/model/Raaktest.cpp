#include "model/Raaktest.h"

#include <cmath>
#include <optional>

namespace kx {

namespace {
struct TLijnstuk {
    double ax, ay, bx, by;
};

// (|PA| + |PB|) / |AB|, or nothing for a segment without length.
std::optional<double> Verhouding(const TLijnstuk& s, double px, double py) {
    const double ab = std::hypot(s.bx - s.ax, s.by - s.ay);
    if (!(ab > 0.0)) {
        return std::nullopt;
    }
    return (std::hypot(px - s.ax, py - s.ay) + std::hypot(px - s.bx, py - s.by)) / ab;
}

// The best ratio wins, the lower slot on a tie; the winner counts only within the limit.
template <typename Tabel, typename Segment>
std::int32_t ZoekBeste(const Tabel& tabel, double px, double py, double grens, Segment segment) {
    std::optional<double> beste;
    std::int32_t gevonden = -1;
    for (std::size_t i = 0; i < tabel.size(); ++i) {
        const std::optional<TLijnstuk> s = segment(tabel[i]);
        if (!s) {
            continue;
        }
        const std::optional<double> r = Verhouding(*s, px, py);
        if (r && (!beste || *r < *beste)) {
            beste = r;
            if (*r >= 1.0 && *r < grens) {
                gevonden = static_cast<std::int32_t>(i);
            }
        }
    }
    return gevonden;
}

const TConstructieKnoop* Knoop(const TConstructie& c, std::int32_t index) {
    return IsSlot(c.Knopen, index) ? &c.Knopen[static_cast<std::size_t>(index)] : nullptr;
}
} // namespace

std::int32_t ZoekStaaf(const TConstructie& constructie, double px, double py, double ppm) {
    return ZoekBeste(constructie.Staven, px, py, 1.003,
                     [&](const TConstructieStaaf& staaf) -> std::optional<TLijnstuk> {
                         const auto* a = Knoop(constructie, staaf.Knoop0);
                         const auto* b = Knoop(constructie, staaf.Knoop1);
                         if (!staaf.Bestaat || !a || !b) {
                             return std::nullopt;
                         }
                         return TLijnstuk{a->X * ppm, a->Y * ppm, b->X * ppm, b->Y * ppm};
                     });
}

std::int32_t ZoekBelasting(const TConstructie& constructie, double px, double py, double ppm,
                           int gridSize) {
    return ZoekBeste(
        constructie.Belastingen, px, py, 1.05,
        [&](const TConstructieBelasting& belasting) -> std::optional<TLijnstuk> {
            const auto* a = Knoop(constructie, belasting.Knoop);
            if (!belasting.Bestaat || !a) {
                return std::nullopt;
            }
            const double ax = a->X * ppm;
            const double ay = a->Y * ppm;
            return TLijnstuk{ax, ay, ax - gridSize * belasting.Fx, ay - gridSize * belasting.Fy};
        });
}

std::int32_t ZoekVerdeeldeBelasting(const TConstructie& constructie, double px, double py,
                                    double ppm, int gridSize) {
    constexpr double Rand = 4.0;
    std::int32_t gevonden = -1;
    double beste = 0.0;
    for (std::size_t i = 0; i < constructie.VerdeeldeBelastingen.size(); ++i) {
        const TConstructieVerdeeldeBelasting& q = constructie.VerdeeldeBelastingen[i];
        if (!q.Bestaat || !IsSlot(constructie.Staven, q.Staaf)) {
            continue;
        }
        const TConstructieStaaf& staaf = constructie.Staven[static_cast<std::size_t>(q.Staaf)];
        const auto* a = Knoop(constructie, staaf.Knoop0);
        const auto* b = Knoop(constructie, staaf.Knoop1);
        if (!staaf.Bestaat || !a || !b) {
            continue;
        }
        const double ux = (b->X - a->X) * ppm;
        const double uy = (b->Y - a->Y) * ppm;
        const double lengte = std::hypot(ux, uy);
        if (!(lengte > 0.0)) {
            continue;
        }
        // Along the bar from its first end (0 to 1), and across it in pixels.
        const double dx = px - a->X * ppm;
        const double dy = py - a->Y * ppm;
        const double langs = (dx * ux + dy * uy) / (lengte * lengte);
        const double dwars = (dx * uy - dy * ux) / lengte;
        // The tails lie against the load, at this offset across the bar.
        const double staarten = -gridSize * (q.Qx * uy - q.Qy * ux) / lengte;
        const bool binnen = langs >= 0.0 && langs <= 1.0 &&
                            dwars >= std::min(0.0, staarten) - Rand &&
                            dwars <= std::max(0.0, staarten) + Rand;
        if (binnen && (gevonden == -1 || std::fabs(dwars) < beste)) {
            gevonden = static_cast<std::int32_t>(i);
            beste = std::fabs(dwars);
        }
    }
    return gevonden;
}

} // namespace kx
