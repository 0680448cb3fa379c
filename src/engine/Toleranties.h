#pragma once

// Tolerances of the engine, each with the reason for its value. Relative ones are shares of a
// size named beside them, so that a frame of 1e-12 kN and one of 1e6 kN are judged alike.

namespace kx {

// Lengths (m) and angles (rad) nearer 0 than this are 0: drawn coordinates lie on a grid of at
// least a quarter metre, while the rounding of coordinates up to 10000 m stays near 1e-12 m.
inline constexpr double Tolerantie = 1e-5;

// Two parts whose rotations differ by less than this share of the largest rotation turn
// alike: every rotation is the virtual rotation times a few quotients of coordinates, each
// rounded near 1e-16.
inline constexpr double RotatieRuis = 1e-9;

// External work below this share of the loads' size times the largest displacement of the
// mechanism is none: displacements carry the rounding of the rotations, while a load on a part
// that moves works at least its size times a grid step times that part's rotation.
inline constexpr double ArbeidsRuis = 1e-9;

// Two collapse loads within this share of the larger are equal: loads found by different
// roads (other mechanisms, another pass, the force side) differ only in their last bits.
inline constexpr double GelijkeLasten = 1e-9;

// The equilibrium equations' rank: singular values and pivots below this share of the largest
// are rounding; A holds direction cosines and reciprocal bar lengths, all of order 1.
inline constexpr double EvenwichtsRangdrempel = 1e-10;

// The loads are carried when the least-squares distribution leaves a node imbalance within
// this share of the loads; a frame that moves leaves a real share of them unbalanced.
inline constexpr double Draagtolerantie = 1e-9;

// Entries of the load-carrying distribution Xb, and work of the loads on a motion, below this
// share of Xb's size are the rounding of its least-squares solve.
inline constexpr double XbRuis = 1e-9;

// Singular values of the hinge rows of the orthonormal self-stress basis below this are zero:
// those rows are on the scale of 1.
inline constexpr double ScharnierRangdrempel = 1e-9;

// A hinge rotation below this share of the largest rotation of the motion does not turn.
inline constexpr double DraaiRuis = 1e-9;

// Node imbalances up to this share of the largest force or load count as rounding.
inline constexpr double Evenwichtstolerantie = 1e-9;

// A moment within this share of Mp below it has reached Mp: the linear programs meet their
// bounds to 1e-10 of Mp, and a millionth shows in none of the printed digits.
inline constexpr double MpBereikt = 1e-6;

// Moment ratios at or below 1 + this count as 1, for the same reason.
inline constexpr double Verhoudingstolerantie = 1e-6;

// The static theorem's load factor on its own scale (the largest Mp against the largest moment
// the loads cause at factor 1): below this it lies within the solver's tolerances of 0.
inline constexpr double Sterktespoor = 1e-9;

// Coefficients of a linear program below this share of the largest in their column are
// rounding of what should be zero: a column comes from one computation (a state of
// self-stress, the loads). Left in, the solver's scaling blows them up and it may report a
// point as optimal that is not.
inline constexpr double LpRuis = 1e-12;

// The solver's primal and dual tolerances, absolute: every program is posed on the scale of 1
// (moments against the largest Mp, rotations against the loads' work), where they lie far
// above the rounding of its data and far below any digit a view prints.
inline constexpr double LpPrimaleTolerantie = 1e-10;
inline constexpr double LpDualeTolerantie = 1e-10;

// Pivots of the frame's compatibility equations below this share of the largest are zero: the
// equations hold direction cosines and lengths against the frame's size, all of order 1, whose
// rounding stays near 1e-15.
inline constexpr double KinematischeRangdrempel = 1e-10;

// The same for the compatibility equations of a mechanism's parts along the chain.
inline constexpr double DelenRangdrempel = 1e-10;

// A motion adds a direction to a basis of mechanisms when what the basis leaves of it is more
// than this share of it: far above the rounding of the kernel, far below any mechanism.
inline constexpr double NieuweRichting = 1e-8;

// Two bars meet in line when the sine of their angle is below this: drawn on a grid, bars are
// in line exactly or at an angle whose sine exceeds 1e-4.
inline constexpr double InLijn = 1e-9;

// A coefficient of a combination of mechanisms within this of 1 is 1, and one below this share
// of the largest is 0: the combination comes from a least-squares solve.
inline constexpr double CombinatieAfronding = 1e-9;

} // namespace kx
