#pragma once

#include "model/Constructie.h"

#include <cstdint>

namespace kx {

// Hit tests of the editor in pixels; ppm is pixels per metre. Each returns the slot whose
// ellipse around the item holds the point best, or -1.

// Bars: accepted while (|PA| + |PB|) / |AB| < 1.003, a thin ellipse around the bar.
std::int32_t ZoekStaaf(const TConstructie& constructie, double px, double py, double ppm);

// Loads: the arrow from the node back to its tail, gridSize pixels per unit of load, accepted
// while the ratio stays below 1.05.
std::int32_t ZoekBelasting(const TConstructie& constructie, double px, double py, double ppm,
                           int gridSize);

// Distributed loads: the band that its row of arrows covers, from the bar to the line of the
// tails (gridSize pixels per unit of load per metre, as the drawing draws them) widened by a few
// pixels on both sides, along the bar's length. The one whose bar lies nearest wins, the lower
// slot on a tie.
std::int32_t ZoekVerdeeldeBelasting(const TConstructie& constructie, double px, double py,
                                    double ppm, int gridSize);

} // namespace kx
