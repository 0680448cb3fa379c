#pragma once

#include "model/Constructie.h"

#include <cstdint>
#include <string>

namespace kx {

class Teksten;

// Indeterminacy counts of the structure check.
struct TOnbepaaldheid {
    std::int32_t AantalOnbekenden = 0;        // U
    std::int32_t AantalVergelijkingen = 0;    // E
    std::int32_t AantalScharnierplaatsen = 0; // H
    std::int32_t S() const { return AantalOnbekenden - AantalVergelijkingen; }
};

// The counts of a frame: unknowns, equations and hinge places.
TOnbepaaldheid TelOnbepaaldheid(const TConstructie& constructie);

// Every complaint about a normalised structure as one message, in teksten; empty when it passes.
std::string ControleerConstructie(const TConstructie& c, const Teksten& teksten);
// Whether qx and qy make a distributed load the analysis can handle: not both zero, each either
// zero or between 0.001 and 1000000 in magnitude.
bool GeldigeVerdeeldeBelasting(double qx, double qy);
// The complaints about sizes outside the bounds the analysis can handle.
std::string BuitenDeMethode(const TConstructie& c, const Teksten& teksten);

} // namespace kx
