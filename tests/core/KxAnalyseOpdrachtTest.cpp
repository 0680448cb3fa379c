#include "BestandHulp.h"
#include "KxAnalyseHulp.h"
#include "Raamwerken.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <charconv>
#include <map>

namespace kx::test {
namespace {

using KxAnalyseOpdracht = Bestanden;

TEST_F(KxAnalyseOpdracht, HulpGaatNaarDeStandaarduitvoer) {
    for (const char* vraag : {"--help", "-h"}) {
        SCOPED_TRACE(vraag);
        const auto hulp = Voer({vraag});
        EXPECT_EQ(hulp.Status, 0);
        EXPECT_EQ(hulp.Fout, "");
        EXPECT_TRUE(hulp.Uit.starts_with("Gebruik: kx-analyse ")) << hulp.Uit;
        for (const char* optie :
             {"--voorbeeld", "--json", "--tabel", "--momenten", "--opslaan", "--pdf", "--help"}) {
            EXPECT_NE(hulp.Uit.find("  " + std::string(optie) + " "), std::string::npos) << optie;
        }
    }
    // After wrong arguments the same text goes to standard error, after what is wrong.
    const auto fout = Voer({"--onbekend"});
    EXPECT_EQ(fout.Status, 64);
    EXPECT_EQ(fout.Uit, "");
    EXPECT_TRUE(fout.Fout.starts_with("kx-analyse: onbekend of herhaald argument --onbekend\n"))
        << fout.Fout;
    EXPECT_TRUE(fout.Fout.ends_with(Voer({"--help"}).Uit));
}

// A report that does not reach its reader is an error, not a success with a cut text.
TEST_F(KxAnalyseOpdracht, UitvoerDieNietAankomtGeeftAfsluitcodeTwee) {
    const std::string keten = std::string(KX_FIXTURES) + "/keten15.kx";
    const std::vector<std::vector<std::string>> opdrachten = {
        {"--voorbeeld"}, {"--json", keten}, {"--tabel", keten, keten}, {"--help"}};
    for (const auto uitgang : {TUitgang::Apparaatvol, TUitgang::GeslotenPijp}) {
        for (const auto& argumenten : opdrachten) {
            SCOPED_TRACE(argumenten.front() +
                         (uitgang == TUitgang::Apparaatvol ? " /dev/full" : " pijp"));
            const auto uitvoer = VoerProgramma(argumenten, uitgang, Pad("fout.txt"));
            EXPECT_EQ(uitvoer.Status, 2) << uitvoer.Fout;
            EXPECT_TRUE(uitvoer.Fout.starts_with("kx-analyse: de uitvoer kan niet worden "
                                                 "geschreven"))
                << uitvoer.Fout;
            EXPECT_EQ(std::count(uitvoer.Fout.begin(), uitvoer.Fout.end(), '\n'), 1)
                << uitvoer.Fout;
        }
    }
}

// The PDF is never written over the structure it reports on, however that file is named, nor
// over the structure saved in the same run; a PDF without a name is refused with a reason.
TEST_F(KxAnalyseOpdracht, PdfOverDeInvoerOfZonderNaamWordtGeweigerd) {
    const std::string bron = Pad("portaal.kx");
    ASSERT_EQ(Sla(voorbeeld, bron), "");
    const std::string inhoud = LeesAlles(bron);
    fs::create_symlink(bron, Pad("koppeling.kx"));
    fs::create_hard_link(bron, Pad("harde-koppeling.kx"));
    fs::create_directory(Pad("map"));
    int geschreven = 0;
    const PdfSchrijver schrijver = [&](const std::string& pad, const TConstructie&, const TAnalyse&,
                                       const TUitslag&) {
        ++geschreven;
        SchrijfAlles(pad, "%PDF-1.4");
        return std::string();
    };
    const auto voer = [&](const std::vector<std::string>& argumenten) {
        std::ostringstream uit;
        std::ostringstream fout;
        const int status = VoerAnalyseUit(argumenten, uit, fout, schrijver);
        return TUitvoer{status, uit.str(), fout.str()};
    };
    for (const auto& pdf :
         {bron, Pad("map/../portaal.kx"), Pad("koppeling.kx"), Pad("harde-koppeling.kx")}) {
        SCOPED_TRACE(pdf);
        const auto uitvoer = voer({bron, "--pdf", pdf});
        EXPECT_EQ(uitvoer.Status, 64);
        EXPECT_EQ(uitvoer.Uit, "");
        EXPECT_NE(uitvoer.Fout.find("wordt niet overschreven"), std::string::npos) << uitvoer.Fout;
    }
    const auto zelfde = voer({"--voorbeeld", "--opslaan", Pad("a.kx"), "--pdf", Pad("a.kx")});
    EXPECT_EQ(zelfde.Status, 64);
    EXPECT_NE(zelfde.Fout.find("hetzelfde bestand"), std::string::npos) << zelfde.Fout;
    EXPECT_FALSE(fs::exists(Pad("a.kx")));
    EXPECT_EQ(geschreven, 0);
    EXPECT_EQ(LeesAlles(bron), inhoud);

    const auto leeg = voer({bron, "--pdf", ""});
    EXPECT_EQ(leeg.Status, 64);
    EXPECT_TRUE(leeg.Fout.starts_with("kx-analyse: --pdf vraagt een bestandsnaam\n")) << leeg.Fout;
    EXPECT_EQ(geschreven, 0);

    // Another name in the same folder is fine.
    EXPECT_EQ(voer({bron, "--pdf", Pad("portaal.pdf")}).Status, 0);
    EXPECT_EQ(geschreven, 1);

    // The program itself, whether or not it has its PDF sibling.
    std::error_code geen;
    fs::remove(Pad("portaal.pdf"), geen);
    const std::string opdracht = std::string(KX_ANALYSE) + " '" + bron + "' --pdf '" +
                                 Pad("koppeling.kx") + "' >/dev/null 2>&1";
    const int status = std::system(opdracht.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 64);
    EXPECT_EQ(LeesAlles(bron), inhoud);
}

// The fields of a CSV text by RFC 4180, line by line.
std::vector<std::vector<std::string>> LeesCsv(const std::string& tekst) {
    std::vector<std::vector<std::string>> regels(1, std::vector<std::string>(1));
    bool binnenAanhalingstekens = false;
    for (std::size_t i = 0; i < tekst.size(); ++i) {
        const char teken = tekst[i];
        auto& veld = regels.back().back();
        if (binnenAanhalingstekens) {
            if (teken == '"' && i + 1 < tekst.size() && tekst[i + 1] == '"') {
                veld += '"';
                ++i;
            } else if (teken == '"') {
                binnenAanhalingstekens = false;
            } else {
                veld += teken;
            }
        } else if (teken == '"' && veld.empty()) {
            binnenAanhalingstekens = true;
        } else if (teken == ',') {
            regels.back().emplace_back();
        } else if (teken == '\r' && i + 1 < tekst.size() && tekst[i + 1] == '\n') {
            regels.emplace_back(1);
            ++i;
        } else {
            veld += teken;
        }
    }
    EXPECT_FALSE(binnenAanhalingstekens);
    EXPECT_EQ(regels.back(), std::vector<std::string>(1)) << "geen CR LF aan het eind";
    regels.pop_back();
    return regels;
}

// A number as the table writes it; NaN where the field holds anything else.
double Getal(const std::string& veld) {
    double waarde = std::nan("");
    const auto [einde, fout] = std::from_chars(veld.data(), veld.data() + veld.size(), waarde);
    return fout == std::errc() && einde == veld.data() + veld.size() ? waarde : std::nan("");
}

// A folder of structures at once: the example, a frame with an infinite collapse load, one the
// check refuses, one that cannot be read, the large chain and a beam under a distributed load,
// with names that need quoting.
class KxAnalyseMap : public Bestanden {
protected:
    void SetUp() override {
        Bestanden::SetUp();
        ASSERT_EQ(Sla(voorbeeld, Pad("portaal, \"oud\".kx")), "");
        ASSERT_EQ(Sla(Vakwerk(), Pad("vakwerk.kx")), "");
        voorbeeld.Belastingen[0].Bestaat = false;
        ASSERT_EQ(Sla(voorbeeld, Pad("onbelast.kx")), "");
        bestanden = {Pad("portaal, \"oud\".kx"),
                     Pad("vakwerk.kx"),
                     Pad("onbelast.kx"),
                     Pad("ontbreekt.kx"),
                     std::string(KX_FIXTURES) + "/keten15.kx",
                     std::string(KX_FIXTURES) + "/schoorligger-verdeeld.kx"};
    }

