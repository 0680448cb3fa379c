#include "engine/Veldsneden.h"

#include <algorithm>
#include <cmath>

namespace kx {

TSnedemoment Snedemoment(const TEvenwicht& evenwicht, const TSnede& snede) {
    const auto& staaf = evenwicht.Staven[static_cast<std::size_t>(snede.Staaf)];
    const double xi = snede.Xi;
    TSnedemoment moment;
    for (int e = 0; e < 2; ++e) {
        if (staaf.MomentKolom[e] != -1) {
            moment.Termen.emplace_back(staaf.MomentKolom[e], e == 0 ? 1.0 - xi : xi);
        }
    }
    moment.Parabool = 0.5 * staaf.Q * staaf.Lengte * staaf.Lengte * xi * (1.0 - xi);
    moment.Mp = staaf.Mp;
    return moment;
}

double Snedeniveau(const TEvenwicht& evenwicht, const Eigen::VectorXd& x, double lambda,
                   const std::vector<TSnede>& sneden) {
    double niveau = 0.0;
    for (std::size_t j = 0; j < evenwicht.Onbekenden.size(); ++j) {
        const auto& onbekende = evenwicht.Onbekenden[j];
        if (onbekende.Soort == TOnbekende::Moment && onbekende.Mp > 0.0) {
            niveau = std::max(niveau, std::fabs(x(static_cast<Eigen::Index>(j))) / onbekende.Mp);
        }
    }
    for (const auto& snede : sneden) {
        const auto& staaf = evenwicht.Staven[static_cast<std::size_t>(snede.Staaf)];
        if (staaf.Mp > 0.0) {
            niveau =
                std::max(niveau, std::fabs(MomentInStaaf(staaf, x, lambda, snede.Xi)) / staaf.Mp);
        }
    }
    return niveau;
}

bool VoegPiekSnedenToe(const TEvenwicht& evenwicht, const Eigen::VectorXd& x, double lambda,
                       double grens, std::vector<TSnede>& sneden) {
    const auto voor = sneden.size();
    for (std::size_t s = 0; s < evenwicht.Staven.size(); ++s) {
        const auto& staaf = evenwicht.Staven[s];
        const double xi = Piekpositie(staaf, x, lambda);
        if (xi >= 0.0 && std::fabs(MomentInStaaf(staaf, x, lambda, xi)) > grens * staaf.Mp) {
            sneden.push_back({static_cast<int>(s), xi});
        }
    }
    return sneden.size() > voor;
}

} // namespace kx
