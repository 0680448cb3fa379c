#include "engine/Programmaschaal.h"

#include <algorithm>
#include <cmath>

namespace kx {

namespace {
bool IsMomentreactie(const TEvenwicht& evenwicht, Eigen::Index kolom) {
    return std::any_of(evenwicht.Opleggingen.begin(), evenwicht.Opleggingen.end(),
                       [kolom](const auto& o) { return o.MKolom == kolom; });
}
} // namespace

TProgrammaschaal BepaalProgrammaschaal(const TEvenwicht& evenwicht) {
    TProgrammaschaal s;
    const Eigen::Index n = evenwicht.A.cols();
    for (Eigen::Index j = 0; j < n; ++j) {
        const auto& onbekende = evenwicht.Onbekenden[static_cast<std::size_t>(j)];
        if (onbekende.Soort == TOnbekende::Moment) {
            s.Momenten.push_back(static_cast<int>(j));
            s.Mp = std::max(s.Mp, onbekende.Mp);
        }
    }
    double lengte = 0.0;
    for (const auto& staaf : evenwicht.Staven) {
        lengte = std::max(lengte, staaf.Lengte);
        // A loaded bar bends between hinged ends too.
        if (staaf.Belast) {
            s.Mp = std::max(s.Mp, staaf.Mp);
        }
    }
    s.Kracht = s.Mp / (lengte > 0.0 ? lengte : 1.0);
    s.Schaal = Eigen::VectorXd::Constant(n, s.Kracht);
    for (Eigen::Index j = 0; j < n; ++j) {
        const auto& onbekende = evenwicht.Onbekenden[static_cast<std::size_t>(j)];
        if (onbekende.Soort == TOnbekende::Moment ||
            (onbekende.Soort == TOnbekende::Reactie && IsMomentreactie(evenwicht, j))) {
            s.Schaal(j) = s.Mp;
        }
    }
    return s;
}

double VoegGeschaaldeRijToe(const TEvenwicht& evenwicht, Eigen::Index r,
                            const TProgrammaschaal& schaal, double rechts,
                            std::vector<Eigen::Triplet<double>>& termen) {
    const Eigen::Index n = evenwicht.A.cols();
    double grootste = std::fabs(rechts);
    for (Eigen::Index j = 0; j < n; ++j) {
        grootste = std::max(grootste, std::fabs(evenwicht.A(r, j)) * schaal.Schaal(j));
    }
    if (grootste == 0.0) {
        return 0.0;
    }
    for (Eigen::Index j = 0; j < n; ++j) {
        if (evenwicht.A(r, j) != 0.0) {
            termen.emplace_back(static_cast<int>(r), static_cast<int>(j),
                                evenwicht.A(r, j) * schaal.Schaal(j) / grootste);
        }
    }
    return grootste;
}

} // namespace kx
