#include "cli/Rapport.h"

#include "cli/Opdracht.h"
#include "cli/Tabel.h"
#include "engine/Analyse.h"
#include "engine/Enumeratie.h"
#include "engine/Evenwicht.h"
#include "engine/Getalnotatie.h"
#include "engine/MechanismeOpgaven.h"
#include "engine/Toleranties.h"
#include "engine/Veldplaats.h"
#include "model/Bestand.h"
#include "model/Controle.h"
#include "text/Opsomming.h"
#include "text/SymboolTekens.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <ostream>

namespace kx {

namespace {
char Decimaalteken() {
    const std::lconv* conventie = std::localeconv();
    return conventie && conventie->decimal_point && *conventie->decimal_point
               ? *conventie->decimal_point
               : '.';
}

std::string Bezwijklast(double fp, char decimaalteken) {
    return IsOneindigeLast(fp) ? "∞" : AlgemeenGetal(fp, 4, decimaalteken) + " kN";
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

nlohmann::ordered_json GelijkAan(const TUitslag& uitslag, int i) {
    const int gelijk = uitslag.GelijkAan[static_cast<std::size_t>(i)];
    return gelijk >= 0 ? nlohmann::ordered_json(gelijk + 1) : nlohmann::ordered_json(nullptr);
}

void VoegGetalToe(std::string& tekst, int n) {
    std::array<char, 12> buffer{};
    const auto einde = std::to_chars(buffer.data(), buffer.data() + buffer.size(), n).ptr;
    tekst.append(buffer.data(), einde);
}

// The chosen places of a mechanism, a span place with where the analysis put it, measured from
// the nearer end of its bar as the views do.
std::string PlaatsOpsomming(const Teksten& teksten, const TAnalyse& analyse,
                            const std::vector<int>& welke,
                            const std::vector<TVeldscharnier>& velden, char decimaalteken) {
    const auto& plaatsen = analyse.Plaatsen;
    std::string tekst;
    for (std::size_t k = 0; k < welke.size(); ++k) {
        tekst += k == 0 ? "" : (k + 1 == welke.size() ? " en " : ", ");
        tekst += PlaatsNaam(plaatsen, welke[k], teksten);
        const auto veld = std::find_if(velden.begin(), velden.end(), [&](const TVeldscharnier& v) {
            return v.Plaats == welke[k];
        });
        if (veld != velden.end()) {
            tekst += " " + VeldplaatsTekst(analyse.Constructie(), veld->Staaf, veld->Positie,
                                           teksten, decimaalteken);
        }
    }
    return tekst;
}

// Line of mechanism i, built in regel so that the report reuses one buffer for all of them.
void MechanismeRegel(std::string& regel, const Teksten& teksten, const TAnalyse& analyse,
                     const TUitslag& uitslag, int i, char decimaalteken) {
    const auto k = static_cast<std::size_t>(i);
    regel = teksten[TekstMechanismeNummer];
    VoegGetalToe(regel, i + 1);
    if (!uitslag.Namen[k].empty()) {
        regel += " (" + uitslag.Namen[k] + ")";
    }
    const auto& plaatsen = uitslag.Plaatsen[k];
    const auto& draaiend = uitslag.Draaiend[k];
    // Span places follow the node places; a list of span places alone names no node.
    const bool knoop =
        !plaatsen.empty() && !analyse.Plaatsen[static_cast<std::size_t>(plaatsen.front())].Veld;
    regel += knoop ? ": scharnieren in knoop " : ": scharnieren in ";
    regel += PlaatsOpsomming(teksten, analyse, plaatsen, uitslag.Veldscharnieren[k], decimaalteken);
    if (plaatsen != draaiend) {
        regel += draaiend.empty() ? " (geen draait)" : " (draaiend:";
        for (std::size_t d = 0; d < draaiend.size(); ++d) {
            regel += ' ';
            regel += PlaatsNaam(analyse.Plaatsen, draaiend[d], teksten);
            regel += d + 1 == draaiend.size() ? ")" : ",";
        }
    }
    regel += ", Fp = ";
    regel += Bezwijklast(uitslag.Bezwijklasten[k], decimaalteken);
    if (i == uitslag.Maatgevend) {
        regel += teksten[TekstMaatgevendAchter];
    }
    if (const int gelijk = uitslag.GelijkAan[k]; gelijk >= 0) {
        regel += teksten[TekstGelijkAan];
        VoegGetalToe(regel, gelijk + 1);
        regel += ')';
    }
    regel += '\n';
}

// Runs the check and the analysis, keeping what the output needs; returns the check's message,
// empty when analysed.
std::string Analyseer(TConstructie& constructie, TAnalyse& analyse, bool json, TUitslag& uitslag) {
    const std::string melding = ControleerVoorAnalyse(constructie, analyse.Tekst());
    if (!melding.empty()) {
        return melding;
    }
    analyse.BerekenElkMechanisme(constructie, [&](const TBerekendMechanisme& berekend) {
        if (berekend.Nummer == 0) {
            uitslag.Reserveer(analyse.AantalMechanismen);
        }
        uitslag.VoegToe(berekend, analyse.Plaatsen, json);
    });
    uitslag.Maatgevend = analyse.MaatgevendMechanisme;
    for (const auto& q : constructie.VerdeeldeBelastingen) {
        if (q.Bestaat) {
            uitslag.VerdeeldeBelastingen.push_back(q);
        }
    }
    const TEvenwicht evenwicht(constructie);
    // The report names the ratio of the governing mechanism only; JSON lists every mechanism's.
    uitslag.Controle = json ? ControleerMechanismen(evenwicht, uitslag.Opgaven, uitslag.Maatgevend)
                            : ControleerMaatgevend(evenwicht, uitslag.Opgaven, uitslag.Maatgevend);
    if (!uitslag.Opgaven.empty()) {
        const auto& maatgevend = uitslag.Opgaven[static_cast<std::size_t>(uitslag.Maatgevend)];
        // A confirmed mechanism collapses with the static theorem's distribution.
        const auto& waar = uitslag.Controle.Waar;
        uitslag.Krachten =
            uitslag.Controle.Bevestigd && waar.Verdeling.Bestaat
                ? waar.Verdeling
                : BepaalKrachtsverdeling(evenwicht, maatgevend.Plaatsen, maatgevend.Bezwijklast,
                                         maatgevend.Staven, GrootsteDichteProgramma,
                                         maatgevend.Posities);
    }
    if (!analyse.TermenSchrijven && analyse.AantalMechanismen > 0) {
        analyse.SchrijfTermen(uitslag.MaatgevendMechanisme);
    }
    return {};
}

// The nodes where the static theorem's distribution reaches Mp, then the spans whose moment
// peaks at Mp inside them, each with the place of its peak.
std::string BereiktOpsomming(const Teksten& teksten, const TAnalyse& analyse,
                             const TWareBezwijklast& waar, char decimaalteken) {
    const auto& plaatsen = analyse.Plaatsen;
    std::vector<std::string> delen;
    for (const int knoop : waar.Scharnieren) {
        delen.push_back(std::to_string(knoop + 1));
    }
    for (const auto& piek : waar.Verdeling.Veldpieken) {
        if (std::fabs(piek.M) >= piek.Mp * (1.0 - MpBereikt)) {
            const auto veld =
                std::find_if(plaatsen.begin(), plaatsen.end(), [&](const TScharnierplaats& p) {
                    return p.Veld && p.Staaf == piek.Slot;
                });
            std::string naam = VulIn(teksten[TekstPlaatsInVeld], {std::to_string(piek.Slot + 1)});
            if (veld != plaatsen.end()) {
                naam += " " + VeldplaatsTekst(analyse.Constructie(), piek.Slot, piek.Positie,
                                              teksten, decimaalteken);
            }
            delen.push_back(naam);
        }
    }
    return Opsomming(delen, " en ");
}

// The moment check of the governing mechanism and the collapse load by the static theorem.
void SchrijfControle(std::ostream& uit, const TAnalyse& analyse, const TUitslag& uitslag) {
    const char decimaalteken = analyse.Decimaalteken;
    const auto& controle = uitslag.Controle;
    const auto& krachten = uitslag.Krachten;
    uit << "Momentcontrole: ";
    if (!krachten.Bestaat) {
        uit << "geen krachtsverdeling bij dit mechanisme\n";
    } else if (controle.Bevestigd) {
        uit << "de momentenlijn blijft overal binnen Mp; het mechanisme is bevestigd\n";
    } else {
        uit << "grootste |M|/Mp = " << AlgemeenGetal(krachten.Momentverhouding, 4, decimaalteken)
            << ", niet bevestigd; ondergrens Fp = "
            << Bezwijklast(krachten.Ondergrens(), decimaalteken) << "\n";
    }
    const auto& waar = controle.Waar;
    uit << "Bezwijklast volgens de statische stelling: Fp = "
        << Bezwijklast(waar.Bezwijklast, decimaalteken);
    if (const auto bereikt = BereiktOpsomming(analyse.Tekst(), analyse, waar, decimaalteken);
        !IsOneindigeLast(waar.Bezwijklast) && !bereikt.empty()) {
        uit << (waar.Scharnieren.empty() ? " (Mp bereikt in " : " (Mp bereikt in knoop ") << bereikt
            << ")";
    }
    uit << "\n";
}

// Rounding left over from the solution is shown as 0.
double Schoon(double v) {
    return std::fabs(v) < 1e-9 ? 0.0 : v;
}
} // namespace

namespace {
// A load as JSON: null where it is infinite, which JSON has no number for.
nlohmann::ordered_json Last(double last) {
    return IsOneindigeLast(last) ? nlohmann::ordered_json() : nlohmann::ordered_json(last);
}

// The span places of a mechanism: the place, its bar, the metres from the bar's first node and
// that node, and whether it turns.
nlohmann::ordered_json Veldscharnieren(const TAnalyse& analyse,
                                       const std::vector<TVeldscharnier>& velden) {
    nlohmann::ordered_json json = nlohmann::ordered_json::array();
    for (const auto& veld : velden) {
        const auto& plaats = analyse.Plaatsen[static_cast<std::size_t>(veld.Plaats)];
        json.push_back({{"plaats", veld.Plaats + 1},
                        {"staaf", veld.Staaf + 1},
                        {"afstand", veld.Afstand},
                        {"knoop", plaats.Knoop + 1},
                        {"draait", veld.Draait}});
    }
    return json;
}

nlohmann::ordered_json VerdeeldeBelastingen(const TUitslag& uitslag) {
    nlohmann::ordered_json json = nlohmann::ordered_json::array();
    for (const auto& q : uitslag.VerdeeldeBelastingen) {
        json.push_back({{"staaf", q.Staaf + 1}, {"qx", q.Qx}, {"qy", q.Qy}});
    }
    return json;
}

// Where the moment of a loaded bar peaks inside it at collapse: the bar, the metres from its
// first node and the moment there.
nlohmann::ordered_json Veldpieken(const TKrachtsverdeling& krachten) {
    nlohmann::ordered_json json = nlohmann::ordered_json::array();
    for (const auto& piek : krachten.Veldpieken) {
        json.push_back({{"staaf", piek.Slot + 1}, {"afstand", piek.Afstand}, {"M", piek.M}});
    }
    return json;
}

// null where the mechanism has no force distribution, as where its Fp is infinite.
nlohmann::ordered_json Momentverhouding(const TUitslag& uitslag, int i) {
    const double verhouding = uitslag.Controle.Momentverhoudingen[static_cast<std::size_t>(i)];
    return verhouding > 0.0 ? nlohmann::ordered_json(verhouding) : nlohmann::ordered_json();
}
} // namespace

std::vector<int> Knoopnummers(const std::vector<std::int32_t>& knopen) {
    std::vector<int> nummers(knopen.begin(), knopen.end());
    for (int& n : nummers) {
        ++n;
    }
    return nummers;
}

std::string PlaatsNaam(const std::vector<TScharnierplaats>& plaatsen, int p,
                       const Teksten& teksten) {
    const auto& plaats = plaatsen[static_cast<std::size_t>(p)];
    if (plaats.Veld) {
        return VulIn(teksten[TekstPlaatsInVeld], {std::to_string(plaats.Staaf + 1)});
    }
    std::string naam = std::to_string(plaats.Knoop + 1);
    const auto opDezeKnoop = std::count_if(plaatsen.begin(), plaatsen.end(),
                                           [&](const auto& q) { return OpKnoop(q, plaats.Knoop); });
    if (opDezeKnoop > 1) {
        naam += " (staaf " + std::to_string(plaats.Staaf + 1) + ")";
    }
    return naam;
}

void TUitslag::Reserveer(int mechanismen) {
    const auto aantal = static_cast<std::size_t>(mechanismen);
    Bezwijklasten.reserve(aantal);
    Plaatsen.reserve(aantal);
    Draaiend.reserve(aantal);
    Veldscharnieren.reserve(aantal);
    Namen.reserve(aantal);
    GelijkAan.reserve(aantal);
    Opgaven.reserve(aantal);
}

void TUitslag::VoegToe(const TBerekendMechanisme& berekend,
                       const std::vector<TScharnierplaats>& plaatsen, bool metTermen) {
    const auto& m = berekend.Mechanisme;
    Bezwijklasten.push_back(m.Vgl.Bezwijklast);
    Opgaven.push_back(Opgave(m, plaatsen));
    Plaatsen.push_back(m.Plaatsen);
    Draaiend.push_back(m.DraaiendePlaatsen);
    Veldscharnieren.push_back(m.Veldscharnieren);
    Namen.push_back(m.Naam);
    GelijkAan.push_back(m.GelijkAan);
    if (metTermen) {
        Termen.push_back(kx::Termen(m));
        // The report joins the terms by their spaces; a term of its own has none at its end.
        for (auto& term : Termen.back()) {
            term.erase(term.find_last_not_of(' ') + 1);
        }
        Factoren.push_back(m.Vgl.Factoren);
    }
    if (berekend.Maatgevend) {
        MaatgevendMechanisme = m;
    }
}

namespace {
// How the list of mechanisms came about: the counting of combinations, or why the list holds
// the independent mechanisms, or why there is none.
void SchrijfTelling(std::ostream& uit, const TAnalyse& analyse) {
    const int n = analyse.Onbepaaldheid;
    const int m = analyse.AantalPlaatsen;
    if (m == 0) {
        uit << "Er is geen plaats waar een plastisch scharnier kan optreden: de constructie kan "
               "niet door buiging bezwijken, Fp = ∞.\n";
        return;
    }
    if (analyse.Lijst == TAnalyse::TLijst::Onafhankelijk) {
        const std::uint64_t combinaties = Binomiaal(m, std::min(n + 1, m));
        uit << "Aantal combinaties van " << n + 1 << " van de " << m << " plaatsen: "
            << (combinaties == std::numeric_limits<std::uint64_t>::max()
                    ? std::string("meer dan 10^19")
                    : std::to_string(combinaties))
            << ", te veel om op te sommen\n"
            << "Aantal onafhankelijke mechanismen: " << analyse.AantalMechanismen - 1
            << ", gevolgd door het bezwijkmechanisme van de hele constructie\n\n";
        return;
    }
    if (n + 1 > m) {
        uit << "Een mechanisme vraagt " << n + 1 << " scharnieren, meer dan er plaatsen zijn: het "
            << "enige mechanisme heeft een scharnier in elke plaats\n";
    }
    uit << "Aantal mogelijke mechanismen: " << analyse.AantalMechanismen << "\n\n";
}
} // namespace

void SchrijfRapport(std::ostream& uit, const TAnalyse& analyse, const TUitslag& uitslag) {
    const char decimaalteken = analyse.Decimaalteken;
    const Teksten& teksten = analyse.Tekst();
    const auto& telling = analyse.Telling;
    uit << "Aantal onbekenden: " << telling.AantalOnbekenden << "\n"
        << "Aantal evenwichtsvergelijkingen: " << telling.AantalVergelijkingen << "\n"
        << "Mate van statische onbepaaldheid: " << telling.S() << "\n"
        << "Plaatsen voor een plastisch scharnier: " << telling.AantalScharnierplaatsen << "\n";
    SchrijfTelling(uit, analyse);
    std::string regel;
    for (int i = 0; i < analyse.AantalMechanismen; ++i) {
        MechanismeRegel(regel, teksten, analyse, uitslag, i, decimaalteken);
        uit << regel;
    }
    if (analyse.AantalMechanismen > 0) {
        const auto& mechanisme = uitslag.MaatgevendMechanisme;
        uit << "\nVirtuele arbeidsvergelijking van " << teksten[TekstMechanismeNummer]
            << uitslag.Maatgevend + 1 << ":\n"
            << Vergelijking(mechanisme) << "\n"
            << "Bezwijklast: Fp = " << Bezwijklast(mechanisme.Vgl.Bezwijklast, decimaalteken)
            << "\n";
        // A list of independent mechanisms names the governing one as their combination.
        if (const auto combinatie = analyse.CombinatieTekst();
            analyse.Lijst == TAnalyse::TLijst::Onafhankelijk && !combinatie.empty()) {
            uit << "Als combinatie van de onafhankelijke mechanismen: " << combinatie << "\n";
        }
    }
    SchrijfControle(uit, analyse, uitslag);
}

nlohmann::ordered_json MaakJson(const TAnalyse& analyse, const TUitslag& uitslag, bool momenten) {
    const auto& telling = analyse.Telling;
    const auto nummers = [](const std::vector<int>& indices) {
        std::vector<int> uit(indices.begin(), indices.end());
        for (int& n : uit) {
            ++n;
        }
        return uit;
    };
    const auto knopen = [&](const std::vector<int>& plaatsen) {
        std::vector<int> uit;
        for (const int p : plaatsen) {
            uit.push_back(analyse.Plaatsen[static_cast<std::size_t>(p)].Knoop + 1);
        }
        uit.erase(std::unique(uit.begin(), uit.end()), uit.end());
        return uit;
    };
    // Only a structure with a distributed load has span places: every other document stays as
    // it was.
    const bool verdeeld = !uitslag.VerdeeldeBelastingen.empty();
    nlohmann::ordered_json mechanismen = nlohmann::ordered_json::array();
    for (int i = 0; i < analyse.AantalMechanismen; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const auto& naam = uitslag.Namen[k];
        nlohmann::ordered_json mechanisme = {
            {"nummer", i + 1},
            {"naam", naam.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(naam)},
            {"scharnieren", knopen(uitslag.Plaatsen[k])},
            {"draaiende_scharnieren", knopen(uitslag.Draaiend[k])},
            {"plaatsen", nummers(uitslag.Plaatsen[k])},
            {"draaiende_plaatsen", nummers(uitslag.Draaiend[k])}};
        if (verdeeld) {
            mechanisme["veldscharnieren"] = Veldscharnieren(analyse, uitslag.Veldscharnieren[k]);
        }
        mechanisme["bezwijklast"] = Last(uitslag.Bezwijklasten[k]);
        mechanisme["gelijk_aan"] = GelijkAan(uitslag, i);
        mechanisme["momentverhouding"] = Momentverhouding(uitslag, i);
        mechanisme["termen"] = uitslag.Termen[k];
        mechanisme["factoren"] = uitslag.Factoren[k];
        mechanismen.push_back(std::move(mechanisme));
    }
    nlohmann::ordered_json plaatsen = nlohmann::ordered_json::array();
    for (const auto& plaats : analyse.Plaatsen) {
        plaatsen.push_back({{"knoop", plaats.Knoop + 1}, {"staaf", plaats.Staaf + 1}});
        if (verdeeld) {
            plaatsen.back()["veld"] = plaats.Veld;
        }
    }
    nlohmann::ordered_json combinatie = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < analyse.MaatgevendeCombinatie.size(); ++i) {
        combinatie.push_back(
            {{"naam", analyse.Basis[i].Naam}, {"factor", analyse.MaatgevendeCombinatie[i]}});
    }
    const bool onafhankelijk = analyse.Lijst == TAnalyse::TLijst::Onafhankelijk;
    nlohmann::ordered_json json = {{"onbekenden", telling.AantalOnbekenden},
                                   {"vergelijkingen", telling.AantalVergelijkingen},
                                   {"onbepaaldheid", telling.S()},
                                   {"scharnierplaatsen", telling.AantalScharnierplaatsen}};
    if (verdeeld) {
        json["verdeelde_belastingen"] = VerdeeldeBelastingen(uitslag);
    }
    json.update({{"plaatsen", plaatsen},
                 {"lijst", onafhankelijk ? "onafhankelijke mechanismen" : "combinaties"},
                 {"onafhankelijke_mechanismen", static_cast<int>(analyse.Basis.size())},
                 {"maatgevend", analyse.AantalMechanismen > 0
                                    ? nlohmann::ordered_json(uitslag.Maatgevend + 1)
                                    : nlohmann::ordered_json()},
                 {"maatgevende_combinatie", combinatie},
                 {"bezwijklast_exact", Last(uitslag.Controle.Waar.Bezwijklast)},
                 {"bevestigd", uitslag.Controle.Bevestigd},
                 {"mechanismen", mechanismen}});
    if (momenten) {
        nlohmann::ordered_json staven = nlohmann::ordered_json::array();
        for (const auto& staaf : uitslag.Krachten.Staven) {
            staven.push_back({Schoon(staaf.M0), Schoon(staaf.M1)});
        }
        nlohmann::ordered_json reacties = nlohmann::ordered_json::array();
        for (const auto& r : uitslag.Krachten.Reacties) {
            reacties.push_back({{"knoop", r.Knoop + 1},
                                {"Rx", Schoon(r.Rx)},
                                {"Ry", Schoon(r.Ry)},
                                {"M", Schoon(r.M)}});
        }
        json["staafmomenten"] = staven;
        json["oplegreacties"] = reacties;
        if (verdeeld) {
            json["veldpieken"] = Veldpieken(uitslag.Krachten);
        }
    }
    return json;
}

void SchrijfMomenten(std::ostream& uit, const TConstructie& constructie, const TAnalyse& analyse,
                     const TUitslag& uitslag) {
    const char decimaalteken = analyse.Decimaalteken;
    const auto& krachten = uitslag.Krachten;
    if (!krachten.Bestaat) {
        return;
    }
    const auto getal = [decimaalteken](double v) {
        return AlgemeenGetal(Schoon(v), 4, decimaalteken);
    };
    uit << "\nStaafmomenten bij bezwijken (kNm, positief: trek rechts van de staaf van knoop a "
           "naar knoop b):\n";
    for (const auto& staaf : krachten.Staven) {
        const auto& bron = constructie.Staven[static_cast<std::size_t>(staaf.Slot)];
        uit << "Staaf " << staaf.Slot + 1 << " (knoop " << bron.Knoop0 + 1 << " - "
            << bron.Knoop1 + 1 << "): " << getal(staaf.M0) << " en " << getal(staaf.M1);
        // A loaded bar whose moment peaks inside it: the peak and its place.
        for (const auto& piek : krachten.Veldpieken) {
            if (piek.Slot == staaf.Slot) {
                uit << ", in het veld " << getal(piek.M) << " "
                    << VeldplaatsTekst(constructie, staaf.Slot, piek.Positie, analyse.Tekst(),
                                       decimaalteken);
            }
        }
        uit << "\n";
    }
    uit << "\nOplegreacties bij bezwijken (kN en kNm; Rx naar rechts, Ry omhoog, M linksom):\n";
    for (const auto& r : krachten.Reacties) {
        uit << "Knoop " << r.Knoop + 1 << ": Rx = " << getal(r.Rx) << ", Ry = " << getal(r.Ry)
            << ", M = " << getal(r.M) << "\n";
    }
}

namespace {

// Where each file's output goes: one report after another, one JSON document (an array when
// there are several files) or one table.
class TUitvoer {
public:
    TUitvoer(const TOpdracht& opdracht, std::ostream& uit, std::ostream& fout)
        : Opdracht(opdracht), Uit(uit), Fout(fout) {
        if (Opdracht.Tabel) {
            Uit << TabelKop();
        }
    }

