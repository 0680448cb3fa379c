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

TEST(Opmaak, StijlenEnLettertypen) {
    const TOpmaak titel = Opmaak(opTitel);
    EXPECT_EQ(titel.Tekst.Naam, "Arial");
    EXPECT_EQ(titel.Tekst.Grootte, 14);
    EXPECT_EQ(titel.Tekst.Stijl, fsVet | fsOnderstreept);
    EXPECT_EQ(titel.Symbool.Naam, "Symbol");
    EXPECT_EQ(titel.Symbool.Stijl, fsGeen);
    EXPECT_EQ(Opmaak(opLink).Symbool.Stijl, fsOnderstreept);
    EXPECT_EQ(Opmaak(opBerekening).Tekst.Links, 40);

    TOpmaak ongewijzigd = titel;
    VulOpmaak(9, ongewijzigd);
    EXPECT_EQ(ongewijzigd.Tekst.Grootte, 14);

    const QFont font = Lettertype(Opmaak(opBerekening).Tekst);
    EXPECT_TRUE(font.italic());
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 10.0);
    EXPECT_EQ(QFontInfo(Lettertype(titel.Symbool)).family(), "DejaVu Sans");
}

TEST(Opmaak, SymboolTekensAlsUnicode) {
    EXPECT_EQ(SymboolTeken(U'd'), QString(QChar(0x03B4)));
    EXPECT_EQ(SymboolTeken(U'q'), QString(QChar(0x03B8)));
    EXPECT_EQ(SymboolTeken(U'\u00D7'), QString(QChar(0x22C5)));
    EXPECT_EQ(SymboolTeken(U'\u00B4'), QString(QChar(0x00D7)));
    EXPECT_EQ(SymboolTeken(U'\u00DC'), QString(QChar(0x21D0)));
    EXPECT_EQ(SymboolTeken(U'\u00A5'), QString(QChar(0x221E)));
}

TEST_F(TekstTest, EenRegelEindigtOpHoogtePlusMarges) {
    EXPECT_GT(h, 10);
    EXPECT_DOUBLE_EQ(Alinea(0, 600, "Een korte zin."), Onder(1));
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

TEST_F(TekstTest, LegeRegelEnAfsluitendeScheiding) {
    EXPECT_DOUBLE_EQ(Alinea(0, 600, "a\r\n\r\nb"), Onder(3));
    EXPECT_DOUBLE_EQ(Alinea(0, 600, "abc "), Onder(1));
    EXPECT_DOUBLE_EQ(Alinea(0, 600, "abc\r\n"), Onder(2));
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

TEST_F(TekstTest, RegelLinksGeeftHetEindeTerug) {
    TPunt eind;
    TekenRegel(p, {20.7, 50}, eind, Qt::black, uitleg, "¬dA = ", uitLinks);
    EXPECT_DOUBLE_EQ(eind.x, 20 + RegelBreedte(p, uitleg, "¬dA = "));
    EXPECT_DOUBLE_EQ(eind.y, 50);
}

TEST_F(TekstTest, RegelGecentreerdOpDeGetekendeBreedte) {
    const TOpmaak link = Opmaak(opLink);
    const std::string vorige = "¬\u00DC Vorige";
    const QFontMetrics tekst(Lettertype(link.Tekst), &beeld);
    const QFontMetrics symbool(Lettertype(link.Symbool), &beeld);
    const int breedte = symbool.horizontalAdvance(QChar(0x21D0)) + tekst.horizontalAdvance(" ") +
                        tekst.horizontalAdvance("V") + tekst.horizontalAdvance("o") +
                        tekst.horizontalAdvance("r") + tekst.horizontalAdvance("i") +
                        tekst.horizontalAdvance("g") + tekst.horizontalAdvance("e");
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

TEST_F(TekstTest, RegelRechtsEindigtBijHetAnker) {
    TPunt eind;
    TekenRegel(p, {300, 100}, eind, Qt::black, uitleg, "0,5 ¬d¬q", uitRechts);
    EXPECT_DOUBLE_EQ(eind.x, 300);
    const QRect regel(0, 100, 600, h);
    EXPECT_LE(RechtsteInkt(beeld, regel), 300);
    EXPECT_GE(RechtsteInkt(beeld, regel), 290);
    EXPECT_GE(LinksteInkt(beeld, regel), 300 - RegelBreedte(p, uitleg, "0,5 ¬d¬q"));
}

} // namespace
} // namespace kx
