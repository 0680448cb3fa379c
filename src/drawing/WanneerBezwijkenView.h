#pragma once

#include "drawing/Gebieden.h"
#include "drawing/ViewContext.h"

#include <QPainter>

namespace kx {

// The virtual work view of one mechanism: the annotated drawing of its deformation, the virtual
// work equation term by term, the reduced equation, the collapse load and the verdict. Sets
// click region 18 inactive and gebied.Bottom to the height the picture needs. An index outside
// the results draws only the title.
void TekenWanneerBezwijken(QPainter& painter, TRechthoek& gebied, int mechanisme,
                           Klikgebieden& klik, const TViewContext& context);

} // namespace kx
