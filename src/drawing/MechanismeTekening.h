#pragma once

#include "drawing/Afbeelding.h"
#include "drawing/Gebieden.h"
#include "engine/Records.h"
#include "model/Constructie.h"

#include <QColor>
#include <QPainter>

#include <utility>
#include <vector>

namespace kx {

// The mapping of one mechanism drawing: its world box and its cell on the screen.
struct TCelAfbeelding {
    TGrenzen Grenzen;
    TRechthoek Cel;

    TPunt Scherm(TPunt wereld) const { return NaarScherm(wereld, Grenzen, Cel); }
    TPunt Scherm(const TKnoop& knoop, bool verplaatst) const;
    // Pixels per metre.
    double Schaal() const;
};

// A cell from links to rechts starting at boven, fitted to the mechanism's box widened so that
// the symbols and sketched loads, drawn at fixed pixel sizes, lie inside it. A cell is at most
// 900 pixels and 1.5 times its width high: a taller frame is drawn narrower, in the middle.
TCelAfbeelding MaakCel(const TMechanisme& mechanisme, const TConstructie& constructie, double links,
                       double boven, double rechts, bool metRotatiecentra);

// A node of the structure in an analysis view, in the colour with white fills: its support
// upright, and its connection where it has no support or joins three or more bars.
void TekenAnalyseKnoop(QPainter& painter, const TConstructieKnoop& knoop, TPunt punt,
                       const std::vector<double>& staafRichtingen, QColor kleur);

// The drawn structure behind a mechanism, light grey with white symbols; the loads on request.
void TekenSchets(QPainter& painter, const TConstructie& constructie, const TCelAfbeelding& cel,
                 bool metBelastingen);

// The mechanism's parts as lines of width 1 in the colour, undisplaced or displaced.
void TekenDelen(QPainter& painter, const TMechanisme& mechanisme, const TCelAfbeelding& cel,
                QColor kleur, bool verplaatst);

// The symbols of the part ends by their kind, white filled, undisplaced or displaced.
void TekenEindSymbolen(QPainter& painter, const TMechanisme& mechanisme, const TCelAfbeelding& cel,
                       QColor kleur, bool verplaatst);

// The mechanism on the frame as the student drew it, undisplaced or displaced: for a single chain,
// whose mechanisms are worked out on replacement structures (merged parts, pendulums for
// rollers, clamped parts removed), every drawn bar as a line of width 1 in the colour; for any
// other frame, whose parts are its bars, the parts.
void TekenVorm(QPainter& painter, const TMechanisme& mechanisme, const TConstructie& constructie,
               const TCelAfbeelding& cel, QColor kleur, bool verplaatst);

// The lines TekenVorm draws, on the screen.
std::vector<std::pair<TPunt, TPunt>> Vormlijnen(const TMechanisme& mechanisme,
                                                const TConstructie& constructie,
                                                const TCelAfbeelding& cel, bool verplaatst);

// The boxes on the screen of the support symbols that TekenVormSymbolen draws displaced.
std::vector<TRechthoek> VormOplegvakken(const TMechanisme& mechanisme,
                                        const TConstructie& constructie, const TCelAfbeelding& cel);

// The symbols that go with TekenVorm: for a single chain every drawn node's support and
// connection where the node is (or moves to), else the symbols of the part ends.
void TekenVormSymbolen(QPainter& painter, const TMechanisme& mechanisme,
                       const TConstructie& constructie, const TCelAfbeelding& cel, QColor kleur,
                       bool verplaatst);

// Red and yellow circles at the displaced ends where a plastic moment works; open grey ones at
// chosen places that do not rotate.
void TekenPlastischeScharnieren(QPainter& painter, const TMechanisme& mechanisme,
                                const TCelAfbeelding& cel);

} // namespace kx
