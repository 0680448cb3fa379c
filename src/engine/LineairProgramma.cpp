#include "engine/LineairProgramma.h"

#include "engine/Toleranties.h"

#include <cmath>
#include <vector>

namespace kx {

namespace {
// The matrix without zeros and without rounding noise: coefficients below LpRuis of the largest
// in their column.
Eigen::SparseMatrix<double> Ijl(const Eigen::MatrixXd& r) {
    std::vector<Eigen::Triplet<double>> termen;
    for (Eigen::Index j = 0; j < r.cols(); ++j) {
        const double drempel = r.rows() == 0 ? 0.0 : LpRuis * r.col(j).cwiseAbs().maxCoeff();
        for (Eigen::Index i = 0; i < r.rows(); ++i) {
            if (std::fabs(r(i, j)) > drempel) {
                termen.emplace_back(static_cast<int>(i), static_cast<int>(j), r(i, j));
            }
        }
    }
    Eigen::SparseMatrix<double> ijl(r.rows(), r.cols());
    ijl.setFromTriplets(termen.begin(), termen.end());
    return ijl;
}
} // namespace

TLpUitkomst LosOp(const TLineairProgramma& p) {
    return LosOp(TIjlProgramma{Ijl(p.R), p.RijOnder, p.RijBoven, p.KolomOnder, p.KolomBoven, p.c});
}

} // namespace kx
