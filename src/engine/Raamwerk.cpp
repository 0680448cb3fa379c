#include "engine/Raamwerk.h"

#include "engine/IjlProgramma.h"
#include "engine/Records.h"
#include "engine/Toleranties.h"

#include <Eigen/SparseQR>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kx {

namespace {

// The largest extent of the nodes in use, so that scaled translations are of the size of the
// rotations; 1 for a frame without extent.
double Lengteschaal(const TConstructie& constructie) {
    double xmin = 0.0, xmax = 0.0, ymin = 0.0, ymax = 0.0;
    bool eerste = true;
    for (const auto& k : constructie.Knopen) {
        if (!k.Bestaat) {
            continue;
        }
        xmin = eerste ? k.X : std::min(xmin, k.X);
        xmax = eerste ? k.X : std::max(xmax, k.X);
        ymin = eerste ? k.Y : std::min(ymin, k.Y);
        ymax = eerste ? k.Y : std::max(ymax, k.Y);
        eerste = false;
    }
    const double lengte = std::max(xmax - xmin, ymax - ymin);
    return lengte > 0.0 ? lengte : 1.0;
}

// A basis of the kernel of a, by a rank-revealing sparse QR decomposition: a P = Q R, and every
// column beyond the rank gives one kernel vector through the triangle of R.
Eigen::MatrixXd Kern(Eigen::SparseMatrix<double> a) {
    const Eigen::Index n = a.cols();
    if (n == 0) {
        return Eigen::MatrixXd(0, 0);
    }
    if (a.rows() < n) {
        // More unknowns than equations: rows of zeros change no kernel and keep R square.
        a.conservativeResize(n, n);
    }
    a.makeCompressed();
    Eigen::SparseQR<Eigen::SparseMatrix<double>, Eigen::COLAMDOrdering<int>> qr;
    qr.setPivotThreshold(KinematischeRangdrempel);
    qr.compute(a);
    const Eigen::Index r = qr.rank();
    Eigen::MatrixXd kern(n, n - r);
    if (r == n) {
        return kern;
    }
    const Eigen::MatrixXd rDicht = Eigen::MatrixXd(qr.matrixR()).topRows(r);
    const auto driehoek = rDicht.leftCols(r).triangularView<Eigen::Upper>();
    for (Eigen::Index j = r; j < n; ++j) {
        Eigen::VectorXd x = Eigen::VectorXd::Zero(n);
        x.head(r) = driehoek.solve(-rDicht.col(j));
        x(j) = 1.0;
        kern.col(j - r) = qr.colsPermutation() * x;
    }
    return kern;
}
} // namespace

TRaamwerk::TRaamwerk(const TConstructie& constructie) : plaatsen_(Scharnierplaatsen(constructie)) {
    NummerVrijheden(constructie);
    NummerVelden(constructie);
    StelVergelijkingenOp(constructie);
}

void TRaamwerk::NummerVelden(const TConstructie& constructie) {
    veldVanStaaf_.assign(constructie.Staven.size(), -1);
    for (std::size_t p = 0; p < plaatsen_.size(); ++p) {
        const auto& plaats = plaatsen_[p];
        if (!plaats.Veld || staven_[static_cast<std::size_t>(plaats.Staaf)].Knoop0 < 0) {
            continue;
        }
        TVeld veld;
        veld.Staaf = plaats.Staaf;
        veld.Plaats = static_cast<int>(p);
        for (const auto& q : constructie.VerdeeldeBelastingen) {
            if (q.Bestaat && q.Staaf == plaats.Staaf) {
                veld.Qx += q.Qx;
                veld.Qy -= q.Qy; // drawn y points down
            }
        }
        veld.ThetaA = static_cast<int>(aantalVrijheden_++);
        veld.ThetaB = static_cast<int>(aantalVrijheden_++);
        isTranslatie_.insert(isTranslatie_.end(), {false, false});
        veldVanStaaf_[static_cast<std::size_t>(veld.Staaf)] = static_cast<int>(velden_.size());
        velden_.push_back(veld);
    }
}

