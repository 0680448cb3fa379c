#include "Raamwerken.h"
#include "Toleranties.h"

#include "engine/Bezwijkcontrole.h"
#include "engine/Evenwicht.h"
#include "engine/Onafhankelijk.h"
#include "engine/Raamwerk.h"
#include "text/Teksten.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace kx::test {
namespace {

TEST(Raamwerk, LeerboekRaamwerkenBezwijkenBijDeLastVanHetLeerboek) {
    for (const auto& r : LeerboekRaamwerken()) {
        SCOPED_TRACE(r.Naam);
        const TRaamwerk raamwerk(r.Constructie);
        EXPECT_EQ(raamwerk.BeweeglijkeKnoop(), -1);
        const TBeweging beweging = raamwerk.Bezwijkmechanisme();
        EXPECT_NEAR(beweging.Bezwijklast, r.Bezwijklast, Exact * r.Bezwijklast);
        // The static theorem, from the equilibrium equations alone, meets it.
        const TEvenwicht evenwicht(r.Constructie);
        EXPECT_NEAR(BepaalWareBezwijklast(evenwicht).Bezwijklast, r.Bezwijklast,
                    Exact * r.Bezwijklast);
        // The motion dissipates 1 in its turning hinges and the loads do 1 / Fp on it.
        double dissipatie = 0.0;
        for (const int p : beweging.Draaiend) {
            dissipatie += raamwerk.Plaatsen()[static_cast<std::size_t>(p)].Mp *
                          std::fabs(beweging.Rotaties[static_cast<std::size_t>(p)]);
        }
        EXPECT_NEAR(dissipatie, 1.0, Exact);
        EXPECT_NEAR(raamwerk.Arbeid(beweging.d) * beweging.Bezwijklast, 1.0, Exact);
    }
}

TEST(Raamwerk, EenCombinatieMetMeerBewegingenKiestDeKleinste) {
    // The fixed-ended beam of three bars with the load at 4 m: its four places together can
    // move in two ways; the least gives 2 Mp L / (a b) = 75, turning the hinge under the load,
    // not at 2 m.
    const auto raamwerken = LeerboekRaamwerken();
    const TRaamwerk raamwerk(raamwerken[1].Constructie);
    ASSERT_EQ(raamwerk.Plaatsen().size(), 4U);
    const TBeweging alle = raamwerk.KleinsteBeweging({0, 1, 2, 3});
    EXPECT_NEAR(alle.Bezwijklast, 75.0, Exact * 75.0);
    EXPECT_EQ(alle.Draaiend, (std::vector<int>{0, 2, 3}));
    // Without the hinge under the load the beam must turn at 2 m: 2 Mp L / (2 x 4) = 75 per
    // unit of the deflection there, which the load at 4 m sees at half: 150.
    const TBeweging zonder = raamwerk.KleinsteBeweging({0, 1, 3});
    EXPECT_NEAR(zonder.Bezwijklast, 150.0, Exact * 150.0);
    // Two hinges cannot move the beam: no motion, so the loads do no work.
    EXPECT_TRUE(std::isinf(raamwerk.KleinsteBeweging({0, 3}).Bezwijklast));
}

TEST(Raamwerk, OnafhankelijkeMechanismenZijnDeKernNietMMinN) {
    const auto raamwerken = LeerboekRaamwerken();
    const auto aantal = [&](int i) {
        return TRaamwerk(raamwerken[static_cast<std::size_t>(i)].Constructie)
            .AantalOnafhankelijkeMechanismen();
    };
    // Fixed-ended beam: three places and n = 3 with the normal force, one mechanism.
    EXPECT_EQ(aantal(0), 1);
    // Portal with clamped feet: beam and sway.
    EXPECT_EQ(aantal(8), 2);
    // Two-bay portal: two beams, sway and the joint of three bars.
    EXPECT_EQ(aantal(11), 4);
}

TEST(Raamwerk, WatZonderScharnierBeweegtWordtGenoemd) {
    TRaamwerkBouwer b; // a beam on two rollers slides away
    const int a = b.Knoop(0, 0, RolHorizontaal);
    const int m = b.Knoop(2, 0);
    const int e = b.Knoop(4, 0, RolHorizontaal);
    b.Keten({a, m, e});
    b.Last(m, 0, 1);
    const TRaamwerk raamwerk(b.c);
    EXPECT_NE(raamwerk.BeweeglijkeKnoop(), -1);
    // A triangle of hinged bars on a pin and a roller stands: no moment anywhere, no place.
    const TRaamwerk vakwerk(Vakwerk());
    EXPECT_EQ(vakwerk.BeweeglijkeKnoop(), -1);
    EXPECT_TRUE(vakwerk.Plaatsen().empty());
    EXPECT_TRUE(std::isinf(vakwerk.Bezwijkmechanisme().Bezwijklast));
}

std::vector<std::string> Namen(const std::vector<TOnafhankelijkMechanisme>& basis) {
    std::vector<std::string> namen;
    for (const auto& m : basis) {
        namen.push_back(m.Naam);
    }
    return namen;
}

// Independent mechanisms as a textbook lists them, and the collapse mechanism as their sum.
TEST(Raamwerk, OnafhankelijkeMechanismenMetHunNamenEnDeCombinatie) {
    const Teksten teksten;
    const auto raamwerken = LeerboekRaamwerken();
    struct Geval {
        int Raamwerk;
        std::vector<std::string> Namen;
    };
    for (const Geval& geval : {Geval{8, {"balk 1", "zijdelingse verplaatsing"}},
                               Geval{11,
                                     {"balk 1", "balk 2", "gezamenlijk scharnier in knoop 4",
                                      "zijdelingse verplaatsing"}},
                               Geval{7, {"balk 1", "balk 2", "balk 3"}}}) {
        const auto& c = raamwerken[static_cast<std::size_t>(geval.Raamwerk)].Constructie;
        SCOPED_TRACE(raamwerken[static_cast<std::size_t>(geval.Raamwerk)].Naam);
        const TRaamwerk raamwerk(c);
        const auto basis = OnafhankelijkeMechanismen(c, raamwerk, teksten);
        EXPECT_EQ(Namen(basis), geval.Namen);
        // The collapse mechanism, scaled as they are, is a sum of them up to rounding.
        const Eigen::VectorXd g = raamwerk.Bezwijkmechanisme().d;
        const Eigen::VectorXd d = g / raamwerk.GrootsteRotatie(g);
        const Eigen::VectorXd c_ = Combinatie(raamwerk, basis, d);
        Eigen::VectorXd som = Eigen::VectorXd::Zero(d.size());
        for (std::size_t i = 0; i < basis.size(); ++i) {
            som += c_(static_cast<Eigen::Index>(i)) * basis[i].d;
        }
        EXPECT_LE((raamwerk.Dimensieloos(som - d)).norm(), 1e-9 * raamwerk.Dimensieloos(d).norm());
    }
}

} // namespace
} // namespace kx::test
