#include "text/Teksten.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace kx {

namespace {

// Code points of the bytes 0x80-0x9F in Windows-1252; the five unassigned bytes keep their C1
// code point, as Windows itself maps them.
constexpr std::array<char32_t, 32> Cp1252Bovenste{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsVervolgByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence that starts at positie, or 0 when there is none
// (overlong forms, surrogates and code points above U+10FFFF are not well-formed).
std::size_t Utf8Lengte(std::string_view tekst, std::size_t positie) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(tekst[positie + i]); };
    const unsigned char eerste = byte(0);
    if (eerste < 0x80) {
        return 1;
    }
    std::size_t lengte = 0;
    unsigned char ondergrens = 0x80;
    unsigned char bovengrens = 0xBF;
    if (eerste >= 0xC2 && eerste <= 0xDF) {
        lengte = 2;
    } else if (eerste >= 0xE0 && eerste <= 0xEF) {
        lengte = 3;
        ondergrens = eerste == 0xE0 ? 0xA0 : 0x80;
        bovengrens = eerste == 0xED ? 0x9F : 0xBF;
    } else if (eerste >= 0xF0 && eerste <= 0xF4) {
        lengte = 4;
        ondergrens = eerste == 0xF0 ? 0x90 : 0x80;
        bovengrens = eerste == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (positie + lengte > tekst.size() || byte(1) < ondergrens || byte(1) > bovengrens) {
        return 0;
    }
    for (std::size_t i = 2; i < lengte; ++i) {
        if (!IsVervolgByte(byte(i))) {
            return 0;
        }
    }
    return lengte;
}

bool IsUtf8(std::string_view tekst) {
    for (std::size_t positie = 0; positie < tekst.size();) {
        const std::size_t lengte = Utf8Lengte(tekst, positie);
        if (lengte == 0) {
            return false;
        }
        positie += lengte;
    }
    return true;
}

// Every code point of Windows-1252 lies below U+10000, so one to three bytes suffice.
void VoegToe(std::string& uit, char32_t codepunt) {
    if (codepunt < 0x80) {
        uit += static_cast<char>(codepunt);
    } else if (codepunt < 0x800) {
        uit += static_cast<char>(0xC0 | (codepunt >> 6));
        uit += static_cast<char>(0x80 | (codepunt & 0x3F));
    } else {
        uit += static_cast<char>(0xE0 | (codepunt >> 12));
        uit += static_cast<char>(0x80 | ((codepunt >> 6) & 0x3F));
        uit += static_cast<char>(0x80 | (codepunt & 0x3F));
    }
}

char32_t Cp1252Codepunt(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? Cp1252Bovenste[byte - 0x80] : char32_t{byte};
}

} // namespace

std::string NaarUtf8(const std::string& tekst) {
    if (IsUtf8(tekst)) {
        return tekst;
    }
    std::string uit;
    uit.reserve(tekst.size() * 2);
    for (const char teken : tekst) {
        VoegToe(uit, Cp1252Codepunt(static_cast<unsigned char>(teken)));
    }
    return uit;
}

} // namespace kx
