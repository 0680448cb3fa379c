#include "ui/AnalyseVenster.h"
#include "TekenHulp.h"
#include "VensterHulp.h"
#include "ui/Zijpaneel.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QScrollArea>
#include <QSignalSpy>

#include <algorithm>
#include <vector>

namespace kx {
namespace {

using Kind = TmdiPlastokinetica::Kind;

QPointF Midden(const TKlikgebied& g) {
    return {(g.Left + g.Right) / 2, (g.Top + g.Bottom) / 2};
}

// Mouse events straight to the surface, also where it is scrolled out of view.
void Stuur(QWidget* vlak, QEvent::Type soort, QPointF plaats, Qt::MouseButton knop) {
    QMouseEvent e(soort, plaats, vlak->mapToGlobal(plaats), knop,
                  soort == QEvent::MouseMove ? Qt::NoButton : knop, Qt::NoModifier);
    QApplication::sendEvent(vlak, &e);
}

void Klik(QWidget* vlak, QPointF plaats) {
    Stuur(vlak, QEvent::MouseButtonPress, plaats, Qt::LeftButton);
    Stuur(vlak, QEvent::MouseButtonRelease, plaats, Qt::LeftButton);
}

class AnalysevensterTest : public test::HoofdvensterBasis {
protected:
    // A large main window with the editor not maximised, so that new children keep their size.
    void StartGroot(bool vijfMechanismen) {
        Start();
        venster->resize(1400, 900);
        venster->Editorvenster()->showNormal();
        if (vijfMechanismen) {
            VulVijfMechanismen();
        } else {
            venster->LaadConstructie("Voorbeeld");
        }
    }

    void VulVijfMechanismen() {
        venster->Document().Bewerk({},
                                   [](TManipuleerConstructie& c) { test::VulVijfMechanismen(c); });
    }

    // The mechanism window at a size whose surface holds two columns: pages of four.
    TfrmHoeBezwijken& OpenMechanismen(int hoogte = 500) {
        venster->ToonHoeBezwijken();
        venster->Kindvenster(Kind::kindHoeBezwijken)->resize(600, hoogte);
        QApplication::processEvents();
        TfrmHoeBezwijken& m = *venster->Mechanismevenster();
        EXPECT_GE(m.Vlak()->width(), 401);
        EXPECT_LT(m.Vlak()->width(), 601);
        return m;
    }

    // Chooses a mechanism in the side panel's chooser as the user does.
    void KiesInKeuzelijst(int index) {
        QComboBox* keuze = venster->Zijpaneel()->MechanismeKeuze();
        keuze->setCurrentIndex(index);
        emit keuze->activated(index);
    }

    // The mechanisms the surface shows after its paint: the cells of the layout that hold ink.
    static std::vector<int> Pagina(TfrmHoeBezwijken& m) {
        QApplication::processEvents();
        const QImage beeld = m.Vlak()->grab().toImage();
        std::vector<int> getoond;
        for (int i = 0; i < KlikVorige; ++i) {
            const TKlikgebied& g = m.Gebieden()[static_cast<std::size_t>(i)];
            const QRect cel = QRectF(QPointF(g.Left, g.Top), QPointF(g.Right, g.Bottom)).toRect();
            if (g.Doel >= 0 && test::Inkt(beeld, cel) > 0) {
                getoond.push_back(g.Doel);
            }
        }
        return getoond;
    }

