// Both theorems on random frames whose bars carry distributed loads: the least collapse load of
// the mechanisms is the static theorem's, the governing mechanism's distribution balances, and
// no moment anywhere along a bar exceeds Mp at that load.
#include "EngineHulp.h"
#include "Toleranties.h"
#include "WillekeurigRaamwerk.h"

#include "engine/Bezwijkcontrole.h"
#include "engine/Enumeratie.h"
#include "engine/Evenwicht.h"
#include "engine/Krachtsverdeling.h"
#include "engine/MechanismeOpgaven.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kx::test {
namespace {

// Frames analysed per run; the sanitizer tree takes a quarter of them.
constexpr int AantalRaamwerken = KX_EEN_ZAAD ? 10 : 40;

// Frames on a grid of 3 by 2 points, 3 m wide and 4 m high, with one or two bars under a
// distributed load (mostly down, sometimes sloping) and sometimes a point load.
TConstructie TekenMetVerdeeldeLasten(TWillekeurigRaamwerk& tekenaar) {
    auto b = tekenaar.Teken();
    const auto& staven = tekenaar.Staven();
    if (staven.empty()) {
        return b.c;
    }
    const int verdeeld = tekenaar.Getal(1, 2);
    for (int v = 0; v < verdeeld; ++v) {
        const int staaf = staven[static_cast<std::size_t>(
            tekenaar.Getal(0, static_cast<int>(staven.size()) - 1))];
        const double qx = tekenaar.Kans(0.25) ? 0.5 * tekenaar.Getal(-2, 2) : 0.0;
        const double qy = 0.5 * tekenaar.Getal(qx == 0.0 ? 1 : 0, 4);
        b.c.VerdeeldeBelastingen[static_cast<std::size_t>(v)] = {staaf, qx, qy, true};
    }
    if (tekenaar.Kans(0.5)) {
        if (const int knoop = tekenaar.WillekeurigeKnoop(); knoop >= 0) {
            b.Last(knoop, tekenaar.Getal(-2, 2), tekenaar.Getal(1, 2));
        }
    }
    return b.c;
}

constexpr TRaster VerdeeldRaster{.Kolommen = 3,
                                 .Rijen = 2,
                                 .Breedte = 3.0,
                                 .Hoogte = 4.0,
                                 .MpHoogst = 8,
                                 .KansRecht = 0.6,
                                 .KansSchuin = 0.1,
                                 .KansGrondOplegging = 0.6,
                                 .KansOplegging = 0.1};

// The distribution balances: its largest node imbalance is rounding against its largest force
// or load, and, summed by hand, its support reactions carry the point loads and the resultants
// of the distributed loads at its load factor.
void ControleerEvenwicht(const TConstructie& c, const TEvenwicht& evenwicht,
                         const TKrachtsverdeling& verdeling) {
    const double lambda = verdeling.Bezwijklast;
    double grootste = std::fabs(lambda) * evenwicht.b.cwiseAbs().maxCoeff();
    for (const auto& staaf : verdeling.Staven) {
        grootste =
            std::max({grootste, std::fabs(staaf.M0), std::fabs(staaf.M1), std::fabs(staaf.N)});
    }
    EXPECT_LE(verdeling.Residu, Exact * grootste);

    double fx = 0.0; // to the right
    double fy = 0.0; // down
    for (const auto& last : c.Belastingen) {
        if (last.Bestaat) {
            fx += last.Fx;
            fy += last.Fy;
        }
    }
    for (const auto& q : c.VerdeeldeBelastingen) {
        if (q.Bestaat) {
            const auto& staaf = c.Staven[static_cast<std::size_t>(q.Staaf)];
            const auto& a = c.Knopen[static_cast<std::size_t>(staaf.Knoop0)];
            const auto& b = c.Knopen[static_cast<std::size_t>(staaf.Knoop1)];
            const double lengte = std::hypot(b.X - a.X, b.Y - a.Y);
            fx += q.Qx * lengte;
            fy += q.Qy * lengte;
        }
    }
    double rx = 0.0;
    double ry = 0.0;
    for (const auto& reactie : verdeling.Reacties) {
        rx += reactie.Rx;
        ry += reactie.Ry;
    }
    const double schaal = std::fabs(lambda) * (std::fabs(fx) + std::fabs(fy)) + grootste;
    EXPECT_NEAR(rx + lambda * fx, 0.0, Exact * schaal);
    EXPECT_NEAR(ry - lambda * fy, 0.0, Exact * schaal);
}

TEST(VerdeeldWillekeurig, KinematischIsStatischEnBinnenMpLangsElkeStaaf) {
    TWillekeurigRaamwerk tekenaar(VerdeeldRaster, 20261208);
    int geanalyseerd = 0;
    int metVeldscharnier = 0;
    for (int poging = 0; poging < 400 && geanalyseerd < AantalRaamwerken; ++poging) {
        SCOPED_TRACE("poging " + std::to_string(poging));
        Opstelling o;
        o.c = TekenMetVerdeeldeLasten(tekenaar);
        if (!ControleerVoorAnalyse(o.c, o.teksten).empty() ||
            TEnumeratie(o.c).AantalCombinaties() > 60 || !o.Analyseer().empty() ||
            o.a.AantalMechanismen == 0) {
            continue;
        }
        ++geanalyseerd;
        const TEvenwicht evenwicht(o.c);
        const auto waar = BepaalWareBezwijklast(evenwicht);
        const auto& maatgevend =
            o.a.Mechanismen[static_cast<std::size_t>(o.a.MaatgevendMechanisme)];
        const double fp = maatgevend.Vgl.Bezwijklast;
        if (IsOneindigeLast(waar.Bezwijklast)) {
            EXPECT_TRUE(IsOneindigeLast(fp));
            continue;
        }
        EXPECT_NEAR(fp, waar.Bezwijklast, Exact * waar.Bezwijklast);
        for (const auto& m : o.a.Mechanismen) {
            EXPECT_GE(m.Vgl.Bezwijklast, waar.Bezwijklast * (1.0 - Exact));
        }
        for (const auto& veld : maatgevend.Veldscharnieren) {
            metVeldscharnier += veld.Draait ? 1 : 0;
        }

        // The static theorem's distribution stays within Mp along every bar.
        ASSERT_TRUE(waar.Verdeling.Bestaat);
        ControleerEvenwicht(o.c, evenwicht, waar.Verdeling);
        EXPECT_LE(DichtBemonsterdePiek(evenwicht, waar.Verdeling, 4000), 1.0 + Exact);

        // So does the governing mechanism's own distribution at its load, which balances.
        const auto opgave = Opgave(maatgevend, o.a.Plaatsen);
        const auto verdeling = BepaalKrachtsverdeling(evenwicht, opgave.Plaatsen, fp, opgave.Staven,
                                                      GrootsteDichteProgramma, opgave.Posities);
        ASSERT_TRUE(verdeling.Bestaat);
        ControleerEvenwicht(o.c, evenwicht, verdeling);
        EXPECT_NEAR(verdeling.Momentverhouding, DichtBemonsterdePiek(evenwicht, verdeling, 4000),
                    1e-6);
        EXPECT_LE(verdeling.Momentverhouding, 1.0 + Exact);
    }
    EXPECT_GE(geanalyseerd, AantalRaamwerken * 3 / 4);
    EXPECT_GE(metVeldscharnier, AantalRaamwerken / 4);
}

} // namespace
} // namespace kx::test
