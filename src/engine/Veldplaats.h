#pragma once

#include "engine/Records.h"
#include "model/Constructie.h"

#include <cstdint>
#include <string>

namespace kx {

class Teksten;

// A place inside a bar as a student measures it: from the nearer end node (the first node where
// both are as near), in metres.
struct TVeldplaats {
    std::int32_t Knoop = -1;
    double Afstand = 0.0;
};

// The place at share positie of the length of bar staaf (a bar in use) from its first node.
TVeldplaats Veldplaats(const TConstructie& constructie, std::int32_t staaf, double positie);

// That place as the views write it, with three significant digits: "op 4.14 m van knoop 2".
std::string VeldplaatsTekst(const TConstructie& constructie, std::int32_t staaf, double positie,
                            const Teksten& teksten, char decimaalteken);

// The place of the turning span hinge that the part ends named naam stand for, as
// VeldplaatsTekst writes it; empty when naam names no such hinge of the mechanism.
std::string VeldscharnierTekst(const TMechanisme& mechanisme, const std::string& naam,
                               const TConstructie& constructie, const Teksten& teksten,
                               char decimaalteken);

} // namespace kx
