#include "text/SymboolTekens.h"

#include <array>
#include <utility>

namespace kx {

namespace {
// Adobe Symbol encoding of the characters that may appear, with their Unicode code points.
constexpr std::array<std::pair<char32_t, char32_t>, 40> SymboolTabel{{
    {U'a', U'α'}, {U'b', U'β'}, {U'c', U'χ'}, {U'd', U'δ'}, {U'e', U'ε'}, {U'f', U'φ'},
    {U'g', U'γ'}, {U'h', U'η'}, {U'i', U'ι'}, {U'k', U'κ'}, {U'l', U'λ'}, {U'm', U'μ'},
    {U'n', U'ν'}, {U'p', U'π'}, {U'q', U'θ'}, {U'r', U'ρ'}, {U's', U'σ'}, {U't', U'τ'},
    {U'w', U'ω'}, {U'x', U'ξ'}, {U'y', U'ψ'}, {U'z', U'ζ'}, {U'D', U'Δ'}, {U'F', U'Φ'},
    {U'G', U'Γ'}, {U'L', U'Λ'}, {U'P', U'Π'}, {U'Q', U'Θ'}, {U'S', U'Σ'}, {U'W', U'Ω'},
    {U'·', U'•'}, {U'×', U'⋅'}, {U'´', U'×'}, {U'¥', U'∞'}, {U'Ü', U'⇐'}, {U'Þ', U'⇒'},
    {U'Ý', U'⇑'}, {U'ß', U'⇓'}, {U'®', U'→'}, {U'£', U'≤'},
}};
} // namespace

std::string CodepuntNaarUtf8(char32_t c) {
    std::string uit;
    if (c < 0x80) {
        uit += static_cast<char>(c);
    } else if (c < 0x800) {
        uit += static_cast<char>(0xC0 | (c >> 6));
        uit += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        uit += static_cast<char>(0xE0 | (c >> 12));
        uit += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        uit += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        uit += static_cast<char>(0xF0 | (c >> 18));
        uit += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        uit += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        uit += static_cast<char>(0x80 | (c & 0x3F));
    }
    return uit;
}

char32_t VolgendTeken(const std::string& tekst, std::size_t& positie) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(tekst[i]); };
    const unsigned char eerste = byte(positie);
    int volg = 0;
    char32_t waarde = eerste;
    if (eerste >= 0xF0 && eerste < 0xF8) {
        volg = 3;
        waarde = eerste & 0x07;
    } else if (eerste >= 0xE0) {
        volg = 2;
        waarde = eerste & 0x0F;
    } else if (eerste >= 0xC0) {
        volg = 1;
        waarde = eerste & 0x1F;
    }
    if (volg == 0 || positie + static_cast<std::size_t>(volg) >= tekst.size()) {
        ++positie;
        return eerste;
    }
    for (int i = 1; i <= volg; ++i) {
        if ((byte(positie + i) & 0xC0) != 0x80) {
            ++positie;
            return eerste;
        }
        waarde = (waarde << 6) | (byte(positie + i) & 0x3F);
    }
    positie += volg + 1;
    return waarde;
}

std::string SymboolNaarUnicode(char32_t teken) {
    for (const auto& [symbool, unicode] : SymboolTabel) {
        if (symbool == teken) {
            return CodepuntNaarUtf8(unicode);
        }
    }
    return CodepuntNaarUtf8(teken);
}

std::string ZonderOpmaak(const std::string& tekst) {
    std::string uit;
    bool symboolWoord = false;
    std::size_t i = 0;
    while (i < tekst.size()) {
        const bool woordBegin = i == 0 || tekst[i - 1] == ' ' || tekst[i - 1] == '\n';
        if (woordBegin && tekst.compare(i, 3, "**g") == 0) {
            symboolWoord = true;
            i += 3;
            continue;
        }
        const char32_t c = VolgendTeken(tekst, i);
        if (c == U' ' || c == U'\r' || c == U'\n') {
            symboolWoord = false;
            uit += static_cast<char>(c);
        } else if (c == U'¬' && i < tekst.size()) {
            uit += SymboolNaarUnicode(VolgendTeken(tekst, i));
        } else {
            uit += symboolWoord ? SymboolNaarUnicode(c) : CodepuntNaarUtf8(c);
        }
    }
    return uit;
}

} // namespace kx