    void Vinkje(int optie) { venster->Zijpaneel()->Vinkje(optie)->click(); }
    int Hoogte(int kind) const { return venster->Analysevenster(kind)->Vlak()->height(); }
};

TEST_F(AnalysevensterTest, BladerenEnDeHandBovenActieveGebieden) {
    StartGroot(true);
    TfrmHoeBezwijken& m = OpenMechanismen();
    ASSERT_EQ(venster->Analyse().AantalMechanismen, 5);
    KiesInKeuzelijst(0);
    EXPECT_EQ(Pagina(m), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(m.Gebieden()[KlikVorige].Doel, GeenDoel);
    EXPECT_EQ(m.Gebieden()[KlikVolgende].Doel, 4);

    const auto cursor = [&m](QPointF plaats) {
        Stuur(m.Vlak(), QEvent::MouseMove, plaats, Qt::NoButton);
        return m.Vlak()->cursor().shape();
    };
    // "Vorige" starts 30 pixels from the left on the line of "Volgende", and is inactive.
    const QPointF vorige(35, Midden(m.Gebieden()[KlikVolgende]).y());
    const TKlikgebied& cel = m.Gebieden()[0];
    EXPECT_EQ(cursor(Midden(m.Gebieden()[KlikVolgende])), Qt::PointingHandCursor);
    EXPECT_EQ(cursor({cel.Right, cel.Bottom}), Qt::PointingHandCursor); // bounds included
    EXPECT_EQ(cursor({cel.Right + 1, cel.Bottom}), Qt::ArrowCursor);
    EXPECT_EQ(cursor(vorige), Qt::ArrowCursor);
    Klik(m.Vlak(), vorige);
    EXPECT_EQ(Pagina(m), (std::vector<int>{0, 1, 2, 3}));

    // The last page is filled up from before.
    Klik(m.Vlak(), Midden(m.Gebieden()[KlikVolgende]));
    EXPECT_EQ(Pagina(m), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(m.Gebieden()[KlikVorige].Doel, 0);
    EXPECT_EQ(m.Gebieden()[KlikVolgende].Doel, GeenDoel);
    Klik(m.Vlak(), Midden(m.Gebieden()[KlikVorige]));
    EXPECT_EQ(Pagina(m), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(AnalysevensterTest, KlikOpMechanismeKiestHetZonderTeBladeren) {
    StartGroot(true);
    TfrmHoeBezwijken& m = OpenMechanismen();
    KiesInKeuzelijst(0);
    QSignalSpy keuzes(venster->Zijpaneel(), &TZijpaneel::MechanismeGekozen);

    Klik(m.Vlak(), Midden(m.Gebieden()[2]));
    EXPECT_EQ(venster->Toestand().GekozenMechanisme, 2);
    EXPECT_EQ(venster->Zijpaneel()->MechanismeKeuze()->currentIndex(), 2);
    EXPECT_EQ(keuzes.count(), 0);
    EXPECT_EQ(Pagina(m), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_NE(venster->Analysevenster(Kind::kindWanneerBezwijken), nullptr);
    EXPECT_EQ(venster->AantalAnalyses(), 1);
}

TEST_F(AnalysevensterTest, KopieIsHetHeleBeeldOpWit) {
    StartGroot(true);
    TfrmHoeBezwijken& m = OpenMechanismen(300);
    KiesInKeuzelijst(0);
    ASSERT_GT(m.Vlak()->height(), m.ScrollBox()->viewport()->height());

    const QImage beeld = m.Afbeelding();
    EXPECT_EQ(beeld.size(), m.Vlak()->size());
    // The view leaves 50 empty pixels below its last line; the link lies out of view.
    EXPECT_EQ(test::Inkt(beeld, QRect(0, beeld.height() - 40, beeld.width(), 40)), 0);
    const TKlikgebied& link = m.Gebieden()[KlikVolgende];
    EXPECT_GT(
        test::Inkt(beeld,
                   QRectF(QPointF(link.Left, link.Top), QPointF(link.Right, link.Bottom)).toRect()),
        0);
    m.Kopieer();
    EXPECT_EQ(QApplication::clipboard()->image(), beeld);
}

TEST_F(AnalysevensterTest, HoogtesKrimpenZonderOnderdelen) {
    StartGroot(false);
    Vinkje(woMogBezwMech); // no window yet: only the options change
    EXPECT_FALSE(venster->Toestand().WeergaveOpties[woUitlegMogBezwMech]);
    EXPECT_EQ(venster->AantalAnalyses(), 0);

    OpenMechanismen();
    venster->ToonWanneerBezwijken();
    const int zonderMechanismen = Hoogte(Kind::kindHoeBezwijken);
    Vinkje(woMogBezwMech);
    const int alles = Hoogte(Kind::kindHoeBezwijken);
    EXPECT_GT(alles, zonderMechanismen);
    Vinkje(woUitlegMogBezwMech);
    EXPECT_LT(Hoogte(Kind::kindHoeBezwijken), alles);
    EXPECT_GT(Hoogte(Kind::kindHoeBezwijken), zonderMechanismen);

    const int arbeid = Hoogte(Kind::kindWanneerBezwijken);
    Vinkje(woVirtArbVgl);
    EXPECT_LT(Hoogte(Kind::kindWanneerBezwijken), arbeid);
    Vinkje(woVirtArbVgl);
    EXPECT_EQ(Hoogte(Kind::kindWanneerBezwijken), arbeid);
}

TEST_F(AnalysevensterTest, NieuweAnalyseTekentDeOpenVenstersOpnieuw) {
    StartGroot(false);
    TfrmHoeBezwijken& m = OpenMechanismen();
    venster->ToonWanneerBezwijken();
    ASSERT_EQ(m.Gebieden()[KlikVolgende].Doel, GeenDoel); // three mechanisms fit one page
    VulVijfMechanismen();

    // A click on a stale picture runs the analysis first; it chooses its governing mechanism.
    Klik(m.Vlak(), Midden(m.Gebieden()[1]));
    ASSERT_EQ(venster->AantalAnalyses(), 2);
    EXPECT_EQ(venster->Zijpaneel()->MechanismeKeuze()->count(), 5);
    EXPECT_EQ(venster->Zijpaneel()->MechanismeKeuze()->currentIndex(),
              venster->Toestand().GekozenMechanisme);
    EXPECT_EQ(venster->Toestand().GekozenMechanisme, venster->Analyse().MaatgevendMechanisme);

    // Both windows already show the new results.
    EXPECT_EQ(m.Gebieden()[KlikVolgende].Doel, 4);
    const int hoogte = Hoogte(Kind::kindWanneerBezwijken);
    venster->Analysevenster(Kind::kindWanneerBezwijken)->Herteken();
    EXPECT_EQ(Hoogte(Kind::kindWanneerBezwijken), hoogte);
}

// The force window follows the chooser and the options, and paints the check of the mechanism.
TEST_F(AnalysevensterTest, KrachtsverdelingVolgtDeKeuzeEnDeOpties) {
    StartGroot(false);
    venster->ToonKrachtsverdeling();
    TAnalyseVenster* f8 = venster->Analysevenster(Kind::kindKrachtsverdeling);
    ASSERT_NE(f8, nullptr);
    venster->Kindvenster(Kind::kindKrachtsverdeling)->resize(640, 600);
    QApplication::processEvents();
    const auto rood = [&] {
        return test::Inkt(f8->Vlak()->grab().toImage(), f8->Vlak()->rect(), KleurRood);
    };
    // The governing mechanism is confirmed: red only in the rims of its two hinges.
    const int rims = rood();
    EXPECT_LT(rims, 60);
    EXPECT_GT(f8->Vlak()->width(), 560);

    KiesInKeuzelijst(1);
    EXPECT_GT(rood(), rims + 200);
    const int alles = Hoogte(Kind::kindKrachtsverdeling);
    EXPECT_GT(alles, 900);
    Vinkje(woUitlegMomentenlijn);
    const int zonderUitleg = Hoogte(Kind::kindKrachtsverdeling);
    EXPECT_LT(zonderUitleg, alles - 50);
    Vinkje(woOplegreacties);
    EXPECT_LT(Hoogte(Kind::kindKrachtsverdeling), zonderUitleg - 300);

    f8->Kopieer();
    EXPECT_EQ(QApplication::clipboard()->image(), f8->Afbeelding());
}

// The chain of fifteen bars, opened from the menu, has 1820 mechanisms: every page is drawn, and
// a click on each mechanism draws its virtual work view.
TEST_F(AnalysevensterTest, DeGrootsteConstructieTekentElkePaginaEnElkMechanisme) {
    StartGroot(false);
    dialogen.OpenAntwoorden = {QStringLiteral(KX_FIXTURES "/keten15.kx")};
    venster->Openen();
    ASSERT_TRUE(dialogen.Meldingen.isEmpty()) << dialogen.Meldingen.join("\n").toStdString();
    venster->ToonHoeBezwijken();
    const QComboBox* keuze = venster->Zijpaneel()->MechanismeKeuze();
    ASSERT_EQ(keuze->count(), 1820);
    EXPECT_TRUE(keuze->currentText().endsWith(" (Maatgevend)"));
    EXPECT_EQ(keuze->currentIndex(), venster->Toestand().GekozenMechanisme);

    venster->Kindvenster(Kind::kindHoeBezwijken)->resize(950, 600);
    QApplication::processEvents();
    TfrmHoeBezwijken& m = *venster->Mechanismevenster();
    ASSERT_GE(m.Vlak()->width(), 801); // four columns: pages of sixteen
    KiesInKeuzelijst(0);
    std::vector<bool> getekend(1820, false);
    int paginas = 1;
    for (;; ++paginas) {
        for (int cel = 0; cel < 16; ++cel) {
            const int doel = m.Gebieden()[static_cast<std::size_t>(cel)].Doel;
            Klik(m.Vlak(), Midden(m.Gebieden()[static_cast<std::size_t>(cel)]));
            ASSERT_EQ(venster->Toestand().GekozenMechanisme, doel);
            ASSERT_GT(Hoogte(Kind::kindWanneerBezwijken), 0) << doel;
            getekend[static_cast<std::size_t>(doel)] = true;
        }
        if (m.Gebieden()[KlikVolgende].Doel < 0 || paginas == 200) {
            break;
        }
        Klik(m.Vlak(), Midden(m.Gebieden()[KlikVolgende]));
    }
    EXPECT_EQ(paginas, 114); // 1820 / 16 = 113.75, the last page filled up from before
    EXPECT_EQ(m.Gebieden()[0].Doel, 1804);
    EXPECT_EQ(std::ranges::count(getekend, true), 1820);

    // Choosing the last mechanism shows the full last page.
    KiesInKeuzelijst(1819);
    const std::vector<int> laatste = Pagina(m);
    ASSERT_EQ(laatste.size(), 16U);
    EXPECT_EQ(laatste.front(), 1804);
    EXPECT_EQ(laatste.back(), 1819);
}

// Every window opens at its design size, also when the editor is not maximised; the editor
// restored from maximised has its own.
TEST_F(AnalysevensterTest, VenstersOpenenOpHunOntwerpgrootte) {
    StartGroot(false);
    QApplication::processEvents();
    EXPECT_EQ(Editor().size(), QSize(814, 610));
    const std::vector<std::pair<int, QSize>> ontwerp{{Kind::kindHoeBezwijken, {281, 217}},
                                                     {Kind::kindWanneerBezwijken, {300, 172}},
                                                     {Kind::kindKrachtsverdeling, {238, 151}}};
    venster->ToonHoeBezwijken();
    venster->ToonWanneerBezwijken();
    venster->ToonKrachtsverdeling();
    QApplication::processEvents();
    for (const auto& [kind, grootte] : ontwerp) {
        EXPECT_EQ(venster->Analysevenster(kind)->size(), grootte) << kind;
        EXPECT_FALSE(venster->Kindvenster(kind)->isMaximized()) << kind;
    }
}

} // namespace
} // namespace kx
