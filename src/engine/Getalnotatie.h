#pragma once

#include <string>

namespace kx {

// v in general format with the given number of significant digits: the shortest form, without
// trailing zeros, with decimaalteken as the decimal separator, never in exponent notation (large
// values are written whole). Independent of the C locale.
std::string AlgemeenGetal(double v, int cijfers, char decimaalteken);
// The same, appended to tekst.
void VoegAlgemeenGetalToe(std::string& tekst, double v, int cijfers, char decimaalteken);

} // namespace kx
