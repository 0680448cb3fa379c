#pragma once

#include "drawing/Gebieden.h"
#include "engine/Records.h"
#include "model/Constructie.h"

#include <QPainter>

#include <string>
#include <vector>

namespace kx {

// One drawing of a grid of mechanisms: the mechanism, its caption (a blue link where it chooses
// a mechanism, else black), a second line below it (black, may be empty) and the index a click
// on it chooses, -1 where it chooses none.
struct TRasterCel {
    const TMechanisme* Mechanisme = nullptr;
    std::string Onderschrift;
    std::string Tweede;
    int Doel = -1;
};

// Draws the cells from y in rows of as many columns as the area's width holds, 40 pixels apart;
// a cell with a Doel gets click region r * k + c (its drawing and 20 pixels of caption below
// it). A page of k columns has k rows, the empty ones too; a grid that is not a page only the
// rows its cells fill. Returns the y below the grid.
double TekenRaster(QPainter& painter, const TRechthoek& gebied, double y,
                   const std::vector<TRasterCel>& cellen, bool pagina, Klikgebieden* klik,
                   const TConstructie& constructie);

} // namespace kx
