#include "engine/Krachtsverdeling.h"

#include "engine/IjlProgramma.h"
#include "engine/LineairProgramma.h"
#include "engine/Programmaschaal.h"
#include "engine/Records.h"
#include "engine/Veldsneden.h"

#include <algorithm>
#include <cmath>

namespace kx {

namespace {
// The hinge rows of the self-stress states and of the load-carrying distribution. A hinge at a
// node is its bar end moment's column; a hinge inside a span is the moment there: its bar's end
// moments weighted by the position, plus the parabola of the loads at load factor 1. A span
// between hinged ends has no end moments: its moment is the parabola alone, which no
// self-stress changes.
struct TScharnierRijen {
    std::vector<bool> MetRij; // one per place; false where no moment can form
    std::vector<std::vector<std::pair<int, double>>> Termen;
    std::vector<double> Parabool;
    Eigen::VectorXd Mp;
    Eigen::MatrixXd Nul;
    Eigen::VectorXd Xb;

    bool IsKolom(std::size_t i) const { return Termen[i].size() == 1 && Parabool[i] == 0.0; }
    // Whether equilibrium fixes the moment of row i without any unknown.
    bool IsVast(std::size_t i) const { return Termen[i].empty(); }
    std::size_t Aantal() const { return Termen.size(); }
    double Waarde(std::size_t i, const Eigen::VectorXd& x, double lambda) const {
        double m = lambda * Parabool[i];
        for (const auto& [kolom, gewicht] : Termen[i]) {
            m += gewicht * x(kolom);
        }
        return m;
    }
};

const TEvenwichtStaaf* StaafMetSlot(const TEvenwicht& evenwicht, int slot) {
    for (const auto& staaf : evenwicht.Staven) {
        if (staaf.Slot == slot) {
            return &staaf;
        }
    }
    return nullptr;
}

TScharnierRijen ScharnierRijen(const TEvenwicht& evenwicht, const std::vector<int>& plaatsen,
                               const std::vector<int>& staven,
                               const std::vector<double>& posities) {
    TScharnierRijen h;
    std::vector<double> mp;
    for (std::size_t i = 0; i < plaatsen.size(); ++i) {
        const int slot = i < staven.size() ? staven[i] : -1;
        const double xi = i < posities.size() ? posities[i] : -1.0;
        const TEvenwichtStaaf* veld = xi >= 0.0 ? StaafMetSlot(evenwicht, slot) : nullptr;
        if (veld != nullptr) {
            std::vector<std::pair<int, double>> termen;
            for (int e = 0; e < 2; ++e) {
                if (veld->MomentKolom[e] != -1) {
                    termen.emplace_back(veld->MomentKolom[e], e == 0 ? 1.0 - xi : xi);
                }
            }
            const double parabool = 0.5 * veld->Q * veld->Lengte * veld->Lengte * xi * (1.0 - xi);
            h.MetRij.push_back(!termen.empty() || parabool != 0.0);
            if (h.MetRij.back()) {
                h.Termen.push_back(termen);
                h.Parabool.push_back(parabool);
                mp.push_back(veld->Mp);
            }
        } else {
            const int kolom = xi >= 0.0 ? -1 : evenwicht.ScharnierKolom(plaatsen[i], slot);
            h.MetRij.push_back(kolom != -1);
            if (kolom != -1) {
                h.Termen.push_back({{kolom, 1.0}});
                h.Parabool.push_back(0.0);
                mp.push_back(evenwicht.Onbekenden[static_cast<std::size_t>(kolom)].Mp);
            }
        }
    }
    const auto n = static_cast<Eigen::Index>(h.Aantal());
    h.Mp = Eigen::Map<const Eigen::VectorXd>(mp.data(), n);
    h.Nul = Eigen::MatrixXd::Zero(n, evenwicht.Nul().cols());
    h.Xb.resize(n);
    // A row of a basis without columns would offset the null pointer of its empty storage.
    const bool spanningen = evenwicht.Nul().cols() > 0;
    for (Eigen::Index i = 0; i < n; ++i) {
        const auto r = static_cast<std::size_t>(i);
        h.Xb(i) = h.Parabool[r];
        for (const auto& [kolom, gewicht] : h.Termen[r]) {
            if (spanningen) {
                h.Nul.row(i) += gewicht * evenwicht.Nul().row(kolom);
            }
            h.Xb(i) += gewicht * evenwicht.Xb()(kolom);
        }
    }
    return h;
}

// The Mp of every hinge row.
Eigen::VectorXd ScharnierMp(const TEvenwicht&, const TScharnierRijen& h) {
    return h.Mp;
}

// Hinge rotations are compatible when they do no work on any state of self-stress: they lie
// in the left null space of the hinge rows of Nul, of which Vrij is an orthonormal basis.
// One column of Vrij is one motion.
struct TScharnierbeweging {
    bool VolleRang = false; // the hinge moments fix the self-stress
    Eigen::MatrixXd Vrij;
    Eigen::JacobiSVD<Eigen::MatrixXd> Svd;

