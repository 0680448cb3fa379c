#include "VensterHulp.h"
#include "drawing/Opmaak.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"
#include "ui/Document.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLocale>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

#include <deque>
#include <utility>
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
    void Beweeg(QPoint p) { editor.ImageConstructieMouseMove(p.x(), p.y()); }

    QStringList Rij(int rij) const {
        QStringList cellen;
        for (int kolom = 0; kolom < editor.Tabel()->columnCount(); ++kolom) {
            const QTableWidgetItem* item = editor.Tabel()->item(rij, kolom);
            cellen << (item ? item->text() : QString());
        }
        return cellen;
    }

    static QString Getal(double v) {
        return QString::number(v).replace('.', QLocale().decimalPoint());
    }
    QString Gevonden(int soort) const { return editor.GevondenLabel(soort)->text(); }
    QString Hint() const { return editor.Tekenvlak()->toolTip(); }

    const TConstructie& C() const { return document.Constructie().Constructie; }
    std::pair<double, double> Plek(int knoop) const {
        const auto& k = C().Knopen[static_cast<std::size_t>(knoop)];
        return {k.X, k.Y};
    }
    std::pair<int, int> Einden(int staaf) const {
        const auto& s = C().Staven[static_cast<std::size_t>(staaf)];
        return {s.Knoop0, s.Knoop1};
    }

    Teksten teksten;
    TDocument document{teksten};
    TToestand toestand;
    test::NepDialogen dialogen;
    std::deque<std::optional<double>> mpAntwoorden;
    std::vector<double> mpGevraagd;
    TfrmConstructie editor{document, toestand, teksten, dialogen, [this](double huidig) {
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
    document.ZetResultatenGeldig(true);
    QTest::mousePress(editor.Tekenvlak(), Qt::LeftButton, {}, QPoint(80, 80));
    QTest::mouseRelease(editor.Tekenvlak(), Qt::LeftButton, {}, QPoint(280, 80));
    ASSERT_EQ(AantalStaven(C()), 1);
    EXPECT_EQ(Einden(0), std::pair(0, 1));
    EXPECT_EQ(Plek(1), std::pair(7.0, 2.0));
    EXPECT_TRUE(document.Gewijzigd());
    EXPECT_FALSE(document.ResultatenGeldig());

    Sleep(editor, {280, 80}, {280, 200});
    ASSERT_EQ(AantalStaven(C()), 2);
    EXPECT_EQ(Einden(1), std::pair(1, 2));
    EXPECT_EQ(Plek(2), std::pair(7.0, 5.0));

    // The node now joins two bars: a third bar from it is refused.
    Sleep(editor, {280, 80}, {400, 80});
    EXPECT_EQ(AantalStaven(C()), 2);
    EXPECT_EQ(AantalKnopen(C()), 3);

    ASSERT_EQ(editor.Tabs()->currentIndex(), 1);
    ASSERT_EQ(editor.Tabel()->rowCount(), 2);
    EXPECT_EQ(Rij(1), (QStringList{"2", "2", "3", "50"}));
}

TEST_F(ConstructievensterTest, KnoopVerplaatsenEnSamenvoegen) {
    Sleep(editor, {80, 80}, {280, 80});
    Sleep(editor, {80, 200}, {280, 200});
    Kies(TBewerking::KnoopAanpassen);
    EXPECT_EQ(editor.Tabs()->currentIndex(), 0);

    Sleep(editor, {280, 80}, {320, 120});
    EXPECT_EQ(Plek(1), std::pair(8.0, 3.0));
    EXPECT_EQ(Einden(0), std::pair(0, 1));

    // Dropped on the free end of the other bar: one node at the drop point joins both bars.
    Sleep(editor, {320, 120}, {280, 200});
    EXPECT_EQ(AantalKnopen(C()), 3);
    EXPECT_FALSE(C().Knopen[3].Bestaat);
    EXPECT_EQ(Plek(1), std::pair(7.0, 5.0));
    EXPECT_EQ(Einden(1).second, 1);

    // A node that joins two bars cannot be merged into.
    Sleep(editor, {80, 80}, {280, 200});
    EXPECT_EQ(Plek(0), std::pair(2.0, 2.0));
    EXPECT_EQ(AantalKnopen(C()), 3);
    EXPECT_EQ(editor.Tabel()->rowCount(), 3);
}

TEST_F(ConstructievensterTest, BelastingOpHetMiddenDeeltDeStaaf) {
    Sleep(editor, {80, 80}, {280, 80});
    Kies(TBewerking::BelastingToevoegen);
    Sleep(editor, {180, 0}, {180, 80});

    ASSERT_EQ(AantalStaven(C()), 2);
    EXPECT_EQ(Plek(2), std::pair(4.5, 2.0));
    EXPECT_EQ(C().Knopen[2].Vrijheid, VasteVerbinding);
    EXPECT_EQ(Einden(0), std::pair(2, 1));
    EXPECT_EQ(Einden(1), std::pair(0, 2));
    EXPECT_EQ(C().Staven[1].Mp, 50.0);
    const auto& last = C().Belastingen[0];
    EXPECT_TRUE(last.Bestaat);
    EXPECT_EQ(last.Knoop, 2);
    EXPECT_EQ(last.Fy, 2.0);

    ASSERT_EQ(editor.Tabs()->currentIndex(), 2);
    EXPECT_EQ(Rij(0).mid(1), (QStringList{"3", "0", "2"}));
}

// A right click opens the menu of what lies under the mouse and changes nothing itself.
TEST_F(ConstructievensterTest, RechtsDrukkenKiestHetMenuEnLaatDeResultatenStaan) {
    Sleep(editor, {80, 80}, {280, 80});
    Kies(TBewerking::BelastingToevoegen);
    Sleep(editor, {280, 0}, {280, 80}); // a load on the bar's right end, arrow upward

    // At a node at the end of a bar the node wins.
    for (const auto& [plaats, menu] : {std::pair{QPoint(80, 80), editor.PopupKnopen()},
                                       {QPoint(180, 80), editor.PopupStaven()},
                                       {QPoint(280, 40), editor.PopupBelastingen()}}) {
        Rechts(plaats);
        EXPECT_EQ(editor.Popup(), menu) << plaats.x() << ',' << plaats.y();
    }
    Beweeg({280, 40});
    EXPECT_EQ(Hint(), "P = 2F [kN]");

    document.Geschiedenis().setClean();
    document.ZetResultatenGeldig(true);
    const TConstructie voor = C();
    Rechts({400, 400});
    EXPECT_EQ(editor.Popup(), nullptr);
    editor.ImageConstructieMouseUp(Qt::RightButton, 400, 400);
    EXPECT_FALSE(document.Gewijzigd());
    EXPECT_TRUE(document.ResultatenGeldig());
    EXPECT_EQ(C(), voor);
}

TEST_F(ConstructievensterTest, MenuActiesWerkenOpHetItemVanHetOpenen) {
    Sleep(editor, {80, 80}, {280, 80});
    Rechts({80, 80});
    Beweeg({400, 400}); // the mouse goes on to the menu
    for (const auto& [tekst, oplegging, vrijheid] :
         {std::tuple{"Inklemming", Inklemming, VasteVerbinding},
          {"Scharnierende oplegging", Scharnierend, ScharnierendeVerbinding},
          {"Geen oplegging", GeenOplegging, VasteVerbinding}}) {
        Actie(editor.PopupKnopen(), tekst)->trigger();
        EXPECT_EQ(C().Knopen[0].Oplegging, oplegging) << tekst;
        EXPECT_EQ(C().Knopen[0].Vrijheid, vrijheid) << tekst;
    }

    Rechts({180, 80});
    mpAntwoorden = {120.0, std::nullopt};
    Actie(editor.PopupStaven(), "Mp..")->trigger();
    EXPECT_EQ(C().Staven[0].Mp, 120.0);
    Actie(editor.PopupStaven(), "Mp..")->trigger(); // cancelled
    EXPECT_EQ(C().Staven[0].Mp, 120.0);
    EXPECT_EQ(mpGevraagd, (std::vector<double>{50.0, 120.0}));

    Actie(editor.PopupStaven(), "Verwijderen")->trigger();
    EXPECT_EQ(AantalStaven(C()), 0);
    EXPECT_EQ(AantalKnopen(C()), 0);
    EXPECT_EQ(editor.Tabel()->item(0, 0), nullptr);
}

TEST_F(ConstructievensterTest, RaaktestBijHetEindeEnNaastHetMidden) {
    Sleep(editor, {80, 80}, {280, 80}); // 200 pixels long

    Beweeg({284, 80}); // (204 + 4) / 200 = 1.04
    EXPECT_EQ(Gevonden(1), "0");
    Beweeg({180, 87}); // 2 * sqrt(100^2 + 7^2) / 200 = 1.00245
    EXPECT_EQ(Gevonden(1), "1");
    Beweeg({180, 89}); // 2 * sqrt(100^2 + 9^2) / 200 = 1.00404
    EXPECT_EQ(Gevonden(1), "0");

    Beweeg({180, 84});
    EXPECT_EQ(Hint(), "Mp = 50 kNm");
    EXPECT_EQ(editor.PositieLabel(0)->text(), "4" + QLocale().decimalPoint() + "5");
    EXPECT_EQ(editor.PositieLabel(1)->text(), "2");

    Beweeg({80, 80});
    EXPECT_EQ(Gevonden(0), "1");
    EXPECT_EQ(Hint(), "X, Y = 2, 2 [m]");

    Beweeg({400, 400});
    for (int soort = 0; soort < 3; ++soort) {
        EXPECT_EQ(Gevonden(soort), "0");
    }
    EXPECT_TRUE(Hint().isEmpty());
}

TEST_F(ConstructievensterTest, SchaalVerdubbeltDeKnooptabelMaarNietHetBeeld) {
    Sleep(editor, {80, 80}, {280, 80});
    Kies(TBewerking::KnoopAanpassen);
    const QImage voor = editor.Tekenvlak()->grab().toImage();
    document.ZetResultatenGeldig(true);

    editor.Schaal()->stepUp();

    EXPECT_EQ(editor.Schaal()->value(), 2);
    EXPECT_FALSE(document.ResultatenGeldig());
    ASSERT_EQ(editor.Tabel()->rowCount(), 2);
    EXPECT_EQ(Rij(0).mid(1, 2), (QStringList{"4", "4"}));
    EXPECT_EQ(Rij(1).mid(1), (QStringList{"14", "4", "3"}));
    EXPECT_EQ(editor.Tekenvlak()->grab().toImage(), voor);

    // Zoom 48 makes the surface three times the scroll box and the snap step 24 pixels.
    const QSize referentie = editor.Tekenvlak()->parentWidget()->parentWidget()->size();
    editor.Zoom()->setValue(48);
    EXPECT_EQ(editor.Tekenvlak()->size(), referentie * 3);
    Beweeg({240, 96});
    EXPECT_EQ(editor.PositieLabel(0)->text(), "10"); // 5 cells of 2 m
}

TEST_F(ConstructievensterTest, VolleStaaftabelMeldtHetMaximum) {
    for (int i = 0; i < 15; ++i) {
        Sleep(editor, {40 * (i + 1), 40}, {40 * (i + 2), 40});
    }
    ASSERT_EQ(AantalStaven(C()), 15);
    EXPECT_TRUE(dialogen.Meldingen.isEmpty());

    QSignalSpy aanwijzingen(&editor, &TfrmConstructie::Aanwijzing);
    Sleep(editor, {640, 40}, {640, 120});
    EXPECT_EQ(dialogen.Meldingen, QStringList{"15 staven is het maximum"});
    ASSERT_FALSE(aanwijzingen.isEmpty());
    EXPECT_EQ(aanwijzingen.back().at(0).toInt(), TekstStavenVolAanwijzing);
    EXPECT_EQ(AantalStaven(C()), 15);
    EXPECT_EQ(AantalKnopen(C()), 16);
}

// Only an edit that leaves another structure marks it changed; a refused bar says why in the
// hint line.
TEST_F(ConstructievensterTest, AlleenEenEchteWijzigingTelt) {
    Sleep(editor, {80, 80}, {280, 80});
    Sleep(editor, {280, 80}, {280, 200}); // the node at (280, 80) now joins two bars
    QSignalSpy aanwijzingen(&editor, &TfrmConstructie::Aanwijzing);
    struct Geval {
        TBewerking bewerking;
        QPoint van, naar;
        bool gewijzigd;
        int aanwijzing;
    };
    const std::vector<Geval> gevallen{
        {TBewerking::StaafToevoegen, {280, 80}, {400, 80}, false, TekstStaafBeginGeweigerd},
        {TBewerking::StaafToevoegen, {400, 200}, {280, 80}, false, TekstStaafEindGeweigerd},
        {TBewerking::StaafToevoegen, {400, 200}, {400, 200}, false, -1},
        {TBewerking::StaafVerwijderen, {400, 400}, {400, 400}, false, -1},
        {TBewerking::KnoopAanpassen, {80, 80}, {80, 80}, false, -1},
        {TBewerking::KnoopAanpassen, {80, 80}, {80, 40}, true, -1},
        {TBewerking::StaafToevoegen, {400, 200}, {480, 200}, true, -1},
    };
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(g.bewerking) << " " << g.van.x() << ","
                                        << g.van.y() << " > " << g.naar.x() << "," << g.naar.y());
        document.Geschiedenis().setClean();
        aanwijzingen.clear();
        Kies(g.bewerking);
        Sleep(editor, g.van, g.naar);
        EXPECT_EQ(document.Gewijzigd(), g.gewijzigd);
        if (g.bewerking == TBewerking::StaafToevoegen) {
            ASSERT_FALSE(aanwijzingen.isEmpty());
            EXPECT_EQ(aanwijzingen.back().at(0).toInt(), g.aanwijzing);
        }
    }

    // The plastic moment dialog answered with the value the bar already has changes nothing.
    for (const auto& [mp, gewijzigd] : {std::pair{50.0, false}, {60.0, true}}) {
        document.Geschiedenis().setClean();
        mpAntwoorden = {mp};
        Rechts({280, 140});
        Actie(editor.PopupStaven(), "Mp..")->trigger();
        EXPECT_EQ(document.Gewijzigd(), gewijzigd) << mp;
    }
}

