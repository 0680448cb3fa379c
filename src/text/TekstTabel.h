#pragma once

#include "text/Teksten.h"

#include <array>
#include <string_view>

namespace kx {

// One built-in text; the index is kept so that the table order is checked at compile time.
struct TBasisTekst {
    int Index;
    std::string_view Sleutel;
    std::string_view Inhoud;
};

// The built-in keys and texts, in table order.
const std::array<TBasisTekst, Teksten::Aantal>& BasisTeksten();

} // namespace kx
