#include "engine/EigenMechanisme.h"
#include "EngineHulp.h"
#include "Raamwerken.h"
#include "engine/Analyse.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace kx::test {
namespace {

// The static load is a linear program's, exact to its tolerance.
constexpr double LpNauw = 1e-6;

// The places at the given nodes, where each node holds one place.
std::vector<int> OpKnopen(const TEigenAnalyse& analyse, const std::vector<int>& knopen) {
    std::vector<int> plaatsen;
    for (const int k : knopen) {
        for (std::size_t p = 0; p < analyse.Plaatsen().size(); ++p) {
            if (analyse.Plaatsen()[p].Knoop == k) {
                plaatsen.push_back(static_cast<int>(p));
            }
        }
    }
    EXPECT_EQ(plaatsen.size(), knopen.size());
    return plaatsen;
}

class EigenMechanisme : public ::testing::Test {
protected:
    Teksten t;
    const TConstructie midden = Ligger({{0, Inklemming}, {3, GeenOplegging}, {6, Inklemming}}, {1});
};

// A fixed-ended beam of 6 m is three times indeterminate, yet its three hinges let it move:
// Fp = 8 Mp / L, the collapse load. The middle hinge turns twice as far as the ends and is one
// term of the equation.
TEST_F(EigenMechanisme, IngeklemdeBalkBezwijktMetDrieScharnieren) {
    const TEigenAnalyse analyse(midden, t, ',');
    ASSERT_EQ(analyse.Onbepaaldheid(), 3);
    ASSERT_EQ(analyse.Plaatsen().size(), 3u);
    const TEigenMechanisme eigen = analyse.Bereken(OpKnopen(analyse, {2, 0, 1}));
    EXPECT_EQ(eigen.Plaatsen, (std::vector<int>{0, 1, 2}));
    ASSERT_TRUE(eigen.Beweegt());
    EXPECT_EQ(eigen.AantalBewegingen, 1);
    EXPECT_NEAR(eigen.Bezwijklast, 8 * Mp / 6, LpNauw);
    EXPECT_NEAR(analyse.WareBezwijklast(), 8 * Mp / 6, LpNauw);
    EXPECT_EQ(eigen.Oordeel, TOordeel::Bezwijklast);
    EXPECT_EQ(analyse.Beweeglijkheid(eigen),
              "Met deze scharnieren kan de constructie bewegen. Dat kan ook met minder dan n + 1 "
              "= 4 scharnieren: de rest van de constructie blijft dan statisch onbepaald.");
    EXPECT_EQ(analyse.Vergelijking(eigen),
              "Fp = 66,67 kN: dit is de bezwijklast, en dit mechanisme is het bezwijkmechanisme.");

    ASSERT_EQ(eigen.Termen.size(), 3u);
    const std::vector<std::string> termen{"- 50 ¬× 1 ¬× ¬d¬q ", "- 50 ¬× 2 ¬× ¬d¬q ",
                                          "- 50 ¬× 1 ¬× ¬d¬q "};
    double arbeid = 0.0;
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(eigen.Termen[i].Term, termen[i]) << i;
        EXPECT_EQ(eigen.Termen[i].Onderschrift, std::string("scharnier ") + "ABC"[i]);
        arbeid += eigen.Termen[i].Arbeid;
    }
    EXPECT_NEAR(arbeid, InterneArbeid(eigen.Mechanisme), 1e-12);
    EXPECT_NEAR(arbeid, -4 * Mp * VirtueleRotatie, 1e-12);

    // The moment line at Fp reaches Mp in the three hinges and nowhere more.
    ASSERT_TRUE(eigen.Momentenlijn.Bestaat);
    EXPECT_NEAR(eigen.Momentenlijn.Momentverhouding, 1.0, 1e-6);
    ASSERT_EQ(eigen.Momentenlijn.Scharnieren.size(), 3u);
    for (const auto& s : eigen.Momentenlijn.Scharnieren) {
        EXPECT_NEAR(std::fabs(s.M), Mp, 1e-6) << s.Knoop;
    }
}

