#pragma once

#include "drawing/Gebieden.h"
#include "drawing/WeergaveOpties.h"

#include <QPainter>

namespace kx {

class TKrachtenanalyse;
class Teksten;

// What the force distribution view reads: the force side of the analysis, the display options,
// the text table and the decimal separator of the numbers.
struct TKrachtContext {
    const TKrachtenanalyse& Krachten;
    const TWeergaveOpties& Opties;
    const Teksten& Tekst;
    char Decimaalteken = '.';
};

// The force distribution view of one mechanism: per section switched on, its heading, its
// explanation on request, the moment line with the check against Mp and the static theorem, or
// the support reactions with the equilibrium sums written out. Without results, or for an index
// outside them, only the title and the headings. Sets gebied.Bottom to the height it needs.
void TekenKrachtsverdeling(QPainter& painter, TRechthoek& gebied, int mechanisme,
                           const TKrachtContext& context);

} // namespace kx
