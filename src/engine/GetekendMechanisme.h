#pragma once

#include "engine/Records.h"
#include "model/Constructie.h"

#include <cstdint>
#include <vector>

namespace kx {

// A bar of the structure as drawn, in a mechanism: its ends undisplaced and displaced, in the
// analysis frame (y up), the displacements magnified as the parts' are.
struct TGetekendeStaaf {
    std::int32_t Slot = -1;
    TPunt Van;
    TPunt Naar;
    TPunt VanVerplaatst;
    TPunt NaarVerplaatst;
};

// The displacement of every node slot of the structure in the mechanism: a node at a part's end
// moves with that end, a node inside a part (where bars were merged) moves with the part as a
// rigid body, a node of a part that the ground holds (a clamped part) stays; a free slot stays.
std::vector<TPunt> Knoopverplaatsingen(const TMechanisme& mechanisme,
                                       const TConstructie& constructie);

// Every bar in use of the structure with its ends before and after the mechanism's motion.
std::vector<TGetekendeStaaf> GetekendeStaven(const TMechanisme& mechanisme,
                                             const TConstructie& constructie);

} // namespace kx
