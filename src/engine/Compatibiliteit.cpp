#include "engine/Compatibiliteit.h"

#include "engine/Toleranties.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kx {

bool ValtSamen(const TKnoop& a, const TKnoop& b) {
    if (a.Index >= 0 && b.Index >= 0) {
        return a.Index == b.Index;
    }
    return Afkappen(a.x - b.x) == 0.0 && Afkappen(a.y - b.y) == 0.0;
}

namespace {

// The rows of the compatibility equations; unknowns per part u, v and omega times the length
// scale, so that all columns have the same size.
class TVergelijkingen {
public:
    TVergelijkingen(const TMechanisme& m, double schaal)
        : m_(m), schaal_(schaal), kolommen_(3 * static_cast<int>(m.avStaven.size())) {}

    Eigen::MatrixXd Matrix() const {
        Eigen::MatrixXd a(static_cast<Eigen::Index>(rijen_.size()), kolommen_);
        for (std::size_t r = 0; r < rijen_.size(); ++r) {
            a.row(static_cast<Eigen::Index>(r)) = rijen_[r];
        }
        return a;
    }

    // Displacement of end n of part b equals that of end k of part c (c < 0: stays in place).
    void Gelijk(int b, int n, int c, int k) {
        for (int richting = 0; richting < 2; ++richting) {
            Eigen::RowVectorXd rij = Rij(b, n, richting);
            if (c >= 0) {
                rij -= Rij(c, k, richting);
            }
            rijen_.push_back(std::move(rij));
        }
    }

private:
    Eigen::RowVectorXd Rij(int b, int n, int richting) const {
        Eigen::RowVectorXd rij = Eigen::RowVectorXd::Zero(kolommen_);
        const TStaaf& deel = m_.avStaven[static_cast<std::size_t>(b)];
        const TKnoop& p = deel.Knopen[static_cast<std::size_t>(n)];
        const TKnoop& p0 = deel.Knopen[0];
        rij(3 * b + richting) = 1.0;
        rij(3 * b + 2) = richting == 0 ? -(p.y - p0.y) / schaal_ : (p.x - p0.x) / schaal_;
        return rij;
    }

    const TMechanisme& m_;
    double schaal_;
    int kolommen_;
    std::vector<Eigen::RowVectorXd> rijen_;
};

TVergelijkingen StelOp(const TMechanisme& m, double schaal) {
    TVergelijkingen vgl(m, schaal);
    const int aantal = static_cast<int>(m.avStaven.size());
    for (int b = 0; b < aantal; ++b) {
        for (int n = 0; n < 2; ++n) {
            const TKnoop& eind = m.avStaven[static_cast<std::size_t>(b)].Knopen[n];
            if (IsOplegging(eind)) {
                vgl.Gelijk(b, n, -1, 0);
            }
            for (int c = b + 1; c < aantal; ++c) {
                for (int k = 0; k < 2; ++k) {
                    if (ValtSamen(eind, m.avStaven[static_cast<std::size_t>(c)].Knopen[k])) {
                        vgl.Gelijk(b, n, c, k);
                    }
                }
            }
        }
    }
    return vgl;
}

// The column of the kernel combination that is largest in absolute value among the rotations.
Eigen::Index GrootsteRotatie(const Eigen::VectorXd& x) {
    Eigen::Index beste = 2;
    for (Eigen::Index i = 2; i < x.size(); i += 3) {
        if (std::fabs(x(i)) > std::fabs(x(beste))) {
            beste = i;
        }
    }
    return beste;
}

} // namespace

double Afmeting(const TMechanisme& mechanisme) {
    double xmin = 0.0, xmax = 0.0, ymin = 0.0, ymax = 0.0;
    bool eerste = true;
    for (const TStaaf& deel : mechanisme.avStaven) {
        for (const TKnoop& k : deel.Knopen) {
            xmin = eerste ? k.x : std::min(xmin, k.x);
            xmax = eerste ? k.x : std::max(xmax, k.x);
            ymin = eerste ? k.y : std::min(ymin, k.y);
            ymax = eerste ? k.y : std::max(ymax, k.y);
            eerste = false;
        }
    }
    return std::max(xmax - xmin, ymax - ymin);
}

double Lengteschaal(const TMechanisme& mechanisme) {
    return std::max(1.0, Afmeting(mechanisme));
}

TCompatibiliteit LosCompatibiliteitOp(const TMechanisme& mechanisme, int eerste, double gamma0) {
    TCompatibiliteit uit;
    const int aantal = static_cast<int>(mechanisme.avStaven.size());
    if (aantal == 0) {
        return uit;
    }
    const double schaal = Lengteschaal(mechanisme);
    const Eigen::MatrixXd a = StelOp(mechanisme, schaal).Matrix();
    Eigen::MatrixXd kern;
    if (a.rows() == 0) {
        kern = Eigen::MatrixXd::Identity(3 * aantal, 3 * aantal);
    } else {
        Eigen::FullPivLU<Eigen::MatrixXd> lu(a);
        lu.setThreshold(DelenRangdrempel);
        if (lu.dimensionOfKernel() == 0) {
            return uit;
        }
        kern = lu.kernel();
    }
    uit.Vrijheidsgraden = static_cast<int>(kern.cols());

    // The kernel combination nearest to the first part turning alone.
    Eigen::VectorXd doel = Eigen::VectorXd::Zero(3 * aantal);
    const Eigen::Index draai = 3 * std::clamp(eerste, 0, aantal - 1) + 2;
    doel(draai) = 1.0;
    Eigen::VectorXd x = kern * kern.colPivHouseholderQr().solve(doel);
    Eigen::Index maat = draai;
    if (std::fabs(x(draai)) <= DelenRangdrempel * std::max(1.0, x.norm())) {
        x = kern.col(0);
        maat = GrootsteRotatie(x);
    }
    double factor = 0.0;
    if (std::fabs(x(maat)) > DelenRangdrempel * x.norm()) {
        factor = gamma0 * schaal / x(maat);
    } else {
        // Only translations: the largest displacement becomes gamma0 times the length scale.
        factor = std::fabs(gamma0) * schaal / x.cwiseAbs().maxCoeff();
    }
    x *= factor;
    uit.Beweging.resize(static_cast<std::size_t>(aantal));
    for (int b = 0; b < aantal; ++b) {
        uit.Beweging[static_cast<std::size_t>(b)] = {x(3 * b), x(3 * b + 1), x(3 * b + 2) / schaal};
    }
    return uit;
}

} // namespace kx
