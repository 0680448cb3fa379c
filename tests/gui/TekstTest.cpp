#include "TekenHulp.h"

#include "drawing/Opmaak.h"
#include "drawing/Tekst.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

namespace kx {
namespace {

using test::Inkt;
using test::LinksteInkt;
using test::RechtsteInkt;
using test::WitVlak;

class TekstTest : public ::testing::Test {
protected:
    QImage beeld = WitVlak(600, 300);
    QPainter p{&beeld};
    TOpmaak uitleg = Opmaak(opUitleg);
    int h = RegelHoogte(p, uitleg);

    double Alinea(double links, double rechts, const std::string& tekst) {
        TRechthoek r{links, 10, rechts, 10};
        TekenAlinea(p, r, tekst, Qt::black, uitleg);
        return r.Bottom;
    }
    double Onder(int regels) const {
        return 10 + uitleg.Tekst.Boven + regels * h + uitleg.Tekst.Onder;
    }
};

// A line break ends a line, also an empty one; a closing separator adds nothing.
TEST_F(TekstTest, RegelsTellenMetMarges) {
    ASSERT_GT(h, 10);
    for (const auto& [tekst, regels] :
         {std::pair{"Een korte zin.", 1}, {"a\r\n\r\nb", 3}, {"abc ", 1}, {"abc\r\n", 2}}) {
        EXPECT_DOUBLE_EQ(Alinea(0, 600, tekst), Onder(regels)) << tekst;
    }
}

TEST_F(TekstTest, WoordenLopenDoorOpDeVolgendeRegel) {
    const int woord = QFontMetrics(Lettertype(uitleg.Tekst), &beeld).horizontalAdvance("mmmm");
    // Room for one word between the margins, not for two.
    const double rechts = uitleg.Tekst.Links + 1.5 * woord + uitleg.Tekst.Rechts;
    EXPECT_DOUBLE_EQ(Alinea(0, rechts, "mmmm mmmm mmmm"), Onder(3));
}

TEST_F(TekstTest, TeBreedWoordWordtNietAfgebroken) {
    const double onder = Alinea(100, 140, "Onoverzienbaarheid");
    EXPECT_DOUBLE_EQ(onder, Onder(1));
    EXPECT_GT(RechtsteInkt(beeld, QRect(0, 10, 600, 40)), 200);
}

TEST_F(TekstTest, SymboolWoordTekentHetUnicodeTeken) {
    Alinea(0, 600, "**gdq");
    QImage verwacht = WitVlak(600, 300);
    QPainter q(&verwacht);
    q.setFont(Lettertype(uitleg.Symbool));
    q.setPen(Qt::black);
    const QFontMetrics fm = q.fontMetrics();
    q.drawText(uitleg.Tekst.Links, 10 + uitleg.Tekst.Boven + fm.ascent(), QString::fromUtf8("δθ"));
    q.end();
    p.end();
    EXPECT_EQ(beeld, verwacht);
}

TEST_F(TekstTest, RegelGecentreerdOpDeGetekendeBreedte) {
    const TOpmaak link = Opmaak(opLink);
    const std::string vorige = "¬\u00DC Vorige";
    const QFontMetrics tekst(Lettertype(link.Tekst), &beeld);
    const QFontMetrics symbool(Lettertype(link.Symbool), &beeld);
    // Character by character, as drawn.
    int breedte = symbool.horizontalAdvance(QChar(0x21D0));
    for (const QChar teken : QStringLiteral(" Vorige")) {
        breedte += tekst.horizontalAdvance(teken);
    }
    ASSERT_EQ(RegelBreedte(p, link, vorige), breedte);

    TPunt eind;
    TekenRegel(p, {300, 100}, eind, Qt::black, link, vorige, uitMidden);
    const int begin = static_cast<int>(300 - breedte / 2.0);
    EXPECT_DOUBLE_EQ(eind.x, begin + breedte);
    const QRect regel(0, 100, 600, h + 4);
    EXPECT_GE(LinksteInkt(beeld, regel), begin);
    EXPECT_LE(LinksteInkt(beeld, regel), begin + 3);
    EXPECT_LE(RechtsteInkt(beeld, regel), begin + breedte);
}

// Left-aligned the start is cut to whole pixels; right-aligned the line ends at the anchor.
TEST_F(TekstTest, RegelLinksEnRechtsGevenHetEindeTerug) {
    TPunt eind;
    TekenRegel(p, {20.7, 50}, eind, Qt::black, uitleg, "¬dA = ", uitLinks);
    EXPECT_DOUBLE_EQ(eind.x, 20 + RegelBreedte(p, uitleg, "¬dA = "));
    EXPECT_DOUBLE_EQ(eind.y, 50);

    TekenRegel(p, {300, 100}, eind, Qt::black, uitleg, "0,5 ¬d¬q", uitRechts);
    EXPECT_DOUBLE_EQ(eind.x, 300);
    const QRect regel(0, 100, 600, h);
    EXPECT_LE(RechtsteInkt(beeld, regel), 300);
    EXPECT_GE(RechtsteInkt(beeld, regel), 290);
    EXPECT_GE(LinksteInkt(beeld, regel), 300 - RegelBreedte(p, uitleg, "0,5 ¬d¬q"));
}

} // namespace
} // namespace kx
