#include "TekenHulp.h"

#include "drawing/Opmaak.h"
#include "drawing/StructuurTekening.h"
#include "drawing/Symbolen.h"
#include "text/Teksten.h"

#include <gtest/gtest.h>

#include <numbers>

namespace kx {
namespace {

using test::Inkt;
using test::WitVlak;

constexpr double pi = std::numbers::pi;

class StructuurTest : public ::testing::Test {
protected:
    Teksten teksten;
    TManipuleerConstructie c{teksten};
    TSelectie gevonden;
    QImage beeld = WitVlak(300, 300);
    TEditorInstellingen instellingen{40, 2, 1};

    void SetUp() override { c.MaakLeeg(); }

    void Knoop(int i, double x, double y, std::int32_t oplegging = GeenOplegging) {
        auto& k = c.Constructie.Knopen[static_cast<std::size_t>(i)];
        k.Bestaat = true;
        k.X = x;
        k.Y = y;
        k.Oplegging = oplegging;
        k.Vrijheid = oplegging == Scharnierend ? ScharnierendeVerbinding : VasteVerbinding;
    }
    void Staaf(int i, int van, int naar, double mp = 50.0) {
        auto& s = c.Constructie.Staven[static_cast<std::size_t>(i)];
        s.Bestaat = true;
        s.Knoop0 = van;
        s.Knoop1 = naar;
        s.Mp = mp;
    }
    void Teken() {
        QPainter p(&beeld);
        TekenConstructie(p, c, gevonden, instellingen, beeld.size());
    }
    // Black pixels only: the grid is green and the node fill red.
    int Zwart(const QRect& r) const { return Inkt(beeld, r, Qt::black); }
};

// Bars of Mp 0, 50 and 1000 at y = 1, 3 and 5 m: the rows of each away from its nodes. The
// bar under the mouse is blue instead of black.
TEST_F(StructuurTest, StaafDikteInPixelsEnGevondenStaafBlauw) {
    const double mp[] = {0, 50, 1000};
    for (int i = 0; i < 3; ++i) {
        Knoop(2 * i, 1, 1 + 2 * i);
        Knoop(2 * i + 1, 6, 1 + 2 * i);
        Staaf(i, 2 * i, 2 * i + 1, mp[i]);
    }
    gevonden.GevondenStaaf = 1;
    Teken();
    EXPECT_EQ(Zwart(QRect(150, 20, 1, 40)), 1);
    EXPECT_EQ(Inkt(beeld, QRect(150, 100, 1, 40), QColor(0, 0, 255)), 2);
    EXPECT_EQ(Zwart(QRect(150, 180, 1, 40)), 6);
}

TEST_F(StructuurTest, ScharnierendeOpleggingOnderEenKolom) {
    Knoop(0, 2, 1);
    Knoop(1, 2, 3, Scharnierend);
    Staaf(0, 0, 1);
    Teken();
    // Node at (80, 120): the triangle's base lies 11 pixels below it, nothing lies beside it.
    EXPECT_GT(Zwart(QRect(70, 129, 21, 5)), 10);
    EXPECT_EQ(Zwart(QRect(60, 110, 15, 16)), 0);
    EXPECT_EQ(Zwart(QRect(86, 110, 15, 16)), 0);
}

TEST_F(StructuurTest, InklemmingLinksVanEenLiggerHeeftArceringLinks) {
    Knoop(0, 2, 2, Inklemming);
    Knoop(1, 5, 2);
    Staaf(0, 0, 1);
    Teken();
    // Node at (80, 80): hatch strokes between x = 75 and 80, nothing further left.
    EXPECT_GT(Zwart(QRect(75, 70, 5, 21)), 4);
    EXPECT_EQ(Zwart(QRect(60, 65, 14, 31)), 0);
}

TEST_F(StructuurTest, NulBelastingTekentAlleenEenPijlpuntOmhoog) {
    Knoop(0, 2, 2);
    Knoop(1, 5, 2);
    Staaf(0, 0, 1, 0);
    auto& last = c.Constructie.Belastingen[0];
    last.Bestaat = true;
    last.Knoop = 0;
    Teken();
    // The head's tip touches the node at (80, 80) and its body lies below, widening downward.
    const auto rood = [&](int y) { return Inkt(beeld, QRect(65, y, 31, 1), QColor(255, 0, 0)); };
    EXPECT_EQ(rood(70), 0);
    EXPECT_EQ(rood(76), 0);
    EXPECT_GT(rood(92), rood(86));
    EXPECT_GT(rood(86), 0);
}

TEST(Belastingpijl, KopRaaktHetPuntEnSchachtLigtAanDeKantVanDeKracht) {
    QImage beeld = WitVlak(200, 200);
    QPainter p(&beeld);
    // A force pointing right (angle 0): tail 50 pixels to the left.
    TekenBelasting(p, Qt::black, Qt::black, 1.0, Opmaak(opLabel), "", {100, 100}, 0.0, 50.0);
    p.end();
    EXPECT_GT(Inkt(beeld, QRect(50, 99, 40, 3)), 30);
    EXPECT_EQ(Inkt(beeld, QRect(102, 90, 50, 20)), 0);
    EXPECT_GT(Inkt(beeld, QRect(85, 95, 14, 11)), 20);
}

TEST(Symbolen, RolOpleggingRechtsBijHoekPi) {
    QImage beeld = WitVlak(200, 200);
    QPainter p(&beeld);
    TekenRolscharnier(p, Qt::black, Qt::white, 1.0, Opmaak(opTekening), "", {100, 100}, pi);
    p.end();
    // Ground line 16 pixels right of the node, nothing to its left.
    EXPECT_GT(Inkt(beeld, QRect(115, 88, 3, 25)), 15);
    EXPECT_EQ(Inkt(beeld, QRect(70, 85, 25, 30)), 0);
}

TEST(Grid, DunneLijnenPerSnapstapEnDikkeCelgrenzen) {
    QImage beeld = WitVlak(200, 200);
    QPainter p(&beeld);
    TekenGrid(p, 200, 200, 40, 3);
    p.end();
    const QColor groen(192, 220, 192);
    EXPECT_EQ(beeld.pixelColor(10, 5), groen);
    EXPECT_EQ(Inkt(beeld, QRect(8, 5, 5, 1), groen), 1);
    EXPECT_EQ(beeld.pixelColor(15, 5), QColor(Qt::white));
    EXPECT_EQ(Inkt(beeld, QRect(37, 5, 7, 1), groen), 2);
}

} // namespace
} // namespace kx
