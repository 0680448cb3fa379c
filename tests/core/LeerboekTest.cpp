#include "EngineHulp.h"
#include "Raamwerken.h"
#include "Toleranties.h"

#include "engine/Bezwijkcontrole.h"
#include "engine/Evenwicht.h"
#include "engine/MechanismeOpgaven.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>

namespace kx::test {
namespace {

// The virtual work equation of a mechanism holds term by term: internal plus Fp times external
// work is zero, and the internal work is what the turning hinges dissipate.
void ControleerVergelijking(const TMechanisme& m) {
    const auto& f = m.Vgl.Factoren;
    const auto intern = static_cast<std::ptrdiff_t>(2 * m.avStaven.size());
    const double s1 = std::accumulate(f.begin() + 1, f.begin() + 1 + intern, 0.0);
    const double s2 = std::accumulate(f.begin() + 1 + intern, f.end() - 1, 0.0);
    if (IsOneindig(m.Vgl.Bezwijklast)) {
        return;
    }
    EXPECT_LE(s1, 0.0);
    EXPECT_NEAR(s1 + m.Vgl.Bezwijklast * s2, 0.0, Exact * std::fabs(s1));
}

TEST(Leerboek, ElkRaamwerkBezwijktBijDeLastVanHetLeerboekEnDeStatischeStellingBevestigtHet) {
    for (const auto& r : LeerboekRaamwerken()) {
        SCOPED_TRACE(r.Naam);
        Opstelling o;
        o.c = r.Constructie;
        ASSERT_EQ(o.Analyseer(), "");
        ASSERT_GT(o.a.AantalMechanismen, 0);
        const auto& maatgevend =
            o.a.Mechanismen[static_cast<std::size_t>(o.a.MaatgevendMechanisme)];
        EXPECT_NEAR(maatgevend.Vgl.Bezwijklast, r.Bezwijklast, Exact * r.Bezwijklast);
        for (const auto& m : o.a.Mechanismen) {
            ControleerVergelijking(m);
            // A mechanism said to equal an earlier one turns the same hinges at the same load.
            if (m.GelijkAan != -1) {
                const auto& eerder = o.a.Mechanismen[static_cast<std::size_t>(m.GelijkAan)];
                EXPECT_EQ(m.DraaiendePlaatsen, eerder.DraaiendePlaatsen);
                if (IsOneindig(eerder.Vgl.Bezwijklast)) {
                    EXPECT_TRUE(IsOneindig(m.Vgl.Bezwijklast));
                } else {
                    EXPECT_NEAR(m.Vgl.Bezwijklast, eerder.Vgl.Bezwijklast,
                                Exact * eerder.Vgl.Bezwijklast);
                }
            }
            // No mechanism lies below the true collapse load.
            EXPECT_GE(m.Vgl.Bezwijklast, r.Bezwijklast * (1.0 - Exact));
        }
        const TEvenwicht evenwicht(o.c);
        const auto controle =
            ControleerMaatgevend(evenwicht, MechanismeOpgaven(o.a), o.a.MaatgevendMechanisme);
        EXPECT_NEAR(controle.Waar.Bezwijklast, r.Bezwijklast, Exact * r.Bezwijklast);

        // One mechanism at a time, as kx-analyse reads them, gives the same loads.
        TAnalyse een(o.teksten);
        een.BerekenElkMechanisme(o.c, [&](const TBerekendMechanisme& b) {
            EXPECT_EQ(b.Mechanisme.Vgl.Bezwijklast,
                      o.a.Mechanismen[static_cast<std::size_t>(b.Nummer)].Vgl.Bezwijklast);
        });
        EXPECT_EQ(een.MaatgevendMechanisme, o.a.MaatgevendMechanisme);
    }
}

TEST(Leerboek, BijMeerScharnierenDanPlaatsenIsErEenCombinatieVanAllePlaatsen) {
    // Fixed-ended beam with the load at mid-span: n = 3 counts the normal force, and the three
    // places make the one mechanism.
    Opstelling o;
    o.c = LeerboekRaamwerken()[0].Constructie;
    ASSERT_EQ(o.Analyseer(), "");
    EXPECT_EQ(o.a.Onbepaaldheid, 3);
    EXPECT_EQ(o.a.AantalPlaatsen, 3);
    ASSERT_EQ(o.a.AantalMechanismen, 1);
    EXPECT_EQ(o.a.Mechanismen[0].Scharnieren, (std::vector<std::int32_t>{0, 1, 2}));
    EXPECT_EQ(o.a.Mechanismen[0].DraaiendeScharnieren, (std::vector<std::int32_t>{0, 1, 2}));
}

} // namespace
} // namespace kx::test
