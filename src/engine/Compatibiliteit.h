#pragma once

#include "engine/Records.h"

#include <vector>

namespace kx {

// Rigid motion of one part: displacement (u, v) of its Knopen[0] and rotation omega.
struct TStarreBeweging {
    double u = 0.0;
    double v = 0.0;
    double omega = 0.0;
};

// The first-order motions a mechanism allows: supports hold their ends, coinciding ends move
// together.
struct TCompatibiliteit {
    int Vrijheidsgraden = 0;
    // The motion closest to turning part eerste alone, scaled so that it turns gamma0; without
    // such a motion the one whose largest rotation is gamma0. Empty without freedom.
    std::vector<TStarreBeweging> Beweging;
};

// Ends of the same replacement node coincide; ends made by hand are compared by position.
bool ValtSamen(const TKnoop& a, const TKnoop& b);

TCompatibiliteit LosCompatibiliteitOp(const TMechanisme& mechanisme, int eerste, double gamma0);

// The larger of the width and the height of the parts' ends.
double Afmeting(const TMechanisme& mechanisme);

// Length that sets the tolerances of a mechanism: its largest coordinate extent, at least 1.
double Lengteschaal(const TMechanisme& mechanisme);

} // namespace kx
