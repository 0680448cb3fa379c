#pragma once

#include "drawing/Gebieden.h"
#include "drawing/Opmaak.h"
#include "model/Bevraging.h"

#include <QColor>
#include <QPainter>

#include <string>

namespace kx {

enum TUitlijning : int {
    uitLinks = 0,  // starts at the point
    uitMidden = 1, // centred on the point
    uitRechts = 2, // ends at the point
};

// Height of a line of text in the ordinary font of opmaak.
int RegelHoogte(const QPainter& painter, const TOpmaak& opmaak);

// Width of a line as TekenRegel draws it: "¬" marks the next character as a symbol.
int RegelBreedte(const QPainter& painter, const TOpmaak& opmaak, const std::string& tekst);

// Draws a paragraph wrapped between rect's left and right edges (less the margins), starting at
// its top; a word that starts with "**g" is drawn in symbols. Sets rect.Bottom below the last
// line, bottom margin included.
void TekenAlinea(QPainter& painter, TRechthoek& rect, const std::string& tekst, QColor kleur,
                 const TOpmaak& opmaak);

// Draws one line without wrapping: uitlijning 0 starts at punt, 1 is centred on it, 2 ends at it.
// eind is the pen position after the last character (0, 1) or punt itself (2).
void TekenRegel(QPainter& painter, TPunt punt, TPunt& eind, QColor kleur, const TOpmaak& opmaak,
                const std::string& tekst, int uitlijning);

// One block of a view's flow layout: a paragraph in the given style across the whole area,
// starting at y. Returns the y where the next block starts.
double TekenBlok(QPainter& painter, const TRechthoek& gebied, double y, const std::string& tekst,
                 TOpmaakStijl stijl, QColor kleur);

} // namespace kx