    void Geanalyseerd(const std::string& bron, const TConstructie& constructie,
                      const TAnalyse& analyse, const TUitslag& uitslag) {
        if (Opdracht.Tabel) {
            Uit << TabelRegel(bron, analyse, uitslag);
        } else if (Opdracht.Json) {
            auto json = MaakJson(analyse, uitslag, Opdracht.Momenten);
            if (Opdracht.MeerdereBronnen()) {
                Reeks.push_back(Element(bron, 0, "", json));
            } else {
                Uit << json.dump(2) << "\n";
            }
        } else {
            Kop(bron);
            SchrijfRapport(Uit, analyse, uitslag);
            if (Opdracht.Momenten) {
                SchrijfMomenten(Uit, constructie, analyse, uitslag);
            }
        }
    }

    // A file that was not analysed: its message on standard error, naming the file when there
    // are several, and its place in the output.
    void Geweigerd(const std::string& bron, int status, const std::string& melding) {
        // A message about reading or writing names its file already.
        const bool noemBestand = Opdracht.MeerdereBronnen() && status == 1;
        Fout << (noemBestand ? bron + ": " : "") << melding << "\n";
        if (Opdracht.Tabel) {
            Uit << TabelRegel(bron, melding);
        } else if (Opdracht.Json && Opdracht.MeerdereBronnen()) {
            Reeks.push_back(Element(bron, status, melding, nlohmann::ordered_json::object()));
        } else if (Opdracht.MeerdereBronnen()) {
            Kop(bron);
            Uit << "Niet geanalyseerd: " << melding << "\n";
        }
    }

