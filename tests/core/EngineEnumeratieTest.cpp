#include "EngineHulp.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace kx::test {
namespace {

using Rij = std::vector<std::int32_t>;

// Builds the replacement structure of the one combination given, the way the enumeration does.
void PlaatsEnVoegSamen(Opstelling& o, Rij scharnieren) {
    o.a.VMechanismen.resize(1);
    auto& v = o.a.VMechanismen[0];
    VulVervangendeConstructie(v, o.c);
    KoppelBelastingen(v, o.c);
    PlaatsScharnieren(v, scharnieren, o.c);
    VoegStarreStavenSamen(v, o.c);
    ControleerBelastingen(v, o.c);
}

TEST(EngineEnumeratie, CombinatiesInVasteVolgorde) {
    struct Geval {
        const char* naam;
        void (*bouw)(Opstelling&);
        std::vector<Rij> combinaties;
    };
    // Position j of a row holds place m-1-j: the highest places come first.
    const std::vector<Geval> gevallen{
        {"voorbeeld", Voorbeeld, {{4, 2, -1}, {4, -1, 0}, {-1, 2, 0}}},
        {"voorbeeld met een tweede stijve knoop in de ligger: plaatsen 0, 2, 4 en 5",
         [](Opstelling& o) {
             Voorbeeld(o);
             o.Knoop(5, 6, 3);
             o.Staaf(1, 4, 5);
             o.Staaf(4, 5, 2);
         },
         {{5, 4, -1, -1},
          {5, -1, 2, -1},
          {-1, 4, 2, -1},
          {5, -1, -1, 0},
          {-1, 4, -1, 0},
          {-1, -1, 2, 0}}},
        {"statisch bepaalde uitkraging: het vrije uiteinde is geen plaats",
         [](Opstelling& o) { Ligger(o, 2, 4, Inklemming, GeenOplegging); },
         {{1, -1}, {-1, 0}}},
    };
    for (const Geval& geval : gevallen) {
        SCOPED_TRACE(geval.naam);
        Opstelling o;
        geval.bouw(o);
        ASSERT_EQ(o.Enumereer(), "");
        EXPECT_EQ(o.a.Combinaties, geval.combinaties);
        EXPECT_EQ(o.AantalCombinaties(), static_cast<int>(geval.combinaties.size()));
        EXPECT_EQ(o.a.VMechanismen.size(), geval.combinaties.size());
    }
}

TEST(EngineEnumeratie, VervangendeConstructiesVanDeUitkraging) {
    Opstelling o;
    Ligger(o, 2, 4, Inklemming, GeenOplegging);
    ASSERT_EQ(o.Enumereer(), "");
    ASSERT_EQ(o.a.VMechanismen.size(), 2U);
    for (const auto& v : o.a.VMechanismen) {
        EXPECT_TRUE(v.Knopen[2].Scharnier);
        EXPECT_EQ(v.Knopen[2].Vrijheid, ScharnierendeVerbinding);
    }

    // Hinge at node 1 only: the clamped first bar becomes ground, node 1 a fixed support, and the
    // load on it is dropped.
    const auto& m0 = o.a.VMechanismen[0];
    EXPECT_EQ(Staven(m0), "1:1-2");
    EXPECT_EQ(m0.Knopen[1].Oplegging, Inklemming);
    EXPECT_FALSE(m0.Belastingen[0].Bestaat);

    // Hinge at the clamp only: both bars merge into one part from node 0 to node 2.
    const auto& m1 = o.a.VMechanismen[1];
    EXPECT_EQ(Staven(m1), "1:0-2");
    EXPECT_TRUE(m1.Belastingen[0].Bestaat);
    EXPECT_EQ(m1.Belastingen[0].s, 1);
}

TEST(EngineEnumeratie, VervangendeConstructieVanHetVoorbeeld) {
    Opstelling o;
    Voorbeeld(o);
    o.c.Staven[3].Mp = 30.0; // 0-4
    o.c.Staven[1].Mp = 80.0; // 4-2
    ASSERT_EQ(o.Enumereer(), "");

    // Mechanism 1, hinges at nodes 2 and 4: the left column merges through node 0.
    const auto& m = o.a.VMechanismen[0];
    EXPECT_FALSE(m.Knopen[0].Scharnier);
    EXPECT_TRUE(m.Knopen[2].Scharnier);
    EXPECT_TRUE(m.Knopen[4].Scharnier);
    EXPECT_EQ(Staven(m), "1:4-2 2:2-3 3:1-4");
    // Each node takes the smallest Mp of its bars.
    const std::vector<double> mp{30, 50, 50, 50, 30, 0};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(m.Knopen[k].Mp, mp[k]) << "knoop " << k;
    }
    // The load at node 4 hangs on the highest bar ending there.
    EXPECT_EQ(m.Belastingen[0].s, 3);
    EXPECT_EQ(m.Belastingen[0].x, 5.0);
    EXPECT_EQ(m.Belastingen[0].y, 3.0);

