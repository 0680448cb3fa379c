#pragma once

#include "drawing/Afbeelding.h"
#include "model/ManipuleerConstructie.h"

#include <QPainter>
#include <QSize>

namespace kx {

// White background of w by h pixels with the grid lines at every snap step; grid-cell borders
// are two pixels wide.
void TekenGrid(QPainter& painter, int w, int h, int gridSize, int fijnheid);

// Grid, bars, node symbols and loads of the structure as the editor shows it, with the items
// found under the mouse in blue. Draws the structure as it is: the caller normalises it first.
void TekenConstructie(QPainter& painter, const TManipuleerConstructie& constructie,
                      const TEditorInstellingen& instellingen, QSize grootte);

// Pen width of a bar in the editor: 2 * Mp / 50 within 1..6, truncated.
int StaafDikte(double mp);

} // namespace kx
