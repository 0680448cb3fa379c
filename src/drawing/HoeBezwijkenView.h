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

// The page a view of the area's width shows for the page request (Eerste, Laatste).
TPagina PaginaVoor(const TRechthoek& gebied, int Eerste, int Laatste, const TAnalyse& analyse);

// The mechanism view: the indeterminacy with its derivation, the number of mechanisms and the
// page of mechanism drawings that PaginaVoor gives, with page links. Fills the click regions
// 0-17 and sets gebied.Bottom to the height the picture needs; the request is not changed, so
// every drawing of the same request and width shows the same page.
void TekenHoeBezwijken(QPainter& painter, TRechthoek& gebied, int Eerste, int Laatste,
                       Klikgebieden& klik, const TViewContext& context);
void TekenHoeBezwijken(QPainter& painter, TRechthoek& gebied, int Eerste, int Laatste,
                       Klikgebieden& klik, const TAnalyse& analyse, const TConstructie& constructie,
                       const TWeergaveOpties& opties, const Teksten& teksten);

} // namespace kx