// While the mouse works the editor shows the bar being drawn, red where it would be refused,
// and rings the node under the mouse.
TEST_F(ConstructievensterTest, SlepenToontDeStaafEnDeKnoopOnderDeMuis) {
    const auto kleur = [this](QRect r, QColor c) {
        const QImage beeld = editor.Tekenvlak()->grab().toImage();
        int aantal = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor p = beeld.pixelColor(x, y);
                const bool zelfde = std::abs(p.red() - c.red()) < 60 &&
                                    std::abs(p.green() - c.green()) < 60 &&
                                    std::abs(p.blue() - c.blue()) < 60;
                aantal += zelfde ? 1 : 0;
            }
        }
        return aantal;
    };
    Sleep(editor, {80, 80}, {280, 80});
    Sleep(editor, {280, 80}, {280, 200});
    const QRect boven(74, 66, 13, 8); // above the node at (80, 80), clear of the bar
    Beweeg({80, 120});
    EXPECT_EQ(kleur(boven, KleurBlauw), 0);
    Beweeg({80, 80});
    EXPECT_GT(kleur(boven, KleurBlauw), 3);

    const QRect tussen(100, 196, 160, 9); // between (80, 200) and (280, 200)
    editor.ImageConstructieMouseDown(Qt::LeftButton, 80, 200);
    Beweeg({277, 203}); // snaps to (280, 200)
    EXPECT_GT(kleur(tussen, KleurBlauw), 40);
    editor.ImageConstructieMouseUp(Qt::LeftButton, 277, 203);

    editor.ImageConstructieMouseDown(Qt::LeftButton, 280, 80);
    Beweeg({480, 80});
    EXPECT_GT(kleur(QRect(300, 76, 160, 9), KleurRood), 40);
    editor.ImageConstructieMouseUp(Qt::LeftButton, 480, 80);
}

