#include "ModelHulp.h"

#include <gtest/gtest.h>

#include <numbers>

namespace kx::test {
namespace {

using std::numbers::pi;

TEST(Structuur, EenOpleggingTeltAlsVerbinding) {
    Tekenaar t;
    EXPECT_EQ(ZoekKnoop(t.c, 0, 0), -1);
    EXPECT_EQ(AantalVerbindingen(t.c, -1), 0);
    EXPECT_TRUE(IsVrijUiteinde(t.c, -1));
    t.Staaf(0, 0, 2, 0);
    t.Oplegging(0, 0, Scharnierend);
    EXPECT_EQ(AantalVerbindingen(t.c, 0), 2);
    EXPECT_FALSE(IsVrijUiteinde(t.c, 0));
    EXPECT_TRUE(IsVrijUiteinde(t.c, 1));
}

TEST(Structuur, AlleVerbindingenTegelijkGelijkAanPerKnoop) {
    Tekenaar t;
    t.c = kx::Voorbeeld();
    t.c.Staven[7] = {9, 9, 50.0, true}; // a bar from a node to itself counts once
    t.c.Staven[8] = {40, 2, 50.0, true};
    const auto alle = Verbindingen(t.c);
    ASSERT_EQ(alle.size(), t.c.Knopen.size());
    for (std::size_t i = 0; i < alle.size(); ++i) {
        EXPECT_EQ(alle[i], AantalVerbindingen(t.c, static_cast<std::int32_t>(i))) << i;
    }
}

// Tables of other lengths hold the same structure when the entries in use are the same.
TEST(Structuur, ZelfdeStructuurTeltVrijeSlotsNiet) {
    Tekenaar t;
    t.c = kx::Voorbeeld();
    const TConstructie voorbeeld = t.c;
    TConstructie langer = voorbeeld;
    langer.Staven.resize(40);
    langer.Staven[30] = {7, 8, 80.0, false};
    langer.Knopen[20].X = 5.0;
    EXPECT_TRUE(ZelfdeStructuur(voorbeeld, langer));
    EXPECT_TRUE(ZelfdeStructuur(langer, voorbeeld));
    langer.Staven[39] = {0, 2, 50.0, true};
    EXPECT_FALSE(ZelfdeStructuur(voorbeeld, langer));
    EXPECT_FALSE(ZelfdeStructuur(langer, voorbeeld));
    TConstructie korter = voorbeeld;
    korter.Belastingen.resize(1);
    EXPECT_TRUE(ZelfdeStructuur(voorbeeld, korter));
    korter.Belastingen[0].Fy = 2.0;
    EXPECT_FALSE(ZelfdeStructuur(korter, voorbeeld));
}

TEST(StaafToevoegen, MaaktTweeKnopenEnEenStaafEnGaatDoorVanafElkeKnoop) {
    Tekenaar t;
    EXPECT_EQ(t.Staaf(1, 1, 3, 1), "");
    EXPECT_EQ(t.c.Knopen[1], (TConstructieKnoop{3, 1, GeenOplegging, true, VasteVerbinding, 0.0}));
    EXPECT_EQ(t.c.Staven[0], (TConstructieStaaf{0, 1, 50.0, true}));

    t.Staaf(3, 1, 3, 4);
    EXPECT_EQ(t.AantalStaven(), 2);
    EXPECT_EQ(t.c.Staven[1].Knoop0, 1);
    // A third bar from the middle node makes a T-joint there.
    t.Staaf(3, 1, 6, 1);
    EXPECT_EQ(t.AantalStaven(), 3);
    EXPECT_EQ(AantalStaven(t.c, 1), 3);
    // A bar along one that is there, whole or in part, is refused.
    t.Staaf(1, 1, 3, 1);
    t.Staaf(3, 1, 1, 1);
    t.Staaf(3, 1, 5, 1);
    t.Staaf(2, 1, 8, 1);
    EXPECT_EQ(t.AantalStaven(), 3);
    // A release on the press point makes no bar and leaves no node behind.
    t.Staaf(8, 8, 8, 8);
    EXPECT_EQ(t.AantalStaven(), 3);
    EXPECT_EQ(t.AantalKnopen(), 4);
}

// The press keeps its first end in the selection: no free slot is written before the release.
TEST(StaafToevoegen, DeDrukLaatDeConstructieOngemoeid) {
    Tekenaar t;
    t.Staaf(0, 0, 2, 0);
    const TConstructie voor = t.c;
    t.Wijs(5, 5);
    VoegStaafToe(t.c, t.sel, 0, 5, 5, t.teksten);
    EXPECT_EQ(t.c, voor);
    EXPECT_EQ(t.sel.StaafBegin, -1);
    ASSERT_TRUE(t.sel.NieuwStaafBegin);
    t.Wijs(2, 0);
    VoegStaafToe(t.c, t.sel, 0, 2, 0, t.teksten);
    EXPECT_EQ(t.c, voor);
    EXPECT_EQ(t.sel.StaafBegin, 1);
    EXPECT_FALSE(t.sel.NieuwStaafBegin);
    // The release starts the bar at the pressed free end.
    VoegStaafToe(t.c, t.sel, 1, 2, 3, t.teksten);
    EXPECT_EQ(t.c.Staven[1], (TConstructieStaaf{1, 2, 50.0, true}));
}

// A new entry takes the lowest free slot; with every slot in use its table grows by one slot,
// and a slot freed later is taken again before the table grows.
TEST(StaafToevoegen, TabellenGroeienMetEenSlotAlsAllesInGebruikIs) {
    Tekenaar t;
    for (int i = 0; i < AantalStaafSlots; ++i) {
        ASSERT_EQ(t.Staaf(i, 0, i + 1, 0), "") << i;
    }
    EXPECT_EQ(t.c.Staven.size(), std::size_t{AantalStaafSlots});
    t.Staaf(AantalStaafSlots, 0, AantalStaafSlots + 1, 0);
    ASSERT_EQ(t.c.Staven.size(), std::size_t{AantalStaafSlots} + 1);
    EXPECT_EQ(t.c.Staven[AantalStaafSlots],
              (TConstructieStaaf{AantalStaafSlots, AantalStaafSlots + 1, 50.0, true}));
    t.sel.GevondenStaaf = 3;
    WisStaaf(t.c, t.sel);
    t.Staaf(3, 0, 4, 0);
    EXPECT_EQ(t.c.Staven[3], (TConstructieStaaf{3, 4, 50.0, true}));
    EXPECT_EQ(t.c.Staven.size(), std::size_t{AantalStaafSlots} + 1);

    // The loads likewise; the nodes of a longer chain too.
    for (int i = 0; i <= AantalBelastingSlots; ++i) {
        ASSERT_EQ(t.Belasting(i, -1, i, 0), "") << i;
    }
    EXPECT_EQ(t.c.Belastingen.size(), std::size_t{AantalBelastingSlots} + 1);
    EXPECT_EQ(t.c.Belastingen[AantalBelastingSlots],
              (TConstructieBelasting{AantalBelastingSlots, 0.0, 1.0, true}));
    for (int i = AantalStaafSlots + 1; i < AantalKnoopSlots; ++i) {
        t.Staaf(i, 0, i + 1, 0);
    }
    EXPECT_EQ(t.AantalKnopen(), AantalKnoopSlots + 1);
    EXPECT_EQ(t.c.Knopen.size(), std::size_t{AantalKnoopSlots} + 1);
    EXPECT_EQ(ZoekKnoop(t.c, AantalKnoopSlots, 0), AantalKnoopSlots);
}

TEST(KnoopVerwijderen, MiddenknoopNeemtBeideStavenMeeEnLaatDeBuitensteEenSlagLanger) {
    Tekenaar t;
    t.Staaf(0, 0, 2, 0);
    t.Staaf(2, 0, 4, 0);
    t.Wijs(2, 0);
    t.c.VerdeeldeBelastingen[1] = {1, 0.0, 1.0, true};
    t.c.VerdeeldeBelastingen[3] = {0, 0.0, 1.0, false};
    const auto vrijeSlot = t.c.VerdeeldeBelastingen[3];
    WisKnoop(t.c, t.sel);
    Normaliseer(t.c);
    EXPECT_EQ(t.AantalStaven(), 0);
    EXPECT_EQ(t.AantalKnopen(), 2);
    // A distributed load goes with its bar, in the same pass.
    EXPECT_FALSE(HeeftVerdeeldeBelasting(t.c));
    EXPECT_EQ(t.c.VerdeeldeBelastingen[3], vrijeSlot);
    Normaliseer(t.c);
    EXPECT_EQ(t.AantalKnopen(), 0);
}

TEST(KnoopVerplaatsen, SamenvoegenVanTweeKnopenNeemtOplegEnVerbindingOver) {
    Tekenaar t;
    t.Staaf(0, 0, 2, 0);
    t.Staaf(4, 0, 2, 2);
    t.Oplegging(2, 2, Scharnierend);
    t.Belasting(4, -1, 4, 0);
    ASSERT_EQ(t.AantalBelastingen(), 1);
    // The end (2, 0) dropped on the supported end (2, 2) of the other bar joins the two bars
    // there, on the support.
    t.Verplaats(2, 0, 2, 2);
    EXPECT_EQ(t.AantalKnopen(), 3);
    const int samen = ZoekKnoop(t.c, 2, 2);
    ASSERT_EQ(samen, 1);
    EXPECT_EQ(AantalStaven(t.c, samen), 2);
    EXPECT_EQ(t.c.Knopen[samen].Oplegging, Scharnierend);
    EXPECT_EQ(t.AantalBelastingen(), 1);
    // Dropped on the loaded end, (0, 0) would double the bar to (2, 2): refused.
    const auto voor = t.c;
    t.Verplaats(0, 0, 4, 0);
    EXPECT_EQ(t.c, voor);
    // Dropped elsewhere, the loaded node merges into the dragged one and its load goes.
    t.Staaf(6, 0, 8, 0);
    t.Verplaats(6, 0, 4, 0);
    EXPECT_EQ(ZoekKnoop(t.c, 4, 0), 3); // the slot the earlier merge freed
    EXPECT_EQ(AantalStaven(t.c, 3), 2);
    EXPECT_EQ(t.AantalBelastingen(), 0);
}

// A node dropped on the middle of a bar joins it at the grid point there; a node dropped where
// the bar has no grid point near stays where it was.
TEST(KnoopVerplaatsen, OpEenStaafVerbindtMetDeStaaf) {
    Tekenaar t;
    t.Staaf(0, 0, 4, 0);
    t.Staaf(2, 3, 2, 5);
    t.sel.Rasterstap = 1.0;
    t.Wijs(2, 3);
    VerplaatsKnoop(t.c, t.sel, 0, 2, 3);
    t.Wijs(2, 0);
    t.sel.GevondenStaaf = 0;
    VerplaatsKnoop(t.c, t.sel, 1, 2, 0);
    NormaliseerVolledig(t.c);
    const int t_knoop = ZoekKnoop(t.c, 2, 0);
    ASSERT_NE(t_knoop, -1);
    EXPECT_EQ(AantalStaven(t.c, t_knoop), 3);
    EXPECT_EQ(t.AantalStaven(), 3);

    Tekenaar schuin;
    schuin.Staaf(0, 0, 3, 1); // no grid point strictly inside
    schuin.Staaf(5, 5, 6, 5);
    const auto voor = schuin.c;
    schuin.Wijs(5, 5);
    VerplaatsKnoop(schuin.c, schuin.sel, 0, 5, 5);
    schuin.Wijs(2, 1);
    schuin.sel.GevondenStaaf = 0;
    VerplaatsKnoop(schuin.c, schuin.sel, 1, 2, 1);
    EXPECT_EQ(schuin.c, voor);
}

// Two free ends merge into the dragged node: it takes the larger connection code, and the other
// node's support only when that one's absolute code is larger. A node with a support and no bar
// is a free end too.
TEST(KnoopVerplaatsen, SamenvoegenNeemtDeGrootsteVrijheidEnDeSterksteOplegging) {
    struct Geval {
        std::int32_t vrijheid, oplegging;         // the dragged node
        std::int32_t doelVrijheid, doelOplegging; // the node it is dropped on
        std::int32_t verwachtVrijheid, verwachtOplegging;
    };
    for (const Geval g : {Geval{2, 0, 3, 0, 3, 0}, Geval{3, 0, 2, 0, 3, 0},
                          Geval{2, 0, 2, RolVerticaal, 2, RolVerticaal},
                          Geval{2, RolVerticaal, 2, RolHorizontaal, 2, RolVerticaal},
                          Geval{2, RolHorizontaal, 2, Scharnierend, 2, Scharnierend},
                          Geval{3, Inklemming, 2, RolVerticaal, 3, Inklemming}}) {
        Tekenaar t;
        t.Staaf(0, 0, 2, 0); // nodes 0 and 1
        t.Staaf(4, 0, 6, 0); // nodes 2 and 3
        // A node with a support stands on its own, without a bar, in a slot of its own.
        auto& knopen = t.c.Knopen;
        auto& gesleept = knopen[g.oplegging != GeenOplegging ? 10 : 1];
        auto& doel = knopen[g.doelOplegging != GeenOplegging ? 11 : 2];
        gesleept = {.X = gesleept.Bestaat ? gesleept.X : 2,
                    .Y = gesleept.Bestaat ? 0.0 : 2,
                    .Oplegging = g.oplegging,
                    .Bestaat = true,
                    .Vrijheid = g.vrijheid};
        doel = {.X = doel.Bestaat ? doel.X : 4,
                .Y = doel.Bestaat ? 0.0 : 2,
                .Oplegging = g.doelOplegging,
                .Bestaat = true,
                .Vrijheid = g.doelVrijheid};
        t.Verplaats(gesleept.X, gesleept.Y, doel.X, doel.Y);
        ASSERT_FALSE(doel.Bestaat) << g.oplegging << ' ' << g.doelOplegging;
        EXPECT_EQ(gesleept.Vrijheid, g.verwachtVrijheid) << g.vrijheid << ' ' << g.doelVrijheid;
        EXPECT_EQ(gesleept.Oplegging, g.verwachtOplegging) << g.oplegging << ' ' << g.doelOplegging;
    }
}

TEST(KnoopVerplaatsen, VerschuiftZonderDoelEnLaatDeEigenPlekEnEenLosseStaafMet) {
    Tekenaar t;
    t.Staaf(0, 0, 2, 0);
    const auto voor = t.c;
    t.Verplaats(2, 0, 2, 0);
    EXPECT_EQ(t.c, voor);
    // Merging the two ends of one bar is refused.
    t.Verplaats(2, 0, 0, 0);
    EXPECT_EQ(t.c, voor);
    t.Verplaats(2, 0, 3, 1);
    EXPECT_EQ(ZoekKnoop(t.c, 3, 1), 1);
    EXPECT_EQ(t.AantalStaven(), 1);
}

TEST(BelastingToevoegen, OpEenStaafDeeltDeStaaf) {
    Tekenaar t;
    t.Staaf(0, 0, 4, 0);
    t.Wijs(4, 0);
    t.sel.GevondenStaaf = 0;
    ZetMp(t.c, t.sel, 80);
    EXPECT_EQ(t.Belasting(2, -1, 2, 0, 0), "");
    ASSERT_EQ(t.AantalStaven(), 2);
    ASSERT_EQ(t.AantalBelastingen(), 1);
    const auto& c = t.c;
    ASSERT_EQ(ZoekKnoop(t.c, 2, 0), 2);
    EXPECT_EQ(c.Belastingen[0], (TConstructieBelasting{2, 0.0, 1.0, true}));
    // The new bar takes the first half and the Mp of the bar it splits.
    EXPECT_EQ(c.Staven[1], (TConstructieStaaf{0, 2, 80.0, true}));
    EXPECT_EQ(c.Staven[0], (TConstructieStaaf{2, 1, 80.0, true}));
    EXPECT_EQ(c.Knopen[2].Vrijheid, VasteVerbinding);
}

// The arrow is measured in grid cells: at 2 m per cell a drag of 2 m down is one unit.
TEST(BelastingToevoegen, InHokjesOpElkeSchaal) {
    Tekenaar t;
    HerschaalKnopen(t.c, 2);
    t.Staaf(0, 0, 4, 0);
    t.Belasting(4, -2, 4, 0);
    t.Belasting(2, 0, 0, 0);
    EXPECT_EQ(t.c.Belastingen[0], (TConstructieBelasting{1, 0.0, 1.0, true}));
    EXPECT_EQ(t.c.Belastingen[1], (TConstructieBelasting{0, -1.0, 0.0, true}));
}

// A removed bar leaves its slot as new: the next bar there gets 50 kNm again.
TEST(StaafVerwijderen, ZetHetSlotTerug) {
    Tekenaar t;
    t.Staaf(0, 0, 4, 0);
    t.sel.GevondenStaaf = 0;
    ZetMp(t.c, t.sel, 80);
    WisStaaf(t.c, t.sel);
    EXPECT_EQ(t.c.Staven[0], (TConstructieStaaf{0, 0, 50.0, false}));
    NormaliseerVolledig(t.c);
    t.Staaf(0, 0, 4, 0);
    EXPECT_EQ(t.c.Staven[0].Mp, 50.0);
}

// MaxSlots bars in triangles of three nodes each fill the bar and node tables; a full table
// gives its message and leaves everything as it was.
TEST(VolleTabellen, GevenHunMeldingEnLatenAllesStaan) {
    Tekenaar t;
    for (int i = 0; i < MaxSlots / 3; ++i) {
        const double x = 3.0 * i;
        ASSERT_EQ(t.Staaf(x, 0, x + 1, 0), "") << i;
        ASSERT_EQ(t.Staaf(x + 1, 0, x, 1), "") << i;
        ASSERT_EQ(t.Staaf(x, 1, x, 0), "") << i;
    }
    ASSERT_EQ(t.AantalStaven(), MaxSlots);
    ASSERT_EQ(t.AantalKnopen(), MaxSlots);
    const auto voor = t.c;
    EXPECT_EQ(t.Staaf(0, 5, 1, 5), "999 staven is het maximum");
    EXPECT_EQ(t.Belasting(0.5, -1, 0.5, 0, 0),
              "Deze belasting verdeelt de staaf. U heb het maximum aantal staven bereikt.");
    EXPECT_EQ(t.c, voor);
    // With one bar less the nodes are still full: a bar that needs a new node is not made.
    t.sel.GevondenStaaf = 0;
    WisStaaf(t.c, t.sel);
    EXPECT_EQ(t.Staaf(0, 5, 1, 5), "");
    EXPECT_EQ(t.AantalStaven(), MaxSlots - 1);
    EXPECT_EQ(t.c.Knopen.size(), std::size_t{MaxSlots});

    for (int i = 0; i < MaxSlots; ++i) {
        const double x = 3.0 * (i / 3) + (i % 3 == 1 ? 1 : 0);
        const double y = i % 3 == 2 ? 1 : 0;
        ASSERT_EQ(t.Belasting(x, y - 1, x, y), "") << i;
    }
    EXPECT_EQ(t.Belasting(0, -1, 0, 0), "999 belastingen is het maximum");
    EXPECT_EQ(t.AantalBelastingen(), MaxSlots);
    EXPECT_EQ(t.c.Belastingen.size(), std::size_t{MaxSlots});
    // Nothing under the head: nothing happens.
    t.Wijs(-20, 20);
    t.sel.GevondenBelasting = 3;
    WisBelasting(t.c, t.sel);
    EXPECT_EQ(t.Belasting(-20, 19, -20, 20), "");
    EXPECT_EQ(t.AantalBelastingen(), MaxSlots - 1);
    EXPECT_EQ(t.c.Belastingen[3], TConstructieBelasting{});
}

// Every operation reaches slots beyond a hundred: a chain of 110 bars, node k at (k, 0).
TEST(GroteTabellen, ElkeBewerkingWerktVoorbijHonderdStaven) {
    Tekenaar t;
    for (int i = 0; i < 110; ++i) {
        ASSERT_EQ(t.Staaf(i, 0, i + 1, 0), "") << i;
    }
    const auto& c = t.c;
    // A load on the middle of bar 105 splits it: bar 110 and node 111 are new.
    EXPECT_EQ(t.Belasting(105.5, -1, 105.5, 0, 105), "");
    EXPECT_EQ(c.Staven[110], (TConstructieStaaf{105, 111, 50.0, true}));
    EXPECT_EQ(c.Staven[105], (TConstructieStaaf{111, 106, 50.0, true}));
    EXPECT_EQ(c.Belastingen[0], (TConstructieBelasting{111, 0.0, 1.0, true}));

    t.sel.GevondenStaaf = 108;
    ZetMp(t.c, t.sel, 80);
    EXPECT_EQ(c.Staven[108].Mp, 80.0);
    t.Wijs(104, 0);
    ZetVerbinding(t.c, t.sel, ScharnierendeVerbinding);
    EXPECT_EQ(c.Knopen[104].Vrijheid, ScharnierendeVerbinding);
    // Without bar 107 the nodes 107 and 108 are free ends: one takes a support, the other
    // merges with the end of the chain.
    t.sel.GevondenStaaf = 107;
    WisStaaf(t.c, t.sel);
    Normaliseer(t.c);
    t.Oplegging(108, 0, Scharnierend);
    EXPECT_EQ(c.Knopen[108].Oplegging, Scharnierend);
    t.Verplaats(107, 0, 110, 0);
    EXPECT_EQ(ZoekKnoop(t.c, 110, 0), 107);
    EXPECT_FALSE(c.Knopen[110].Bestaat);
    EXPECT_EQ(c.Staven[109], (TConstructieStaaf{109, 107, 50.0, true}));
    // Removing node 103 takes its two bars; removing the load leaves its slot free.
    t.Wijs(103, 0);
    WisKnoop(t.c, t.sel);
    NormaliseerVolledig(t.c);
    EXPECT_FALSE(c.Staven[102].Bestaat);
    EXPECT_FALSE(c.Staven[103].Bestaat);
    EXPECT_EQ(t.AantalStaven(), 108);
    t.sel.GevondenBelasting = 0;
    WisBelasting(t.c, t.sel);
    EXPECT_EQ(t.AantalBelastingen(), 0);
}

// A support at a free end sets the connection its kind implies; at a node joining bars it keeps
// the joint as it is. "Geen oplegging" makes the node rigid.
TEST(Opleggingen, OpElkeKnoopEnAlleenAanEenUiteindeBepaaltZeDeVerbinding) {
    Tekenaar t;
    t.Staaf(0, 0, 2, 0);
    t.Staaf(2, 0, 4, 0);
    t.Wijs(2, 0);
    ZetOplegging(t.c, t.sel, RolHorizontaal);
    const auto& midden = t.c.Knopen[1];
    EXPECT_EQ(midden.Oplegging, RolHorizontaal);
    EXPECT_EQ(midden.Vrijheid, VasteVerbinding);
    ZetVerbinding(t.c, t.sel, ScharnierendeVerbinding);
    ZetOplegging(t.c, t.sel, Inklemming);
    EXPECT_EQ(midden.Oplegging, Inklemming);
    EXPECT_EQ(midden.Vrijheid, ScharnierendeVerbinding);
    ZetOplegging(t.c, t.sel, GeenOplegging);
    EXPECT_EQ(midden.Oplegging, GeenOplegging);
    EXPECT_EQ(midden.Vrijheid, VasteVerbinding);

    t.Oplegging(0, 0, RolHorizontaal);
    EXPECT_EQ(t.c.Knopen[0].Vrijheid, ScharnierendeVerbinding);
    // The hinge tool works on a supported node too; a new support at the end sets it again.
    ZetVerbinding(t.c, t.sel, VasteVerbinding);
    EXPECT_EQ(t.c.Knopen[0].Vrijheid, VasteVerbinding);
    ZetOplegging(t.c, t.sel, Scharnierend);
    EXPECT_EQ(t.c.Knopen[0].Vrijheid, ScharnierendeVerbinding);
    ZetOplegging(t.c, t.sel, Inklemming);
    EXPECT_EQ(t.c.Knopen[0].Oplegging, Inklemming);
    EXPECT_EQ(t.c.Knopen[0].Vrijheid, VasteVerbinding);
}

TEST(Schaal, HerschalenVerandertDeMetersExactEnNietDeBelastingen) {
    Tekenaar t;
    t.Staaf(0.5, 1.25, 3, 1);
    t.Belasting(3, 0, 3, 1);
    HerschaalKnopen(t.c, 2);
    EXPECT_EQ(t.c.Knopen[0].X, 1.0);
    EXPECT_EQ(t.c.Knopen[0].Y, 2.5);
    EXPECT_EQ(t.c.Belastingen[0].Fy, 1.0);
    HerschaalKnopen(t.c, 3);
    HerschaalKnopen(t.c, 7);
    HerschaalKnopen(t.c, 1);
    EXPECT_EQ(t.c.Knopen[0].X, 0.5);
    EXPECT_EQ(t.c.Knopen[0].Y, 1.25);
    EXPECT_EQ(t.c.Schaal, 1);
}

TEST(Richting, HoekenOpHetSchermEnDeZijdeVanEenOplegging) {
    EXPECT_DOUBLE_EQ(Richtingshoek({0, 0}, {0, 0}), pi / 2);
    EXPECT_DOUBLE_EQ(Richtingshoek({0, 0}, {0, 1}), 3 * pi / 2);
    EXPECT_DOUBLE_EQ(Richtingshoek({0, 0}, {1, -1}), pi / 4);
    EXPECT_DOUBLE_EQ(Richtingshoek({0, 0}, {-1, 1}), 5 * pi / 4);

    Tekenaar t;
    t.Staaf(2, 0, 2, 3);                                 // column, foot at (2, 3)
    t.Staaf(4, 0, 7, 0);                                 // beam
    EXPECT_EQ(Oplegrichting(t.c, 1, Scharnierend), 0.5); // neighbour above: support below
    EXPECT_EQ(Oplegrichting(t.c, 2, Inklemming), 0.0);   // left end of a beam: hatch left
    EXPECT_EQ(Oplegrichting(t.c, 3, RolVerticaal), 1.0); // bar leaves to the left
    EXPECT_EQ(Oplegrichting(t.c, 2, RolVerticaal), 0.0);
    EXPECT_EQ(Oplegrichting(t.c, 1, RolHorizontaal), 0.5);
    EXPECT_EQ(Oplegrichting(t.c, 0, RolHorizontaal), -0.5);
    EXPECT_EQ(Oplegrichting(t.c, 20, Scharnierend), 0.0);

    // The boundaries of each sector belong to the sector that starts there.
    struct Geval {
        double buurX, buurY; // the neighbour of a node at (10, 10)
        int soort;
        double richting;
    };
    for (const Geval g : {Geval{11, 9, Scharnierend, 0.5},    // a = 0.25
                          Geval{10, 9, RolVerticaal, 1.0},    // a = 0.5
                          Geval{10, 11, RolVerticaal, 0.0},   // a = 1.5
                          Geval{9, 10, RolHorizontaal, -0.5}, // a = 1
                          Geval{11, 10, RolHorizontaal, 0.5}, // a = 0
                          Geval{11, 10, Inklemming, 0.0}}) {
        Tekenaar s;
        s.Staaf(10, 10, g.buurX, g.buurY);
        EXPECT_EQ(Oplegrichting(s.c, 0, g.soort), g.richting) << g.buurX << ',' << g.buurY;
    }
}

} // namespace
} // namespace kx::test
