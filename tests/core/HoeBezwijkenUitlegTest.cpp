#include "EngineHulp.h"
#include "Raamwerken.h"

#include "engine/Opheffing.h"
#include "engine/Telluitleg.h"
#include "model/Telling.h"
#include "text/TekstNamen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kx::test {
namespace {

const TLeerboekRaamwerk& Raamwerk(int i) {
    static const auto raamwerken = LeerboekRaamwerken();
    return raamwerken[static_cast<std::size_t>(i)];
}

// The two-bay portal on three clamps (7 bars, 8 rigid nodes, a joint of three bars at node 4)
// and the continuous beam of three spans (6 bars, a pin at node 1, rollers at nodes 3, 5 and 7
// where the beam runs on rigidly except at the last), counted by hand term by term.
TEST(HoeBezwijkenUitleg, DeTellingTermVoorTerm) {
    struct Geval {
        int Raamwerk;
        TTellingDelen Delen;
        std::string Onbekenden, Vergelijkingen, Plaatsen;
    };
    const std::vector<Geval> gevallen{
        // Every one of the 14 bar ends is rigid: 42; three clamps hold 3 each: 9. Equations:
        // 7 bars, 8 rigid nodes. Places: the rigid nodes 2, 3, 6 and 7 of two bars, the three
        // bar ends at node 4 and one bar end at each clamp (nodes 1, 5, 8): S = 51 - 45 = 6,
        // m = 10.
        {11,
         {14, 0, 9, 7, 8, 0, 4, 3, 3},
         "De onbekenden: 3 per staafeinde aan een starre verbinding (14 × 3 = 42) en de "
         "oplegreacties (9); samen 42 + 9 = 51.",
         "De evenwichtsvergelijkingen: 3 per staaf (7 × 3 = 21) en 3 per starre knoop (8 × 3 = "
         "24); samen 21 + 24 = 45.",
         "De plaatsen waar een plastisch scharnier kan ontstaan: één per starre knoop van twee "
         "staven (4), één per staafeinde aan een starre knoop van drie of meer staven (3) en één "
         "per staafeinde aan een inklemming (3); samen 4 + 3 + 3 = 10."},
        // The beam's two outer ends are hinged (2 x 2), the other ten bar ends rigid (10 x 3);
        // a pin (2) and three rollers (3). Equations: 6 bars, the 5 rigid nodes 2 to 6, the 2
        // hinged ends. Places: the five rigid nodes of two bars: S = 39 - 37 = 2, m = 5.
        {7,
         {10, 2, 5, 6, 5, 2, 5, 0, 0},
         "De onbekenden: 3 per staafeinde aan een starre verbinding (10 × 3 = 30), 2 per "
         "staafeinde aan een scharnier (2 × 2 = 4) en de oplegreacties (5); samen 30 + 4 + 5 = "
         "39.",
         "De evenwichtsvergelijkingen: 3 per staaf (6 × 3 = 18), 3 per starre knoop (5 × 3 = 15) "
         "en 2 per scharnierende knoop (2 × 2 = 4); samen 18 + 15 + 4 = 37.",
         "De plaatsen waar een plastisch scharnier kan ontstaan: één per starre knoop van twee "
         "staven (5); samen 5."},
    };
    const Teksten teksten;
    for (const auto& g : gevallen) {
        const auto& raamwerk = Raamwerk(g.Raamwerk);
        SCOPED_TRACE(raamwerk.Naam);
        const TTellingDelen delen = TelDelen(raamwerk.Constructie);
        const auto velden = [](const TTellingDelen& d) {
            return std::vector{d.StijveEinden,     d.ScharnierEinden, d.Oplegreacties,
                               d.Staven,           d.StijveKnopen,    d.ScharnierKnopen,
                               d.Tweestaafsknopen, d.GewrichtEinden,  d.InklemmingEinden};
        };
        EXPECT_EQ(velden(delen), velden(g.Delen));
        EXPECT_EQ(OnbekendenUitleg(delen, teksten), g.Onbekenden);
        EXPECT_EQ(VergelijkingenUitleg(delen, teksten), g.Vergelijkingen);
        EXPECT_EQ(PlaatsenUitleg(delen, teksten), g.Plaatsen);
        const TOnbepaaldheid telling = TelOnbepaaldheid(raamwerk.Constructie);
        EXPECT_EQ(telling.AantalOnbekenden, delen.Onbekenden());
        EXPECT_EQ(telling.AantalVergelijkingen, delen.Vergelijkingen());
        EXPECT_EQ(telling.AantalScharnierplaatsen, delen.Plaatsen());
    }
}

// What the list holds: every combination needs no word; a frame with more hinges needed than
// places, one without places, and one with too many combinations each get theirs.
TEST(HoeBezwijkenUitleg, DeLijstZegtWatZeBevat) {
    Opstelling o;
    o.c = Raamwerk(11).Constructie;
    ASSERT_EQ(o.Analyseer(), "");
    EXPECT_EQ(LijstUitleg(o.a, o.teksten), "");

    Opstelling gebouw;
    gebouw.c = Gebouw(6, 3);
    ASSERT_EQ(gebouw.Analyseer(), "");
    ASSERT_EQ(gebouw.a.Lijst, TAnalyse::TLijst::Onafhankelijk);
    const std::string b = std::to_string(gebouw.a.Basis.size());
    EXPECT_EQ(LijstUitleg(gebouw.a, gebouw.teksten),
              "Dat zijn te veel mechanismen om ze allemaal te tekenen. Hieronder staan daarom de " +
                  b +
                  " onafhankelijke mechanismen, gevolgd door het bezwijkmechanisme van de "
                  "hele constructie als mechanisme " +
                  std::to_string(gebouw.a.Basis.size() + 1) + ".");

    TAnalyse te(o.teksten);
    te.AantalPlaatsen = 2;
    te.Onbepaaldheid = 3;
    EXPECT_EQ(LijstUitleg(te, o.teksten),
              "Een mechanisme vraagt 4 scharnieren, meer dan er plaatsen zijn: het enige "
              "mechanisme heeft een scharnier in elke plaats.");
    te.AantalPlaatsen = 0;
    EXPECT_EQ(LijstUitleg(te, o.teksten), o.teksten[TekstGeenPlaatsen]);
}

// The governing mechanism as a combination of the independent ones, with the hinge work that
// cancels, worked by hand (Mp 50 kNm, every independent mechanism scaled so that its bars turn
// at most theta):
// - two-bay portal: beam 1 turns the hinges at nodes 2 and 4 (left beam's end) theta and the one
//   at mid-span 3 2 theta, 200 theta; beam 2 likewise at nodes 4 (right beam's end), 6 and 7,
//   200 theta; the sway turns the three feet and the three column tops theta, 300 theta; the
//   joint turns the three bar ends at node 4 theta, 150 theta. The governing mechanism, the sway
//   with both beams (11 Mp theta = F 10 theta, 55 F), is beam 1 + beam 2 + sway with the joint
//   turned back: at node 2 beam 1 and the sway turn the hinge opposite ways, at node 4 the joint
//   turns the right beam's end and the column's end back, 3 x 2 theta x 50 = 300 theta cancels;
//   850 - 300 = 550 theta = 11 Mp theta;
// - portal on clamps: beam (200 theta) + sway (four hinges, 200 theta), the hinge at the top
//   left closes: 400 - 100 = 300 theta = 6 Mp theta;
// - continuous beam: an end span alone (mechanism 1 has the last places: the third span),
//   2 theta at mid-span and theta over the inner support, 150 theta; nothing cancels.
TEST(HoeBezwijkenUitleg, DeMaatgevendeCombinatieMetDeScharnierarbeidDieWegvalt) {
    struct Geval {
        int Raamwerk;
        std::string Combinatie;
        std::vector<std::string> Arbeid;
    };
    const std::vector<Geval> gevallen{
        {11,
         "balk 1 + balk 2 − gezamenlijk scharnier in knoop 4 + zijdelingse verplaatsing",
         {"Waar de mechanismen een scharnier tegengesteld laten draaien, valt scharnierarbeid "
          "weg:",
          "knoop 2: −θ (balk 1) + θ (zijdelingse verplaatsing) = 0; er valt 50 × 2θ = 100θ weg",
          "knoop 4 (staaf 4): θ (balk 2) − θ (gezamenlijk scharnier in knoop 4) = 0; er valt 50 "
          "× 2θ = 100θ weg",
          "knoop 4 (staaf 7): −θ (gezamenlijk scharnier in knoop 4) + θ (zijdelingse "
          "verplaatsing) = 0; er valt 50 × 2θ = 100θ weg",
          "Inwendige arbeid van de combinatie: 200θ + 200θ + 150θ + 300θ − 300θ = 550θ."}},
        {8,
         "balk 1 + zijdelingse verplaatsing",
         {"Waar de mechanismen een scharnier tegengesteld laten draaien, valt scharnierarbeid "
          "weg:",
          "knoop 2: −θ (balk 1) + θ (zijdelingse verplaatsing) = 0; er valt 50 × 2θ = 100θ weg",
          "Inwendige arbeid van de combinatie: 200θ + 200θ − 100θ = 300θ."}},
        {7,
         "balk 3",
         {"In deze combinatie valt geen scharnierarbeid weg; de inwendige arbeid is 150θ."}},
    };
    for (const auto& g : gevallen) {
        const auto& raamwerk = Raamwerk(g.Raamwerk);
        SCOPED_TRACE(raamwerk.Naam);
        Opstelling o;
        o.c = raamwerk.Constructie;
        ASSERT_EQ(o.Analyseer(), "");
        EXPECT_EQ(o.a.CombinatieTekst(), g.Combinatie);
        const TOpheffing opheffing =
            BepaalOpheffing(o.a.Basis, o.a.MaatgevendeCombinatie, o.a.Plaatsen);
        EXPECT_EQ(OpheffingTekst(opheffing, o.a.Basis, o.a.Plaatsen, o.teksten, ','), g.Arbeid);
        // The independent mechanisms are drawn beside the list of every combination.
        ASSERT_EQ(o.a.BasisMechanismen.size(), o.a.Basis.size());
        for (std::size_t i = 0; i < o.a.Basis.size(); ++i) {
            EXPECT_EQ(o.a.BasisMechanismen[i].Naam, o.a.Basis[i].Naam);
            EXPECT_FALSE(o.a.BasisMechanismen[i].avStaven.empty());
        }
    }
}

// A coefficient other than 1 is written before the rotation; nothing below rounding is written.
TEST(HoeBezwijkenUitleg, FactorenEnAfronding) {
    std::vector<TOnafhankelijkMechanisme> basis(2);
    basis[0].Naam = "balk 1";
    basis[0].Rotaties = {1.0, 0.5};
    basis[1].Naam = "zijdelingse verplaatsing";
    basis[1].Rotaties = {-1.0, 1e-14};
    const std::vector<TScharnierplaats> plaatsen{{0, 0, 20.0}, {1, 0, 40.0}};
    const Teksten teksten;
    const TOpheffing opheffing = BepaalOpheffing(basis, {1.5, 0.75}, plaatsen);
    // Place 1: 1.5 theta - 0.75 theta = 0.75 theta, 20 x 1.5 theta cancels; place 2: 0.75 theta.
    EXPECT_EQ(OpheffingTekst(opheffing, basis, plaatsen, teksten, ','),
              (std::vector<std::string>{
                  "Waar de mechanismen een scharnier tegengesteld laten draaien, valt "
                  "scharnierarbeid weg:",
                  "knoop 1: 1,5θ (balk 1) − 0,75θ (zijdelingse verplaatsing) = 0,75θ; er valt 20 "
                  "× 1,5θ = 30θ weg",
                  "Inwendige arbeid van de combinatie: 60θ + 15θ − 30θ = 45θ."}));
}

} // namespace
} // namespace kx::test
