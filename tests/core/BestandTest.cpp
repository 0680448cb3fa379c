#include "BestandHulp.h"
#include "EngineHulp.h"
#include "ModelHulp.h"

#include <gtest/gtest.h>

#include <regex>
#include <utility>

namespace kx::test {
namespace {

const std::string Rust = "  0.00000000000000000E+0000";

TLeesResultaat Lees(const std::string& tekst) {
    std::istringstream in(tekst);
    return LeesConstructie(in, "portaal.kx", Teksten());
}

// The lines of a file without their line ends, and back.
std::vector<std::string> Regels(const std::string& tekst) {
    std::vector<std::string> regels;
    std::istringstream in(tekst);
    for (std::string regel; std::getline(in, regel);) {
        regels.push_back(regel.substr(0, regel.size() - 1));
    }
    return regels;
}

std::string Samen(const std::vector<std::string>& regels) {
    std::string tekst;
    for (const auto& regel : regels) {
        tekst += regel + "\r\n";
    }
    return tekst;
}

// A file in which only the count lines and the data lines carry meaning.
std::string KortBestand(const std::vector<std::string>& knopen,
                        const std::vector<std::string>& staven = {},
                        const std::vector<std::string>& belastingen = {}) {
    std::vector<std::string> regels(11, "-");
    regels.push_back("aantal knopen:       " + std::to_string(knopen.size()));
    regels.push_back("aantal staven:       " + std::to_string(staven.size()));
    regels.push_back("aantal belastingen:  " + std::to_string(belastingen.size()));
    for (const auto* sectie : {&knopen, &staven, &belastingen}) {
        regels.insert(regels.end(), 6, "-");
        regels.insert(regels.end(), sectie->begin(), sectie->end());
    }
    return Samen(regels);
}

// The first field of a line.
std::string SplitsEerste(const std::string& regel) {
    std::istringstream in(regel);
    std::string veld;
    in >> veld;
    return veld;
}

class BestandTest : public Bestanden {
protected:
    static std::string Fixture() { return LeesAlles(fs::path(KX_FIXTURES) / "voorbeeld.kx"); }

