#pragma once

#include "drawing/LabelPlaatser.h"
#include "drawing/MechanismeTekening.h"
#include "drawing/Opmaak.h"
#include "model/Bevraging.h"

#include <QColor>
#include <QPainter>

#include <string>
#include <vector>

namespace kx {

// A dimension figure between two world points: a horizontal dimension for their difference in x
// and a vertical one for their difference in y, each only when that difference is neither zero
// nor infinite. Both lines run past Naar, Offset pixels beyond it as seen from Van: the
// horizontal one below or above Naar, the vertical one right or left of it.
struct TMaat {
    TPunt Van;
    TPunt Naar;
    std::string LabelX;
    std::string LabelY;
    double Offset = 10.0;
};

void TekenMaat(QPainter& painter, const TCelAfbeelding& cel, QColor kleur, const TOpmaak& opmaak,
               const TMaat& maat, TLabelPlaatser& labels);

// The boxes the lines of a dimension figure take with their ticks, for labels to keep clear of.
std::vector<TRechthoek> MaatVakken(const TCelAfbeelding& cel, const TMaat& maat);

// The box the arc of a moment arrow at a part end takes, with its arrowhead.
TRechthoek MomentpijlVak(TPunt eind, TPunt ander);

// One dimension line in screen pixels from a to b (horizontal or vertical), with end ticks and
// arrowheads; the label is centred on it, preferably on the side zijde (-1 left or above, +1
// right or below).
void TekenMaatlijn(QPainter& painter, QColor kleur, const TOpmaak& opmaak, TPunt a, TPunt b,
                   int zijde, const std::string& label, TLabelPlaatser& labels);

// A horizontal curly brace between x1 and x2, its ends at y1 and its point down at y2.
void TekenAccolade(QPainter& painter, QColor kleur, double x1, double y1, double x2, double y2);

// A filled arrowhead with its tip at punt, pointing in the direction hoek (counter-clockwise as
// seen on the screen).
void TekenPijlpunt(QPainter& painter, QColor kleur, TPunt punt, double hoek, double lengte,
                   double breedte);

// The rotation of a part about its centre: dotted silver lines to an end before and after the
// displacement, the shorter arc between them with an arrowhead, and the label right-aligned in a
// corner beside the centre away from the arc (the upper right is left to the centre's name).
void TekenHoekmarkering(QPainter& painter, QColor kleur, const TOpmaak& opmaak, TPunt centrum,
                        TPunt voor, TPunt na, const std::string& label, TLabelPlaatser& labels);

// A curved moment arrow at a part end: a half circle across the part near the end, turning
// anticlockwise on the screen when linksom is set. The label goes beside the outer end of the
// arc (away from midden), else beside the inner end; where neither is clear of the labels
// placed before it, it is left out: the equation holds the moment too.
void TekenMomentpijl(QPainter& painter, QColor kleur, const TOpmaak& opmaak, TPunt eind,
                     TPunt ander, bool linksom, TPunt midden, const std::string& label,
                     TLabelPlaatser& labels);

// A moment about midden: three quarters of a circle from 45 degrees, open on the side it turns
// away from, with its arrowhead at the end it turns to, anticlockwise on the screen when linksom
// is set.
void TekenMomentboog(QPainter& painter, QColor kleur, TPunt midden, double straal, bool linksom);

} // namespace kx
