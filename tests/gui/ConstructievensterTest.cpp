#include "VensterHulp.h"
#include "text/Teksten.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLocale>
#include <QSpinBox>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

#include <deque>
#include <vector>

namespace kx {
namespace {

using test::AantalKnopen;
using test::AantalStaven;
using test::Actie;
using test::Sleep;

// The editor on its own, at zoom 40 and fineness 2: a snap step of 20 pixels, so pixel 80 is
// 2 m and pixel 180 is 4.5 m.
class ConstructievensterTest : public ::testing::Test {
protected:
    ConstructievensterTest() { editor.show(); }

    void Kies(TBewerking bewerking) {
        toestand.Bewerking = bewerking;
        editor.ZetBewerking(bewerking);
    }

    void Rechts(QPoint p) { editor.ImageConstructieMouseDown(Qt::RightButton, p.x(), p.y()); }

    QString Cel(int rij, int kolom) const {
        const QTableWidgetItem* item = editor.Tabel()->item(rij, kolom);
        return item ? item->text() : QString();
    }

    QString Gevonden(int soort) const { return editor.GevondenLabel(soort)->text(); }

    const TConstructie& C() const { return constructie.Constructie; }

    Teksten teksten;
    TManipuleerConstructie constructie{teksten};
    TToestand toestand;
    test::NepDialogen dialogen;
    std::deque<std::optional<double>> mpAntwoorden;
    std::vector<double> mpGevraagd;
    TfrmConstructie editor{constructie, toestand, teksten, dialogen, [this](double huidig) {
                               mpGevraagd.push_back(huidig);
                               std::optional<double> antwoord; // Cancel when unscripted
                               if (!mpAntwoorden.empty()) {
                                   antwoord = mpAntwoorden.front();
                                   mpAntwoorden.pop_front();
                               }
                               return antwoord;
                           }};
};

TEST_F(ConstructievensterTest, StaafTekenenEnDoortrekkenVanafVrijUiteinde) {
    toestand.ResultatenGeldig = true;
    QTest::mousePress(editor.Tekenvlak(), Qt::LeftButton, {}, QPoint(80, 80));
    QTest::mouseRelease(editor.Tekenvlak(), Qt::LeftButton, {}, QPoint(280, 80));
    ASSERT_EQ(AantalStaven(C()), 1);
    EXPECT_EQ(C().Staven[0].Knoop0, 0);
    EXPECT_EQ(C().Staven[0].Knoop1, 1);
    EXPECT_EQ(C().Staven[0].Mp, 50.0);
    EXPECT_EQ(C().Knopen[1].X, 7.0);
    EXPECT_EQ(C().Knopen[1].Y, 2.0);
    EXPECT_TRUE(toestand.ConstructieGewijzigd);
    EXPECT_FALSE(toestand.ResultatenGeldig);

    Sleep(editor, {280, 80}, {280, 200});
    ASSERT_EQ(AantalStaven(C()), 2);
    EXPECT_EQ(C().Staven[1].Knoop0, 1);
    EXPECT_EQ(C().Knopen[2].Y, 5.0);

    // The node now joins two bars: a third bar from it is refused.
    Sleep(editor, {280, 80}, {400, 80});
    EXPECT_EQ(AantalStaven(C()), 2);
    EXPECT_EQ(AantalKnopen(C()), 3);

    ASSERT_EQ(editor.Tabs()->currentIndex(), 1);
    ASSERT_EQ(editor.Tabel()->rowCount(), 2);
    EXPECT_EQ(Cel(1, 0), "2");
    EXPECT_EQ(Cel(1, 1), "2");
    EXPECT_EQ(Cel(1, 2), "3");
    EXPECT_EQ(Cel(1, 3), "50");
}

TEST_F(ConstructievensterTest, KnoopVerplaatsenEnSamenvoegen) {
    Sleep(editor, {80, 80}, {280, 80});
    Sleep(editor, {80, 200}, {280, 200});
    Kies(TBewerking::KnoopAanpassen);
    EXPECT_EQ(editor.Tabs()->currentIndex(), 0);

    Sleep(editor, {280, 80}, {320, 120});
    EXPECT_EQ(C().Knopen[1].X, 8.0);
    EXPECT_EQ(C().Knopen[1].Y, 3.0);
    EXPECT_EQ(C().Staven[0].Knoop1, 1);

    // Dropped on the free end of the other bar: one node at the drop point joins both bars.
    Sleep(editor, {320, 120}, {280, 200});
    EXPECT_EQ(AantalKnopen(C()), 3);
    EXPECT_FALSE(C().Knopen[3].Bestaat);
    EXPECT_EQ(C().Knopen[1].X, 7.0);
    EXPECT_EQ(C().Knopen[1].Y, 5.0);
    EXPECT_EQ(C().Staven[1].Knoop1, 1);

    // A node that joins two bars cannot be merged into.
    Sleep(editor, {80, 80}, {280, 200});
    EXPECT_EQ(C().Knopen[0].X, 2.0);
    EXPECT_EQ(AantalKnopen(C()), 3);
    EXPECT_EQ(editor.Tabel()->rowCount(), 3);
}

TEST_F(ConstructievensterTest, BelastingOpHetMiddenDeeltDeStaaf) {
    Sleep(editor, {80, 80}, {280, 80});
    Kies(TBewerking::BelastingToevoegen);
    Sleep(editor, {180, 0}, {180, 80});

    ASSERT_EQ(AantalStaven(C()), 2);
    EXPECT_EQ(C().Knopen[2].X, 4.5);
    EXPECT_EQ(C().Knopen[2].Y, 2.0);
    EXPECT_EQ(C().Knopen[2].Vrijheid, VasteVerbinding);
    EXPECT_EQ(C().Staven[0].Knoop0, 2);
    EXPECT_EQ(C().Staven[0].Knoop1, 1);
    EXPECT_EQ(C().Staven[1].Knoop0, 0);
    EXPECT_EQ(C().Staven[1].Knoop1, 2);
    EXPECT_EQ(C().Staven[1].Mp, 50.0);
    const auto& last = C().Belastingen[0];
    EXPECT_TRUE(last.Bestaat);
    EXPECT_EQ(last.Knoop, 2);
    EXPECT_EQ(last.Fx, 0.0);
    EXPECT_EQ(last.Fy, 2.0);

    ASSERT_EQ(editor.Tabs()->currentIndex(), 2);
    EXPECT_EQ(Cel(0, 1), "3");
    EXPECT_EQ(Cel(0, 2), "0");
    EXPECT_EQ(Cel(0, 3), "2");
}

TEST_F(ConstructievensterTest, RechtsDrukkenKiestHetMenuEnLoslatenMaaktResultatenOngeldig) {
    Sleep(editor, {80, 80}, {280, 80});
    Kies(TBewerking::BelastingToevoegen);
    Sleep(editor, {280, 0}, {280, 80}); // a load on the bar's right end, arrow upward

    Rechts({80, 80}); // a node at the end of a bar: the node wins
    EXPECT_EQ(editor.Popup(), editor.PopupKnopen());
    Rechts({180, 80});
    EXPECT_EQ(editor.Popup(), editor.PopupStaven());
    Rechts({280, 40});
    EXPECT_EQ(editor.Popup(), editor.PopupBelastingen());
    editor.ImageConstructieMouseMove(280, 40);
    EXPECT_EQ(editor.Tekenvlak()->toolTip(), "P = 2F [kN]");

    toestand.ConstructieGewijzigd = false;
    toestand.ResultatenGeldig = true;
    const TConstructie voor = C();
    Rechts({400, 400});
    EXPECT_EQ(editor.Popup(), nullptr);
    EXPECT_TRUE(toestand.ConstructieGewijzigd);
    editor.ImageConstructieMouseUp(Qt::RightButton, 400, 400);
    EXPECT_FALSE(toestand.ResultatenGeldig);
    EXPECT_EQ(C(), voor);
}

TEST_F(ConstructievensterTest, MenuActiesWerkenOpHetItemVanHetOpenen) {
    Sleep(editor, {80, 80}, {280, 80});

    Rechts({80, 80});
    editor.ImageConstructieMouseMove(400, 400); // the mouse goes on to the menu
    Actie(editor.PopupKnopen(), "Inklemming")->trigger();
    EXPECT_EQ(C().Knopen[0].Oplegging, Inklemming);
    EXPECT_EQ(C().Knopen[0].Vrijheid, VasteVerbinding);

    Actie(editor.PopupKnopen(), "Scharnierende oplegging")->trigger();
    EXPECT_EQ(C().Knopen[0].Oplegging, Scharnierend);
    EXPECT_EQ(C().Knopen[0].Vrijheid, ScharnierendeVerbinding);

    Actie(editor.PopupKnopen(), "Geen oplegging")->trigger();
    EXPECT_EQ(C().Knopen[0].Oplegging, GeenOplegging);
    EXPECT_EQ(C().Knopen[0].Vrijheid, VasteVerbinding);

    Rechts({180, 80});
    Actie(editor.PopupStaven(), "Verwijderen")->trigger();
    EXPECT_EQ(AantalStaven(C()), 0);
    EXPECT_EQ(AantalKnopen(C()), 0);
    EXPECT_EQ(editor.Tabel()->item(0, 0), nullptr);
}

TEST_F(ConstructievensterTest, MpViaDeVragerEnAnnulerenLaatHetStaan) {
    Sleep(editor, {80, 80}, {280, 80});
    Rechts({180, 80});
    mpAntwoorden = {120.0, std::nullopt};

    Actie(editor.PopupStaven(), "Mp..")->trigger();
    EXPECT_EQ(C().Staven[0].Mp, 120.0);
    Actie(editor.PopupStaven(), "Mp..")->trigger();
    EXPECT_EQ(C().Staven[0].Mp, 120.0);
    EXPECT_EQ(mpGevraagd, (std::vector<double>{50.0, 120.0}));
}

TEST_F(ConstructievensterTest, RaaktestBijHetEindeEnNaastHetMidden) {
    Sleep(editor, {80, 80}, {280, 80}); // 200 pixels long

    editor.ImageConstructieMouseMove(284, 80); // (204 + 4) / 200 = 1.04
    EXPECT_EQ(Gevonden(1), "0");
    editor.ImageConstructieMouseMove(180, 87); // 2 * sqrt(100^2 + 7^2) / 200 = 1.00245
    EXPECT_EQ(Gevonden(1), "1");
    editor.ImageConstructieMouseMove(180, 89); // 2 * sqrt(100^2 + 9^2) / 200 = 1.00404
    EXPECT_EQ(Gevonden(1), "0");

    editor.ImageConstructieMouseMove(180, 84);
    EXPECT_EQ(editor.Tekenvlak()->toolTip(), "Mp = 50 kNm");
    EXPECT_EQ(editor.PositieLabel(0)->text(), "4" + QLocale().decimalPoint() + "5");
    EXPECT_EQ(editor.PositieLabel(1)->text(), "2");

    editor.ImageConstructieMouseMove(80, 80);
    EXPECT_EQ(Gevonden(0), "1");
    EXPECT_EQ(editor.Tekenvlak()->toolTip(), "X, Y = 2, 2 [m]");

    editor.ImageConstructieMouseMove(400, 400);
    for (int soort = 0; soort < 3; ++soort) {
        EXPECT_EQ(Gevonden(soort), "0");
    }
    EXPECT_TRUE(editor.Tekenvlak()->toolTip().isEmpty());
}

TEST_F(ConstructievensterTest, SchaalVerdubbeltDeKnooptabelMaarNietHetBeeld) {
    Sleep(editor, {80, 80}, {280, 80});
    Kies(TBewerking::KnoopAanpassen);
    const QImage voor = editor.Tekenvlak()->grab().toImage();
    toestand.ResultatenGeldig = true;

    editor.Schaal()->stepUp();

    EXPECT_EQ(editor.Schaal()->value(), 2);
    EXPECT_FALSE(toestand.ResultatenGeldig);
    ASSERT_EQ(editor.Tabel()->rowCount(), 2);
    EXPECT_EQ(Cel(0, 1), "4");
    EXPECT_EQ(Cel(0, 2), "4");
    EXPECT_EQ(Cel(1, 1), "14");
    EXPECT_EQ(Cel(1, 2), "4");
    EXPECT_EQ(Cel(1, 3), "3");
    EXPECT_EQ(editor.Tekenvlak()->grab().toImage(), voor);

    // Zoom 48 makes the surface three times the scroll box and the snap step 24 pixels.
    const QSize referentie = editor.Tekenvlak()->parentWidget()->parentWidget()->size();
    editor.Zoom()->setValue(48);
    EXPECT_EQ(editor.Tekenvlak()->size(), referentie * 3);
    editor.ImageConstructieMouseMove(240, 96);
    EXPECT_EQ(editor.PositieLabel(0)->text(), "10"); // 5 cells of 2 m
}

TEST_F(ConstructievensterTest, VolleStaaftabelMeldtHetMaximum) {
    for (int i = 0; i < 15; ++i) {
        Sleep(editor, {40 * (i + 1), 40}, {40 * (i + 2), 40});
    }
    ASSERT_EQ(AantalStaven(C()), 15);
    EXPECT_TRUE(dialogen.Meldingen.isEmpty());

    Sleep(editor, {640, 40}, {640, 120});
    EXPECT_EQ(dialogen.Meldingen, QStringList{"15 staven is het maximum"});
    EXPECT_EQ(AantalStaven(C()), 15);
    EXPECT_EQ(AantalKnopen(C()), 16);
}

} // namespace
} // namespace kx