// A node typed into the table lands where a click on the same snap point would find it, at each
// scale and fineness, as one undo step; the drawing follows.
TEST_F(ConstructievensterTest, GetypteKnoopcoordinaatOpHetRaster) {
    struct Geval {
        int schaal;
        int fijnheid;
        QString tekst;
        double x;  // metres
        int pixel; // where the editor draws it at zoom 40
    };
    // At scale 2 a cell of 40 pixels is 2 m; 7.3 m is 3.65 cells.
    const std::vector<Geval> gevallen{{1, 1, "7,3", 7.0, 280},  {1, 2, "7,3", 7.5, 300},
                                      {1, 3, "7.3", 7.25, 290}, {2, 1, "7,3", 8.0, 160},
                                      {2, 2, "7,3", 7.0, 140},  {2, 3, "7,3", 7.5, 150}};
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(testing::Message() << g.schaal << " " << g.fijnheid);
        document.Laad("");
        Kies(TBewerking::StaafToevoegen);
        editor.Fijnheid()->setValue(2);
        Sleep(editor, {80, 80}, {80, 200});
        editor.Schaal()->setValue(g.schaal);
        editor.Fijnheid()->setValue(g.fijnheid);
        Kies(TBewerking::KnoopAanpassen);
        const int stappen = document.Geschiedenis().count();
        editor.ZetCel(1, 1, g.tekst);
        EXPECT_EQ(Plek(1).first, g.x);
        EXPECT_EQ(document.Geschiedenis().count(), stappen + 1);
        EXPECT_EQ(Rij(1)[1], Getal(g.x));
        Beweeg({g.pixel, 200});
        EXPECT_EQ(Gevonden(0), "2");
    }
}

