#pragma once

#include "drawing/Afbeelding.h"
#include "drawing/Gebieden.h"
#include "engine/Records.h"
#include "model/Constructie.h"

#include <QColor>
#include <QPainter>

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

// A cell starting at (links, boven), rechts wide, fitted to the mechanism's box.
TCelAfbeelding MaakCel(const TMechanisme& mechanisme, const TConstructie& constructie, double links,
                       double boven, double rechts, bool metRotatiecentra);

// The drawn structure behind a mechanism, light grey with white symbols; the loads on request.
void TekenSchets(QPainter& painter, const TConstructie& constructie, const TCelAfbeelding& cel,
                 bool metBelastingen);

// The mechanism's parts as lines of width 1 in the colour, undisplaced or displaced.
void TekenDelen(QPainter& painter, const TMechanisme& mechanisme, const TCelAfbeelding& cel,
                QColor kleur, bool verplaatst);

// The symbols of the part ends by their kind, white filled, undisplaced or displaced.
void TekenEindSymbolen(QPainter& painter, const TMechanisme& mechanisme, const TCelAfbeelding& cel,
                       QColor kleur, bool verplaatst);

// Red and yellow circles at the displaced ends where a plastic moment works; open grey ones at
// chosen places that do not rotate.
void TekenPlastischeScharnieren(QPainter& painter, const TMechanisme& mechanisme,
                                const TCelAfbeelding& cel);

} // namespace kx
