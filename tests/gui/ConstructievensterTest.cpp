#include "Hulp.h"

namespace kx {
namespace {

using test::Aantal;
using test::Actie;
using test::Sleep;

// The editor on its own, at zoom 40 and fineness 2: a snap step of 20 pixels, so pixel 80 is
// 2 m and pixel 180 is 4.5 m.
class Constructievenster : public test::EditorBasis {
protected:
    void Rechts(QPoint p) { editor.ImageConstructieMouseDown(Qt::RightButton, p.x(), p.y()); }
    void Beweeg(QPoint p) { editor.ImageConstructieMouseMove(p.x(), p.y()); }

    QString Gevonden(int soort) const { return editor.GevondenLabel(soort)->text(); }
    QString Hint() const { return editor.Tekenvlak()->toolTip(); }

    std::pair<double, double> Plek(int knoop) const {
        const auto& k = C().Knopen[static_cast<std::size_t>(knoop)];
        return {k.X, k.Y};
    }
    std::pair<int, int> Einden(int staaf) const {
        const auto& s = C().Staven[static_cast<std::size_t>(staaf)];
        return {s.Knoop0, s.Knoop1};
    }
};

// Mouse drags on the grid draw bars (on from any node), move and merge nodes and put a load on
// the middle of a bar; the table shows the active tool's rows.
TEST_F(Constructievenster, MuisBewerkingenOpHetRaster) {
    document.ZetResultatenGeldig(true);
    QTest::mousePress(editor.Tekenvlak(), Qt::LeftButton, {}, QPoint(80, 80));
    QTest::mouseRelease(editor.Tekenvlak(), Qt::LeftButton, {}, QPoint(280, 80));
    ASSERT_EQ(Aantal(C().Staven), 1);
    EXPECT_EQ(Einden(0), std::pair(0, 1));
    EXPECT_EQ(Plek(1), std::pair(7.0, 2.0));
    EXPECT_TRUE(document.Gewijzigd());
    EXPECT_FALSE(document.ResultatenGeldig());
    Sleep(editor, {280, 80}, {280, 200});
    ASSERT_EQ(Aantal(C().Staven), 2);
    EXPECT_EQ(Einden(1), std::pair(1, 2));
    EXPECT_EQ(Plek(2), std::pair(7.0, 5.0));
    // From a node that joins two bars a third one makes a T-joint.
    Sleep(editor, {280, 80}, {400, 80});
    EXPECT_EQ(Aantal(C().Staven), 3);
    EXPECT_EQ(Aantal(C().Knopen), 4);
    ASSERT_EQ(editor.Tabs()->currentIndex(), 1);
    ASSERT_EQ(editor.Tabel()->rowCount(), 3);
    EXPECT_EQ(Rij(1), (QStringList{"2", "2", "3", "50"}));

    Sleep(editor, {80, 320}, {280, 320});
    Kies(TBewerking::KnoopAanpassen);
    EXPECT_EQ(editor.Tabs()->currentIndex(), 0);
    Sleep(editor, {280, 320}, {320, 280});
    EXPECT_EQ(Plek(5), std::pair(8.0, 7.0));
    // Dropped on the free end of the other bar: one node at the drop point joins both bars.
    Sleep(editor, {320, 280}, {280, 200});
    EXPECT_EQ(Aantal(C().Knopen), 5);
    EXPECT_FALSE(C().Knopen[2].Bestaat);
    EXPECT_EQ(Plek(5), std::pair(7.0, 5.0));
    // Merging (2, 8) into (7, 2) would double the bar both have to (7, 5): refused.
    Sleep(editor, {80, 320}, {280, 80});
    EXPECT_EQ(Plek(4), std::pair(2.0, 8.0));
    EXPECT_EQ(editor.Tabel()->rowCount(), 5);

    Kies(TBewerking::BelastingToevoegen);
    Sleep(editor, {180, 0}, {180, 80});
    ASSERT_EQ(Aantal(C().Staven), 5);
    const auto& last = C().Belastingen[0];
    ASSERT_EQ(last.Knoop, 2); // the first free slot
    EXPECT_EQ(Plek(2), std::pair(4.5, 2.0));
    EXPECT_EQ(last.Fy, 2.0);
    ASSERT_EQ(editor.Tabs()->currentIndex(), 2);
    EXPECT_EQ(Rij(0).mid(1), (QStringList{"3", "0", "2"}));
}

// A right click opens the menu of what lies under the mouse, a node winning at the end of a bar,
// and changes nothing itself; the menu's actions work on the item it was opened for.
TEST_F(Constructievenster, RechtsMenuVanHetItemOnderDeMuis) {
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

    Kies(TBewerking::BelastingToevoegen);
    Sleep(editor, {280, 0}, {280, 80}); // a load on the bar's right end, arrow upward
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

    Rechts({280, 40});
    Actie(editor.PopupBelastingen(), "Verwijderen")->trigger();
    EXPECT_EQ(Aantal(C().Belastingen), 0);
    Rechts({180, 80});
    Actie(editor.PopupStaven(), "Verwijderen")->trigger();
    EXPECT_EQ(Aantal(C().Staven), 0);
    EXPECT_EQ(Aantal(C().Knopen), 0);
    EXPECT_EQ(editor.Tabel()->item(0, 0), nullptr);
}

// A bar is found near its line and not beyond its ends; the hint and the position labels follow
// the mouse.
TEST_F(Constructievenster, RaaktestEnSchaal) {
    Sleep(editor, {80, 80}, {280, 80}); // 200 pixels long
    for (const auto& [plaats, gevonden] :
         {std::pair{QPoint(284, 80), "0"}, // (204 + 4) / 200 = 1.04
          {QPoint(180, 87), "1"},          // 2 * sqrt(100^2 + 7^2) / 200 = 1.00245
          {QPoint(180, 89), "0"}}) {       // 2 * sqrt(100^2 + 9^2) / 200 = 1.00404
        Beweeg(plaats);
        EXPECT_EQ(Gevonden(1), gevonden) << plaats.x() << ',' << plaats.y();
    }
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

    // Scale 2 doubles the node table but not the picture.
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

// Only an edit that leaves another structure marks it changed; a refused bar says why in the
// hint line, also the one a full table has no room for.
TEST_F(Constructievenster, AlleenEenEchteWijzigingTelt) {
    Sleep(editor, {80, 80}, {280, 80});
    Sleep(editor, {280, 80}, {280, 200});
    // From (0, 0) to (3.5, 0.5): no half-metre grid point lies inside this bar.
    Sleep(editor, {0, 0}, {140, 20});
    QSignalSpy aanwijzingen(&editor, &TfrmConstructie::Aanwijzing);
    struct Geval {
        TBewerking bewerking;
        QPoint van, naar;
        bool gewijzigd;
        int aanwijzing;
    };
    const std::vector<Geval> gevallen{
        {TBewerking::StaafToevoegen, {70, 10}, {400, 80}, false, TekstStaafBeginGeweigerd},
        {TBewerking::StaafToevoegen, {400, 200}, {70, 10}, false, TekstStaafEindGeweigerd},
        {TBewerking::BelastingToevoegen, {70, 100}, {70, 10}, false, TekstGeenRasterpuntOpStaaf},
        {TBewerking::KnoopAanpassen, {280, 200}, {70, 10}, false, TekstGeenRasterpuntOpStaaf},
        // Along its own bar a node moves without a word: (3.5, 0.5) to (3, 0.5) by its bar.
        {TBewerking::KnoopAanpassen, {140, 20}, {120, 20}, true, -1},
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
        if (g.bewerking == TBewerking::StaafToevoegen ||
            g.bewerking == TBewerking::KnoopAanpassen) {
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

    // Bars beyond the 16 slots of an empty structure: the table grows one slot at a time, the
    // bars tab shows every bar, and an undo takes the grown slot back.
    Kies(TBewerking::StaafToevoegen);
    for (int i = 0; i < 13; ++i) {
        Sleep(editor, {40 * (i + 1), 600}, {40 * (i + 2), 600});
    }
    ASSERT_EQ(Aantal(C().Staven), 17);
    EXPECT_EQ(C().Staven.size(), 17U);
    EXPECT_TRUE(dialogen.Meldingen.isEmpty());
    editor.Tabs()->setCurrentIndex(1);
    ASSERT_EQ(editor.Tabel()->rowCount(), 17);
    EXPECT_EQ(Rij(16).at(0), "17");
    document.Geschiedenis().undo();
    EXPECT_EQ(Aantal(C().Staven), 16);
    EXPECT_EQ(C().Staven.size(), 16U);
    EXPECT_EQ(editor.Tabel()->rowCount(), 16);
    document.Geschiedenis().redo();
    EXPECT_EQ(C().Staven.size(), 17U);

    // A table with MaxSlots bars in use takes no more: the release says so and the hint line
    // tells why. Copies of the first bar fill it here, faster than drawing them.
    document.Bewerk("vullen", [](TConstructie& c) {
        const TConstructieStaaf eerste = c.Staven[0];
        c.Staven.resize(MaxSlots, eerste);
    });
    ASSERT_EQ(Aantal(C().Staven), MaxSlots);
    const int knopen = Aantal(C().Knopen);
    aanwijzingen.clear();
    Sleep(editor, {600, 600}, {600, 680});
    EXPECT_EQ(dialogen.Meldingen, QStringList{"999 staven is het maximum"});
    ASSERT_FALSE(aanwijzingen.isEmpty());
    EXPECT_EQ(aanwijzingen.back().at(0).toInt(), TekstStavenVolAanwijzing);
    EXPECT_EQ(Aantal(C().Staven), MaxSlots);
    EXPECT_EQ(Aantal(C().Knopen), knopen);
}

// While the mouse works the editor shows the bar being drawn, red where it would be refused,
// and rings the node under the mouse.
TEST_F(Constructievenster, SlepenToontDeStaafEnDeKnoopOnderDeMuis) {
    const auto kleur = [this](QRect r, QColor c) {
        const QImage beeld = editor.Tekenvlak()->grab().toImage();
        int aantal = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor p = beeld.pixelColor(x, y);
                aantal += std::abs(p.red() - c.red()) < 60 &&
                                  std::abs(p.green() - c.green()) < 60 &&
                                  std::abs(p.blue() - c.blue()) < 60
                              ? 1
                              : 0;
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

    editor.ImageConstructieMouseDown(Qt::LeftButton, 80, 200);
    Beweeg({277, 203}); // snaps to (280, 200)
    EXPECT_GT(kleur(QRect(100, 196, 160, 9), KleurBlauw), 40);
    editor.ImageConstructieMouseUp(Qt::LeftButton, 277, 203);
    // Pressed on a bar without a grid point near, the drag is drawn refused.
    Sleep(editor, {0, 0}, {140, 20});
    editor.ImageConstructieMouseDown(Qt::LeftButton, 70, 10);
    Beweeg({280, 20});
    EXPECT_GT(kleur(QRect(100, 16, 160, 9), KleurRood), 40);
    editor.ImageConstructieMouseUp(Qt::LeftButton, 280, 20);
}

// Refused values leave the structure and the history as they were, put the old value back in
// the cell and say why in the hint line.
TEST_F(Constructievenster, GeweigerdeWaardenLatenAllesStaan) {
    Sleep(editor, {80, 80}, {280, 80});
    Sleep(editor, {280, 80}, {280, 200});
    Kies(TBewerking::BelastingToevoegen);
    Sleep(editor, {280, 0}, {280, 80});
    QSignalSpy weigeringen(&editor, &TfrmConstructie::Weigering);
    const QString blijft = " De oude waarde blijft staan.";
    const QString mp = "Mp is een geheel getal van 1 tot en met 999 kNm." + blijft;
    const std::vector<std::tuple<int, int, QString, QString>> gevallen{
        {0, 1, "x", "Typ een getal, bijvoorbeeld 7,5." + blijft},
        {0, 1, "-1", "Een coördinaat ligt tussen 0 en 30 m." + blijft},
        {0, 1, "7", "Op die plaats staat al een knoop." + blijft},
        {1, 3, "0", mp},
        {1, 3, "12,5", mp},
        {2, 2, "40", "Een belastingcomponent ligt tussen -30 en 30 F." + blijft},
        {2, 3, "0",
         "Een belasting kan niet nul zijn; verwijder haar met het gereedschap." + blijft},
    };
    const TConstructie voor = C();
    const int stappen = document.Geschiedenis().count();
    for (const auto& [tab, kolom, tekst, melding] : gevallen) {
        SCOPED_TRACE(tekst.toStdString());
        editor.Tabs()->setCurrentIndex(tab);
        const QStringList oud = Rij(0);
        weigeringen.clear();
        editor.ZetCel(0, kolom, tekst);
        EXPECT_EQ(C(), voor);
        EXPECT_EQ(Rij(0), oud);
        ASSERT_EQ(weigeringen.size(), 1);
        EXPECT_EQ(weigeringen.front().at(0).toString(), melding);
    }
    EXPECT_EQ(document.Geschiedenis().count(), stappen);
}

// Typing into a cell goes the same way; Mp and the load follow at once. A node typed into the
// table lands where a click on the same snap point would find it, as one undo step; the drawing
// follows. At scale 2 a cell of 40 pixels is 2 m.
TEST_F(Constructievenster, IntypenInDeCelZetDeWaarde) {
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

    struct Geval {
        int schaal, fijnheid;
        QString tekst, getoond;
        double x;  // metres
        int pixel; // where the editor draws it at zoom 40
    };
    for (const Geval& g : {Geval{1, 3, "7.3", "7" + QLocale().decimalPoint() + "25", 7.25, 290},
                           Geval{2, 1, "7,3", "8", 8.0, 160}}) {
        SCOPED_TRACE(testing::Message() << g.schaal << " " << g.fijnheid);
        document.Laad("");
        Kies(TBewerking::StaafToevoegen);
        Sleep(editor, {80, 80}, {80, 200});
        editor.Schaal()->setValue(g.schaal);
        editor.Fijnheid()->setValue(g.fijnheid);
        Kies(TBewerking::KnoopAanpassen);
        const int stappen = document.Geschiedenis().count();
        editor.ZetCel(1, 1, g.tekst);
        EXPECT_EQ(Plek(1).first, g.x);
        EXPECT_EQ(document.Geschiedenis().count(), stappen + 1);
        EXPECT_EQ(Rij(1)[1], g.getoond);
        Beweeg({g.pixel, 200});
        EXPECT_EQ(Gevonden(0), "2");
    }
}

// A continuous beam drawn with the mouse stays continuous over a roller put on its inner node;
// a column pressed on the middle of the beam joins it in a T-joint; a hinge set on the inner
// support keeps the support. Each edit is one undo step, and undo walks back through them all.
TEST_F(Constructievenster, DoorgaandeLiggerEnTVerbindingMetDeMuis) {
    std::vector<TConstructie> standen{C()};
    const auto stap = [&](const std::function<void()>& doe) {
        doe();
        ASSERT_FALSE(ZelfdeStructuur(C(), standen.back()));
        standen.push_back(C());
    };
    stap([&] { Sleep(editor, {80, 80}, {240, 80}); });  // (2, 2) to (6, 2)
    stap([&] { Sleep(editor, {240, 80}, {400, 80}); }); // on to (10, 2)
    stap([&] {
        Rechts({240, 80});
        Actie(editor.PopupKnopen(), "Rolscharnier horizontaal")->trigger();
    });
    const int binnen = 1;
    EXPECT_EQ(C().Knopen[binnen].Oplegging, RolHorizontaal);
    EXPECT_EQ(C().Knopen[binnen].Vrijheid, VasteVerbinding);
    // Pressed on the beam at (4, 2), a column down to (4, 5) joins the beam there.
    stap([&] { Sleep(editor, {160, 80}, {160, 200}); });
    const int t = static_cast<int>(std::find_if(C().Knopen.begin(), C().Knopen.end(),
                                                [](const TConstructieKnoop& k) {
                                                    return k.Bestaat && k.X == 4.0 && k.Y == 2.0;
                                                }) -
                                   C().Knopen.begin());
    ASSERT_LT(t, static_cast<int>(C().Knopen.size()));
    EXPECT_EQ(Aantal(C().Staven), 4);
    stap([&] {
        Rechts({240, 80});
        Actie(editor.PopupKnopen(), "Scharnierende verbinding")->trigger();
    });
    EXPECT_EQ(C().Knopen[binnen].Oplegging, RolHorizontaal);
    EXPECT_EQ(C().Knopen[binnen].Vrijheid, ScharnierendeVerbinding);

    for (int i = static_cast<int>(standen.size()) - 2; i >= 0; --i) {
        document.Geschiedenis().undo();
        EXPECT_TRUE(ZelfdeStructuur(C(), standen[static_cast<std::size_t>(i)])) << i;
    }
}

} // namespace
} // namespace kx
