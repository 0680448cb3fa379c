#include "ModelHulp.h"
#include "model/Invoer.h"
#include "model/Raaktest.h"
#include "text/TekstNamen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace kx::test {
namespace {

// A beam of 6 m from (1, 4) to (7, 4) with a clamp and a roller: the propped cantilever.
Tekenaar Ligger() {
    Tekenaar t;
    t.Staaf(1, 4, 7, 4);
    t.Oplegging(1, 4, Inklemming);
    t.Oplegging(7, 4, RolHorizontaal);
    return t;
}

// The drag from tail (x0, y0) to head (x1, y1), released with the bar under the mouse.
void Sleep(Tekenaar& t, double x0, double y0, double x1, double y1, std::int32_t staaf) {
    VoegVerdeeldeBelastingToe(t.c, t.sel, 0, x0, y0);
    t.Wijs(x1, y1);
    t.sel.GevondenStaaf = staaf;
    VoegVerdeeldeBelastingToe(t.c, t.sel, 1, x1, y1);
    Normaliseer(t.c);
}

int AantalVerdeeld(const TConstructie& c) {
    return static_cast<int>(std::count_if(c.VerdeeldeBelastingen.begin(),
                                          c.VerdeeldeBelastingen.end(),
                                          [](const auto& q) { return q.Bestaat; }));
}

// The drag is q in grid cells, as a point load's arrow is F; a second drag on the same bar
// replaces its load; no bar under the release, or a release on the press point, places nothing.
TEST(VerdeeldeBelasting, SlepenNaarEenStaafPlaatstOfVervangtHaar) {
    Tekenaar t = Ligger();
    Sleep(t, 3, 2, 3, 4, 0);
    ASSERT_EQ(AantalVerdeeld(t.c), 1);
    EXPECT_EQ(t.c.VerdeeldeBelastingen[0], (TConstructieVerdeeldeBelasting{0, 0.0, 2.0, true}));
    Sleep(t, 2, 3, 3, 4, 0);
    ASSERT_EQ(AantalVerdeeld(t.c), 1);
    EXPECT_EQ(t.c.VerdeeldeBelastingen[0], (TConstructieVerdeeldeBelasting{0, 1.0, 1.0, true}));
    const TConstructie voor = t.c;
    Sleep(t, 3, 2, 3, 9, -1);
    Sleep(t, 3, 4, 3, 4, 0);
    EXPECT_EQ(t.c, voor);
    // At 2 m per grid cell the same drag on the screen is the same q.
    t.c.Schaal = 2;
    Sleep(t, 6, 4, 6, 8, 0);
    EXPECT_EQ(t.c.VerdeeldeBelastingen[0].Qy, 2.0);
    EXPECT_EQ(t.c.VerdeeldeBelastingen[0].Qx, 0.0);
}

// Only a bar in use takes a load, never a zero one nor one beyond the bounds of the analysis;
// every bar has its own.
TEST(VerdeeldeBelasting, ZetWeigertWatDeAnalyseNietAankan) {
    Tekenaar t = Ligger();
    t.Staaf(7, 4, 7, 8);
    EXPECT_FALSE(ZetVerdeeldeBelasting(t.c, 5, 0.0, 1.0));
    EXPECT_FALSE(ZetVerdeeldeBelasting(t.c, -1, 0.0, 1.0));
    EXPECT_FALSE(ZetVerdeeldeBelasting(t.c, 0, 0.0, 0.0));
    EXPECT_FALSE(ZetVerdeeldeBelasting(t.c, 0, 0.0, 0.0009));
    EXPECT_FALSE(ZetVerdeeldeBelasting(t.c, 0, 2000000.0, 1.0));
    EXPECT_FALSE(ZetVerdeeldeBelasting(t.c, 0, 1.0, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(AantalVerdeeld(t.c), 0);
    EXPECT_TRUE(ZetVerdeeldeBelasting(t.c, 1, -0.001, 0.0));
    EXPECT_TRUE(ZetVerdeeldeBelasting(t.c, 0, 0.0, 1000000.0));
    EXPECT_EQ(AantalVerdeeld(t.c), 2);
    EXPECT_EQ(VerdeeldeBelastingOp(t.c, 0), 1);
    EXPECT_EQ(VerdeeldeBelastingOp(t.c, 1), 0);
    EXPECT_EQ(ControleerConstructie(t.c, t.teksten), "");
    // Read from elsewhere, a load out of bounds is named by the check.
    t.c.VerdeeldeBelastingen[0].Qx = 1e-5;
    EXPECT_EQ(ControleerConstructie(t.c, t.teksten), t.teksten[TekstVerdeeldBuitenGrenzen]);
}

// Deleting the bar deletes its load, by the bar tool and by deleting a node; the slot that the
// bar leaves takes a new bar without a load.
TEST(VerdeeldeBelasting, GaatMetHaarStaafWeg) {
    Tekenaar t = Ligger();
    t.Staaf(7, 4, 7, 8);
    ASSERT_TRUE(ZetVerdeeldeBelasting(t.c, 0, 0.0, 1.0));
    ASSERT_TRUE(ZetVerdeeldeBelasting(t.c, 1, 1.0, 0.0));
    t.sel.GevondenStaaf = 0;
    WisStaaf(t.c, t.sel);
    EXPECT_EQ(VerdeeldeBelastingOp(t.c, 0), -1);
    NormaliseerVolledig(t.c);
    t.Wijs(1, 1);
    t.Staaf(1, 1, 4, 1);
    ASSERT_TRUE(t.c.Staven[0].Bestaat);
    EXPECT_EQ(VerdeeldeBelastingOp(t.c, 0), -1);
    t.Wijs(7, 8);
    WisKnoop(t.c, t.sel);
    NormaliseerVolledig(t.c);
    EXPECT_EQ(AantalVerdeeld(t.c), 0);
}

// A node placed on a loaded bar splits it; both parts carry the same load per metre. A point
// load on it and a node dropped on it split it alike; moving a node leaves the load on its bar.
TEST(VerdeeldeBelasting, BlijftOpBeideDelenVanEenGedeeldeStaaf) {
    Tekenaar t = Ligger();
    ASSERT_TRUE(ZetVerdeeldeBelasting(t.c, 0, 0.5, 2.0));
    t.sel.Rasterstap = 1.0;
    t.Belasting(4, 2, 4, 4, 0);
    ASSERT_EQ(t.AantalStaven(), 2);
    ASSERT_EQ(AantalVerdeeld(t.c), 2);
    for (std::int32_t staaf : {0, 1}) {
        const std::int32_t q = VerdeeldeBelastingOp(t.c, staaf);
        ASSERT_NE(q, -1) << staaf;
        EXPECT_EQ(t.c.VerdeeldeBelastingen[q].Qx, 0.5);
        EXPECT_EQ(t.c.VerdeeldeBelastingen[q].Qy, 2.0);
    }
    // A free bar end dropped on the loaded beam joins it at a grid point: a third part.
    t.Wijs(2, 8);
    t.Staaf(2, 8, 4, 8);
    t.Wijs(4, 8);
    VerplaatsKnoop(t.c, t.sel, 0, 4, 8);
    t.Wijs(6, 4);
    t.sel.GevondenStaaf = 0; // the part from (4, 4) to (7, 4)
    VerplaatsKnoop(t.c, t.sel, 1, 6, 4);
    NormaliseerVolledig(t.c);
    EXPECT_EQ(AantalVerdeeld(t.c), 3);
    EXPECT_NE(ZoekKnoop(t.c, 6, 4), -1);
    t.Verplaats(7, 4, 8, 3);
    EXPECT_EQ(AantalVerdeeld(t.c), 3);
}

// The band of the arrows runs from the bar to the line of their tails and a few pixels beyond;
// the eraser finds the load there and nowhere else.
TEST(VerdeeldeBelasting, RaaktestOverDeStrookVanDePijlen) {
    Tekenaar t = Ligger();
    ASSERT_TRUE(ZetVerdeeldeBelasting(t.c, 0, 0.0, 1.0));
    // 40 pixels per metre: the bar from (40, 160) to (280, 160), the tails at y = 120.
    EXPECT_EQ(ZoekVerdeeldeBelasting(t.c, 100, 140, 40, 40), 0);
    EXPECT_EQ(ZoekVerdeeldeBelasting(t.c, 100, 161, 40, 40), 0);
    EXPECT_EQ(ZoekVerdeeldeBelasting(t.c, 100, 117, 40, 40), 0);
    EXPECT_EQ(ZoekVerdeeldeBelasting(t.c, 100, 110, 40, 40), -1);
    EXPECT_EQ(ZoekVerdeeldeBelasting(t.c, 100, 170, 40, 40), -1);
    EXPECT_EQ(ZoekVerdeeldeBelasting(t.c, 290, 140, 40, 40), -1);
    t.sel.GevondenVerdeeldeBelasting = ZoekVerdeeldeBelasting(t.c, 200, 130, 40, 40);
    WisVerdeeldeBelasting(t.c, t.sel);
    EXPECT_EQ(AantalVerdeeld(t.c), 0);
    EXPECT_EQ(t.c.VerdeeldeBelastingen[0], TConstructieVerdeeldeBelasting{});
}

// A typed component keeps the load within the bounds; the other component stays.
TEST(InvoerVerdeeldeComponent, BinnenDeGrenzenEnNooitNul) {
    const TConstructieVerdeeldeBelasting q{0, 0.0, 2.0, true};
    EXPECT_EQ(InvoerVerdeeldeComponent(q, 1, "11.657").Waarde, 11.657);
    EXPECT_EQ(InvoerVerdeeldeComponent(q, 1, "-0,25").Waarde, -0.25);
    EXPECT_EQ(InvoerVerdeeldeComponent(q, 0, "0").Waarde, 0.0);
    EXPECT_EQ(InvoerVerdeeldeComponent(q, 1, "0").Weigering, TekstInvoerBelastingNul);
    EXPECT_EQ(InvoerVerdeeldeComponent(q, 1, "-0").Weigering, TekstInvoerBelastingNul);
    EXPECT_EQ(InvoerVerdeeldeComponent(q, 0, "0.0001").Weigering, TekstInvoerVerdeeld);
    EXPECT_EQ(InvoerVerdeeldeComponent(q, 0, "1e7").Weigering, TekstInvoerGeenGetal);
    EXPECT_EQ(InvoerVerdeeldeComponent(q, 0, "2000000").Weigering, TekstInvoerVerdeeld);
    EXPECT_EQ(InvoerVerdeeldeComponent(q, 0, "twee").Weigering, TekstInvoerGeenGetal);
}

} // namespace
} // namespace kx::test
