#include "engine/Bezwijkcontrole.h"

#include "engine/LineairProgramma.h"
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

// The scales of the static theorem's program: the largest Mp and the largest moment the loads
// cause at factor 1.
struct TSterkteschaal {
    double Mp = 0.0;
    double Moment = 0.0;
};

TSterkteschaal Sterkteschaal(const TEvenwicht& evenwicht, const std::vector<int>& momenten) {
    TSterkteschaal schaal;
    for (const int j : momenten) {
        schaal.Mp = std::max(schaal.Mp, evenwicht.Onbekenden[static_cast<std::size_t>(j)].Mp);
        schaal.Moment = std::max(schaal.Moment, std::fabs(evenwicht.Xb(j)));
    }
    return schaal;
}

// Maximise the load factor with every bar end moment within Mp, on the program's own scale:
// the factor in units of Mp / Moment, the self-stress in units of Mp. Returns the factor in
// those units; infinite when the loads can grow without bound.
double GeschaaldeSterkte(const TEvenwicht& evenwicht, const std::vector<int>& momenten,
                         const TSterkteschaal& schaal, Eigen::VectorXd& z) {
    const auto k = evenwicht.Nul.cols();
    const auto rijen = static_cast<Eigen::Index>(momenten.size());
    TLineairProgramma lp;
    lp.R.resize(rijen, k + 1);
    lp.RijOnder.resize(rijen);
    lp.RijBoven.resize(rijen);
    for (Eigen::Index r = 0; r < rijen; ++r) {
        const int j = momenten[static_cast<std::size_t>(r)];
        lp.R(r, 0) = evenwicht.Xb(j) / schaal.Moment;
        lp.R.row(r).tail(k) = evenwicht.Nul.row(j);
        lp.RijBoven(r) = evenwicht.Onbekenden[static_cast<std::size_t>(j)].Mp / schaal.Mp;
        lp.RijOnder(r) = -lp.RijBoven(r);
    }
    lp.KolomOnder = Eigen::VectorXd::Constant(k + 1, -TLineairProgramma::Onbegrensd);
    lp.KolomBoven = Eigen::VectorXd::Constant(k + 1, TLineairProgramma::Onbegrensd);
    lp.KolomOnder(0) = 0.0;
    lp.c = Eigen::VectorXd::Zero(k + 1);
    lp.c(0) = -1.0;
    const auto uitkomst = LosOp(lp);
    // A bound that only rounding of Xb sets: its moments cancel against self-stress.
    if (uitkomst.Status != TLpUitkomst::Optimaal || uitkomst.x(0) * XbRuis >= 1.0) {
        return OneindigeLast;
    }
    z = schaal.Mp * uitkomst.x.tail(k);
    // A trace of rounding is no strength.
    return uitkomst.x(0) < Sterktespoor ? 0.0 : uitkomst.x(0);
}
} // namespace

TWareBezwijklast BepaalWareBezwijklast(const TEvenwicht& evenwicht) {
    TWareBezwijklast waar;
    if (!evenwicht.Draagt) {
        return waar;
    }
    const std::vector<int> momenten = Momentkolommen(evenwicht);
    const TSterkteschaal schaal = Sterkteschaal(evenwicht, momenten);
    Eigen::VectorXd z;
    // Loads that cause no moment beyond Xb's rounding can grow without bound.
    const double geschaald = schaal.Moment <= XbRuis * GrootsteWaarde(evenwicht.Xb)
                                 ? OneindigeLast
                                 : GeschaaldeSterkte(evenwicht, momenten, schaal, z);
    if (IsOneindigeLast(geschaald)) {
        waar.Bezwijklast = OneindigeLast;
        waar.Verdeling.Bezwijklast = OneindigeLast;
        return waar;
    }
    const double lambda = geschaald * schaal.Mp / schaal.Moment;
    const Eigen::VectorXd x = lambda * evenwicht.Xb + evenwicht.Nul * z;
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
    for (std::size_t i = 0; i < mechanismen.size(); ++i) {
        const auto& mechanisme = mechanismen[i];
        if (!controleer(static_cast<int>(i))) {
            controle.Momentverhoudingen.push_back(0.0);
            controle.Bezwijklasten.push_back(mechanisme.Bezwijklast);
            continue;
        }
        const auto verdeling = BepaalKrachtsverdeling(evenwicht, mechanisme.Plaatsen,
                                                      mechanisme.Bezwijklast, mechanisme.Staven);
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
