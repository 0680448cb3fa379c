#pragma once

#include "engine/IjlProgramma.h"

#include <Eigen/Dense>

#include <vector>

namespace kx {

// A linear program: minimise c x subject to RijOnder <= R x <= RijBoven and
// KolomOnder <= x <= KolomBoven. Unbounded sides are +/- Onbegrensd.
struct TLineairProgramma {
    static constexpr double Onbegrensd = 1e30;

    Eigen::MatrixXd R;
    Eigen::VectorXd RijOnder;
    Eigen::VectorXd RijBoven;
    Eigen::VectorXd KolomOnder;
    Eigen::VectorXd KolomBoven;
    Eigen::VectorXd c;
};

using TLpUitkomst = TIjlUitkomst;

// Solves the program as a sparse one, its rounding noise left out; the solver's tolerances are
// absolute (LpPrimaleTolerantie, LpDualeTolerantie), so a caller poses the program on the scale
// of 1.
TLpUitkomst LosOp(const TLineairProgramma& programma);

} // namespace kx
