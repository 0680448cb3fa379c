#include "ui/Exporteren.h"
#include "Hulp.h"
#include "Raamwerken.h"
#include "drawing/Bladzijden.h"
#include "drawing/WanneerBezwijkenView.h"

#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QSvgGenerator>

namespace kx {
namespace {

using Kind = TmdiPlastokinetica::Kind;
using test::PdfTekst;
using test::SvgTekst;

class ExporterenTest : public test::HoofdvensterBasis {
protected:
    void SetUp() override { StartGroot(); }

    QString Exporteer(const QString& naam) { return ExporteerNaar(map.filePath(naam)); }

    QTemporaryDir map;
};

// Each view exported from its active window holds its texts in SVG and in PDF; a PNG has the
// size of the whole picture, also where the window scrolls.
TEST_F(ExporterenTest, ElkeViewHoudtZijnTekstenEnZijnGrootte) {
    const Teksten& t = venster->Tekst();
    struct Geval {
        Kind kind;
        void (TmdiPlastokinetica::*toon)();
        std::vector<std::string> teksten;
    };
    for (const auto& g : std::vector<Geval>{
             {Kind::kindHoeBezwijken,
              &TmdiPlastokinetica::ToonHoeBezwijken,
              {t[159], "Mechanisme 1 (Maatgevend)", "Mechanisme 3"}},
             {Kind::kindWanneerBezwijken,
              &TmdiPlastokinetica::ToonWanneerBezwijken,
              {t[140], "Fp = 58.33 kN", "50 kNm", "δA =", "De δθ kan uit de vergelijking"}},
             {Kind::kindKrachtsverdeling,
              &TmdiPlastokinetica::ToonKrachtsverdeling,
              {t[177], "Momentenlijn van mechanisme 1 bij Fp = 58.33 kN"}},
         }) {
        ((*venster).*g.toon)();
        venster->Kindvenster(g.kind)->resize(500, 150);
        QApplication::processEvents();
        const QSize grootte = venster->Analysevenster(g.kind)->Vlak()->size();
        ASSERT_GT(grootte.height(), 150) << g.kind; // larger than the window shows

        const QString svg = SvgTekst(Exporteer(QStringLiteral("view.svg")));
        const QString pdf = PdfTekst(Exporteer(QStringLiteral("view.PDF"))).simplified();
        for (const std::string& tekst : g.teksten) {
            const QString gezocht = QString::fromStdString(tekst).simplified();
            EXPECT_TRUE(svg.simplified().contains(gezocht)) << g.kind << " svg: " << tekst;
            EXPECT_TRUE(pdf.contains(gezocht)) << g.kind << " pdf: " << tekst;
        }
        EXPECT_EQ(QImage(Exporteer(QStringLiteral("view.png"))).size(), grootte) << g.kind;
    }
}

// The editor's drawing goes whole onto one page; a name without a known extension becomes a
// PDF; a file that cannot be written is reported with a warning.
TEST_F(ExporterenTest, EditorOpEenBladzijdeEnFoutenGemeld) {
    venster->ToonConstructievenster();
    const QSize grootte = venster->Constructievenster()->Tekenvlak()->size();
    EXPECT_EQ(QImage(Exporteer(QStringLiteral("editor.png"))).size(), grootte);
    Exporteer(QStringLiteral("editor"));
    EXPECT_EQ(PdfTekst(map.filePath(QStringLiteral("editor.pdf"))).count('\f'), 1);

    dialogen.OpslaanAntwoorden = {map.filePath(QStringLiteral("geen/map/editor.svg"))};
    venster->Exporteren();
    ASSERT_EQ(dialogen.Meldingen.size(), 1);
    EXPECT_EQ(dialogen.Meldingen[0].toStdString(),
              "Het bestand \"" + map.filePath(QStringLiteral("geen/map/editor.svg")).toStdString() +
                  "\" kan niet worden opgeslagen: de map bestaat niet.");
    EXPECT_EQ(dialogen.Waarschuwingen, dialogen.Meldingen);
}

// Ctrl+P opens the print preview of the active window without waiting on it; it draws the
// pages and closes.
TEST_F(ExporterenTest, AfdrukvoorbeeldOpentZonderTeBlijvenHangen) {
    venster->ToonWanneerBezwijken();
    const auto acties = venster->findChildren<QAction*>();
    const auto afdrukken = std::ranges::find_if(acties, [](const QAction* a) {
        return a->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_P);
    });
    ASSERT_NE(afdrukken, acties.end());
    EXPECT_EQ((*afdrukken)->text().toStdString(), venster->Tekst()[TekstAfdrukken]);
    (*afdrukken)->trigger();
    QApplication::processEvents();
    QPointer<QPrintPreviewDialog> voorbeeld = venster->findChild<QPrintPreviewDialog*>();
    ASSERT_TRUE(voorbeeld);
    EXPECT_TRUE(voorbeeld->isVisible());
    EXPECT_EQ(voorbeeld->windowTitle(),
              venster->Analysevenster(Kind::kindWanneerBezwijken)->windowTitle());
    voorbeeld->close();
    QApplication::processEvents();
    EXPECT_FALSE(voorbeeld);
}

// kx-analyse writes its PDF report without a display: the counts, the mechanism lines and the
// governing mechanism's virtual work view.
TEST(KxAnalysePdf, RapportMetDeTekeningVanHetMaatgevendeMechanisme) {
    QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("rapport.pdf"));
    ASSERT_EQ(test::KxAnalysePdf({QStringLiteral("--voorbeeld")}, pad), QString());
    const QString tekst = PdfTekst(pad).simplified();
    for (const char* verwacht : {"Aantal mogelijke mechanismen: 3", "Fp = 58.33 kN (Maatgevend)",
                                 "Wanneer bezwijkt de constructie?", "Fp = 58.33 kN", "50 kNm"}) {
        EXPECT_TRUE(tekst.contains(QString::fromUtf8(verwacht))) << verwacht;
    }
}

