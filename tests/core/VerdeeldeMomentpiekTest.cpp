// The least peak |M| / Mp of a mechanism's distribution where bars carry distributed loads: the
// peak inside a loaded bar counts as much as a bar end, in the dense and in the sparse program.
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

// A continuous beam of three spans of 4 m over a pin and three rollers, Mp = 50 kNm, 1 F/m on the
// first span and 1.6 F/m on the second. The middle span governs as a fixed-ended beam,
// 16 Mp / (1.6 L^2) = 31.25; the first span collapses as a propped cantilever at
// (6 + 4 sqrt 2) Mp / L^2 = 36.43, with the far support's moment free: the second span then bends
// beyond Mp however that moment is chosen, least when it hogs as far as the peak in the span
// sags.
struct DrieVelden : Opstelling {
    static constexpr double L = 4.0;
    static constexpr double Mp = 50.0;

    DrieVelden() {
        Knoop(0, 0.0, 0.0, Scharnierend);
        for (int k = 1; k <= 3; ++k) {
            Knoop(k, k * L, 0.0, RolHorizontaal);
        }
        c.Knopen[1].Vrijheid = VasteVerbinding;
        c.Knopen[2].Vrijheid = VasteVerbinding;
        for (int s = 0; s < 3; ++s) {
            Staaf(s, s, s + 1, Mp);
        }
        c.VerdeeldeBelastingen[0] = {0, 0.0, 1.0, true};
        c.VerdeeldeBelastingen[1] = {1, 0.0, 1.6, true};
    }
};

// The least t for which the middle span, hogging Mp at its left end and t Mp at its right,
// peaks at t Mp under 1.6 lambda per metre: by bisection on t, each peak sampled densely.
double KleinsteVerhoudingMiddenveld(double lambda) {
    const double c = 0.5 * 1.6 * lambda * DrieVelden::L * DrieVelden::L;
    const auto piek = [c](double t) {
        double grootste = 0.0;
        for (int i = 0; i <= 200000; ++i) {
            const double xi = i / 200000.0;
            grootste =
                std::max(grootste, -(1.0 - xi) - t * xi + c / DrieVelden::Mp * xi * (1.0 - xi));
        }
        return grootste;
    };
    double laag = 1.0;
    double hoog = 10.0;
    for (int stap = 0; stap < 60; ++stap) {
        const double t = 0.5 * (laag + hoog);
        (piek(t) > t ? laag : hoog) = t;
    }
    return 0.5 * (laag + hoog);
}

TEST(VerdeeldeMomentpiek, KleinstePiekTeltHetVeldMee) {
    DrieVelden o;
    ASSERT_EQ(o.Analyseer(), "");
    const TEvenwicht evenwicht(o.c);
    const double waar = BepaalWareBezwijklast(evenwicht).Bezwijklast;
    EXPECT_NEAR(waar, 16.0 * DrieVelden::Mp / (1.6 * DrieVelden::L * DrieVelden::L), 1e-9 * waar);
    const double schoor =
        (6.0 + 4.0 * std::sqrt(2.0)) * DrieVelden::Mp / (DrieVelden::L * DrieVelden::L);

    int schoorMechanismen = 0;
    for (std::size_t i = 0; i < o.a.Mechanismen.size(); ++i) {
        SCOPED_TRACE("mechanisme " + std::to_string(i + 1));
        const auto& mechanisme = o.a.Mechanismen[i];
        const double fp = mechanisme.Vgl.Bezwijklast;
        const auto opgave = Opgave(mechanisme, o.a.Plaatsen);
        for (const Eigen::Index grootsteDicht : {GrootsteDichteProgramma, Eigen::Index{0}}) {
            const auto verdeling = BepaalKrachtsverdeling(
                evenwicht, opgave.Plaatsen, fp, opgave.Staven, grootsteDicht, opgave.Posities);
            ASSERT_TRUE(verdeling.Bestaat);
            // The ratio is the true peak of the distribution given, wherever along a bar it lies.
            EXPECT_NEAR(verdeling.Momentverhouding, DichtBemonsterdePiek(evenwicht, verdeling),
                        1e-7 * verdeling.Momentverhouding);
            // Scaled down to its peak it is a lower bound.
            EXPECT_GE(verdeling.Momentverhouding,
                      verdeling.Bezwijklast / waar * (1.0 - GelijkeLasten));
            if (std::fabs(fp - schoor) <= 1e-9 * schoor) {
                ++schoorMechanismen;
                EXPECT_NEAR(verdeling.Momentverhouding, KleinsteVerhoudingMiddenveld(fp), 1e-8);
            }
        }
    }
    EXPECT_GT(schoorMechanismen, 0);
}

// A mechanism above the true load has no distribution within Mp at its load, also where only
// the parabola inside a loaded bar exceeds it; the governing one at the true load has one.
TEST(VerdeeldeMomentpiek, ControleVanElkMechanisme) {
    DrieVelden o;
    ASSERT_EQ(o.Analyseer(), "");
    const TEvenwicht evenwicht(o.c);
    std::vector<TMechanismeOpgave> opgaven;
    for (const auto& mechanisme : o.a.Mechanismen) {
        opgaven.push_back(Opgave(mechanisme, o.a.Plaatsen));
    }
    const auto controle = ControleerMechanismen(evenwicht, opgaven, o.a.MaatgevendMechanisme);
    EXPECT_TRUE(controle.Bevestigd);
    const double waar = controle.Waar.Bezwijklast;
    for (std::size_t i = 0; i < opgaven.size(); ++i) {
        SCOPED_TRACE("mechanisme " + std::to_string(i + 1));
        const double verhouding = controle.Momentverhoudingen[i];
        ASSERT_GT(verhouding, 0.0);
        EXPECT_GE(verhouding, 1.0 - 1e-9);
        EXPECT_LE(controle.Ondergrens(static_cast<int>(i)), waar * (1.0 + 1e-9));
        if (opgaven[i].Bezwijklast > waar * (1.0 + 1e-6)) {
            EXPECT_GT(verhouding, 1.0 + 1e-6);
        }
    }
}

} // namespace
} // namespace kx::test
