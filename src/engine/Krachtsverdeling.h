#pragma once

#include "engine/Evenwicht.h"
#include "engine/Toleranties.h"

#include <vector>

namespace kx {

// Forces of one bar: end moments (sagging positive, kNm), normal force (tension positive) and
// shear force dM/ds along the bar from Knoop0 to Knoop1 (kN). Under a distributed load the moment
// line is the line between the end moments plus a parabola that rises Parabool above it at
// mid-span (kNm, sagging positive; 0 without a load across the bar).
struct TStaafkrachten {
    int Slot = -1;
    double M0 = 0.0;
    double M1 = 0.0;
    double N = 0.0;
    double V = 0.0;
    double Parabool = 0.0;
};

// The moment of a bar at share xi of its length from Knoop0.
double MomentInStaaf(const TStaafkrachten& staaf, double xi);

// The reactions of one support node: Rx to the right, Ry upward (kN), M anticlockwise (kNm).
struct TOplegreactie {
    int Knoop = -1;
    double Rx = 0.0;
    double Ry = 0.0;
    double M = 0.0;
};

// A plastic hinge of the mechanism: its node, the moment in the weakest bar end there and
// whether the mechanism turns it (a hinge that does not turn has a moment within Mp). A hinge
// inside a span lies in bar Staaf at share Positie of its length from Knoop0, its node being
// that bar's first; Staaf is -1 for a hinge at a node.
struct TScharnierMoment {
    int Knoop = -1;
    double M = 0.0;
    double Mp = 0.0;
    bool Draait = false;
    int Staaf = -1;
    double Positie = -1.0;
};

// Where the moment of a bar with a distributed load peaks inside it: the share of its length
// and the metres from Knoop0, the moment there (sagging positive) and the bar's Mp.
struct TVeldpiek {
    int Slot = -1;
    double Positie = 0.0;
    double Afstand = 0.0;
    double M = 0.0;
    double Mp = 0.0;
};

// The forces of a frame at collapse in one mechanism.
struct TKrachtsverdeling {
    // False when no force distribution belongs to the mechanism: its loads do no work
    // (Fp infinite), it moves without turning a hinge (Fp 0), or no equilibrium at Fp was
    // found. A distribution out of balance is never given.
    bool Bestaat = false;
    double Bezwijklast = 0.0;
    // Peak |M| / Mp over every bar end and inside every loaded bar; at least 1.
    double Momentverhouding = 0.0;
    // Equilibrium fixed every moment (self-stress without moments is left out); otherwise the
    // distribution with the least peak ratio was taken.
    bool Eenduidig = false;
    std::vector<TStaafkrachten> Staven;        // slot order
    std::vector<TOplegreactie> Reacties;       // node order
    std::vector<TScharnierMoment> Scharnieren; // in the order of the places given
    // The loaded bars whose moment peaks inside them, in slot order. V of such a bar is the
    // shear at its middle.
    std::vector<TVeldpiek> Veldpieken;
    // Largest imbalance of any node equation, kN or kNm.
    double Residu = 0.0;

    double Ondergrens() const { return Bezwijklast / Momentverhouding; }
};

// Entries of the dense least-peak program above which it is posed on the sparse equilibrium
// equations instead: the dense program of a frame of some hundred bars takes CLP minutes, the
// sparse one milliseconds. Smaller frames keep the dense program and its distributions.
inline constexpr Eigen::Index GrootsteDichteProgramma = 20000;

// The forces at collapse for the mechanism with plastic hinges at the nodes in plaatsen, each
// at the end of the bar staven gives for it (the node's weakest bar end where none is given).
// Compatible hinge rotations do no work on any state of self-stress. When that leaves one
// motion, it gives the hinge moments' signs and the collapse load by virtual work, and
// bezwijklast is not used. When it leaves more, the forces are found at bezwijklast with the
// hinges free, unless bezwijklast lies below what the least dissipating of those motions
// gives: then at that motion's load, with its hinges at Mp. Hinges that do not turn keep a
// moment within Mp, and where equilibrium leaves freedom the distribution with the least peak
// |M| / Mp, at the bar ends and inside the loaded bars, is taken, by the dense program or, above
// grootsteDicht entries, the sparse one.
// A place with a position in posities (a share of bar staven[i] from its first node, -1 for
// none) lies inside that bar's span, where its moment is the line between the end moments plus
// the parabola of the bar's distributed load.
TKrachtsverdeling BepaalKrachtsverdeling(const TEvenwicht& evenwicht,
                                         const std::vector<int>& plaatsen, double bezwijklast,
                                         const std::vector<int>& staven = {},
                                         Eigen::Index grootsteDicht = GrootsteDichteProgramma,
                                         const std::vector<double>& posities = {});

// The largest |entry| of v; 0 for an empty v.
double GrootsteWaarde(const Eigen::VectorXd& v);

// Whether a distribution x at lambda with this largest node imbalance is in equilibrium, within
// Evenwichtstolerantie of its largest force or load; one that is not is never reported.
bool InEvenwicht(const TEvenwicht& evenwicht, const Eigen::VectorXd& x, double lambda,
                 double residu);

// The largest |M| / Mp of x at lambda, at the bar ends and inside the loaded bars.
double Momentpiek(const TEvenwicht& evenwicht, const Eigen::VectorXd& x, double lambda);

// The forces of x as bar forces and reactions, with the largest node imbalance at lambda.
void VulKrachten(const TEvenwicht& evenwicht, const Eigen::VectorXd& x, double lambda,
                 TKrachtsverdeling& verdeling);

} // namespace kx