// The equation of the virtual work view as drawn: a chain keeps one term per bar end, so the
// example's governing mechanism reads - 50 - 50 - 25 - 50 + 3 Fp; a frame beyond a chain writes
// each hinge once, so the two-bay portal's governing mechanism reads three feet at 50 and four
// hinges at 100 (2 theta), against the loads' 3 + 4 + 3 Fp, whatever their order.
TEST(ArbeidsVergelijking, EenKetenPerStaafeindEenRaamwerkPerScharnier) {
    const Teksten teksten;
    QTemporaryDir map;
    const auto gereduceerd = [&](const TConstructie& c) {
        TConstructie gecontroleerd = c;
        EXPECT_EQ(ControleerVoorAnalyse(gecontroleerd, teksten), "");
        TAnalyse analyse(teksten);
        analyse.Decimaalteken = '.';
        analyse.BepaalMechanismen(gecontroleerd);
        analyse.BerekeningDeel2();
        const TWeergaveOpties opties;
        const QString pad = map.filePath("vgl.svg");
        {
            QSvgGenerator svg;
            svg.setFileName(pad);
            svg.setSize(QSize(900, 3000));
            QPainter p(&svg);
            TRechthoek gebied{0, 0, 900, 3000};
            Klikgebieden klik{};
            TekenWanneerBezwijken(p, gebied, analyse.MaatgevendMechanisme, klik,
                                  {analyse, gecontroleerd, opties, teksten});
        }
        const QString tekst = SvgTekst(pad).simplified();
        const auto begin = tekst.indexOf("Het volgende blijft over:");
        EXPECT_NE(begin, -1);
        return tekst.mid(begin).section("= 0", 0, 0);
    };
    const QString keten = gereduceerd(kx::Voorbeeld());
    EXPECT_TRUE(keten.endsWith("- 50 - 50 - 25 - 50 + 3 Fp ")) << keten.toStdString();

    const QString portaal = gereduceerd(test::TweeveldsPortaal(50.0, true));
    EXPECT_EQ(portaal.count("- 100"), 4) << portaal.toStdString();
    EXPECT_EQ(portaal.count("- 50"), 3) << portaal.toStdString();
    // One term per load: 3 and 3 below the mid-spans, 4 across at the top.
    EXPECT_EQ(portaal.count("+ 3 Fp"), 2) << portaal.toStdString();
    EXPECT_EQ(portaal.count("+ 4 Fp"), 1) << portaal.toStdString();
}

} // namespace
} // namespace kx
