#pragma once

#include "engine/Records.h"

namespace kx {

struct TPoolCoordinaten {
    double r = 0.0;
    double phi = 0.0; // in [0, 2pi)
};

struct TVerplaatsing {
    double dx = 0.0;
    double dy = 0.0;
};

// Length and direction of the vector (dx, dy); a vector within the tolerance of zero has
// direction 0.
TPoolCoordinaten PoolCoordinaten(double dx, double dy);

// Displacement of (x, y) when its part turns by gamma about RC: r tan(gamma) long, perpendicular
// to the radius, anticlockwise for a positive gamma.
TVerplaatsing HaaksRoteren(double x, double y, TRotatiecentrum RC, double gamma);

// a reduced to [0, 2pi).
double HoekMod2Pi(double a);

} // namespace kx
