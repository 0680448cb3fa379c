#pragma once

#include "engine/Records.h"

#include <Eigen/Dense>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace kx::test {

// Calls doe with every choice of k of the numbers 0 … n - 1, each in increasing order.
inline void VoorElkeKeuze(int n, int k, const std::function<void(const std::vector<int>&)>& doe) {
    std::vector<int> keuze(static_cast<std::size_t>(k));
    const std::function<void(std::size_t, int)> kies = [&](std::size_t plek, int van) {
        if (plek == keuze.size()) {
            doe(keuze);
            return;
        }
        for (int i = van; i < n; ++i) {
            keuze[plek] = i;
            kies(plek + 1, i + 1);
        }
    };
    kies(0, 0);
}

// An independent first-order solve of a mechanism: the unknowns are the displacements of the
// distinct end points, every part keeps its length and supports hold their points. It knows
// nothing of rotation centres or chains.
class Referentie {
public:
    explicit Referentie(const TMechanisme& m) : m_(m) {
        for (const TStaaf& deel : m.avStaven) {
            for (const TKnoop& k : deel.Knopen) {
                Punt(k);
            }
        }
        const auto n = static_cast<Eigen::Index>(2 * punten_.size());
        std::vector<Eigen::RowVectorXd> rijen;
        for (const TStaaf& deel : m.avStaven) {
            const TKnoop& p = deel.Knopen[0];
            const TKnoop& q = deel.Knopen[1];
            Eigen::RowVectorXd rij = Eigen::RowVectorXd::Zero(n);
            rij(2 * Punt(q)) += q.x - p.x;
            rij(2 * Punt(q) + 1) += q.y - p.y;
            rij(2 * Punt(p)) -= q.x - p.x;
            rij(2 * Punt(p) + 1) -= q.y - p.y;
            rijen.push_back(rij);
            for (const TKnoop& k : deel.Knopen) {
                for (int r = 0; r < 2 && IsOplegging(k); ++r) {
                    Eigen::RowVectorXd vast = Eigen::RowVectorXd::Zero(n);
                    vast(2 * Punt(k) + r) = 1.0;
                    rijen.push_back(vast);
                }
            }
        }
        Eigen::MatrixXd a(static_cast<Eigen::Index>(rijen.size()), n);
        for (std::size_t r = 0; r < rijen.size(); ++r) {
            a.row(static_cast<Eigen::Index>(r)) = rijen[r];
        }
        Eigen::FullPivLU<Eigen::MatrixXd> lu(a);
        lu.setThreshold(1e-10);
        if (lu.dimensionOfKernel() > 0) {
            kern_ = lu.kernel();
        }
    }

    int Vrijheidsgraden() const { return static_cast<int>(kern_.cols()); }

    // Rotation of part b and displacement of a point of it in the motion x of the end points.
    double Rotatie(const Eigen::VectorXd& x, std::size_t b) const {
        const TStaaf& deel = m_.avStaven[b];
        const TKnoop& p = deel.Knopen[0];
        const TKnoop& q = deel.Knopen[1];
        const double lx = q.x - p.x;
        const double ly = q.y - p.y;
        const Eigen::Index i = 2 * Punt(p);
        const Eigen::Index j = 2 * Punt(q);
        return (lx * (x(j + 1) - x(i + 1)) - ly * (x(j) - x(i))) / (lx * lx + ly * ly);
    }
    std::array<double, 2> Verplaatsing(const Eigen::VectorXd& x, std::size_t b, double px,
                                       double py) const {
        const TKnoop& p = m_.avStaven[b].Knopen[0];
        // A point at the part's first end moves with it, also on a part of no length (a span
        // hinge at its bar's end), whose rotation is undefined.
        const double g = px == p.x && py == p.y ? 0.0 : Rotatie(x, b);
        const Eigen::Index i = 2 * Punt(p);
        return {x(i) - g * (py - p.y), x(i + 1) + g * (px - p.x)};
    }

    // The mechanism's own motion (displacements magnified by Vergroting) as end-point
    // displacements, and how far it is from satisfying the equations.
    Eigen::VectorXd EigenBeweging() const {
        Eigen::VectorXd x = Eigen::VectorXd::Zero(static_cast<Eigen::Index>(2 * punten_.size()));
        for (const TStaaf& deel : m_.avStaven) {
            for (const TKnoop& k : deel.Knopen) {
                x(2 * Punt(k)) = k.dx / Vergroting;
                x(2 * Punt(k) + 1) = k.dy / Vergroting;
            }
        }
        return x;
    }