int TRaamwerk::VeldVanPlaats(int p) const {
    for (std::size_t v = 0; v < velden_.size(); ++v) {
        if (velden_[v].Plaats == p) {
            return static_cast<int>(v);
        }
    }
    return -1;
}

int TRaamwerk::VeldVanStaaf(std::int32_t staaf) const {
    return staaf >= 0 && static_cast<std::size_t>(staaf) < veldVanStaaf_.size()
               ? veldVanStaaf_[static_cast<std::size_t>(staaf)]
               : -1;
}

double TRaamwerk::Lengte(std::int32_t staaf) const {
    return staven_[static_cast<std::size_t>(staaf)].Lengte;
}

std::vector<std::pair<int, double>> TRaamwerk::VeldRij(const TVeld& veld) const {
    // The transverse displacement of Knoop1 against Knoop0 is what both segments turn it:
    // (-sin du + cos dv) / L = s thetaA + (1 - s) thetaB.
    const auto& g = staven_[static_cast<std::size_t>(veld.Staaf)];
    const auto& a = vrijheden_[static_cast<std::size_t>(g.Knoop0)];
    const auto& b = vrijheden_[static_cast<std::size_t>(g.Knoop1)];
    const double l = g.Lengte > 0.0 ? g.Lengte : 1.0;
    return {{b.U, -g.Sin / l},
            {a.U, g.Sin / l},
            {b.V, g.Cos / l},
            {a.V, -g.Cos / l},
            {veld.ThetaA, -veld.Positie},
            {veld.ThetaB, veld.Positie - 1.0}};
}

void TRaamwerk::ZetPositie(int v, double s) {
    auto& veld = velden_[static_cast<std::size_t>(v)];
    veld.Positie = std::clamp(s, 0.0, 1.0);
    rijen_[static_cast<std::size_t>(veld.Rij)] = VeldRij(veld);
    BepaalArbeid();
}

void TRaamwerk::BepaalArbeid() {
    w_ = puntlasten_;
    for (const auto& veld : velden_) {
        // Along the first segment d(x) = d0 + n thetaA x, along the second it goes on from the
        // hinge with thetaB: the work of q is L q.d0 plus q.n times the area the segments sweep.
        const auto& g = staven_[static_cast<std::size_t>(veld.Staaf)];
        const auto& a = vrijheden_[static_cast<std::size_t>(g.Knoop0)];
        const double l0 = veld.Positie * g.Lengte;
        const double l1 = g.Lengte - l0;
        const double dwars = -g.Sin * veld.Qx + g.Cos * veld.Qy;
        w_(a.U) += g.Lengte * veld.Qx;
        w_(a.V) += g.Lengte * veld.Qy;
        w_(veld.ThetaA) += dwars * (0.5 * l0 * l0 + l0 * l1);
        w_(veld.ThetaB) += dwars * 0.5 * l1 * l1;
    }
}

double TRaamwerk::ThetaA(const Eigen::VectorXd& d, int v) const {
    return d.size() > 0 ? d(velden_[static_cast<std::size_t>(v)].ThetaA) : 0.0;
}

double TRaamwerk::ThetaB(const Eigen::VectorXd& d, int v) const {
    return d.size() > 0 ? d(velden_[static_cast<std::size_t>(v)].ThetaB) : 0.0;
}

std::pair<double, double> TRaamwerk::VeldVerplaatsing(const Eigen::VectorXd& d, int v) const {
    const auto& veld = velden_[static_cast<std::size_t>(v)];
    const auto& g = staven_[static_cast<std::size_t>(veld.Staaf)];
    const double arm = ThetaA(d, v) * veld.Positie * g.Lengte;
    return {U(d, g.Knoop0) - g.Sin * arm, V(d, g.Knoop0) + g.Cos * arm};
}

