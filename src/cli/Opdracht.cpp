#include "cli/Opdracht.h"

#include <filesystem>
#include <system_error>

namespace kx {

const char* const Gebruik =
    "Gebruik: kx-analyse [--json | --tabel] [--momenten] [--opslaan UITVOER.kx]\n"
    "                    [--pdf RAPPORT.pdf] (BESTAND.kx... | --voorbeeld)\n"
    "       kx-analyse --help\n"
    "\n"
    "Analyseert een constructie met de kinematische methode en drukt de mate van statische\n"
    "onbepaaldheid, alle mogelijke bezwijkmechanismen met hun bezwijklast en de virtuele\n"
    "arbeidsvergelijking van het maatgevende mechanisme af, met de controle van zijn\n"
    "momentenlijn en de bezwijklast volgens de statische stelling. Meerdere bestanden worden\n"
    "na elkaar geanalyseerd.\n"
    "\n"
    "  --voorbeeld          het ingebouwde voorbeeld (een portaal) in plaats van een bestand\n"
    "  --json               de resultaten als JSON; bij meerdere bestanden een JSON-array\n"
    "  --tabel              een CSV-tabel met een regel per bestand: bestand, n, aantal\n"
    "                       mechanismen, maatgevende Fp, ware Fp, bevestigd, melding\n"
    "  --momenten           ook de staafmomenten en oplegreacties van het maatgevende\n"
    "                       mechanisme bij bezwijken\n"
    "  --opslaan BESTAND    schrijft de ingelezen constructie ook als constructiebestand\n"
    "                       (alleen bij een bestand)\n"
    "  --pdf BESTAND        schrijft het rapport met de tekening en de vergelijking van het\n"
    "                       maatgevende mechanisme ook als PDF (A4; alleen bij een bestand)\n"
    "  --help               deze uitleg\n"
    "\n"
    "Afsluitcode: 0 geanalyseerd, 1 constructie afgekeurd, 2 bestand niet leesbaar of\n"
    "schrijfbaar of uitvoer niet te schrijven, 64 verkeerde argumenten. Bij meerdere bestanden\n"
    "de hoogste code van de bestanden.\n";

namespace {

// The name after an option that needs one; empty when there is none.
std::string Naam(const std::vector<std::string>& argumenten, std::size_t& i) {
    return i + 1 < argumenten.size() ? argumenten[++i] : std::string();
}

std::string Combinatie(const TOpdracht& opdracht) {
    if (opdracht.Bronnen.empty()) {
        return "geen constructiebestand gegeven";
    }
    if (opdracht.Json && opdracht.Tabel) {
        return "--json en --tabel gaan niet samen";
    }
    if (opdracht.Tabel && opdracht.Momenten) {
        return "--momenten gaat niet samen met --tabel";
    }
    if (opdracht.MeerdereBronnen() && !(opdracht.Opslaan.empty() && opdracht.Pdf.empty())) {
        return "--opslaan en --pdf nemen maar een bestand";
    }
    return {};
}

bool ZelfdeBestand(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code fout;
    if (std::filesystem::equivalent(a, b, fout)) {
        return true;
    }
    // An output that does not exist yet has no identity: its resolved name decides.
    const auto volledigA = std::filesystem::weakly_canonical(a, fout);
    const auto volledigB = std::filesystem::weakly_canonical(b, fout);
    return !fout && volledigA == volledigB;
}

} // namespace

std::string LeesArgumenten(const std::vector<std::string>& argumenten, TOpdracht& opdracht) {
    bool voorbeeld = false;
    for (std::size_t i = 0; i < argumenten.size(); ++i) {
        const std::string& a = argumenten[i];
        if (a.size() < 2 || a[0] != '-') {
            if (a.empty()) {
                return "een lege bestandsnaam";
            }
            // A file named like the example word is still a file.
            opdracht.Bronnen.push_back(a == "Voorbeeld" ? "./Voorbeeld" : a);
        } else if (a == "--help" || a == "-h") {
            opdracht.Hulp = true;
        } else if (a == "--json") {
            opdracht.Json = true;
        } else if (a == "--tabel") {
            opdracht.Tabel = true;
        } else if (a == "--momenten") {
            opdracht.Momenten = true;
        } else if (a == "--voorbeeld" && !voorbeeld) {
            voorbeeld = true;
        } else if ((a == "--opslaan" && opdracht.Opslaan.empty()) ||
                   (a == "--pdf" && opdracht.Pdf.empty())) {
            const std::string naam = Naam(argumenten, i);
            if (naam.empty()) {
                return a + " vraagt een bestandsnaam";
            }
            (a == "--pdf" ? opdracht.Pdf : opdracht.Opslaan) = naam;
        } else {
            return "onbekend of herhaald argument " + a;
        }
    }
    if (opdracht.Hulp) {
        return {};
    }
    if (voorbeeld) {
        if (!opdracht.Bronnen.empty()) {
            return "--voorbeeld gaat niet samen met een bestand";
        }
        opdracht.Bronnen.push_back("Voorbeeld");
    }
    return Combinatie(opdracht);
}

std::string ControleerUitvoerbestanden(const TOpdracht& opdracht) {
    if (opdracht.Pdf.empty()) {
        return {};
    }
    for (const auto& bron : opdracht.Bronnen) {
        if (bron != "Voorbeeld" && ZelfdeBestand(opdracht.Pdf, bron)) {
            return "het PDF-bestand \"" + opdracht.Pdf + "\" is het constructiebestand \"" + bron +
                   "\"; het wordt niet overschreven";
        }
    }
    if (!opdracht.Opslaan.empty() && ZelfdeBestand(opdracht.Pdf, opdracht.Opslaan)) {
        return "--pdf en --opslaan noemen hetzelfde bestand \"" + opdracht.Pdf + "\"";
    }
    return {};
}

} // namespace kx
