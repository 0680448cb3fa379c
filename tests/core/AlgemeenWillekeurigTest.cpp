#include "EngineHulp.h"
#include "Raamwerken.h"

#include "engine/Bezwijkcontrole.h"
#include "engine/Enumeratie.h"
#include "engine/Evenwicht.h"
#include "engine/Raamwerk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace kx::test {
namespace {

// Loads found by the two theorems' programs and by the mechanisms' own equations meet within the
// programs' tolerances on the scale of 1.
constexpr double Theorema = 1e-7;

// Frames a teacher might draw on a grid of 4 by 3 points 2 m apart: bars between neighbouring
// points (also diagonally), so that joints of three and more bars occur, supports of every kind
// at any node, hinged connections here and there, loads at any node.
class Tekenaar {
public:
    explicit Tekenaar(unsigned zaad) : rng_(zaad) {}

    TConstructie Teken() {
        TRaamwerkBouwer b;
        std::vector<int> knopen;
        for (int j = 0; j < 3; ++j) {
            for (int i = 0; i < 4; ++i) {
                knopen.push_back(b.Knoop(2.0 * i, -2.0 * j));
            }
        }
        const auto knoop = [&](int i, int j) {
            return knopen[static_cast<std::size_t>(4 * j + i)];
        };
        std::vector<int> aantal(knopen.size(), 0);
        for (int j = 0; j < 3; ++j) {
            for (int i = 0; i < 4; ++i) {
                for (const auto& [di, dj] : {std::pair{1, 0}, {0, 1}, {1, 1}, {-1, 1}}) {
                    const int p = i + di;
                    const int q = j + dj;
                    if (p < 0 || p > 3 || q > 2 || !Kans(di != 0 && dj != 0 ? 0.15 : 0.45)) {
                        continue;
                    }
                    b.Staaf(knoop(i, j), knoop(p, q), Getal(2, 10) * 10.0);
                    ++aantal[static_cast<std::size_t>(4 * j + i)];
                    ++aantal[static_cast<std::size_t>(4 * q + p)];
                }
            }
        }
        for (std::size_t k = 0; k < knopen.size(); ++k) {
            auto& bron = b.c.Knopen[static_cast<std::size_t>(knopen[k])];
            if (aantal[k] == 0) {
                bron.Bestaat = false;
                continue;
            }
            if (Kans(0.15)) {
                bron.Vrijheid = ScharnierendeVerbinding;
            }
            // The ground row is where supports go most.
            if (Kans(k < 4 ? 0.5 : 0.08)) {
                constexpr std::array<std::int32_t, 4> codes{RolHorizontaal, RolVerticaal,
                                                            Scharnierend, Inklemming};
                bron.Oplegging = codes[static_cast<std::size_t>(Getal(0, 3))];
            }
        }
        const int lasten = Getal(1, 3);
        for (int l = 0; l < lasten; ++l) {
            const auto k = static_cast<std::size_t>(Getal(0, static_cast<int>(knopen.size()) - 1));
            if (aantal[k] > 0) {
                b.Last(knopen[k], Getal(-1, 1), Getal(0, 2));
            }
        }
        return b.c;
    }

private:
    int Getal(int laag, int hoog) { return std::uniform_int_distribution<int>(laag, hoog)(rng_); }
    bool Kans(double p) { return std::bernoulli_distribution(p)(rng_); }

    std::mt19937 rng_;
};

// Both theorems on frames of any shape: the governing mechanism's load is the static theorem's,
// no mechanism of the list lies below it, and the collapse mechanism of the kinematics over every
// place has the same load.
TEST(AlgemeenWillekeurig, KinematischIsStatischOpElkRaamwerk) {
    Tekenaar tekenaar(20261207);
    int geanalyseerd = 0;
    int algemeen = 0;
    for (int poging = 0; poging < 600 && geanalyseerd < 80; ++poging) {
        SCOPED_TRACE("poging " + std::to_string(poging));
        Opstelling o;
        o.c = tekenaar.Teken();
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
