#pragma once

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

// The picture recorded once, at screen resolution, to be played on any device.
QPicture Opname(const TPlaat& plaat);

// The picture on white at its own size in screen pixels.
QImage Rasterbeeld(const TPlaat& plaat);

// Where the pages of a picture drawn on this image end, each at most paginaHoogte rows: at the
// lowest wide white gap of a page that is not inside a drawing (so between blocks and
// drawings), else at its lowest white row, else at the page height. Starts with 0 and ends with
// the image's height.
std::vector<int> Paginagrenzen(const QImage& beeld, int paginaHoogte);

// Draws the picture on the pages of a printer or PDF writer, from its current page on, scaled
// down to the page width when wider (a drawing that may not be split: to the page), without
// turning text into pixels. Returns the number of pages used.
int TekenOpBladzijden(QPagedPaintDevice& apparaat, const TPlaat& plaat);

} // namespace kx
