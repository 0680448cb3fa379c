#pragma once

#include "drawing/Gebieden.h"
#include "drawing/ViewContext.h"
#include "engine/EigenMechanisme.h"
#include "model/Constructie.h"

#include <QPainter>

#include <vector>

namespace kx {

// A hinge place as drawn: its index into the frame's places and its pixel.
struct TPlaatsPunt {
    int Plaats = -1;
    TPunt Punt;
};

// A click this close to a drawn place chooses it.
inline constexpr double PlaatsStraal = 10.0;

// The place drawn nearest to a pixel, within straal; -1 when none is that close.
int ZoekPlaats(const std::vector<TPlaatsPunt>& punten, TPunt pixel, double straal = PlaatsStraal);

// The student's own mechanism and the frame it is weighed against.
struct TEigenContext {
    const TEigenAnalyse& Analyse;
    const TEigenMechanisme& Mechanisme;
};

// The virtual work window with the student's own mechanism: the title and heading, the
// explanation on request, the analysed structure with every hinge place to click (the chosen
// ones red and yellow), whether the choice lets it move and why not, and, for a choice that
// moves, the blocks of TekenArbeid, the comparison with the collapse load and the moment line.
// Puts the places where they are drawn into punten and sets gebied.Bottom.
void TekenEigenMechanisme(QPainter& painter, TRechthoek& gebied, const TEigenContext& eigen,
                          const TViewContext& context, std::vector<TPlaatsPunt>& punten);

} // namespace kx
