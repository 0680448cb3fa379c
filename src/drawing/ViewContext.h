#pragma once

#include "drawing/WeergaveOpties.h"

namespace kx {

class TAnalyse;
struct TConstructie;
class Teksten;

// What the analysis views read: the results, the structure with its indeterminacy counts, the
// display options and the text table. Numbers use the analysis's decimal separator.
struct TViewContext {
    const TAnalyse& Analyse;
    const TConstructie& Constructie;
    const TWeergaveOpties& Opties;
    const Teksten& Tekst;
    // The height of the window's visible part, which a large drawing of one mechanism keeps
    // within so that what follows it is in sight; 0 where there is no window.
    double ZichtbareHoogte = 0.0;
};

} // namespace kx