    // Compares every rotation and load displacement of the mechanism with this solve: equal when
    // the motion has one degree of freedom, else compatible and of least dissipation.
    void Vergelijk() const {
        double grootste = 0.0;
        std::size_t r = 0;
        for (std::size_t b = 0; b < m_.avStaven.size(); ++b) {
            if (std::fabs(m_.avStaven[b].gamma) > grootste) {
                grootste = std::fabs(m_.avStaven[b].gamma);
                r = b;
            }
        }
        const Eigen::VectorXd eigen = EigenBeweging();
        if (grootste == 0.0) {
            EXPECT_EQ(eigen.norm(), 0.0);
            return;
        }
        ASSERT_GE(Vrijheidsgraden(), 1) << "the mechanism moves where the reference cannot";
        const double grens = 1e-9 * grootste;
        for (std::size_t b = 0; b < m_.avStaven.size(); ++b) {
            const TStaaf& deel = m_.avStaven[b];
            // Each part moves rigidly with its own rotation...
            EXPECT_NEAR(Rotatie(eigen, b), deel.gamma, grens) << "deel " << b;
            for (const TKnoop& k : deel.Knopen) {
                // ...and coinciding ends move together, supported ones not at all.
                if (IsOplegging(k)) {
                    EXPECT_NEAR(std::hypot(k.dx, k.dy), 0.0, grens) << "deel " << b;
                }
                const Eigen::Index i = 2 * Punt(k);
                EXPECT_NEAR(k.dx / Vergroting, eigen(i), grens * Schaal());
                EXPECT_NEAR(k.dy / Vergroting, eigen(i + 1), grens * Schaal());
            }
        }
        if (Vrijheidsgraden() != 1) {
            VergelijkMetKleinsteBeweging();
            return;
        }
        const Eigen::VectorXd x = kern_.col(0) * (m_.avStaven[r].gamma / Rotatie(kern_.col(0), r));
        for (std::size_t b = 0; b < m_.avStaven.size(); ++b) {
            EXPECT_NEAR(m_.avStaven[b].gamma, Rotatie(x, b), grens) << "deel " << b;
        }
        for (const TBelasting& last : m_.avBelastingen) {
            if (last.s < 0) {
                continue;
            }
            const auto d = Verplaatsing(x, static_cast<std::size_t>(last.s), last.x, last.y);
            EXPECT_NEAR(last.dx / Vergroting, d[0], grens * Schaal());
            EXPECT_NEAR(last.dy / Vergroting, d[1], grens * Schaal());
        }
    }

    // The plastic hinges of the mechanism: a rigid end of part B against part C, or against the
    // ground (C = -1) at a support. A hinge between two parts counts once, at the part that
    // comes first.
    struct TScharnier {
        std::size_t B = 0;
        int C = -1;
        double Mp = 0.0;
    };
    std::vector<TScharnier> Scharnieren() const {
        std::vector<TScharnier> scharnieren;
        for (std::size_t b = 0; b < m_.avStaven.size(); ++b) {
            for (const TKnoop& eind : m_.avStaven[b].Knopen) {
                if (!eind.Stijf) {
                    continue;
                }
                if (IsOplegging(eind)) {
                    scharnieren.push_back({b, -1, eind.Mp});
                    continue;
                }
                for (std::size_t c = b + 1; c < m_.avStaven.size(); ++c) {
                    for (const TKnoop& ander : m_.avStaven[c].Knopen) {
                        if (Punt(ander) == Punt(eind)) {
                            scharnieren.push_back({b, static_cast<int>(c), eind.Mp});
                        }
                    }
                }
            }
        }
        return scharnieren;
    }
    // The relative rotation of a hinge and the work of the loads in the motion x.
    double Relatief(const Eigen::VectorXd& x, const TScharnier& h) const {
        return Rotatie(x, h.B) - (h.C < 0 ? 0.0 : Rotatie(x, static_cast<std::size_t>(h.C)));
    }
    double Arbeid(const Eigen::VectorXd& x) const {
        double arbeid = 0.0;
        for (const TBelasting& last : m_.avBelastingen) {
            if (last.s >= 0) {
                const auto d = Verplaatsing(x, static_cast<std::size_t>(last.s), last.x, last.y);
                arbeid += last.Fx * d[0] + last.Fy * d[1];
            }
        }
        return arbeid;
    }
    double Dissipatie(const Eigen::VectorXd& x) const {
        double dissipatie = 0.0;
        for (const TScharnier& h : Scharnieren()) {
            dissipatie += h.Mp * std::fabs(Relatief(x, h));
        }
        return dissipatie;
    }

