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

namespace {
// One solve: CLP's own choice of method (the dual simplex for these programs), or the primal
// simplex.
TIjlUitkomst Los(const TIjlProgramma& p, bool primaal) {
    ClpSimplex model;
    model.setLogLevel(0);
    model.loadProblem(Kolomsgewijs(p.R), p.KolomOnder.data(), p.KolomBoven.data(), p.c.data(),
                      p.RijOnder.data(), p.RijBoven.data());
    model.setPrimalTolerance(LpPrimaleTolerantie);
    model.setDualTolerance(LpDualeTolerantie);
    if (primaal) {
        model.primal();
    } else {
        model.initialSolve();
    }
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
} // namespace

TIjlUitkomst LosOp(const TIjlProgramma& p) {
    const TIjlUitkomst uitkomst = Los(p, false);
    // The dual simplex, CLP's choice for these programs, has called a feasible program
    // infeasible (the least dissipation over the hinges of a frame under a distributed load,
    // whose motion the primal simplex found at once): the primal simplex decides then.
    return uitkomst.Status == TIjlUitkomst::Onuitvoerbaar ? Los(p, true) : uitkomst;
}

} // namespace kx
