#pragma once

#include "engine/Records.h"

#include <string>
#include <vector>

namespace kx {

// A rotation centre as a drawing labels it: the parts that turn about it, named by their ends
// ("AB"), in part order. Bars that move as one rigid part share their centre.
struct TGedeeldCentrum {
    TRotatiecentrum RC;
    std::vector<std::string> Delen;
};

// A joint that turns against all of its bars is a part of its own, with both ends at its node.
bool IsKnoopdeel(const TStaaf& deel);
// "AB" after its ends, "D" for a joint.
std::string DeelNaam(const TStaaf& deel);

// A part that neither turns nor moves has no rotation centre to show.
bool Beweegt(const TStaaf& deel);

// Every finite centre of a part that moves, once; centres within Tolerantie are one.
std::vector<TGedeeldCentrum> GedeeldeCentra(const TMechanisme& mechanisme);

} // namespace kx