    TConstructie c;
};

TEST_F(BestandTest, VoorbeeldByteVoorByteGeschrevenEnMetCrLfOfLfTeruggelezen) {
    const std::string tekst = Fixture();
    EXPECT_EQ(AlsTekst(voorbeeld), tekst);
    std::string alleenLf = tekst;
    std::erase(alleenLf, '\r');
    for (const auto& bestand : {tekst, alleenLf}) {
        const TLeesResultaat gelezen = Lees(bestand);
        ASSERT_TRUE(gelezen.Gelukt()) << gelezen.Melding;
        EXPECT_EQ(*gelezen.Constructie, voorbeeld);
    }
}

TEST_F(BestandTest, RealsHebbenTekenplaatsZeventienDecimalenEnVierExponentcijfers) {
    auto& knoop = c.Knopen[0];
    knoop = {-1.5, 0.0625, RolVerticaal, true, ScharnierendeVerbinding, 1024.0};
    c.Knopen[1] = {-0.0, 2.0, GeenOplegging, true, VasteVerbinding, -0.0};
    const auto regels = Regels(AlsTekst(c));
    EXPECT_EQ(regels[20], "  0 -1.50000000000000000E+0000  6.25000000000000000E-0002"
                          "               -1         2  1.02400000000000000E+0003"
                          "        1");
    // Zero is written without a sign, also when it is -0.0.
    EXPECT_EQ(regels[21], "  1  0.00000000000000000E+0000  2.00000000000000000E+0000"
                          "                0         3  0.00000000000000000E+0000"
                          "        1");
}

// At scale 1 nothing marks the scale; at another scale the empty line before the counts names
// it, every other line is the file of the same drawing at scale 1, and the metres come back.
TEST_F(BestandTest, SchaalStaatInDeKopEnKomtTerug) {
    const auto eenheid = Regels(AlsTekst(voorbeeld));
    EXPECT_EQ(eenheid[7], "");
    for (const int schaal : {2, 3, 25}) {
        SCOPED_TRACE(schaal);
        c = voorbeeld;
        HerschaalKnopen(c, schaal);
        c.Knopen[4].X = 7.0; // not a whole number of grid cells
        auto regels = Regels(AlsTekst(c));
        EXPECT_EQ(regels[7], "schaal: " + std::to_string(schaal));
        TConstructie opSchaalEen = c;
        HerschaalKnopen(opSchaalEen, 1);
        auto verwacht = Regels(AlsTekst(opSchaalEen));
        verwacht[7] = regels[7];
        EXPECT_EQ(regels, verwacht);

        const std::string pad = Pad("schaal.kx");
        ASSERT_EQ(SchrijfConstructieNaarBestand(pad, c, teksten, Datum, Tijd), "");
        TConstructie terug;
        ASSERT_EQ(LaadConstructie(terug, pad, teksten), "");
        EXPECT_EQ(terug.Schaal, schaal);
        for (std::size_t i = 0; i < c.Knopen.size(); ++i) {
            EXPECT_NEAR(terug.Knopen[i].X, c.Knopen[i].X, 1e-12 * schaal) << i;
            EXPECT_NEAR(terug.Knopen[i].Y, c.Knopen[i].Y, 1e-12 * schaal) << i;
        }
    }
}

// The collapse load depends on the metres: a frame saved at scale 2 and read back collapses at
// the load it had before saving, not at the load of the same drawing at scale 1.
TEST_F(BestandTest, SchaalTweeHoudtDeBezwijklast) {
    const auto bezwijklast = [](const TConstructie& constructie) {
        Opstelling o;
        o.c = constructie;
        EXPECT_EQ(o.Analyseer(), "");
        return o.a.Mechanismen[static_cast<std::size_t>(o.a.MaatgevendMechanisme)].Vgl.Bezwijklast;
    };
    c = voorbeeld;
    HerschaalKnopen(c, 2);
    const std::string pad = Pad("schaal2.kx");
    ASSERT_EQ(Sla(c, pad), "");
    TConstructie terug;
    ASSERT_EQ(LaadConstructie(terug, pad, teksten), "");
    const double verwacht = bezwijklast(c);
    EXPECT_NEAR(bezwijklast(terug), verwacht, 1e-9 * verwacht);
    EXPECT_GT(std::abs(bezwijklast(voorbeeld) - verwacht), 1.0);
}

// Each old fixture is what the writer has always made of it: read and written again with its
// own date and time, it comes back byte for byte.
TEST_F(BestandTest, OudeBestandenKomenNaHeenEnTerugByteVoorByteTerug) {
    int bestanden = 0;
    for (const auto& item : fs::directory_iterator(KX_FIXTURES)) {
        if (item.path().extension() != ".kx") {
            continue;
        }
        SCOPED_TRACE(item.path().filename().string());
        ++bestanden;
        const std::string oud = LeesAlles(item.path());
        const auto regels = Regels(oud);
        ASSERT_GT(regels.size(), 5U);
        const TLeesResultaat gelezen = Lees(oud);
        ASSERT_TRUE(gelezen.Gelukt()) << gelezen.Melding;
        std::ostringstream uit;
        SchrijfConstructie(uit, *gelezen.Constructie, regels[3].substr(8), regels[4].substr(8));
        EXPECT_EQ(uit.str(), oud);
    }
    EXPECT_GE(bestanden, 5);
}

// The count is the number after the colon, of any width, and the table holds that many slots.
TEST_F(BestandTest, AantalVanDrieCijfersGeeftZoveelSlots) {
    const std::string z = " 0 3" + Rust + " 1";
    const std::vector<std::string> knopen{"0 0 0" + z, "1 2 0" + z};
    std::vector<std::string> staven;
    for (int i = 0; i < 99; ++i) {
        staven.push_back(std::to_string(i) + " -1 -1 50 0");
    }
    staven.push_back("99 0 1 75 1");
    const std::string tekst = KortBestand(knopen, staven);
    ASSERT_NE(tekst.find("\r\naantal staven:       100\r\n"), std::string::npos);
    const TLeesResultaat gelezen = Lees(tekst);
    ASSERT_TRUE(gelezen.Gelukt()) << gelezen.Melding;
    ASSERT_EQ(gelezen.Constructie->Staven.size(), 100U);
    EXPECT_EQ(gelezen.Constructie->Staven[99], (TConstructieStaaf{0, 1, 75.0, true}));
    EXPECT_EQ(gelezen.Constructie->Knopen.size(), std::size_t{AantalKnoopSlots});
    EXPECT_EQ(gelezen.Constructie->Belastingen.size(), std::size_t{AantalBelastingSlots});

    staven.back() = "100 0 1 75 1";
    EXPECT_EQ(Lees(KortBestand(knopen, staven)).Melding,
              "Het bestand \"portaal.kx\" kan niet worden gelezen: regel 128: een nummer van 0 tot "
              "en met 99 verwacht (nummer van een staaf).");
}

// Long beams drawn bar by bar and split by a load at the middle of every bar: beyond the tables
// of the empty structure the file holds the slots up to the highest in use, and reads back the
// same.
TEST_F(BestandTest, GroteConstructieHeenEnTerug) {
    for (const int staven : {60, 150}) {
        SCOPED_TRACE(staven);
        Tekenaar t;
        for (int i = 0; i < staven / 2; ++i) {
            ASSERT_EQ(t.Staaf(2 * i, 0, 2 * i + 2, 0), "") << i;
        }
        t.Oplegging(0, 0, Inklemming);
        for (int i = 0; i < staven / 2; ++i) {
            ASSERT_EQ(t.Belasting(2 * i + 1, -1, 2 * i + 1, 0, i), "") << i;
        }
        ASSERT_EQ(t.AantalStaven(), staven);
        ASSERT_EQ(t.AantalKnopen(), staven + 1);
        ASSERT_EQ(t.AantalBelastingen(), staven / 2);

        const std::string tekst = AlsTekst(t.c);
        const auto regels = Regels(tekst);
        EXPECT_EQ(regels[11], "aantal knopen:       " + std::to_string(staven + 1));
        EXPECT_EQ(regels[12], "aantal staven:       " + std::to_string(staven));
        EXPECT_EQ(regels[13], "aantal belastingen:  " + std::to_string(staven / 2));
        const auto kop =
            std::find(regels.begin(), regels.end(), std::string(51, ' ') + "      STAVEN");
        ASSERT_NE(kop, regels.end());
        for (int i = 0; i < staven; ++i) {
            const std::string& regel = *(kop + 3 + i);
            EXPECT_EQ(SplitsEerste(regel), std::to_string(i)) << regel;
        }
        EXPECT_EQ(*(kop + 3 + staven), std::string(120, '-'));

        const std::string pad = Pad("lang.kx");
        ASSERT_EQ(Sla(t.c, pad), "");
        TConstructie terug;
        ASSERT_EQ(LaadConstructie(terug, pad, teksten), "");
        EXPECT_EQ(terug, t.c);

        // A last slot freed again is not written.
        t.sel.GevondenBelasting = staven / 2 - 1;
        WisBelasting(t.c, t.sel);
        const std::string korter = AlsTekst(t.c);
        EXPECT_EQ(Regels(korter)[13], "aantal belastingen:  " + std::to_string(staven / 2 - 1));
        const TLeesResultaat gelezen = Lees(korter);
        ASSERT_TRUE(gelezen.Gelukt()) << gelezen.Melding;
        EXPECT_EQ(gelezen.Constructie->Belastingen.size(), std::size_t(staven / 2 - 1));
        EXPECT_TRUE(ZelfdeStructuur(*gelezen.Constructie, t.c));
    }
}

// One entry beyond the empty structure's slots and every table lists its slots up to the
// highest in use, also a table that would fit.
TEST_F(BestandTest, EenSlotBuitenDeLegeTabellenKortElkeTabelIn) {
    c = kx::Voorbeeld();
    c.Belastingen.resize(21);
    c.Belastingen[20] = {2, 1.0, 0.0, true};
    const std::string tekst = AlsTekst(c);
    const auto regels = Regels(tekst);
    EXPECT_EQ(regels[11], "aantal knopen:       5");
    EXPECT_EQ(regels[12], "aantal staven:       4");
    EXPECT_EQ(regels[13], "aantal belastingen:  21");
    EXPECT_EQ(regels.size(), 14 + 3 * 6 + 5 + 4 + 21 + 5U);
    const TLeesResultaat gelezen = Lees(tekst);
    ASSERT_TRUE(gelezen.Gelukt()) << gelezen.Melding;
    EXPECT_EQ(gelezen.Constructie->Knopen.size(), std::size_t{AantalKnoopSlots});
    EXPECT_TRUE(ZelfdeStructuur(*gelezen.Constructie, c));
}

TEST_F(BestandTest, KnopenKomenInHunSlotEnTekstNaHetLaatsteGetalTeltNiet) {
    // The count lines read "... 4" and "... 2": a misread count would take a header line as data.
    const std::string z = " 0 0 3" + Rust + " 1";
    const TLeesResultaat gelezen =
        Lees(KortBestand({"4 5.5" + z, "0 1" + z, "2 -2" + z, "3 +2 .5 2 2 0 1 knoop aan de voet"},
                         {"0 3 2 5E1 1 opmerking", "15 -1 -1 -2.5e+0001 0"}));
    ASSERT_TRUE(gelezen.Gelukt()) << gelezen.Melding;
    TConstructie verwacht;
    verwacht.Knopen[4] = {5.5, 0.0, GeenOplegging, true, VasteVerbinding, 0.0};
    verwacht.Knopen[0] = {1.0, 0.0, GeenOplegging, true, VasteVerbinding, 0.0};
    verwacht.Knopen[2] = {-2.0, 0.0, GeenOplegging, true, VasteVerbinding, 0.0};
    verwacht.Knopen[3] = {2.0, 0.5, Scharnierend, true, ScharnierendeVerbinding, 0.0};
    verwacht.Staven[0] = {3, 2, 50.0, true};
    verwacht.Staven[15] = {-1, -1, -25.0, false};
    EXPECT_EQ(*gelezen.Constructie, verwacht);
}

// Broken copies of the example file, each with the reason it is refused.
std::vector<std::pair<std::vector<std::string>, std::string>>
KapotteBestanden(const std::vector<std::string>& goed) {
    std::vector<std::pair<std::vector<std::string>, std::string>> bestanden;
    const auto breekAf = [&](std::size_t over, const std::string& wat) {
        bestanden.emplace_back(std::vector<std::string>(goed.begin(), goed.begin() + over),
                               "regel " + std::to_string(over + 1) + ": " + wat +
                                   " verwacht, maar het bestand houdt hier op.");
    };
    // Replaces lines (numbered from 1); the reason names the last of them.
    const auto vervang = [&](const std::vector<std::pair<int, std::string>>& nieuw,
                             const std::string& wat) {
        std::vector<std::string> regels = goed;
        for (const auto& [nummer, inhoud] : nieuw) {
            regels[static_cast<std::size_t>(nummer - 1)] = inhoud;
        }
        bestanden.emplace_back(regels, "regel " + std::to_string(nieuw.back().first) + ": " + wat);
    };
    breekAf(0, "een kopregel");
    breekAf(5, "een kopregel");
    breekAf(11, "het aantal knopen");
    breekAf(40, "een regel met een knoop");
    breekAf(89, "een regel met een belasting");
    vervang({{12, "aantal knopen:       1000"}},
            "een aantal van 0 tot en met 999 verwacht (aantal knopen).");
    vervang({{13, "aantal staven:       x6"}},
            "een aantal van 0 tot en met 999 verwacht (aantal staven).");
    vervang({{14, "aantal belastingen:  99999999999"}},
            "een aantal van 0 tot en met 999 verwacht (aantal belastingen).");
    vervang({{14, "aantal belastingen:  1 6"}},
            "een aantal van 0 tot en met 999 verwacht (aantal belastingen).");
    const std::string knoop = "  4" + Rust + Rust;
    vervang({{25, "  4  abc" + Rust + " 0 3" + Rust + " 1"}},
            "een getal verwacht (x-coördinaat van een knoop).");
    vervang({{25, " 31" + Rust + Rust + " 0 3" + Rust + " 1"}},
            "een nummer van 0 tot en met 30 verwacht (nummer van een knoop).");
    vervang({{25, knoop + " 4 3" + Rust + " 1"}},
            "0, 1, -1, 2 of 3 verwacht (soort oplegging van een knoop).");
    vervang({{25, knoop + " 0 1" + Rust + " 1"}}, "2 of 3 verwacht (vrijheid van een knoop).");
    vervang({{25, knoop + " 0 3 nan 1"}}, "een eindig getal verwacht (moment van een knoop).");
    vervang({{25, "  4 -inf" + Rust + " 0 3" + Rust + " 1"}},
            "een eindig getal verwacht (x-coördinaat van een knoop).");
    vervang({{25, "  4" + Rust + " 1e400 0 3" + Rust + " 1"}},
            "een getal binnen het rekenbereik verwacht (y-coördinaat van een knoop).");
    vervang({{25, knoop + " 0 3"}}, "een getal verwacht (moment van een knoop).");
    vervang({{25, knoop + " 0 3" + Rust}}, "een geheel getal verwacht (bestaan van een knoop).");
    vervang({{58, "0 0 1 50"}}, "een geheel getal verwacht (bestaan van een staaf).");
    vervang({{25, knoop + " 0 3" + Rust + " 1.0"}},
            "een geheel getal verwacht (bestaan van een knoop).");
    vervang({{25, "  4" + std::string("  2\0", 4) + Rust + " 0 3" + Rust + " 1"}},
            "een getal verwacht (x-coördinaat van een knoop).");
    vervang({{25, std::string(5000, '7')}}, "een regel van hoogstens 4096 tekens verwacht.");
    vervang({{58, "16 0 1 50 0"}},
            "een nummer van 0 tot en met 15 verwacht (nummer van een staaf).");
    vervang({{58, "0 31 1 50 1"}},
            "een knoopnummer van 0 tot en met 30 verwacht (knoop 0 van een bestaande staaf).");
    vervang({{59, "1 4 -1 50 1"}},
            "een knoopnummer van 0 tot en met 30 verwacht (knoop 1 van een bestaande staaf).");
    // Bars without length: the example's first bar runs from node 1 to node 2 (slots 0 and 1).
    vervang({{58, "0 4 4 50 1"}}, "een staaf tussen twee verschillende knopen verwacht (staaf 1 "
                                  "begint en eindigt in knoop 5).");
    vervang({{22, "1 2.000001 3 2 2 0 1"}, {58, "0 0 1 50 1"}},
            "een staaf tussen knopen op verschillende plaatsen verwacht (staaf 1: knoop 1 en "
            "knoop 2 liggen op dezelfde plaats).");
    vervang({{80, "0 40 0 1 1"}}, "een knoopnummer van 0 tot en met 30 verwacht (knoop van een "
                                  "bestaande belasting).");
    vervang({{80, "0 4 1,5 1 1"}}, "een getal verwacht (Fx van een belasting).");
    // The example's nodes are slots 0 to 4; slot 11 is free.
    vervang({{58, "0 0 11 50 1"}},
            "het nummer van een knoop in gebruik verwacht (knoop 1 van een bestaande staaf).");
    vervang({{59, "1 11 2 50 1"}},
            "het nummer van een knoop in gebruik verwacht (knoop 0 van een bestaande staaf).");
    vervang({{80, "0 11 0 1 1"}}, "het nummer van een knoop in gebruik verwacht (knoop van een "
                                  "bestaande belasting).");
    vervang({{80, "0 4 0 -0 1"}}, "een belasting die niet nul is verwacht (Fx en Fy van een "
                                  "bestaande belasting).");
    vervang({{25, "  1" + Rust + Rust + " 0 3" + Rust + " 1"}},
            "nummer 1 staat er voor de tweede keer (nummer van een knoop).");
    vervang({{60, "0 -1 -1 50 0"}},
            "nummer 0 staat er voor de tweede keer (nummer van een staaf).");
    vervang({{95, "0 -1 0 0 0"}},
            "nummer 0 staat er voor de tweede keer (nummer van een belasting).");
    for (const std::string schaal : {"0", "26", "-1", "2.5", "twee", ""}) {
        vervang({{8, "schaal: " + schaal}}, "een schaal van 1 tot en met 25 verwacht (schaal).");
    }
    return bestanden;
}

TEST_F(BestandTest, KapotBestandWordtGeweigerdEnLaatDeConstructieOngemoeid) {
    voorbeeld.Schaal = 2;
    const auto geweigerd = [&](const std::string& pad, const std::string& reden) {
        TConstructie ervoor = voorbeeld;
        EXPECT_EQ(LaadConstructie(ervoor, pad, teksten), Lezen(pad) + reden);
        EXPECT_EQ(ervoor, voorbeeld) << reden;
        EXPECT_EQ(ervoor.Schaal, 2);
    };
    for (const auto& [regels, reden] : KapotteBestanden(Regels(Fixture()))) {
        SchrijfAlles(Pad("kapot.kx"), Samen(regels));
        geweigerd(Pad("kapot.kx"), reden);
    }
    geweigerd(Pad("bestaat-niet.kx"), "het bestand bestaat niet.");
}

// A distributed load adds its count after the loads' count and its own section before the end;
// every other line is the file without it.
TEST_F(BestandTest, VerdeeldeBelastingKrijgtEenEigenSectie) {
    c = voorbeeld;
    c.VerdeeldeBelastingen[2] = {3, 0.5, -1.25, true};
    const auto regels = Regels(AlsTekst(c));
    const auto zonder = Regels(AlsTekst(voorbeeld));
    EXPECT_EQ(regels[14], "aantal verdeelde belastingen:  16");
    const std::vector<std::string> sectie{
        std::string(120, '-'),
        "",
        std::string(120, '-'),
        std::string(44, ' ') + "VERDEELDE BELASTINGEN",
        std::string(120, '-'),
        "  #  staaf                         qx                         qy  bestaan",
    };
    ASSERT_EQ(regels.size(), zonder.size() + 1 + sectie.size() + 16);
    EXPECT_TRUE(std::equal(zonder.begin(), zonder.begin() + 14, regels.begin()));
    // The loads' table ends on line 95 of the file without; the new section follows it.
    EXPECT_TRUE(std::equal(zonder.begin() + 14, zonder.begin() + 95, regels.begin() + 15));
    EXPECT_TRUE(std::equal(sectie.begin(), sectie.end(), regels.begin() + 96));
    EXPECT_EQ(regels[102], "  0      0" + Rust + Rust + "        0");
    EXPECT_EQ(regels[104], "  2      3  5.00000000000000000E-0001 -1.25000000000000000E+0000"
                           "        1");
    EXPECT_EQ(regels[117], " 15      0" + Rust + Rust + "        0");
    EXPECT_TRUE(std::equal(zonder.begin() + 95, zonder.end(), regels.begin() + 118));

    const TLeesResultaat gelezen = Lees(Samen(regels));
    ASSERT_TRUE(gelezen.Gelukt()) << gelezen.Melding;
    EXPECT_EQ(*gelezen.Constructie, c);

    // Freed again, the structure writes the file it wrote before.
    c.VerdeeldeBelastingen[2].Bestaat = false;
    EXPECT_EQ(Regels(AlsTekst(c)), zonder);
}

TEST_F(BestandTest, VerdeeldeBelastingenVoorbijDeLegeTabelEnOpSchaal) {
    c = voorbeeld;
    HerschaalKnopen(c, 4);
    c.VerdeeldeBelastingen.resize(40);
    c.VerdeeldeBelastingen[39] = {0, 0.0, 2.0, true};
    const auto regels = Regels(AlsTekst(c));
    EXPECT_EQ(regels[7], "schaal: 4");
    EXPECT_EQ(regels[14], "aantal verdeelde belastingen:  40");
    const TLeesResultaat gelezen = Lees(Samen(regels));
    ASSERT_TRUE(gelezen.Gelukt()) << gelezen.Melding;
    EXPECT_TRUE(ZelfdeStructuur(*gelezen.Constructie, c));
    EXPECT_EQ(gelezen.Constructie->VerdeeldeBelastingen.size(), 40U);
}

TEST_F(BestandTest, KapotteVerdeeldeBelastingWordtGeweigerd) {
    c = voorbeeld;
    c.VerdeeldeBelastingen[0] = {3, 0.0, 1.0, true};
    const auto goed = Regels(AlsTekst(c));
    const auto geweigerd = [&](const std::vector<std::pair<int, std::string>>& nieuw,
                               const std::string& reden) {
        std::vector<std::string> regels = goed;
        for (const auto& [nummer, inhoud] : nieuw) {
            regels[static_cast<std::size_t>(nummer - 1)] = inhoud;
        }
        EXPECT_EQ(Lees(Samen(regels)).Melding,
                  "Het bestand \"portaal.kx\" kan niet worden gelezen: regel " +
                      std::to_string(nieuw.back().first) + ": " + reden);
    };
    geweigerd({{15, "aantal verdeelde belastingen: 1000"}},
              "een aantal van 0 tot en met 999 verwacht (aantal verdeelde belastingen).");
    geweigerd({{103, "  0      7  0 1 1"}},
              "het nummer van een staaf in gebruik verwacht (staaf van een bestaande verdeelde "
              "belasting).");
    geweigerd({{103, "  0     16  0 1 1"}},
              "een staafnummer van 0 tot en met 15 verwacht (staaf van een bestaande verdeelde "
              "belasting).");
    geweigerd({{103, "  0      3  0 0 1"}},
              "een belasting die niet nul is verwacht (qx en qy van een bestaande verdeelde "
              "belasting).");
    geweigerd({{103, "  0      3  0 x 1"}}, "een getal verwacht (qy van een verdeelde belasting).");
    geweigerd({{110, "  0      0  0 0 0"}},
              "nummer 0 staat er voor de tweede keer (nummer van een verdeelde belasting).");
    std::vector<std::string> afgebroken(goed.begin(), goed.begin() + 105);
    EXPECT_EQ(Lees(Samen(afgebroken)).Melding,
              "Het bestand \"portaal.kx\" kan niet worden gelezen: regel 106: een regel met een "
              "verdeelde belasting verwacht, maar het bestand houdt hier op.");
    // Free slots keep whatever they hold, as in the other tables.
    std::vector<std::string> vrij = goed;
    vrij[104] = "  2     12  0 0 0";
    EXPECT_TRUE(Lees(Samen(vrij)).Gelukt());
}

// The refusals and a failed save speak the language of the texts: the built-in Dutch or English.
TEST_F(BestandTest, MeldingenInDeTaalVanDeTeksten) {
    Teksten engels;
    ASSERT_EQ(engels.LeesVertalingsbestand(KX_VERTALINGEN "/English.kxt").Aantal, Teksten::Aantal);
    const auto goed = Regels(Fixture());
    const auto met = [&](std::size_t nummer, const std::string& inhoud) {
        auto regels = goed;
        regels[nummer - 1] = inhoud;
        return regels;
    };
    const std::string knoop = "  4" + Rust + Rust;
    struct Geval {
        std::vector<std::string> regels;
        std::string nl, en;
    };
    const Geval gevallen[] = {
        {{goed.begin(), goed.begin() + 11},
         "regel 12: het aantal knopen verwacht, maar het bestand houdt hier op.",
         "line 12: expected the number of nodes, but the file ends here."},
        {met(25, "  4  abc" + Rust + " 0 3" + Rust + " 1"),
         "regel 25: een getal verwacht (x-coördinaat van een knoop).",
         "line 25: expected a number (x coordinate of a node)."},
        {met(25, knoop + " 4 3" + Rust + " 1"),
         "regel 25: 0, 1, -1, 2 of 3 verwacht (soort oplegging van een knoop).",
         "line 25: expected 0, 1, -1, 2 or 3 (support type of a node)."},
        {met(25, std::string(5000, '7')), "regel 25: een regel van hoogstens 4096 tekens verwacht.",
         "line 25: expected a line of at most 4096 characters."},
        {met(58, "0 4 4 50 1"),
         "regel 58: een staaf tussen twee verschillende knopen verwacht (staaf 1 begint en "
         "eindigt in knoop 5).",
         "line 58: expected a bar between two different nodes (bar 1 starts and ends at node 5)."},
        {met(80, "0 40 0 1 1"),
         "regel 80: een knoopnummer van 0 tot en met 30 verwacht (knoop van een bestaande "
         "belasting).",
         "line 80: expected a node number from 0 to 30 (node of an existing load)."},
        {met(13, "aantal staven:       1000"),
         "regel 13: een aantal van 0 tot en met 999 verwacht (aantal staven).",
         "line 13: expected a count from 0 to 999 (number of bars)."},
    };
    const std::string kapot = (map / "kapot.kx").string();
    const std::string zonderMap = (map / "weg" / "nieuw.kx").string();
    for (const bool inHetEngels : {false, true}) {
        TConstructie lezer;
        const std::string lezen = inHetEngels
                                      ? "The file \"" + kapot + "\" cannot be read: "
                                      : "Het bestand \"" + kapot + "\" kan niet worden gelezen: ";
        for (const Geval& g : gevallen) {
            SchrijfAlles(kapot, Samen(g.regels));
            EXPECT_EQ(LaadConstructie(lezer, kapot, inHetEngels ? engels : teksten),
                      lezen + (inHetEngels ? g.en : g.nl));
        }
        lezer = kx::Voorbeeld();
        EXPECT_EQ(SchrijfConstructieNaarBestand(zonderMap, lezer, inHetEngels ? engels : teksten,
                                                Datum, Tijd),
                  inHetEngels
                      ? "The file \"" + zonderMap + "\" cannot be saved: the folder does not exist."
                      : "Het bestand \"" + zonderMap +
                            "\" kan niet worden opgeslagen: de map bestaat niet.");
    }
}

TEST_F(BestandTest, GeladenBestandWordtGenormaliseerd) {
    const std::string losseKnoop = "7" + Rust + Rust + " 0 3" + Rust + " 1";
    SchrijfAlles(Pad("los.kx"), KortBestand({losseKnoop}));
    c = kx::Voorbeeld();
    ASSERT_EQ(LaadConstructie(c, Pad("los.kx"), teksten), "");
    EXPECT_EQ(c, TConstructie{});
}

TEST_F(BestandTest, LegeBronEnVoorbeeldLezenGeenBestand) {
    // A file called "Voorbeeld" in the working folder is never read.
    SchrijfAlles(map / "Voorbeeld", KortBestand({}));
    const fs::path eerder = fs::current_path();
    fs::current_path(map);
    c.Schaal = 4;
    const std::string melding = LaadConstructie(c, "Voorbeeld", teksten);
    fs::current_path(eerder);
    EXPECT_EQ(melding, "");
    EXPECT_EQ(c, voorbeeld);
    EXPECT_EQ(c.Schaal, 1);

    EXPECT_EQ(LaadConstructie(c, "", teksten), "");
    EXPECT_EQ(c, TConstructie{});
}

TEST_F(BestandTest, BewaardeKapotteBestandenLeidenNietTotEenFout) {
    const fs::path kapot = fs::path(KX_FIXTURES) / "kapot";
    ASSERT_TRUE(fs::is_directory(kapot));
    for (const auto& bestand : fs::directory_iterator(kapot)) {
        std::ifstream in(bestand.path(), std::ios::binary);
        const TLeesResultaat gelezen =
            LeesConstructie(in, bestand.path().filename().string(), teksten);
        if (!gelezen.Gelukt()) {
            EXPECT_NE(gelezen.Melding.find("kan niet worden gelezen: "), std::string::npos);
            continue;
        }
        std::ostringstream uit;
        SchrijfConstructie(uit, *gelezen.Constructie, Datum, Tijd);
        const TLeesResultaat terug = Lees(uit.str());
        ASSERT_TRUE(terug.Gelukt()) << bestand.path() << ": " << terug.Melding;
        EXPECT_EQ(*terug.Constructie, *gelezen.Constructie) << bestand.path();
    }
}

TEST(HuidigeDatumEnTijd, VasteVormZonderLandinstelling) {
    const std::string nu = HuidigeDatum() + " " + HuidigeTijd();
    EXPECT_TRUE(std::regex_match(nu, std::regex(R"(\d\d-\d\d-\d{4} \d\d:\d\d:\d\d)"))) << nu;
}

} // namespace
} // namespace kx::test
