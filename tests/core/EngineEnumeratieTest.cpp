#include "EngineHulp.h"

#include <gtest/gtest.h>

#include <vector>

namespace kx::test {
namespace {

using Rij = std::vector<std::int32_t>;

std::vector<Rij> GekozenKnopen(const TAnalyse& a) {
    std::vector<Rij> rijen;
    for (const auto& rij : a.Combinaties) {
        Rij knopen;
        for (const auto k : rij) {
            if (k != -1) {
                knopen.insert(knopen.begin(), k);
            }
        }
        rijen.push_back(knopen);
    }
    return rijen;
}

TEST(EngineEnumeratie, VoorbeeldGeeftDrieMechanismenInVasteVolgorde) {
    Opstelling o;
    Voorbeeld(o);
    ASSERT_EQ(o.c.ControleerConstructie(), "");
    EXPECT_EQ(o.c.Onbepaaldheid.AantalOnbekenden, 26);
    EXPECT_EQ(o.c.Onbepaaldheid.AantalVergelijkingen, 25);
    EXPECT_EQ(o.c.Onbepaaldheid.AantalScharnierplaatsen, 3);

    o.a.BepaalMechanismen(o.c);
    EXPECT_EQ(o.a.Onbepaaldheid, 1);
    EXPECT_EQ(o.a.AantalPlaatsen, 3);
    EXPECT_EQ(o.a.AantalCombinaties, 3);
    ASSERT_EQ(o.a.VMechanismen.size(), 3U);
    // Position j holds place m-1-j: the highest places come first.
    EXPECT_EQ(o.a.Combinaties, (std::vector<Rij>{{4, 2, -1}, {4, -1, 0}, {-1, 2, 0}}));
}

TEST(EngineEnumeratie, VierPlaatsenTweeScharnieren) {
    // The example with a second rigid node on the beam: places 0, 2, 4 and 5.
    Opstelling o;
    o.Knoop(0, 2, 3);
    o.Knoop(1, 2, 6, Scharnierend, ScharnierendeVerbinding);
    o.Knoop(2, 8, 3);
    o.Knoop(3, 8, 9, Scharnierend, ScharnierendeVerbinding);
    o.Knoop(4, 4, 3);
    o.Knoop(5, 6, 3);
    o.Staaf(0, 0, 1);
    o.Staaf(1, 0, 4);
    o.Staaf(2, 4, 5);
    o.Staaf(3, 5, 2);
    o.Staaf(4, 2, 3);
    o.Last(0, 4, 0, 1);
    ASSERT_EQ(o.c.ControleerConstructie(), "");
    o.a.BepaalMechanismen(o.c);
    EXPECT_EQ(o.a.AantalCombinaties, 6);
    EXPECT_EQ(GekozenKnopen(o.a),
              (std::vector<Rij>{{4, 5}, {2, 5}, {2, 4}, {0, 5}, {0, 4}, {0, 2}}));
}

TEST(EngineEnumeratie, StatischBepaaldeUitkragingMetVrijUiteinde) {
    Opstelling o;
    o.Knoop(0, 0, 0, Inklemming, VasteVerbinding);
    o.Knoop(1, 2, 0);
    o.Knoop(2, 4, 0);
    o.Staaf(0, 0, 1);
    o.Staaf(1, 1, 2);
    o.Last(0, 1, 0, 1);
    ASSERT_EQ(o.c.ControleerConstructie(), "");
    o.a.BepaalMechanismen(o.c);
    // k = 1: one mechanism per place, the last place first.
    EXPECT_EQ(o.a.Combinaties, (std::vector<Rij>{{1, -1}, {-1, 0}}));

    // The free end is a hinge and never a place.
    for (const auto& v : o.a.VMechanismen) {
        EXPECT_TRUE(v.Knopen[2].Scharnier);
        EXPECT_EQ(v.Knopen[2].Vrijheid, ScharnierendeVerbinding);
    }

    // Hinge at node 1 only: the clamped first bar becomes ground, node 1 a fixed support, and the
    // load on it is dropped.
    const auto& m0 = o.a.VMechanismen[0];
    EXPECT_FALSE(m0.Staven[0].Bestaat);
    EXPECT_TRUE(m0.Staven[1].Bestaat);
    EXPECT_EQ(m0.Knopen[1].Oplegging, Inklemming);
    EXPECT_FALSE(m0.Belastingen[0].Bestaat);

    // Hinge at the clamp only: both bars merge into one part from node 0 to node 2.
    const auto& m1 = o.a.VMechanismen[1];
    EXPECT_FALSE(m1.Staven[0].Bestaat);
    ASSERT_TRUE(m1.Staven[1].Bestaat);
    EXPECT_EQ(m1.Staven[1].Knoop0, 0);
    EXPECT_EQ(m1.Staven[1].Knoop1, 2);
    EXPECT_TRUE(m1.Belastingen[0].Bestaat);
    EXPECT_EQ(m1.Belastingen[0].s, 1);
}

TEST(EngineEnumeratie, VervangendeConstructieVanHetVoorbeeld) {
    Opstelling o;
    Voorbeeld(o);
    ASSERT_EQ(o.c.ControleerConstructie(), "");
    o.a.BepaalMechanismen(o.c);

    // Mechanism 1, hinges at nodes 2 and 4: the left column merges through node 0.
    const auto& m = o.a.VMechanismen[0];
    ASSERT_EQ(m.Knopen.size(), 31U);
    ASSERT_EQ(m.Staven.size(), 16U);
    EXPECT_FALSE(m.Knopen[0].Scharnier);
    EXPECT_TRUE(m.Knopen[2].Scharnier);
    EXPECT_TRUE(m.Knopen[4].Scharnier);
    EXPECT_FALSE(m.Staven[0].Bestaat);
    EXPECT_EQ(m.Staven[3].Knoop0, 1);
    EXPECT_EQ(m.Staven[3].Knoop1, 4);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(m.Knopen[k].Mp, 50.0);
    }
    EXPECT_EQ(m.Knopen[5].Mp, 0.0);
    // The load at node 4 hangs on the highest bar ending there.
    EXPECT_EQ(m.Belastingen[0].s, 3);
    EXPECT_EQ(m.Belastingen[0].x, 5.0);
    EXPECT_EQ(m.Belastingen[0].y, 3.0);

