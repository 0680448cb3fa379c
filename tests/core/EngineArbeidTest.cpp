#include "EngineHulp.h"
#include "engine/Getalnotatie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace kx::test {
namespace {

TEST(EngineArbeid, AlgemeenGetal) {
    EXPECT_EQ(AlgemeenGetal(58.3314, 3, '.'), "58.3");
    EXPECT_EQ(AlgemeenGetal(0.5000125, 3, ','), "0,5");
    EXPECT_EQ(AlgemeenGetal(50.0, 3, ','), "50");
    EXPECT_EQ(AlgemeenGetal(0.03, 3, '.'), "0.03");
    EXPECT_EQ(AlgemeenGetal(-0.6, 1, ','), "-0,6");
    // Never in exponent notation: large values whole, small ones with their digits.
    EXPECT_EQ(AlgemeenGetal(Oneindig, 3, '.'), "10000000000");
    EXPECT_EQ(AlgemeenGetal(1234.6, 3, ','), "1235");
    EXPECT_EQ(AlgemeenGetal(-0.0000123456, 3, ','), "-0,0000123");
    EXPECT_EQ(AlgemeenGetal(4e-10, 1, '.'), "0.0000000004");
}

TEST(EngineArbeid, TermenVanHetVoorbeeld) {
    Opstelling o;
    Voorbeeld(o);
    o.a.Decimaalteken = ',';
    ASSERT_EQ(o.Analyseer(), "");
    const auto& m = o.a.Mechanismen;
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
    // Mechanism 1 after its second pass: internal work 1.75, the load sinks 0.03.
    const auto& vgl = m[0].Vgl;
    EXPECT_EQ(vgl.Factoren[1] + vgl.Factoren[2] + vgl.Factoren[3] + vgl.Factoren[4] +
                  vgl.Factoren[5] + vgl.Factoren[6],
              -1.75);
    EXPECT_DOUBLE_EQ(vgl.Factoren[8], 0.03);
    // The beam E-C turns +0.01, its hinge moments oppose it.
    EXPECT_EQ(vgl.Regel1[1], "- 50 ¬× 1 ¬× ¬d¬q ");
    EXPECT_EQ(vgl.Regel2[1], "deel EC");
    // The right column turns half as much; its foot has no moment.
    EXPECT_EQ(vgl.Regel1[3], "- 50 ¬× 0,5 ¬× ¬d¬q ");
    EXPECT_EQ(vgl.Regel1[4], "+ 0 ¬× 0,5 ¬× ¬d¬q ");
    EXPECT_EQ(vgl.Regel2[4], "deel CD");
    // The load: lever arm 3 to the centre B of the left column, which turns -0.01.
    EXPECT_EQ(vgl.Regel1[8], "+ 1 F ¬× 3 ¬× 1 ¬× ¬d¬q ");
    EXPECT_EQ(vgl.Regel2[8], "belasting");
    EXPECT_EQ(vgl.Regel2[0], "");
    // Mechanism 3 translates the beam sideways: the vertical load does no work.
    EXPECT_EQ(m[2].Vgl.Factoren[8], 0.0);
}

TEST(EngineArbeid, SchoorLiggerEerstePasEnTweedePas) {
    Opstelling o;
    SchoorLigger(o);
    ASSERT_EQ(o.Enumereer(), "");
    ASSERT_EQ(o.AantalCombinaties(), 1);
    o.Converteer();
    o.EerstePas(0);
    // 1.5 = 3 hinge terms of 50 x 0.01; the load rises 0.03 in the first pass.
    EXPECT_DOUBLE_EQ(o.a.Mechanismen[0].Vgl.Bezwijklast, -50.0);
    ASSERT_EQ(o.Analyseer(), "");
    EXPECT_DOUBLE_EQ(o.a.Mechanismen[0].Vgl.Bezwijklast, 50.0);
}

TEST(EngineArbeid, MomentenTegenDeRelatieveRotatieIn) {
    Opstelling o;
    // A fixed foot (kind 3), a plastic hinge (kind 5) and a pinned end (kind 2).
    ZetMechanisme(o.a, {Deel(3, 0, 0, 5, 2, 0, 40), Deel(5, 2, 0, 2, 4, 0, 40)});
    auto& s = o.a.Mechanismen[0].avStaven;
    s[0].gamma = 0.01;
    s[1].gamma = -0.01;
    BepaalPlastischeMomenten(o.a.Mechanismen[0]);
    EXPECT_EQ(s[0].Knopen[0].M, -40.0);
    EXPECT_EQ(s[0].Knopen[1].M, -40.0);
    EXPECT_EQ(s[1].Knopen[0].M, 40.0);
    EXPECT_EQ(s[1].Knopen[1].M, 0.0);

    // Parts that turn alike (up to rounding) leave the hinge without a moment.
    s[1].gamma = 0.01 * (1 + 1e-12);
    BepaalPlastischeMomenten(o.a.Mechanismen[0]);
    EXPECT_EQ(s[0].Knopen[1].M, 0.0);
    EXPECT_EQ(s[1].Knopen[0].M, 0.0);

    // Hinged ends never get a moment, nor does a rigid end with nothing attached.
    ZetMechanisme(o.a, {Deel(2, 0, 0, 4, 2, 0), Deel(4, 2, 0, 2, 4, 0), Deel(5, 9, 9, 5, 8, 8)});
    auto& scharnierend = o.a.Mechanismen[0].avStaven;
    scharnierend[0].gamma = 0.3;
    scharnierend[1].gamma = -0.2;
    BepaalPlastischeMomenten(o.a.Mechanismen[0]);
    for (const auto& deel : scharnierend) {
        EXPECT_EQ(deel.Knopen[0].M, 0.0);
        EXPECT_EQ(deel.Knopen[1].M, 0.0);
    }
}

TEST(EngineArbeid, GelijkeBezwijklastLaagsteIndexIsMaatgevend) {
    const auto maatgevend = [](std::vector<double> lasten) {
        TMaatgevendeRegel regel;
        for (std::size_t i = 0; i < lasten.size(); ++i) {
            regel.Neem(static_cast<int>(i), lasten[i]);
        }
        return regel.Index();
    };
    EXPECT_EQ(maatgevend({5, 3, 3}), 1);
    EXPECT_EQ(maatgevend({Oneindig, Oneindig}), 0);
    EXPECT_EQ(maatgevend({Oneindig, 7}), 1);
}

TEST(EngineArbeid, MechanismeZonderDelenEnZonderWerkendeLast) {
    Opstelling o;
    o.a.VMechanismen.resize(1);
    auto& v = o.a.VMechanismen[0];
    v.Knopen.resize(3);
    v.Staven.resize(2);
    v.Belastingen.resize(2);
    v.Belastingen[1] = {0, 1, 2, 0, 1, true};
    o.Converteer();
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
    o.Converteer();
    o.EerstePas(1);
    const auto voor = o.a.Mechanismen[1];
    VergrootVervorming(o.a.Mechanismen[1]);
    const auto& na = o.a.Mechanismen[1];
    for (std::size_t t = 0; t < na.avStaven.size(); ++t) {
        for (int n = 0; n < 2; ++n) {
            EXPECT_EQ(na.avStaven[t].Knopen[n].dx, 15 * voor.avStaven[t].Knopen[n].dx);
            EXPECT_EQ(na.avStaven[t].Knopen[n].dy, 15 * voor.avStaven[t].Knopen[n].dy);
        }
        EXPECT_EQ(na.avStaven[t].gamma, voor.avStaven[t].gamma);
    }
    EXPECT_EQ(na.avBelastingen[0].dy, 15 * voor.avBelastingen[0].dy);
    EXPECT_EQ(na.Vgl.Factoren, voor.Vgl.Factoren);
}

} // namespace
} // namespace kx::test
