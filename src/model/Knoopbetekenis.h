#pragma once

#include "model/Constructie.h"

#include <cstdint>
#include <vector>

namespace kx {

// What the support and connection codes of a node mean for the check, the kinematics, the
// statics and the drawing alike. The ground holds a node's rotation only with a clamp and a
// rigid connection; a roller or pin never holds it, and a clamp with a hinged connection is a
// pin for its bars.

inline bool HoudtXVast(const TConstructieKnoop& knoop) {
    return knoop.Oplegging == Scharnierend || knoop.Oplegging == Inklemming ||
           knoop.Oplegging == RolVerticaal;
}

inline bool HoudtYVast(const TConstructieKnoop& knoop) {
    return knoop.Oplegging == Scharnierend || knoop.Oplegging == Inklemming ||
           knoop.Oplegging == RolHorizontaal;
}

inline bool HoudtRotatieVast(const TConstructieKnoop& knoop) {
    return knoop.Oplegging == Inklemming && knoop.Vrijheid == VasteVerbinding;
}

inline bool IsStijf(const TConstructieKnoop& knoop) {
    return knoop.Vrijheid == VasteVerbinding;
}

// A bar end where a plastic hinge can form. Staaf is the bar whose end turns: at a rigid node
// joining two bars without a clamp that is the weaker bar (the first in slot order among equals),
// and the place stands for the node as a whole. A place in the span (Veld) lies inside bar
// Staaf, which carries a distributed load; Knoop is then the bar's first node, from which the
// analysis measures the hinge's position.
struct TScharnierplaats {
    std::int32_t Knoop = -1;
    std::int32_t Staaf = -1;
    double Mp = 0.0;
    bool Veld = false;

    bool operator==(const TScharnierplaats&) const = default;
};

// Whether the place lies at the node, not in a span.
inline bool OpKnoop(const TScharnierplaats& plaats, std::int32_t knoop) {
    return !plaats.Veld && plaats.Knoop == knoop;
}

// The existing bars ending at every node slot, in slot order; a bar with both ends at one node
// counts once.
std::vector<std::vector<std::int32_t>> StavenPerKnoop(const TConstructie& constructie);

// The bars that carry a distributed load in use, ascending: each has a hinge place in its span.
std::vector<std::int32_t> BelasteStaven(const TConstructie& constructie);

// Every hinge place, by node and then by bar slot: a rigid node joining two bars gives one place
// (the smaller Mp), a rigid node joining three or more bars one per bar end, a clamp with a rigid
// connection one per bar end; a free end, a roller or pin at the end of one bar and a hinged node
// give none. After them one place in the span of every bar of BelasteStaven.
std::vector<TScharnierplaats> Scharnierplaatsen(const TConstructie& constructie);

} // namespace kx
