#pragma once

#include "engine/Raamwerk.h"
#include "engine/Records.h"
#include "model/Constructie.h"

#include <vector>

namespace kx {

// A mechanism of any frame as an analysis record, complete up to its printed terms: one part per
// bar in slot order, with the bar's nodes as its ends, and one more part for every joint that
// turns against all of its bars. The frame moves in the least motion of the chosen places
// (indices into the frame's Plaatsen), scaled so that the largest rotation is the virtual
// rotation and the loads do positive work; plastic moments act at the places that turn, and at
// a joint the bar that turns with it takes their balance.
void BouwMechanisme(const TConstructie& constructie, const TRaamwerk& raamwerk,
                    const std::vector<int>& plaatsen, TMechanisme& mechanisme);

// The same for a given motion d of the frame in which only the given places turn.
void BouwMechanisme(const TConstructie& constructie, const TRaamwerk& raamwerk,
                    const Eigen::VectorXd& d, const std::vector<int>& plaatsen,
                    TMechanisme& mechanisme);

} // namespace kx
