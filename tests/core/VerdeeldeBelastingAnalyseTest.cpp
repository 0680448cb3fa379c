// Distributed loads: the hinge in the span, its exact place and the collapse load, by the
// kinematic and the static theorem alike.
#include "EngineHulp.h"
#include "Toleranties.h"

#include "engine/Bezwijkcontrole.h"
#include "engine/Evenwicht.h"
#include "engine/Krachtsverdeling.h"
#include "engine/MechanismeOpgaven.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kx::test {
namespace {

struct Balk : Opstelling {
    void Verdeeld(int slot, int staaf, double qx, double qy) {
        c.VerdeeldeBelastingen[slot] = {staaf, qx, qy, true};
    }
    const TMechanisme& Maatgevend() const {
        return a.Mechanismen[static_cast<std::size_t>(a.MaatgevendMechanisme)];
    }
    double Fp() const { return Maatgevend().Vgl.Bezwijklast; }
    double Statisch() const { return BepaalWareBezwijklast(TEvenwicht(c)).Bezwijklast; }
    // The place of the governing mechanism's turning span hinge, as a share of its bar.
    double Positie() const {
        for (const auto& veld : Maatgevend().Veldscharnieren) {
            if (veld.Draait) {
                return veld.Positie;
            }
        }
        return -1.0;
    }
};

// A beam of length l from node 0 at the left to node 1, with supports a and b and q per metre
// down (qx along it).
void MaakBalk(Balk& o, double l, int a, int b, double mp, double qx = 0.0, double q = 1.0) {
    o.Knoop(0, 0.0, 0.0, a);
    o.Knoop(1, l, 0.0, b);
    o.Staaf(0, 0, 1, mp);
    o.Verdeeld(0, 0, qx, q);
}

// Textbook beams under q, as q L^2 / Mp and the hinge's share of the length from the first end
// (negative: none checked). Propped cantilever (6 + 4 sqrt 2), the hinge (sqrt 2 - 1) L from the
// prop; fixed-ended 16 and simply supported 8, the hinge at the middle; a cantilever 2. The
// simply supported beam's load is constant in the dissipation, which leaves the fit of the load's
// rational function one degree of freedom too many: its position comes from the minimisation
// alone, to 1e-7.
TEST(VerdeeldeBelasting, LeerboekBalken) {
    const struct {
        int A;
        int B;
        double QL2;
        double Positie;
        double Nauw;
    } balken[] = {
        {Inklemming, RolHorizontaal, 6.0 + 4.0 * std::sqrt(2.0), 2.0 - std::sqrt(2.0), Exact},
        {Inklemming, Inklemming, 16.0, 0.5, Exact},
        {Scharnierend, RolHorizontaal, 8.0, 0.5, 1e-7},
        {Inklemming, GeenOplegging, 2.0, -1.0, 0.0}};
    for (const double l : {1.0, 6.0, 7.5}) {
        for (const double mp : {1.0, 37.5}) {
            for (const auto& balk : balken) {
                SCOPED_TRACE(std::to_string(balk.QL2) + ", L = " + std::to_string(l));
                Balk o;
                MaakBalk(o, l, balk.A, balk.B, mp);
                ASSERT_EQ(o.Analyseer(), "");
                ExpectRelatief(o.Fp(), balk.QL2 * mp / (l * l));
                ExpectRelatief(o.Statisch(), balk.QL2 * mp / (l * l));
                if (balk.Positie >= 0.0) {
                    EXPECT_NEAR(o.Positie(), balk.Positie, balk.Nauw);
                }
            }
        }
    }
}

TEST(VerdeeldeBelasting, TweeVeldenDoorgaand) {
    // Each span collapses as a propped cantilever: 11.657 Mp / L^2, the hinge (sqrt 2 - 1) L
    // from the end support.
    Balk o;
    const double l = 5.0;
    o.Knoop(0, 0.0, 0.0, Scharnierend);
    o.Knoop(1, l, 0.0, RolHorizontaal);
    o.Knoop(2, 2.0 * l, 0.0, RolHorizontaal);
    o.c.Knopen[1].Vrijheid = VasteVerbinding; // the beam goes on over its middle support
    o.Staaf(0, 0, 1);
    o.Staaf(1, 1, 2);
    o.Verdeeld(0, 0, 0.0, 1.0);
    o.Verdeeld(1, 1, 0.0, 1.0);
    ASSERT_EQ(o.Analyseer(), "");
    EXPECT_EQ(o.a.AantalPlaatsen, 3);
    ExpectRelatief(o.Fp(), (6.0 + 4.0 * std::sqrt(2.0)) * 50.0 / (l * l));
    // Some mechanism of that load turns a span hinge (sqrt 2 - 1) L from the end support,
    // measured from the bar's first node: the end support of span 1, the middle one of span 2.
    const double vanEind = (std::sqrt(2.0) - 1.0) * l;
    bool gevonden = false;
    for (const auto& mechanisme : o.a.Mechanismen) {
        for (const auto& veld : mechanisme.Veldscharnieren) {
            const double verwacht = veld.Staaf == 0 ? vanEind : l - vanEind;
            gevonden =
                gevonden || (veld.Draait && std::fabs(veld.Afstand - verwacht) <= Exact * l &&
                             std::fabs(mechanisme.Vgl.Bezwijklast - o.Fp()) <= Exact * o.Fp());
        }
    }
    EXPECT_TRUE(gevonden);
    ExpectRelatief(o.Statisch(), o.Fp());
}

TEST(VerdeeldeBelasting, SchuineBalkMetSchuineLast) {
    // A fixed-ended bar from (0, 0) to (3, 4), L = 5, under a load across it of 2 per metre
    // and one along it of 1 per metre: the clamps take the one along it, so qL^2 = 16 Mp.
    Balk o;
    o.Knoop(0, 0.0, 0.0, Inklemming);
    o.Knoop(1, 3.0, 4.0, Inklemming);
    o.Staaf(0, 0, 1, 40.0);
    // Across: (4, -3) / 5; along: (3, 4) / 5 (y down).
    o.Verdeeld(0, 0, 2.0 * 0.8 + 1.0 * 0.6, 2.0 * -0.6 + 1.0 * 0.8);
    ASSERT_EQ(o.Analyseer(), "");
    ExpectRelatief(o.Fp(), 16.0 * 40.0 / (2.0 * 25.0));
    EXPECT_NEAR(o.Positie(), 0.5, Exact);
    ExpectRelatief(o.Statisch(), o.Fp());
}

// The pinned portal, columns h = 4 m, beam L = 6 m, Mp = 50 kNm, q = 1 F/m down on the beam and
// H = 1 F to the right at its left eave (node 2). Worked by hand, clockwise rotations positive:
// - sway (hinges at both eaves): lambda H h theta = 2 Mp theta, lambda = 25;
// - combined (hinge at the right eave and in the beam, x from the left eave): the left column
//   and the beam's first segment turn theta, the point x sinks theta x, the second segment turns
//   -theta x / (L - x), the right column theta. Both hinges turn theta L / (L - x), so
//   lambda (H h + q L x / 2) = 2 Mp L / (L - x) and lambda(x) = 600 / ((6 - x)(4 + 3x)), least
//   where 14 - 6x = 0: x = 7/3 m, lambda = 1800/121 = 14.876;
// - the beam's hinge with the left eave needs 1800/49 = 36.7.
// So lambda = 1800/121, the span hinge 7/3 m from node 2. The moment line: Mp hogging at the
// right eave, Mp sagging at x = 7/3 m, where the parabola peaks; the left eave carries the
// column's H-reaction times h.
TEST(VerdeeldeBelasting, ScharnierendPortaalMetWind) {
    Balk o;
    o.Knoop(0, 0.0, 4.0, Scharnierend);
    o.Knoop(1, 0.0, 0.0);
    o.Knoop(2, 6.0, 0.0);
    o.Knoop(3, 6.0, 4.0, Scharnierend);
    o.Staaf(0, 0, 1);
    o.Staaf(1, 1, 2);
    o.Staaf(2, 2, 3);
    o.Last(0, 1, 1.0, 0.0);
    o.Verdeeld(0, 1, 0.0, 1.0);
    ASSERT_EQ(o.Analyseer(), "");
    ExpectRelatief(o.Fp(), 1800.0 / 121.0);
    const auto& velden = o.Maatgevend().Veldscharnieren;
    ASSERT_EQ(velden.size(), 1u);
    EXPECT_TRUE(velden[0].Draait);
    EXPECT_NEAR(velden[0].Afstand, 7.0 / 3.0, Exact * 6.0);

    const TEvenwicht evenwicht(o.c);
    const auto waar = BepaalWareBezwijklast(evenwicht);
    ExpectRelatief(waar.Bezwijklast, 1800.0 / 121.0);
    ASSERT_TRUE(waar.Verdeling.Bestaat);
    ASSERT_EQ(waar.Verdeling.Veldpieken.size(), 1u);
    const auto& piek = waar.Verdeling.Veldpieken[0];
    EXPECT_EQ(piek.Slot, 1);
    EXPECT_NEAR(piek.Afstand, 7.0 / 3.0, 1e-6);
    EXPECT_NEAR(std::fabs(piek.M), 50.0, 50.0 * 1e-9);
    EXPECT_LE(waar.Verdeling.Momentverhouding, 1.0 + 1e-9);

    // The mechanism's own distribution balances and peaks at Mp in the span.
    const auto opgave = Opgave(o.Maatgevend(), o.a.Plaatsen);
    const auto verdeling = BepaalKrachtsverdeling(evenwicht, opgave.Plaatsen, o.Fp(), opgave.Staven,
                                                  GrootsteDichteProgramma, opgave.Posities);
    ASSERT_TRUE(verdeling.Bestaat);
    ExpectRelatief(verdeling.Bezwijklast, 1800.0 / 121.0);
    EXPECT_NEAR(verdeling.Momentverhouding, 1.0, 1e-9);
    for (const auto& scharnier : verdeling.Scharnieren) {
        EXPECT_NEAR(std::fabs(scharnier.M), 50.0, 1e-9 * 50.0);
    }
}

TEST(VerdeeldeBelasting, TellingEnAlleenVerdeeld) {
    // A structure with only a distributed load is analysed; its span counts as a place.
    Balk o;
    MaakBalk(o, 4.0, Inklemming, RolHorizontaal, 50.0);
    EXPECT_EQ(ControleerConstructie(o.c, o.teksten), "");
    const auto telling = TelOnbepaaldheid(o.c);
    EXPECT_EQ(telling.AantalScharnierplaatsen, 2);
    EXPECT_EQ(TelDelen(o.c).Veldplaatsen, 1);
    const auto plaatsen = Scharnierplaatsen(o.c);
    ASSERT_EQ(plaatsen.size(), 2u);
    EXPECT_FALSE(plaatsen[0].Veld);
    EXPECT_TRUE(plaatsen[1].Veld);
    EXPECT_EQ(plaatsen[1].Staaf, 0);
}

} // namespace
} // namespace kx::test
