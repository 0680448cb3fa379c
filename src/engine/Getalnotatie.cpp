#include "engine/Getalnotatie.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace kx {

std::string AlgemeenGetal(double v, int cijfers, char decimaalteken) {
    std::array<char, 64> buffer{};
    const auto resultaat = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                         std::chars_format::general, std::max(cijfers, 1));
    std::string tekst(buffer.data(), resultaat.ptr);
    std::replace(tekst.begin(), tekst.end(), '.', decimaalteken);
    return tekst;
}

} // namespace kx