    bool Eenduidig() const { return Vrij.cols() == 1; }
};

TScharnierbeweging Beweging(const Eigen::MatrixXd& nul) {
    TScharnierbeweging beweging;
    const auto n = nul.rows();
    if (n == 0) {
        return beweging;
    }
    if (nul.cols() == 0) {
        beweging.VolleRang = true;
        beweging.Vrij = Eigen::MatrixXd::Identity(n, n);
        return beweging;
    }
    beweging.Svd.compute(nul, Eigen::ComputeFullU | Eigen::ComputeFullV);
    // Nul has orthonormal columns, so its rows are on the scale of 1: the threshold is absolute,
    // also when every singular value is tiny (the self-stress leaves these hinges alone).
    const double grootste = beweging.Svd.singularValues()(0);
    Eigen::Index rang = 0;
    if (grootste > ScharnierRangdrempel) {
        beweging.Svd.setThreshold(ScharnierRangdrempel / grootste);
        rang = beweging.Svd.rank();
    }
    beweging.VolleRang = rang == nul.cols();
    beweging.Vrij = beweging.Svd.matrixU().rightCols(n - rang);
    return beweging;
}

// Whether the loads work on some compatible motion. Xb carries the rounding of its solve, so
// work on the scale of that rounding is none: scaling such a motion up to unit work would give
// a collapse load and forces of nothing but rounding.
bool LastenDoenArbeid(const TEvenwicht& evenwicht, const TScharnierbeweging& beweging,
                      const TScharnierRijen& h) {
    const double arbeid = (beweging.Vrij.transpose() * h.Xb).norm();
    return arbeid > XbRuis * evenwicht.Xb().norm();
}

// The motion of least dissipation among those the hinges allow, for loads doing unit work:
// minimise the sum of Mp |theta| subject to theta on no self-stress and theta . Xb = 1. Its
// value is the mechanism's collapse load; false when no motion lets the loads work. The program
// is posed on its own scale: the work in units of the hinge rows' largest Xb, the dissipation
// in units of their largest Mp.
bool KleinsteDissipatie(const TEvenwicht& evenwicht, const TScharnierRijen& h,
                        Eigen::VectorXd& draaiing, double& lambda) {
    const auto n = static_cast<Eigen::Index>(h.Aantal());
    const auto k = h.Nul.cols();
    const double werk = GrootsteWaarde(h.Xb);
    const Eigen::VectorXd mp = ScharnierMp(evenwicht, h);
    const double mpSchaal = GrootsteWaarde(mp);
    if (!(werk > 0.0 && mpSchaal > 0.0)) {
        return false;
    }
    const Eigen::Index rijen = k + 1 + 2 * n;
    TLineairProgramma lp;
    lp.R = Eigen::MatrixXd::Zero(rijen, 2 * n);
    lp.RijOnder = Eigen::VectorXd::Constant(rijen, -TLineairProgramma::Onbegrensd);
    lp.RijBoven = Eigen::VectorXd::Zero(rijen);
    lp.R.topLeftCorner(k, n) = h.Nul.transpose();
    lp.RijOnder.head(k).setZero();
    lp.R.row(k).head(n) = h.Xb.transpose() / werk;
    lp.RijOnder(k) = 1.0;
    lp.RijBoven(k) = 1.0;
    for (Eigen::Index i = 0; i < n; ++i) {
        lp.R(k + 1 + 2 * i, i) = 1.0;
        lp.R(k + 1 + 2 * i, n + i) = -1.0;
        lp.R(k + 2 + 2 * i, i) = -1.0;
        lp.R(k + 2 + 2 * i, n + i) = -1.0;
    }
    lp.KolomOnder = Eigen::VectorXd::Constant(2 * n, -TLineairProgramma::Onbegrensd);
    lp.KolomBoven = Eigen::VectorXd::Constant(2 * n, TLineairProgramma::Onbegrensd);
    lp.KolomOnder.tail(n).setZero();
    lp.c = Eigen::VectorXd::Zero(2 * n);
    lp.c.tail(n) = mp / mpSchaal;
    const auto uitkomst = LosOp(lp);
    if (uitkomst.Status != TLpUitkomst::Optimaal) {
        return false;
    }
    draaiing = uitkomst.x.head(n) / werk;
    lambda = lp.c.dot(uitkomst.x) * mpSchaal / werk;
    return true;
}

// The self-stress z with the least peak |M| / Mp at lambda over the bar ends and the cuts, the
// hinges marked vast held at their moments; empty when there is none. Moments are posed in units
// of the largest Mp.
Eigen::VectorXd KleinsteMomentpiek(const TEvenwicht& evenwicht, const TScharnierRijen& h,
                                   const std::vector<bool>& vast, const Eigen::VectorXd& m,
                                   double lambda, const std::vector<TSnede>& sneden) {
    const auto k = evenwicht.Nul().cols();
    std::vector<int> momenten;
    const double mpSchaal = BepaalProgrammaschaal(evenwicht).Mp;
    for (std::size_t j = 0; j < evenwicht.Onbekenden.size(); ++j) {
        if (evenwicht.Onbekenden[j].Soort == TOnbekende::Moment) {
            momenten.push_back(static_cast<int>(j));
        }
    }
    if (!(mpSchaal > 0.0)) {
        return {};
    }
    // A hinge whose moment equilibrium fixes alone holds it whatever z is.
    Eigen::Index aantalVast = 0;
    for (std::size_t i = 0; i < vast.size(); ++i) {
        aantalVast += vast[i] && !h.IsVast(i) ? 1 : 0;
    }
    const Eigen::Index rijen = aantalVast + 2 * static_cast<Eigen::Index>(momenten.size()) +
                               2 * static_cast<Eigen::Index>(sneden.size());
    TLineairProgramma lp;
    lp.R = Eigen::MatrixXd::Zero(rijen, k + 1);
    lp.RijOnder = Eigen::VectorXd::Constant(rijen, -TLineairProgramma::Onbegrensd);
    lp.RijBoven = Eigen::VectorXd::Zero(rijen);
    Eigen::Index r = 0;
    for (std::size_t i = 0; i < vast.size(); ++i) {
        if (vast[i] && !h.IsVast(i)) {
            const auto rij = static_cast<Eigen::Index>(i);
            if (k > 0) {
                lp.R.row(r).head(k) = h.Nul.row(rij);
            }
            lp.RijOnder(r) = (m(rij) - lambda * h.Xb(rij)) / mpSchaal;
            lp.RijBoven(r++) = (m(rij) - lambda * h.Xb(rij)) / mpSchaal;
        }
    }
    for (const int j : momenten) {
        const double mp = evenwicht.Onbekenden[static_cast<std::size_t>(j)].Mp / mpSchaal;
        const double last = lambda * evenwicht.Xb()(j) / mpSchaal;
        if (k > 0) {
            lp.R.row(r).head(k) = evenwicht.Nul().row(j);
            lp.R.row(r + 1).head(k) = -evenwicht.Nul().row(j);
        }
        lp.R(r, k) = -mp;
        lp.RijBoven(r++) = -last;
        lp.R(r, k) = -mp;
        lp.RijBoven(r++) = last;
    }
    // |M| <= t Mp at a cut, M the weighted end moments plus the parabola.
    for (const auto& snede : sneden) {
        const TSnedemoment moment = Snedemoment(evenwicht, snede);
        double last = lambda * moment.Parabool;
        for (const auto& [kolom, gewicht] : moment.Termen) {
            if (k > 0) {
                lp.R.row(r).head(k) += gewicht * evenwicht.Nul().row(kolom);
            }
            last += lambda * gewicht * evenwicht.Xb()(kolom);
        }
        if (k > 0) {
            lp.R.row(r + 1).head(k) = -lp.R.row(r).head(k);
        }
        lp.R(r, k) = -moment.Mp / mpSchaal;
        lp.RijBoven(r++) = -last / mpSchaal;
        lp.R(r, k) = -moment.Mp / mpSchaal;
        lp.RijBoven(r++) = last / mpSchaal;
    }
    lp.KolomOnder = Eigen::VectorXd::Constant(k + 1, -TLineairProgramma::Onbegrensd);
    lp.KolomBoven = Eigen::VectorXd::Constant(k + 1, TLineairProgramma::Onbegrensd);
    lp.KolomOnder(k) = 0.0;
    lp.c = Eigen::VectorXd::Zero(k + 1);
    lp.c(k) = 1.0;
    const auto uitkomst = LosOp(lp);
    if (uitkomst.Status != TLpUitkomst::Optimaal) {
        return {};
    }
    return mpSchaal * uitkomst.x.head(k);
}

// The same least peak |M| / Mp as KleinsteMomentpiek, as the whole distribution x: one sparse
// program over A x = lambda b, the hinges marked vast held at their moments. Forces and moments
// are counted as the static theorem's program counts them; every row is divided by its largest
// entry. Empty when there is none.
Eigen::VectorXd KleinsteMomentpiekIjl(const TEvenwicht& evenwicht, const TScharnierRijen& h,
                                      const std::vector<bool>& vast, const Eigen::VectorXd& m,
                                      double lambda, const std::vector<TSnede>& sneden) {
    const Eigen::Index n = evenwicht.A.cols();
    const TProgrammaschaal eenheden = BepaalProgrammaschaal(evenwicht);
    const double mp = eenheden.Mp;
    const Eigen::VectorXd& schaal = eenheden.Schaal;
    const std::vector<int>& momenten = eenheden.Momenten;
    if (!(mp > 0.0)) {
        return {};
    }
    const auto rijen = evenwicht.A.rows();
    const auto momentRijen = 2 * static_cast<Eigen::Index>(momenten.size());
    TIjlProgramma lp;
    Eigen::Index veldRijen = 2 * static_cast<Eigen::Index>(sneden.size());
    for (std::size_t i = 0; i < vast.size(); ++i) {
        veldRijen += vast[i] && !h.IsKolom(i) && !h.IsVast(i) ? 1 : 0;
    }
    lp.RijOnder = Eigen::VectorXd::Zero(rijen + momentRijen + veldRijen);
    lp.RijBoven = Eigen::VectorXd::Zero(rijen + momentRijen + veldRijen);
    std::vector<Eigen::Triplet<double>> termen;
    for (Eigen::Index r = 0; r < rijen; ++r) {
        const double grootste = VoegGeschaaldeRijToe(evenwicht, r, eenheden, 0.0, termen);
        if (grootste != 0.0) {
            lp.RijOnder(r) = lambda * evenwicht.b(r) / grootste;
            lp.RijBoven(r) = lp.RijOnder(r);
        }
    }
    // |x_j| <= t Mp_j as x_j - t Mp_j <= 0 and -x_j - t Mp_j <= 0, in units of the largest Mp.
    for (std::size_t i = 0; i < momenten.size(); ++i) {
        const int j = momenten[i];
        const double grens = evenwicht.Onbekenden[static_cast<std::size_t>(j)].Mp / mp;
        const auto r = static_cast<int>(rijen + 2 * static_cast<Eigen::Index>(i));
        termen.emplace_back(r, j, 1.0);
        termen.emplace_back(r, static_cast<int>(n), -grens);
        termen.emplace_back(r + 1, j, -1.0);
        termen.emplace_back(r + 1, static_cast<int>(n), -grens);
        lp.RijOnder(r) = -TIjlProgramma::Onbegrensd;
        lp.RijOnder(r + 1) = -TIjlProgramma::Onbegrensd;
    }
    // A hinge inside a span held at its moment: the weighted end moments are that moment less
    // the parabola.
    auto veldRij = static_cast<int>(rijen + momentRijen);
    for (std::size_t i = 0; i < vast.size(); ++i) {
        if (vast[i] && !h.IsKolom(i) && !h.IsVast(i)) {
            for (const auto& [kolom, gewicht] : h.Termen[i]) {
                termen.emplace_back(veldRij, kolom, gewicht * schaal(kolom) / mp);
            }
            const double doel = (m(static_cast<Eigen::Index>(i)) - lambda * h.Parabool[i]) / mp;
            lp.RijOnder(veldRij) = doel;
            lp.RijBoven(veldRij++) = doel;
        }
    }
    // |M| <= t Mp at a cut as M - t Mp <= 0 and -M - t Mp <= 0, the parabola on the right.
    for (const auto& snede : sneden) {
        const TSnedemoment moment = Snedemoment(evenwicht, snede);
        const double parabool = lambda * moment.Parabool / mp;
        for (const auto& [kolom, gewicht] : moment.Termen) {
            termen.emplace_back(veldRij, kolom, gewicht * schaal(kolom) / mp);
            termen.emplace_back(veldRij + 1, kolom, -gewicht * schaal(kolom) / mp);
        }
        termen.emplace_back(veldRij, static_cast<int>(n), -moment.Mp / mp);
        termen.emplace_back(veldRij + 1, static_cast<int>(n), -moment.Mp / mp);
        lp.RijOnder(veldRij) = -TIjlProgramma::Onbegrensd;
        lp.RijBoven(veldRij++) = -parabool;
        lp.RijOnder(veldRij) = -TIjlProgramma::Onbegrensd;
        lp.RijBoven(veldRij++) = parabool;
    }
    lp.R.resize(rijen + momentRijen + veldRijen, n + 1);
    lp.R.setFromTriplets(termen.begin(), termen.end());
    lp.KolomOnder = Eigen::VectorXd::Constant(n + 1, -TIjlProgramma::Onbegrensd);
    lp.KolomBoven = Eigen::VectorXd::Constant(n + 1, TIjlProgramma::Onbegrensd);
    for (std::size_t i = 0; i < vast.size(); ++i) {
        if (vast[i] && h.IsKolom(i)) {
            const int kolom = h.Termen[i].front().first;
            lp.KolomOnder(kolom) = m(static_cast<Eigen::Index>(i)) / schaal(kolom);
            lp.KolomBoven(kolom) = lp.KolomOnder(kolom);
        }
    }
    lp.KolomOnder(n) = 0.0;
    lp.c = Eigen::VectorXd::Zero(n + 1);
    lp.c(n) = 1.0;
    const auto uitkomst = LosOp(lp);
    if (uitkomst.Status != TIjlUitkomst::Optimaal) {
        return {};
    }
    return uitkomst.x.head(n).cwiseProduct(schaal);
}

// The least peak |M| / Mp over the bar ends and inside the loaded bars, as the whole
// distribution, by cutting planes: each round bounds the moment at the cuts so far, and every
// loaded bar whose parabola still peaks above that round's level within it gets a cut at its
// peak, until none does. By the dense program, or by the sparse one where ijl holds.
Eigen::VectorXd KleinsteMomentpiekMetVelden(const TEvenwicht& evenwicht, const TScharnierRijen& h,
                                            const std::vector<bool>& vast, const Eigen::VectorXd& m,
                                            double lambda, bool ijl) {
    constexpr int GrootsteAantalRondes = 100;
    std::vector<TSnede> sneden;
    Eigen::VectorXd x;
    for (int ronde = 0; ronde < GrootsteAantalRondes; ++ronde) {
        if (ijl) {
            x = KleinsteMomentpiekIjl(evenwicht, h, vast, m, lambda, sneden);
        } else {
            const Eigen::VectorXd z = KleinsteMomentpiek(evenwicht, h, vast, m, lambda, sneden);
            x = z.size() == 0 ? z : Eigen::VectorXd(lambda * evenwicht.Xb() + evenwicht.Nul() * z);
        }
        if (x.size() == 0) {
            break;
        }
        const double grens = Snedeniveau(evenwicht, x, lambda, sneden) * (1.0 + GelijkeLasten);
        if (!VoegPiekSnedenToe(evenwicht, x, lambda, grens, sneden)) {
            break;
        }
    }
    return x;
}

} // namespace

double Momentpiek(const TEvenwicht& evenwicht, const Eigen::VectorXd& x, double lambda) {
    double piek = 0.0;
    for (std::size_t j = 0; j < evenwicht.Onbekenden.size(); ++j) {
        const auto& onbekende = evenwicht.Onbekenden[j];
        if (onbekende.Soort == TOnbekende::Moment && onbekende.Mp > 0.0) {
            piek = std::max(piek, std::fabs(x(static_cast<Eigen::Index>(j))) / onbekende.Mp);
        }
    }
    for (const auto& staaf : evenwicht.Staven) {
        const double xi = Piekpositie(staaf, x, lambda);
        if (xi >= 0.0 && staaf.Mp > 0.0) {
            piek = std::max(piek, std::fabs(MomentInStaaf(staaf, x, lambda, xi)) / staaf.Mp);
        }
    }
    return piek;
}

TKrachtsverdeling BepaalKrachtsverdeling(const TEvenwicht& evenwicht,
                                         const std::vector<int>& plaatsen, double bezwijklast,
                                         const std::vector<int>& staven, Eigen::Index grootsteDicht,
                                         const std::vector<double>& posities) {
    TKrachtsverdeling verdeling;
    if (!evenwicht.Draagt()) {
        // The frame moves before any hinge forms: it carries nothing.
        return verdeling;
    }
    const TScharnierRijen h = ScharnierRijen(evenwicht, plaatsen, staven, posities);
    const auto n = h.Aantal();
    if (n == 0) {
        // No place that can carry a plastic moment: no mechanism to check.
        verdeling.Bezwijklast = bezwijklast;
        return verdeling;
    }
    const TScharnierbeweging beweging = Beweging(h.Nul);
    if (!LastenDoenArbeid(evenwicht, beweging, h)) {
        verdeling.Bezwijklast = OneindigeLast;
        return verdeling;
    }
    std::vector<bool> vast(n, false);
    Eigen::VectorXd m = Eigen::VectorXd::Zero(static_cast<Eigen::Index>(n));
    Eigen::VectorXd draaiing;
    double arbeid = 1.0;
    if (beweging.Eenduidig()) {
        // Virtual work of the motion: sum of M theta over the hinges = lambda (theta . Xb).
        draaiing = beweging.Vrij.col(0);
        arbeid = draaiing.dot(h.Xb);
        if (arbeid < 0.0) {
            draaiing = -draaiing;
            arbeid = -arbeid;
        }
    } else {
        double kleinste = 0.0;
        if (!KleinsteDissipatie(evenwicht, h, draaiing, kleinste)) {
            verdeling.Bezwijklast = OneindigeLast;
            return verdeling;
        }
        // Any motion of these hinges needs at least kleinste; a load given above it stands
        // for a motion not known here, so no hinge is held.
        if (bezwijklast >= kleinste * (1.0 - GelijkeLasten)) {
            if (IsOneindigeLast(bezwijklast)) {
                verdeling.Bezwijklast = OneindigeLast;
                return verdeling;
            }
            draaiing.setZero();
            arbeid = 0.0;
        }
    }
    const double schaal = std::max(draaiing.cwiseAbs().maxCoeff(), 1e-300);
    double dissipatie = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const auto rij = static_cast<Eigen::Index>(i);
        if (std::fabs(draaiing(rij)) > DraaiRuis * schaal) {
            const double mp = h.Mp(rij);
            vast[i] = true;
            m(rij) = draaiing(rij) > 0.0 ? mp : -mp;
            dissipatie += mp * std::fabs(draaiing(rij));
        }
    }
    const double lambda = arbeid > 0.0 ? dissipatie / arbeid : bezwijklast;
    if (IsOneindigeLast(lambda)) {
        verdeling.Bezwijklast = OneindigeLast;
        return verdeling;
    }
    verdeling.Bezwijklast = lambda;

