#pragma once

#include "engine/Bezwijkcontrole.h"

#include <cstdint>
#include <vector>

namespace kx {

class TAnalyse;

// The one place where the moment check reads the enumeration's results.

// Node indices of the hinge places chosen in a row of Combinaties, ascending.
std::vector<int> ScharnierPlaatsen(const std::vector<std::int32_t>& rij);

// Every mechanism of a finished analysis with its hinge places and collapse load.
std::vector<TMechanismeOpgave> MechanismeOpgaven(const TAnalyse& analyse);

} // namespace kx
