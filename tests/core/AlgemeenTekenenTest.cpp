// Drawing frames beyond a single chain with the editing operations: joints of any number of
// bars, splits only at grid points on a bar, supports on any node.
#include "EngineHulp.h"
#include "ModelHulp.h"
#include "engine/Toleranties.h"
#include "model/Bevraging.h"
#include "model/Bewerkingen.h"
#include "model/Controle.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kx::test {
namespace {

// Twice the area of the triangle a b p: zero when p lies on the line through a and b.
double Kruis(TPunt a, TPunt b, TPunt p) {
    return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

// A bar end pressed or released at (x, y) with the hit test finding bar staaf there.
std::string StaafOpStaaf(Tekenaar& t, TPunt van, int staafVan, TPunt naar, int staafNaar,
                         double stap) {
    t.sel.Rasterstap = stap;
    t.Wijs(van.x, van.y);
    t.sel.GevondenStaaf = staafVan;
    VoegStaafToe(t.c, t.sel, 0, van.x, van.y, t.teksten);
    t.Wijs(naar.x, naar.y);
    t.sel.GevondenStaaf = staafNaar;
    auto melding = VoegStaafToe(t.c, t.sel, 1, naar.x, naar.y, t.teksten);
    NormaliseerVolledig(t.c);
    return melding;
}

// A column pressed on the middle of a beam joins it there: a T-joint of three bars; a bar drawn
// across two bars joins both.
TEST(AlgemeenTekenen, StaafOpHetMiddenVanEenStaafMaaktEenVerbinding) {
    Tekenaar t;
    t.Staaf(0, 0, 4, 0);
    ASSERT_EQ(StaafOpStaaf(t, {2, 0}, 0, {2, 3}, -1, 1.0), "");
    const int midden = ZoekKnoop(t.c, 2, 0);
    ASSERT_NE(midden, -1);
    EXPECT_EQ(AantalStaven(t.c, midden), 3);
    EXPECT_EQ(t.c.Knopen[midden].Vrijheid, VasteVerbinding);

    t.Staaf(0, 2, 1, 2);
    t.Staaf(3, 2, 4, 2);
    // From (1, 2) over the column to the end of the other beam, released on that end: the
    // column has no node at (2, 2), and the new bar does not join it there.
    EXPECT_EQ(StaafOpStaaf(t, {1, 2}, -1, {3, 2}, -1, 1.0), "");
    EXPECT_EQ(AantalStaven(t.c, ZoekKnoop(t.c, 1, 2)), 2);
    // Released on the column's middle it joins the column: a cross of four bars at (2, 1).
    const int kolom = t.c.Staven[2].Knoop1 == ZoekKnoop(t.c, 2, 3) ? 2 : -1;
    ASSERT_EQ(kolom, 2); // the split took slot 1
    EXPECT_EQ(StaafOpStaaf(t, {0, 1}, -1, {2, 1}, kolom, 1.0), "");
    EXPECT_EQ(AantalStaven(t.c, ZoekKnoop(t.c, 2, 1)), 3);
    EXPECT_EQ(StaafOpStaaf(t, {4, 1}, -1, {2, 1}, -1, 1.0), "");
    EXPECT_EQ(AantalStaven(t.c, ZoekKnoop(t.c, 2, 1)), 4);
}

// A sloping bar is split at a grid point on it, the nearest to the snapped mouse point, so the
// two halves stay on one line; where the bar has no grid point near, nothing is split.
TEST(AlgemeenTekenen, EenSchuineStaafWordtExactOpDeStaafGedeeld) {
    struct Geval {
        double stap;
        TPunt muis;
        std::optional<TPunt> deelpunt;
    };
    // The bar runs from (0, 0) to (3, 1): grid points inside only at thirds of it.
    for (const Geval g :
         {Geval{0.25, {1.5, 0.75}, TPunt{1.5, 0.5}}, Geval{0.25, {2.25, 0.75}, TPunt{2.25, 0.75}},
          Geval{0.5, {1.5, 1.0}, TPunt{1.5, 0.5}}, Geval{1.0, {2, 1}, std::nullopt},
          Geval{0.25, {0.25, 0.0}, std::nullopt}}) {
        SCOPED_TRACE(testing::Message()
                     << "stap " << g.stap << " muis " << g.muis.x << "," << g.muis.y);
        Tekenaar t;
        t.Staaf(0, 0, 3, 1);
        t.sel.Rasterstap = g.stap;
        const TConstructie voor = t.c;
        EXPECT_EQ(t.Belasting(g.muis.x, g.muis.y - 1, g.muis.x, g.muis.y, 0), "");
        if (!g.deelpunt) {
            EXPECT_EQ(t.c, voor);
            continue;
        }
        const int knoop = ZoekKnoop(t.c, g.deelpunt->x, g.deelpunt->y);
        ASSERT_NE(knoop, -1);
        EXPECT_EQ(Kruis({0, 0}, {3, 1}, Positie(t.c, knoop)), 0.0);
        EXPECT_EQ(t.AantalStaven(), 2);
        EXPECT_EQ(t.c.Belastingen[0].Knoop, knoop);
    }
}

// A continuous beam of two spans drawn with the mouse, with a pin at each end and a roller on
// the inner node, stays continuous there. Each span of 8 m with a central load collapses as a
// propped cantilever: Fp = 6 Mp / L = 6 * 50 / 8 = 37.5 kN.
TEST(AlgemeenTekenen, DoorgaandeLiggerBlijftDoorgaandOverDeSteunpunten) {
    Opstelling o;
    Tekenaar t;
    t.Staaf(0, 0, 4, 0);
    t.Staaf(4, 0, 8, 0);
    t.Staaf(8, 0, 12, 0);
    t.Staaf(12, 0, 16, 0);
    t.Oplegging(0, 0, Scharnierend);
    t.Oplegging(8, 0, RolHorizontaal);
    t.Oplegging(16, 0, RolHorizontaal);
    t.Belasting(4, -1, 4, 0);
    t.Belasting(12, -1, 12, 0);
    const int binnen = ZoekKnoop(t.c, 8, 0);
    EXPECT_EQ(t.c.Knopen[binnen].Vrijheid, VasteVerbinding);
    EXPECT_EQ(t.c.Knopen[ZoekKnoop(t.c, 16, 0)].Vrijheid, ScharnierendeVerbinding);

    o.c = t.c;
    ASSERT_EQ(o.Analyseer(), "");
    const double fp =
        o.a.Mechanismen[static_cast<std::size_t>(o.a.MaatgevendMechanisme)].Vgl.Bezwijklast;
    EXPECT_NEAR(fp, 6.0 * 50.0 / 8.0, GelijkeLasten * 37.5);
}

// A hundred bars and more: a ladder of 40 rungs drawn bar by bar, every rung a T-joint at both
// ends, supports on inner nodes of the rails; every bar stays where it was drawn.
TEST(AlgemeenTekenen, HonderdStavenEnMeer) {
    Tekenaar t;
    const int sporten = 40;
    for (int k = 0; k < sporten; ++k) {
        t.Staaf(k, 0, k + 1, 0);
        t.Staaf(k, 2, k + 1, 2);
    }
    for (int k = 0; k <= sporten; ++k) {
        t.Staaf(k, 0, k, 2);
    }
    EXPECT_EQ(t.AantalStaven(), 3 * sporten + 1);
    for (int k = 1; k < sporten; ++k) {
        EXPECT_EQ(AantalStaven(t.c, ZoekKnoop(t.c, k, 0)), 3) << k;
    }
    t.Oplegging(20, 2, Scharnierend);
    t.Oplegging(0, 2, Inklemming);
    EXPECT_EQ(t.c.Knopen[ZoekKnoop(t.c, 20, 2)].Oplegging, Scharnierend);
    EXPECT_EQ(t.c.Knopen[ZoekKnoop(t.c, 20, 2)].Vrijheid, VasteVerbinding);
    EXPECT_EQ(TelOnbepaaldheid(t.c).AantalScharnierplaatsen,
              // one place per bar end at each rigid joint of three bars, the pinned one too; one
              // at each of three corners of two bars; one per bar end at the clamped corner
              2 * (sporten - 1) * 3 + 3 + 2);
}

} // namespace
} // namespace kx::test
