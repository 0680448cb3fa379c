#pragma once

#include "engine/Records.h"

#include <cstdint>
#include <vector>

namespace kx {

struct TConstructie;

// The steps that build one replacement structure, in the order the enumeration runs them. They
// read the drawn structure and change only v.

// A copy of every slot of the drawn structure; each node's Mp is the smallest of its bars.
void VulVervangendeConstructie(TVConstructie& v, const TConstructie& constructie);
// Every load to the highest-index bar at its node.
void KoppelBelastingen(TVConstructie& v, const TConstructie& constructie);
// Hinges at the places chosen in rij, at free ends and hinged nodes; rollers become pendulums.
void PlaatsScharnieren(TVConstructie& v, const std::vector<std::int32_t>& rij,
                       const TConstructie& constructie);
double GemiddeldeStaaflengte(const TVConstructie& v);
void VervangRolOplegging(TVConstructie& v, int knoop, const TConstructie& constructie);
// Bars rigidly joined without a hinge become one part; parts clamped without a hinge go.
void VoegStarreStavenSamen(TVConstructie& v, const TConstructie& constructie);
// Loads on removed parts or on supports do no work and go.
void ControleerBelastingen(TVConstructie& v, const TConstructie& constructie);

} // namespace kx
