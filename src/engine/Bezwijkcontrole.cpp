#include "engine/Bezwijkcontrole.h"

#include "engine/LineairProgramma.h"
#include "engine/Records.h"

#include <algorithm>
#include <cmath>

namespace kx {

namespace {
// A moment within this share of Mp below it counts as having reached Mp.
constexpr double Bereikt = 1e-6;
constexpr double Nultrace = 1e-9;
} // namespace

TWareBezwijklast BepaalWareBezwijklast(const TEvenwicht& evenwicht) {
    const auto& a = evenwicht.A;
    const Eigen::Index n = a.cols();
    TLineairProgramma lp;
    lp.R.resize(a.rows(), n + 1);
    lp.R << a, -evenwicht.b;
    lp.RijOnder = Eigen::VectorXd::Zero(a.rows());
    lp.RijBoven = Eigen::VectorXd::Zero(a.rows());
    lp.KolomOnder = Eigen::VectorXd::Constant(n + 1, -TLineairProgramma::Onbegrensd);
    lp.KolomBoven = Eigen::VectorXd::Constant(n + 1, TLineairProgramma::Onbegrensd);
    for (Eigen::Index j = 0; j < n; ++j) {
        const auto& onbekende = evenwicht.Onbekenden[static_cast<std::size_t>(j)];
        if (onbekende.Soort == TOnbekende::Moment) {
            lp.KolomOnder(j) = -onbekende.Mp;
            lp.KolomBoven(j) = onbekende.Mp;
        }
    }
    lp.KolomOnder(n) = 0.0;
    lp.c = Eigen::VectorXd::Zero(n + 1);
    lp.c(n) = -1.0;
    const auto uitkomst = LosOp(lp);

    TWareBezwijklast waar;
    if (uitkomst.Status != TLpUitkomst::Optimaal) {
        waar.Bezwijklast = Oneindig;
        waar.Verdeling.Bezwijklast = Oneindig;
        return waar;
    }
    // A frame that moves without any hinge carries nothing; rounding leaves a trace of 1e-15.
    const double lambda = uitkomst.x(n) < Nultrace ? 0.0 : uitkomst.x(n);
    Eigen::VectorXd x = uitkomst.x.head(n);
    x += a.completeOrthogonalDecomposition().solve(lambda * evenwicht.b - a * x);
    waar.Bezwijklast = lambda;
    auto& verdeling = waar.Verdeling;
    verdeling.Bestaat = true;
    verdeling.Bezwijklast = lambda;
    VulKrachten(evenwicht, x, lambda, verdeling);
    double piek = 0.0;
    for (Eigen::Index j = 0; j < n; ++j) {
        const auto& onbekende = evenwicht.Onbekenden[static_cast<std::size_t>(j)];
        if (onbekende.Soort != TOnbekende::Moment || onbekende.Mp <= 0.0) {
            continue;
        }
        const double verhouding = std::fabs(x(j)) / onbekende.Mp;
        piek = std::max(piek, verhouding);
        if (verhouding >= 1.0 - Bereikt) {
            waar.Scharnieren.push_back(evenwicht.KnoopVanKolom(static_cast<int>(j)));
        }
    }
    verdeling.Momentverhouding = piek;
    std::sort(waar.Scharnieren.begin(), waar.Scharnieren.end());
    waar.Scharnieren.erase(std::unique(waar.Scharnieren.begin(), waar.Scharnieren.end()),
                           waar.Scharnieren.end());
    return waar;
}

double TBezwijkcontrole::Ondergrens(int i) const {
    const auto k = static_cast<std::size_t>(i);
    return Momentverhoudingen[k] > 0.0 ? Bezwijklasten[k] / Momentverhoudingen[k] : 0.0;
}

TBezwijkcontrole ControleerMechanismen(const TEvenwicht& evenwicht,
                                       const std::vector<TMechanismeOpgave>& mechanismen,
                                       int maatgevend) {
    TBezwijkcontrole controle;
    controle.Maatgevend = maatgevend;
    controle.Momentverhoudingen.reserve(mechanismen.size());
    controle.Bezwijklasten.reserve(mechanismen.size());
    for (const auto& mechanisme : mechanismen) {
        const auto verdeling =
            BepaalKrachtsverdeling(evenwicht, mechanisme.Plaatsen, mechanisme.Bezwijklast);
        controle.Momentverhoudingen.push_back(verdeling.Bestaat ? verdeling.Momentverhouding : 0.0);
        controle.Bezwijklasten.push_back(verdeling.Bezwijklast);
    }
    controle.Waar = BepaalWareBezwijklast(evenwicht);
    if (maatgevend >= 0 && maatgevend < static_cast<int>(mechanismen.size())) {
        const double verhouding = controle.Momentverhoudingen[static_cast<std::size_t>(maatgevend)];
        controle.Bevestigd = verhouding > 0.0 && verhouding <= 1.0 + Verhoudingstolerantie;
    }
    return controle;
}

} // namespace kx
