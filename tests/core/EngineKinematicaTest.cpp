#include "EngineHulp.h"
#include "Referentie.h"
#include "engine/Kinematica.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kx::test {
namespace {

constexpr double pi = std::numbers::pi;

TEST(EngineKinematica, PoolCoordinaten) {
    EXPECT_EQ(PoolCoordinaten(0, 0).phi, 0.0);
    EXPECT_EQ(PoolCoordinaten(0, 0).r, 0.0);
    EXPECT_EQ(PoolCoordinaten(-1, 0).phi, pi);
    EXPECT_EQ(PoolCoordinaten(0, -1).phi, 3 * pi / 2);
    EXPECT_EQ(PoolCoordinaten(0, 2).phi, pi / 2);
    EXPECT_NEAR(PoolCoordinaten(1e-6, 1).phi, pi / 2, 1e-5);
    // Within the tolerance of zero counts as zero.
    EXPECT_EQ(PoolCoordinaten(4e-6, -3e-6).phi, 0.0);
    const auto p = PoolCoordinaten(3, 4);
    EXPECT_DOUBLE_EQ(p.r, 5.0);
    EXPECT_DOUBLE_EQ(p.phi, std::atan(4.0 / 3.0));
    EXPECT_DOUBLE_EQ(PoolCoordinaten(-1, 1).phi, 3 * pi / 4);
    EXPECT_DOUBLE_EQ(PoolCoordinaten(-1, -1).phi, 5 * pi / 4);
    EXPECT_DOUBLE_EQ(PoolCoordinaten(1, -1).phi, 7 * pi / 4);
}

// The example, converted, with the rotation centres of every mechanism.
Opstelling VoorbeeldMetCentra() {
    Opstelling o;
    Voorbeeld(o);
    EXPECT_EQ(o.Enumereer(), "");
    o.Converteer();
    for (auto& m : o.a.Mechanismen) {
        BepaalRotatieCentra(m);
    }
    return o;
}

TEST(EngineKinematica, RotatiecentraEnEersteStaafVanHetVoorbeeld) {
    Opstelling o = VoorbeeldMetCentra();
    // Mechanism 1: beam E-C, right column C-D, left column B-E (merged through node 0).
    const auto& m1 = o.a.Mechanismen[0].avStaven;
    ASSERT_EQ(m1.size(), 3U);
    // The beam turns about the crossing of the line B-E (y = x - 8) and the line x = 8.
    EXPECT_NEAR(m1[0].RC.x, 8.0, 1e-12);
    EXPECT_NEAR(m1[0].RC.y, 0.0, 1e-12);
    // A part with a support turns about it, exactly.
    EXPECT_EQ(m1[1].RC.x, 8.0);
    EXPECT_EQ(m1[1].RC.y, -9.0);
    EXPECT_EQ(m1[2].RC.x, 2.0);
    EXPECT_EQ(m1[2].RC.y, -6.0);

    // Mechanism 2: the beam A-E turns about the crossing of x = 2 and the line E-D, y = -2x + 7.
    const auto& m2 = o.a.Mechanismen[1].avStaven;
    EXPECT_NEAR(m2[2].RC.x, 2.0, 1e-12);
    EXPECT_NEAR(m2[2].RC.y, 3.0, 1e-12);

    // Mechanism 3: two vertical columns, the beam A-C translates.
    const auto& m3 = o.a.Mechanismen[2].avStaven;
    EXPECT_EQ(m3[2].RC.x, 5.0);
    EXPECT_EQ(m3[2].RC.y, Oneindig);

    // Mechanism 1: the left column (part 2) is the first part and turns about its foot B.
    auto eerste = BepaalEersteStaaf(o.a.Mechanismen[0]);
    EXPECT_EQ(eerste.Staaf, 2);
    EXPECT_EQ(eerste.Eind, 0);
    // Mechanism 2: the column E-D lies more in line with the beam A-E than the column A-B.
    eerste = BepaalEersteStaaf(o.a.Mechanismen[1]);
    EXPECT_EQ(eerste.Staaf, 1);
    EXPECT_EQ(eerste.Eind, 1);
}

TEST(EngineKinematica, EvenwijdigeBurenVlakEnSteil) {
    Opstelling o;
    // Horizontal neighbours y = 0 and y = 1.
    ZetMechanisme(o.a, {Deel(2, 0, 0, 5, 2, 0), Deel(5, 2, 0, 5, 3, 1), Deel(5, 3, 1, 2, 5, 1)});
    BepaalRotatieCentra(o.a.Mechanismen[0]);
    EXPECT_EQ(o.a.Mechanismen[0].avStaven[1].RC.x, Oneindig);
    EXPECT_EQ(o.a.Mechanismen[0].avStaven[1].RC.y, 0.5);

    // Neighbours of slope 2: y = 2x and y = 2x - 6.
    ZetMechanisme(o.a, {Deel(2, 0, 0, 5, 1, 2), Deel(5, 1, 2, 5, 3, 0), Deel(5, 3, 0, 2, 4, 2)});
    BepaalRotatieCentra(o.a.Mechanismen[0]);
    EXPECT_EQ(o.a.Mechanismen[0].avStaven[1].RC.y, Oneindig);
    EXPECT_DOUBLE_EQ(o.a.Mechanismen[0].avStaven[1].RC.x, (Oneindig + 3.0) / 2.0);
}

TEST(EngineKinematica, AansluitendeStaafIsDeLaatsteDieAansluit) {
    Opstelling o;
    ZetMechanisme(o.a, {Deel(5, 0, 0, 5, 1, 0), Deel(5, 1, 0, 5, 2, 0), Deel(5, 3, 3, 5, 1, 0),
                        Deel(5, 7, 7, 5, 8, 8)});
    EXPECT_EQ(BepaalAansluitendeStaaf(o.a.Mechanismen[0], 0, 1), 2);
    EXPECT_EQ(BepaalAansluitendeStaaf(o.a.Mechanismen[0], 2, 1), 1);
    EXPECT_EQ(BepaalAansluitendeStaaf(o.a.Mechanismen[0], 0, 0), -1);
    EXPECT_EQ(BepaalAansluitendeStaaf(o.a.Mechanismen[0], 3, 0), -1);
}

TEST(EngineKinematica, DeelZonderCentrumEnLosDeel) {
    Opstelling o;
    // Part 1 has two free ends; at (4, 0) nothing is attached: it has no centre.
    ZetMechanisme(o.a, {Deel(2, 0, 0, 5, 2, 0), Deel(5, 2, 0, 4, 4, 0)});
    o.a.Mechanismen[0].avStaven[1].RC = {7, 7};
    BepaalRotatieCentra(o.a.Mechanismen[0]);
    EXPECT_TRUE(o.a.Mechanismen[0].avStaven[0].RCBekend);
    EXPECT_FALSE(o.a.Mechanismen[0].avStaven[1].RCBekend);

    // Two parts in a straight line between two pins turn oppositely, exactly; a third part lying
    // apart is never reached and stays.
    ZetMechanisme(o.a, {Deel(2, 0, 0, 5, 2, 0), Deel(5, 2, 0, 2, 4, 0), Deel(4, 9, 9, 4, 9, 12)});
    auto& m = o.a.Mechanismen[0];
    BepaalRotatieCentra(m);
    BepaalVervorming(m, 0.01);
    EXPECT_DOUBLE_EQ(m.avStaven[0].gamma, 0.01);
    EXPECT_DOUBLE_EQ(m.avStaven[0].Knopen[1].dy, 0.02);
    EXPECT_EQ(m.avStaven[1].Knopen[0].dy, m.avStaven[0].Knopen[1].dy);
    EXPECT_DOUBLE_EQ(m.avStaven[1].gamma, -0.01);
    EXPECT_EQ(m.avStaven[2].gamma, 0.0);
    VergrootVervorming(m);
    Referentie(m).Vergelijk();
}

TEST(EngineKinematica, EersteStaafVanHandgemaakteMechanismen) {
    Opstelling o;
    // Deel 1 lies straight between the deel 0 and deel 2 (equal angles and lengths: c1 wins); deel
    // 3 has two free ends but no neighbours and is passed over.
    ZetMechanisme(o.a, {Deel(2, 0, 0, 5, 2, 0), Deel(5, 2, 0, 5, 4, 0), Deel(5, 4, 0, 2, 6, 0),
                        Deel(4, 10, 10, 4, 12, 10)});
    const auto eerste = BepaalEersteStaaf(o.a.Mechanismen[0]);
    EXPECT_EQ(eerste.Staaf, 2);
    EXPECT_EQ(eerste.Eind, 1);
    // A single part stays in place at its fixed end.
    ZetMechanisme(o.a, {Deel(5, 2, 0, 3, 0, 0)});
    EXPECT_EQ(BepaalEersteStaaf(o.a.Mechanismen[0]).Eind, 1);
    ZetMechanisme(o.a, {Deel(3, 0, 0, 4, 2, 0)});
    EXPECT_EQ(BepaalEersteStaaf(o.a.Mechanismen[0]).Eind, 0);
}

TEST(EngineKinematica, TegengesteldeRotatieKeertElkeVerplaatsingOm) {
    Opstelling o = VoorbeeldMetCentra();
    auto& m = o.a.Mechanismen[0];
    BepaalVervorming(m, VirtueleRotatie);
    const TMechanisme eerste = m;
    BepaalVervorming(m, -VirtueleRotatie);
    for (std::size_t t = 0; t < m.avStaven.size(); ++t) {
        EXPECT_EQ(m.avStaven[t].gamma, -eerste.avStaven[t].gamma);
        for (int n = 0; n < 2; ++n) {
            EXPECT_EQ(m.avStaven[t].Knopen[n].dx, -eerste.avStaven[t].Knopen[n].dx);
            EXPECT_EQ(m.avStaven[t].Knopen[n].dy, -eerste.avStaven[t].Knopen[n].dy);
        }
    }
    EXPECT_EQ(m.avBelastingen[0].dy, -eerste.avBelastingen[0].dy);
}

} // namespace
} // namespace kx::test
