#pragma once

#include "drawing/LabelPlaatser.h"
#include "drawing/MechanismeTekening.h"
#include "engine/Krachtsverdeling.h"
#include "model/Constructie.h"

#include <QColor>
#include <QPainter>

namespace kx {

class Teksten;

// The structure as the force side draws it: its bars, its supports and, over them, a moment
// line with the hinges of the mechanism it belongs to.

// Height a drawing of the structure takes at most when no other limit is given.
inline constexpr double MaxTekeningHoogte = 340.0;

// The cell of a drawing of the structure at y: the width of the area, or less for a frame so
// high that the drawing would pass maxHoogte. A flat frame's box is at least hoogteDeel of its
// width high; with 0 it is as high as the scaling of a line needs.
TCelAfbeelding MaakTekeningCel(const TConstructie& c, const TRechthoek& gebied, double y,
                               double maxHoogte = MaxTekeningHoogte, double hoogteDeel = 0.0);

void TekenStaven(QPainter& painter, const TConstructie& c, const TCelAfbeelding& cel, QColor kleur,
                 double breedte);
void TekenOpleggingen(QPainter& painter, const TConstructie& c, const TCelAfbeelding& cel,
                      QColor kleur);

// The mechanism's hinges: yellow where they turn, white where they do not; a hinge inside a span
// at its place in the bar.
void TekenScharnieren(QPainter& painter, const TConstructie& c, const TCelAfbeelding& cel,
                      const TKrachtsverdeling& v);

// The whole picture of a distribution at y, in a cell as MaakTekeningCel makes it: first every
// moment area (on the tension side of its bar, the parabola of a distributed load as a smooth
// curve), then the bars, the red ordinates of values beyond Mp, the supports and hinges (one
// inside a span at its place), and last the values, each end's once per node and value and the
// peak inside a loaded bar with its place. Returns the y below it.
double TekenMomentenlijn(QPainter& painter, const TRechthoek& gebied, double y,
                         const TConstructie& c, const TKrachtsverdeling& v, const Teksten& teksten,
                         char decimaalteken, double maxHoogte = MaxTekeningHoogte,
                         double hoogteDeel = 0.0);

} // namespace kx
