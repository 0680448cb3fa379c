#pragma once

#include "engine/Evenwicht.h"

#include <Eigen/SparseCore>

#include <vector>

namespace kx {

// The units in which the sparse programs on the equilibrium equations count the unknowns, so
// that the solver's tolerances mean the same for every frame: moments (bar end moments and
// clamp reactions) in the largest Mp (of those and of the loaded bars), forces in that Mp over the
// longest bar.
struct TProgrammaschaal {
    double Mp = 0.0;
    double Kracht = 0.0;
    Eigen::VectorXd Schaal;    // per unknown
    std::vector<int> Momenten; // the bar end moment columns
};

// Mp is 0 when the frame has no bar end moment and no bar with a distributed load.
TProgrammaschaal BepaalProgrammaschaal(const TEvenwicht& evenwicht);

// Row r of A in those units, divided by its largest entry (and by rechts where that is
// larger), appended to termen; returns the divisor, 0 for a row without entries.
double VoegGeschaaldeRijToe(const TEvenwicht& evenwicht, Eigen::Index r,
                            const TProgrammaschaal& schaal, double rechts,
                            std::vector<Eigen::Triplet<double>>& termen);

} // namespace kx