    const auto k = evenwicht.Nul().cols();
    Eigen::VectorXd z = Eigen::VectorXd::Zero(k);
    Eigen::VectorXd x;
    const bool alleVast = std::all_of(vast.begin(), vast.end(), [](bool v) { return v; });
    const auto momenten =
        std::count_if(evenwicht.Onbekenden.begin(), evenwicht.Onbekenden.end(),
                      [](const TOnbekende& o) { return o.Soort == TOnbekende::Moment; });
    const auto dicht =
        (static_cast<Eigen::Index>(std::count(vast.begin(), vast.end(), true)) + 2 * momenten) *
        (k + 1);
    if (k > 0 && beweging.Eenduidig() && alleVast && beweging.VolleRang) {
        z = beweging.Svd.solve(m - lambda * h.Xb);
        verdeling.Eenduidig = true;
    } else if (k > 0) {
        x = KleinsteMomentpiekMetVelden(evenwicht, h, vast, m, lambda, dicht > grootsteDicht);
        if (x.size() == 0) {
            return verdeling;
        }
    } else {
        verdeling.Eenduidig = true;
    }
    if (x.size() == 0) {
        x = lambda * evenwicht.Xb() + evenwicht.Nul() * z;
    }
    VulKrachten(evenwicht, x, lambda, verdeling);
    if (!InEvenwicht(evenwicht, x, lambda, verdeling.Residu)) {
        TKrachtsverdeling geen;
        geen.Bezwijklast = lambda;
        return geen;
    }
    verdeling.Bestaat = true;
    verdeling.Momentverhouding = Momentpiek(evenwicht, x, lambda);
    for (std::size_t i = 0, r = 0; i < plaatsen.size(); ++i) {
        if (h.MetRij[i]) {
            const bool veld = i < posities.size() && posities[i] >= 0.0 && i < staven.size();
            verdeling.Scharnieren.push_back({plaatsen[i], h.Waarde(r, x, lambda),
                                             h.Mp(static_cast<Eigen::Index>(r)), vast[r],
                                             veld ? staven[i] : -1, veld ? posities[i] : -1.0});
            ++r;
        }
    }
    return verdeling;
}

