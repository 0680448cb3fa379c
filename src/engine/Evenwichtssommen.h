#pragma once

#include "engine/Krachtsverdeling.h"
#include "model/Constructie.h"

#include <cstdint>
#include <vector>

namespace kx {

// The sums a student writes to check a force distribution, each as its terms in the order
// written; every sum is zero within rounding when the distribution balances.
struct TEvenwichtssommen {
    // The whole frame: reactions and loads horizontally (to the right) and vertically (upward),
    // and their moments about node MomentpuntKnoop (anticlockwise), reaction couples included; a
    // distributed load as its resultant.
    std::vector<double> H;
    std::vector<double> V;
    std::vector<double> M;
    std::int32_t MomentpuntKnoop = -1;

    // A rigid joint of three or more bars: the couples its bar ends and its support put on it.
    struct TKnoop {
        std::int32_t Knoop = -1;
        std::vector<double> Termen;
    };
    std::vector<TKnoop> Knopen;
};

// The sums of distribution v of the frame c; the moments of the whole frame are taken about the
// first support node.
TEvenwichtssommen BepaalEvenwichtssommen(const TConstructie& c, const TKrachtsverdeling& v);

} // namespace kx
