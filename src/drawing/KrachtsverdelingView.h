#pragma once

#include "drawing/Gebieden.h"
#include "drawing/WeergaveOpties.h"

#include <QPainter>

namespace kx {

class Teksten;

// The force distribution view: its title and, per section switched on, the heading and the note
// that the section has not been worked out. Sets gebied.Bottom to the height it needs.
void TekenKrachtsverdeling(QPainter& painter, TRechthoek& gebied, const TWeergaveOpties& opties,
                           const Teksten& teksten);

} // namespace kx
