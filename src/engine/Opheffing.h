#pragma once

#include "engine/Onafhankelijk.h"
#include "model/Knoopbetekenis.h"

#include <string>
#include <vector>

namespace kx {

class Teksten;

// A place where the mechanisms of a combination turn against each other: each mechanism's
// rotation there times its coefficient (in units of the largest rotation, theta), their sum, and
// the hinge work Mp times what cancels (the sum of the magnitudes less the magnitude of the sum).
struct TPlaatsOpheffing {
    int Plaats = -1;
    std::vector<std::pair<std::size_t, double>> Rotaties;
    double Som = 0.0;
    double Weg = 0.0;
    double Mp = 0.0;
};

// The hinge work of a combination of independent mechanisms: every mechanism's own work in the
// combination (its coefficient's magnitude times the sum of Mp |rotation| over the places), the
// places where work cancels, and the work of the combination itself, which is the first less the
// second. Rotations and work are in units of theta; numbers below rounding are zero.
struct TOpheffing {
    std::vector<double> Arbeid;
    std::vector<TPlaatsOpheffing> Plaatsen;
    double Samen = 0.0;
};

TOpheffing BepaalOpheffing(const std::vector<TOnafhankelijkMechanisme>& basis,
                           const std::vector<double>& coefficienten,
                           const std::vector<TScharnierplaats>& plaatsen);

// The hinge work written out line by line: one line per place where work cancels, then the work
// of the combination as the sum of its mechanisms' work less what cancels; one line saying that
// nothing cancels where nothing does.
std::vector<std::string> OpheffingTekst(const TOpheffing& opheffing,
                                        const std::vector<TOnafhankelijkMechanisme>& basis,
                                        const std::vector<TScharnierplaats>& plaatsen,
                                        const Teksten& teksten, char decimaalteken);

} // namespace kx
