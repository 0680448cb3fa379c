#pragma once

#include "model/Telling.h"

#include <string>

namespace kx {

class TAnalyse;
class Teksten;

// The counting a student redoes by hand, one sentence each: the unknowns, the equilibrium
// equations and the hinge places, every term that is not zero with its count, then their sum.
std::string OnbekendenUitleg(const TTellingDelen& delen, const Teksten& teksten);
std::string VergelijkingenUitleg(const TTellingDelen& delen, const Teksten& teksten);
std::string PlaatsenUitleg(const TTellingDelen& delen, const Teksten& teksten);

// Why the list does not hold every combination the formula counts: no hinge place, more hinges
// needed than there are places, or too many combinations, so that the independent mechanisms
// and the collapse mechanism are listed. Empty when every combination is listed.
std::string LijstUitleg(const TAnalyse& analyse, const Teksten& teksten);

} // namespace kx
