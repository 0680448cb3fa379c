#pragma once

#include <Eigen/Dense>
#include <Eigen/SparseCore>

namespace kx {

// A sparse linear program: minimise c x subject to RijOnder <= R x <= RijBoven and
// KolomOnder <= x <= KolomBoven. Unbounded sides are +/- Onbegrensd.
struct TIjlProgramma {
    static constexpr double Onbegrensd = 1e30;

    Eigen::SparseMatrix<double> R;
    Eigen::VectorXd RijOnder;
    Eigen::VectorXd RijBoven;
    Eigen::VectorXd KolomOnder;
    Eigen::VectorXd KolomBoven;
    Eigen::VectorXd c;
};

struct TIjlUitkomst {
    enum Status { Optimaal, Onuitvoerbaar, Onbegrensd, Mislukt } Status = Mislukt;
    Eigen::VectorXd x;
};

// Solves the program with COIN-OR CLP, which works on the sparse matrix as it is; the solver
// writes nothing.
TIjlUitkomst LosOp(const TIjlProgramma& programma);

} // namespace kx
