#pragma once

#include "text/TekstNamen.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <istream>
#include <string>
#include <string_view>

namespace kx {

// One text of the user interface. Texts are UTF-8; the markup "¬x" and "**g" selects the
// symbol font and the collapse glyphs are Wingdings characters, as the drawing code expects.
struct TTekst {
    std::string Sleutel;
    std::string Inhoud;
};

// Outcome of reading the translation file: the entries taken over, and the message (in the
// texts as they were before) when the file exists but was refused.
struct TVertalingGelezen {
    int Aantal = 0;
    std::string Melding;
};

// The table of every user-visible text, always addressed by its fixed index.
class Teksten {
public:
    static constexpr int Aantal = EindeTekstTabel;
    static constexpr const char* VertaalBestand = "KXTranslation.kxt";
    // Largest translation file read; the built-in texts take about 20 kB.
    static constexpr std::size_t GrootsteVertaling = 1024 * 1024;

    Teksten() { VulTekstTabel(); }

    // Restores the built-in keys and texts.
    void VulTekstTabel();

    // Replaces texts from a translation stream: `Aantal` entries in index order, each ended by a
    // line "###". Empty lines before an entry are dropped, but a text whose built-in form starts
    // with a line break keeps one. A stream that ends early keeps the texts read so far and the
    // built-in rest. Returns the number of complete entries read.
    int LeesVertaling(std::istream& invoer);

    // Reads the translation file at the path when it exists; a missing file changes nothing.
    // Only a regular file of at most GrootsteVertaling bytes is read; anything else is refused
    // at once and changes nothing either.
    TVertalingGelezen LeesVertalingsbestand(const std::string& pad);

    const std::string& operator[](int index) const { return tabel_.at(index).Inhoud; }
    const TTekst& Tekst(int index) const { return tabel_.at(index); }

private:
    std::array<TTekst, Aantal> tabel_;
};

// The text kader with "%1" to "%9" replaced by the values in order, in one pass: a value that
// holds "%2" itself stays as it is. A placeholder without a value is left standing.
std::string VulIn(std::string_view kader, std::initializer_list<std::string_view> waarden);

// Converts single-byte Western text (Windows-1252) to UTF-8; valid UTF-8 is returned unchanged.
std::string NaarUtf8(const std::string& tekst);

} // namespace kx