void TRaamwerk::VolgVelden(Eigen::VectorXd& d) const {
    for (const auto& veld : velden_) {
        const double gamma = Gamma(d, veld.Staaf);
        d(veld.ThetaA) = gamma;
        d(veld.ThetaB) = gamma;
    }
}

void TRaamwerk::NummerVrijheden(const TConstructie& constructie) {
    const auto staven = StavenPerKnoop(constructie);
    lengte_ = Lengteschaal(constructie);
    vrijheden_.assign(constructie.Knopen.size(), {});
    for (std::size_t k = 0; k < constructie.Knopen.size(); ++k) {
        const auto& knoop = constructie.Knopen[k];
        const std::size_t aantal = staven[k].size();
        if (!knoop.Bestaat || (aantal == 0 && knoop.Oplegging == GeenOplegging)) {
            continue;
        }
        auto& v = vrijheden_[k];
        v.U = static_cast<int>(aantalVrijheden_++);
        v.V = static_cast<int>(aantalVrijheden_++);
        isTranslatie_.insert(isTranslatie_.end(), {true, true});
        // Moments act where a rigid node joins bars or holds one to the ground.
        if (IsStijf(knoop) && (aantal >= 2 || (aantal == 1 && HoudtRotatieVast(knoop)))) {
            v.Phi = static_cast<int>(aantalVrijheden_++);
            isTranslatie_.push_back(false);
        }
    }
    staven_.assign(constructie.Staven.size(), {});
    for (std::size_t s = 0; s < constructie.Staven.size(); ++s) {
        const auto& staaf = constructie.Staven[s];
        const auto bestaat = [&](std::int32_t k) {
            return k >= 0 && static_cast<std::size_t>(k) < vrijheden_.size() &&
                   vrijheden_[static_cast<std::size_t>(k)].U >= 0;
        };
        if (!staaf.Bestaat || !bestaat(staaf.Knoop0) || !bestaat(staaf.Knoop1)) {
            continue;
        }
        const auto& a = constructie.Knopen[static_cast<std::size_t>(staaf.Knoop0)];
        const auto& b = constructie.Knopen[static_cast<std::size_t>(staaf.Knoop1)];
        auto& g = staven_[s];
        g.Knoop0 = staaf.Knoop0;
        g.Knoop1 = staaf.Knoop1;
        const double dx = b.X - a.X;
        const double dy = a.Y - b.Y; // y up
        g.Lengte = std::hypot(dx, dy);
        if (g.Lengte > 0.0) {
            g.Cos = dx / g.Lengte;
            g.Sin = dy / g.Lengte;
        }
    }
}

void TRaamwerk::VoegRijToe(const std::vector<std::pair<int, double>>& termen) {
    rijen_.push_back(termen);
}

std::vector<std::pair<int, double>> TRaamwerk::EindRotatie(std::int32_t s, int e) const {
    const auto& g = staven_[static_cast<std::size_t>(s)];
    const auto& a = vrijheden_[static_cast<std::size_t>(g.Knoop0)];
    const auto& b = vrijheden_[static_cast<std::size_t>(g.Knoop1)];
    const auto& hier = e == 0 ? a : b;
    const int veld = VeldVanStaaf(s);
    if (veld >= 0) {
        // A bar end with a span turns with the segment that reaches it.
        const auto& v = velden_[static_cast<std::size_t>(veld)];
        return {{hier.Phi, 1.0}, {e == 0 ? v.ThetaA : v.ThetaB, -1.0}};
    }
    // gamma = (-sin (ub - ua) + cos (vb - va)) / L
    const double l = g.Lengte > 0.0 ? g.Lengte : 1.0;
    return {
        {hier.Phi, 1.0}, {b.U, g.Sin / l}, {a.U, -g.Sin / l}, {b.V, -g.Cos / l}, {a.V, g.Cos / l}};
}