double MomentInStaaf(const TStaafkrachten& staaf, double xi) {
    return (1.0 - xi) * staaf.M0 + xi * staaf.M1 + 4.0 * staaf.Parabool * xi * (1.0 - xi);
}

double GrootsteWaarde(const Eigen::VectorXd& v) {
    return v.size() == 0 ? 0.0 : v.cwiseAbs().maxCoeff();
}

bool InEvenwicht(const TEvenwicht& evenwicht, const Eigen::VectorXd& x, double lambda,
                 double residu) {
    const double schaal =
        std::max(GrootsteWaarde(x), std::fabs(lambda) * GrootsteWaarde(evenwicht.b));
    return std::isfinite(residu) && residu <= Evenwichtstolerantie * schaal;
}

void VulKrachten(const TEvenwicht& evenwicht, const Eigen::VectorXd& x, double lambda,
                 TKrachtsverdeling& verdeling) {
    const auto waarde = [&x](int kolom) { return kolom == -1 ? 0.0 : x(kolom); };
    verdeling.Staven.clear();
    for (const auto& staaf : evenwicht.Staven) {
        TStaafkrachten krachten;
        krachten.Slot = staaf.Slot;
        krachten.M0 = waarde(staaf.MomentKolom[0]);
        krachten.M1 = waarde(staaf.MomentKolom[1]);
        krachten.N = waarde(staaf.NormaalKolom);
        krachten.V = staaf.Lengte > 0.0 ? (krachten.M1 - krachten.M0) / staaf.Lengte : 0.0;
        krachten.Parabool =
            MomentInStaaf(staaf, x, lambda, 0.5) - MomentInStaaf(staaf, x, 0.0, 0.5);
        verdeling.Staven.push_back(krachten);
    }
    verdeling.Veldpieken.clear();
    for (const auto& staaf : evenwicht.Staven) {
        const double xi = Piekpositie(staaf, x, lambda);
        if (xi >= 0.0) {
            verdeling.Veldpieken.push_back(
                {staaf.Slot, xi, xi * staaf.Lengte, MomentInStaaf(staaf, x, lambda, xi), staaf.Mp});
        }
    }
    verdeling.Reacties.clear();
    for (const auto& oplegging : evenwicht.Opleggingen) {
        verdeling.Reacties.push_back({oplegging.Knoop, waarde(oplegging.RxKolom),
                                      waarde(oplegging.RyKolom), waarde(oplegging.MKolom)});
    }
    const Eigen::VectorXd rest = evenwicht.A * x - lambda * evenwicht.b;
    verdeling.Residu = rest.size() == 0 ? 0.0 : rest.cwiseAbs().maxCoeff();
}

} // namespace kx
