#include "cli/Rapport.h"

#include "engine/Analyse.h"
#include "engine/Getalnotatie.h"
#include "model/Bestand.h"
#include "model/ManipuleerConstructie.h"
#include "text/SymboolTekens.h"
#include "text/Teksten.h"

#include <algorithm>
#include <clocale>
#include <ostream>
#include <sstream>

namespace kx {

namespace {
constexpr int TekstMechanisme = 169;
constexpr int TekstMaatgevend = 170;

constexpr const char* Gebruik =
    "Gebruik: kx-analyse [--json] [--opslaan UITVOER.kx] (BESTAND.kx | --voorbeeld)\n"
    "\n"
    "Analyseert een constructie met de kinematische methode en drukt de mate van statische\n"
    "onbepaaldheid, alle mogelijke bezwijkmechanismen met hun bezwijklast en de virtuele\n"
    "arbeidsvergelijking van het maatgevende mechanisme af.\n"
    "\n"
    "  --voorbeeld          het ingebouwde voorbeeld (een portaal) in plaats van een bestand\n"
    "  --json               de resultaten als JSON\n"
    "  --opslaan BESTAND    schrijft de ingelezen constructie ook als constructiebestand\n"
    "\n"
    "Afsluitcode: 0 geanalyseerd, 1 constructie afgekeurd, 2 bestand niet leesbaar of\n"
    "schrijfbaar, 64 verkeerde argumenten.\n";

char Decimaalteken() {
    const std::lconv* conventie = std::localeconv();
    return conventie && conventie->decimal_point && *conventie->decimal_point
               ? *conventie->decimal_point
               : '.';
}

std::string Bezwijklast(double fp, char decimaalteken) {
    return fp >= 0.5 * Oneindig ? "∞" : AlgemeenGetal(fp, 4, decimaalteken) + " F";
}

// The equation as the virtual work view lays it out: every term whose factor is not zero.
std::vector<std::string> Termen(const TMechanisme& mechanisme) {
    std::vector<std::string> termen;
    const auto& vgl = mechanisme.Vgl;
    for (std::size_t q = 1; q + 1 < vgl.Regel1.size(); ++q) {
        if (vgl.Factoren[q] != 0.0) {
            termen.push_back(ZonderOpmaak(vgl.Regel1[q]));
        }
    }
    return termen;
}

std::string Vergelijking(const TMechanisme& mechanisme) {
    const auto& regels = mechanisme.Vgl.Regel1;
    std::string tekst = ZonderOpmaak(regels.front());
    for (const auto& term : Termen(mechanisme)) {
        tekst += term;
    }
    return tekst + ZonderOpmaak(regels.back());
}

std::string MechanismeRegel(const TAnalyse& analyse, const Teksten& teksten, int i,
                            char decimaalteken) {
    std::string regel = teksten[TekstMechanisme] + std::to_string(i + 1) + ": scharnieren in knoop";
    const auto knopen = ScharnierKnopen(analyse, i);
    for (std::size_t k = 0; k < knopen.size(); ++k) {
        regel +=
            (k == 0 ? " " : (k + 1 == knopen.size() ? " en " : ", ")) + std::to_string(knopen[k]);
    }
    regel += ", Fp = " + Bezwijklast(analyse.Mechanismen[i].Vgl.Bezwijklast, decimaalteken);
    if (i == analyse.MaatgevendMechanisme) {
        regel += teksten[TekstMaatgevend];
    }
    return regel;
}

// Runs the check and the analysis; returns the check's message, empty when analysed.
std::string Analyseer(TManipuleerConstructie& constructie, TAnalyse& analyse) {
    const std::string melding = constructie.ControleerConstructie();
    if (!melding.empty()) {
        return melding;
    }
    analyse.BepaalMechanismen(constructie);
    analyse.BerekeningDeel2();
    if (!analyse.TermenSchrijven && analyse.AantalMechanismen > 0) {
        analyse.SchrijfTermen(analyse.MaatgevendMechanisme);
    }
    return {};
}

struct TOpdracht {
    std::string Bron;
    std::string Opslaan;
    bool Json = false;
};

bool LeesArgumenten(const std::vector<std::string>& argumenten, TOpdracht& opdracht) {
    for (std::size_t i = 0; i < argumenten.size(); ++i) {
        const std::string& a = argumenten[i];
        if (a == "--json") {
            opdracht.Json = true;
        } else if (a == "--voorbeeld" && opdracht.Bron.empty()) {
            opdracht.Bron = "Voorbeeld";
        } else if (a == "--opslaan" && i + 1 < argumenten.size() && opdracht.Opslaan.empty()) {
            opdracht.Opslaan = argumenten[++i];
        } else if (!a.empty() && a[0] != '-' && opdracht.Bron.empty()) {
            // A file named like the example word is still a file.
            opdracht.Bron = a == "Voorbeeld" ? "./Voorbeeld" : a;
        } else {
            return false;
        }
    }
    return !opdracht.Bron.empty();
}
} // namespace

std::vector<int> ScharnierKnopen(const TAnalyse& analyse, int i) {
    std::vector<int> knopen;
    for (const auto knoop : analyse.Combinaties.at(i)) {
        if (knoop != -1) {
            knopen.push_back(knoop + 1);
        }
    }
    std::sort(knopen.begin(), knopen.end());
    return knopen;
}

std::string MaakRapport(const TManipuleerConstructie& constructie, const TAnalyse& analyse) {
    const char decimaalteken = analyse.Decimaalteken;
    const Teksten& teksten = constructie.Tekst();
    const auto& telling = constructie.Onbepaaldheid;
    std::ostringstream uit;
    uit << "Aantal onbekenden: " << telling.AantalOnbekenden << "\n"
        << "Aantal evenwichtsvergelijkingen: " << telling.AantalVergelijkingen << "\n"
        << "Mate van statische onbepaaldheid: " << telling.S() << "\n"
        << "Plaatsen voor een plastisch scharnier: " << telling.AantalScharnierplaatsen << "\n"
        << "Aantal mogelijke mechanismen: " << analyse.AantalMechanismen << "\n\n";
    for (int i = 0; i < analyse.AantalMechanismen; ++i) {
        uit << MechanismeRegel(analyse, teksten, i, decimaalteken) << "\n";
    }
    const int m = analyse.MaatgevendMechanisme;
    if (m >= 0 && m < analyse.AantalMechanismen) {
        const auto& mechanisme = analyse.Mechanismen[m];
        uit << "\nVirtuele arbeidsvergelijking van " << teksten[TekstMechanisme] << m + 1 << ":\n"
            << Vergelijking(mechanisme) << "\n"
            << "Bezwijklast: Fp = " << Bezwijklast(mechanisme.Vgl.Bezwijklast, decimaalteken)
            << "\n";
    }
    return uit.str();
}

nlohmann::ordered_json MaakJson(const TManipuleerConstructie& constructie,
                                const TAnalyse& analyse) {
    const auto& telling = constructie.Onbepaaldheid;
    nlohmann::ordered_json mechanismen = nlohmann::ordered_json::array();
    for (int i = 0; i < analyse.AantalMechanismen; ++i) {
        const auto& mechanisme = analyse.Mechanismen[i];
        mechanismen.push_back({{"nummer", i + 1},
                               {"scharnieren", ScharnierKnopen(analyse, i)},
                               {"bezwijklast", mechanisme.Vgl.Bezwijklast},
                               {"termen", Termen(mechanisme)},
                               {"factoren", mechanisme.Vgl.Factoren}});
    }
    return {{"onbekenden", telling.AantalOnbekenden},
            {"vergelijkingen", telling.AantalVergelijkingen},
            {"onbepaaldheid", telling.S()},
            {"scharnierplaatsen", telling.AantalScharnierplaatsen},
            {"maatgevend", analyse.MaatgevendMechanisme + 1},
            {"mechanismen", mechanismen}};
}

int VoerAnalyseUit(const std::vector<std::string>& argumenten, std::ostream& uit,
                   std::ostream& fout) {
    TOpdracht opdracht;
    if (!LeesArgumenten(argumenten, opdracht)) {
        fout << Gebruik;
        return 64;
    }
    const Teksten teksten;
    TManipuleerConstructie constructie(teksten);
    if (const auto melding = LaadConstructie(constructie, opdracht.Bron); !melding.empty()) {
        fout << melding << "\n";
        return 2;
    }
    if (!opdracht.Opslaan.empty()) {
        const auto melding = SchrijfConstructieNaarBestand(opdracht.Opslaan, constructie,
                                                           HuidigeDatum(), HuidigeTijd());
        if (!melding.empty()) {
            fout << melding << "\n";
            return 2;
        }
    }
    TAnalyse analyse(teksten);
    analyse.Decimaalteken = opdracht.Json ? '.' : Decimaalteken();
    // The report prints only the governing mechanism's equation.
    analyse.TermenSchrijven = opdracht.Json;
    if (const auto melding = Analyseer(constructie, analyse); !melding.empty()) {
        fout << melding << "\n";
        return 1;
    }
    if (opdracht.Json) {
        uit << MaakJson(constructie, analyse).dump(2) << "\n";
    } else {
        uit << MaakRapport(constructie, analyse);
    }
    return 0;
}

} // namespace kx
