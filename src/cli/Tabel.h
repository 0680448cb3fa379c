#pragma once

#include <string>
#include <string_view>

namespace kx {

class TAnalyse;
struct TUitslag;

// The table of a folder of structures as CSV (RFC 4180: fields separated by commas, quoted
// where they hold a comma, a quote or a line break, lines ended by CR LF), numbers with a
// decimal point whatever the locale.

// A field as CSV writes it: quoted, with its quotes doubled, only where it must be.
std::string CsvVeld(std::string_view tekst);

// The header line, naming the columns.
std::string TabelKop();

// The line of an analysed file: n, the number of mechanisms, the governing mechanism's
// collapse load, the load by the static theorem and whether the first is confirmed. An
// infinite load leaves its field empty.
std::string TabelRegel(const std::string& bestand, const TAnalyse& analyse,
                       const TUitslag& uitslag);

// The line of a file that was not analysed: only its name and why.
std::string TabelRegel(const std::string& bestand, const std::string& melding);

} // namespace kx
