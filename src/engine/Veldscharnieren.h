#pragma once

#include "engine/Raamwerk.h"

#include <vector>

namespace kx {

// The least motion of the chosen places (indices into the frame's places) with every span hinge
// among them at the position where that motion's collapse load is least; the frame keeps those
// positions. One span hinge that moves is placed where the load, a rational function of its
// position, is stationary; more are placed one at a time in turn until the load changes less
// than a relative 1e-12. A least load at a bar end stays there: the hinge then lies at that end.
TBeweging KleinsteBewegingMetVelden(TRaamwerk& raamwerk, const std::vector<int>& plaatsen);

// The span positions of the frame, one per span.
std::vector<double> Posities(const TRaamwerk& raamwerk);
void ZetPosities(TRaamwerk& raamwerk, const std::vector<double>& posities);

} // namespace kx
