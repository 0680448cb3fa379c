#include "engine/GetekendMechanisme.h"
#include "Raamwerken.h"
#include "engine/Analyse.h"
#include "text/Teksten.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace kx::test {
namespace {

// A portal with a roller under its right foot and a pin under its left: the roller becomes a
// pendulum bar of the replacement structure.
TConstructie PortaalOpRol() {
    TRaamwerkBouwer b;
    const int v1 = b.Knoop(0, 4, Scharnierend);
    const int t1 = b.Knoop(0, 0);
    const int m = b.Knoop(3, 0);
    const int t2 = b.Knoop(6, 0);
    const int v2 = b.Knoop(6, 4, RolHorizontaal);
    b.Keten({v1, t1, m, t2, v2});
    b.Last(t1, 1, 0);
    b.Last(m, 0, 1);
    return b.c;
}

// A beam clamped at its left end and hung from a pendulum above its right end.
TConstructie HangendePendel() {
    TRaamwerkBouwer b;
    const int a = b.Knoop(0, 4, Inklemming);
    const int m = b.Knoop(3, 4);
    const int e = b.Knoop(6, 4);
    const int top = b.Knoop(6, 0, Scharnierend);
    b.Keten({a, m, e, top});
    b.Verbinding(e, ScharnierendeVerbinding);
    b.Last(m, 0, 1);
    return b.c;
}

// A gable on two pins, F across at the left eaves and F down at the ridge.
TConstructie Spant() {
    TRaamwerkBouwer b;
    const int v1 = b.Knoop(0, 4, Scharnierend);
    const int t1 = b.Knoop(0, 0);
    const int nok = b.Knoop(4, -2);
    const int t2 = b.Knoop(8, 0);
    const int v2 = b.Knoop(8, 4, Scharnierend);
    b.Keten({v1, t1, nok, t2, v2});
    b.Last(t1, 1, 0);
    b.Last(nok, 0, 1);
    return b.c;
}

TPunt Wereld(const TConstructie& c, std::int32_t k) {
    const auto& knoop = c.Knopen[static_cast<std::size_t>(k)];
    return {knoop.X, -knoop.Y};
}

bool IsPartEinde(const TMechanisme& m, std::int32_t k) {
    for (const TStaaf& deel : m.avStaven) {
        for (const TKnoop& eind : deel.Knopen) {
            if (eind.Index == k) {
                return true;
            }
        }
    }
    return false;
}

// In every mechanism of chains whose replacement structures merge bars into diagonal parts,
// remove clamped parts and replace a roller by a pendulum, the drawn bars lie where the
// structure's bars lie before the motion; every node on a part's end moves with that end, and
// every bar keeps its length to first order, also where its node lies inside a merged part.
TEST(GetekendMechanisme, StavenVanDeTekeningVolgenDeDelen) {
    const Teksten t;
    for (const auto& [naam, c] :
         {std::pair{"portaal", Portaal(VasteVerbinding)}, std::pair{"rol", PortaalOpRol()},
          std::pair{"pendel", HangendePendel()}, std::pair{"spant", Spant()}}) {
        TAnalyse analyse(t);
        analyse.BepaalMechanismen(c);
        analyse.BerekeningDeel2();
        ASSERT_GT(analyse.AantalMechanismen, 0) << naam;
        int binnenDeel = 0;
        for (const TMechanisme& m : analyse.Mechanismen) {
            const auto staven = GetekendeStaven(m, c);
            ASSERT_EQ(staven.size(), static_cast<std::size_t>(std::ranges::count_if(
                                         c.Staven, [](const auto& s) { return s.Bestaat; })))
                << naam;
            const std::vector<TPunt> d = Knoopverplaatsingen(m, c);
            for (const TGetekendeStaaf& s : staven) {
                const auto& staaf = c.Staven[static_cast<std::size_t>(s.Slot)];
                EXPECT_EQ(s.Van.x, Wereld(c, staaf.Knoop0).x) << naam;
                EXPECT_EQ(s.Van.y, Wereld(c, staaf.Knoop0).y) << naam;
                EXPECT_EQ(s.Naar.x, Wereld(c, staaf.Knoop1).x) << naam;
                EXPECT_EQ(s.Naar.y, Wereld(c, staaf.Knoop1).y) << naam;
                const double lx = s.Naar.x - s.Van.x;
                const double ly = s.Naar.y - s.Van.y;
                const double ux = (s.NaarVerplaatst.x - s.Naar.x) - (s.VanVerplaatst.x - s.Van.x);
                const double uy = (s.NaarVerplaatst.y - s.Naar.y) - (s.VanVerplaatst.y - s.Van.y);
                EXPECT_NEAR(lx * ux + ly * uy, 0.0, 1e-9 * (1.0 + std::hypot(lx, ly)))
                    << naam << " staaf " << s.Slot;
            }
            for (const TStaaf& deel : m.avStaven) {
                for (const TKnoop& eind : deel.Knopen) {
                    if (eind.Index >= 0 && eind.Index < static_cast<int>(c.Knopen.size()) &&
                        c.Knopen[static_cast<std::size_t>(eind.Index)].Bestaat) {
                        EXPECT_EQ(d[static_cast<std::size_t>(eind.Index)].x, eind.dx) << naam;
                        EXPECT_EQ(d[static_cast<std::size_t>(eind.Index)].y, eind.dy) << naam;
                    }
                }
            }
            for (std::int32_t k = 0; k < static_cast<std::int32_t>(c.Knopen.size()); ++k) {
                const auto& dk = d[static_cast<std::size_t>(k)];
                if (c.Knopen[static_cast<std::size_t>(k)].Bestaat && !IsPartEinde(m, k) &&
                    std::hypot(dk.x, dk.y) > 0.0) {
                    ++binnenDeel;
                }
            }
        }
        if (std::string(naam) == "portaal") {
            // A corner inside a merged part moves with it.
            EXPECT_GT(binnenDeel, 0);
        }
    }
}

} // namespace
} // namespace kx::test
