#include "EngineHulp.h"
#include "engine/Getalnotatie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace kx::test {
namespace {

const double tan001 = std::tan(0.01);

TEST(EngineArbeid, AlgemeenGetal) {
    EXPECT_EQ(AlgemeenGetal(58.3314, 3, '.'), "58.3");
    EXPECT_EQ(AlgemeenGetal(0.5000125, 3, ','), "0,5");
    EXPECT_EQ(AlgemeenGetal(50.0, 3, ','), "50");
    EXPECT_EQ(AlgemeenGetal(0.03, 3, '.'), "0.03");
    EXPECT_EQ(AlgemeenGetal(-0.6, 1, ','), "-0,6");
    EXPECT_EQ(AlgemeenGetal(Oneindig, 3, '.'), "1e+10");
}

TEST(EngineArbeid, VoorbeeldBezwijklastenEnVergelijkingen) {
    Opstelling o;
    Voorbeeld(o);
    o.a.Decimaalteken = ',';
    ASSERT_EQ(o.Analyseer(), "");
    ASSERT_EQ(o.a.AantalMechanismen, 3);
    const auto& m = o.a.Mechanismen;
    // Internal work 0.5 + 0.5 + 0.25 + 0.5 in Mp units of 0.01 rad; the load sinks 3 tan(0.01).
    const double s1 = -(0.5 + 0.5 + 50 * std::atan(3 * tan001 / 6) + 0.5);
    EXPECT_NEAR(m[0].Vgl.Bezwijklast, -s1 / (3 * tan001), 1e-6);
    EXPECT_NEAR(m[0].Vgl.Bezwijklast, 58.33, 0.01);
    // Factors 1 to 6 are the hinge terms of the three parts, 7 and 8 those of the load.
    const auto& f = m[0].Vgl.Factoren;
    EXPECT_NEAR(std::accumulate(f.begin() + 1, f.begin() + 7, 0.0), -1.75, 1e-4);
    EXPECT_NEAR(f[7] + f[8], 0.03, 1e-4);
    // The column A-B turns atan(2 tan(0.01)) about B, the other three terms 0.5 each; the load
    // sinks 3 tan(0.01).
    EXPECT_NEAR(m[1].Vgl.Bezwijklast, (1.5 + 50 * std::atan(2 * tan001)) / (3 * tan001), 1e-4);
    EXPECT_NEAR(m[1].Vgl.Bezwijklast, 83.33, 0.01);
    EXPECT_EQ(m[2].Vgl.Bezwijklast, Oneindig);
    EXPECT_EQ(o.a.MaatgevendMechanisme, 0);

    for (const auto& mechanisme : m) {
        const auto& r1 = mechanisme.Vgl.Regel1;
        ASSERT_EQ(r1.size(), 2U * (mechanisme.AantalStaven + mechanisme.AantalBelastingen + 1));
        EXPECT_EQ(r1.front(), o.teksten[133]);
        EXPECT_EQ(r1.back(), " = 0");
        EXPECT_EQ(mechanisme.Vgl.Factoren.front(), 1.0);
        EXPECT_EQ(mechanisme.Vgl.Factoren.back(), 1.0);
        for (std::size_t q = 1; q + 1 < r1.size(); ++q) {
            const auto teken = r1[q].substr(0, 2);
            EXPECT_TRUE(teken == "+ " || teken == "- ") << r1[q];
            EXPECT_EQ(teken == "- ", mechanisme.Vgl.Factoren[q] < 0.0) << r1[q];
        }
    }
    // Mechanism 1 after its second pass: the beam E-C turns +0.01, its hinge moments oppose it.
    const auto& vgl = m[0].Vgl;
    EXPECT_EQ(vgl.Regel1[1], "- 50 ¬× 1 ¬× ¬d¬q ");
    EXPECT_EQ(vgl.Regel2[1], "deel EC");
    // The right column turns half as much.
    EXPECT_EQ(vgl.Regel1[3], "- 50 ¬× 0,5 ¬× ¬d¬q ");
    EXPECT_EQ(vgl.Regel1[4], "+ 0 ¬× 0,5 ¬× ¬d¬q ");
    EXPECT_EQ(vgl.Regel2[4], "deel CD");
    // The load: lever arm 3 to the centre B of the left column, which turns -0.01.
    EXPECT_EQ(vgl.Regel1[7], "+ 0 F ¬× 3 ¬× 1 ¬× ¬d¬q ");
    EXPECT_EQ(vgl.Regel1[8], "+ 1 F ¬× 3 ¬× 1 ¬× ¬d¬q ");
    EXPECT_EQ(vgl.Regel2[8], "belasting");
    EXPECT_EQ(vgl.Regel2[0], "");
    // Mechanism 3 translates: the vertical lever arm reaches the far centre.
    EXPECT_EQ(m[2].Vgl.Regel1[7].rfind("+ 0 F ¬× 1e+10 ¬× ", 0), 0U);
}

TEST(EngineArbeid, SchoorLiggerEerstePasEnTweedePas) {
    Opstelling o;
    SchoorLigger(o);
    ASSERT_EQ(o.Enumereer(), "");
    ASSERT_EQ(o.a.AantalCombinaties, 1);
    o.a.ConverteerVervangendeConstructies();
    o.EerstePas(0);
    // 1.5 = 3 hinge terms of 50 x 0.01; the load rises 3 tan(0.01) in the first pass.
    EXPECT_NEAR(o.a.Mechanismen[0].Vgl.Bezwijklast, -1.5 / (3 * tan001), 1e-9);
    EXPECT_NEAR(o.a.Mechanismen[0].Vgl.Bezwijklast, -49.998, 5e-4);

    ASSERT_EQ(o.Analyseer(), "");
    EXPECT_NEAR(o.a.Mechanismen[0].Vgl.Bezwijklast, 1.5 / (3 * tan001), 1e-9);
    EXPECT_NEAR(o.a.Mechanismen[0].Vgl.Bezwijklast, 49.998, 5e-4);
}

TEST(EngineArbeid, MomentenTegenDeRelatieveRotatieIn) {
    Opstelling o;
    // A fixed foot (kind 3), a plastic hinge (kind 5) and a pinned end (kind 2).
    ZetMechanisme(o.a, {Deel(3, 0, 0, 5, 2, 0, 40), Deel(5, 2, 0, 2, 4, 0, 40)});
    auto& s = o.a.Mechanismen[0].avStaven;
    s[0].gamma = 0.01;
    s[1].gamma = -0.01;
    o.a.BepaalPlastischeMomenten(0);
    EXPECT_EQ(s[0].Knopen[0].M, -40.0);
    EXPECT_EQ(s[0].Knopen[1].M, -40.0);
    EXPECT_EQ(s[1].Knopen[0].M, 40.0);
    EXPECT_EQ(s[1].Knopen[1].M, 0.0);

    // Parts that turn alike (within the tolerance) leave the hinge without a moment.
    s[1].gamma = 0.01 + 5e-6;
    o.a.BepaalPlastischeMomenten(0);
    EXPECT_EQ(s[0].Knopen[1].M, 0.0);
    EXPECT_EQ(s[1].Knopen[0].M, 0.0);

    // Hinged ends never get a moment, nor does a rigid end with nothing attached.
    ZetMechanisme(o.a, {Deel(2, 0, 0, 4, 2, 0), Deel(4, 2, 0, 2, 4, 0), Deel(5, 9, 9, 5, 8, 8)});
    auto& scharnierend = o.a.Mechanismen[0].avStaven;
    scharnierend[0].gamma = 0.3;
    scharnierend[1].gamma = -0.2;
    o.a.BepaalPlastischeMomenten(0);
    for (const auto& deel : scharnierend) {
        EXPECT_EQ(deel.Knopen[0].M, 0.0);
        EXPECT_EQ(deel.Knopen[1].M, 0.0);
    }
}

TEST(EngineArbeid, GelijkeBezwijklastLaagsteIndexIsMaatgevend) {
    Opstelling o;
    o.a.Mechanismen.resize(3);
    o.a.AantalMechanismen = 3;
    o.a.Mechanismen[0].Vgl.Bezwijklast = 5;
    o.a.Mechanismen[1].Vgl.Bezwijklast = 3;
    o.a.Mechanismen[2].Vgl.Bezwijklast = 3;
    EXPECT_EQ(o.a.BepaalMaatgevendMechanisme(), 1);
    for (auto& m : o.a.Mechanismen) {
        m.Vgl.Bezwijklast = Oneindig;
    }
    EXPECT_EQ(o.a.BepaalMaatgevendMechanisme(), 0);
}

TEST(EngineArbeid, MechanismeZonderDelenEnZonderWerkendeLast) {
    Opstelling o;
    o.a.VMechanismen.resize(1);
    auto& v = o.a.VMechanismen[0];
    v.Knopen.resize(3);
    v.Staven.resize(2);
    v.Belastingen.resize(2);
    v.Belastingen[1] = {0, 1, 2, 0, 1, true};
    o.a.ConverteerVervangendeConstructies();
    const auto& m = o.a.Mechanismen[0];
    EXPECT_EQ(m.AantalStaven, 0);
    EXPECT_EQ(m.AantalBelastingen, 1);
    EXPECT_EQ(m.Vgl.Regel1.size(), 4U);
    EXPECT_EQ(m.Vgl.Factoren.size(), 4U);
    // Its part was removed: the load has no part to move with.
    EXPECT_EQ(m.avBelastingen[0].s, -1);
    o.EerstePas(0);
    EXPECT_EQ(m.avBelastingen[0].dy, 0.0);
    EXPECT_EQ(m.Vgl.Bezwijklast, Oneindig);
    EXPECT_EQ(m.Vgl.Regel1[3], " = 0");
}

TEST(EngineArbeid, VerplaatsingenVijftienMaalVergroot) {
    Opstelling o;
    Voorbeeld(o);
    ASSERT_EQ(o.Enumereer(), "");
    o.a.ConverteerVervangendeConstructies();
    o.EerstePas(1);
    const auto voor = o.a.Mechanismen[1];
    o.a.VergrootVervorming();
    const auto& na = o.a.Mechanismen[1];
    for (std::size_t t = 0; t < na.avStaven.size(); ++t) {
        for (int n = 0; n < 2; ++n) {
            EXPECT_EQ(na.avStaven[t].Knopen[n].dx, 15 * voor.avStaven[t].Knopen[n].dx);
            EXPECT_EQ(na.avStaven[t].Knopen[n].dy, 15 * voor.avStaven[t].Knopen[n].dy);
        }
        EXPECT_EQ(na.avStaven[t].gamma, voor.avStaven[t].gamma);
    }
    // The load sinks 3 tan(0.01), drawn 15 times larger.
    EXPECT_NEAR(na.avBelastingen[0].dy, -15 * 3 * tan001, 1e-6);
    EXPECT_EQ(na.Vgl.Factoren, voor.Vgl.Factoren);
}

} // namespace
} // namespace kx::test
