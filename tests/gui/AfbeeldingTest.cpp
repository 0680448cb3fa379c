#include "drawing/Afbeelding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kx {
namespace {

constexpr double pi = std::numbers::pi;

TEST(Snappen, FijnheidTweeVerdeeltEenCelInTweeStappen) {
    EXPECT_EQ(SnapStap(40, 2), 20);
    EXPECT_DOUBLE_EQ(PixelNaarX(29, 40, 2, 1), 0.5);
    EXPECT_DOUBLE_EQ(PixelNaarX(30, 40, 2, 1), 1.0);
    EXPECT_DOUBLE_EQ(PixelNaarY(29, 40, 2, 4), 2.0);
    EXPECT_DOUBLE_EQ(PixelNaarY(30, 40, 2, 4), 4.0);
}

TEST(Snappen, FijnheidEenEnDrie) {
    EXPECT_EQ(SnapStap(40, 1), 40);
    EXPECT_DOUBLE_EQ(PixelNaarX(19, 40, 1, 1), 0.0);
    EXPECT_DOUBLE_EQ(PixelNaarX(20, 40, 1, 1), 1.0);
    EXPECT_EQ(SnapStap(40, 3), 10);
    EXPECT_DOUBLE_EQ(PixelNaarX(4, 40, 3, 1), 0.0);
    EXPECT_DOUBLE_EQ(PixelNaarX(5, 40, 3, 1), 0.25);
    EXPECT_DOUBLE_EQ(PixelNaarX(34, 40, 3, 2), 1.5);
}

TEST(Snappen, OnmogelijkeInstellingDeeltNietDoorNul) {
    EXPECT_EQ(SnapStap(2, 3), 1);
    EXPECT_DOUBLE_EQ(PixelNaarX(7, 0, 2, 1), 3.5);
}

TEST(Editorafbeelding, KapAfNaarNul) {
    EXPECT_EQ(StructuurNaarPixel(2.5, 40, 1), 100);
    EXPECT_EQ(StructuurNaarPixel(0.99, 40, 3), 13);
    EXPECT_EQ(StructuurNaarPixel(-0.99, 40, 3), -13);
    EXPECT_EQ(Pixel(1e30), Pixel(2e30));
    EXPECT_EQ(Pixel(std::nan("")), 0);
}

TEST(DraaiPunt, PositieveHoekDraaitMetDeKlokMeeOpHetScherm) {
    const TPunt onder = DraaiPunt({10, 0}, {0, 0}, pi / 2.0);
    EXPECT_NEAR(onder.x, 0.0, 1e-12);
    EXPECT_NEAR(onder.y, 10.0, 1e-12);
    const TPunt gespiegeld = DraaiPunt({6, 5}, {5, 5}, pi);
    EXPECT_NEAR(gespiegeld.x, 4.0, 1e-12);
    EXPECT_NEAR(gespiegeld.y, 5.0, 1e-12);
}

TEST(Analyseafbeelding, CelKrijgtDeVerhoudingVanDeWereld) {
    const TGrenzen g{0, 0, 10, 5};
    TRechthoek cel{0, 0, 120, 0};
    PasHoogteAan(g, cel);
    EXPECT_DOUBLE_EQ(cel.Bottom, 60.0);
    // 10% margin on every side, 10 pixels per metre, y up.
    const TPunt linksonder = NaarScherm({0, 0}, g, cel);
    EXPECT_DOUBLE_EQ(linksonder.x, 10.0);
    EXPECT_DOUBLE_EQ(linksonder.y, 55.0);
    const TPunt rechtsboven = NaarScherm({10, 5}, g, cel);
    EXPECT_DOUBLE_EQ(rechtsboven.x, 110.0);
    EXPECT_DOUBLE_EQ(rechtsboven.y, 5.0);
}

TEST(Analyseafbeelding, DoosZonderBreedteKrijgtEenMinimum) {
    // All points on the vertical line x = 3, 4 m high: the width becomes 2 m around x = 3.
    const TGrenzen lijn{3, 0, 3, 4};
    TRechthoek cel{0, 0, 120, 0};
    PasHoogteAan(lijn, cel);
    EXPECT_DOUBLE_EQ(cel.Bottom, 240.0);
    const TPunt p = NaarScherm({3, 0}, lijn, cel);
    EXPECT_DOUBLE_EQ(p.x, 60.0);
    EXPECT_TRUE(std::isfinite(p.y));

    const TGrenzen punt{1, 1, 1, 1};
    TRechthoek vierkant{10, 20, 130, 20};
    PasHoogteAan(punt, vierkant);
    EXPECT_DOUBLE_EQ(vierkant.Bottom, 140.0);
    const TPunt midden = NaarScherm({1, 1}, punt, vierkant);
    EXPECT_DOUBLE_EQ(midden.x, 70.0);
    EXPECT_DOUBLE_EQ(midden.y, 80.0);
}

TEST(Analyseafbeelding, DoosZonderHoogte) {
    const TGrenzen balk{0, 2, 6, 2};
    const TGrenzen g = Schaalbaar(balk);
    EXPECT_DOUBLE_EQ(g.ymin, 0.5);
    EXPECT_DOUBLE_EQ(g.ymax, 3.5);
}

TEST(BepaalGrenzen, RotatiecentraAlleenDichtbij) {
    TMechanisme m;
    TStaaf deel;
    deel.Knopen[0].x = 0;
    deel.Knopen[0].y = 0;
    deel.Knopen[1].x = 4;
    deel.Knopen[1].y = 0;
    deel.Knopen[1].dy = -1;
    deel.RC = {0, 5};
    TStaaf ver = deel;
    ver.RC = {20, 0};
    TStaaf oneindig = deel;
    oneindig.RC = {Oneindig, -Oneindig};
    m.avStaven = {deel, ver, oneindig};
    TConstructie c;
    c.Knopen[3].Bestaat = true;
    c.Knopen[3].X = 1;
    c.Knopen[3].Y = 2; // y down in the structure: -2 in the analysis frame

    const TGrenzen zonder = BepaalGrenzen(m, c, false);
    EXPECT_DOUBLE_EQ(zonder.xmin, 0);
    EXPECT_DOUBLE_EQ(zonder.xmax, 4);
    EXPECT_DOUBLE_EQ(zonder.ymin, -2);
    EXPECT_DOUBLE_EQ(zonder.ymax, 0);

    const TGrenzen met = BepaalGrenzen(m, c, true);
    EXPECT_DOUBLE_EQ(met.ymax, 5);
    EXPECT_DOUBLE_EQ(met.xmax, 4);
    EXPECT_DOUBLE_EQ(met.ymin, -2);
}

TEST(BepaalGrenzen, MechanismeZonderDelenBegintBijDeConstructie) {
    TConstructie c;
    c.Knopen[2].Bestaat = true;
    c.Knopen[2].X = 5;
    c.Knopen[2].Y = 1;
    const TGrenzen g = BepaalGrenzen(TMechanisme{}, c, true);
    EXPECT_DOUBLE_EQ(g.xmin, 5);
    EXPECT_DOUBLE_EQ(g.xmax, 5);
    EXPECT_DOUBLE_EQ(g.ymin, -1);
}

} // namespace
} // namespace kx
