#include "engine/Getalnotatie.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace kx {

namespace {
constexpr std::array<double, 19> Machten{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
                                         1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};

// The digits of |v| rounded to cijfers significant digits, and the decimal exponent of the
// first one; nothing when the value lies outside the plain decimal range of the format.
bool VastePuntCijfers(double v, int cijfers, std::int64_t& mantisse, int& exponent) {
    const double a = std::fabs(v);
    if (!(a >= 1e-4 && a < 1e15) || cijfers > 15) {
        return false;
    }
    exponent = static_cast<int>(std::floor(std::log10(a)));
    const int schuif = cijfers - 1 - exponent;
    const double geschaald = schuif >= 0 ? a * Machten[static_cast<std::size_t>(schuif)]
                                         : a / Machten[static_cast<std::size_t>(-schuif)];
    mantisse = std::llround(geschaald);
    if (mantisse >= static_cast<std::int64_t>(Machten[static_cast<std::size_t>(cijfers)])) {
        mantisse /= 10;
        ++exponent;
    }
    return exponent >= -4 && exponent < cijfers;
}
} // namespace

std::string AlgemeenGetal(double v, int cijfers, char decimaalteken) {
    cijfers = std::max(cijfers, 1);
    std::int64_t mantisse = 0;
    int exponent = 0;
    if (v == 0.0) {
        return "0";
    }
    if (!VastePuntCijfers(v, cijfers, mantisse, exponent)) {
        std::array<char, 64> buffer{};
        const auto resultaat = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                             std::chars_format::general, cijfers);
        std::string tekst(buffer.data(), resultaat.ptr);
        std::replace(tekst.begin(), tekst.end(), '.', decimaalteken);
        return tekst;
    }
    // Plain decimal: the digits with the point placed after exponent + 1 of them, trailing
    // zeros of the fraction dropped.
    std::string cijferreeks = std::to_string(mantisse);
    const int geheel = exponent + 1;
    std::string tekst = v < 0.0 ? "-" : "";
    if (geheel <= 0) {
        tekst += "0";
        tekst += decimaalteken;
        tekst.append(static_cast<std::size_t>(-geheel), '0');
        tekst += cijferreeks;
    } else {
        tekst += cijferreeks.substr(0, static_cast<std::size_t>(geheel));
        if (static_cast<std::size_t>(geheel) < cijferreeks.size()) {
            tekst += decimaalteken;
            tekst += cijferreeks.substr(static_cast<std::size_t>(geheel));
        }
    }
    if (tekst.find(decimaalteken) != std::string::npos) {
        while (tekst.back() == '0') {
            tekst.pop_back();
        }
        if (tekst.back() == decimaalteken) {
            tekst.pop_back();
        }
    }
    return tekst;
}

} // namespace kx
