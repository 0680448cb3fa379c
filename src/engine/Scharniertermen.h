#pragma once

#include "engine/Records.h"

#include <string>
#include <vector>

namespace kx {

class Teksten;

// The internal work of one plastic hinge as a student writes it: Mp times the hinge's relative
// rotation, once per hinge, whatever parts meet there.
struct TScharnierterm {
    std::string Naam;     // the node's name
    double Mp = 0.0;      // kNm
    double Rotatie = 0.0; // |relative rotation|, rad
    // The hinge's share of the internal work: the sum of the bar-end factors it stands for.
    double Arbeid = 0.0;
    std::string Term;         // "- 50 ⋅ 2 ⋅ δθ "
    std::string Onderschrift; // "scharnier B"
};

// One term per turning hinge of a mechanism, in the order its parts first reach the hinge's
// node. A hinge at a support turns against the ground, a hinge at a joint against the part that
// turns with the joint, and two parts meeting in a hinge against each other. Their Arbeid adds
// up to the equation's internal work.
std::vector<TScharnierterm> Scharniertermen(const TMechanisme& mechanisme, const Teksten& teksten,
                                            char decimaalteken);

} // namespace kx
