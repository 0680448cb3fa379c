#pragma once

#include "drawing/Gebieden.h"
#include "drawing/Paginering.h"
#include "drawing/ViewContext.h"

#include <QPainter>

namespace kx {

// The page a view of the area's width shows when mechanism `gevraagd` is asked for.
TPagina PaginaVoor(const TRechthoek& gebied, int gevraagd, const TAnalyse& analyse);

// The mechanism view: the indeterminacy with its counting, the number of mechanisms and the page
// of mechanism drawings that PaginaVoor gives, with the links of the pager; then, for a frame of
// two or more independent mechanisms, those mechanisms and the governing one as their
// combination. Fills the click regions of the mechanism view, each link's Doel a mechanism on
// the page it leads to, and sets gebied.Bottom to the height the picture needs; the request is
// not changed, so every drawing of the same request and width shows the same page.
void TekenHoeBezwijken(QPainter& painter, TRechthoek& gebied, int gevraagd, Klikgebieden& klik,
                       const TViewContext& context);

} // namespace kx