void TRaamwerk::StelVergelijkingenOp(const TConstructie& constructie) {
    const auto vast = [this](const std::vector<std::pair<int, double>>& termen) {
        vasteRijen_.push_back(static_cast<int>(rijen_.size()));
        VoegRijToe(termen);
    };
    for (std::size_t s = 0; s < staven_.size(); ++s) {
        const auto& g = staven_[s];
        if (g.Knoop0 < 0) {
            continue;
        }
        const auto& a = vrijheden_[static_cast<std::size_t>(g.Knoop0)];
        const auto& b = vrijheden_[static_cast<std::size_t>(g.Knoop1)];
        vast({{b.U, g.Cos}, {a.U, -g.Cos}, {b.V, g.Sin}, {a.V, -g.Sin}});
    }
    for (auto& veld : velden_) {
        veld.Rij = static_cast<int>(rijen_.size());
        vast(VeldRij(veld));
    }
    // Every bar end at a node with a rotation turns with it, unless it is a place.
    plaatsRij_.assign(plaatsen_.size(), -1);
    for (std::size_t s = 0; s < staven_.size(); ++s) {
        const auto& g = staven_[s];
        if (g.Knoop0 < 0) {
            continue;
        }
        for (int e = 0; e < 2; ++e) {
            const std::int32_t knoop = e == 0 ? g.Knoop0 : g.Knoop1;
            if (vrijheden_[static_cast<std::size_t>(knoop)].Phi < 0) {
                continue;
            }
            const auto plaats =
                std::find_if(plaatsen_.begin(), plaatsen_.end(), [&](const auto& p) {
                    return !p.Veld && p.Knoop == knoop && p.Staaf == static_cast<std::int32_t>(s);
                });
            if (plaats == plaatsen_.end()) {
                vast(EindRotatie(static_cast<std::int32_t>(s), e));
            } else {
                plaatsRij_[static_cast<std::size_t>(plaats - plaatsen_.begin())] =
                    static_cast<int>(rijen_.size());
                VoegRijToe(EindRotatie(static_cast<std::int32_t>(s), e));
            }
        }
    }
    for (std::size_t k = 0; k < vrijheden_.size(); ++k) {
        const auto& v = vrijheden_[k];
        const auto& knoop = constructie.Knopen[k];
        if (v.U < 0) {
            continue;
        }
        if (HoudtXVast(knoop)) {
            vast({{v.U, 1.0}});
        }
        if (HoudtYVast(knoop)) {
            vast({{v.V, 1.0}});
        }
        if (HoudtRotatieVast(knoop) && v.Phi >= 0) {
            vast({{v.Phi, 1.0}});
        }
    }
    for (const auto& veld : velden_) {
        plaatsRij_[static_cast<std::size_t>(veld.Plaats)] = static_cast<int>(rijen_.size());
        VoegRijToe({{veld.ThetaA, 1.0}, {veld.ThetaB, -1.0}});
    }
    puntlasten_ = Eigen::VectorXd::Zero(aantalVrijheden_);
    for (const auto& last : constructie.Belastingen) {
        if (!last.Bestaat || last.Knoop < 0 ||
            static_cast<std::size_t>(last.Knoop) >= vrijheden_.size()) {
            continue;
        }
        const auto& v = vrijheden_[static_cast<std::size_t>(last.Knoop)];
        if (v.U >= 0) {
            puntlasten_(v.U) += last.Fx;
            puntlasten_(v.V) -= last.Fy; // drawn y points down
        }
    }
    BepaalArbeid();
    mp_.clear();
    for (const auto& plaats : plaatsen_) {
        mp_.push_back(plaats.Mp);
    }
}

Eigen::SparseMatrix<double> TRaamwerk::Rijen(const std::vector<int>& welke) const {
    std::vector<Eigen::Triplet<double>> termen;
    for (std::size_t r = 0; r < welke.size(); ++r) {
        for (const auto& [kolom, waarde] : rijen_[static_cast<std::size_t>(welke[r])]) {
            termen.emplace_back(static_cast<int>(r), kolom, waarde * Schaal(kolom));
        }
    }
    Eigen::SparseMatrix<double> a(static_cast<Eigen::Index>(welke.size()), aantalVrijheden_);
    a.setFromTriplets(termen.begin(), termen.end());
    return a;
}

