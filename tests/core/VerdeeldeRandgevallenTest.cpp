// Distributed loads at the edges of the analysis: a load along its own bar, which bends nothing,
// and a span between hinged ends, whose moment no self-stress changes.
#include "EngineHulp.h"

#include "engine/Bezwijkcontrole.h"
#include "engine/Evenwicht.h"
#include "engine/Krachtsverdeling.h"
#include "engine/MechanismeOpgaven.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kx::test {
namespace {

// A portal of two bays, 3 m wide and 4 m high, on a roller, a clamp and a roller, whose left
// column carries 1.5 F/m down along itself. No mechanism lets that load work: every motion that
// turns a span hinge at the column's hinged top in place moves nothing.
TEST(VerdeeldeRandgevallen, LastLangsDeEigenStaafBuigtNiets) {
    Opstelling o;
    o.Knoop(0, 0.0, 0.0, RolHorizontaal);
    o.c.Knopen[0].Vrijheid = VasteVerbinding;
    o.Knoop(1, 3.0, 0.0, Inklemming);
    o.Knoop(2, 6.0, 0.0, RolHorizontaal);
    o.Knoop(3, 0.0, -4.0);
    o.Knoop(4, 3.0, -4.0);
    o.Knoop(5, 6.0, -4.0);
    o.Staaf(0, 0, 1, 30.0);
    o.Staaf(1, 0, 3, 50.0);
    o.Staaf(2, 1, 2, 60.0);
    o.Staaf(3, 1, 4, 20.0);
    o.Staaf(4, 2, 5, 20.0);
    o.Staaf(5, 3, 4, 50.0);
    o.Staaf(6, 4, 5, 20.0);
    o.c.VerdeeldeBelastingen[0] = {1, 0.0, 1.5, true};
    ASSERT_EQ(o.Analyseer(), "");
    ASSERT_GT(o.a.AantalMechanismen, 0);
    for (std::size_t i = 0; i < o.a.Mechanismen.size(); ++i) {
        EXPECT_TRUE(IsOneindigeLast(o.a.Mechanismen[i].Vgl.Bezwijklast))
            << "mechanisme " << i + 1 << ": " << o.a.Mechanismen[i].Vgl.Bezwijklast;
    }
    EXPECT_TRUE(IsOneindigeLast(BepaalWareBezwijklast(TEvenwicht(o.c)).Bezwijklast));
}

// Simply supported beams, one level and one sloping: the span hinge's moment is the parabola
// alone, Mp at 8 Mp / (q L^2); the mechanism's own distribution has it, in the dense and in the
// sparse program.
TEST(VerdeeldeRandgevallen, VeldTussenScharnierendeEinden) {
    for (const double hoogte : {0.0, 3.0}) {
        SCOPED_TRACE("hoogte " + std::to_string(hoogte));
        Opstelling o;
        o.Knoop(0, 0.0, 0.0, Scharnierend);
        o.Knoop(1, 4.0, -hoogte, RolHorizontaal);
        o.Staaf(0, 0, 1, 40.0);
        o.c.VerdeeldeBelastingen[0] = {0, 0.0, 2.0, true};
        ASSERT_EQ(o.Analyseer(), "");
        const double lengte = std::hypot(4.0, hoogte);
        // Across the bar the load is 2 cos per metre of its length.
        const double fp = 8.0 * 40.0 / (2.0 * 4.0 / lengte * lengte * lengte);
        const auto& mechanisme =
            o.a.Mechanismen[static_cast<std::size_t>(o.a.MaatgevendMechanisme)];
        EXPECT_NEAR(mechanisme.Vgl.Bezwijklast, fp, 1e-9 * fp);
        const TEvenwicht evenwicht(o.c);
        const auto opgave = Opgave(mechanisme, o.a.Plaatsen);
        for (const Eigen::Index grootsteDicht : {GrootsteDichteProgramma, Eigen::Index{0}}) {
            const auto verdeling =
                BepaalKrachtsverdeling(evenwicht, opgave.Plaatsen, mechanisme.Vgl.Bezwijklast,
                                       opgave.Staven, grootsteDicht, opgave.Posities);
            ASSERT_TRUE(verdeling.Bestaat);
            EXPECT_NEAR(verdeling.Bezwijklast, fp, 1e-9 * fp);
            EXPECT_NEAR(verdeling.Momentverhouding, 1.0, 1e-9);
            ASSERT_EQ(verdeling.Scharnieren.size(), 1U);
            EXPECT_TRUE(verdeling.Scharnieren[0].Draait);
            EXPECT_NEAR(std::fabs(verdeling.Scharnieren[0].M), 40.0, 1e-9 * 40.0);
        }
    }
}

// A frame whose least load turns the span hinge only near the start of its bar, 0.33 m of 3 m:
// elsewhere the least motion leaves the hinge alone at one and the same load, a plateau that
// hides the dip from a search started inside it. Kinematic and static load meet all the same.
TEST(VerdeeldeRandgevallen, KleinsteLastNaastEenPlateau) {
    Opstelling o;
    o.Knoop(0, 0.0, 0.0, RolVerticaal);
    o.Knoop(1, 3.0, 0.0, Scharnierend);
    o.Knoop(2, 6.0, 0.0, RolHorizontaal);
    o.Knoop(3, 0.0, -4.0);
    o.Knoop(4, 3.0, -4.0, Inklemming);
    for (int k = 0; k < 3; ++k) {
        o.c.Knopen[static_cast<std::size_t>(k)].Vrijheid = VasteVerbinding;
    }
    o.Staaf(0, 0, 1, 50.0);
    o.Staaf(1, 0, 3, 80.0);
    o.Staaf(2, 1, 2, 20.0);
    o.Staaf(3, 1, 4, 80.0);
    o.Staaf(4, 3, 4, 70.0);
    o.Last(0, 0, 1.0, 2.0);
    o.c.VerdeeldeBelastingen[0] = {0, 0.0, 1.5, true};
    ASSERT_EQ(o.Analyseer(), "");
    const double waar = BepaalWareBezwijklast(TEvenwicht(o.c)).Bezwijklast;
    const auto& maatgevend = o.a.Mechanismen[static_cast<std::size_t>(o.a.MaatgevendMechanisme)];
    EXPECT_NEAR(maatgevend.Vgl.Bezwijklast, waar, 1e-9 * waar);
    ASSERT_EQ(maatgevend.Veldscharnieren.size(), 1U);
    EXPECT_TRUE(maatgevend.Veldscharnieren[0].Draait);
    EXPECT_LT(maatgevend.Veldscharnieren[0].Afstand, 0.75);
}

} // namespace
} // namespace kx::test
