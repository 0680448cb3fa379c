#pragma once

#include "drawing/Afbeelding.h"
#include "model/Bevraging.h"
#include "model/Selectie.h"

#include <QPainter>
#include <QSize>

#include <string>

namespace kx {

// White background of w by h pixels with the grid lines at every snap step; grid-cell borders
// are two pixels wide.
void TekenGrid(QPainter& painter, int w, int h, int gridSize, int fijnheid);

// Grid, bars, node symbols, distributed and point loads of the structure as the editor shows it,
// with the items found under the mouse in blue. Draws the structure as it is: the caller
// normalises it first. A distributed load is labelled with its size, in decimaalteken.
void TekenConstructie(QPainter& painter, const TConstructie& constructie, const TSelectie& gevonden,
                      const TEditorInstellingen& instellingen, QSize grootte,
                      char decimaalteken = '.');

// The label of a distributed load of size q (multiples of F per metre), as "q = 2 F/m".
std::string VerdeeldeBelastingLabel(double q, char decimaalteken);

// What follows the mouse in the editor during a drag: the bar or load arrow from the press point
// to the snapped mouse point, or the line along which a node is moved; red where the drop would
// be refused.
struct TSleepbeeld {
    enum TSoort { Geen, Staaf, Belasting, Knoop };
    TSoort Soort = Geen;
    TPunt Van;
    TPunt Naar;
    bool Geweigerd = false;
};
void TekenSleepbeeld(QPainter& painter, const TSleepbeeld& beeld);

// A ring round the node under the mouse.
void TekenKnoopMarkering(QPainter& painter, TPunt punt);

// Pen width of a bar in the editor: 2 * Mp / 50 within 1..6, truncated.
int StaafDikte(double mp);

} // namespace kx