double TRaamwerk::Schaal(int kolom) const {
    return isTranslatie_[static_cast<std::size_t>(kolom)] ? lengte_ : 1.0;
}

TBeweging TRaamwerk::KleinsteBeweging(const std::vector<int>& gekozen) const {
    TBeweging beweging;
    beweging.Rotaties.assign(plaatsen_.size(), 0.0);
    const Eigen::Index n = aantalVrijheden_;
    const double kracht = w_.cwiseAbs().maxCoeff();
    double moment = 0.0;
    for (const int p : gekozen) {
        moment = std::max(moment, mp_[static_cast<std::size_t>(p)]);
    }
    if (n == 0 || !(kracht > 0.0) || !(moment > 0.0)) {
        beweging.Bezwijklast = OneindigeLast;
        return beweging;
    }
    // Unknowns: the scaled motion, then each chosen hinge's rotation as a positive and a negative
    // part. Rows: every condition that holds, each chosen hinge's rotation, the dissipation.
    std::vector<int> rijIndex(rijen_.size(), -1);
    std::vector<bool> vrij(rijen_.size(), false);
    for (const int p : gekozen) {
        vrij[static_cast<std::size_t>(plaatsRij_[static_cast<std::size_t>(p)])] = true;
    }
    std::vector<Eigen::Triplet<double>> termen;
    int rij = 0;
    for (std::size_t r = 0; r < rijen_.size(); ++r) {
        if (vrij[r]) {
            continue;
        }
        for (const auto& [kolom, waarde] : rijen_[r]) {
            termen.emplace_back(rij, kolom, waarde * Schaal(kolom));
        }
        ++rij;
    }
    const auto aantalVast = rij;
    const auto k = static_cast<Eigen::Index>(gekozen.size());
    for (Eigen::Index i = 0; i < k; ++i) {
        const int p = gekozen[static_cast<std::size_t>(i)];
        const auto plaatsRij = static_cast<std::size_t>(plaatsRij_[static_cast<std::size_t>(p)]);
        for (const auto& [kolom, waarde] : rijen_[plaatsRij]) {
            termen.emplace_back(rij, kolom, waarde * Schaal(kolom));
        }
        termen.emplace_back(rij, static_cast<int>(n + 2 * i), -1.0);
        termen.emplace_back(rij, static_cast<int>(n + 2 * i + 1), 1.0);
        const double mp = mp_[static_cast<std::size_t>(p)] / moment;
        termen.emplace_back(aantalVast + static_cast<int>(k), static_cast<int>(n + 2 * i), mp);
        termen.emplace_back(aantalVast + static_cast<int>(k), static_cast<int>(n + 2 * i + 1), mp);
        ++rij;
    }
    const Eigen::Index rijen = aantalVast + k + 1;
    TIjlProgramma lp;
    lp.R.resize(rijen, n + 2 * k);
    lp.R.setFromTriplets(termen.begin(), termen.end());
    lp.RijOnder = Eigen::VectorXd::Zero(rijen);
    lp.RijBoven = Eigen::VectorXd::Zero(rijen);
    lp.RijOnder(rijen - 1) = -TIjlProgramma::Onbegrensd;
    lp.RijBoven(rijen - 1) = 1.0;
    lp.KolomOnder = Eigen::VectorXd::Zero(n + 2 * k);
    lp.KolomOnder.head(n).setConstant(-TIjlProgramma::Onbegrensd);
    lp.KolomBoven = Eigen::VectorXd::Constant(n + 2 * k, TIjlProgramma::Onbegrensd);
    lp.c = Eigen::VectorXd::Zero(n + 2 * k);
    Eigen::VectorXd w(n);
    for (Eigen::Index j = 0; j < n; ++j) {
        w(j) = w_(j) * Schaal(static_cast<int>(j)) / kracht;
    }
    lp.c.head(n) = -w;
    const TIjlUitkomst uitkomst = LosOp(lp);
    if (uitkomst.Status == TIjlUitkomst::Onbegrensd) {
        // The loads work on a motion in which no hinge turns.
        beweging.Bezwijklast = 0.0;
        return beweging;
    }
    if (uitkomst.Status != TIjlUitkomst::Optimaal) {
        beweging.Bezwijklast = OneindigeLast;
        return beweging;
    }
    const Eigen::VectorXd geschaald = uitkomst.x.head(n);
    const double arbeid = w.dot(geschaald);
    // A motion on which the loads work turns its hinges as far as the dissipation the program
    // allows, or a larger one would work more; a solution whose hinges (almost) do not turn is
    // the solver's rounding of no motion at all, whatever work that rounding shows.
    double verbruik = 0.0;
    for (Eigen::Index i = 0; i < k; ++i) {
        verbruik += mp_[static_cast<std::size_t>(gekozen[static_cast<std::size_t>(i)])] / moment *
                    std::fabs(uitkomst.x(n + 2 * i) - uitkomst.x(n + 2 * i + 1));
    }
    if (!(verbruik > 0.5)) {
        beweging.Bezwijklast = OneindigeLast;
        return beweging;
    }
    // Work is rounding when it is so against the loads on the motion's own displacements, or
    // against all loads on its largest rotation or displacement (in units of the frame's size):
    // a part of no length that turns in place, as a span hinge at its bar's hinged end lets
    // one, moves nothing but the solver's tolerance.
    const double omvang = std::max(w.cwiseAbs().dot(geschaald.cwiseAbs()),
                                   w.cwiseAbs().sum() * geschaald.cwiseAbs().maxCoeff());
    if (!(arbeid > ArbeidsRuis * omvang)) {
        beweging.Bezwijklast = OneindigeLast;
        return beweging;
    }
    beweging.Bezwijklast = moment / (kracht * arbeid);
    beweging.d.resize(n);
    for (Eigen::Index j = 0; j < n; ++j) {
        beweging.d(j) = geschaald(j) * Schaal(static_cast<int>(j));
    }
    double dissipatie = 0.0;
    for (const int p : gekozen) {
        dissipatie += mp_[static_cast<std::size_t>(p)] *
                      std::fabs(RijWaarde(plaatsRij_[static_cast<std::size_t>(p)], beweging.d));
    }
    beweging.d /= dissipatie;
    double grootste = 0.0;
    for (const int p : gekozen) {
        const double theta = RijWaarde(plaatsRij_[static_cast<std::size_t>(p)], beweging.d);
        beweging.Rotaties[static_cast<std::size_t>(p)] = theta;
        grootste = std::max(grootste, std::fabs(theta));
    }
    for (const int p : gekozen) {
        double& theta = beweging.Rotaties[static_cast<std::size_t>(p)];
        if (std::fabs(theta) <= RotatieRuis * grootste) {
            theta = 0.0;
        } else {
            beweging.Draaiend.push_back(p);
        }
    }
    std::sort(beweging.Draaiend.begin(), beweging.Draaiend.end());
    return beweging;
}