    void Sluit() {
        if (Opdracht.Json && Opdracht.MeerdereBronnen()) {
            Uit << Reeks.dump(2) << "\n";
        }
    }

private:
    // Several reports are told apart by a line naming the file, after an empty line.
    void Kop(const std::string& bron) {
        if (Opdracht.MeerdereBronnen()) {
            Uit << (Koppen++ > 0 ? "\n" : "") << "Bestand: " << bron << "\n\n";
        }
    }

    static nlohmann::ordered_json Element(const std::string& bron, int status,
                                          const std::string& melding,
                                          const nlohmann::ordered_json& analyse) {
        nlohmann::ordered_json element = {{"bestand", bron},
                                          {"afsluitcode", status},
                                          {"melding", melding.empty()
                                                          ? nlohmann::ordered_json()
                                                          : nlohmann::ordered_json(melding)}};
        element.update(analyse);
        return element;
    }

    const TOpdracht& Opdracht;
    std::ostream& Uit;
    std::ostream& Fout;
    nlohmann::ordered_json Reeks = nlohmann::ordered_json::array();
    int Koppen = 0;
};

// Whether everything written so far reached its destination; says so on standard error when
// not, with the system's reason.
bool UitvoerGeschreven(std::ostream& uit, std::ostream& fout) {
    // A write that failed before left its reason; nothing after it touched the stream.
    if (uit) {
        errno = 0;
        uit.flush();
    }
    if (uit) {
        return true;
    }
    const int reden = errno;
    fout << "kx-analyse: de uitvoer kan niet worden geschreven"
         << (reden != 0 ? std::string(": ") + std::strerror(reden) : std::string()) << "\n";
    return false;
}

// Reads one file, saves it where asked and analyses it; returns its exit status and, when
// that is not 0, the message why.
int AnalyseerBestand(const std::string& bron, const TOpdracht& opdracht, const Teksten& teksten,
                     TConstructie& constructie, TAnalyse& analyse, TUitslag& uitslag,
                     std::string& melding) {
    melding = LaadConstructie(constructie, bron, teksten);
    if (!melding.empty()) {
        return 2;
    }
    if (!opdracht.Opslaan.empty()) {
        melding = SchrijfConstructieNaarBestand(opdracht.Opslaan, constructie, teksten,
                                                HuidigeDatum(), HuidigeTijd());
        if (!melding.empty()) {
            return 2;
        }
    }
    melding = Analyseer(constructie, analyse, opdracht.Json, uitslag);
    return melding.empty() ? 0 : 1;
}

// One file from reading to its output and PDF; returns its exit status.
int VerwerkBestand(const std::string& bron, const TOpdracht& opdracht, const Teksten& teksten,
                   TUitvoer& uitvoer, std::ostream& fout, const PdfSchrijver& pdf) {
    TConstructie constructie;
    TAnalyse analyse(teksten);
    analyse.Decimaalteken = opdracht.Json || opdracht.Tabel ? '.' : Decimaalteken();
    // The report prints only the governing mechanism's equation.
    analyse.TermenSchrijven = opdracht.Json;
    TUitslag uitslag;
    std::string melding;
    const int status =
        AnalyseerBestand(bron, opdracht, teksten, constructie, analyse, uitslag, melding);
    if (status != 0) {
        uitvoer.Geweigerd(bron, status, melding);
        return status;
    }
    uitvoer.Geanalyseerd(bron, constructie, analyse, uitslag);
    if (opdracht.Pdf.empty()) {
        return 0;
    }
    melding = pdf(opdracht.Pdf, constructie, analyse, uitslag);
    if (!melding.empty()) {
        fout << melding << "\n";
        return 2;
    }
    return 0;
}

int Weiger(std::ostream& fout, const std::string& klacht, bool metGebruik) {
    fout << "kx-analyse: " << klacht << "\n";
    if (metGebruik) {
        fout << "\n" << Gebruik;
    }
    return 64;
}

} // namespace

int VoerAnalyseUit(const std::vector<std::string>& argumenten, std::ostream& uit,
                   std::ostream& fout, const PdfSchrijver& pdf) {
    TOpdracht opdracht;
    if (const auto klacht = LeesArgumenten(argumenten, opdracht); !klacht.empty()) {
        return Weiger(fout, klacht, true);
    }
    if (opdracht.Hulp) {
        uit << Gebruik;
        return UitvoerGeschreven(uit, fout) ? 0 : 2;
    }
    if (!opdracht.Pdf.empty() && !pdf) {
        fout << "PDF-uitvoer is in deze uitvoering van kx-analyse niet beschikbaar.\n";
        return 64;
    }
    if (const auto klacht = ControleerUitvoerbestanden(opdracht); !klacht.empty()) {
        return Weiger(fout, klacht, false);
    }
    const Teksten teksten;
    TUitvoer uitvoer(opdracht, uit, fout);
    int hoogste = 0;
    for (const auto& bron : opdracht.Bronnen) {
        hoogste = std::max(hoogste, VerwerkBestand(bron, opdracht, teksten, uitvoer, fout, pdf));
        if (!UitvoerGeschreven(uit, fout)) {
            return 2;
        }
    }
    uitvoer.Sluit();
    return UitvoerGeschreven(uit, fout) ? hoogste : 2;
}

} // namespace kx
