#pragma once

#include "drawing/Blokken.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QSize>

#include <functional>
#include <vector>

class QPagedPaintDevice;

namespace kx {

// A whole picture as a window shows it: its size in screen pixels and how to draw it there.
struct TPlaat {
    QSize Grootte;
    std::function<void(QPainter&)> Teken;
    // A view may be split over pages between its blocks; a drawing is kept whole on one page.
    bool Deelbaar = true;
};

// The picture recorded once, at screen resolution, to be played on any device, with the blocks
// its views reported while it was drawn.
struct TOpname {
    QPicture Beeld;
    std::vector<TBlok> Blokken;
};

TOpname NeemOp(const TPlaat& plaat);
QPicture Opname(const TPlaat& plaat);

// The picture on white at its own size in screen pixels.
QImage Rasterbeeld(const TPlaat& plaat);

// One page of a picture: the stretch [Boven, Onder) of it, drawn from the page's top at Schaal
// times the size the picture has on every page.
struct TPaginaDeel {
    double Boven = 0.0;
    double Onder = 0.0;
    double Schaal = 1.0;

    bool operator==(const TPaginaDeel&) const = default;
};

// The pages of a picture of the given height whose views reported these blocks, each page at
// most paginaHoogte high: a page is filled before it breaks, breaks only between blocks, never
// ends in a heading that has something after it and is never empty; a drawing taller than a page
// gets a page of its own, scaled down to fit, together with the headings above it. Text that
// has no break within a page's height is cut at the page's foot. A picture without blocks is one
// drawing.
std::vector<TPaginaDeel> Paginaplan(std::vector<TBlok> blokken, double hoogte, double paginaHoogte);

// Draws the picture on the pages of a printer or PDF writer as Paginaplan divides it, from the
// current page on, scaled down to the page width when wider (a drawing that may not be split: to
// the page), without turning text into pixels. Each page is clipped to its stretch, so a view
// never clips: a recording replays the end of a clip as clipping switched off, which would lift
// the page's clip. Returns the number of pages used.
int TekenOpBladzijden(QPagedPaintDevice& apparaat, const TPlaat& plaat);

} // namespace kx
