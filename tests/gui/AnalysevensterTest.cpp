#include "Hulp.h"
#include "Raamwerken.h"
#include "ui/MechanismeTabel.h"

#include <QClipboard>
#include <QHeaderView>
#include <QScrollArea>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStyle>

#include <numeric>

namespace kx {
namespace {

using Kind = TmdiPlastokinetica::Kind;
using test::Klik;
using test::Stuur;

QPointF Midden(const TKlikgebied& g) {
    return {(g.Left + g.Right) / 2, (g.Top + g.Bottom) / 2};
}

class Analysevenster : public test::HoofdvensterBasis {
protected:
    // The mechanism window at a size whose surface holds two columns: pages of four.
    TfrmHoeBezwijken& OpenMechanismen(int hoogte = 500, int breedte = 600) {
        venster->ToonHoeBezwijken();
        venster->Kindvenster(Kind::kindHoeBezwijken)->resize(breedte, hoogte);
        QApplication::processEvents();
        return *venster->Mechanismevenster();
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
    int Gekozen() const { return venster->Toestand().GekozenMechanisme; }

    TMechanismeTabel& Tabel() {
        auto* tabel = venster->Mechanismevenster()->findChild<TMechanismeTabel*>();
        EXPECT_NE(tabel, nullptr);
        return *tabel;
    }
    // The mechanism numbers (1-based) in the order the table shows them.
    static std::vector<int> Volgorde(const TMechanismeTabel& tabel) {
        std::vector<int> nummers;
        for (int rij = 0; rij < tabel.model()->rowCount(); ++rij) {
            nummers.push_back(tabel.MechanismeInRij(rij) + 1);
        }
        return nummers;
    }
};

// Five mechanisms on pages of four: the last page is filled up from before. The hand shows over
// the active regions only; a click on a mechanism chooses it without turning the page.
TEST_F(Analysevenster, BladerenKiezenEnDeHandBovenActieveGebieden) {
    StartGroot(true);
    TfrmHoeBezwijken& m = OpenMechanismen();
    ASSERT_GE(m.Vlak()->width(), 401);
    ASSERT_LT(m.Vlak()->width(), 601);
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

    Klik(m.Vlak(), Midden(m.Gebieden()[KlikVolgende]));
    EXPECT_EQ(Pagina(m), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(m.Gebieden()[KlikVorige].Doel, 0);
    EXPECT_EQ(m.Gebieden()[KlikVolgende].Doel, GeenDoel);
    Klik(m.Vlak(), Midden(m.Gebieden()[KlikVorige]));
    EXPECT_EQ(Pagina(m), (std::vector<int>{0, 1, 2, 3}));

    QSignalSpy keuzes(venster->Zijpaneel(), &TZijpaneel::MechanismeGekozen);
    Klik(m.Vlak(), Midden(m.Gebieden()[2]));
    EXPECT_EQ(Gekozen(), 2);
    EXPECT_EQ(venster->Zijpaneel()->MechanismeKeuze()->currentIndex(), 2);
    EXPECT_EQ(keuzes.count(), 0);
    EXPECT_EQ(Pagina(m), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_NE(venster->Analysevenster(Kind::kindWanneerBezwijken), nullptr);
    EXPECT_EQ(venster->AantalAnalyses(), 1);

    // The copy is the whole picture on white, also the part scrolled out of view, where the link
    // lies; the view leaves 50 empty pixels below its last line.
    OpenMechanismen(300);
    ASSERT_GT(m.Vlak()->height(), m.ScrollBox()->viewport()->height());
    const QImage beeld = m.Afbeelding();
    EXPECT_EQ(beeld.size(), m.Vlak()->size());
    EXPECT_EQ(test::Inkt(beeld, QRect(0, beeld.height() - 40, beeld.width(), 40)), 0);
    const TKlikgebied& link = m.Gebieden()[KlikVolgende];
    EXPECT_GT(
        test::Inkt(beeld,
                   QRectF(QPointF(link.Left, link.Top), QPointF(link.Right, link.Bottom)).toRect()),
        0);
    m.Kopieer();
    EXPECT_EQ(QApplication::clipboard()->image(), beeld);
}

// Options set before any window only change the options; windows open at their design size;
// the surfaces follow the options. A click on a stale picture runs the analysis first, which
// chooses its governing mechanism and redraws every open window.
TEST_F(Analysevenster, OntwerpgrootteHoogtesEnEenNieuweAnalyse) {
    StartGroot();
    QApplication::processEvents();
    EXPECT_EQ(Editor().size(), QSize(814, 610)); // restored from maximised: its own size
    Vinkje(woMogBezwMech);
    EXPECT_FALSE(venster->Toestand().WeergaveOpties[woUitlegMogBezwMech]);
    EXPECT_EQ(venster->AantalAnalyses(), 0);

    // Every window opens at its design size, also when the editor is not maximised.
    venster->ToonHoeBezwijken();
    venster->ToonWanneerBezwijken();
    venster->ToonKrachtsverdeling();
    QApplication::processEvents();
    for (const auto& [kind, grootte] :
         std::vector<std::pair<int, QSize>>{{Kind::kindHoeBezwijken, {281, 217}},
                                            {Kind::kindWanneerBezwijken, {300, 172}},
                                            {Kind::kindKrachtsverdeling, {238, 151}}}) {
        EXPECT_EQ(venster->Analysevenster(kind)->size(), grootte) << kind;
        EXPECT_FALSE(venster->Kindvenster(kind)->isMaximized()) << kind;
    }

    TfrmHoeBezwijken& m = OpenMechanismen();
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

    ASSERT_EQ(m.Gebieden()[KlikVolgende].Doel, GeenDoel); // three mechanisms fit one page
    venster->Document().Bewerk({}, [](TConstructie& c) { test::VulVijfMechanismen(c); });
    Klik(m.Vlak(), Midden(m.Gebieden()[1]));
    ASSERT_EQ(venster->AantalAnalyses(), 2);
    EXPECT_EQ(venster->Zijpaneel()->MechanismeKeuze()->count(), 5);
    EXPECT_EQ(venster->Zijpaneel()->MechanismeKeuze()->currentIndex(), Gekozen());
    EXPECT_EQ(Gekozen(), venster->Analyse().MaatgevendMechanisme);
    EXPECT_EQ(m.Gebieden()[KlikVolgende].Doel, 4);
    const int hoogte = Hoogte(Kind::kindWanneerBezwijken);
    venster->Analysevenster(Kind::kindWanneerBezwijken)->Herteken();
    EXPECT_EQ(Hoogte(Kind::kindWanneerBezwijken), hoogte);
}

// The force window follows the chooser and the options, and paints the moment check: the
// example's governing mechanism stays within Mp (red only in the rims of its two hinges, which
// are yellow), the second overloads the right corner twice, which is red; the third moves the
// beam sideways only: no work, so no moment line.
TEST_F(Analysevenster, KrachtsverdelingVolgtDeKeuzeEnDeOpties) {
    StartGroot();
    venster->ToonKrachtsverdeling();
    TAnalyseVenster* f8 = venster->Analysevenster(Kind::kindKrachtsverdeling);
    ASSERT_NE(f8, nullptr);
    venster->Kindvenster(Kind::kindKrachtsverdeling)->resize(640, 600);
    QApplication::processEvents();
    EXPECT_GT(f8->Vlak()->width(), 560);
    ASSERT_EQ(Gekozen(), 0);
    const auto pixels = [&](QColor kleur) {
        return test::Inkt(f8->Vlak()->grab().toImage(), f8->Vlak()->rect(), kleur);
    };
    const int rims = pixels(KleurRood);
    EXPECT_LT(rims, 60);
    EXPECT_GT(pixels(KleurGeel), 10);
    const int vlak = pixels(KleurLichtgrijs);
    EXPECT_GT(vlak, 500);
    const int hoogte = Hoogte(Kind::kindKrachtsverdeling);

    KiesInKeuzelijst(1);
    EXPECT_GT(pixels(KleurRood), rims + 200);
    const int alles = Hoogte(Kind::kindKrachtsverdeling);
    EXPECT_GT(alles, 900);
    Vinkje(woUitlegMomentenlijn);
    const int zonderUitleg = Hoogte(Kind::kindKrachtsverdeling);
    EXPECT_LT(zonderUitleg, alles - 50);
    Vinkje(woUitlegOplegreacties);
    const int zonderBeide = Hoogte(Kind::kindKrachtsverdeling);
    EXPECT_LT(zonderBeide, zonderUitleg - 30);
    Vinkje(woOplegreacties);
    EXPECT_LT(Hoogte(Kind::kindKrachtsverdeling), zonderBeide - 300);
    f8->Kopieer();
    EXPECT_EQ(QApplication::clipboard()->image(), f8->Afbeelding());

    for (const int optie : {woUitlegMomentenlijn, woUitlegOplegreacties, woOplegreacties}) {
        Vinkje(optie);
    }
    KiesInKeuzelijst(2);
    EXPECT_LT(Hoogte(Kind::kindKrachtsverdeling), hoogte - 300);
    EXPECT_LT(pixels(KleurLichtgrijs), vlak / 4);
}

// The portal frame: three mechanisms with the hinges and loads of the report, worked by hand
// (equation of mechanism 1: 175 = 3 Fp), sortable by every column.
TEST_F(Analysevenster, MechanismeTabelVanHetVoorbeeld) {
    StartGroot();
    OpenMechanismen(600, 700);
    TMechanismeTabel& tabel = Tabel();
    ASSERT_EQ(tabel.model()->rowCount(), 3);
    ASSERT_EQ(tabel.model()->columnCount(), 4);
    EXPECT_EQ(tabel.model()->headerData(2, Qt::Horizontal).toString().toStdString(),
              venster->Tekst()[TekstKolomBezwijklast]);
    const auto cel = [&](int rij, int kolom) {
        const QString tekst = tabel.model()->index(rij, kolom).data().toString();
        return kolom < 2 ? tekst : QString(tekst).replace(',', '.');
    };
    const std::vector<QStringList> verwacht{
        {"1 (Maatgevend)", "3, 5", "58.33"}, {"2", "1, 5", "83.33"}, {"3", "1, 3", "∞"}};
    for (int rij = 0; rij < 3; ++rij) {
        for (int kolom = 0; kolom < 3; ++kolom) {
            EXPECT_EQ(cel(rij, kolom), verwacht[rij][kolom]) << rij << ' ' << kolom;
        }
    }
    // The moment check: the governing mechanism's line stays within Mp, the other finite one
    // exceeds it, and a mechanism whose loads do no work has no force distribution.
    EXPECT_EQ(cel(0, 3), "1");
    EXPECT_GT(cel(1, 3).toDouble(), 1.0);
    EXPECT_EQ(cel(2, 3), QString());
    // An empty cell says why in its tooltip; a cell with a value has none.
    EXPECT_EQ(tabel.model()->index(2, 3).data(Qt::ToolTipRole).toString().toStdString(),
              venster->Tekst()[TekstGeenVerhoudingOneindig]);
    EXPECT_FALSE(tabel.model()->index(1, 3).data(Qt::ToolTipRole).isValid());
    EXPECT_TRUE(tabel.model()->index(0, 0).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(tabel.model()->index(1, 0).data(Qt::FontRole).value<QFont>().bold());

    for (const auto& [kolom, richting, volgorde] :
         std::vector<std::tuple<int, Qt::SortOrder, std::vector<int>>>{
             {2, Qt::DescendingOrder, {3, 2, 1}},
             {2, Qt::AscendingOrder, {1, 2, 3}},
             {1, Qt::AscendingOrder, {3, 2, 1}},
             {1, Qt::DescendingOrder, {1, 2, 3}},
             {3, Qt::AscendingOrder, {1, 2, 3}},
             {0, Qt::DescendingOrder, {3, 2, 1}}}) {
        tabel.sortByColumn(kolom, richting);
        EXPECT_EQ(Volgorde(tabel), volgorde) << kolom << ' ' << richting;
    }

    // A click on a row opens that mechanism's virtual work view; the display option hides the
    // table.
    const QRect eerste = tabel.visualRect(tabel.model()->index(0, 0));
    QTest::mouseClick(tabel.viewport(), Qt::LeftButton, {}, eerste.center());
    EXPECT_EQ(Gekozen(), 2);
    ASSERT_NE(venster->Kindvenster(Kind::kindWanneerBezwijken), nullptr);
    EXPECT_EQ(venster->Zijpaneel()->MechanismeKeuze()->currentIndex(), 2);
    EXPECT_TRUE(tabel.isVisible());
    Vinkje(woMechanismeTabel);
    EXPECT_FALSE(venster->Toestand().WeergaveOpties[woMechanismeTabel]);
    EXPECT_FALSE(tabel.isVisible());
    Vinkje(woMechanismeTabel);
    EXPECT_TRUE(tabel.isVisible());
}

// The chain of fifteen bars, opened from the menu, has 1820 mechanisms: the table holds them all
// and sorted by collapse load puts the governing one first. The window turns its 114 pages of
// sixteen with the keys and the pager's links; a click on the pager leaves the picture scrolled
// where it was.
TEST_F(Analysevenster, DeGrootsteConstructieBladertMetToetsenEnLinks) {
    StartGroot();
    dialogen.OpenAntwoorden = {QStringLiteral(KX_FIXTURES "/keten15.kx")};
    venster->Openen();
    ASSERT_TRUE(dialogen.Meldingen.isEmpty()) << dialogen.Meldingen.join("\n").toStdString();
    TfrmHoeBezwijken& m = OpenMechanismen(600, 950);
    const QComboBox* keuze = venster->Zijpaneel()->MechanismeKeuze();
    ASSERT_EQ(keuze->count(), 1820);
    EXPECT_TRUE(keuze->currentText().endsWith(" (Maatgevend)"));
    EXPECT_EQ(keuze->currentIndex(), Gekozen());

    TMechanismeTabel& tabel = Tabel();
    ASSERT_EQ(tabel.model()->rowCount(), 1820);
    tabel.sortByColumn(2, Qt::AscendingOrder);
    const std::vector<int> volgorde = Volgorde(tabel);
    const auto fp = [&](int nummer) {
        return venster->Analyse().Mechanismen[static_cast<std::size_t>(nummer - 1)].Vgl.Bezwijklast;
    };
    EXPECT_EQ(volgorde.front() - 1, venster->Analyse().MaatgevendMechanisme);
    // The governing row's number and words, in bold, fit their column with the cell's margins,
    // wherever that row lies.
    QFont vet = tabel.font();
    vet.setBold(true);
    const int rand = tabel.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &tabel) + 1;
    const QString maatgevend =
        tabel.Model()->index(venster->Analyse().MaatgevendMechanisme, 0).data().toString();
    ASSERT_TRUE(maatgevend.endsWith(QStringLiteral(" (Maatgevend)")));
    EXPECT_GE(tabel.columnWidth(0), QFontMetrics(vet).horizontalAdvance(maatgevend) + 2 * rand);
    for (std::size_t i = 1; i < volgorde.size(); ++i) {
        ASSERT_LE(fp(volgorde[i - 1]), fp(volgorde[i])) << i;
    }

    ASSERT_GE(m.Vlak()->width(), 801); // four columns: pages of sixteen
    const auto pagina = [](int nummer) {
        const int eerste = nummer < 114 ? (nummer - 1) * 16 : 1804;
        std::vector<int> reeks(16);
        std::iota(reeks.begin(), reeks.end(), eerste);
        return reeks;
    };
    KiesInKeuzelijst(0);
    EXPECT_EQ(Pagina(m), pagina(1));
    venster->activateWindow();
    QApplication::setActiveWindow(&*venster);
    m.ScrollBox()->setFocus();
    const auto toets = [&](Qt::Key k) {
        QTest::keyClick(m.ScrollBox(), k);
        return Pagina(m);
    };
    EXPECT_EQ(toets(Qt::Key_End), pagina(114));
    EXPECT_EQ(toets(Qt::Key_PageUp), pagina(113));
    EXPECT_EQ(toets(Qt::Key_PageDown), pagina(114));
    EXPECT_EQ(toets(Qt::Key_PageDown), pagina(114));
    EXPECT_EQ(toets(Qt::Key_Home), pagina(1));
    EXPECT_EQ(toets(Qt::Key_PageUp), pagina(1));
    EXPECT_EQ(toets(Qt::Key_PageDown), pagina(2));

    // Page 2 offers 1, 3, 4 and 114 to jump to, page 4 1, 2, 3, 5, 6 and 114; the keys leave the
    // mechanism table's rows alone.
    Klik(m.Vlak(), Midden(m.Gebieden()[KlikPaginaNummer + 2]));
    EXPECT_EQ(Pagina(m), pagina(4));
    EXPECT_EQ(m.Gebieden()[KlikPaginaNummer + 6].Doel, GeenDoel);
    Klik(m.Vlak(), Midden(m.Gebieden()[KlikPaginaNummer + 5]));
    EXPECT_EQ(Pagina(m), pagina(114));
    tabel.setFocus();
    tabel.setCurrentIndex(tabel.model()->index(0, 0));
    QTest::keyClick(&tabel, Qt::Key_PageDown);
    EXPECT_GT(tabel.currentIndex().row(), 0);
    EXPECT_EQ(Pagina(m), pagina(114));

    // Scrolled down to the pager, "Vorige" turns the page and leaves the pager where it was in
    // the window.
    QScrollBar* balk = m.ScrollBox()->verticalScrollBar();
    const auto inBeeld = [&](const TKlikgebied& g) { return g.Top - balk->value(); };
    balk->setValue(static_cast<int>(m.Gebieden()[KlikVorige].Top) - 100);
    ASSERT_GT(balk->value(), 0);
    const double vorige = inBeeld(m.Gebieden()[KlikVorige]);
    Klik(m.Vlak(), Midden(m.Gebieden()[KlikVorige]));
    EXPECT_EQ(Pagina(m), pagina(113));
    EXPECT_NEAR(inBeeld(m.Gebieden()[KlikVorige]), vorige, 1.0);
    // Choosing a mechanism on the page leaves page and picture where they are.
    const int waar = balk->value();
    Klik(m.Vlak(), Midden(m.Gebieden()[15]));
    EXPECT_EQ(Gekozen(), pagina(113).back());
    EXPECT_EQ(balk->value(), waar);
    EXPECT_EQ(Pagina(m), pagina(113));
}

// Frames beyond a single chain: a two-bay portal (every combination listed, a joint of three
// bars), a continuous beam over inner supports and a building of six storeys (independent
// mechanisms). Each analysis window draws every mechanism of the first page.
TEST_F(Analysevenster, AlgemeneRaamwerkenTekenenInElkVenster) {
    const auto raamwerken = test::LeerboekRaamwerken();
    const std::vector<std::pair<std::string, TConstructie>> gevallen{
        {raamwerken[11].Naam, raamwerken[11].Constructie},
        {raamwerken[7].Naam, raamwerken[7].Constructie},
        {"gebouw 6 x 3", test::Gebouw(6, 3)}};
    StartGroot();
    for (const auto& [naam, constructie] : gevallen) {
        SCOPED_TRACE(naam);
        venster->Document().Bewerk({}, [&](TConstructie& c) { c = constructie; });
        TfrmHoeBezwijken& m = OpenMechanismen(600, 950);
        ASSERT_TRUE(dialogen.Meldingen.isEmpty()) << dialogen.Meldingen.join("\n").toStdString();
        ASSERT_TRUE(venster->Document().ResultatenGeldig());
        ASSERT_GT(venster->Analyse().AantalMechanismen, 0);
        EXPECT_FALSE(Pagina(m).empty());
        for (int cel = 0; cel < 16; ++cel) {
            const int doel = m.Gebieden()[static_cast<std::size_t>(cel)].Doel;
            if (doel < 0) {
                continue;
            }
            Klik(m.Vlak(), Midden(m.Gebieden()[static_cast<std::size_t>(cel)]));
            ASSERT_EQ(Gekozen(), doel);
            EXPECT_GT(Hoogte(Kind::kindWanneerBezwijken), 0) << doel;
        }
        venster->ToonKrachtsverdeling();
        QApplication::processEvents();
        EXPECT_GT(Hoogte(Kind::kindKrachtsverdeling), 0);
    }
}

} // namespace
} // namespace kx
