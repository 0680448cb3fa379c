#pragma once

#include "engine/Evenwicht.h"

#include <utility>
#include <vector>

namespace kx {

// A cut inside the span of a loaded bar: |M| is bounded at share Xi of bar Staaf (an index
// into the equilibrium's bars). The moment line of such a bar is a parabola, so the linear
// programs bound it at cuts, one more at each peak that still exceeds the bound.
struct TSnede {
    int Staaf = -1;
    double Xi = 0.0;
};

// The moment at a cut: its bar's end moment columns with their weights, plus the parabola of the
// bar's distributed load at load factor 1; and the bar's Mp.
struct TSnedemoment {
    std::vector<std::pair<int, double>> Termen;
    double Parabool = 0.0;
    double Mp = 0.0;
};

TSnedemoment Snedemoment(const TEvenwicht& evenwicht, const TSnede& snede);

// The largest |M| / Mp of x at lambda over the bar end moments and the cuts.
double Snedeniveau(const TEvenwicht& evenwicht, const Eigen::VectorXd& x, double lambda,
                   const std::vector<TSnede>& sneden);

// Adds a cut at the peak inside every loaded bar where |M| / Mp of x at lambda exceeds grens;
// returns whether it added one.
bool VoegPiekSnedenToe(const TEvenwicht& evenwicht, const Eigen::VectorXd& x, double lambda,
                       double grens, std::vector<TSnede>& sneden);

} // namespace kx
