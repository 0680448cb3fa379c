#pragma once

#include "model/Constructie.h"

#include <cstdint>
#include <optional>

namespace kx {

// What the editor found under the mouse, and the state of a two-phase operation in progress.
// It belongs to the editor; the operations read and update it.
struct TSelectie {
    std::int32_t GevondenKnoop = -1;
    std::int32_t GevondenStaaf = -1;
    std::int32_t GevondenBelasting = -1;
    std::int32_t GevondenVerdeeldeBelasting = -1;
    std::int32_t SleepKnoop = -1;
    std::int32_t BelastingSlot = 0;
    // Tail of the arrow pressed by phase 0 of VoegBelastingToe, in metres.
    TPunt BelastingStaart;
    // First end pressed by phase 0 of VoegStaafToe: the node found there, or -1. Where no node
    // was found but one can be made, NieuwStaafBegin holds the point at which the release
    // makes it.
    std::int32_t StaafBegin = -1;
    std::optional<TPunt> NieuwStaafBegin;
    // The bar that a press without a node found, split by the release at NieuwStaafBegin; -1
    // when the press was on an empty point.
    std::int32_t StaafBeginOpStaaf = -1;
    // Metres between grid points as the editor snaps: where a bar may be split.
    double Rasterstap = 1.0;
};

} // namespace kx
