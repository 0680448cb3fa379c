#pragma once

#include "engine/Toleranties.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace kx {

// The coordinate of a rotation centre's far point: the centre of a part that translates.
inline constexpr double Oneindig = 1e10;

// A coordinate at Oneindig or beyond (or NaN) is a far point.
inline bool IsOneindig(double waarde) {
    return !(std::fabs(waarde) < 0.5 * Oneindig);
}

// The collapse load of a mechanism whose loads do no work, and the static theorem's load when
// the loads can grow without bound.
inline constexpr double OneindigeLast = std::numeric_limits<double>::infinity();

inline bool IsOneindigeLast(double last) {
    return std::isinf(last);
}

// Engine constants.
inline constexpr double VirtueleRotatie = 0.01;
inline constexpr double Vergroting = 15.0;

// 0 when |x| <= Tolerantie, else x: every equality test of the engine goes through it.
inline double Afkappen(double x) {
    return (x <= Tolerantie && x >= -Tolerantie) ? 0.0 : x;
}

// Replacement structure of one mechanism: the drawn structure with hinges placed, rollers
// replaced by pendulum bars, rigid joints merged and clamped parts removed. y points down.
struct TVKnoop {
    double x = 0.0;
    double y = 0.0;
    double Mp = 0.0;
    std::int32_t Oplegging = 0;
    std::int32_t Vrijheid = 3;
    bool Scharnier = false;

    bool operator==(const TVKnoop&) const = default;
};

struct TVStaaf {
    std::int32_t Knoop0 = -1;
    std::int32_t Knoop1 = -1;
    bool Bestaat = false;

    bool operator==(const TVStaaf&) const = default;
};

struct TVBelasting {
    std::int32_t s = -1; // bar that carries the load
    double x = 0.0;
    double y = 0.0;
    double Fx = 0.0;
    double Fy = 0.0;
    bool Bestaat = false;

    bool operator==(const TVBelasting&) const = default;
};

struct TVConstructie {
    std::vector<TVKnoop> Knopen;
    std::vector<TVStaaf> Staven;
    std::vector<TVBelasting> Belastingen;

    bool operator==(const TVConstructie&) const = default;
};

using TVMechanismen = std::vector<TVConstructie>;

// Analysis records: coordinate-based copies of the replacement structures, y pointing up.
// The kind of a part's end: the supports first, then the free nodes.
enum TKnoopSoort : std::uint8_t {
    KnoopRolHorizontaal = 0,
    KnoopRolVerticaal = 1,
    KnoopScharnierend = 2,
    KnoopIngeklemd = 3,
    KnoopVrijScharnierend = 4,
    KnoopVrijStijf = 5,
};

struct TKnoop {
    std::uint8_t Soort = KnoopRolHorizontaal; // a TKnoopSoort
    bool Stijf = false;                       // a plastic moment can develop at this bar end
    std::string Naam;
    double x = 0.0;
    double y = 0.0;
    double dx = 0.0;
    double dy = 0.0;
    double M = 0.0;
    double Mp = 0.0;
    std::int32_t Index = -1; // node of the replacement structure, -1 when made by hand
};

// The ground holds an end of any support kind.
inline bool IsOplegging(const TKnoop& knoop) {
    return knoop.Soort <= KnoopIngeklemd;
}

using TKnoopArray = std::array<TKnoop, 2>;

struct TRotatiecentrum {
    double x = 0.0;
    double y = 0.0;
};

struct TStaaf {
    TKnoopArray Knopen;
    TRotatiecentrum RC;
    double gamma = 0.0; // exact multiple of the virtual rotation; 0 for a part that translates
    std::int32_t VStaaf = -1;
    bool RCBekend = false; // the construction found a centre (it may lie at infinity)
};

struct TBelasting {
    double x = 0.0;
    double y = 0.0;
    double dx = 0.0;
    double dy = 0.0;
    std::int32_t s = -1; // index into avStaven of the part that carries the load
    double Fx = 0.0;
    double Fy = 0.0;
    std::string Naam;
    // A distributed load on part s: the bar it lies on and the length of the part, over which
    // Fx and Fy are the resultant, at the part's middle (x, y), where a rigid part's mean
    // displacement (dx, dy) is; -1 and 0 for a point load.
    std::int32_t Verdeeld = -1;
    double Lengte = 0.0;
};

using TStaafArray = std::vector<TStaaf>;
using TBelastingArray = std::vector<TBelasting>;
using TRegel1Array = std::vector<std::string>;
using TRegel2Array = std::vector<std::string>;
using TFactorenArray = std::vector<double>;

// Virtual work equation; the three arrays have length 2 * (AantalStaven + AantalBelastingen + 1).
struct TVgl {
    TRegel1Array Regel1;
    TRegel2Array Regel2;
    TFactorenArray Factoren;
    double Bezwijklast = 0.0;
};

// A chosen place inside the span of a bar with a distributed load, where the analysis put it.
struct TVeldscharnier {
    std::int32_t Staaf = -1;
    int Plaats = -1;      // index into the frame's places
    double Positie = 0.0; // share of the bar length from its first node
    double Afstand = 0.0; // metres from the bar's first node
    bool Draait = false;
};

struct TMechanisme {
    TStaafArray avStaven;
    TBelastingArray avBelastingen;
    TVgl Vgl;
    std::int32_t AantalStaven = 0;
    std::int32_t AantalBelastingen = 0;
    // Node indices, ascending: the chosen hinge places, and those of them that rotate.
    std::vector<std::int32_t> Scharnieren;
    std::vector<std::int32_t> DraaiendeScharnieren;
    // The chosen places and those of them that turn, as indices into the frame's hinge places,
    // ascending.
    std::vector<int> Plaatsen;
    std::vector<int> DraaiendePlaatsen;
    // The name of an independent mechanism, or of their combination; empty in a list of every
    // combination of hinge places.
    std::string Naam;
    // Index of the earlier mechanism with the same rotating hinges, or -1.
    std::int32_t GelijkAan = -1;
    // The chosen span places, in the order of the places.
    std::vector<TVeldscharnier> Veldscharnieren;
};

// A centre with a coordinate at Oneindig lies at infinity: its part translates.
inline bool IsEindig(const TRotatiecentrum& rc) {
    return !IsOneindig(rc.x) && !IsOneindig(rc.y);
}

using TMechanismeArray = std::vector<TMechanisme>;

} // namespace kx