    // Mechanism 3, hinges at nodes 0 and 2: the beam merges through node 4.
    EXPECT_EQ(Staven(o.a.VMechanismen[2]), "0:0-1 2:2-3 3:0-2");
    EXPECT_TRUE(o.a.VMechanismen[2].Belastingen[0].Bestaat);
}

TEST(EngineEnumeratie, HangendeBelastingOpOpleggingZonderStaafVervalt) {
    Opstelling o;
    Voorbeeld(o);
    o.Knoop(5, 0, 0, Scharnierend);
    o.Last(1, 5, 1, 0);
    PlaatsEnVoegSamen(o, {4, 2});
    EXPECT_EQ(o.a.VMechanismen[0].Belastingen[1].s, -1);
    EXPECT_FALSE(o.a.VMechanismen[0].Belastingen[1].Bestaat);
    EXPECT_TRUE(o.a.VMechanismen[0].Belastingen[0].Bestaat);
}

TEST(EngineEnumeratie, PendelVanEenRolAanDeKantVanHetSymbool) {
    // A beam with a roller at one end and the hinges at the other two nodes. The pendulum is as
    // long as the mean bar; y grows downward.
    struct Geval {
        const char* naam;
        double midden;
        double eind;
        int oplegging0;
        int oplegging2;
        double x;
        double y;
    };
    for (const Geval& geval :
         {Geval{"verticale rol, staaf links: pendel rechts", 2, 4, Inklemming, RolVerticaal, 6, 0},
          Geval{"horizontale rol, staaf rechts: pendel onder", 3, 9, RolHorizontaal, Inklemming, 0,
                4.5},
          Geval{"horizontale rol, staaf links: pendel boven", 3, 6, Inklemming, RolHorizontaal, 6,
                -3}}) {
        SCOPED_TRACE(geval.naam);
        Opstelling o;
        Ligger(o, geval.midden, geval.eind, geval.oplegging0, geval.oplegging2);
        const int rol = geval.oplegging0 == Inklemming ? 2 : 0;
        PlaatsEnVoegSamen(o, rol == 2 ? Rij{0, 1} : Rij{1, 2});
        const auto& m = o.a.VMechanismen[0];
        EXPECT_EQ(m.Knopen[rol].Oplegging, GeenOplegging);
        EXPECT_TRUE(m.Knopen[rol].Scharnier);
        const auto& pendel = m.Knopen[3];
        EXPECT_EQ(pendel.x, geval.x);
        EXPECT_EQ(pendel.y, geval.y);
        EXPECT_EQ(pendel.Oplegging, Scharnierend);
        EXPECT_EQ(pendel.Vrijheid, ScharnierendeVerbinding);
        EXPECT_TRUE(pendel.Scharnier);
        EXPECT_EQ(Staven(m), "0:0-1 1:1-2 2:" + std::to_string(rol) + "-3");
    }
}

TEST(EngineEnumeratie, TweeRollenKrijgenElkEenEigenPendel) {
    // Beam 0-1-2 of two 3 m bars on a horizontal roller at 0 (bar to the right: pendulum
    // below) and a vertical roller at 2 (bar to the left: pendulum to the right). Every bar,
    // the first pendulum too, is 3 m long, so both pendulums are. Where the drawn tables have
    // no free slot left, the pendulums get slots added after the last.
    for (const bool vol : {false, true}) {
        SCOPED_TRACE(vol ? "volle tabellen" : "vrije slots");
        Opstelling o;
        Ligger(o, 3, 6, RolHorizontaal, RolVerticaal);
        if (vol) {
            o.c.Knopen.resize(3);
            o.c.Staven.resize(2);
        }
        PlaatsEnVoegSamen(o, Rij{1});
        const auto& m = o.a.VMechanismen[0];
        EXPECT_EQ(Staven(m), "0:0-1 1:1-2 2:0-3 3:2-4");
        for (const auto& [rol, pendel, x, y] :
             {std::tuple{0, 3, 0.0, 3.0}, std::tuple{2, 4, 9.0, 0.0}}) {
            SCOPED_TRACE(rol);
            EXPECT_EQ(m.Knopen[rol].Oplegging, GeenOplegging);
            EXPECT_EQ(m.Knopen[pendel].x, x);
            EXPECT_EQ(m.Knopen[pendel].y, y);
            EXPECT_EQ(m.Knopen[pendel].Oplegging, Scharnierend);
            EXPECT_TRUE(m.Knopen[pendel].Scharnier);
        }
    }
}

TEST(EngineEnumeratie, AfgekeurdeConstructieGeeftGeenMechanismen) {
    Opstelling o; // empty: S = 0, H = 0
    o.a.BepaalMechanismen(o.c);
    EXPECT_EQ(o.AantalCombinaties(), 0);
    EXPECT_TRUE(o.a.VMechanismen.empty());
    EXPECT_EQ(o.a.BerekeningDeel2(), 0);
    EXPECT_EQ(o.a.AantalMechanismen, 0);
}

} // namespace
} // namespace kx::test
