#include "model/Invoer.h"
#include "ModelHulp.h"
#include "text/TekstNamen.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kx {
namespace {

using test::Tekenaar;

TEST(LeesGetal, PuntOfKommaEnVerderNiets) {
    const std::vector<std::pair<std::string, std::optional<double>>> gevallen{
        {"7,5", 7.5},
        {" 7.5 ", 7.5},
        {"+2", 2.0},
        {"-1,25", -1.25},
        {"0", 0.0},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"7,5,1", std::nullopt},
        {"1e3", std::nullopt},
        {"abc", std::nullopt},
        {"3 m", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"--1", std::nullopt}};
    for (const auto& [tekst, verwacht] : gevallen) {
        EXPECT_EQ(LeesGetal(tekst), verwacht) << '"' << tekst << '"';
    }
}

// A bar from (0, 0) to (4, 0) m drawn at scale 1 and then rescaled: 7.3 m typed for node 2's X
// lands on the nearest snap point, a whole, half or quarter cell of schaal metres.
TEST(InvoerKnoopCoordinaat, OpHetRasterVanElkeFijnheidEnSchaal) {
    struct Geval {
        int schaal;
        int fijnheid;
        double verwacht;
    };
    // 7.3 m is 7.3 cells at scale 1 and 3.65 cells at scale 2.
    const std::vector<Geval> gevallen{{1, 1, 7.0}, {1, 2, 7.5}, {1, 3, 7.25},
                                      {2, 1, 8.0}, {2, 2, 7.0}, {2, 3, 7.5}};
    for (const Geval& g : gevallen) {
        Tekenaar t;
        t.Staaf(0, 0, 4, 0);
        HerschaalKnopen(t.c, g.schaal);
        const TInvoer x = InvoerKnoopCoordinaat(t.c, 1, 0, "7,3", g.fijnheid);
        EXPECT_EQ(x.Waarde, g.verwacht) << g.schaal << " " << g.fijnheid;
        EXPECT_EQ(InvoerKnoopCoordinaat(t.c, 1, 1, "7.3", g.fijnheid).Waarde, g.verwacht);
    }
}

TEST(InvoerKnoopCoordinaat, WeigertBuitenBereikEnEenBezettePlaats) {
    Tekenaar t;
    t.Staaf(0, 0, 4, 0);
    t.Staaf(4, 0, 4, 3);
    struct Geval {
        std::string tekst;
        int as;
        int weigering;
    };
    const std::vector<Geval> gevallen{{"-0,5", 0, TekstInvoerCoordinaat},
                                      {"30,5", 0, TekstInvoerCoordinaat},
                                      {"vier", 1, TekstInvoerGeenGetal},
                                      {"4", 0, TekstInvoerKnoopBezet}};
    // Node 0 at (0, 0): Y 3 is free, X 4 is node 1's place.
    EXPECT_EQ(InvoerKnoopCoordinaat(t.c, 0, 1, "3", 2).Waarde, 3.0);
    for (const Geval& g : gevallen) {
        const TInvoer invoer = InvoerKnoopCoordinaat(t.c, 0, g.as, g.tekst, 2);
        EXPECT_FALSE(invoer.Waarde) << g.tekst;
        EXPECT_EQ(invoer.Weigering, g.weigering) << g.tekst;
    }
    // Node 1 at (4, 0) moved to Y 3 would stand on node 2.
    EXPECT_EQ(InvoerKnoopCoordinaat(t.c, 1, 1, "3", 2).Weigering, TekstInvoerKnoopBezet);
    // Its own place is no refusal; the limit grows with the scale.
    EXPECT_EQ(InvoerKnoopCoordinaat(t.c, 1, 0, "4", 2).Waarde, 4.0);
    EXPECT_EQ(InvoerKnoopCoordinaat(t.c, 0, 0, "30,5", 2).Grens, 30.0);
    HerschaalKnopen(t.c, 2);
    // 30.5 m is 15.25 cells: the nearest half cell is 15.5, 31 m.
    EXPECT_EQ(InvoerKnoopCoordinaat(t.c, 0, 0, "30,5", 2).Waarde, 31.0);
}

TEST(InvoerMp, GeheleGetallenVan1Tot999) {
    const std::vector<std::pair<std::string, std::optional<double>>> goed{
        {"1", 1.0}, {"80", 80.0}, {"80,0", 80.0}, {"999", 999.0}};
    for (const auto& [tekst, waarde] : goed) {
        EXPECT_EQ(InvoerMp(tekst).Waarde, waarde) << tekst;
    }
    for (const std::string tekst : {"0", "-5", "1000", "12,5"}) {
        EXPECT_EQ(InvoerMp(tekst).Weigering, TekstInvoerMp) << tekst;
    }
    EXPECT_EQ(InvoerMp("Mp").Weigering, TekstInvoerGeenGetal);
}

// The zoom box: whole numbers within its range only, spaces and a trailing ",0" allowed.
TEST(InvoerGeheel, GeheleGetallenBinnenHetBereik) {
    for (const auto& [tekst, waarde] : std::vector<std::pair<std::string, double>>{
             {"16", 16.0}, {" 48 ", 48.0}, {"96,0", 96.0}, {"+40", 40.0}}) {
        EXPECT_EQ(InvoerGeheel(tekst, 16, 96).Waarde, waarde) << tekst;
    }
    for (const std::string tekst : {"15", "97", "0", "-40", "40,5", "1e2"}) {
        const TInvoer uitkomst = InvoerGeheel(tekst, 16, 96);
        EXPECT_FALSE(uitkomst.Waarde) << tekst;
        EXPECT_EQ(uitkomst.Weigering, tekst == "1e2" ? TekstInvoerGeenGetal : TekstInvoerGeheel)
            << tekst;
    }
    EXPECT_EQ(InvoerGeheel("", 1, 3).Weigering, TekstInvoerGeenGetal);
    EXPECT_EQ(InvoerGeheel("4", 1, 3).Grens, 3.0);
}

TEST(InvoerBelastingComponent, InStappenVanDeFijnheidEnNooitNul) {
    const TConstructieBelasting omlaag{0, 0.0, 2.0, true};
    for (const auto& [fijnheid, verwacht] :
         std::vector<std::pair<int, double>>{{1, 1.0}, {2, 1.5}, {3, 1.25}}) {
        EXPECT_EQ(InvoerBelastingComponent(omlaag, 0, "1,3", fijnheid).Waarde, verwacht);
        EXPECT_EQ(InvoerBelastingComponent(omlaag, 1, "-1,3", fijnheid).Waarde, -verwacht);
    }
    // Fx may become zero while Fy stays; Fy of a load without Fx may not.
    EXPECT_EQ(InvoerBelastingComponent(omlaag, 0, "0,1", 2).Waarde, 0.0);
    EXPECT_EQ(InvoerBelastingComponent(omlaag, 1, "0,1", 2).Weigering, TekstInvoerBelastingNul);
    const TInvoer teGroot = InvoerBelastingComponent(omlaag, 1, "-31", 2);
    EXPECT_EQ(teGroot.Weigering, TekstInvoerBelasting);
    EXPECT_EQ(teGroot.Grens, 30.0);
}

} // namespace
} // namespace kx
