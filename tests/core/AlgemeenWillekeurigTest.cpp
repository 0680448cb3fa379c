#include "EngineHulp.h"
#include "WillekeurigRaamwerk.h"

#include "engine/Bezwijkcontrole.h"
#include "engine/Enumeratie.h"
#include "engine/Evenwicht.h"
#include "engine/Raamwerk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kx::test {
namespace {

// Loads found by the two theorems' programs and by the mechanisms' own equations meet within the
// programs' tolerances on the scale of 1.
constexpr double Theorema = 1e-7;

// Frames on a grid of 4 by 3 points 2 m apart, with one to three loads at any node.
TConstructie TekenMetPuntlasten(TWillekeurigRaamwerk& tekenaar) {
    auto b = tekenaar.Teken();
    const int lasten = tekenaar.Getal(1, 3);
    for (int l = 0; l < lasten; ++l) {
        if (const int knoop = tekenaar.WillekeurigeKnoop(); knoop >= 0) {
            b.Last(knoop, tekenaar.Getal(-1, 1), tekenaar.Getal(0, 2));
        }
    }
    return b.c;
}

// Both theorems on frames of any shape: the governing mechanism's load is the static theorem's,
// no mechanism of the list lies below it, and the collapse mechanism of the kinematics over every
// place has the same load.
TEST(AlgemeenWillekeurig, KinematischIsStatischOpElkRaamwerk) {
    TWillekeurigRaamwerk tekenaar(TRaster{}, 20261207);
    int geanalyseerd = 0;
    int algemeen = 0;
    for (int poging = 0; poging < 600 && geanalyseerd < 80; ++poging) {
        SCOPED_TRACE("poging " + std::to_string(poging));
        Opstelling o;
        o.c = TekenMetPuntlasten(tekenaar);
        // Long lists take a linear program per combination; a few hundred show the same.
        if (!ControleerVoorAnalyse(o.c, o.teksten).empty() ||
            TEnumeratie(o.c).AantalCombinaties() > 300 || !o.Analyseer().empty() ||
            o.a.AantalMechanismen == 0) {
            continue;
        }
        ++geanalyseerd;
        algemeen += IsKeten(o.c) ? 0 : 1;
        const TEvenwicht evenwicht(o.c);
        const double waar = BepaalWareBezwijklast(evenwicht).Bezwijklast;
        const double kinematisch = TRaamwerk(o.c).Bezwijkmechanisme().Bezwijklast;
        const double maatgevend =
            o.a.Mechanismen[static_cast<std::size_t>(o.a.MaatgevendMechanisme)].Vgl.Bezwijklast;
        if (IsOneindigeLast(waar)) {
            EXPECT_TRUE(IsOneindigeLast(kinematisch));
            EXPECT_TRUE(IsOneindigeLast(maatgevend));
            continue;
        }
        EXPECT_NEAR(kinematisch, waar, Theorema * waar);
        EXPECT_NEAR(maatgevend, waar, Theorema * waar);
        for (const auto& m : o.a.Mechanismen) {
            EXPECT_GE(m.Vgl.Bezwijklast, waar * (1.0 - Theorema));
        }
    }
    EXPECT_GE(geanalyseerd, 60);
    EXPECT_GE(algemeen, 30);
}

} // namespace
} // namespace kx::test