// Two hinges leave the beam once indeterminate: it cannot move, and the program says why.
TEST_F(EigenMechanisme, TweeScharnierenZijnTeWeinig) {
    const TEigenAnalyse analyse(midden, t, ',');
    const TEigenMechanisme eigen = analyse.Bereken(OpKnopen(analyse, {0, 2}));
    EXPECT_FALSE(eigen.Beweegt());
    EXPECT_TRUE(eigen.Termen.empty());
    EXPECT_FALSE(eigen.Momentenlijn.Bestaat);
    EXPECT_EQ(
        analyse.Beweeglijkheid(eigen),
        "Met deze scharnieren kan de constructie niet bewegen. Zij is 3-voudig statisch "
        "onbepaald en ieder scharnier neemt één onbekende weg: met 2 scharnier(en) blijft zij "
        "1-voudig statisch onbepaald. Kies meer scharnieren of andere plaatsen.");
    EXPECT_EQ(analyse.Beweeglijkheid(analyse.Bereken({})), "Er is nog geen scharnier gekozen.");
    // Indices the frame does not hold are no choice.
    EXPECT_TRUE(analyse.Bereken({-1, 3, 7}).Plaatsen.empty());
}

// The load at L/3 (a = 2, b = 4): 2 Mp L / (a b). A fourth hinge at 4 m allows two motions;
// the least turns the three hinges of the textbook mechanism and leaves the fourth still.
TEST_F(EigenMechanisme, VierScharnierenGevenDeKleinsteBeweging) {
    const TConstructie derde =
        Ligger({{0, Inklemming}, {2, GeenOplegging}, {4, GeenOplegging}, {6, Inklemming}}, {1});
    const TEigenAnalyse analyse(derde, t, '.');
    const double hand = 2 * Mp * 6 / (2 * 4);
    const TEigenMechanisme drie = analyse.Bereken(OpKnopen(analyse, {0, 1, 3}));
    EXPECT_EQ(drie.AantalBewegingen, 1);
    EXPECT_NEAR(drie.Bezwijklast, hand, LpNauw);

    const TEigenMechanisme vier = analyse.Bereken(OpKnopen(analyse, {0, 1, 2, 3}));
    EXPECT_EQ(vier.AantalBewegingen, 2);
    EXPECT_NEAR(vier.Bezwijklast, hand, LpNauw);
    EXPECT_EQ(vier.Mechanisme.DraaiendePlaatsen, OpKnopen(analyse, {0, 1, 3}));
    EXPECT_EQ(vier.Oordeel, TOordeel::Bezwijklast);
    EXPECT_EQ(analyse.Beweeglijkheid(vier),
              "Met deze scharnieren kan de constructie bewegen. Deze scharnieren laten 2 "
              "onafhankelijke bewegingen toe; getekend is de beweging met de laagste Fp. Het "
              "scharnier in knoop 3 draait in deze beweging niet.");
    EXPECT_EQ(analyse.Vergelijking(vier),
              "Fp = 75 kN: dit is de bezwijklast, en dit mechanisme is het bezwijkmechanisme.");
}

// A hinge beside the load instead of under it: virtual work by hand gives Mp (1 + 1.5 + 0.5) θ =
// F 1.5 θ, Fp = 100 kN, above 8 Mp / L. Its moment line passes Mp under the load.
TEST_F(EigenMechanisme, EenVerkeerdScharnierGeeftEenBovengrens) {
    const TConstructie c =
        Ligger({{0, Inklemming}, {2, GeenOplegging}, {3, GeenOplegging}, {6, Inklemming}}, {2});
    const TEigenAnalyse analyse(c, t, ',');
    const TEigenMechanisme eigen = analyse.Bereken(OpKnopen(analyse, {0, 1, 3}));
    ASSERT_TRUE(eigen.Beweegt());
    EXPECT_NEAR(eigen.Bezwijklast, 100.0, LpNauw);
    EXPECT_EQ(eigen.Oordeel, TOordeel::TeHoog);
    EXPECT_EQ(analyse.Vergelijking(eigen),
              "Fp = 100 kN is te hoog: dit is een bovengrens; de bezwijklast is 66,67 kN.");
    ASSERT_TRUE(eigen.Momentenlijn.Bestaat);
    EXPECT_GT(eigen.Momentenlijn.Momentverhouding, 1.0 + 1e-3);
    EXPECT_LE(eigen.Momentenlijn.Ondergrens(), analyse.WareBezwijklast() * (1 + 1e-9));
}

