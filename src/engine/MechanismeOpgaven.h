#pragma once

#include "engine/Bezwijkcontrole.h"
#include "engine/Records.h"
#include "model/Knoopbetekenis.h"

#include <vector>

namespace kx {

class TAnalyse;

// The one place where the moment check reads the enumeration's results: a mechanism's chosen
// hinge places (node indices, with the bar whose end turns, from the frame's places when given)
// and its collapse load.
TMechanismeOpgave Opgave(const TMechanisme& mechanisme,
                         const std::vector<TScharnierplaats>& plaatsen = {});

// Every mechanism of a finished analysis.
std::vector<TMechanismeOpgave> MechanismeOpgaven(const TAnalyse& analyse);

} // namespace kx
