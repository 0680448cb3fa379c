#include "engine/IjlProgramma.h"

#include "engine/Toleranties.h"

#include <ClpSimplex.hpp>
#include <CoinPackedMatrix.hpp>

#include <vector>

namespace kx {

namespace {
CoinPackedMatrix Kolomsgewijs(Eigen::SparseMatrix<double> r) {
    r.makeCompressed();
    std::vector<int> lengte(static_cast<std::size_t>(r.cols()));
    for (Eigen::Index j = 0; j < r.cols(); ++j) {
        lengte[static_cast<std::size_t>(j)] =
            static_cast<int>(r.outerIndexPtr()[j + 1] - r.outerIndexPtr()[j]);
    }
    std::vector<CoinBigIndex> begin(r.outerIndexPtr(), r.outerIndexPtr() + r.cols() + 1);
    return CoinPackedMatrix(true, static_cast<int>(r.rows()), static_cast<int>(r.cols()),
                            static_cast<CoinBigIndex>(r.nonZeros()), r.valuePtr(),
                            r.innerIndexPtr(), begin.data(), lengte.data());
}
} // namespace

TIjlUitkomst LosOp(const TIjlProgramma& p) {
    ClpSimplex model;
    model.setLogLevel(0);
    model.loadProblem(Kolomsgewijs(p.R), p.KolomOnder.data(), p.KolomBoven.data(), p.c.data(),
                      p.RijOnder.data(), p.RijBoven.data());
    model.setPrimalTolerance(LpPrimaleTolerantie);
    model.setDualTolerance(LpDualeTolerantie);
    model.initialSolve();
    TIjlUitkomst uitkomst;
    switch (model.status()) {
    case 0:
        uitkomst.Status = TIjlUitkomst::Optimaal;
        break;
    case 1:
        uitkomst.Status = TIjlUitkomst::Onuitvoerbaar;
        return uitkomst;
    case 2:
        uitkomst.Status = TIjlUitkomst::Onbegrensd;
        return uitkomst;
    default:
        return uitkomst;
    }
    uitkomst.x = Eigen::Map<const Eigen::VectorXd>(model.getColSolution(), p.R.cols());
    return uitkomst;
}

} // namespace kx
