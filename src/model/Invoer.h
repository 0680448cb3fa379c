#pragma once

#include "model/Constructie.h"

#include <optional>
#include <string_view>

namespace kx {

// Largest coordinate and load component that can be typed, in grid cells.
inline constexpr int GrootsteInvoerHokjes = 30;

// A value typed into one of the editor's table cells: the value to store, or why it is refused
// (a text index, with the limit that the text names).
struct TInvoer {
    std::optional<double> Waarde;
    int Weigering = -1;
    double Grens = 0.0;
};

// One decimal number with a point or a comma, spaces around it allowed; nothing otherwise.
std::optional<double> LeesGetal(std::string_view tekst);

// Node coordinate (as 0 is X, 1 is Y) in metres, snapped to the grid at fijnheid (1 whole cells,
// 2 halves, 3 quarters) as a mouse press would snap it; refused outside the drawing's reach or
// where another node stands.
TInvoer InvoerKnoopCoordinaat(const TConstructie& c, std::int32_t knoop, int as,
                              std::string_view tekst, int fijnheid);
// Plastic moment in kNm: a whole number from 1 to 999, as the Mp dialog takes it.
TInvoer InvoerMp(std::string_view tekst);
// A whole number from kleinste to grootste, as the editor's zoom, fineness and scale boxes take
// it; refused (with grootste as the limit) when it is no whole number or out of that range.
TInvoer InvoerGeheel(std::string_view tekst, int kleinste, int grootste);
// Load component (as 0 is Fx, 1 is Fy) in multiples of F, in steps of the grid at fijnheid; a
// load that would become zero is refused.
TInvoer InvoerBelastingComponent(const TConstructieBelasting& belasting, int as,
                                 std::string_view tekst, int fijnheid);
// Distributed load component (as 0 is qx, 1 is qy) in multiples of F per metre, as typed: refused
// where GeldigeVerdeeldeBelasting refuses it, zero for both components among that.
TInvoer InvoerVerdeeldeComponent(const TConstructieVerdeeldeBelasting& last, int as,
                                 std::string_view tekst);

} // namespace kx