TBeweging TRaamwerk::Bezwijkmechanisme() const {
    std::vector<int> alle(plaatsen_.size());
    for (std::size_t p = 0; p < alle.size(); ++p) {
        alle[p] = static_cast<int>(p);
    }
    return KleinsteBeweging(alle);
}

double TRaamwerk::RijWaarde(int rij, const Eigen::VectorXd& d) const {
    double waarde = 0.0;
    for (const auto& [kolom, factor] : rijen_[static_cast<std::size_t>(rij)]) {
        waarde += factor * d(kolom);
    }
    return waarde;
}

Eigen::MatrixXd TRaamwerk::Bewegingen(const std::vector<int>& plaatsen) const {
    std::vector<bool> vrij(rijen_.size(), false);
    for (const int p : plaatsen) {
        vrij[static_cast<std::size_t>(plaatsRij_[static_cast<std::size_t>(p)])] = true;
    }
    std::vector<int> vast;
    for (std::size_t r = 0; r < rijen_.size(); ++r) {
        if (!vrij[r]) {
            vast.push_back(static_cast<int>(r));
        }
    }
    Eigen::MatrixXd kern = Kern(Rijen(vast));
    // Without motions there is nothing to scale, and a row of no columns would offset the null
    // pointer of its empty storage.
    if (kern.cols() == 0) {
        return kern;
    }
    for (Eigen::Index j = 0; j < kern.rows(); ++j) {
        kern.row(j) *= Schaal(static_cast<int>(j));
    }
    return kern;
}

