#include "BestandHulp.h"
#include "EngineHulp.h"
#include "KxAnalyseHulp.h"
#include "Raamwerken.h"
#include "cli/Rapport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace kx::test {
namespace {

using KxAnalyse = Bestanden;

TEST_F(KxAnalyse, JsonVanHetVoorbeeldGeeftDeHandberekendeUitkomsten) {
    const auto uitvoer = Voer({"--json", "--voorbeeld"});
    ASSERT_EQ(uitvoer.Status, 0) << uitvoer.Fout;
    const auto json = nlohmann::json::parse(uitvoer.Uit);
    EXPECT_EQ(json["onbekenden"], 26);
    EXPECT_EQ(json["vergelijkingen"], 25);
    EXPECT_EQ(json["onbepaaldheid"], 1);
    EXPECT_EQ(json["scharnierplaatsen"], 3);
    EXPECT_EQ(json["maatgevend"], 1);
    const auto& mechanismen = json["mechanismen"];
    ASSERT_EQ(mechanismen.size(), 3U);
    EXPECT_EQ(mechanismen[0]["scharnieren"], (std::vector<int>{3, 5}));
    EXPECT_EQ(mechanismen[1]["scharnieren"], (std::vector<int>{1, 5}));
    EXPECT_EQ(mechanismen[2]["scharnieren"], (std::vector<int>{1, 3}));
    EXPECT_NEAR(mechanismen[0]["bezwijklast"].get<double>(), 175.0 / 3, 1e-12);
    EXPECT_NEAR(mechanismen[1]["bezwijklast"].get<double>(), 250.0 / 3, 1e-12);
    // The beam only translates: its vertical load does no work, and JSON has no infinity.
    EXPECT_TRUE(mechanismen[2]["bezwijklast"].is_null());
    // Three parts (the left column merged with the left half of the beam, the right half, the
    // right column) and one load; five terms do work: four hinge ends and the vertical load.
    const auto& termen = mechanismen[0]["termen"];
    ASSERT_EQ(termen.size(), 5U);
    EXPECT_EQ(termen[4], "+ 1 F ⋅ 3 ⋅ 1 ⋅ δθ");
    EXPECT_EQ(mechanismen[0]["factoren"].size(), 2U * (3 + 1 + 1));
    // The moment check: mechanism 1 stays within Mp, mechanism 2 loads the right corner to 100.
    EXPECT_NEAR(json["bezwijklast_exact"].get<double>(), 175.0 / 3.0, 1e-9);
    EXPECT_EQ(json["bevestigd"], true);
    EXPECT_NEAR(mechanismen[0]["momentverhouding"].get<double>(), 1.0, 1e-9);
    EXPECT_NEAR(mechanismen[1]["momentverhouding"].get<double>(), 2.0, 1e-9);
    EXPECT_TRUE(mechanismen[2]["momentverhouding"].is_null());
    EXPECT_FALSE(json.contains("staafmomenten"));
}

// Loads at the ends of what the check lets through are written as they are: neither a large
// one as infinite nor a small one as 0, in the report and in the JSON.
TEST_F(KxAnalyse, GroteEnKleineBezwijklastenZoalsZeZijn) {
    struct TGeval {
        std::string Naam;
        void (*Bouw)(Opstelling&);
        double Fp;
        std::string Tekst;
    };
    const std::vector<TGeval> gevallen = {
        // A propped cantilever of 0.75 m loaded at 0.5 m from the clamp: Fp = Mp (2 l - a) /
        // (a (l - a) F) = 8 Mp / F.
        {"schoorligger",
         [](Opstelling& o) {
             o.Knoop(0, 0, 0, Inklemming);
             o.Knoop(1, 0.5, 0);
             o.Knoop(2, 0.75, 0, RolHorizontaal);
             o.Staaf(0, 0, 1, 1e6);
             o.Staaf(1, 1, 2, 1e6);
             o.Last(0, 1, 0, 0.001);
         },
         8e9, "8000000000"},
        // A simply supported beam of 10000 m loaded at mid-span: Fp = 4 Mp / (l F).
        {"ligger",
         [](Opstelling& o) {
             Ligger(o, 5000, 10000, Scharnierend, RolHorizontaal, 1e6);
             o.c.Staven[0].Mp = 0.001;
             o.c.Staven[1].Mp = 0.001;
         },
         4e-13, "0.0000000000004"},
    };
    for (const auto& geval : gevallen) {
        SCOPED_TRACE(geval.Naam);
        Opstelling o;
        geval.Bouw(o);
        ASSERT_EQ(Sla(o.c, Pad("frame.kx")), "");
        const auto uitvoer = Voer({"--json", Pad("frame.kx")});
        ASSERT_EQ(uitvoer.Status, 0) << uitvoer.Fout;
        const auto json = nlohmann::json::parse(uitvoer.Uit);
        ASSERT_EQ(json["mechanismen"].size(), 1U);
        ASSERT_TRUE(json["mechanismen"][0]["bezwijklast"].is_number());
        EXPECT_NEAR(json["mechanismen"][0]["bezwijklast"].get<double>(), geval.Fp,
                    GelijkeLasten * geval.Fp);
        ASSERT_TRUE(json["bezwijklast_exact"].is_number());
        // The static theorem's program meets its bounds to about 1e-10 on its own scale.
        EXPECT_NEAR(json["bezwijklast_exact"].get<double>(), geval.Fp, 1e-7 * geval.Fp);
        EXPECT_EQ(json["bevestigd"], true);

        const auto rapport = Voer({Pad("frame.kx")}).Uit;
        const std::string fp = "Fp = " + std::string(geval.Tekst) + " kN";
        EXPECT_NE(rapport.find("Bezwijklast: " + fp + "\n"), std::string::npos) << rapport;
        EXPECT_NE(rapport.find("statische stelling: " + fp), std::string::npos) << rapport;
        EXPECT_EQ(rapport.find("∞"), std::string::npos) << rapport;
    }
}

// Sagging positive per bar from its first to its second node; both corners hog, the left one at
// 3 m x 25/3 kN.
TEST_F(KxAnalyse, MomentenEnOplegreactiesVanHetVoorbeeld) {
    const auto uitvoer = Voer({"--json", "--momenten", "--voorbeeld"});
    ASSERT_EQ(uitvoer.Status, 0) << uitvoer.Fout;
    const auto json = nlohmann::json::parse(uitvoer.Uit);
    const std::vector<std::array<double, 2>> momenten{{25, 0}, {50, -50}, {-50, 0}, {-25, 50}};
    ASSERT_EQ(json["staafmomenten"].size(), momenten.size());
    for (std::size_t s = 0; s < momenten.size(); ++s) {
        for (std::size_t e = 0; e < 2; ++e) {
            EXPECT_NEAR(json["staafmomenten"][s][e].get<double>(), momenten[s][e], 1e-9) << s;
        }
    }
    const auto& reacties = json["oplegreacties"];
    ASSERT_EQ(reacties.size(), 2U);
    EXPECT_EQ(reacties[0]["knoop"], 2);
    EXPECT_NEAR(reacties[0]["Rx"].get<double>(), 25.0 / 3.0, 1e-9);
    EXPECT_NEAR(reacties[0]["Ry"].get<double>(), 25.0, 1e-9);
    EXPECT_EQ(reacties[1]["knoop"], 4);
    EXPECT_NEAR(reacties[1]["Rx"].get<double>(), -25.0 / 3.0, 1e-9);
    EXPECT_NEAR(reacties[1]["Ry"].get<double>(), 100.0 / 3.0, 1e-9);
    EXPECT_EQ(reacties[1]["M"].get<double>(), 0.0);

    const auto rapport = Voer({"--momenten", "--voorbeeld"}).Uit;
    EXPECT_NE(rapport.find("Momentcontrole: de momentenlijn blijft overal binnen Mp"),
              std::string::npos)
        << rapport;
    EXPECT_NE(rapport.find("statische stelling: Fp = 58"), std::string::npos);
    EXPECT_NE(rapport.find("(Mp bereikt in knoop 3 en 5)"), std::string::npos);
    EXPECT_NE(rapport.find("Staaf 4 (knoop 1 - 5): -25 en 50"), std::string::npos);
}

TEST_F(KxAnalyse, RapportNoemtHetMaatgevendeMechanismeEnZijnVergelijking) {
    const auto uitvoer = Voer({"--voorbeeld"});
    ASSERT_EQ(uitvoer.Status, 0);
    EXPECT_NE(uitvoer.Uit.find("Mechanisme 1: scharnieren in knoop 3 en 5, Fp = 58"),
              std::string::npos)
        << uitvoer.Uit;
    EXPECT_NE(uitvoer.Uit.find("Fp = 58.33 kN (Maatgevend)\n"), std::string::npos);
    EXPECT_NE(uitvoer.Uit.find("Fp = ∞"), std::string::npos);
    EXPECT_NE(uitvoer.Uit.find("δA = - 50 ⋅ 1 ⋅ δθ"), std::string::npos);
    EXPECT_NE(uitvoer.Uit.find(" = 0\n"), std::string::npos);
}

// The PDF option hands the analysed results to the writer the program has, after the report;
// a program without one refuses the option before analysing.
TEST_F(KxAnalyse, PdfGaatNaarDeSchrijverOfWordtGeweigerd) {
    EXPECT_EQ(Voer({"--voorbeeld", "--pdf"}).Status, 64);
    const auto zonder = Voer({"--voorbeeld", "--pdf", "r.pdf"});
    EXPECT_EQ(zonder.Status, 64);
    EXPECT_EQ(zonder.Uit, "");

    std::string pad;
    int maatgevend = -1;
    std::string melding;
    const PdfSchrijver schrijver = [&](const std::string& p, const TConstructie&, const TAnalyse&,
                                       const TUitslag& uitslag) {
        pad = p;
        maatgevend = uitslag.Maatgevend;
        return melding;
    };
    std::ostringstream uit;
    std::ostringstream fout;
    EXPECT_EQ(VoerAnalyseUit({"--pdf", "r.pdf", "--voorbeeld"}, uit, fout, schrijver), 0);
    EXPECT_EQ(pad, "r.pdf");
    EXPECT_EQ(maatgevend, 0); // mechanism 1 of the portal frame, Fp = 175 / 3
    EXPECT_NE(uit.str().find("(Maatgevend)"), std::string::npos);
    melding = "r.pdf: geen ruimte";
    EXPECT_EQ(VoerAnalyseUit({"--voorbeeld", "--pdf", "r.pdf"}, uit, fout, schrijver), 2);
    EXPECT_NE(fout.str().find("geen ruimte"), std::string::npos);
}

TEST_F(KxAnalyse, AfsluitcodesVoorFoutenInArgumentenBestandEnConstructie) {
    EXPECT_EQ(Voer({}).Status, 64);
    EXPECT_EQ(Voer({"--onbekend"}).Status, 64);
    EXPECT_EQ(Voer({"--voorbeeld", "a.kx"}).Status, 64);
    EXPECT_EQ(Voer({"--opslaan"}).Status, 64);
    EXPECT_EQ(Voer({"--voorbeeld", "--opslaan", ""}).Status, 64);
    EXPECT_NE(Voer({}).Fout.find("Gebruik: kx-analyse"), std::string::npos);

    const auto ontbreekt = Voer({"/bestaat/niet.kx"});
    EXPECT_EQ(ontbreekt.Status, 2);
    EXPECT_NE(ontbreekt.Fout.find("niet.kx"), std::string::npos);

    ASSERT_EQ(Voer({"--voorbeeld", "--opslaan", Pad("voorbeeld.kx")}).Status, 0);
    EXPECT_EQ(LeesAlles(Pad("voorbeeld.kx")).size(), AlsTekst(voorbeeld).size());
    // The example without its load: the check refuses it.
    voorbeeld.Belastingen[0].Bestaat = false;
    ASSERT_EQ(Sla(voorbeeld, Pad("leeg.kx")), "");
    const auto afgekeurd = Voer({Pad("leeg.kx")});
    EXPECT_EQ(afgekeurd.Status, 1);
    EXPECT_EQ(afgekeurd.Fout, "Er staan geen krachten op de constructie. \n");
}

TEST_F(KxAnalyse, DeGroteKetenHeeftAchttienhonderdtwintigMechanismen) {
    const auto uitvoer = Voer({"--json", std::string(KX_FIXTURES) + "/keten15.kx"});
    ASSERT_EQ(uitvoer.Status, 0) << uitvoer.Fout;
    const auto json = nlohmann::json::parse(uitvoer.Uit);
    EXPECT_EQ(json["onbepaaldheid"], 3);
    EXPECT_EQ(json["scharnierplaatsen"], 16);
    EXPECT_EQ(json["mechanismen"].size(), 1820U);
    // C(16, 4) combinations, the first on the last four places and the last on the first four.
    EXPECT_EQ(json["mechanismen"][0]["scharnieren"], (std::vector<int>{13, 14, 15, 16}));
    EXPECT_EQ(json["mechanismen"][1819]["scharnieren"], (std::vector<int>{1, 2, 3, 4}));
    // Infinite loads are null and govern no chain that has a finite one.
    std::vector<double> lasten;
    for (const auto& mechanisme : json["mechanismen"]) {
        const auto& last = mechanisme["bezwijklast"];
        lasten.push_back(last.is_null() ? OneindigeLast : last.get<double>());
        // A term stands on its own, without the space that joins it to the next in the report.
        for (const auto& term : mechanisme["termen"]) {
            const auto tekst = term.get<std::string>();
            ASSERT_FALSE(tekst.empty());
            EXPECT_NE(tekst.front(), ' ') << tekst;
            EXPECT_NE(tekst.back(), ' ') << tekst;
        }
    }
    ASSERT_TRUE(std::isfinite(*std::min_element(lasten.begin(), lasten.end())));
    // The lowest collapse load governs, the first of those equal to it up to rounding; the
    // report marks it once.
    const int laagste = json["maatgevend"].get<int>() - 1;
    ASSERT_GE(laagste, 0);
    ASSERT_LT(laagste, 1820);
    const double fp = lasten[static_cast<std::size_t>(laagste)];
    for (std::size_t i = 0; i < lasten.size(); ++i) {
        EXPECT_LE(fp * (1.0 - GelijkeLasten), lasten[i]) << i;
        if (static_cast<int>(i) < laagste) {
            EXPECT_GT(lasten[i] * (1.0 - GelijkeLasten), fp) << i;
        }
    }
    const auto rapport = Voer({std::string(KX_FIXTURES) + "/keten15.kx"}).Uit;
    const auto regel = "Mechanisme " + std::to_string(laagste + 1) + ": ";
    const auto plaats = rapport.find(regel);
    ASSERT_NE(plaats, std::string::npos);
    const auto einde = rapport.find('\n', plaats);
    EXPECT_TRUE(rapport.substr(plaats, einde - plaats).ends_with(" (Maatgevend)"));
    EXPECT_EQ(rapport.find("(Maatgevend)"), rapport.rfind("(Maatgevend)"));
    EXPECT_NE(rapport.find("Virtuele arbeidsvergelijking van Mechanisme " +
                           std::to_string(laagste + 1) + ":"),
              std::string::npos);
}

TEST_F(KxAnalyse, DraaiendeScharnierenEnHerhaaldeMechanismen) {
    const std::string bron = std::string(KX_FIXTURES) + "/portaal-ingeklemd-hv.kx";
    const auto json = nlohmann::json::parse(Voer({"--json", bron}).Uit);
    const auto& m = json["mechanismen"];
    EXPECT_EQ(m[0]["scharnieren"], (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(m[0]["draaiende_scharnieren"], (std::vector<int>{2, 3, 5}));
    EXPECT_TRUE(m[0]["gelijk_aan"].is_null());
    EXPECT_EQ(m[3]["gelijk_aan"], 1);
    const auto rapport = Voer({bron}).Uit;
    EXPECT_NE(rapport.find("Mechanisme 4: scharnieren in knoop 1, 2, 3 en 5 (draaiend: 2, 3, 5), "
                           "Fp = 66.67 kN (gelijk aan mechanisme 1)\n"),
              std::string::npos)
        << rapport;
    EXPECT_NE(rapport.find("Fp = 42.86 kN (Maatgevend)"), std::string::npos);
}

// A column pinned at both ends whose joint C is hinged: movable before any plastic hinge.
TEST_F(KxAnalyse, BeweeglijkeConstructieWordtGeweigerd) {
    TConstructie c;
    auto& k = c.Knopen;
    k[0] = {0, 4, Scharnierend, true, ScharnierendeVerbinding, 0.0};
    k[1] = {0, 2, GeenOplegging, true, VasteVerbinding, 0.0};
    k[2] = {0, 0, GeenOplegging, true, ScharnierendeVerbinding, 0.0};
    k[3] = {0, -2, Scharnierend, true, ScharnierendeVerbinding, 0.0};
    for (int b = 0; b < 3; ++b) {
        c.Staven[b] = {b, b + 1, 50.0, true};
    }
    c.Belastingen[0] = {1, 1, 0, true};
    ASSERT_EQ(Sla(c, Pad("beweeglijk.kx")), "");
    const auto uitvoer = Voer({Pad("beweeglijk.kx")});
    EXPECT_EQ(uitvoer.Status, 1);
    // Node 3, the hinge, moves most.
    EXPECT_EQ(uitvoer.Fout, VulIn(teksten[TekstBeweeglijk], {"3"}) + "\n");
    EXPECT_EQ(uitvoer.Uit, "");
}

// Every textbook frame through kx-analyse: the governing mechanism's load is the textbook's,
// and the static theorem confirms it.
TEST_F(KxAnalyse, LeerboekRaamwerkenGevenDeWareBezwijklastBevestigd) {
    const Teksten teksten;
    for (const auto& r : LeerboekRaamwerken()) {
        SCOPED_TRACE(r.Naam);
        TConstructie c;
        c = r.Constructie;
        ASSERT_EQ(Sla(c, Pad("leerboek.kx")), "");
        const auto uitvoer = Voer({"--json", Pad("leerboek.kx")});
        ASSERT_EQ(uitvoer.Status, 0) << uitvoer.Fout;
        const auto json = nlohmann::json::parse(uitvoer.Uit);
        const int maatgevend = json["maatgevend"].get<int>() - 1;
        const auto& mechanisme = json["mechanismen"][static_cast<std::size_t>(maatgevend)];
        EXPECT_NEAR(mechanisme["bezwijklast"].get<double>(), r.Bezwijklast, 1e-9 * r.Bezwijklast);
        EXPECT_NEAR(json["bezwijklast_exact"].get<double>(), r.Bezwijklast, 1e-9 * r.Bezwijklast);
        EXPECT_EQ(json["bevestigd"], true);
    }
}

// A triangle of hinged bars on a pin and a roller stands but has no place for a plastic hinge:
// it is analysed, the report says it cannot collapse by bending, and no load is a stand-in.
TEST_F(KxAnalyse, EenVakwerkBezwijktNietDoorBuiging) {
    const Teksten teksten;
    ASSERT_EQ(Sla(Vakwerk(), Pad("vakwerk.kx")), "");
    const auto rapport = Voer({Pad("vakwerk.kx")});
    ASSERT_EQ(rapport.Status, 0) << rapport.Fout;
    EXPECT_NE(rapport.Uit.find("de constructie kan niet door buiging bezwijken, Fp = ∞."),
              std::string::npos)
        << rapport.Uit;
    EXPECT_NE(rapport.Uit.find("statische stelling: Fp = ∞"), std::string::npos) << rapport.Uit;
    const auto json = nlohmann::json::parse(Voer({"--json", Pad("vakwerk.kx")}).Uit);
    EXPECT_EQ(json["scharnierplaatsen"], 0);
    EXPECT_TRUE(json["mechanismen"].empty());
    EXPECT_TRUE(json["maatgevend"].is_null());
    EXPECT_TRUE(json["bezwijklast_exact"].is_null());
}

} // namespace
} // namespace kx::test
