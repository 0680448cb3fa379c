#include "engine/Krachtsverdeling.h"

#include "engine/LineairProgramma.h"
#include "engine/Records.h"

#include <algorithm>
#include <cmath>

namespace kx {

namespace {
constexpr double Rangdrempel = 1e-10;
constexpr double Draaidrempel = 1e-9;

Eigen::MatrixXd Kolommen(const Eigen::MatrixXd& a, const std::vector<int>& kolommen) {
    Eigen::MatrixXd deel(a.rows(), static_cast<Eigen::Index>(kolommen.size()));
    for (std::size_t j = 0; j < kolommen.size(); ++j) {
        deel.col(static_cast<Eigen::Index>(j)) = a.col(kolommen[j]);
    }
    return deel;
}

// The free unknowns with the least peak |M| / Mp that satisfy A_F x_F = rechts; empty when
// there are none.
Eigen::VectorXd KleinsteMomentpiek(const TEvenwicht& evenwicht, const std::vector<int>& vrij,
                                   const Eigen::VectorXd& rechts) {
    const auto& a = evenwicht.A;
    std::vector<int> momenten;
    for (std::size_t j = 0; j < vrij.size(); ++j) {
        if (evenwicht.IsMoment(vrij[j])) {
            momenten.push_back(static_cast<int>(j));
        }
    }
    const auto n = static_cast<Eigen::Index>(vrij.size());
    const Eigen::Index t = n;
    const Eigen::Index rijen = a.rows() + 2 * static_cast<Eigen::Index>(momenten.size());
    TLineairProgramma lp;
    lp.R = Eigen::MatrixXd::Zero(rijen, n + 1);
    lp.R.topLeftCorner(a.rows(), n) = Kolommen(a, vrij);
    lp.RijOnder = Eigen::VectorXd::Constant(rijen, -TLineairProgramma::Onbegrensd);
    lp.RijBoven = Eigen::VectorXd::Zero(rijen);
    lp.RijOnder.head(a.rows()) = rechts;
    lp.RijBoven.head(a.rows()) = rechts;
    Eigen::Index r = a.rows();
    for (const int j : momenten) {
        const double mp = evenwicht.Onbekenden[static_cast<std::size_t>(vrij[j])].Mp;
        lp.R(r, j) = 1.0;
        lp.R(r++, t) = -mp;
        lp.R(r, j) = -1.0;
        lp.R(r++, t) = -mp;
    }
    lp.KolomOnder = Eigen::VectorXd::Constant(n + 1, -TLineairProgramma::Onbegrensd);
    lp.KolomBoven = Eigen::VectorXd::Constant(n + 1, TLineairProgramma::Onbegrensd);
    lp.KolomOnder(t) = 0.0;
    lp.c = Eigen::VectorXd::Zero(n + 1);
    lp.c(t) = 1.0;
    const auto uitkomst = LosOp(lp);
    if (uitkomst.Status != TLpUitkomst::Optimaal) {
        return {};
    }
    // The simplex meets the equations to its tolerance; a least-squares step meets them to
    // rounding, moving the moments far less than anything shown.
    const Eigen::MatrixXd af = lp.R.topLeftCorner(a.rows(), n);
    Eigen::VectorXd x = uitkomst.x.head(n);
    x += af.completeOrthogonalDecomposition().solve(rechts - af * x);
    return x;
}

double Momentverhouding(const TEvenwicht& evenwicht, const Eigen::VectorXd& x) {
    double piek = 0.0;
    for (std::size_t j = 0; j < evenwicht.Onbekenden.size(); ++j) {
        const auto& onbekende = evenwicht.Onbekenden[j];
        if (onbekende.Soort == TOnbekende::Moment && onbekende.Mp > 0.0) {
            piek = std::max(piek, std::fabs(x(static_cast<Eigen::Index>(j))) / onbekende.Mp);
        }
    }
    return piek;
}

// The hinge moments that the one motion u fixes, and the collapse load by virtual work (0 when
// no hinge turns: the frame moves without any); false when the loads do no work in u.
bool LegScharnierenVast(const TEvenwicht& evenwicht, const std::vector<int>& scharnieren,
                        const Eigen::VectorXd& u, Eigen::VectorXd& vast, std::vector<bool>& isVast,
                        double& lambda) {
    double arbeid = evenwicht.b.dot(u);
    if (std::fabs(arbeid) <= Draaidrempel * std::max(1.0, evenwicht.b.norm())) {
        return false;
    }
    const double richting = arbeid < 0.0 ? -1.0 : 1.0;
    arbeid *= richting;
    std::vector<double> draaiing;
    double grootste = 0.0;
    for (const int h : scharnieren) {
        draaiing.push_back(h == -1 ? 0.0 : richting * evenwicht.A.col(h).dot(u));
        grootste = std::max(grootste, std::fabs(draaiing.back()));
    }
    double dissipatie = 0.0;
    for (std::size_t i = 0; i < scharnieren.size(); ++i) {
        const int h = scharnieren[i];
        // u has length 1, so rotations are on the scale of 1 / bar length.
        if (h == -1 || std::fabs(draaiing[i]) <= Draaidrempel * std::max(grootste, 1.0)) {
            continue;
        }
        const double mp = evenwicht.Onbekenden[static_cast<std::size_t>(h)].Mp;
        vast(h) = draaiing[i] > 0.0 ? mp : -mp;
        isVast[static_cast<std::size_t>(h)] = true;
        dissipatie += mp * std::fabs(draaiing[i]);
    }
    lambda = dissipatie / arbeid;
    return true;
}
} // namespace

TKrachtsverdeling BepaalKrachtsverdeling(const TEvenwicht& evenwicht,
                                         const std::vector<int>& plaatsen, double bezwijklast) {
    const auto& a = evenwicht.A;
    const auto u = static_cast<std::size_t>(a.cols());
    std::vector<int> scharnieren;
    std::vector<bool> isScharnier(u, false);
    for (const int plaats : plaatsen) {
        scharnieren.push_back(evenwicht.ScharnierKolom(plaats));
        if (scharnieren.back() != -1) {
            isScharnier[static_cast<std::size_t>(scharnieren.back())] = true;
        }
    }
    std::vector<int> rest;
    for (std::size_t j = 0; j < u; ++j) {
        if (!isScharnier[j]) {
            rest.push_back(static_cast<int>(j));
        }
    }
    Eigen::ColPivHouseholderQR<Eigen::MatrixXd> qr(Kolommen(a, rest));
    qr.setThreshold(Rangdrempel);
    const auto rang = qr.rank();

    TKrachtsverdeling verdeling;
    Eigen::VectorXd vast = Eigen::VectorXd::Zero(a.cols());
    std::vector<bool> isVast(u, false);
    double lambda = bezwijklast;
    const bool eenBeweging = a.rows() - rang == 1;
    if (eenBeweging) {
        const Eigen::MatrixXd q = qr.householderQ();
        if (!LegScharnierenVast(evenwicht, scharnieren, q.col(a.rows() - 1), vast, isVast,
                                lambda)) {
            verdeling.Bezwijklast = Oneindig;
            return verdeling;
        }
        if (lambda == 0.0) {
            return verdeling;
        }
    } else if (!(bezwijklast < 0.5 * Oneindig)) {
        verdeling.Bezwijklast = Oneindig;
        return verdeling;
    }
    verdeling.Bezwijklast = lambda;

    Eigen::VectorXd rechts = lambda * evenwicht.b - a * vast;
    Eigen::VectorXd x = vast;
    const bool alleVast = std::all_of(scharnieren.begin(), scharnieren.end(), [&](int h) {
        return h == -1 || isVast[static_cast<std::size_t>(h)];
    });
    if (eenBeweging && alleVast && rang == static_cast<Eigen::Index>(rest.size())) {
        const Eigen::VectorXd deel = qr.solve(rechts);
        for (std::size_t j = 0; j < rest.size(); ++j) {
            x(rest[j]) = deel(static_cast<Eigen::Index>(j));
        }
        verdeling.Eenduidig = true;
    } else {
        std::vector<int> vrij;
        for (std::size_t j = 0; j < u; ++j) {
            if (!isVast[j]) {
                vrij.push_back(static_cast<int>(j));
            }
        }
        const Eigen::VectorXd deel = KleinsteMomentpiek(evenwicht, vrij, rechts);
        if (deel.size() == 0) {
            return verdeling;
        }
        for (std::size_t j = 0; j < vrij.size(); ++j) {
            x(vrij[j]) = deel(static_cast<Eigen::Index>(j));
        }
    }
    verdeling.Bestaat = true;
    verdeling.Momentverhouding = Momentverhouding(evenwicht, x);
    VulKrachten(evenwicht, x, lambda, verdeling);
    for (std::size_t i = 0; i < plaatsen.size(); ++i) {
        const int h = scharnieren[i];
        if (h != -1) {
            verdeling.Scharnieren.push_back({plaatsen[i], x(h),
                                             evenwicht.Onbekenden[static_cast<std::size_t>(h)].Mp,
                                             isVast[static_cast<std::size_t>(h)]});
        }
    }
    return verdeling;
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
        verdeling.Staven.push_back(krachten);
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