    // Where the hinges let the mechanism move in more than one way, its own motion must be one
    // of least dissipation per unit of load work: its ratio is the least load.
    void VergelijkMetKleinsteBeweging() const {
        const Eigen::VectorXd eigen = EigenBeweging();
        const double arbeid = Arbeid(eigen);
        const double kleinste = KleinsteBezwijklast();
        if (std::isinf(kleinste)) {
            return;
        }
        ASSERT_GT(arbeid, 0.0) << "the loads do no work in the mechanism's own motion";
        EXPECT_NEAR(Dissipatie(eigen) / arbeid, kleinste, 1e-7 * kleinste);
    }

    // The least load over every motion of the mechanism's hinges, found without a solver: the
    // dissipation is convex and piecewise linear in the kernel coordinates, so on the plane of
    // unit load work its least value lies where all but one of the kernel's directions are
    // taken up by hinges that stay put. Each such choice of hinges is tried. Infinite when the
    // loads do no work on any motion.
    double KleinsteBezwijklast() const {
        const auto k = static_cast<Eigen::Index>(Vrijheidsgraden());
        if (k == 0) {
            return std::numeric_limits<double>::infinity();
        }
        std::vector<Eigen::RowVectorXd> rotaties;
        std::vector<double> mp;
        for (const TScharnier& h : Scharnieren()) {
            Eigen::RowVectorXd rij(k);
            for (Eigen::Index j = 0; j < k; ++j) {
                rij(j) = Relatief(kern_.col(j), h);
            }
            rotaties.push_back(rij);
            mp.push_back(h.Mp);
        }
        Eigen::RowVectorXd arbeid = Eigen::RowVectorXd::Zero(k);
        double omvang = 0.0;
        for (Eigen::Index j = 0; j < k; ++j) {
            arbeid(j) = Arbeid(kern_.col(j));
        }
        for (const TBelasting& last : m_.avBelastingen) {
            if (last.s >= 0) {
                omvang += std::fabs(last.Fx) + std::fabs(last.Fy);
            }
        }
        // Work at the rounding of the kernel's displacements is no work.
        omvang *= kern_.cwiseAbs().maxCoeff();
        if (arbeid.cwiseAbs().maxCoeff() <= 1e-9 * omvang) {
            return std::numeric_limits<double>::infinity();
        }
        double kleinste = std::numeric_limits<double>::infinity();
        // Every choice of k - 1 hinges.
        const auto probeer = [&](const std::vector<int>& keuze) {
            Eigen::MatrixXd a(k, k);
            Eigen::VectorXd rechts = Eigen::VectorXd::Zero(k);
            for (Eigen::Index r = 0; r + 1 < k; ++r) {
                a.row(r) = rotaties[static_cast<std::size_t>(keuze[static_cast<std::size_t>(r)])];
            }
            a.row(k - 1) = arbeid;
            rechts(k - 1) = 1.0;
            Eigen::FullPivLU<Eigen::MatrixXd> lu(a);
            lu.setThreshold(1e-10);
            if (lu.rank() < k) {
                return;
            }
            const Eigen::VectorXd alfa = lu.solve(rechts);
            double dissipatie = 0.0;
            for (std::size_t h = 0; h < rotaties.size(); ++h) {
                dissipatie += mp[h] * std::fabs(rotaties[h].dot(alfa));
            }
            kleinste = std::min(kleinste, dissipatie);
        };
        if (k - 1 > static_cast<int>(rotaties.size())) {
            return 0.0;
        }
        VoorElkeKeuze(static_cast<int>(rotaties.size()), static_cast<int>(k - 1), probeer);
        return kleinste;
    }

private:
    Eigen::Index Punt(const TKnoop& k) const {
        for (std::size_t i = 0; i < punten_.size(); ++i) {
            if (std::fabs(punten_[i][0] - k.x) <= Tolerantie &&
                std::fabs(punten_[i][1] - k.y) <= Tolerantie) {
                return static_cast<Eigen::Index>(i);
            }
        }
        punten_.push_back({k.x, k.y});
        return static_cast<Eigen::Index>(punten_.size() - 1);
    }
    double Schaal() const {
        double s = 1.0;
        for (const auto& p : punten_) {
            s = std::max({s, std::fabs(p[0]), std::fabs(p[1])});
        }
        return s;
    }

    const TMechanisme& m_;
    mutable std::vector<std::array<double, 2>> punten_;
    Eigen::MatrixXd kern_;
};

} // namespace kx::test