    // Mechanism 3, hinges at nodes 0 and 2: the beam merges through node 4.
    const auto& m3 = o.a.VMechanismen[2];
    EXPECT_FALSE(m3.Staven[1].Bestaat);
    EXPECT_EQ(m3.Staven[3].Knoop0, 0);
    EXPECT_EQ(m3.Staven[3].Knoop1, 2);
    EXPECT_TRUE(m3.Belastingen[0].Bestaat);
}

TEST(EngineEnumeratie, KleinsteMpPerKnoop) {
    Opstelling o;
    Voorbeeld(o);
    o.tabellen().Staven[3].Mp = 30.0;
    o.tabellen().Staven[1].Mp = 80.0;
    o.a.BepaalCombinaties(o.c);
    o.a.VulVervangendeConstructie(0, o.c);
    const auto& m = o.a.VMechanismen[0];
    EXPECT_EQ(m.Knopen[0].Mp, 30.0);
    EXPECT_EQ(m.Knopen[4].Mp, 30.0);
    EXPECT_EQ(m.Knopen[2].Mp, 50.0);
}

// Three bars at a node that no hinge was chosen for; node 1 is a free end carrying a load.
Opstelling DrieStavenInEenKnoop() {
    Opstelling o;
    o.Knoop(0, 0, 0);
    o.Knoop(1, -2, 0);
    o.Knoop(2, 2, 0, Scharnierend, ScharnierendeVerbinding);
    o.Knoop(3, 0, 2, Scharnierend, ScharnierendeVerbinding);
    o.Staaf(0, 0, 1);
    o.Staaf(1, 0, 2);
    o.Staaf(2, 3, 0);
    o.Last(0, 1, 1, 0);
    return o;
}

TEST(EngineEnumeratie, DrieStarVerbondenStavenWordenEenDeel) {
    Opstelling o = DrieStavenInEenKnoop();
    o.a.Combinaties = {{}};
    o.a.VMechanismen.resize(1);
    o.a.VulVervangendeConstructie(0, o.c);
    o.a.KoppelBelastingen(0, o.c);
    o.a.PlaatsScharnieren(0, o.c);
    ASSERT_FALSE(o.a.VMechanismen[0].Knopen[0].Scharnier);
    ASSERT_EQ(o.a.VMechanismen[0].Belastingen[0].s, 0);

    o.a.VoegStarreStavenSamen(0, o.c);
    const auto& m = o.a.VMechanismen[0];
    EXPECT_FALSE(m.Staven[0].Bestaat);
    ASSERT_TRUE(m.Staven[1].Bestaat);
    ASSERT_TRUE(m.Staven[2].Bestaat);
    EXPECT_EQ(m.Staven[1].Knoop0, 1);
    EXPECT_EQ(m.Staven[1].Knoop1, 2);
    EXPECT_EQ(m.Staven[2].Knoop0, 3);
    EXPECT_EQ(m.Staven[2].Knoop1, 1);
    // The load of the first bar moves to the second, the first bar that was re-attached.
    EXPECT_EQ(m.Belastingen[0].s, 1);
}

// Rigid chain 0-1-2-3 with a support at one end and a hinge chosen at node `scharnier` only.
Opstelling Ketting(int oplegging0, int oplegging3) {
    Opstelling o;
    const auto vrijheid = [](int opl) {
        return opl == Inklemming ? VasteVerbinding : ScharnierendeVerbinding;
    };
    o.Knoop(0, 0, 0, oplegging0, vrijheid(oplegging0));
    o.Knoop(1, 2, 0);
    o.Knoop(2, 4, 0);
    o.Knoop(3, 6, 0, oplegging3, vrijheid(oplegging3));
    o.Staaf(0, 0, 1);
    o.Staaf(1, 1, 2);
    o.Staaf(2, 2, 3);
    o.Last(0, 1, 0, 1);
    return o;
}

void PlaatsEnVoegSamen(Opstelling& o, Rij scharnieren) {
    o.a.Combinaties = {std::move(scharnieren)};
    o.a.VMechanismen.resize(1);
    o.a.VulVervangendeConstructie(0, o.c);
    o.a.KoppelBelastingen(0, o.c);
    o.a.PlaatsScharnieren(0, o.c);
    o.a.VoegStarreStavenSamen(0, o.c);
    o.a.ControleerBelastingen(0, o.c);
}

TEST(EngineEnumeratie, InklemmingPlantZichVoortLangsStarreKetting) {
    Opstelling o = Ketting(Inklemming, Scharnierend);
    PlaatsEnVoegSamen(o, {2});
    const auto& m = o.a.VMechanismen[0];
    EXPECT_FALSE(m.Staven[0].Bestaat);
    EXPECT_FALSE(m.Staven[1].Bestaat);
    EXPECT_TRUE(m.Staven[2].Bestaat);
    EXPECT_EQ(m.Knopen[1].Oplegging, Inklemming);
    // The hinge at node 2 stops the spreading: a fixed support with a plastic hinge.
    EXPECT_EQ(m.Knopen[2].Oplegging, Inklemming);
    EXPECT_TRUE(m.Knopen[2].Scharnier);
    // The load at node 1, now a fixed support, does no work.
    EXPECT_FALSE(m.Belastingen[0].Bestaat);
}

TEST(EngineEnumeratie, InklemmingPlantZichOokTerugVoort) {
    // The clamp sits at the highest node: the spreading runs against the index order and needs
    // the repetition after every node.
    Opstelling o = Ketting(Scharnierend, Inklemming);
    PlaatsEnVoegSamen(o, {1});
    const auto& m = o.a.VMechanismen[0];
    EXPECT_TRUE(m.Staven[0].Bestaat);
    EXPECT_FALSE(m.Staven[1].Bestaat);
    EXPECT_FALSE(m.Staven[2].Bestaat);
    EXPECT_EQ(m.Knopen[2].Oplegging, Inklemming);
    EXPECT_EQ(m.Knopen[1].Oplegging, Inklemming);
    EXPECT_FALSE(m.Belastingen[0].Bestaat);
}

TEST(EngineEnumeratie, HangendeBelastingOpOpleggingZonderStaafVervalt) {
    Opstelling o;
    Voorbeeld(o);
    o.Knoop(5, 0, 0, Scharnierend, ScharnierendeVerbinding);
    o.Last(1, 5, 1, 0);
    PlaatsEnVoegSamen(o, {4, 2});
    EXPECT_EQ(o.a.VMechanismen[0].Belastingen[1].s, -1);
    EXPECT_FALSE(o.a.VMechanismen[0].Belastingen[1].Bestaat);
    EXPECT_TRUE(o.a.VMechanismen[0].Belastingen[0].Bestaat);
}

TEST(EngineEnumeratie, PendelVanVerticaleRolAanDeKantVanHetSymbool) {
    // The bar leaves the roller at node 2 to the left: the symbol, and the pendulum, lie right.
    Opstelling o;
    o.Knoop(0, 0, 0, Inklemming, VasteVerbinding);
    o.Knoop(1, 2, 0);
    o.Knoop(2, 4, 0, RolVerticaal, ScharnierendeVerbinding);
    o.Staaf(0, 0, 1);
    o.Staaf(1, 1, 2);
    o.Last(0, 1, 0, 1);
    ASSERT_EQ(o.c.Oplegrichting(2, RolVerticaal), 1.0);
    PlaatsEnVoegSamen(o, {0, 1});
    const auto& m = o.a.VMechanismen[0];
    EXPECT_EQ(m.Knopen[2].Oplegging, GeenOplegging);
    EXPECT_TRUE(m.Knopen[2].Scharnier);
    const auto& pendel = m.Knopen[3];
    EXPECT_EQ(pendel.x, 6.0); // mean bar length 2
    EXPECT_EQ(pendel.y, 0.0);
    EXPECT_EQ(pendel.Oplegging, Scharnierend);
    EXPECT_EQ(pendel.Vrijheid, ScharnierendeVerbinding);
    EXPECT_TRUE(pendel.Scharnier);
    ASSERT_TRUE(m.Staven[2].Bestaat);
    EXPECT_EQ(m.Staven[2].Knoop0, 2);
    EXPECT_EQ(m.Staven[2].Knoop1, 3);
}

TEST(EngineEnumeratie, PendelVanHorizontaleRol) {
    // Bar to the right of the roller: symbol below (y grows downward), pendulum below.
    Opstelling o;
    o.Knoop(0, 0, 0, RolHorizontaal, ScharnierendeVerbinding);
    o.Knoop(1, 3, 0);
    o.Knoop(2, 9, 0, Inklemming, VasteVerbinding);
    o.Staaf(0, 0, 1);
    o.Staaf(1, 1, 2);
    o.Last(0, 1, 0, 1);
    PlaatsEnVoegSamen(o, {1, 2});
    EXPECT_EQ(o.a.VMechanismen[0].Knopen[3].x, 0.0);
    EXPECT_EQ(o.a.VMechanismen[0].Knopen[3].y, 4.5);

    // Bar to the left of the roller: symbol above, pendulum above.
    Opstelling p;
    SchoorLigger(p);
    PlaatsEnVoegSamen(p, {0, 1});
    EXPECT_EQ(p.a.VMechanismen[0].Knopen[3].x, 6.0);
    EXPECT_EQ(p.a.VMechanismen[0].Knopen[3].y, -3.0);
}

TEST(EngineEnumeratie, GeenPendelZonderVrijeStaafplaats) {
    // Sixteen bars, every bar slot in use: the roller cannot get its pendulum bar.
    Opstelling o;
    for (int k = 0; k <= 16; ++k) {
        o.Knoop(k, k, 0);
    }
    o.tabellen().Knopen[0].Oplegging = Inklemming;
    o.tabellen().Knopen[16].Oplegging = RolHorizontaal;
    o.tabellen().Knopen[16].Vrijheid = ScharnierendeVerbinding;
    for (int b = 0; b < 16; ++b) {
        o.Staaf(b, b, b + 1);
    }
    o.Last(0, 8, 0, 1);
    const auto voor = o.tabellen();
    o.a.BepaalMechanismen(o.c);
    ASSERT_GT(o.a.AantalCombinaties, 0);
    for (const auto& m : o.a.VMechanismen) {
        EXPECT_EQ(m.Knopen[16].Oplegging, RolHorizontaal);
        EXPECT_EQ(m.Knopen[17].Oplegging, GeenOplegging);
        for (const auto& staaf : m.Staven) {
            EXPECT_NE(staaf.Knoop1, 17);
        }
    }
    EXPECT_EQ(o.tabellen(), voor);
}

TEST(EngineEnumeratie, GemiddeldeStaaflengteZonderStavenIsNul) {
    Opstelling o;
    o.a.VMechanismen.resize(1);
    o.a.VMechanismen[0].Knopen.resize(2);
    o.a.VMechanismen[0].Staven.resize(2);
    EXPECT_EQ(o.a.GemiddeldeStaaflengte(0), 0.0);
    o.a.VMechanismen[0].Knopen[1].x = 3.0;
    o.a.VMechanismen[0].Knopen[1].y = 4.0;
    o.a.VMechanismen[0].Staven[1] = {0, 1, true};
    EXPECT_EQ(o.a.GemiddeldeStaaflengte(0), 5.0);
}

TEST(EngineEnumeratie, AfgekeurdeConstructieGeeftGeenMechanismen) {
    Opstelling o; // empty: S = 0, H = 0
    o.a.BepaalMechanismen(o.c);
    EXPECT_EQ(o.a.AantalCombinaties, 0);
    EXPECT_TRUE(o.a.VMechanismen.empty());
    EXPECT_EQ(o.a.BerekeningDeel2(), 0);
    EXPECT_EQ(o.a.AantalMechanismen, 0);
}

} // namespace
} // namespace kx::test
