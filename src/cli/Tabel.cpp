#include "cli/Tabel.h"

#include "cli/Rapport.h"
#include "engine/Analyse.h"
#include "engine/Getalnotatie.h"

#include <array>
#include <charconv>

namespace kx {

namespace {

constexpr std::string_view Regeleinde = "\r\n";

std::string Getal(double waarde) {
    if (IsOneindigeLast(waarde)) {
        return {};
    }
    std::array<char, 32> buffer{};
    const auto einde = std::to_chars(buffer.data(), buffer.data() + buffer.size(), waarde).ptr;
    return {buffer.data(), einde};
}

} // namespace

std::string CsvVeld(std::string_view tekst) {
    if (tekst.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(tekst);
    }
    std::string veld = "\"";
    for (const char teken : tekst) {
        veld += teken;
        if (teken == '"') {
            veld += '"';
        }
    }
    return veld + '"';
}

std::string TabelKop() {
    return "bestand,n,mechanismen,maatgevende_fp,ware_fp,bevestigd,melding" +
           std::string(Regeleinde);
}

std::string TabelRegel(const std::string& bestand, const TAnalyse& analyse,
                       const TUitslag& uitslag) {
    const bool heeftMechanisme = analyse.AantalMechanismen > 0;
    const double maatgevend =
        heeftMechanisme ? uitslag.Bezwijklasten[static_cast<std::size_t>(uitslag.Maatgevend)]
                        : OneindigeLast;
    std::string regel = CsvVeld(bestand);
    regel += ',' + std::to_string(analyse.Telling.S());
    regel += ',' + std::to_string(analyse.AantalMechanismen);
    regel += ',' + Getal(maatgevend);
    regel += ',' + Getal(uitslag.Controle.Waar.Bezwijklast);
    regel += uitslag.Controle.Bevestigd ? ",ja," : ",nee,";
    return regel + std::string(Regeleinde);
}

std::string TabelRegel(const std::string& bestand, const std::string& melding) {
    return CsvVeld(bestand) + ",,,,,," + CsvVeld(melding) + std::string(Regeleinde);
}

} // namespace kx