Eigen::VectorXd TRaamwerk::EenBeweging(const std::vector<int>& plaatsen) const {
    const Eigen::MatrixXd bewegingen = Bewegingen(plaatsen);
    if (bewegingen.cols() == 0) {
        return {};
    }
    return bewegingen.col(0);
}

Eigen::VectorXd TRaamwerk::KnoopDraaiing(std::int32_t knoop) const {
    Eigen::VectorXd d = Eigen::VectorXd::Zero(aantalVrijheden_);
    const int phi = vrijheden_[static_cast<std::size_t>(knoop)].Phi;
    if (phi >= 0) {
        d(phi) = 1.0;
    }
    return d;
}

std::vector<int> TRaamwerk::Draaiend(const Eigen::VectorXd& d) const {
    std::vector<double> rotaties(plaatsen_.size());
    double grootste = 0.0;
    for (std::size_t p = 0; p < plaatsen_.size(); ++p) {
        rotaties[p] = std::fabs(Rotatie(d, static_cast<int>(p)));
        grootste = std::max(grootste, rotaties[p]);
    }
    std::vector<int> draaiend;
    for (std::size_t p = 0; p < plaatsen_.size(); ++p) {
        if (rotaties[p] > RotatieRuis * grootste) {
            draaiend.push_back(static_cast<int>(p));
        }
    }
    return draaiend;
}

double TRaamwerk::GrootsteRotatie(const Eigen::VectorXd& d) const {
    double grootste = 0.0;
    for (std::size_t s = 0; s < staven_.size(); ++s) {
        grootste = std::max(grootste, std::fabs(Gamma(d, static_cast<std::int32_t>(s))));
    }
    for (std::size_t k = 0; k < vrijheden_.size(); ++k) {
        grootste = std::max(grootste, std::fabs(Phi(d, static_cast<std::int32_t>(k))));
    }
    for (std::size_t v = 0; v < velden_.size(); ++v) {
        grootste = std::max({grootste, std::fabs(ThetaA(d, static_cast<int>(v))),
                             std::fabs(ThetaB(d, static_cast<int>(v)))});
    }
    return grootste;
}

Eigen::VectorXd TRaamwerk::Dimensieloos(const Eigen::VectorXd& d) const {
    Eigen::VectorXd geschaald = d;
    for (Eigen::Index j = 0; j < d.size(); ++j) {
        geschaald(j) /= Schaal(static_cast<int>(j));
    }
    return geschaald;
}

void TRaamwerk::ZetVerplaatsing(Eigen::VectorXd& d, std::int32_t knoop, double u, double v) const {
    const auto& vrijheden = vrijheden_[static_cast<std::size_t>(knoop)];
    if (vrijheden.U >= 0) {
        d(vrijheden.U) = u;
        d(vrijheden.V) = v;
    }
}

void TRaamwerk::ZetDraaiing(Eigen::VectorXd& d, std::int32_t knoop, double phi) const {
    const int kolom = vrijheden_[static_cast<std::size_t>(knoop)].Phi;
    if (kolom >= 0) {
        d(kolom) = phi;
    }
}

