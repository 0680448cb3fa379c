#pragma once

#include "engine/Bezwijkcontrole.h"
#include "engine/Records.h"
#include "model/Constructie.h"
#include "model/Knoopbetekenis.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace kx {

class TAnalyse;
class Teksten;
struct TConstructie;
struct TBerekendMechanisme;

// What the output needs of the mechanisms, gathered while the engine analyses them one at a
// time: every collapse load, name and set of places, the governing mechanism whole, and for the
// JSON also every mechanism's printed terms and factors.
struct TUitslag {
    std::vector<double> Bezwijklasten;
    // The chosen places of every mechanism and those that turn, as indices into the frame's
    // hinge places.
    std::vector<std::vector<int>> Plaatsen;
    std::vector<std::vector<int>> Draaiend;
    // The chosen places of every mechanism that lie in a span, with where the analysis put them.
    std::vector<std::vector<TVeldscharnier>> Veldscharnieren;
    // The structure's distributed loads in use, in slot order; empty for a structure without.
    std::vector<TConstructieVerdeeldeBelasting> VerdeeldeBelastingen;
    std::vector<std::string> Namen;
    std::vector<int> GelijkAan;
    std::vector<std::vector<std::string>> Termen;
    std::vector<std::vector<double>> Factoren;
    TMechanisme MaatgevendMechanisme;
    int Maatgevend = 0;
    // The hinge places and collapse load of every mechanism, the moment check of all of them
    // with the static theorem, and the governing mechanism's forces.
    std::vector<TMechanismeOpgave> Opgaven;
    TBezwijkcontrole Controle;
    TKrachtsverdeling Krachten;

    void Reserveer(int mechanismen);
    // With the frame's hinge places, which the mechanism's places index.
    void VoegToe(const TBerekendMechanisme& berekend, const std::vector<TScharnierplaats>& plaatsen,
                 bool metTermen);
};

// A hinge place as the student reads it: the node number, with the bar where the node has more
// than one place ("4 (staaf 2)"); a place in a span by its bar ("veld van staaf 3").
std::string PlaatsNaam(const std::vector<TScharnierplaats>& plaatsen, int p,
                       const Teksten& teksten);

// 1-based node numbers of 0-based node indices.
std::vector<int> Knoopnummers(const std::vector<std::int32_t>& knopen);

// The Dutch report a student reads: counts, one line per mechanism and the governing
// mechanism's virtual work equation, symbol markup as Unicode.
void SchrijfRapport(std::ostream& uit, const TAnalyse& analyse, const TUitslag& uitslag);

// The same results, machine-readable; with momenten also the governing mechanism's bar end
// moments and support reactions. A structure with a distributed load adds its loads, the span
// places of every mechanism and, with momenten, the peaks inside the loaded bars.
nlohmann::ordered_json MaakJson(const TAnalyse& analyse, const TUitslag& uitslag,
                                bool momenten = false);

// The governing mechanism's bar end moments, with the peak inside a loaded bar, and support
// reactions as report lines.
void SchrijfMomenten(std::ostream& uit, const TConstructie& constructie, const TAnalyse& analyse,
                     const TUitslag& uitslag);

// Writes the report as a PDF file; returns why it failed, empty on success.
using PdfSchrijver = std::function<std::string(const std::string& pad, const TConstructie&,
                                               const TAnalyse&, const TUitslag&)>;

// The whole command: arguments without the program name; returns the exit status
// (0 analysed, 1 refused by the check, 2 file not readable or writable, 64 wrong arguments).
// Without a PDF writer the option --pdf is refused as not available.
int VoerAnalyseUit(const std::vector<std::string>& argumenten, std::ostream& uit,
                   std::ostream& fout, const PdfSchrijver& pdf = {});

} // namespace kx
