#pragma once

#include "model/Constructie.h"

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace kx {

class Teksten;

// Largest structure file read: a written file is about 9 kB, one of MaxSlots slots per table
// about 490 kB, and even that one with every line at the reader's longest stays below 16.6 MB.
inline constexpr std::size_t GrootsteConstructiebestand = 16 * 1024 * 1024;

// Labels of the optional header lines: the scale, in the empty line before the counts when it
// is not 1, and the count of distributed loads, after the loads' count when there is one.
inline constexpr std::string_view SchaalLabel = "schaal:";
inline constexpr std::string_view VerdeeldLabel = "aantal verdeelde belastingen:";

// Outcome of reading a structure file: the tables, or the one message that says why not.
struct TLeesResultaat {
    std::optional<TConstructie> Constructie;
    std::string Melding;

    bool Gelukt() const { return Constructie.has_value(); }
};

// Writes the structure file byte for byte: Windows-1252, CR LF line ends, node coordinates
// divided by the scale, the scale itself only when it is not 1 and the distributed loads' table
// only when one is in use, so that other files read as they always did. While every entry in use
// lies within the empty structure's slots, each table writes all of those, free ones too; otherwise
// each table writes its slots up to the highest in use. datum and tijd are copied into the date and
// time lines.
void SchrijfConstructie(std::ostream& uit, const TConstructie& constructie,
                        const std::string& datum, const std::string& tijd);

// Saves through SchrijfBestandVeilig: the old file survives every failure byte for byte.
// Returns "" or the message, in teksten.
std::string SchrijfConstructieNaarBestand(const std::string& pad, const TConstructie& c,
                                          const Teksten& teksten, const std::string& datum,
                                          const std::string& tijd);

// Reads a structure file on top of the empty tables. Refuses the file as a whole at the first
// fault, with a message from teksten naming naam, the line and what was expected there.
TLeesResultaat LeesConstructie(std::istream& in, const std::string& naam, const Teksten& teksten);

// "" gives the empty structure, "Voorbeeld" the example, anything else is a file to read: only a
// regular file of at most GrootsteConstructiebestand bytes. A file that cannot be read leaves c
// untouched; a file read is normalised. Returns "" or the message, in teksten.
std::string LaadConstructie(TConstructie& c, const std::string& bron, const Teksten& teksten);

// The local date as "dd-mm-jjjj" and time as "hh:mm:ss", independent of any locale.
std::string HuidigeDatum();
std::string HuidigeTijd();

} // namespace kx
