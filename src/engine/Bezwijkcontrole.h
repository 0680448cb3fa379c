#pragma once

#include "engine/Krachtsverdeling.h"
#include "engine/Toleranties.h"

#include <vector>

namespace kx {

// The collapse load by the static theorem: the largest load factor at which a distribution in
// equilibrium keeps |M| <= Mp at every bar end, with that distribution and the nodes where it
// reaches Mp. OneindigeLast when the loads can grow without bound.
struct TWareBezwijklast {
    double Bezwijklast = 0.0;
    std::vector<int> Scharnieren; // node indices, ascending
    TKrachtsverdeling Verdeling;
};

TWareBezwijklast BepaalWareBezwijklast(const TEvenwicht& evenwicht);

// A mechanism as the enumeration lists it: its hinge places (node indices) and its collapse load.
struct TMechanismeOpgave {
    std::vector<int> Plaatsen;
    double Bezwijklast = 0.0;
    // The bar whose end turns at each place, where a node holds a place per bar end; empty, or
    // -1 for a place, where the place is the node's weakest bar end.
    std::vector<int> Staven;
    // For a place inside a span, its share of the bar's length from the bar's first node; -1 for
    // a place at a node. Empty when no place lies in a span.
    std::vector<double> Posities;
};

// The moment check of every mechanism and the static theorem, once per analysis.
struct TBezwijkcontrole {
    // Per mechanism its peak |M| / Mp at collapse; 0 where it has no force distribution.
    std::vector<double> Momentverhoudingen;
    // Per mechanism the collapse load its distribution was found at.
    std::vector<double> Bezwijklasten;
    TWareBezwijklast Waar;
    int Maatgevend = 0;
    // The governing mechanism's moment line stays within Mp: lower and upper bound meet.
    bool Bevestigd = false;

    double Ondergrens(int i) const;
};

TBezwijkcontrole ControleerMechanismen(const TEvenwicht& evenwicht,
                                       const std::vector<TMechanismeOpgave>& mechanismen,
                                       int maatgevend);

// The same with the ratio of the governing mechanism alone; the others' ratios stay 0.
TBezwijkcontrole ControleerMaatgevend(const TEvenwicht& evenwicht,
                                      const std::vector<TMechanismeOpgave>& mechanismen,
                                      int maatgevend);

} // namespace kx
