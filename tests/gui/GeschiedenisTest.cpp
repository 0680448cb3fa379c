#include "VensterHulp.h"
#include "model/Bestand.h"
#include "ui/Document.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QSpinBox>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

namespace kx {
namespace {

using test::Actie;
using test::Sleep;

// The editor in the main window at zoom 40 and fineness 2: pixel 80 is 2 m.
class GeschiedenisTest : public test::HoofdvensterBasis {
protected:
    void Kies(TBewerking bewerking) { venster->KiesBewerking(bewerking); }
    void Rechts(QPoint p) {
        Editor().ImageConstructieMouseDown(Qt::RightButton, p.x(), p.y());
        Editor().ImageConstructieMouseUp(Qt::RightButton, p.x(), p.y());
    }
    TMomentopname Nu() const { return venster->Document().Momentopname(); }
    QUndoStack& Geschiedenis() { return venster->Document().Geschiedenis(); }
    QString Pad(const QString& naam) const { return map.filePath(naam); }

    QTemporaryDir map;
};

::testing::AssertionResult Zelfde(const TMomentopname& a, const TMomentopname& b) {
    if (a.Schaal == b.Schaal && ZelfdeStructuur(a.Constructie, b.Constructie)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "other tables or scale";
}

// Every kind of edit is one step; undo goes back through every state drawn and redo forward
// again, the menu naming the step.
TEST_F(GeschiedenisTest, OngedaanMakenEnOpnieuwHerstellenElkeStap) {
    Start();
    struct Stap {
        std::string naam;
        std::function<void()> doe;
    };
    const std::vector<Stap> stappen{
        {"staaf toevoegen",
         [this] {
             Sleep(Editor(), {80, 80}, {280, 80});
         }},
        {"staaf toevoegen",
         [this] {
             Sleep(Editor(), {280, 80}, {280, 200});
         }},
        {"staaf toevoegen",
         [this] {
             Sleep(Editor(), {80, 200}, {80, 280});
         }},
        // Merged onto the free end at (7, 5) m.
        {"knoop verplaatsen",
         [this] {
             Kies(TBewerking::KnoopAanpassen);
             Sleep(Editor(), {80, 200}, {280, 200});
         }},
        // On the middle of the first bar: the bar is split.
        {"belasting toevoegen",
         [this] {
             Kies(TBewerking::BelastingToevoegen);
             Sleep(Editor(), {180, 40}, {180, 80});
         }},
        {"belasting toevoegen",
         [this] {
             Sleep(Editor(), {80, 320}, {80, 280});
         }},
        {"oplegging wijzigen",
         [this] {
             Rechts({80, 80});
             Actie(Editor().PopupKnopen(), "Inklemming")->trigger();
         }},
        {"verbinding wijzigen",
         [this] {
             Rechts({280, 80});
             Actie(Editor().PopupKnopen(), "Scharnierende verbinding")->trigger();
         }},
        {"Mp wijzigen",
         [this] {
             Editor().ZetBewerking(TBewerking::StaafToevoegen);
             Editor().ZetCel(0, 3, "120");
         }},
        {"schaal wijzigen", [this] { Editor().Schaal()->setValue(2); }},
        {"knoopcoördinaat wijzigen",
         [this] {
             Editor().Tabs()->setCurrentIndex(0);
             Editor().ZetCel(0, 1, "1");
         }},
        {"belasting verwijderen",
         [this] {
             Rechts({80, 300});
             Actie(Editor().PopupBelastingen(), "Verwijderen")->trigger();
         }},
        // The split node with its two bars and its load.
        {"knoop verwijderen",
         [this] {
             Kies(TBewerking::KnoopVerwijderen);
             Sleep(Editor(), {180, 80}, {180, 80});
         }},
        {"nieuwe constructie", [this] { venster->Nieuw(); }},
    };
    std::vector<TMomentopname> standen{Nu()};
    for (const Stap& stap : stappen) {
        SCOPED_TRACE(stap.naam);
        stap.doe();
        ASSERT_EQ(Geschiedenis().count(), static_cast<int>(standen.size()));
        ASSERT_FALSE(Zelfde(Nu(), standen.back()));
        EXPECT_EQ(venster->OngedaanMakenActie()->text(),
                  "Ongedaan maken: " + QString::fromStdString(stap.naam));
        standen.push_back(Nu());
    }
    // Removing the split node took its two bars and its load; the clamped node at its far end
    // stays for its support.
    EXPECT_EQ(test::AantalStaven(standen[13].Constructie), 2);
    EXPECT_EQ(test::AantalKnopen(standen[13].Constructie), 4);
    const auto lasten = [](const TConstructie& c) {
        return std::ranges::count_if(c.Belastingen, &TConstructieBelasting::Bestaat);
    };
    EXPECT_EQ(lasten(standen[12].Constructie), 1);
    EXPECT_EQ(lasten(standen[13].Constructie), 0);

    for (int i = static_cast<int>(stappen.size()) - 1; i >= 0; --i) {
        venster->OngedaanMakenActie()->trigger();
        EXPECT_TRUE(Zelfde(Nu(), standen[i])) << "undo to " << i;
        EXPECT_EQ(Editor().Schaal()->value(), standen[i].Schaal);
        EXPECT_EQ(venster->OpnieuwActie()->text(),
                  "Opnieuw: " + QString::fromStdString(stappen[i].naam));
    }
    EXPECT_FALSE(venster->OngedaanMakenActie()->isEnabled());
    EXPECT_EQ(venster->OngedaanMakenActie()->text(), "Ongedaan maken");
    for (std::size_t i = 1; i < standen.size(); ++i) {
        venster->OpnieuwActie()->trigger();
        EXPECT_TRUE(Zelfde(Nu(), standen[i])) << "redo to " << i;
    }
    EXPECT_FALSE(venster->OpnieuwActie()->isEnabled());
}

TEST_F(GeschiedenisTest, SneltoetsenVanOngedaanMakenEnOpnieuw) {
    Start();
    EXPECT_EQ(venster->OngedaanMakenActie()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(venster->OpnieuwActie()->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
}

// Back at the saved state the structure counts as unchanged: no save question.
TEST_F(GeschiedenisTest, TerugNaarDeOpgeslagenStandIsOngewijzigd) {
    Start();
    Sleep(Editor(), {80, 80}, {280, 80});
    dialogen.OpslaanAntwoorden = {Pad("portaal")};
    venster->OpslaanAls();
    ASSERT_FALSE(venster->Document().Gewijzigd());
    Sleep(Editor(), {280, 80}, {280, 200});
    EXPECT_TRUE(venster->Document().Gewijzigd());
    venster->OngedaanMaken();
    EXPECT_FALSE(venster->Document().Gewijzigd());
    venster->OngedaanMaken();
    EXPECT_TRUE(venster->Document().Gewijzigd());
    venster->Opnieuw();
    EXPECT_FALSE(venster->Document().Gewijzigd());
    venster->Nieuw();
    EXPECT_TRUE(dialogen.Vragen.isEmpty());
    // Nieuw is a step of its own.
    venster->OngedaanMaken();
    EXPECT_EQ(test::AantalStaven(venster->Constructie().Constructie), 1);
}

TEST_F(GeschiedenisTest, OpenenBegintEenNieuweGeschiedenis) {
    Start();
    Sleep(Editor(), {80, 80}, {280, 80});
    dialogen.OpenAntwoorden = {QStringLiteral(KX_FIXTURES "/voorbeeld.kx")};
    venster->Openen();
    EXPECT_EQ(Geschiedenis().count(), 0);
    EXPECT_FALSE(venster->OngedaanMakenActie()->isEnabled());
    EXPECT_FALSE(venster->Document().Gewijzigd());
}

// An undo from the menu reaches the editor through the document: it repaints and refills its
// table without being told.
TEST_F(GeschiedenisTest, EditorVolgtEenWijzigingVanElders) {
    Start();
    Sleep(Editor(), {80, 80}, {280, 80});
    Sleep(Editor(), {280, 80}, {280, 200});
    QApplication::processEvents();
    ASSERT_EQ(Editor().Tabel()->rowCount(), 2);
    const int voor = Editor().AantalTekenbeurten();
    venster->OngedaanMakenActie()->trigger();
    QTRY_VERIFY(Editor().AantalTekenbeurten() > voor);
    EXPECT_EQ(Editor().Tabel()->rowCount(), 1);
    const QImage beeld = Editor().Tekenvlak()->grab().toImage();
    // The second bar ran down from (280, 80) to (280, 200); between the nodes nothing is black.
    for (int y = 110; y < 180; y += 10) {
        EXPECT_NE(beeld.pixelColor(280, y), QColor(Qt::black)) << y;
    }
    EXPECT_EQ(beeld.pixelColor(180, 80), QColor(Qt::black));
}

} // namespace
} // namespace kx
