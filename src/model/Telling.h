#pragma once

#include "model/Constructie.h"

#include <cstdint>

namespace kx {

// What the indeterminacy counts are made of, so that a student can redo them: every term of the
// unknowns, the equations and the hinge places of TelOnbepaaldheid.
struct TTellingDelen {
    // Unknowns: 3 per bar end at a rigid connection, 2 per bar end at a hinge, and the reactions.
    std::int32_t StijveEinden = 0;
    std::int32_t ScharnierEinden = 0;
    std::int32_t Oplegreacties = 0;
    // Equations: 3 per bar, 3 per rigid node, 2 per hinged node.
    std::int32_t Staven = 0;
    std::int32_t StijveKnopen = 0;
    std::int32_t ScharnierKnopen = 0;
    // Places: one per rigid node joining two bars, one per bar end at a rigid joint of three or
    // more bars, one per bar end at a rigid clamp and one in the span of every bar that carries
    // a distributed load.
    std::int32_t Tweestaafsknopen = 0;
    std::int32_t GewrichtEinden = 0;
    std::int32_t InklemmingEinden = 0;
    std::int32_t Veldplaatsen = 0;

    std::int32_t Onbekenden() const {
        return 3 * StijveEinden + 2 * ScharnierEinden + Oplegreacties;
    }
    std::int32_t Vergelijkingen() const {
        return 3 * Staven + 3 * StijveKnopen + 2 * ScharnierKnopen;
    }
    std::int32_t Plaatsen() const {
        return Tweestaafsknopen + GewrichtEinden + InklemmingEinden + Veldplaatsen;
    }
};

// The terms of the counts of a frame; their sums are those of TelOnbepaaldheid.
TTellingDelen TelDelen(const TConstructie& constructie);

} // namespace kx
