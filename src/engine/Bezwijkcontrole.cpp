#include "engine/Bezwijkcontrole.h"

#include "engine/IjlProgramma.h"
#include "engine/Programmaschaal.h"
#include "engine/Records.h"
#include "engine/Toleranties.h"
#include "engine/Veldsneden.h"

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

// The cuts as rows of the program: the moment at xi, in units of the largest Mp, is the line
// between the end moments plus the load factor's parabola.
void VoegSnedenToe(const TEvenwicht& evenwicht, const std::vector<TSnede>& sneden,
                   const TProgrammaschaal& eenheden, double factorNaarLast, TIjlProgramma& lp,
                   std::vector<Eigen::Triplet<double>>& termen) {
    const auto eerste = static_cast<int>(evenwicht.A.rows());
    const auto n = static_cast<int>(evenwicht.A.cols());
    for (std::size_t i = 0; i < sneden.size(); ++i) {
        const TSnedemoment moment = Snedemoment(evenwicht, sneden[i]);
        const int rij = eerste + static_cast<int>(i);
        for (const auto& [kolom, gewicht] : moment.Termen) {
            termen.emplace_back(rij, kolom, gewicht * eenheden.Schaal(kolom) / eenheden.Mp);
        }
        termen.emplace_back(rij, n, factorNaarLast * moment.Parabool / eenheden.Mp);
        lp.RijBoven(rij) = moment.Mp / eenheden.Mp;
        lp.RijOnder(rij) = -lp.RijBoven(rij);
    }
}

// The static theorem as one sparse program on the equilibrium equations themselves: maximise
// lambda over A x = lambda b with every bar end moment and the moment at every cut within its Mp.
// Moments are counted in the largest Mp, forces in that over the longest bar, the load factor in
// that force over the largest load, and every row divided by its largest entry, so that the
// solver's tolerances mean the same for every frame. Returns the load factor with x; infinite when
// the loads can grow without bound.
double LosSterkteOp(const TEvenwicht& evenwicht, const std::vector<int>& momenten,
                    const std::vector<TSnede>& sneden, Eigen::VectorXd& x) {
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
    const auto rijen = evenwicht.A.rows() + static_cast<Eigen::Index>(sneden.size());
    lp.RijOnder = Eigen::VectorXd::Zero(rijen);
    lp.RijBoven = Eigen::VectorXd::Zero(rijen);
    VoegSnedenToe(evenwicht, sneden, eenheden, kracht / last, lp, termen);
    lp.R.resize(rijen, n + 1);
    lp.R.setFromTriplets(termen.begin(), termen.end());
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

namespace {
// The static theorem where bars carry distributed loads: cutting planes. Each round solves the
// program with |M| <= Mp at the cuts so far, whose load factor is an upper bound; the solution
// scaled down to its peak |M| / Mp is in equilibrium within Mp everywhere, a lower bound. A cut
// at every loaded bar's peak that exceeds Mp follows, until the bounds meet within
// GelijkeLasten; the lower bound and its distribution are returned.
double LosSterkteOpMetVelden(const TEvenwicht& evenwicht, const std::vector<int>& momenten,
                             Eigen::VectorXd& x) {
    constexpr int GrootsteAantalRondes = 200;
    // Without a cut inside them the loaded bars would let the load factor grow without bound.
    std::vector<TSnede> sneden;
    for (std::size_t s = 0; s < evenwicht.Staven.size(); ++s) {
        if (evenwicht.Staven[s].Belast) {
            sneden.push_back({static_cast<int>(s), 0.5});
        }
    }
    double lambda = 0.0;
    for (int ronde = 0; ronde < GrootsteAantalRondes; ++ronde) {
        lambda = LosSterkteOp(evenwicht, momenten, sneden, x);
        if (IsOneindigeLast(lambda) || !(lambda > 0.0)) {
            return lambda;
        }
        const double piek = Momentpiek(evenwicht, x, lambda);
        if (piek <= 1.0 / (1.0 - GelijkeLasten)) {
            break;
        }
        if (!VoegPiekSnedenToe(evenwicht, x, lambda, 1.0, sneden)) {
            break;
        }
    }
    const double piek = Momentpiek(evenwicht, x, lambda);
    if (piek > 1.0) {
        x /= piek;
        lambda /= piek;
    }
    return lambda;
}

bool HeeftVelden(const TEvenwicht& evenwicht) {
    return std::any_of(evenwicht.Staven.begin(), evenwicht.Staven.end(),
                       [](const TEvenwichtStaaf& s) { return s.Belast; });
}
} // namespace

TWareBezwijklast BepaalWareBezwijklast(const TEvenwicht& evenwicht) {
    TWareBezwijklast waar;
    const std::vector<int> momenten = Momentkolommen(evenwicht);
    Eigen::VectorXd x;
    const double lambda = HeeftVelden(evenwicht) ? LosSterkteOpMetVelden(evenwicht, momenten, x)
                                                 : LosSterkteOp(evenwicht, momenten, {}, x);
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
    verdeling.Momentverhouding = std::max(piek, Momentpiek(evenwicht, x, lambda));
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
        const auto verdeling =
            BepaalKrachtsverdeling(evenwicht, mechanisme.Plaatsen, mechanisme.Bezwijklast,
                                   mechanisme.Staven, GrootsteDichteProgramma, mechanisme.Posities);
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
