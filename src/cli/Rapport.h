#pragma once

#include <nlohmann/json.hpp>

#include <iosfwd>
#include <string>
#include <vector>

namespace kx {

class TAnalyse;
class TManipuleerConstructie;

// What the output needs of every mechanism, kept while the engine releases the mechanisms:
// the collapse loads, and for the JSON also the printed terms and all factors.
struct TUitslag {
    std::vector<double> Bezwijklasten;
    std::vector<std::vector<std::string>> Termen;
    std::vector<std::vector<double>> Factoren;
};

// Node numbers (1-based, ascending) of the hinge places chosen for mechanism i.
std::vector<int> ScharnierKnopen(const TAnalyse& analyse, int i);

// The Dutch report a student reads: counts, one line per mechanism and the governing
// mechanism's virtual work equation, symbol markup as Unicode.
void SchrijfRapport(std::ostream& uit, const TManipuleerConstructie& constructie,
                    const TAnalyse& analyse, const TUitslag& uitslag);

// The same results, machine-readable.
nlohmann::ordered_json MaakJson(const TManipuleerConstructie& constructie, const TAnalyse& analyse,
                                const TUitslag& uitslag);

// The whole command: arguments without the program name; returns the exit status
// (0 analysed, 1 refused by the check, 2 file not readable or writable, 64 wrong arguments).
int VoerAnalyseUit(const std::vector<std::string>& argumenten, std::ostream& uit,
                   std::ostream& fout);

} // namespace kx
