#include "engine/Bezwijkcontrole.h"

#include "engine/IjlProgramma.h"
#include "engine/Programmaschaal.h"
#include "engine/Records.h"
#include "engine/Toleranties.h"

#include <algorithm>
#include <cmath>

namespace kx {

namespace {
std::vector<int> Momentkolommen(const TEvenwicht& evenwicht) {
    std::vector<int> momenten;
    for (std::size_t j = 0; j < evenwicht.Onbekenden.size(); ++j) {
        if (evenwicht.Onbekenden[j].Soort == TOnbekende::Moment) {
            momenten.push_back(static_cast<int>(j));
        }
    }
    return momenten;
}

// The static theorem as one sparse program on the equilibrium equations themselves: maximise
// lambda over A x = lambda b with every bar end moment within its Mp. Moments are counted in the
// largest Mp, forces in that over the longest bar, the load factor in that force over the
// largest load, and every row divided by its largest entry, so that the solver's tolerances mean
// the same for every frame. Returns the load factor with x; infinite when the loads can grow
// without bound.
double LosSterkteOp(const TEvenwicht& evenwicht, const std::vector<int>& momenten,
                    Eigen::VectorXd& x) {
    const Eigen::Index n = evenwicht.A.cols();
    const TProgrammaschaal eenheden = BepaalProgrammaschaal(evenwicht);
    const double mp = eenheden.Mp;
    const double kracht = eenheden.Kracht;
    const Eigen::VectorXd& schaal = eenheden.Schaal;
    const double last = evenwicht.b.cwiseAbs().maxCoeff();
    if (!(mp > 0.0) || !(last > 0.0)) {
        return OneindigeLast;
    }
    std::vector<Eigen::Triplet<double>> termen;
    for (Eigen::Index r = 0; r < evenwicht.A.rows(); ++r) {
        const double rechts = kracht * evenwicht.b(r) / last;
        const double grootste = VoegGeschaaldeRijToe(evenwicht, r, eenheden, rechts, termen);
        if (grootste != 0.0 && evenwicht.b(r) != 0.0) {
            termen.emplace_back(static_cast<int>(r), static_cast<int>(n), -rechts / grootste);
        }
    }
    TIjlProgramma lp;
    lp.R.resize(evenwicht.A.rows(), n + 1);
    lp.R.setFromTriplets(termen.begin(), termen.end());
    lp.RijOnder = Eigen::VectorXd::Zero(evenwicht.A.rows());
    lp.RijBoven = Eigen::VectorXd::Zero(evenwicht.A.rows());
    lp.KolomOnder = Eigen::VectorXd::Constant(n + 1, -TIjlProgramma::Onbegrensd);
    lp.KolomBoven = Eigen::VectorXd::Constant(n + 1, TIjlProgramma::Onbegrensd);
    for (const int j : momenten) {
        lp.KolomBoven(j) = evenwicht.Onbekenden[static_cast<std::size_t>(j)].Mp / mp;
        lp.KolomOnder(j) = -lp.KolomBoven(j);
    }
    lp.KolomOnder(n) = 0.0;
    lp.c = Eigen::VectorXd::Zero(n + 1);
    lp.c(n) = -1.0;
    const auto uitkomst = LosOp(lp);
    if (uitkomst.Status == TIjlUitkomst::Onbegrensd) {
        return OneindigeLast;
    }
    if (uitkomst.Status != TIjlUitkomst::Optimaal) {
        return 0.0;
    }
    x = uitkomst.x.head(n).cwiseProduct(schaal);
    // A trace of rounding is no strength.
    const double factor = uitkomst.x(n) < Sterktespoor ? 0.0 : uitkomst.x(n);
    return factor * kracht / last;
}
} // namespace

TWareBezwijklast BepaalWareBezwijklast(const TEvenwicht& evenwicht) {
    TWareBezwijklast waar;
    const std::vector<int> momenten = Momentkolommen(evenwicht);
    Eigen::VectorXd x;
    const double lambda = LosSterkteOp(evenwicht, momenten, x);
    if (IsOneindigeLast(lambda)) {
        waar.Bezwijklast = OneindigeLast;
        waar.Verdeling.Bezwijklast = OneindigeLast;
        return waar;
    }
    waar.Bezwijklast = lambda;
    auto& verdeling = waar.Verdeling;
    verdeling.Bezwijklast = lambda;
    VulKrachten(evenwicht, x, lambda, verdeling);
    if (!InEvenwicht(evenwicht, x, lambda, verdeling.Residu)) {
        verdeling = TKrachtsverdeling{};
        verdeling.Bezwijklast = lambda;
        return waar;
    }
    verdeling.Bestaat = true;
    verdeling.Eenduidig = false;
    double piek = 0.0;
    for (const int j : momenten) {
        const double verhouding =
            std::fabs(x(j)) / evenwicht.Onbekenden[static_cast<std::size_t>(j)].Mp;
        piek = std::max(piek, verhouding);
        if (verhouding >= 1.0 - MpBereikt) {
            waar.Scharnieren.push_back(evenwicht.KnoopVanKolom(j));
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

namespace {
// Checks the mechanisms for which controleer holds; the others keep ratio 0 and their own Fp.
template <typename Welke>
TBezwijkcontrole Controleer(const TEvenwicht& evenwicht,
                            const std::vector<TMechanismeOpgave>& mechanismen, int maatgevend,
                            Welke controleer) {
    TBezwijkcontrole controle;
    controle.Maatgevend = maatgevend;
    controle.Momentverhoudingen.reserve(mechanismen.size());
    controle.Bezwijklasten.reserve(mechanismen.size());
    controle.Waar = BepaalWareBezwijklast(evenwicht);
    const auto& waar = controle.Waar;
    for (std::size_t i = 0; i < mechanismen.size(); ++i) {
        const auto& mechanisme = mechanismen[i];
        if (!controleer(static_cast<int>(i))) {
            controle.Momentverhoudingen.push_back(0.0);
            controle.Bezwijklasten.push_back(mechanisme.Bezwijklast);
            continue;
        }
        // A mechanism at the static theorem's load collapses with its distribution: a moment
        // line in equilibrium within Mp at that load, which no other check can better.
        if (static_cast<int>(i) == maatgevend && waar.Verdeling.Bestaat &&
            std::fabs(mechanisme.Bezwijklast - waar.Bezwijklast) <=
                GelijkeLasten * mechanisme.Bezwijklast) {
            controle.Momentverhoudingen.push_back(std::max(waar.Verdeling.Momentverhouding, 1.0));
            controle.Bezwijklasten.push_back(mechanisme.Bezwijklast);
            continue;
        }
        const auto verdeling = BepaalKrachtsverdeling(evenwicht, mechanisme.Plaatsen,
                                                      mechanisme.Bezwijklast, mechanisme.Staven);
        controle.Momentverhoudingen.push_back(verdeling.Bestaat ? verdeling.Momentverhouding : 0.0);
        controle.Bezwijklasten.push_back(verdeling.Bezwijklast);
    }
    if (maatgevend >= 0 && maatgevend < static_cast<int>(mechanismen.size())) {
        const double verhouding = controle.Momentverhoudingen[static_cast<std::size_t>(maatgevend)];
        controle.Bevestigd = verhouding > 0.0 && verhouding <= 1.0 + Verhoudingstolerantie;
    }
    return controle;
}
} // namespace

TBezwijkcontrole ControleerMechanismen(const TEvenwicht& evenwicht,
                                       const std::vector<TMechanismeOpgave>& mechanismen,
                                       int maatgevend) {
    return Controleer(evenwicht, mechanismen, maatgevend, [](int) { return true; });
}

TBezwijkcontrole ControleerMaatgevend(const TEvenwicht& evenwicht,
                                      const std::vector<TMechanismeOpgave>& mechanismen,
                                      int maatgevend) {
    return Controleer(evenwicht, mechanismen, maatgevend,
                      [maatgevend](int i) { return i == maatgevend; });
}

} // namespace kx
