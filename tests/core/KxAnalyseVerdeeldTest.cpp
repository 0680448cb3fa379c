// kx-analyse on a structure with a distributed load: the propped cantilever of the fixtures,
// 6 m long, Mp = 50 kNm, 1 F/m down, the prop at node 1 and the clamp at node 2. By hand:
// qL^2 = (6 + 4 sqrt 2) Mp, the span hinge (sqrt 2 - 1) L from the prop, where the moment peaks
// at Mp sagging; the clamp hogs at Mp.
#include "BestandHulp.h"
#include "KxAnalyseHulp.h"
#include "Raamwerken.h"
#include "Toleranties.h"
#include "model/Constructie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kx::test {
namespace {

using KxAnalyseVerdeeld = TijdelijkeMap;

const std::string Schoorligger = std::string(KX_FIXTURES) + "/schoorligger-verdeeld.kx";
const double Lengte = 6.0;
const double Fp = (6.0 + 4.0 * std::sqrt(2.0)) * Mp / (Lengte * Lengte);
const double VanDeSchoor = (std::sqrt(2.0) - 1.0) * Lengte;

TEST_F(KxAnalyseVerdeeld, JsonGeeftDeBelastingDeVeldplaatsEnDeExacteBezwijklast) {
    const auto uitvoer = Voer({"--json", "--momenten", Schoorligger});
    ASSERT_EQ(uitvoer.Status, 0) << uitvoer.Fout;
    const auto json = nlohmann::json::parse(uitvoer.Uit);

    ASSERT_EQ(json["verdeelde_belastingen"].size(), 1U);
    const auto& q = json["verdeelde_belastingen"][0];
    EXPECT_EQ(q["staaf"], 1);
    EXPECT_EQ(q["qx"].get<double>(), 0.0);
    EXPECT_EQ(q["qy"].get<double>(), 1.0);

    // The clamp's bar end, then the span of bar 1, measured from its first node.
    const auto& plaatsen = json["plaatsen"];
    ASSERT_EQ(plaatsen.size(), 2U);
    EXPECT_EQ(plaatsen[0]["knoop"], 2);
    EXPECT_EQ(plaatsen[0]["veld"], false);
    EXPECT_EQ(plaatsen[1]["knoop"], 1);
    EXPECT_EQ(plaatsen[1]["staaf"], 1);
    EXPECT_EQ(plaatsen[1]["veld"], true);

    ASSERT_EQ(json["mechanismen"].size(), 1U);
    const auto& mechanisme = json["mechanismen"][0];
    EXPECT_EQ(json["maatgevend"], 1);
    ExpectRelatief(mechanisme["bezwijklast"].get<double>(), Fp);
    ExpectRelatief(json["bezwijklast_exact"].get<double>(), Fp);
    EXPECT_EQ(json["bevestigd"], true);
    EXPECT_NEAR(mechanisme["momentverhouding"].get<double>(), 1.0, 1e-9);
    ASSERT_EQ(mechanisme["veldscharnieren"].size(), 1U);
    const auto& veld = mechanisme["veldscharnieren"][0];
    EXPECT_EQ(veld["plaats"], 2);
    EXPECT_EQ(veld["staaf"], 1);
    EXPECT_EQ(veld["knoop"], 1);
    EXPECT_EQ(veld["draait"], true);
    EXPECT_NEAR(veld["afstand"].get<double>(), VanDeSchoor, 1e-9 * Lengte);

    // The moment line: nothing at the prop, Mp hogging at the clamp, Mp sagging at the hinge.
    const auto& momenten = json["staafmomenten"][0];
    EXPECT_NEAR(momenten[0].get<double>(), 0.0, 1e-9 * Mp);
    EXPECT_NEAR(momenten[1].get<double>(), -Mp, 1e-9 * Mp);
    ASSERT_EQ(json["veldpieken"].size(), 1U);
    const auto& piek = json["veldpieken"][0];
    EXPECT_EQ(piek["staaf"], 1);
    EXPECT_NEAR(piek["afstand"].get<double>(), VanDeSchoor, 1e-6 * Lengte);
    EXPECT_NEAR(piek["M"].get<double>(), Mp, 1e-9 * Mp);
    // The prop's reaction by the moments about the clamp: R L = q L^2 / 2 - Mp.
    const auto& prop = json["oplegreacties"][0];
    EXPECT_EQ(prop["knoop"], 1);
    ExpectRelatief(prop["Ry"].get<double>(), (Fp * Lengte * Lengte / 2.0 - Mp) / Lengte);
}

TEST_F(KxAnalyseVerdeeld, RapportNoemtDeTermEnDePlaatsVanHetVeldscharnier) {
    const auto uitvoer = Voer({"--momenten", Schoorligger});
    ASSERT_EQ(uitvoer.Status, 0) << uitvoer.Fout;
    const auto& rapport = uitvoer.Uit;
    EXPECT_NE(rapport.find("Mechanisme 1: scharnieren in knoop 2 en veld van staaf 1 op 2.49 m van "
                           "knoop 1, Fp = 16.19 kN (Maatgevend)\n"),
              std::string::npos)
        << rapport;
    // The load on the segment from the prop to the hinge: q times 2.49 m, its middle 1.24 m from
    // the prop, which turns 1 δθ.
    EXPECT_NE(rapport.find("+ 1 q ⋅ 2.49 ⋅ 1.24 ⋅ 1 ⋅ δθ"), std::string::npos) << rapport;
    EXPECT_NE(rapport.find("Bezwijklast volgens de statische stelling: Fp = 16.19 kN (Mp bereikt "
                           "in knoop 2 en veld van staaf 1 op 2.49 m van knoop 1)\n"),
              std::string::npos)
        << rapport;
    EXPECT_NE(rapport.find("Staaf 1 (knoop 1 - 2): 0 en -50, in het veld 50 op 2.49 m van "
                           "knoop 1\n"),
              std::string::npos)
        << rapport;
}

// The same beam turned round, clamped at node 1 and propped at node 2: the span hinge lies
// nearer node 2 and the report measures it from there, as the views do.
TEST_F(KxAnalyseVerdeeld, VeldscharnierGemetenVanafDeDichtsteKnoop) {
    TRaamwerkBouwer b;
    b.Keten({b.Knoop(0, 0, Inklemming), b.Knoop(Lengte, 0, RolHorizontaal)});
    b.c.VerdeeldeBelastingen[0] = {0, 0.0, 1.0, true};
    ASSERT_EQ(Sla(b.c, Pad("omgekeerd.kx")), "");
    const auto uitvoer = Voer({"--momenten", Pad("omgekeerd.kx")});
    ASSERT_EQ(uitvoer.Status, 0) << uitvoer.Fout;
    for (const char* regel :
         {"Mechanisme 1: scharnieren in knoop 1 en veld van staaf 1 op 2.49 m van knoop 2, ",
          "(Mp bereikt in knoop 1 en veld van staaf 1 op 2.49 m van knoop 2)\n",
          "Staaf 1 (knoop 1 - 2): -50 en 0, in het veld 50 op 2.49 m van knoop 2\n"}) {
        EXPECT_NE(uitvoer.Uit.find(regel), std::string::npos) << regel << "\n" << uitvoer.Uit;
    }
    // The JSON keeps its distance from the bar's first node.
    const auto json = nlohmann::json::parse(Voer({"--json", Pad("omgekeerd.kx")}).Uit);
    const auto& veld = json["mechanismen"][0]["veldscharnieren"][0];
    EXPECT_EQ(veld["knoop"], 1);
    ExpectRelatief(veld["afstand"].get<double>(), Lengte - VanDeSchoor);
}

// A simply supported beam of 6 m, Mp = 50 kNm, under 1 F/m: its only place lies in the span, at
// the middle at 8 Mp / L^2 = 11.11 kN, and the lines name it without a node before it.
TEST_F(KxAnalyseVerdeeld, AlleenEenVeldscharnier) {
    TConstructie c;
    c.Knopen[0] = {0.0, 0.0, Scharnierend, true, ScharnierendeVerbinding, 0.0};
    c.Knopen[1] = {6.0, 0.0, RolHorizontaal, true, ScharnierendeVerbinding, 0.0};
    c.Staven[0] = {0, 1, 50.0, true};
    c.VerdeeldeBelastingen[0] = {0, 0.0, 1.0, true};
    ASSERT_EQ(Sla(c, Pad("ligger.kx")), "");
    const auto uitvoer = Voer({Pad("ligger.kx")});
    ASSERT_EQ(uitvoer.Status, 0) << uitvoer.Fout;
    EXPECT_NE(uitvoer.Uit.find("Mechanisme 1: scharnieren in veld van staaf 1 op 3 m van knoop 1, "
                               "Fp = 11.11 kN (Maatgevend)\n"),
              std::string::npos)
        << uitvoer.Uit;
    EXPECT_NE(uitvoer.Uit.find("statische stelling: Fp = 11.11 kN (Mp bereikt in veld van staaf 1 "
                               "op 3 m van knoop 1)\n"),
              std::string::npos)
        << uitvoer.Uit;
}

// Only a structure with a distributed load has its fields.
TEST_F(KxAnalyseVerdeeld, VeldenAlleenBijEenVerdeeldeBelasting) {
    const auto uitvoer = Voer({"--json", "--momenten", "--voorbeeld"});
    ASSERT_EQ(uitvoer.Status, 0) << uitvoer.Fout;
    const auto voorbeeld = nlohmann::json::parse(uitvoer.Uit);
    EXPECT_FALSE(voorbeeld.contains("verdeelde_belastingen"));
    EXPECT_FALSE(voorbeeld.contains("veldpieken"));
    EXPECT_FALSE(voorbeeld["plaatsen"][0].contains("veld"));
    EXPECT_FALSE(voorbeeld["mechanismen"][0].contains("veldscharnieren"));
    const auto rapport = Voer({"--voorbeeld"}).Uit;
    EXPECT_EQ(rapport.find("veld"), std::string::npos) << rapport;
}

} // namespace
} // namespace kx::test
