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
// Beyond the range of VastePuntCijfers: large values as whole numbers, small ones with as many
// decimals as their significant digits need, never in exponent notation.
void VoegVastGetalToe(std::string& tekst, double v, int cijfers, char decimaalteken) {
    const double a = std::fabs(v);
    const int exponent = std::isfinite(a) ? static_cast<int>(std::floor(std::log10(a))) : 0;
    const int decimalen = a < 1.0 ? std::min(cijfers - 1 - exponent, 330) : 0;
    std::array<char, 400> buffer{};
    const auto einde = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                     std::chars_format::fixed, decimalen)
                           .ptr;
    char* laatste = einde;
    if (decimalen > 0) {
        while (laatste[-1] == '0') {
            --laatste;
        }
        if (laatste[-1] == '.') {
            --laatste;
        }
    }
    std::replace(buffer.data(), laatste, '.', decimaalteken);
    tekst.append(buffer.data(), laatste);
}
} // namespace

void VoegAlgemeenGetalToe(std::string& tekst, double v, int cijfers, char decimaalteken) {
    cijfers = std::max(cijfers, 1);
    std::int64_t mantisse = 0;
    int exponent = 0;
    if (v == 0.0) {
        tekst += '0';
        return;
    }
    if (!VastePuntCijfers(v, cijfers, mantisse, exponent)) {
        VoegVastGetalToe(tekst, v, cijfers, decimaalteken);
        return;
    }
    // Plain decimal: the digits with the point placed after exponent + 1 of them, trailing
    // zeros of the fraction dropped.
    std::array<char, 24> buffer{};
    const char* const begin = buffer.data();
    const char* einde = std::to_chars(buffer.data(), buffer.data() + buffer.size(), mantisse).ptr;
    const int geheel = exponent + 1;
    const char* breuk = begin + std::min<std::ptrdiff_t>(std::max(geheel, 0), einde - begin);
    while (einde > breuk && einde[-1] == '0') {
        --einde;
    }
    if (v < 0.0) {
        tekst += '-';
    }
    if (geheel <= 0) {
        tekst += '0';
        tekst += decimaalteken;
        tekst.append(static_cast<std::size_t>(-geheel), '0');
    } else {
        tekst.append(begin, breuk);
        if (breuk < einde) {
            tekst += decimaalteken;
        }
    }
    tekst.append(breuk, einde);
}

std::string AlgemeenGetal(double v, int cijfers, char decimaalteken) {
    std::string tekst;
    VoegAlgemeenGetalToe(tekst, v, cijfers, decimaalteken);
    return tekst;
}

} // namespace kx
