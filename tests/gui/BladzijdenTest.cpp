#include "drawing/Bladzijden.h"
#include "Hulp.h"
#include "ui/Exporteren.h"

#include <QPdfWriter>

namespace kx {
namespace {

using Kind = TmdiPlastokinetica::Kind;

TBlok Kop(double boven, double onder) {
    return {boven, onder, TBlokSoort::Kop};
}
TBlok Tekst(double boven, double onder) {
    return {boven, onder, TBlokSoort::Tekst};
}
TBlok Tekening(double boven, double onder) {
    return {boven, onder, TBlokSoort::Tekening};
}

// A page holds what fits before it breaks; it breaks in the white between blocks, a little
// below the last block it holds.
TEST(Paginaplan, VultDeBladzijdeEnBreektTussenBlokken) {
    EXPECT_EQ(Paginaplan({Tekst(0, 30), Tekst(40, 70), Tekst(80, 110), Tekst(120, 150)}, 160, 100),
              (std::vector<TPaginaDeel>{{0, 74, 1}, {76, 154, 1}}));
    // Blocks that touch may part; blocks that overlap stay together.
    EXPECT_EQ(Paginaplan({Tekst(0, 50), Tekst(50, 100)}, 100, 60),
              (std::vector<TPaginaDeel>{{0, 50, 1}, {50, 100, 1}}));
    const auto samen = Paginaplan({Tekening(0, 60), Tekst(50, 90)}, 90, 80);
    ASSERT_EQ(samen.size(), 1u);
    EXPECT_EQ(samen[0].Onder, 90);
    EXPECT_DOUBLE_EQ(samen[0].Schaal, 80.0 / 90.0);
}

// A heading never ends a page: it goes to the next one with the drawing below it; a drawing
// taller than a page gets a page of its own with its heading, scaled down to fit.
TEST(Paginaplan, KopGaatMeeEnTeHogeTekeningPast) {
    EXPECT_EQ(Paginaplan({Tekst(0, 30), Kop(40, 60), Tekening(70, 120)}, 150, 100),
              (std::vector<TPaginaDeel>{{0, 34, 1}, {36, 124, 1}}));
    const auto plan = Paginaplan({Kop(0, 20), Tekening(25, 325), Tekst(330, 350)}, 360, 100);
    ASSERT_EQ(plan.size(), 2u);
    EXPECT_EQ(plan[0].Boven, 0);
    EXPECT_EQ(plan[0].Onder, 327.5);
    EXPECT_DOUBLE_EQ(plan[0].Schaal, 100 / 327.5);
    EXPECT_EQ(plan[1], (TPaginaDeel{327.5, 354, 1}));
    // A heading at the very end of the picture stays where it is.
    EXPECT_EQ(Paginaplan({Tekst(0, 30), Kop(40, 60)}, 60, 100),
              (std::vector<TPaginaDeel>{{0, 60, 1}}));
}

// No page is empty: white below the last block makes none, nor does a picture without height;
// a picture without blocks is one drawing; text without a break is cut at the page's foot.
TEST(Paginaplan, GeenLegeBladzijden) {
    EXPECT_EQ(Paginaplan({Tekst(0, 10)}, 1000, 100), (std::vector<TPaginaDeel>{{0, 14, 1}}));
    EXPECT_TRUE(Paginaplan({}, 0, 100).empty());
    EXPECT_EQ(Paginaplan({}, 50, 100), (std::vector<TPaginaDeel>{{0, 50, 1}}));
    EXPECT_EQ(Paginaplan({}, 50, 20), (std::vector<TPaginaDeel>{{0, 50, 0.4}}));
    EXPECT_EQ(Paginaplan({Tekst(0, 250)}, 250, 100),
              (std::vector<TPaginaDeel>{{0, 100, 1}, {100, 200, 1}, {200, 250, 1}}));
}

// Per page of a PDF file whether it holds any ink, as pdftoppm renders it.
std::vector<bool> InktPerBladzijde(const QString& pad) {
    QTemporaryDir map;
    QProcess pdftoppm;
    pdftoppm.start("pdftoppm", {"-r", "20", "-gray", pad, map.filePath("p")});
    EXPECT_TRUE(pdftoppm.waitForFinished(60000)) << "pdftoppm (poppler-utils) is nodig";
    std::vector<bool> inkt;
    QStringList namen = QDir(map.path()).entryList({"p-*.pgm"}, QDir::Files, QDir::Name);
    std::ranges::sort(namen, {}, [](const QString& n) { return n.size(); });
    for (const QString& naam : namen) {
        const QImage beeld(map.filePath(naam));
        inkt.push_back(test::Inkt(beeld, beeld.rect()) > 0);
    }
    return inkt;
}

int LegeBladzijden(const std::vector<bool>& inkt) {
    return static_cast<int>(std::ranges::count(inkt, false));
}

QString Fixture(const char* naam) {
    return QStringLiteral(KX_FIXTURES "/") + QString::fromLatin1(naam);
}

// Every drawing a view reports lies whole on one page, and every page holds a block.
void ControleerPlan(const TPlaat& plaat, double paginaHoogte, const std::string& naam) {
    const TOpname opname = NeemOp(plaat);
    ASSERT_FALSE(opname.Blokken.empty()) << naam;
    const auto plan = Paginaplan(opname.Blokken, plaat.Grootte.height(), paginaHoogte);
    for (const TPaginaDeel& deel : plan) {
        EXPECT_TRUE(std::ranges::any_of(opname.Blokken, [&](const TBlok& b) {
            return b.Boven >= deel.Boven && b.Onder <= deel.Onder;
        })) << naam;
        for (const TBlok& b : opname.Blokken) {
            if (b.Soort == TBlokSoort::Tekening) {
                const bool binnen = b.Boven >= deel.Boven - 0.5 && b.Onder <= deel.Onder + 0.5;
                const bool buiten = b.Onder <= deel.Boven + 0.5 || b.Boven >= deel.Onder - 0.5;
                EXPECT_TRUE(binnen || buiten) << naam << ": " << b.Boven << "-" << b.Onder << " op "
                                              << deel.Boven << "-" << deel.Onder;
            }
        }
    }
}

class BladzijdenTest : public test::HoofdvensterBasis {
protected:
    void SetUp() override { StartGroot(); }

