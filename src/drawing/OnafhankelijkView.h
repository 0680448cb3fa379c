#pragma once

#include "drawing/Gebieden.h"
#include "drawing/ViewContext.h"

#include <QPainter>

namespace kx {

// The section of the mechanism view on the independent mechanisms, for a frame that has two or
// more: how many there are, their drawings with their names (or where the list holds them), the
// governing mechanism as their combination and, with the explanation shown, the hinge work that
// cancels in it. Draws from y and returns the y below; nothing for fewer than two.
double TekenOnafhankelijk(QPainter& painter, const TRechthoek& gebied, double y,
                          const TViewContext& context);

} // namespace kx
