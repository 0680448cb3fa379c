#include "drawing/Afbeelding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>
#include <vector>

namespace kx {
namespace {

constexpr double pi = std::numbers::pi;

// Within rounding, with the point shown on failure.
::testing::AssertionResult Op(TPunt p, double x, double y) {
    if (std::abs(p.x - x) < 1e-9 && std::abs(p.y - y) < 1e-9) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << '(' << p.x << ", " << p.y << ')';
}

std::vector<double> Waarden(const TGrenzen& g) {
    return {g.xmin, g.ymin, g.xmax, g.ymax};
}

TEST(Snappen, PixelNaarSchaalwaarde) {
    struct Geval {
        int pixel, grid, fijnheid;
        double schaal, verwacht;
    };
    // A snap step of grid / fijnheid pixels, rounded to the nearest step; fineness 3 counts as
    // four steps a cell. A grid of 0 must not divide by zero.
    for (const Geval g :
         {Geval{29, 40, 2, 1, 0.5}, Geval{30, 40, 2, 1, 1.0}, Geval{19, 40, 1, 1, 0.0},
          Geval{20, 40, 1, 1, 1.0}, Geval{4, 40, 3, 1, 0.0}, Geval{5, 40, 3, 1, 0.25},
          Geval{34, 40, 3, 2, 1.5}, Geval{7, 0, 2, 1, 3.5}}) {
        EXPECT_DOUBLE_EQ(PixelNaarX(g.pixel, g.grid, g.fijnheid, g.schaal), g.verwacht)
            << g.pixel << ' ' << g.grid << ' ' << g.fijnheid;
    }
    EXPECT_DOUBLE_EQ(PixelNaarY(29, 40, 2, 4), 2.0);
    EXPECT_DOUBLE_EQ(PixelNaarY(30, 40, 2, 4), 4.0);
    for (const auto& [grid, fijnheid, stap] :
         {std::tuple{40, 1, 40}, {40, 2, 20}, {40, 3, 10}, {2, 3, 1}}) {
        EXPECT_EQ(SnapStap(grid, fijnheid), stap) << grid << ' ' << fijnheid;
    }
}

TEST(Editorafbeelding, KapAfNaarNul) {
    EXPECT_EQ(StructuurNaarPixel(2.5, 40, 1), 100);
    EXPECT_EQ(StructuurNaarPixel(0.99, 40, 3), 13);
    EXPECT_EQ(StructuurNaarPixel(-0.99, 40, 3), -13);
    EXPECT_EQ(Pixel(1e30), Pixel(2e30));
    EXPECT_EQ(Pixel(std::nan("")), 0);
}

TEST(DraaiPunt, PositieveHoekDraaitMetDeKlokMeeOpHetScherm) {
    EXPECT_TRUE(Op(DraaiPunt({10, 0}, {0, 0}, pi / 2.0), 0, 10));
    EXPECT_TRUE(Op(DraaiPunt({6, 5}, {5, 5}, pi), 4, 5));
}

// A cell of the given width whose height PasHoogteAan sets from the bounds.
TRechthoek Cel(const TGrenzen& g, double links, double boven, double breedte) {
    TRechthoek cel{links, boven, links + breedte, boven};
    PasHoogteAan(g, cel);
    return cel;
}

TEST(Analyseafbeelding, CelKrijgtDeVerhoudingVanDeWereld) {
    const TGrenzen g{0, 0, 10, 5};
    const TRechthoek cel = Cel(g, 0, 0, 120);
    EXPECT_DOUBLE_EQ(cel.Bottom, 60.0);
    // 10% margin on every side, 10 pixels per metre, y up.
    EXPECT_TRUE(Op(NaarScherm({0, 0}, g, cel), 10, 55));
    EXPECT_TRUE(Op(NaarScherm({10, 5}, g, cel), 110, 5));
}

TEST(Analyseafbeelding, DoosZonderBreedteOfHoogteKrijgtEenMinimum) {
    // All points on the vertical line x = 3, 4 m high: the width becomes 2 m around x = 3.
    const TGrenzen lijn{3, 0, 3, 4};
    const TRechthoek smal = Cel(lijn, 0, 0, 120);
    EXPECT_DOUBLE_EQ(smal.Bottom, 240.0);
    const TPunt p = NaarScherm({3, 0}, lijn, smal);
    EXPECT_DOUBLE_EQ(p.x, 60.0);
    EXPECT_TRUE(std::isfinite(p.y));

    const TGrenzen punt{1, 1, 1, 1};
    const TRechthoek vierkant = Cel(punt, 10, 20, 120);
    EXPECT_DOUBLE_EQ(vierkant.Bottom, 140.0);
    EXPECT_TRUE(Op(NaarScherm({1, 1}, punt, vierkant), 70, 80));

    const TGrenzen g = Schaalbaar({0, 2, 6, 2});
    EXPECT_DOUBLE_EQ(g.ymin, 0.5);
    EXPECT_DOUBLE_EQ(g.ymax, 3.5);
}

TEST(BepaalGrenzen, RotatiecentraAlleenDichtbij) {
    TStaaf deel;
    deel.Knopen[1].x = 4;
    deel.Knopen[1].dy = -1;
    deel.RC = {0, 5};
    TStaaf ver = deel;
    ver.RC = {20, 0};
    TStaaf oneindig = deel;
    oneindig.RC = {Oneindig, -Oneindig};
    TMechanisme m;
    m.avStaven = {deel, ver, oneindig};
    TConstructie c;
    c.Knopen[3].Bestaat = true;
    c.Knopen[3].X = 1;
    c.Knopen[3].Y = 2; // y down in the structure: -2 in the analysis frame

    EXPECT_EQ(Waarden(BepaalGrenzen(m, c, false)), (std::vector<double>{0, -2, 4, 0}));
    EXPECT_EQ(Waarden(BepaalGrenzen(m, c, true)), (std::vector<double>{0, -2, 4, 5}));
    // A mechanism without parts starts from the structure's nodes.
    EXPECT_EQ(Waarden(BepaalGrenzen(TMechanisme{}, c, true)), (std::vector<double>{1, -2, 1, -2}));
}

} // namespace
} // namespace kx
