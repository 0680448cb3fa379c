#pragma once

#include "engine/Compatibiliteit.h"
#include "engine/Raamwerk.h"
#include "engine/Records.h"

#include <Eigen/Dense>

#include <vector>

namespace kx {

// The motion of every part of a mechanism when the drawn frame moves as d: each part end follows
// its node (an end on a node the frame does not hold, as a pendulum's grounded end, stays put),
// and a part turns as the line between its ends.
std::vector<TStarreBeweging> DeelBewegingen(const TMechanisme& mechanisme,
                                            const TRaamwerk& raamwerk, const Eigen::VectorXd& d);

} // namespace kx