// Hinges in the unloaded span of a continuous beam: it moves, but the loads do no work.
TEST_F(EigenMechanisme, ZonderArbeidIsFpOneindig) {
    const TConstructie c = Ligger({{0, Inklemming},
                                   {3, GeenOplegging},
                                   {6, Scharnierend},
                                   {9, GeenOplegging},
                                   {12, Inklemming}},
                                  {1});
    const TEigenAnalyse analyse(c, t, ',');
    const TEigenMechanisme eigen = analyse.Bereken(OpKnopen(analyse, {2, 3, 4}));
    ASSERT_TRUE(eigen.Beweegt());
    EXPECT_TRUE(IsOneindigeLast(eigen.Bezwijklast));
    EXPECT_EQ(eigen.Oordeel, TOordeel::GeenArbeid);
    EXPECT_FALSE(eigen.Momentenlijn.Bestaat);
    EXPECT_EQ(analyse.Vergelijking(eigen),
              "Bij deze beweging verrichten de belastingen geen arbeid, dus Fp = **g¥ en dit "
              "mechanisme zegt niets over de bezwijklast. De bezwijklast is 66,67 kN.");
}

// A choice is kept by node and bar: at a node of two bars the place follows the weaker bar, so
// the node alone decides; at a joint of three bars each bar end is a place of its own.
TEST(PlaatsKeuze, VolgtKnoopEnStaaf) {
    TConstructie c = TweeveldsPortaal(50.0, true);
    std::vector<TScharnierplaats> keuze;
    const auto voor = Scharnierplaatsen(c);
    const auto plaats = [](const std::vector<TScharnierplaats>& alle, int knoop, int staaf) {
        for (const auto& p : alle) {
            if (p.Knoop == knoop && (staaf == -1 || p.Staaf == staaf)) {
                return p;
            }
        }
        ADD_FAILURE() << knoop << " " << staaf;
        return TScharnierplaats{};
    };
    WisselPlaats(voor, keuze, plaats(voor, 1, -1)); // the top of the left column
    WisselPlaats(voor, keuze, plaats(voor, 3, 2));  // the left beam's end at the middle joint
    ASSERT_EQ(keuze.size(), 2u);
    // The left column made stronger: the place at its top moves to the beam.
    c.Staven[0].Mp = 80.0;
    const auto na = Scharnierplaatsen(c);
    ASSERT_EQ(plaats(na, 1, -1).Staaf, 1);
    const std::vector<int> indices = IndicesVan(na, keuze);
    ASSERT_EQ(indices.size(), 2u);
    EXPECT_EQ(na[static_cast<std::size_t>(indices[0])].Knoop, 1);
    EXPECT_EQ(na[static_cast<std::size_t>(indices[1])], plaats(na, 3, 2));
    // A second click on a chosen place takes it back, found by node and bar.
    WisselPlaats(na, keuze, plaats(na, 1, -1));
    WisselPlaats(na, keuze, plaats(na, 3, 6));
    ASSERT_EQ(keuze.size(), 2u);
    EXPECT_EQ(IndicesVan(na, keuze).size(), 2u);
    EXPECT_EQ(keuze[0], plaats(voor, 3, 2));
    EXPECT_EQ(keuze[1], plaats(na, 3, 6));
}

TEST(Oordeel, GelijkeLastenBinnenDeTolerantie) {
    EXPECT_EQ(VergelijkMetBezwijklast(50.0 * (1 + 1e-12), 50.0), TOordeel::Bezwijklast);
    EXPECT_EQ(VergelijkMetBezwijklast(50.0 * (1 - 1e-12), 50.0), TOordeel::Bezwijklast);
    EXPECT_EQ(VergelijkMetBezwijklast(50.0 * (1 + 1e-6), 50.0), TOordeel::TeHoog);
    EXPECT_EQ(VergelijkMetBezwijklast(OneindigeLast, 50.0), TOordeel::GeenArbeid);
    EXPECT_EQ(VergelijkMetBezwijklast(OneindigeLast, OneindigeLast), TOordeel::GeenArbeid);
}

} // namespace
} // namespace kx::test
