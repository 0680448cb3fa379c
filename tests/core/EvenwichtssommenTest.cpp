// The sums of forces and moments printed under a force distribution: each term where a student
// would write it, and every sum zero.
#include "EngineHulp.h"
#include "Raamwerken.h"

#include "engine/Bezwijkcontrole.h"
#include "engine/Evenwicht.h"
#include "engine/Evenwichtssommen.h"
#include "engine/MechanismeOpgaven.h"
#include "model/Knoopbetekenis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace kx::test {
namespace {

// The static theorem's distribution of the governing mechanism of a frame.
TKrachtsverdeling WareVerdeling(const TConstructie& c) {
    Opstelling o;
    o.c = c;
    EXPECT_EQ(o.Analyseer(), "");
    const TEvenwicht evenwicht(o.c);
    const auto controle =
        ControleerMaatgevend(evenwicht, MechanismeOpgaven(o.a), o.a.MaatgevendMechanisme);
    EXPECT_TRUE(controle.Bevestigd);
    return controle.Waar.Verdeling;
}

double Som(const std::vector<double>& termen) {
    return std::accumulate(termen.begin(), termen.end(), 0.0);
}

double Grootste(const std::vector<double>& termen) {
    double grootste = 0.0;
    for (const double t : termen) {
        grootste = std::max(grootste, std::fabs(t));
    }
    return grootste;
}

// Hand-worked: the fixed-ended beam of 6 m with F at mid-span collapses at Fp = 8 Mp / L with
// Mp at both clamps and under the load. Each clamp carries Fp / 2 up and a couple Mp, the left
// one anticlockwise, the right one clockwise. About the left clamp: Mp, then the right clamp's
// Fp / 2 at 6 m and its couple -Mp, then the load's -Fp at 3 m.
TEST(Evenwichtssommen, IngeklemdeBalkTermVoorTerm) {
    const double mp = 50.0;
    const double fp = 8.0 * mp / 6.0;
    const TConstructie balk = Ligger({{0, Inklemming}, {3, GeenOplegging}, {6, Inklemming}}, {1});
    const TEvenwichtssommen sommen = BepaalEvenwichtssommen(balk, WareVerdeling(balk));
    const double marge = 1e-9 * fp * 6.0;
    ASSERT_EQ(sommen.MomentpuntKnoop, 0);
    ASSERT_EQ(sommen.V.size(), 3U);
    EXPECT_NEAR(sommen.V[0], fp / 2.0, marge);
    EXPECT_NEAR(sommen.V[1], fp / 2.0, marge);
    EXPECT_NEAR(sommen.V[2], -fp, marge);
    ASSERT_EQ(sommen.H.size(), 2U); // both clamps, each with no horizontal force
    EXPECT_NEAR(sommen.H[0], 0.0, marge);
    const std::vector<double> verwacht{mp, 3.0 * fp, -mp, -3.0 * fp};
    ASSERT_EQ(sommen.M.size(), verwacht.size());
    for (std::size_t i = 0; i < verwacht.size(); ++i) {
        EXPECT_NEAR(sommen.M[i], verwacht[i], marge) << i;
    }
    EXPECT_TRUE(sommen.Knopen.empty()); // no joint of three bars
}

// Every textbook frame: the frame's three sums and the moment sum of every rigid joint of three
// or more bars vanish; a joint's terms are its bar end moments and the clamp's couple, each
// within the plastic moment.
TEST(Evenwichtssommen, ElkLeerboekRaamwerkIsInEvenwicht) {
    int knopenGezien = 0;
    for (const auto& r : LeerboekRaamwerken()) {
        SCOPED_TRACE(r.Naam);
        const TKrachtsverdeling v = WareVerdeling(r.Constructie);
        ASSERT_TRUE(v.Bestaat);
        const TEvenwichtssommen sommen = BepaalEvenwichtssommen(r.Constructie, v);
        for (const auto* termen : {&sommen.H, &sommen.V, &sommen.M}) {
            EXPECT_NEAR(Som(*termen), 0.0, 1e-9 * std::max(1.0, Grootste(*termen)));
        }
        for (const auto& knoop : sommen.Knopen) {
            ++knopenGezien;
            const auto staven =
                StavenPerKnoop(r.Constructie)[static_cast<std::size_t>(knoop.Knoop)];
            EXPECT_GE(knoop.Termen.size(), staven.size());
            EXPECT_NEAR(Som(knoop.Termen), 0.0, 1e-9 * std::max(1.0, Grootste(knoop.Termen)));
            double mp = 0.0;
            for (const auto& staaf : r.Constructie.Staven) {
                mp = std::max(mp, staaf.Bestaat ? staaf.Mp : 0.0);
            }
            for (const double t : knoop.Termen) {
                EXPECT_LE(std::fabs(t), mp * (1.0 + 1e-9));
            }
        }
    }
    EXPECT_GT(knopenGezien, 0); // the two-bay portal's middle joint at least
}

// A distributed load enters the sums as its resultant at its bar's middle: a propped cantilever
// under q down, and a portal with a sloping q on its beam. The resultant is a term of its own
// (to the right and upward, so -q L for q down), and the three sums vanish.
TEST(Evenwichtssommen, VerdeeldeBelastingAlsResultante) {
    TRaamwerkBouwer schoor;
    schoor.Keten({schoor.Knoop(0, 0, RolHorizontaal), schoor.Knoop(6, 0, Inklemming)});
    schoor.c.VerdeeldeBelastingen[0] = {0, 0.0, 1.0, true};
    TConstructie portaal = Portaal(VasteVerbinding);
    portaal.VerdeeldeBelastingen[0] = {1, 0.5, 1.0, true};
    for (const TConstructie& c : {schoor.c, portaal}) {
        const TKrachtsverdeling v = WareVerdeling(c);
        ASSERT_TRUE(v.Bestaat);
        const TEvenwichtssommen sommen = BepaalEvenwichtssommen(c, v);
        const auto& q = c.VerdeeldeBelastingen[0];
        const auto& staaf = c.Staven[static_cast<std::size_t>(q.Staaf)];
        const auto& a = c.Knopen[static_cast<std::size_t>(staaf.Knoop0)];
        const auto& b = c.Knopen[static_cast<std::size_t>(staaf.Knoop1)];
        const double lengte = std::hypot(b.X - a.X, b.Y - a.Y);
        const auto heeft = [&](const std::vector<double>& termen, double term) {
            return std::any_of(termen.begin(), termen.end(), [&](double t) {
                return std::fabs(t - term) <= 1e-9 * std::fabs(term);
            });
        };
        EXPECT_TRUE(heeft(sommen.V, -v.Bezwijklast * q.Qy * lengte));
        if (q.Qx != 0.0) {
            EXPECT_TRUE(heeft(sommen.H, v.Bezwijklast * q.Qx * lengte));
        }
        for (const auto* termen : {&sommen.H, &sommen.V, &sommen.M}) {
            EXPECT_NEAR(Som(*termen), 0.0, 1e-9 * std::max(1.0, Grootste(*termen)));
        }
    }
}

} // namespace
} // namespace kx::test