    // The PDF of the active analysis window: its pages, each with or without ink.
    std::vector<bool> Pdf(Kind kind) {
        const TPlaat plaat = PlaatVan(*venster->Analysevenster(kind));
        const QString pad = map.filePath(QStringLiteral("view.pdf"));
        {
            QPdfWriter pdf(pad);
            pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
            const int paginas = TekenOpBladzijden(pdf, plaat);
            EXPECT_GE(paginas, 1);
            ControleerPlan(plaat, pdf.height() * Opname(plaat).logicalDpiY() / pdf.logicalDpiY(),
                           std::to_string(kind));
        }
        return InktPerBladzijde(pad);
    }

    QTemporaryDir map;
};

// The three views of a gable and of a portal with a horizontal and a vertical load, printed
// at their window's size: no blank page, no drawing cut, and the virtual work view of the gable
// on two pages at most.
TEST_F(BladzijdenTest, GeenLegeBladzijdenEnGeenDoorgesnedenTekening) {
    for (const char* bestand : {"spant.kx", "portaal-ingeklemd-hv.kx"}) {
        ASSERT_EQ(venster->LaadConstructie(Fixture(bestand).toStdString()), "") << bestand;
        for (const auto& [kind, toon] :
             {std::pair{Kind::kindHoeBezwijken, &TmdiPlastokinetica::ToonHoeBezwijken},
              std::pair{Kind::kindWanneerBezwijken, &TmdiPlastokinetica::ToonWanneerBezwijken},
              std::pair{Kind::kindKrachtsverdeling, &TmdiPlastokinetica::ToonKrachtsverdeling}}) {
            ((*venster).*toon)();
            venster->Kindvenster(kind)->resize(700, 500);
            QApplication::processEvents();
            const std::vector<bool> inkt = Pdf(kind);
            EXPECT_EQ(LegeBladzijden(inkt), 0) << bestand << " " << kind;
            if (kind == Kind::kindWanneerBezwijken) {
                EXPECT_LE(inkt.size(), 2u) << bestand;
            }
        }
    }
}

// A tall view of one column of mechanisms fills several pages, each with ink.
TEST_F(BladzijdenTest, LangeViewVultDeBladzijden) {
    venster->ToonHoeBezwijken();
    venster->Kindvenster(Kind::kindHoeBezwijken)->resize(330, 400);
    QApplication::processEvents();
    const std::vector<bool> inkt = Pdf(Kind::kindHoeBezwijken);
    EXPECT_GT(inkt.size(), 1u);
    EXPECT_EQ(LegeBladzijden(inkt), 0);
}

// kx-analyse's PDF report of the portal with a horizontal and a vertical load: no blank page,
// and the moment line and support reactions of the governing mechanism after its virtual work.
TEST(KxAnalysePdfBladzijden, PortaalZonderLegeBladzijdenMetMomentenlijn) {
    QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("rapport.pdf"));
    ASSERT_EQ(test::KxAnalysePdf({Fixture("portaal-ingeklemd-hv.kx")}, pad), QString());
    const std::vector<bool> inkt = InktPerBladzijde(pad);
    ASSERT_FALSE(inkt.empty());
    EXPECT_EQ(LegeBladzijden(inkt), 0) << inkt.size();

    const QString tekst = test::PdfTekst(pad).simplified();
    for (const char* verwacht :
         {"Krachtsverdeling tijdens bezwijken", "Momentenlijn van mechanisme",
          "Oplegreacties van mechanisme", "H = "}) {
        EXPECT_TRUE(tekst.contains(QString::fromUtf8(verwacht))) << verwacht;
    }
    // What lies beyond a page's stretch is clipped: no line is printed twice.
    EXPECT_EQ(tekst.count(QStringLiteral("Het volgende blijft over:")), 1) << tekst.toStdString();
}

} // namespace
} // namespace kx
