#include "model/Bestand.h"
#include "text/Teksten.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>
#include <unistd.h>
#include <utility>
#include <vector>

namespace kx {
namespace {

namespace fs = std::filesystem;

const std::string Datum = "06-12-2024";
const std::string Tijd = "14:30:05";
const std::string Rust = "  0.00000000000000000E+0000";

std::string LeesAlles(const fs::path& pad) {
    std::ifstream in(pad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void SchrijfAlles(const fs::path& pad, const std::string& inhoud) {
    std::ofstream(pad, std::ios::binary) << inhoud;
}

std::string AlsTekst(const TManipuleerConstructie& c) {
    std::ostringstream uit;
    SchrijfConstructie(uit, c, Datum, Tijd);
    return uit.str();
}

TLeesResultaat Lees(const std::string& tekst) {
    std::istringstream in(tekst);
    return LeesConstructie(in, "portaal.kx");
}

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

class BestandTest : public ::testing::Test {
protected:
    void SetUp() override {
        map = fs::temp_directory_path() /
              ("kx-bestand-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(map);
        voorbeeld.MaakLeeg();
        voorbeeld.VulVoorbeeld();
    }
    void TearDown() override {
        std::error_code genegeerd;
        fs::permissions(map / "oud.kx", fs::perms::owner_all, genegeerd);
        fs::remove_all(map, genegeerd);
    }

    std::string Fixture() const { return LeesAlles(fs::path(KX_FIXTURES) / "voorbeeld.kx"); }

    Teksten teksten;
    TManipuleerConstructie c{teksten};
    TManipuleerConstructie voorbeeld{teksten};
    fs::path map;
};

TEST_F(BestandTest, VoorbeeldWordtByteVoorByteGeschreven) {
    EXPECT_EQ(AlsTekst(voorbeeld), Fixture());
}

TEST_F(BestandTest, VoorbeeldKomtTerugMetCrLfEnMetLf) {
    const std::string tekst = Fixture();
    std::string alleenLf = tekst;
    std::erase(alleenLf, '\r');
    for (const auto& bestand : {tekst, alleenLf}) {
        const TLeesResultaat gelezen = Lees(bestand);
        ASSERT_TRUE(gelezen.Gelukt()) << gelezen.Melding;
        EXPECT_EQ(*gelezen.Constructie, voorbeeld.Constructie);
    }
}

TEST_F(BestandTest, RealsHebbenTekenplaatsZeventienDecimalenEnVierExponentcijfers) {
    auto& knoop = c.Constructie.Knopen[0];
    knoop = {-1.5, 0.0625, RolVerticaal, true, ScharnierendeVerbinding, 1024.0};
    EXPECT_EQ(Regels(AlsTekst(c))[20], "  0 -1.50000000000000000E+0000  6.25000000000000000E-0002"
                                       "               -1         2  1.02400000000000000E+0003"
                                       "        1");
}

TEST_F(BestandTest, SchaalDrieKomtTerugOpSchaalEen) {
    c.Constructie = voorbeeld.Constructie;
    for (auto& knoop : c.Constructie.Knopen) {
        knoop.X *= 3;
        knoop.Y *= 3;
    }
    c.Constructie.Knopen[4].X = 7.0; // not a whole number of grid cells
    c.Schaal = 3;
    const std::string pad = (map / "schaal.kx").string();
    ASSERT_EQ(SchrijfConstructieNaarBestand(pad, c, Datum, Tijd), "");

    TManipuleerConstructie terug{teksten};
    terug.Schaal = 2;
    ASSERT_EQ(LaadConstructie(terug, pad), "");
    TConstructie verwacht = voorbeeld.Constructie;
    verwacht.Knopen[4].X = 7.0 / 3.0;
    EXPECT_EQ(terug.Constructie, verwacht);
    EXPECT_EQ(terug.Schaal, 1);
}

TEST_F(BestandTest, KnopenKomenInHunSlotNietInRegelvolgorde) {
    const std::string z = " 0 0 3" + Rust + " 1";
    const TLeesResultaat gelezen = Lees(KortBestand({"4 5.5" + z, "0 1" + z, "2 -2" + z}));
    ASSERT_TRUE(gelezen.Gelukt()) << gelezen.Melding;
    TConstructie verwacht;
    verwacht.Knopen[4] = {5.5, 0.0, GeenOplegging, true, VasteVerbinding, 0.0};
    verwacht.Knopen[0] = {1.0, 0.0, GeenOplegging, true, VasteVerbinding, 0.0};
    verwacht.Knopen[2] = {-2.0, 0.0, GeenOplegging, true, VasteVerbinding, 0.0};
    EXPECT_EQ(*gelezen.Constructie, verwacht);
}

TEST_F(BestandTest, AantalMetEenCijferEnTekstNaHetLaatsteGetal) {
    // Count lines read "... 1" and "... 2"; a misread count would take a header line as data.
    const TLeesResultaat gelezen = Lees(KortBestand(
        {"3 +2 .5 2 2 0 1 knoop aan de voet"}, {"0 3 3 5E1 1 opmerking", "15 -1 -1 -2.5e+0001 0"}));
    ASSERT_TRUE(gelezen.Gelukt()) << gelezen.Melding;
    EXPECT_EQ(gelezen.Constructie->Knopen[3],
              (TConstructieKnoop{2.0, 0.5, Scharnierend, true, ScharnierendeVerbinding, 0.0}));
    EXPECT_EQ(gelezen.Constructie->Staven[0], (TConstructieStaaf{3, 3, 50.0, true}));
    EXPECT_EQ(gelezen.Constructie->Staven[15], (TConstructieStaaf{-1, -1, -25.0, false}));
}

struct KapotGeval {
    std::vector<std::pair<int, std::string>> vervang; // line number (from 1), new content
    std::size_t regelsOver;                           // 0: the whole file
    std::string melding;                              // after "kan niet worden gelezen: "
};

std::vector<KapotGeval> KapotteGevallen() {
    const std::string knoop = "  4" + Rust + Rust;
    std::vector<std::pair<int, std::string>> zestienStaven, zestienBelastingen;
    for (int i = 0; i < 16; ++i) {
        zestienStaven.emplace_back(58 + i, std::to_string(i) + " 0 1 50 1");
        zestienBelastingen.emplace_back(80 + i, std::to_string(i) + " 4 0 1 1");
    }
    return {
        {{}, 5, "regel 6: een kopregel verwacht, maar het bestand houdt hier op."},
        {{}, 11, "regel 12: het aantal knopen verwacht, maar het bestand houdt hier op."},
        {{}, 40, "regel 41: een regel met een knoop verwacht, maar het bestand houdt hier op."},
        {{}, 89, "regel 90: een regel met een belasting verwacht, maar het bestand houdt hier op."},
        {{{12, "aantal knopen:       32"}},
         0,
         "regel 12: een aantal van 0 tot en met 31 verwacht (aantal knopen)."},
        {{{13, "aantal staven:       x6"}},
         0,
         "regel 13: een aantal van 0 tot en met 16 verwacht (aantal staven)."},
        {{{14, "aantal belastingen:  17"}},
         0,
         "regel 14: een aantal van 0 tot en met 16 verwacht (aantal belastingen)."},
        {{{25, "  4  abc" + Rust + " 0 3" + Rust + " 1"}},
         0,
         "regel 25: een getal verwacht (x-coördinaat van een knoop)."},
        {{{25, " 31" + Rust + Rust + " 0 3" + Rust + " 1"}},
         0,
         "regel 25: een nummer van 0 tot en met 30 verwacht (nummer van een knoop)."},
        {{{25, knoop + " 4 3" + Rust + " 1"}},
         0,
         "regel 25: 0, 1, -1, 2 of 3 verwacht (soort oplegging van een knoop)."},
        {{{25, knoop + " 0 1" + Rust + " 1"}},
         0,
         "regel 25: 2 of 3 verwacht (vrijheid van een knoop)."},
        {{{25, knoop + " 0 3 nan 1"}},
         0,
         "regel 25: een eindig getal verwacht (moment van een knoop)."},
        {{{25, "  4 -inf" + Rust + " 0 3" + Rust + " 1"}},
         0,
         "regel 25: een eindig getal verwacht (x-coördinaat van een knoop)."},
        {{{25, "  4" + Rust + " 1e400 0 3" + Rust + " 1"}},
         0,
         "regel 25: een getal binnen het rekenbereik verwacht (y-coördinaat van een knoop)."},
        {{{25, knoop + " 0 3"}}, 0, "regel 25: een getal verwacht (moment van een knoop)."},
        {{{25, knoop + " 0 3" + Rust + " 1.0"}},
         0,
         "regel 25: een geheel getal verwacht (bestaan van een knoop)."},
        {{{25, "  4" + std::string("  2\0", 4) + Rust + " 0 3" + Rust + " 1"}},
         0,
         "regel 25: een getal verwacht (x-coördinaat van een knoop)."},
        {{{25, std::string(5000, '7')}},
         0,
         "regel 25: een regel van hoogstens 4096 tekens verwacht."},
        {{{58, "16 0 1 50 0"}},
         0,
         "regel 58: een nummer van 0 tot en met 15 verwacht (nummer van een staaf)."},
        {{{58, "0 31 1 50 1"}},
         0,
         "regel 58: een knoopnummer van 0 tot en met 30 verwacht (knoop 0 van een bestaande "
         "staaf)."},
        {{{59, "1 4 -1 50 1"}},
         0,
         "regel 59: een knoopnummer van 0 tot en met 30 verwacht (knoop 1 van een bestaande "
         "staaf)."},
        {zestienStaven, 0,
         "regel 73: hoogstens 15 bestaande staven verwacht (bestaan van een staaf)."},
        {{{80, "0 40 0 1 1"}},
         0,
         "regel 80: een knoopnummer van 0 tot en met 30 verwacht (knoop van een bestaande "
         "belasting)."},
        {{{80, "0 4 1,5 1 1"}}, 0, "regel 80: een getal verwacht (Fx van een belasting)."},
        {zestienBelastingen, 0,
         "regel 95: hoogstens 15 bestaande belastingen verwacht (bestaan van een belasting)."},
    };
}

TEST_F(BestandTest, KapotBestandWordtGeweigerdEnLaatDeConstructieOngemoeid) {
    const std::vector<std::string> goed = Regels(Fixture());
    voorbeeld.Schaal = 2;
    voorbeeld.GevondenKnoop = 4;
    for (const KapotGeval& geval : KapotteGevallen()) {
        std::vector<std::string> regels = goed;
        for (const auto& [nummer, inhoud] : geval.vervang) {
            regels[static_cast<std::size_t>(nummer - 1)] = inhoud;
        }
        if (geval.regelsOver > 0) {
            regels.resize(geval.regelsOver);
        }
        const fs::path pad = map / "kapot.kx";
        SchrijfAlles(pad, Samen(regels));

        TManipuleerConstructie ervoor = voorbeeld;
        const std::string melding = LaadConstructie(ervoor, pad.string());
        EXPECT_EQ(melding,
                  "Het bestand \"" + pad.string() + "\" kan niet worden gelezen: " + geval.melding);
        EXPECT_EQ(ervoor.Constructie, voorbeeld.Constructie) << geval.melding;
        EXPECT_EQ(ervoor.Schaal, 2);
        EXPECT_EQ(ervoor.GevondenKnoop, 4);
    }
}

TEST_F(BestandTest, OntbrekendOfLeegBestandWordtGeweigerd) {
    const std::string pad = (map / "bestaat-niet.kx").string();
    const TConstructie ervoor = voorbeeld.Constructie;
    EXPECT_EQ(LaadConstructie(voorbeeld, pad),
              "Het bestand \"" + pad + "\" kan niet worden gelezen: het bestand bestaat niet.");
    EXPECT_EQ(Lees("").Melding, "Het bestand \"portaal.kx\" kan niet worden gelezen: regel 1: "
                                "een kopregel verwacht, maar het bestand houdt hier op.");
    EXPECT_EQ(voorbeeld.Constructie, ervoor);
}

TEST_F(BestandTest, GeladenBestandWordtGenormaliseerd) {
    const std::string losseKnoop = "7" + Rust + Rust + " 0 3" + Rust + " 1";
    const fs::path pad = map / "los.kx";
    SchrijfAlles(pad, KortBestand({losseKnoop}));
    c.VulVoorbeeld();
    ASSERT_EQ(LaadConstructie(c, pad.string()), "");
    EXPECT_EQ(c.Constructie, TConstructie{});
}

TEST_F(BestandTest, LegeBronEnVoorbeeldLezenGeenBestand) {
    // A file called "Voorbeeld" in the working folder is never read.
    SchrijfAlles(map / "Voorbeeld", KortBestand({}));
    const fs::path eerder = fs::current_path();
    fs::current_path(map);
    c.Schaal = 4;
    const std::string melding = LaadConstructie(c, "Voorbeeld");
    fs::current_path(eerder);
    EXPECT_EQ(melding, "");
    EXPECT_EQ(c.Constructie, voorbeeld.Constructie);
    EXPECT_EQ(c.Schaal, 1);

    EXPECT_EQ(LaadConstructie(c, ""), "");
    EXPECT_EQ(c.Constructie, TConstructie{});
}

TEST_F(BestandTest, OpslaanVervangtHetOudeBestandPasAlsAllesIsGeschreven) {
    const fs::path oud = map / "oud.kx";
    SchrijfAlles(oud, "oude inhoud");
    ASSERT_EQ(SchrijfConstructieNaarBestand(oud.string(), voorbeeld, Datum, Tijd), "");
    EXPECT_EQ(LeesAlles(oud), Fixture());
    EXPECT_FALSE(fs::exists(map / "oud.kx.tmp"));
}

TEST_F(BestandTest, MislukteOpslagLaatHetOudeBestandHeel) {
    const std::string inGeenMap = (map / "geen-map" / "x.kx").string();
    EXPECT_EQ(SchrijfConstructieNaarBestand(inGeenMap, voorbeeld, Datum, Tijd),
              "Het bestand \"" + inGeenMap +
                  "\" kan niet worden opgeslagen: het bestand kan in deze map niet worden "
                  "aangemaakt.");

    const fs::path oud = map / "oud.kx";
    SchrijfAlles(oud, "oude inhoud");
    fs::permissions(oud, fs::perms::owner_read);
    EXPECT_NE(SchrijfConstructieNaarBestand(oud.string(), voorbeeld, Datum, Tijd), "");
    EXPECT_EQ(LeesAlles(oud), "oude inhoud");

    const fs::path isMap = map / "map.kx";
    fs::create_directory(isMap);
    EXPECT_NE(SchrijfConstructieNaarBestand(isMap.string(), voorbeeld, Datum, Tijd), "");
    EXPECT_TRUE(fs::is_directory(isMap));

    voorbeeld.Constructie.Staven[2].Mp = std::numeric_limits<double>::infinity();
    const fs::path ongeldig = map / "ongeldig.kx";
    EXPECT_NE(SchrijfConstructieNaarBestand(ongeldig.string(), voorbeeld, Datum, Tijd), "");
    EXPECT_FALSE(fs::exists(ongeldig));
    EXPECT_EQ(std::distance(fs::directory_iterator(map), fs::directory_iterator()), 2)
        << "a temporary file was left behind";
}

TEST_F(BestandTest, BewaardeKapotteBestandenLeidenNietTotEenFout) {
    const fs::path kapot = fs::path(KX_FIXTURES) / "kapot";
    ASSERT_TRUE(fs::is_directory(kapot));
    for (const auto& bestand : fs::directory_iterator(kapot)) {
        std::ifstream in(bestand.path(), std::ios::binary);
        const TLeesResultaat gelezen = LeesConstructie(in, bestand.path().filename().string());
        if (!gelezen.Gelukt()) {
            EXPECT_NE(gelezen.Melding.find("kan niet worden gelezen: "), std::string::npos);
            continue;
        }
        std::ostringstream uit;
        SchrijfConstructie(uit, *gelezen.Constructie, 1, Datum, Tijd);
        const TLeesResultaat terug = Lees(uit.str());
        ASSERT_TRUE(terug.Gelukt()) << bestand.path() << ": " << terug.Melding;
        EXPECT_EQ(*terug.Constructie, *gelezen.Constructie) << bestand.path();
    }
}

TEST(HuidigeDatumEnTijd, VasteVormZonderLandinstelling) {
    const std::string datum = HuidigeDatum();
    const std::string tijd = HuidigeTijd();
    ASSERT_EQ(datum.size(), 10u);
    ASSERT_EQ(tijd.size(), 8u);
    for (std::size_t i = 0; i < datum.size(); ++i) {
        EXPECT_TRUE(i == 2 || i == 5 ? datum[i] == '-' : std::isdigit(datum[i])) << datum;
    }
    for (std::size_t i = 0; i < tijd.size(); ++i) {
        EXPECT_TRUE(i == 2 || i == 5 ? tijd[i] == ':' : std::isdigit(tijd[i])) << tijd;
    }
}

} // namespace
} // namespace kx
