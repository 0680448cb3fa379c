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
};

} // namespace kx