    std::vector<std::string> Met(std::vector<std::string> opties) const {
        opties.insert(opties.end(), bestanden.begin(), bestanden.end());
        return opties;
    }

    std::vector<std::string> bestanden;
};

TEST_F(KxAnalyseMap, RapportenNaElkaarMetDeHoogsteAfsluitcode) {
    const auto samen = Voer(Met({}));
    EXPECT_EQ(samen.Status, 2);
    std::string verwacht;
    std::string fouten;
    for (const auto& bestand : bestanden) {
        const auto los = Voer({bestand});
        verwacht += (verwacht.empty() ? "" : "\n") + std::string("Bestand: ") + bestand + "\n\n";
        verwacht += los.Status == 0 ? los.Uit : "Niet geanalyseerd: " + los.Fout;
        // A refusal by the check names its file; one of the reader does so itself.
        fouten += los.Status == 1 ? bestand + ": " + los.Fout : los.Fout;
    }
    EXPECT_EQ(samen.Uit, verwacht);
    EXPECT_EQ(samen.Fout, fouten);

    const std::map<std::vector<std::string>, int> codes = {
        {{bestanden[0], bestanden[4]}, 0},
        {{bestanden[0], bestanden[2]}, 1},
        {{bestanden[2], bestanden[0]}, 1},
        {{bestanden[3], bestanden[2], bestanden[0]}, 2},
        {{bestanden[2], bestanden[3]}, 2}};
    for (const auto& [argumenten, code] : codes) {
        EXPECT_EQ(Voer(argumenten).Status, code) << argumenten.front();
    }
}

TEST_F(KxAnalyseMap, JsonIsEenReeksVanDeLosseUitkomsten) {
    const auto samen = Voer(Met({"--json", "--momenten"}));
    EXPECT_EQ(samen.Status, 2);
    const auto reeks = nlohmann::json::parse(samen.Uit);
    ASSERT_TRUE(reeks.is_array());
    ASSERT_EQ(reeks.size(), bestanden.size());
    for (std::size_t i = 0; i < bestanden.size(); ++i) {
        SCOPED_TRACE(bestanden[i]);
        auto element = reeks[i];
        const auto los = Voer({"--json", "--momenten", bestanden[i]});
        EXPECT_EQ(element["bestand"], bestanden[i]);
        EXPECT_EQ(element["afsluitcode"], los.Status);
        if (los.Status == 0) {
            EXPECT_TRUE(element["melding"].is_null());
            element.erase("bestand");
            element.erase("afsluitcode");
            element.erase("melding");
            EXPECT_EQ(element, nlohmann::json::parse(los.Uit));
        } else {
            EXPECT_EQ(element["melding"].get<std::string>() + "\n", los.Fout);
            EXPECT_EQ(element.size(), 3U);
        }
    }
}

TEST_F(KxAnalyseMap, TabelGeeftPerBestandDeUitkomstenVanEenLosseAnalyse) {
    const auto tabel = Voer(Met({"--tabel"}));
    EXPECT_EQ(tabel.Status, 2);
    const auto regels = LeesCsv(tabel.Uit);
    ASSERT_EQ(regels.size(), bestanden.size() + 1);
    EXPECT_EQ(regels[0], (std::vector<std::string>{"bestand", "n", "mechanismen", "maatgevende_fp",
                                                   "ware_fp", "bevestigd", "melding"}));
    for (std::size_t i = 0; i < bestanden.size(); ++i) {
        SCOPED_TRACE(bestanden[i]);
        const auto& regel = regels[i + 1];
        ASSERT_EQ(regel.size(), 7U);
        EXPECT_EQ(regel[0], bestanden[i]);
        const auto los = Voer({"--json", bestanden[i]});
        if (los.Status != 0) {
            EXPECT_EQ(regel[6] + "\n", los.Fout);
            for (std::size_t k = 1; k < 6; ++k) {
                EXPECT_EQ(regel[k], "") << k;
            }
            continue;
        }
        const auto json = nlohmann::json::parse(los.Uit);
        EXPECT_EQ(regel[1], std::to_string(json["onbepaaldheid"].get<int>()));
        EXPECT_EQ(regel[2], std::to_string(json["mechanismen"].size()));
        // The loads as exact as the JSON has them; infinite ones (null there) are empty.
        const auto& maatgevend = json["maatgevend"];
        const auto fp = maatgevend.is_null()
                            ? nlohmann::json()
                            : json["mechanismen"][maatgevend.get<std::size_t>() - 1]["bezwijklast"];
        for (const auto& [veld, waarde] :
             {std::pair{regel[3], fp}, std::pair{regel[4], json["bezwijklast_exact"]}}) {
            if (waarde.is_null()) {
                EXPECT_EQ(veld, "");
            } else {
                EXPECT_EQ(Getal(veld), waarde.get<double>()) << veld;
            }
        }
        EXPECT_EQ(regel[5], json["bevestigd"].get<bool>() ? "ja" : "nee");
        EXPECT_EQ(regel[6], "");
    }
    // The example's governing load is 175 / 3 kN, written with a point.
    EXPECT_EQ(regels[1][3].find(','), std::string::npos);
    EXPECT_NEAR(Getal(regels[1][3]), 175.0 / 3.0, 1e-12);
}

TEST_F(KxAnalyseMap, UitvoerbestandenEnTegenstrijdigeOptiesBijMeerdereBestanden) {
    for (const auto& opties : std::vector<std::vector<std::string>>{{"--pdf", Pad("a.pdf")},
                                                                    {"--opslaan", Pad("a.kx")},
                                                                    {"--json", "--tabel"},
                                                                    {"--tabel", "--momenten"},
                                                                    {"--voorbeeld"}}) {
        SCOPED_TRACE(opties.front());
        const auto uitvoer = Voer(Met(opties));
        EXPECT_EQ(uitvoer.Status, 64);
        EXPECT_EQ(uitvoer.Uit, "");
        EXPECT_TRUE(uitvoer.Fout.starts_with("kx-analyse: ")) << uitvoer.Fout;
    }
    EXPECT_FALSE(fs::exists(Pad("a.kx")));
}

} // namespace
} // namespace kx::test
