#pragma once

#include "engine/Records.h"

#include <Eigen/Dense>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kx::test {

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
                for (int r = 0; r < 2 && k.Soort < 4; ++r) {
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
        const double g = Rotatie(x, b);
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
    // the motion has one degree of freedom, else at least compatible.
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
                if (k.Soort < 4) {
                    EXPECT_NEAR(std::hypot(k.dx, k.dy), 0.0, grens) << "deel " << b;
                }
                const Eigen::Index i = 2 * Punt(k);
                EXPECT_NEAR(k.dx / Vergroting, eigen(i), grens * Schaal());
                EXPECT_NEAR(k.dy / Vergroting, eigen(i + 1), grens * Schaal());
            }
        }
        if (Vrijheidsgraden() != 1) {
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
