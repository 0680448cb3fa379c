#pragma once

#include "drawing/Gebieden.h"
#include "drawing/ViewContext.h"

#include <QPainter>

namespace kx {

// The first and last mechanism index of a page of k x k mechanisms; -1 in one of the inputs is
// derived from the other, and a last page is filled up from before.
struct TPagina {
    int Eerste = 0;
    int Laatste = -1;
};
TPagina BepaalPagina(int eerste, int laatste, int k, int aantal);

// Mechanisms per row for a view of the given width in pixels (1 to 4).
int Kolommen(int breedte);

// The mechanism view: the indeterminacy with its derivation, the number of mechanisms and a
// page of mechanism drawings with page links. Fills the click regions 0-17, writes the last
// mechanism drawn to Laatste and sets gebied.Bottom to the height the picture needs.
void TekenHoeBezwijken(QPainter& painter, TRechthoek& gebied, int Eerste, int& Laatste,
                       Klikgebieden& klik, const TViewContext& context);
void TekenHoeBezwijken(QPainter& painter, TRechthoek& gebied, int Eerste, int& Laatste,
                       Klikgebieden& klik, const TAnalyse& analyse,
                       const TManipuleerConstructie& constructie, const TWeergaveOpties& opties,
                       const Teksten& teksten);

} // namespace kx
