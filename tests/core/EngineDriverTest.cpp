#include "EngineHulp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kx::test {
namespace {

// Records what the driver shows in the progress window and the mechanism chooser.
class Melder : public TVoortgangsMelder {
public:
    std::vector<std::string> labels;
    std::vector<int> posities;
    std::vector<std::string> items;
    int gekozen = -1;
    int gesloten = 0;

    void ZetVoortgang(const std::string& label, int positie) override {
        if (labels.empty() || labels.back() != label) {
            labels.push_back(label);
        }
        if (posities.empty() || posities.back() != positie) {
            posities.push_back(positie);
        }
    }
    void VulMechanismeKeuze(const std::vector<std::string>& lijst, int keuze) override {
        items = lijst;
        gekozen = keuze;
    }
    void Sluit() override { ++gesloten; }
};

// The labels of one mechanism's steps; the deformation to collapse load steps once or twice.
std::vector<std::string> VerwachteLabels(const Teksten& t, bool tweedePas) {
    const std::string ok = t[156];
    const std::string begin = t[185] + ok + t[148];
    const std::string kop = begin + ok + t[155] + "1 (1):" + t[149];
    std::vector<std::string> labels{begin, kop};
    std::string stap;
    for (int pas = 0; pas < (tweedePas ? 2 : 1); ++pas) {
        stap = kop;
        for (int tekst = 150; tekst <= 153; ++tekst) {
            stap += ok + t[tekst];
            labels.push_back(stap);
        }
    }
    const std::string slot = begin + ok + t[155] + "1" + t[157] + "1" + ok + t[154];
    labels.insert(labels.end(), {stap + ok + t[215], slot, slot + ok});
    return labels;
}

TEST(EngineDriver, VoortgangVanEenMechanisme) {
    struct Geval {
        const char* naam;
        double fy;
        bool tweedePas;
        std::vector<int> posities;
    };
    // The second pass adds the deformation, moments and equation: 81.5 and 90.5 round to the
    // even neighbour.
    const std::vector<Geval> gevallen{
        {"last omhoog: geen tweede pas", -1.0, false, {0, 5, 23, 41, 59, 77, 92, 95, 100}},
        {"last omlaag: tweede pas", 1.0, true, {0, 5, 23, 41, 59, 77, 82, 86, 90, 92, 95, 100}},
    };
    for (const Geval& geval : gevallen) {
        SCOPED_TRACE(geval.naam);
        Opstelling o;
        SchoorLigger(o, geval.fy);
        Melder melder;
        ASSERT_EQ(o.Analyseer(&melder), "");
        EXPECT_EQ(melder.posities, geval.posities);
        EXPECT_EQ(melder.labels, VerwachteLabels(o.teksten, geval.tweedePas));
        EXPECT_EQ(melder.gesloten, 1);
    }
}

TEST(EngineDriver, KeuzelijstMetMaatgevendMechanisme) {
    Opstelling o;
    Voorbeeld(o);
    Melder melder;
    ASSERT_EQ(o.Enumereer(), "");
    EXPECT_EQ(o.a.BerekeningDeel2(&melder), 0);
    EXPECT_EQ(melder.items, (std::vector<std::string>{"Mechanisme 1 (Maatgevend)", "Mechanisme 2",
                                                      "Mechanisme 3"}));
    EXPECT_EQ(melder.gekozen, 0);
    EXPECT_EQ(melder.labels.back(), "Mechanismes bepalen... --> OK\r\nArrays met vervangende "
                                    "mechanismen vullen... --> OK\r\nMechanisme 1 t/m 3 --> "
                                    "OK\r\nMaatgevend mechanisme bepalen... --> OK");
    // Mechanism 1 takes the second pass: P(x) = 30x + 5 gives 30.5 -> 30 and 33.5 -> 34.
    EXPECT_EQ(melder.posities, (std::vector<int>{0,  5,  11, 17, 23, 29, 30, 32, 34, 35, 41, 47,
                                                 53, 59, 64, 65, 71, 77, 83, 89, 94, 95, 100}));
}

TEST(EngineDriver, ConversieVanHetVoorbeeld) {
    Opstelling o;
    Voorbeeld(o);
    ASSERT_EQ(o.Enumereer(), "");
    o.Converteer();
    const auto& m = o.a.Mechanismen[0];
    // Hinges at C and E: the beam, the right column, and the left column merged through A.
    EXPECT_EQ(Delen(m), "E5* C5* | C5* D2 | B2 E5*");
    EXPECT_EQ(m.avStaven[0].VStaaf, 1);
    EXPECT_EQ(m.avStaven[2].VStaaf, 3);
    // Node E at (5, 3) on the screen, y turned upward.
    const TKnoop& e = m.avStaven[0].Knopen[0];
    EXPECT_EQ(e.x, 5.0);
    EXPECT_EQ(e.y, -3.0);
    EXPECT_EQ(e.Mp, 50.0);
    // The load pointing down on the screen has a negative Fy; it rides on part 2 (bar 3).
    ASSERT_EQ(m.AantalBelastingen, 1);
    EXPECT_EQ(m.avBelastingen[0].Fy, -1.0);
    EXPECT_EQ(m.avBelastingen[0].y, -3.0);
    EXPECT_EQ(m.avBelastingen[0].s, 2);
}

TEST(EngineDriver, KnoopNamenEnSoorten) {
    Opstelling o;
    o.a.VMechanismen.resize(1);
    auto& v = o.a.VMechanismen[0];
    v.Knopen.resize(31);
    v.Staven = {{0, 25, true}, {26, 30, true}, {1, 2, true}};
    v.Knopen[25].Oplegging = RolHorizontaal;
    v.Knopen[26].Oplegging = RolVerticaal;
    v.Knopen[30].Oplegging = Inklemming;
    v.Knopen[1].Vrijheid = ScharnierendeVerbinding;
    o.Converteer();
    EXPECT_EQ(Delen(o.a.Mechanismen[0]), "A5* Z0 | a1 e3* | B4 C5*");
}

class EngineLog : public ::testing::Test {
protected:
    void SetUp() override {
        map = std::filesystem::temp_directory_path() /
              ("kx-enginelog-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(map);
        std::filesystem::create_directories(map);
        o.a.LogPad = (map / "Voortgang.txt").string();
        Voorbeeld(o);
    }
    void TearDown() override { std::filesystem::remove_all(map); }

    std::string Log() const {
        std::ifstream bestand(o.a.LogPad);
        std::stringstream inhoud;
        inhoud << bestand.rdbuf();
        return inhoud.str();
    }

    std::filesystem::path map;
    Opstelling o;
};

TEST_F(EngineLog, SchakelaarBepaaltHetBestandEnElkeAnalyseBegintHetOpnieuw) {
    ASSERT_EQ(o.Analyseer(), "");
    EXPECT_FALSE(std::filesystem::exists(o.a.LogPad));

    o.a.LogAan = true;
    ASSERT_EQ(o.Analyseer(), "");
    ASSERT_EQ(o.Analyseer(), "");
    const std::string log = Log();
    EXPECT_EQ(log.find("00100 Start van de berekening deel 2 ("), 0U);
    EXPECT_EQ(log.find("00100", 1), std::string::npos);
    const std::string sterren(62, '*');
    EXPECT_NE(log.find(sterren + "\n*** Mechanisme nr. 0\n" + sterren + "\n*** avStaven: 3\n"),
              std::string::npos);
    for (const char* regel :
         {"***  Belasting[0].Fy: -1\n", "***  Knoop[1].y: -3\n", "00130 BepaalRotatieCentra[0] (",
          "00149 BepaalVervorming[0] --> OK (", "00170 BepaalBezwijklast[2] (",
          "00229 BepaalMaatgevendMechanisme --> OK ("}) {
        EXPECT_NE(log.find(regel), std::string::npos) << regel;
    }
    // Only mechanism 1 has a negative first load and a second pass.
    EXPECT_NE(log.find("00210 BepaalBezwijklast[0] ("), std::string::npos);
    EXPECT_NE(log.find("00219 BepaalBezwijklast[0] --> OK ("), std::string::npos);
    EXPECT_EQ(log.find("00210 BepaalBezwijklast[1]"), std::string::npos);
}

// A second analysis rebuilds every result, and a log that cannot be written changes none.
TEST_F(EngineLog, TweedeAnalyseMetOnschrijfbaarLogGeeftHetzelfde) {
    ASSERT_EQ(o.Analyseer(), "");
    const auto eerste = o.a.Mechanismen;
    o.a.LogAan = true;
    o.a.LogPad = (map / "bestaat-niet" / "Voortgang.txt").string();
    ASSERT_EQ(o.Analyseer(), "");
    ASSERT_EQ(o.a.Mechanismen.size(), eerste.size());
    for (std::size_t i = 0; i < eerste.size(); ++i) {
        EXPECT_EQ(o.a.Mechanismen[i].Vgl.Factoren, eerste[i].Vgl.Factoren);
        EXPECT_EQ(o.a.Mechanismen[i].Vgl.Bezwijklast, eerste[i].Vgl.Bezwijklast);
        EXPECT_EQ(o.a.Mechanismen[i].avBelastingen[0].dy, eerste[i].avBelastingen[0].dy);
    }
    EXPECT_FALSE(std::filesystem::exists(o.a.LogPad));
}

} // namespace
} // namespace kx::test
