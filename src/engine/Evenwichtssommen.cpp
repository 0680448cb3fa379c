#include "engine/Evenwichtssommen.h"

#include "model/Knoopbetekenis.h"

#include <algorithm>
#include <cmath>

namespace kx {

namespace {
// A force (fx right, fy up) at (x, y) in the model's coordinates, as its moment about node p in
// a y-up frame; the model's y grows downward.
double MomentOm(const TConstructie& c, double x, double y, std::int32_t p, double fx, double fy) {
    const auto& punt = c.Knopen[static_cast<std::size_t>(p)];
    const double dx = x - punt.X;
    const double dy = -(y - punt.Y);
    return dx * fy - dy * fx;
}

double MomentOm(const TConstructie& c, std::int32_t k, std::int32_t p, double fx, double fy) {
    const auto& knoop = c.Knopen[static_cast<std::size_t>(k)];
    return MomentOm(c, knoop.X, knoop.Y, p, fx, fy);
}

void VoegTermToe(std::vector<double>& termen, double waarde) {
    if (waarde != 0.0) {
        termen.push_back(waarde);
    }
}

std::vector<TEvenwichtssommen::TKnoop> Knoopsommen(const TConstructie& c,
                                                   const TKrachtsverdeling& v) {
    const auto staven = StavenPerKnoop(c);
    std::vector<TEvenwichtssommen::TKnoop> knopen;
    for (std::size_t k = 0; k < staven.size(); ++k) {
        const auto knoop = static_cast<std::int32_t>(k);
        if (staven[k].size() < 3 || !IsStijf(c.Knopen[k])) {
            continue;
        }
        TEvenwichtssommen::TKnoop som{knoop, {}};
        for (const auto& krachten : v.Staven) {
            const auto& staaf = c.Staven[static_cast<std::size_t>(krachten.Slot)];
            if (staaf.Knoop0 == knoop) {
                som.Termen.push_back(krachten.M0);
            }
            if (staaf.Knoop1 == knoop) {
                som.Termen.push_back(-krachten.M1);
            }
        }
        const auto reactie = std::find_if(v.Reacties.begin(), v.Reacties.end(),
                                          [&](const TOplegreactie& r) { return r.Knoop == knoop; });
        if (reactie != v.Reacties.end() && HoudtRotatieVast(c.Knopen[k])) {
            som.Termen.push_back(reactie->M);
        }
        knopen.push_back(std::move(som));
    }
    return knopen;
}
} // namespace

TEvenwichtssommen BepaalEvenwichtssommen(const TConstructie& c, const TKrachtsverdeling& v) {
    TEvenwichtssommen sommen;
    if (!v.Bestaat) {
        return sommen;
    }
    sommen.MomentpuntKnoop = v.Reacties.empty() ? -1 : v.Reacties.front().Knoop;
    const std::int32_t p = sommen.MomentpuntKnoop;
    for (const auto& r : v.Reacties) {
        const auto& knoop = c.Knopen[static_cast<std::size_t>(r.Knoop)];
        if (HoudtXVast(knoop)) {
            sommen.H.push_back(r.Rx);
        }
        if (HoudtYVast(knoop)) {
            sommen.V.push_back(r.Ry);
        }
        if (p != -1) {
            VoegTermToe(sommen.M, MomentOm(c, r.Knoop, p, r.Rx, r.Ry));
        }
        if (HoudtRotatieVast(knoop)) {
            sommen.M.push_back(r.M);
        }
    }
    for (const auto& b : c.Belastingen) {
        if (!b.Bestaat) {
            continue;
        }
        const double fx = v.Bezwijklast * b.Fx;
        const double fy = -v.Bezwijklast * b.Fy;
        VoegTermToe(sommen.H, fx);
        VoegTermToe(sommen.V, fy);
        if (p != -1) {
            VoegTermToe(sommen.M, MomentOm(c, b.Knoop, p, fx, fy));
        }
    }
    // A distributed load counts as its resultant, q times the bar's length, at the bar's middle.
    for (const auto& q : c.VerdeeldeBelastingen) {
        if (!q.Bestaat) {
            continue;
        }
        const auto& staaf = c.Staven[static_cast<std::size_t>(q.Staaf)];
        const auto& a = c.Knopen[static_cast<std::size_t>(staaf.Knoop0)];
        const auto& b = c.Knopen[static_cast<std::size_t>(staaf.Knoop1)];
        const double lengte = std::hypot(b.X - a.X, b.Y - a.Y);
        const double fx = v.Bezwijklast * q.Qx * lengte;
        const double fy = -v.Bezwijklast * q.Qy * lengte;
        VoegTermToe(sommen.H, fx);
        VoegTermToe(sommen.V, fy);
        if (p != -1) {
            VoegTermToe(sommen.M, MomentOm(c, (a.X + b.X) / 2.0, (a.Y + b.Y) / 2.0, p, fx, fy));
        }
    }
    sommen.Knopen = Knoopsommen(c, v);
    return sommen;
}

} // namespace kx
