#pragma once

#include <string>

namespace kx {

// v in general format with the given number of significant digits: the shortest form, without
// trailing zeros, with decimaalteken as the decimal separator, never in exponent notation (large
// values are written whole). Where either side of the separator holds more than four digits,
// they are grouped in threes by a narrow no-break space (U+202F): 8e9 reads 8 000 000 000.
// Independent of the C locale.
std::string AlgemeenGetal(double v, int cijfers, char decimaalteken);
// The same, appended to tekst.
void VoegAlgemeenGetalToe(std::string& tekst, double v, int cijfers, char decimaalteken);

} // namespace kx
