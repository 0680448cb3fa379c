#pragma once

#include "model/Constructie.h"

#include <cstdint>
#include <numbers>
#include <vector>

namespace kx {

// The sides a support symbol is drawn on, as the hoek its symbol takes: it lies on its local -x
// side, so 0 is left of the node, pi/2 below, pi right and 3pi/2 above.
inline constexpr double OplegLinks = 0.0;
inline constexpr double OplegOnder = std::numbers::pi / 2.0;
inline constexpr double OplegRechts = std::numbers::pi;
inline constexpr double OplegBoven = 3.0 * std::numbers::pi / 2.0;

// Per node slot, the direction of every bar at the node toward its other end, counter-clockwise
// as seen on the screen; a bar of no length has none.
std::vector<std::vector<double>> StaafRichtingen(const TConstructie& constructie);

// Whether the bars at a node, by their directions, make a joint of three or more, drawn with a
// mark of its own.
inline bool IsKnooppunt(const std::vector<double>& staafRichtingen) {
    return staafRichtingen.size() >= 3;
}

// The side a support is drawn on as on paper, given the directions of the bars at its node. The
// symbol stays upright whatever the bars' slope: a pin or horizontal roller below the node, above
// only when a bar runs down where it would lie; a vertical roller beside the node, away from the
// bars; a clamp on the side opposite the bars (below a column, beside a beam end), below where
// they balance. A side a bar runs into is passed over while another is free.
double Opleghoek(std::int32_t oplegging, const std::vector<double>& staafRichtingen);

} // namespace kx
