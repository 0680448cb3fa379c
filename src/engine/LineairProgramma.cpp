#include "engine/LineairProgramma.h"

#include "engine/Toleranties.h"

#include <ClpSimplex.hpp>
#include <CoinPackedMatrix.hpp>

#include <cmath>

namespace kx {

namespace {
// The matrix column by column, zeros and rounding noise left out.
CoinPackedMatrix Ijl(const Eigen::MatrixXd& r) {
    std::vector<CoinBigIndex> begin;
    std::vector<int> rij;
    std::vector<double> waarde;
    begin.reserve(static_cast<std::size_t>(r.cols()) + 1);
    for (Eigen::Index j = 0; j < r.cols(); ++j) {
        begin.push_back(static_cast<CoinBigIndex>(waarde.size()));
        const double drempel = r.rows() == 0 ? 0.0 : LpRuis * r.col(j).cwiseAbs().maxCoeff();
        for (Eigen::Index i = 0; i < r.rows(); ++i) {
            if (std::fabs(r(i, j)) > drempel) {
                rij.push_back(static_cast<int>(i));
                waarde.push_back(r(i, j));
            }
        }
    }
    begin.push_back(static_cast<CoinBigIndex>(waarde.size()));
    std::vector<int> lengte(static_cast<std::size_t>(r.cols()));
    for (std::size_t j = 0; j < lengte.size(); ++j) {
        lengte[j] = begin[j + 1] - begin[j];
    }
    return CoinPackedMatrix(true, static_cast<int>(r.rows()), static_cast<int>(r.cols()),
                            static_cast<CoinBigIndex>(waarde.size()), waarde.data(), rij.data(),
                            begin.data(), lengte.data());
}
} // namespace

TLpUitkomst LosOp(const TLineairProgramma& p) {
    ClpSimplex model;
    model.setLogLevel(0);
    model.loadProblem(Ijl(p.R), p.KolomOnder.data(), p.KolomBoven.data(), p.c.data(),
                      p.RijOnder.data(), p.RijBoven.data());
    model.setPrimalTolerance(LpPrimaleTolerantie);
    model.setDualTolerance(LpDualeTolerantie);
    model.initialSolve();
    TLpUitkomst uitkomst;
    switch (model.status()) {
    case 0:
        uitkomst.Status = TLpUitkomst::Optimaal;
        break;
    case 1:
        uitkomst.Status = TLpUitkomst::Onuitvoerbaar;
        return uitkomst;
    case 2:
        uitkomst.Status = TLpUitkomst::Onbegrensd;
        return uitkomst;
    default:
        return uitkomst;
    }
    uitkomst.x = Eigen::Map<const Eigen::VectorXd>(model.getColSolution(), p.R.cols());
    return uitkomst;
}

} // namespace kx
