#include "Hulp.h"
#include "drawing/StructuurTekening.h"
#include "drawing/Symbolen.h"

#include <QAction>
#include <QMenuBar>

#include <numbers>

namespace kx {
namespace {

using test::Aantal;
using test::Actie;
using test::Inkt;
using test::Sleep;
using test::WitVlak;

using std::numbers::pi;

// The editor on its own at zoom 40 and fineness 2: a snap step of 20 pixels, 40 pixels a metre.
// A beam of 6 m from (2, 4) to (8, 4), clamped left and on a roller right, is drawn first.
class VerdeeldeBelastingVenster : public test::EditorBasis {
protected:
    VerdeeldeBelastingVenster() {
        Sleep(editor, {80, 160}, {320, 160});
        document.Bewerk({}, [](TConstructie& c) {
            c.Knopen[0].Oplegging = Inklemming;
            c.Knopen[1].Oplegging = RolHorizontaal;
            c.Knopen[1].Vrijheid = ScharnierendeVerbinding;
        });
        Kies(TBewerking::VerdeeldeBelastingToevoegen);
    }

    QImage Tekening() const {
        QImage beeld = WitVlak(480, 320);
        QPainter p(&beeld);
        TekenConstructie(p, C(), TSelectie{}, editor.Instellingen(), beeld.size());
        return beeld;
    }
};

// A drag from two cells above the beam onto it puts q = 2 F/m on the whole beam, one undo step
// that the table follows; a second drag replaces it; a release beside the bar places nothing.
TEST_F(VerdeeldeBelastingVenster, SlepenNaarDeStaafPlaatstEenStapTerugTeDraaien) {
    EXPECT_EQ(editor.Tabs()->currentIndex(), 3);
    EXPECT_EQ(editor.Tabs()->tabText(3), "Verdeelde belastingen");
    Sleep(editor, {200, 80}, {200, 160});
    ASSERT_EQ(Aantal(C().VerdeeldeBelastingen), 1);
    EXPECT_EQ(C().VerdeeldeBelastingen[0], (TConstructieVerdeeldeBelasting{0, 0.0, 2.0, true}));
    EXPECT_EQ(Aantal(C().Staven), 1); // the bar is not split
    EXPECT_EQ(document.Geschiedenis().undoText(), "verdeelde belasting toevoegen");
    ASSERT_EQ(editor.Tabel()->rowCount(), 1);
    EXPECT_EQ(Rij(0), (QStringList{"1", "1", "0", "2"}));

    Sleep(editor, {140, 200}, {160, 160});
    EXPECT_EQ(C().VerdeeldeBelastingen[0], (TConstructieVerdeeldeBelasting{0, 0.5, -1.0, true}));
    Sleep(editor, {200, 80}, {200, 260});
    EXPECT_EQ(Aantal(C().VerdeeldeBelastingen), 1);
    document.Geschiedenis().undo();
    EXPECT_EQ(C().VerdeeldeBelastingen[0], (TConstructieVerdeeldeBelasting{0, 0.0, 2.0, true}));
    EXPECT_EQ(Rij(0), (QStringList{"1", "1", "0", "2"}));
    document.Geschiedenis().undo();
    EXPECT_EQ(Aantal(C().VerdeeldeBelastingen), 0);
    EXPECT_EQ(Aantal(C().Staven), 1);
    document.Geschiedenis().redo();
    EXPECT_EQ(C().VerdeeldeBelastingen[0].Qy, 2.0);

    // The mouse over the arrows finds the load: the label, the hint, and a blue fill.
    editor.ImageConstructieMouseMove(200, 120);
    EXPECT_EQ(editor.GevondenLabel(3)->text(), "1");
    EXPECT_EQ(editor.Tekenvlak()->toolTip(), "q = 2F/m [kN/m]");
    editor.ImageConstructieMouseMove(200, 40);
    EXPECT_EQ(editor.GevondenLabel(3)->text(), "0");
}

// Typed components are checked in the core: a value within the bounds is one step, zero for
// both or out of bounds is refused with the reason and the old value stays.
TEST_F(VerdeeldeBelastingVenster, TabelNeemtGetypteComponentenOverOfWeigertZe) {
    Sleep(editor, {200, 80}, {200, 160});
    QStringList weigeringen;
    QObject::connect(&editor, &TfrmConstructie::Weigering,
                     [&](const QString& tekst) { weigeringen << tekst; });
    editor.ZetCel(0, 3, "11.657");
    EXPECT_EQ(C().VerdeeldeBelastingen[0].Qy, 11.657);
    EXPECT_EQ(Rij(0)[3], "11.657");
    EXPECT_EQ(document.Geschiedenis().undoText(), "verdeelde belasting wijzigen");
    editor.ZetCel(0, 2, "-0,5");
    EXPECT_EQ(C().VerdeeldeBelastingen[0].Qx, -0.5);
    editor.ZetCel(0, 2, "0");
    editor.ZetCel(0, 3, "0");
    editor.ZetCel(0, 3, "0.0001");
    EXPECT_EQ(C().VerdeeldeBelastingen[0], (TConstructieVerdeeldeBelasting{0, 0.0, 11.657, true}));
    ASSERT_EQ(weigeringen.size(), 2);
    EXPECT_TRUE(weigeringen[0].startsWith("Een belasting kan niet nul zijn"))
        << weigeringen[0].toStdString();
    EXPECT_TRUE(weigeringen[1].startsWith("Een component van een verdeelde belasting"))
        << weigeringen[1].toStdString();
    EXPECT_EQ(Rij(0)[3], "11.657");
    // Bar and load numbers change only in the drawing.
    editor.ZetCel(0, 1, "2");
    EXPECT_EQ(C().VerdeeldeBelastingen[0].Staaf, 0);
}

// The row of arrows: a head at both ends of the bar and every 24 pixels between, each filled red
// just on the side of its tail and nothing on the other side of the bar, the tails joined by a
// line two cells away; the label is all that differs from the same picture without it, and lies
// beyond that line. Upward, the same below the bar.
TEST_F(VerdeeldeBelastingVenster, TekeningToontDePijlenAanDeGoedeKant) {
    Sleep(editor, {200, 80}, {200, 160});
    const auto pijlen = VerdeeldePijlen(240.0);
    ASSERT_EQ(pijlen.size(), 11u);
    for (const bool omhoog : {false, true}) {
        const QImage beeld = Tekening();
        const int kant = omhoog ? 1 : -1;
        for (const double deel : pijlen) {
            const int x = 80 + static_cast<int>(std::lround(deel * 240.0));
            EXPECT_GT(Inkt(beeld, QRect(x - 1, 160 + kant * 8 - 1, 3, 3), KleurRood), 0)
                << x << (omhoog ? " up" : " down");
            EXPECT_EQ(Inkt(beeld, QRect(x - 1, 160 - kant * 8 - 1, 3, 3), KleurRood), 0) << x;
        }
        EXPECT_EQ(Inkt(beeld, QRect(80 + 12 - 1, 160 + kant * 8 - 1, 3, 3), KleurRood), 0);
        const int staarten = 160 + kant * 80;
        EXPECT_GE(Inkt(beeld, QRect(90, staarten, 220, 1), KleurZwart), 200);

        TConstructie zonder = C();
        zonder.VerdeeldeBelastingen[0].Bestaat = false;
        QImage kaal = WitVlak(beeld.width(), beeld.height());
        QPainter p(&kaal);
        TekenConstructie(p, zonder, TSelectie{}, editor.Instellingen(), kaal.size());
        TekenVerdeeldeBelasting(p, KleurZwart, KleurRood, 1.0, Opmaak(opTekening), "", {80, 160},
                                {320, 160}, omhoog ? pi / 2.0 : 3.0 * pi / 2.0, 80.0);
        p.end();
        int label = 0;
        for (int y = 0; y < beeld.height(); ++y) {
            for (int x = 0; x < beeld.width(); ++x) {
                if (beeld.pixel(x, y) != kaal.pixel(x, y)) {
                    ++label;
                    EXPECT_TRUE(omhoog ? y > staarten : y < staarten) << x << ", " << y;
                    EXPECT_GE(x, 200);
                }
            }
        }
        EXPECT_GT(label, 20);
        editor.ZetCel(0, 3, "-2");
    }
}

// The eraser takes the load off when clicked on its arrows, and the bar with it when the bar
// goes; the load's menu offers its removal beside the bar.
TEST_F(VerdeeldeBelastingVenster, GumEnMenuVerwijderenHaar) {
    Sleep(editor, {200, 80}, {200, 160});
    Kies(TBewerking::BelastingVerwijderen);
    editor.ImageConstructieMouseMove(200, 100);
    editor.ImageConstructieMouseDown(Qt::LeftButton, 200, 100);
    editor.ImageConstructieMouseUp(Qt::LeftButton, 200, 100);
    EXPECT_EQ(Aantal(C().VerdeeldeBelastingen), 0);
    EXPECT_EQ(document.Geschiedenis().undoText(), "verdeelde belasting verwijderen");
    document.Geschiedenis().undo();
    ASSERT_EQ(Aantal(C().VerdeeldeBelastingen), 1);

    editor.ImageConstructieMouseMove(240, 110);
    editor.ImageConstructieMouseDown(Qt::RightButton, 240, 110);
    ASSERT_EQ(editor.Popup(), editor.PopupBelastingen());
    editor.ImageConstructieMouseMove(400, 300);
    Actie(editor.PopupBelastingen(), "Verwijderen")->trigger();
    EXPECT_EQ(Aantal(C().VerdeeldeBelastingen), 0);
    document.Geschiedenis().undo();

    Kies(TBewerking::StaafVerwijderen);
    editor.ImageConstructieMouseMove(200, 160);
    editor.ImageConstructieMouseDown(Qt::LeftButton, 200, 160);
    editor.ImageConstructieMouseUp(Qt::LeftButton, 200, 160);
    EXPECT_EQ(Aantal(C().Staven), 0);
    EXPECT_EQ(Aantal(C().VerdeeldeBelastingen), 0);
    document.Geschiedenis().undo();
    EXPECT_EQ(Aantal(C().VerdeeldeBelastingen), 1);
}

// The main window offers the tool in the side panel and in the menu under a shortcut no other
// command has, and shows its hint and its tab.
class VerdeeldeBelastingHoofdvenster : public test::HoofdvensterBasis {};

TEST_F(VerdeeldeBelastingHoofdvenster, GereedschapInPaneelEnMenu) {
    TmdiPlastokinetica& venster = Start();
    auto* knop = venster.Zijpaneel()->Gereedschap(TBewerking::VerdeeldeBelastingToevoegen);
    EXPECT_EQ(knop->Tekst(), "Verdeelde last");
    QAction* menu = nullptr;
    for (QAction* a : venster.menuBar()->actions()) {
        for (QAction* item : a->menu()->actions()) {
            menu = item->text() == "&Verdeelde last" ? item : menu;
        }
    }
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_V));
    int zelfde = 0;
    for (const QAction* a : venster.findChildren<QAction*>()) {
        zelfde += a != menu && a->shortcuts().contains(menu->shortcut()) ? 1 : 0;
    }
    EXPECT_EQ(zelfde, 0);
    menu->trigger();
    EXPECT_EQ(venster.Toestand().Bewerking, TBewerking::VerdeeldeBelastingToevoegen);
    EXPECT_TRUE(menu->isChecked());
    EXPECT_EQ(venster.Zijpaneel()->Aanwijzing()->text().toStdString(),
              venster.Tekst()[TekstAanwijzingVerdeeld]);
    ASSERT_NE(venster.Constructievenster(), nullptr);
    EXPECT_EQ(venster.Constructievenster()->Tabs()->currentIndex(), 3);
}

} // namespace
} // namespace kx
