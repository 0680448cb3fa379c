#pragma once

#include <string>

namespace kx {

// Unicode equivalent (UTF-8) of a character of the Symbol font, as the texts use them:
// "d" delta, "q" theta, "·" bullet, "×" dot operator, "´" multiplication sign, "¥" infinity,
// "Ü" and "Þ" double arrows. Characters without an equivalent come back unchanged.
std::string SymboolNaarUnicode(char32_t teken);

// The text with its symbol markup resolved: "¬x" becomes the symbol for x, and a word that
// starts with "**g" is written in symbols.
std::string ZonderOpmaak(const std::string& tekst);

// Decodes one UTF-8 code point at positie and advances positie; invalid bytes come back as
// themselves (Latin-1).
char32_t VolgendTeken(const std::string& tekst, std::size_t& positie);
std::string CodepuntNaarUtf8(char32_t teken);

} // namespace kx
