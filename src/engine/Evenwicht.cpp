#include "engine/Evenwicht.h"

#include "engine/Toleranties.h"

#include <cmath>

namespace kx {

namespace {
constexpr int GeenRij = -1;

struct TKnoopRijen {
    int Fx = GeenRij;
    int Fy = GeenRij;
    int M = GeenRij;
};
} // namespace

TEvenwicht::TEvenwicht(const TConstructie& constructie) {
    NummerOnbekenden(constructie);
    VulMatrix(constructie);
}

const TEvenwicht::TOplossingsruimte& TEvenwicht::Oplossingsruimte() const {
    if (!oplossingsruimte_) {
        oplossingsruimte_ = BepaalOplossingsruimte();
    }
    return *oplossingsruimte_;
}

TEvenwicht::TOplossingsruimte TEvenwicht::BepaalOplossingsruimte() const {
    TOplossingsruimte ruimte;
    Eigen::CompleteOrthogonalDecomposition<Eigen::MatrixXd> cod(A);
    cod.setThreshold(EvenwichtsRangdrempel);
    ruimte.Xb = cod.solve(b);
    // Relative to the loads alone: a frame of small loads is judged as one of large loads.
    ruimte.Draagt = (A * ruimte.Xb - b).norm() <= Draagtolerantie * b.norm();
    // The null space of A is the orthogonal complement of the range of its transpose.
    Eigen::ColPivHouseholderQR<Eigen::MatrixXd> qr(A.transpose());
    qr.setThreshold(EvenwichtsRangdrempel);
    const Eigen::MatrixXd q = qr.householderQ();
    ruimte.Nul = q.rightCols(A.cols() - qr.rank());
    HoudMomentdragendeSpanningen(ruimte);
    return ruimte;
}

void TEvenwicht::HoudMomentdragendeSpanningen(TOplossingsruimte& ruimte) const {
    auto& nul = ruimte.Nul;
    std::vector<Eigen::Index> momenten;
    for (std::size_t j = 0; j < Onbekenden.size(); ++j) {
        if (Onbekenden[j].Soort == TOnbekende::Moment) {
            momenten.push_back(static_cast<Eigen::Index>(j));
        }
    }
    if (nul.cols() == 0 || momenten.empty()) {
        nul.resize(nul.rows(), 0);
        return;
    }
    // The right singular vectors with a singular value are the self-stress combinations that
    // carry moments; the columns of Nul are orthonormal, so the values are on the scale of 1.
    const Eigen::MatrixXd momentRijen = nul(momenten, Eigen::all);
    Eigen::JacobiSVD<Eigen::MatrixXd> svd(momentRijen, Eigen::ComputeFullV);
    Eigen::Index rang = 0;
    while (rang < svd.singularValues().size() &&
           svd.singularValues()(rang) > EvenwichtsRangdrempel) {
        ++rang;
    }
    nul = nul * svd.matrixV().leftCols(rang);
}

void TEvenwicht::NummerOnbekenden(const TConstructie& constructie) {
    const auto nieuw = [this](TOnbekende onbekende) {
        Onbekenden.push_back(onbekende);
        return static_cast<int>(Onbekenden.size()) - 1;
    };
    for (int s = 0; s < static_cast<int>(constructie.Staven.size()); ++s) {
        const auto& bron = constructie.Staven[s];
        if (!bron.Bestaat) {
            continue;
        }
        const auto& k0 = constructie.Knopen[bron.Knoop0];
        const auto& k1 = constructie.Knopen[bron.Knoop1];
        TEvenwichtStaaf staaf;
        staaf.Slot = s;
        staaf.Knoop = {bron.Knoop0, bron.Knoop1};
        const double dx = k1.X - k0.X;
        const double dy = k0.Y - k1.Y; // y up
        staaf.Lengte = std::hypot(dx, dy);
        if (staaf.Lengte > 0.0) {
            staaf.Cos = dx / staaf.Lengte;
            staaf.Sin = dy / staaf.Lengte;
        }
        staaf.Mp = bron.Mp;
        const int index = static_cast<int>(Staven.size());
        staaf.NormaalKolom = nieuw({TOnbekende::Normaalkracht, index, -1, 0.0});
        for (int e = 0; e < 2; ++e) {
            if (constructie.Knopen[staaf.Knoop[e]].Vrijheid == VasteVerbinding) {
                staaf.MomentKolom[e] = nieuw({TOnbekende::Moment, index, e, bron.Mp});
            }
        }
        Staven.push_back(staaf);
    }
    for (int k = 0; k < static_cast<int>(constructie.Knopen.size()); ++k) {
        const auto& knoop = constructie.Knopen[k];
        if (!knoop.Bestaat || knoop.Oplegging == GeenOplegging) {
            continue;
        }
        TEvenwichtOplegging oplegging;
        oplegging.Knoop = k;
        const bool verticaal = knoop.Oplegging != RolVerticaal;
        const bool horizontaal = knoop.Oplegging != RolHorizontaal;
        if (horizontaal) {
            oplegging.RxKolom = nieuw({TOnbekende::Reactie, -1, -1, 0.0});
        }
        if (verticaal) {
            oplegging.RyKolom = nieuw({TOnbekende::Reactie, -1, -1, 0.0});
        }
        if (knoop.Oplegging == Inklemming) {
            oplegging.MKolom = nieuw({TOnbekende::Reactie, -1, -1, 0.0});
        }
        Opleggingen.push_back(oplegging);
    }
}

void TEvenwicht::VulMatrix(const TConstructie& constructie) {
    std::vector<TKnoopRijen> rijen(constructie.Knopen.size());
    int aantal = 0;
    const auto gebruikt = [&](int k, bool moment) {
        auto& r = rijen[static_cast<std::size_t>(k)];
        if (r.Fx == GeenRij) {
            r.Fx = aantal++;
            r.Fy = aantal++;
        }
        if (moment && r.M == GeenRij) {
            r.M = aantal++;
        }
    };
    for (const auto& staaf : Staven) {
        for (int e = 0; e < 2; ++e) {
            gebruikt(staaf.Knoop[e], staaf.MomentKolom[e] != -1);
        }
    }
    for (const auto& oplegging : Opleggingen) {
        gebruikt(oplegging.Knoop, oplegging.MKolom != -1);
    }

    A = Eigen::MatrixXd::Zero(aantal, static_cast<Eigen::Index>(Onbekenden.size()));
    b = Eigen::VectorXd::Zero(aantal);
    for (const auto& staaf : Staven) {
        // What the bar exerts on its nodes: at node 0 N c + (m0 - m1)/L n and the couple m0,
        // at node 1 the opposite force and the couple -m1; n is c turned a quarter anticlockwise.
        const auto& r0 = rijen[static_cast<std::size_t>(staaf.Knoop[0])];
        const auto& r1 = rijen[static_cast<std::size_t>(staaf.Knoop[1])];
        const int n = staaf.NormaalKolom;
        A(r0.Fx, n) += staaf.Cos;
        A(r0.Fy, n) += staaf.Sin;
        A(r1.Fx, n) -= staaf.Cos;
        A(r1.Fy, n) -= staaf.Sin;
        // A bar of no length (two nodes on one spot, only from a file) carries no shear.
        const double l = staaf.Lengte > 0.0 ? staaf.Lengte : 1.0;
        const double nx = -staaf.Sin / l;
        const double ny = staaf.Cos / l;
        for (int e = 0; e < 2; ++e) {
            const int m = staaf.MomentKolom[e];
            if (m == -1) {
                continue;
            }
            const double teken = e == 0 ? 1.0 : -1.0;
            A(r0.Fx, m) += teken * nx;
            A(r0.Fy, m) += teken * ny;
            A(r1.Fx, m) -= teken * nx;
            A(r1.Fy, m) -= teken * ny;
            const auto& r = e == 0 ? r0 : r1;
            A(r.M, m) += teken;
        }
    }
    for (const auto& oplegging : Opleggingen) {
        const auto& r = rijen[static_cast<std::size_t>(oplegging.Knoop)];
        if (oplegging.RxKolom != -1) {
            A(r.Fx, oplegging.RxKolom) = 1.0;
        }
        if (oplegging.RyKolom != -1) {
            A(r.Fy, oplegging.RyKolom) = 1.0;
        }
        if (oplegging.MKolom != -1) {
            A(r.M, oplegging.MKolom) = 1.0;
        }
    }
    // Node balance: actions of bars and supports plus the load are zero.
    for (const auto& last : constructie.Belastingen) {
        if (!last.Bestaat) {
            continue;
        }
        const auto& r = rijen[static_cast<std::size_t>(last.Knoop)];
        if (r.Fx != GeenRij) {
            b(r.Fx) -= last.Fx;
            b(r.Fy) += last.Fy; // drawn y points down
        }
    }
    for (const auto& q : constructie.VerdeeldeBelastingen) {
        if (!q.Bestaat) {
            continue;
        }
        for (auto& staaf : Staven) {
            if (staaf.Slot != q.Staaf) {
                continue;
            }
            const double helft = 0.5 * staaf.Lengte;
            for (int e = 0; e < 2; ++e) {
                const auto& r = rijen[static_cast<std::size_t>(staaf.Knoop[e])];
                b(r.Fx) -= helft * q.Qx;
                b(r.Fy) += helft * q.Qy; // drawn y points down
            }
            // Across the bar, towards its right side walking from Knoop0 (y up: -(q . n) with
            // n = (-sin, cos)).
            staaf.Q += staaf.Sin * q.Qx + staaf.Cos * q.Qy;
            staaf.Belast = true;
        }
    }
}

double MomentInStaaf(const TEvenwichtStaaf& staaf, const Eigen::VectorXd& x, double lambda,
                     double xi) {
    const auto eind = [&](int e) {
        return staaf.MomentKolom[e] == -1 ? 0.0 : x(staaf.MomentKolom[e]);
    };
    return (1.0 - xi) * eind(0) + xi * eind(1) +
           0.5 * lambda * staaf.Q * staaf.Lengte * staaf.Lengte * xi * (1.0 - xi);
}

double Piekpositie(const TEvenwichtStaaf& staaf, const Eigen::VectorXd& x, double lambda) {
    const double c = 0.5 * lambda * staaf.Q * staaf.Lengte * staaf.Lengte;
    if (!staaf.Belast || c == 0.0) {
        return -1.0;
    }
    // dM/dxi = M1 - M0 + c (1 - 2 xi) = 0.
    const double verschil = MomentInStaaf(staaf, x, 0.0, 1.0) - MomentInStaaf(staaf, x, 0.0, 0.0);
    const double xi = 0.5 + verschil / (2.0 * c);
    return xi > 0.0 && xi < 1.0 ? xi : -1.0;
}

int TEvenwicht::ScharnierKolom(int knoop, int slot) const {
    int beste = -1;
    double mp = 0.0;
    for (const auto& staaf : Staven) {
        if (slot != -1 && staaf.Slot != slot) {
            continue;
        }
        for (int e = 0; e < 2; ++e) {
            if (staaf.Knoop[e] == knoop && staaf.MomentKolom[e] != -1 &&
                (beste == -1 || staaf.Mp < mp)) {
                beste = staaf.MomentKolom[e];
                mp = staaf.Mp;
            }
        }
    }
    return beste;
}

int TEvenwicht::KnoopVanKolom(int kolom) const {
    const auto& onbekende = Onbekenden[static_cast<std::size_t>(kolom)];
    if (onbekende.Soort != TOnbekende::Moment) {
        return -1;
    }
    return Staven[static_cast<std::size_t>(onbekende.Staaf)].Knoop[onbekende.Eind];
}

} // namespace kx