bool TRaamwerk::IsBeweging(const Eigen::VectorXd& d, const std::vector<int>& plaatsen) const {
    std::vector<bool> vrij(rijen_.size(), false);
    for (const int p : plaatsen) {
        vrij[static_cast<std::size_t>(plaatsRij_[static_cast<std::size_t>(p)])] = true;
    }
    const Eigen::VectorXd geschaald = Dimensieloos(d);
    const double grootte = geschaald.cwiseAbs().maxCoeff();
    for (std::size_t r = 0; r < rijen_.size(); ++r) {
        double waarde = 0.0;
        for (const auto& [kolom, factor] : rijen_[r]) {
            waarde += factor * Schaal(kolom) * geschaald(kolom);
        }
        if (!vrij[r] && std::fabs(waarde) > KinematischeRangdrempel * grootte) {
            return false;
        }
    }
    return grootte > 0.0;
}

double TRaamwerk::Rotatie(const Eigen::VectorXd& d, int p) const {
    return d.size() == 0 ? 0.0 : RijWaarde(plaatsRij_[static_cast<std::size_t>(p)], d);
}

int TRaamwerk::AantalOnafhankelijkeMechanismen() const {
    return static_cast<int>(Kern(Rijen(vasteRijen_)).cols());
}

std::int32_t TRaamwerk::BeweeglijkeKnoop() const {
    std::vector<int> alle(rijen_.size());
    for (std::size_t r = 0; r < alle.size(); ++r) {
        alle[r] = static_cast<int>(r);
    }
    const Eigen::MatrixXd kern = Kern(Rijen(alle));
    if (kern.cols() == 0) {
        return -1;
    }
    const Eigen::VectorXd d = kern.col(0);
    std::int32_t knoop = -1;
    double grootste = 0.0;
    for (std::size_t k = 0; k < vrijheden_.size(); ++k) {
        const auto& v = vrijheden_[k];
        if (v.U < 0) {
            continue;
        }
        // A displacement counts before a rotation: a node that only turns moves least.
        const double verplaatsing = std::hypot(d(v.U), d(v.V));
        const double draaiing = v.Phi >= 0 ? std::fabs(d(v.Phi)) : 0.0;
        const double beweging =
            verplaatsing > 0.0 ? 1.0 + verplaatsing : draaiing / (1.0 + draaiing);
        if (knoop == -1 || beweging > grootste) {
            knoop = static_cast<std::int32_t>(k);
            grootste = beweging;
        }
    }
    return knoop;
}

double TRaamwerk::U(const Eigen::VectorXd& d, std::int32_t knoop) const {
    const auto& v = vrijheden_[static_cast<std::size_t>(knoop)];
    return v.U >= 0 && d.size() > 0 ? d(v.U) : 0.0;
}

double TRaamwerk::V(const Eigen::VectorXd& d, std::int32_t knoop) const {
    const auto& v = vrijheden_[static_cast<std::size_t>(knoop)];
    return v.V >= 0 && d.size() > 0 ? d(v.V) : 0.0;
}

double TRaamwerk::Phi(const Eigen::VectorXd& d, std::int32_t knoop) const {
    const auto& v = vrijheden_[static_cast<std::size_t>(knoop)];
    return v.Phi >= 0 && d.size() > 0 ? d(v.Phi) : 0.0;
}

double TRaamwerk::Gamma(const Eigen::VectorXd& d, std::int32_t staaf) const {
    const auto& g = staven_[static_cast<std::size_t>(staaf)];
    if (g.Knoop0 < 0 || d.size() == 0 || !(g.Lengte > 0.0)) {
        return 0.0;
    }
    const double du = U(d, g.Knoop1) - U(d, g.Knoop0);
    const double dv = V(d, g.Knoop1) - V(d, g.Knoop0);
    return (-g.Sin * du + g.Cos * dv) / g.Lengte;
}

} // namespace kx
