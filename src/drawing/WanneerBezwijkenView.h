#pragma once

#include "drawing/Gebieden.h"
#include "drawing/ViewContext.h"
#include "engine/Records.h"

#include <QPainter>

namespace kx {

// The virtual work view of one mechanism: the annotated drawing of its deformation, the virtual
// work equation term by term, the reduced equation, the collapse load and the verdict. Sets
// click region 18 inactive and gebied.Bottom to the height the picture needs. An index outside
// the results draws only the title.
void TekenWanneerBezwijken(QPainter& painter, TRechthoek& gebied, int mechanisme,
                           Klikgebieden& klik, const TViewContext& context);

// The blocks of one mechanism that the display options switch on, from y: the annotated
// drawing, the equation with one term per hinge and one per load, the reduced equation and Fp.
// Returns the y below them.
double TekenArbeid(QPainter& painter, const TRechthoek& gebied, double y, const TMechanisme& m,
                   const TViewContext& context);

} // namespace kx
