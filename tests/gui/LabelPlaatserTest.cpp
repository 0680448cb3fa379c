#include "TekenHulp.h"

#include "drawing/LabelPlaatser.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

using test::Inkt;

class LabelPlaatserTest : public ::testing::Test {
protected:
    QImage beeld = test::WitVlak(200, 100);
    QPainter p{&beeld};
    TOpmaak opmaak = Opmaak(opLabel);
    TLabelPlaatser labels{{0, 0, 200, 100}};
};

// A taken place, whether marked or taken by an earlier label, passes the label on to the next.
TEST_F(LabelPlaatserTest, VolgendePlekAlsDeEersteBezetIs) {
    labels.Bezet({0, 0, 100, 50});
    labels.Plaats(p, Qt::black, opmaak, "50 kNm", {{{10, 10}, uitLinks}, {{110, 60}, uitLinks}});
    labels.Plaats(p, Qt::black, opmaak, "1 F", {{{110, 10}, uitLinks}});
    labels.Plaats(p, Qt::black, opmaak, "2 F", {{{110, 10}, uitLinks}, {{10, 60}, uitLinks}});
    p.end();
    EXPECT_EQ(Inkt(beeld, QRect(0, 0, 100, 50)), 0);
    EXPECT_GT(Inkt(beeld, QRect(110, 60, 90, 40)), 0);
    EXPECT_GT(Inkt(beeld, QRect(10, 60, 60, 20)), 0);
}

// A label whose places are all taken moves away from what it labels until it is clear: one
// written rightward moves right, a centred one up or down.
TEST_F(LabelPlaatserTest, BezetteLabelSchuiftWegTotHetVrijIs) {
    labels.Bezet({95, 0, 125, 40});
    labels.Plaats(p, Qt::black, opmaak, "1 F", {{{105, 10}, uitLinks}});
    labels.Bezet({0, 60, 90, 75});
    labels.Plaats(p, Qt::black, opmaak, "2", {{{40, 62}, uitMidden}});
    p.end();
    EXPECT_EQ(Inkt(beeld, QRect(95, 0, 30, 40)), 0);
    EXPECT_GT(Inkt(beeld, QRect(125, 10, 40, 20)), 0);
    EXPECT_EQ(Inkt(beeld, QRect(0, 60, 90, 15)), 0);
    EXPECT_GT(Inkt(beeld, QRect(30, 40, 20, 60)), 0);
}

TEST_F(LabelPlaatserTest, LabelBuitenHetVlakSchuiftErIn) {
    labels.Plaats(p, Qt::black, opmaak, "3 m", {{{0, 40}, uitRechts}});
    p.end();
    EXPECT_GT(Inkt(beeld, QRect(0, 40, 40, 20)), 0);
}

TEST_F(LabelPlaatserTest, ZelfdeMaatMaarEenKeer) {
    EXPECT_TRUE(labels.NieuweMaat({10, 10}, {10, 50}, "3 m"));
    EXPECT_FALSE(labels.NieuweMaat({10.2, 50}, {10, 10}, "3 m"));
    EXPECT_TRUE(labels.NieuweMaat({10, 10}, {10, 50}, "4 m"));
}

} // namespace
} // namespace kx
