#pragma once

#include "model/Constructie.h"

#include "drawing/Gebieden.h"
#include "drawing/Opmaak.h"
#include "model/Bevraging.h"

#include <QColor>
#include <QPainter>

#include <string>
#include <vector>

namespace kx {

// The symbols of a structure, drawn with a solid pen of width trunc(w); circles and arrowheads
// are filled with vul and outlined with lijn. Sizes are multiplied by w. A non-empty label is
// written in lijn, starting Links pixels right of the anchor and ending Onder pixels above it.
//
// hoek is the direction, counter-clockwise as seen on the screen, of the local +x axis: a
// support lies on its local -x side, so 0 puts it left of the node, pi/2 below, pi right and
// 3pi/2 above; a load arrow points along local +x with its head at the point.

// A bar line; the label's anchor is its midpoint.
void TekenStaaf(QPainter& painter, QColor lijn, QColor vul, double w, const TOpmaak& opmaak,
                const std::string& label, TPunt van, TPunt naar);

void TekenRolscharnier(QPainter& painter, QColor lijn, QColor vul, double w, const TOpmaak& opmaak,
                       const std::string& label, TPunt punt, double hoek);
void TekenScharnierendeOplegging(QPainter& painter, QColor lijn, QColor vul, double w,
                                 const TOpmaak& opmaak, const std::string& label, TPunt punt,
                                 double hoek);
void TekenInklemming(QPainter& painter, QColor lijn, QColor vul, double w, const TOpmaak& opmaak,
                     const std::string& label, TPunt punt, double hoek);

// Hinged connection: a circle of diameter 5w.
void TekenScharnier(QPainter& painter, QColor lijn, QColor vul, double w, const TOpmaak& opmaak,
                    const std::string& label, TPunt punt);

// How far the marks of a joint of three or more bars reach from its node, in pixels at w = 1.
inline constexpr double KnooppuntBereik = 11.0;

// A rigid joint of three or more bars: a dot of diameter 6w filled with vul.
void TekenStijveKnoop(QPainter& painter, QColor lijn, QColor vul, double w, TPunt punt);

// A hinged joint of three or more bars: a hinge circle on every bar end, 7w from the node along
// the bar, each bar's direction given counter-clockwise as seen on the screen.
void TekenScharnierenPerStaaf(QPainter& painter, QColor lijn, QColor vul, double w, TPunt punt,
                              const std::vector<double>& staafRichtingen);

// The connection of a node's bars: a hinge circle where they are hinged, nothing where they are
// rigid; at a joint of three or more bars a dot filled with stip where rigid and a circle per bar
// end where hinged.
void TekenVerbinding(QPainter& painter, QColor lijn, QColor vul, QColor stip, TPunt punt,
                     bool stijf, const std::vector<double>& staafRichtingen);

// Where the hinge of a bar end at a joint of three or more bars is drawn: 7w from the node along
// the bar, whose direction is given counter-clockwise as seen on the screen.
TPunt ScharnierBijKnooppunt(TPunt knoop, double richting, double w = 1.0);

// Load arrow with its head at punt and a shaft of lengte pixels (not scaled by w) behind it; the
// label's anchor is the tail.
void TekenBelasting(QPainter& painter, QColor lijn, QColor vul, double w, const TOpmaak& opmaak,
                    const std::string& label, TPunt punt, double hoek, double lengte);

// A uniformly distributed load on the bar from van to naar: a row of arrows with their heads on
// the bar, each with a shaft of lengte pixels pointing along hoek, and a line through their tails.
// The label is written beside the middle of that line, on its side away from the bar.
void TekenVerdeeldeBelasting(QPainter& painter, QColor lijn, QColor vul, double w,
                             const TOpmaak& opmaak, const std::string& label, TPunt van, TPunt naar,
                             double hoek, double lengte);

// The box that TekenVerdeeldeBelasting paints with the same arguments: its arrows and its label.
TRechthoek VerdeeldeBelastingVak(const QPainter& painter, const TOpmaak& opmaak,
                                 const std::string& label, TPunt van, TPunt naar, double hoek,
                                 double lengte);

// The heads of the arrows of TekenVerdeeldeBelasting along a bar of the given length in pixels:
// both ends and equal steps of about 25 pixels between them, as shares of the length from 0 to 1.
std::vector<double> VerdeeldePijlen(double staaflengte);

// Top-left corner of a symbol label: Links pixels right of the anchor, ending Onder pixels above
// it.
TPunt LabelPositie(const QPainter& painter, const TOpmaak& opmaak, TPunt anker);

// A circle of the given diameter about a point, filled and outlined in the painter's brush and
// pen, placed as the symbols place theirs.
void TekenCirkel(QPainter& painter, TPunt midden, double diameter);

// Whether a support code has a symbol: the two rollers, the pinned and the fixed support.
inline bool HeeftOplegSymbool(std::int32_t oplegging) {
    return oplegging == RolHorizontaal || oplegging == RolVerticaal || oplegging == Scharnierend ||
           oplegging == Inklemming;
}

// The box the symbol of a support code turned by hoek takes about its node, in pixels relative to
// the node with its pen; empty for a code without a symbol.
TRechthoek OplegSymboolVak(std::int32_t oplegging, double hoek);

// The symbol of a support code at punt, turned by hoek, without label; nothing for a code
// without a symbol.
void TekenOplegSymbool(QPainter& painter, std::int32_t oplegging, QColor lijn, QColor vul,
                       const TOpmaak& opmaak, TPunt punt, double hoek);

} // namespace kx