// Refused values leave the structure and the history as they were, put the old value back in
// the cell and say why in the hint line.
TEST_F(ConstructievensterTest, GeweigerdeWaardenLatenAllesStaan) {
    Sleep(editor, {80, 80}, {280, 80});
    Sleep(editor, {280, 80}, {280, 200});
    Kies(TBewerking::BelastingToevoegen);
    Sleep(editor, {280, 0}, {280, 80});
    QSignalSpy weigeringen(&editor, &TfrmConstructie::Weigering);
    struct Geval {
        int tab;
        int kolom;
        QString tekst;
        QString melding;
    };
    const std::vector<Geval> gevallen{
        {0, 1, "x", "Typ een getal, bijvoorbeeld 7,5. De oude waarde blijft staan."},
        {0, 1, "-1", "Een coördinaat ligt tussen 0 en 30 m. De oude waarde blijft staan."},
        {0, 1, "7", "Op die plaats staat al een knoop. De oude waarde blijft staan."},
        {1, 3, "0",
         "Mp is een geheel getal van 1 tot en met 999 kNm. De oude waarde blijft staan."},
        {1, 3, "12,5",
         "Mp is een geheel getal van 1 tot en met 999 kNm. De oude waarde blijft "
         "staan."},
        {2, 2, "40",
         "Een belastingcomponent ligt tussen -30 en 30 F. De oude waarde blijft "
         "staan."},
        {2, 3, "0",
         "Een belasting kan niet nul zijn; verwijder haar met het gereedschap. De oude "
         "waarde blijft staan."},
    };
    const TConstructie voor = C();
    const int stappen = document.Geschiedenis().count();
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(g.tekst.toStdString());
        editor.Tabs()->setCurrentIndex(g.tab);
        const QStringList oud = Rij(0);
        weigeringen.clear();
        editor.ZetCel(0, g.kolom, g.tekst);
        EXPECT_EQ(C(), voor);
        EXPECT_EQ(Rij(0), oud);
        ASSERT_EQ(weigeringen.size(), 1);
        EXPECT_EQ(weigeringen.front().at(0).toString(), g.melding);
    }
    EXPECT_EQ(document.Geschiedenis().count(), stappen);
}

// Typing into a cell goes the same way; Mp and the load follow at once.
TEST_F(ConstructievensterTest, IntypenInDeCelZetDeWaarde) {
    Sleep(editor, {80, 80}, {280, 80});
    Kies(TBewerking::BelastingToevoegen);
    Sleep(editor, {280, 0}, {280, 80});
    editor.Tabel()->item(0, 2)->setText("-1,3");
    QApplication::processEvents();
    EXPECT_EQ(C().Belastingen[0].Fx, -1.5);
    EXPECT_EQ(C().Belastingen[0].Fy, 2.0);
    Kies(TBewerking::StaafToevoegen);
    EXPECT_TRUE(editor.Tabel()->item(0, 3)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(editor.Tabel()->item(0, 1)->flags() & Qt::ItemIsEditable);
    editor.Tabel()->item(0, 3)->setText("75");
    QApplication::processEvents();
    EXPECT_EQ(C().Staven[0].Mp, 75.0);
    Beweeg({180, 80});
    EXPECT_EQ(Hint(), "Mp = 75 kNm");
}

} // namespace
} // namespace kx
