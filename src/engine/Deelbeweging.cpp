#include "engine/Deelbeweging.h"

namespace kx {

namespace {
struct TPuntVerplaatsing {
    double u = 0.0;
    double v = 0.0;
};

TPuntVerplaatsing Verplaatsing(const TKnoop& eind, const TRaamwerk& raamwerk,
                               const Eigen::VectorXd& d) {
    if (eind.Index < 0 || eind.Index >= raamwerk.AantalKnopen()) {
        return {};
    }
    return {raamwerk.U(d, eind.Index), raamwerk.V(d, eind.Index)};
}
} // namespace

std::vector<TStarreBeweging> DeelBewegingen(const TMechanisme& mechanisme,
                                            const TRaamwerk& raamwerk, const Eigen::VectorXd& d) {
    std::vector<TStarreBeweging> bewegingen;
    bewegingen.reserve(mechanisme.avStaven.size());
    for (const TStaaf& deel : mechanisme.avStaven) {
        const TKnoop& p = deel.Knopen[0];
        const TKnoop& q = deel.Knopen[1];
        const auto dp = Verplaatsing(p, raamwerk, d);
        const auto dq = Verplaatsing(q, raamwerk, d);
        const double lx = q.x - p.x;
        const double ly = q.y - p.y;
        const double lengte2 = lx * lx + ly * ly;
        const double omega =
            lengte2 > 0.0 ? (lx * (dq.v - dp.v) - ly * (dq.u - dp.u)) / lengte2 : 0.0;
        bewegingen.push_back({dp.u, dp.v, omega});
    }
    return bewegingen;
}

} // namespace kx
