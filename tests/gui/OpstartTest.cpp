#include "TekenHulp.h"
#include "VensterHulp.h"
#include "drawing/Opmaak.h"
#include "model/Bestand.h"
#include "ui/AnalyseVenster.h"
#include "ui/Datamap.h"
#include "ui/Info.h"
#include "ui/PaneelKnop.h"
#include "ui/Pictogram.h"
#include "ui/Zijpaneel.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace kx {
namespace {

const QString Installatiemap = QStringLiteral("share/plastokinetica");

void Schrijf(const QString& pad, const QByteArray& inhoud) {
    QDir().mkpath(QFileInfo(pad).path());
    QFile bestand(pad);
    ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
    bestand.write(inhoud);
}

// The working folder for as long as it lives.
class TWerkmap {
public:
    explicit TWerkmap(const QString& map) : vorige_(QDir::currentPath()) { QDir::setCurrent(map); }
    ~TWerkmap() { QDir::setCurrent(vorige_); }
    TWerkmap(const TWerkmap&) = delete;
    TWerkmap& operator=(const TWerkmap&) = delete;

private:
    QString vorige_;
};

// The main window started from "<map>/bin", with the English texts installed in
// "<map>/share/plastokinetica" as the package puts them.
class OpstartTest : public test::HoofdvensterBasis {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(map.path()).mkpath(QStringLiteral("bin")));
        ASSERT_TRUE(QDir(map.path()).mkpath(Installatiemap));
        ASSERT_TRUE(QFile::copy(QStringLiteral(KX_VERTALINGEN "/English.kxt"),
                                QDir(map.filePath(Installatiemap)).filePath(EngelsBestand)));
    }

    TmdiPlastokinetica& StartIn(TTaal taal, bool startscherm = false) {
        SchrijfToonOpstartscherm(startscherm);
        SchrijfTaal(taal);
        venster.emplace(dialogen, map.filePath(QStringLiteral("bin")));
        return *venster;
    }

    void Toon() {
        venster->show();
        QApplication::processEvents();
    }

    QStringList Menus() const {
        QStringList titels;
        for (const QAction* menu : venster->menuBar()->actions()) {
            titels << menu->text();
        }
        return titels;
    }

    QTemporaryDir map;
};

const QStringList EngelseMenus{"&File", "&Structure", "&Analysis", "&Window", "&Help"};
const QStringList NederlandseMenus{"&Bestand", "&Constructie", "&Analyse", "&Venster", "&Help"};

TEST_F(OpstartTest, EngelsAlsHetGekozenIsEnGevondenWordt) {
    struct Geval {
        TTaal taal;
        bool bestand;
        QStringList menus;
    };
    for (const Geval& g : {Geval{TTaal::Engels, true, EngelseMenus},
                           Geval{TTaal::Nederlands, true, NederlandseMenus},
                           Geval{TTaal::Engels, false, NederlandseMenus}}) {
        if (!g.bestand) {
            QFile::remove(QDir(map.filePath(Installatiemap)).filePath(EngelsBestand));
        }
        StartIn(g.taal);
        Toon();
        EXPECT_EQ(Menus(), g.menus);
    }
}

// The texts of the windows and of the views are English, as drawn.
TEST_F(OpstartTest, EngelsInDeVenstersEnInDeTekening) {
    StartIn(TTaal::Engels);
    Toon();
    EXPECT_EQ(venster->windowTitle().section(QStringLiteral(" - "), 0, 0),
              QStringLiteral("Plastokinetica"));
    const TZijpaneel& paneel = *venster->Zijpaneel();
    EXPECT_EQ(paneel.GroepConstructieAanpassen()->title(), QStringLiteral("Structure input"));
    EXPECT_EQ(paneel.Kop(TZijpaneel::grpHoeBezwijken)->Tekst(),
              QStringLiteral("How does the structure collapse? >>"));
    EXPECT_EQ(paneel.Gereedschap(TBewerking::StaafToevoegen)->Tekst(), QStringLiteral("Add bar"));

    venster->LaadConstructie("Voorbeeld");
    venster->ToonHoeBezwijken();
    venster->Kindvenster(TmdiPlastokinetica::kindHoeBezwijken)->resize(700, 500);
    QApplication::processEvents();
    const QImage beeld = venster->Mechanismevenster()->Vlak()->grab().toImage();

    // The title is the first line: its ink is as wide as the English title in the title font.
    const QRect titel(0, 0, beeld.width(), static_cast<int>(test::TitelOnder("Kop", 600)) - 4);
    const int breedte = test::RechtsteInkt(beeld, titel) - test::LinksteInkt(beeld, titel) + 1;
    const QFontMetrics maat(Lettertype(Opmaak(opTitel).Tekst));
    EXPECT_NEAR(breedte, maat.horizontalAdvance(QStringLiteral("How does the structure collapse?")),
                4);
    EXPECT_GT(
        std::abs(breedte - maat.horizontalAdvance(QStringLiteral("Hoe bezwijkt de constructie?"))),
        12);
}

// A translation file in the working folder goes over the chosen language.
TEST_F(OpstartTest, VertalingInDeWerkmapGaatVoor) {
    const QTemporaryDir werk;
    Schrijf(QDir(werk.path()).filePath(QStringLiteral("KXTranslation.kxt")),
            "Mijn programma\n###\n");
    const TWerkmap hier(werk.path());
    StartIn(TTaal::Engels);
    Toon();
    EXPECT_EQ(venster->Tekst()[0], "Mijn programma");
    EXPECT_EQ(Menus(), EngelseMenus);
}

// A translation file that is not a regular file (here a FIFO, which would block the start) is
// refused with a message in the language the program then speaks.
TEST_F(OpstartTest, OnleesbaarVertalingsbestandWordtGemeldEnDeTekstenBlijven) {
    const QTemporaryDir werk;
    ASSERT_EQ(mkfifo(QFile::encodeName(QDir(werk.path()).filePath("KXTranslation.kxt")), 0600), 0);
    const TWerkmap hier(werk.path());
    for (const auto& [taal, melding] :
         {std::pair{TTaal::Nederlands,
                    "Het bestand \"KXTranslation.kxt\" kan niet worden gelezen: dit is geen "
                    "gewoon bestand. De ingebouwde teksten blijven in gebruik."},
          std::pair{TTaal::Engels, "The file \"KXTranslation.kxt\" cannot be read: this is not a "
                                   "regular file. The built-in texts stay in use."}}) {
        dialogen.Meldingen.clear();
        StartIn(taal);
        Toon();
        EXPECT_EQ(dialogen.Meldingen, QStringList{melding});
        EXPECT_EQ(Menus(), taal == TTaal::Engels ? EngelseMenus : NederlandseMenus);
        EXPECT_NE(venster->Constructievenster(), nullptr);
    }
}

// A file given on the command line opens at once, without the start screen; one that cannot be
// read leaves an empty structure and says why.
TEST_F(OpstartTest, BestandBijDeStartOpentZonderStartscherm) {
    const QString voorbeeld = QStringLiteral(KX_FIXTURES "/voorbeeld.kx");
    StartIn(TTaal::Nederlands, true).OpenBijStart(voorbeeld.toStdString());
    Toon();
    EXPECT_EQ(venster->Startscherm(), nullptr);
    EXPECT_TRUE(venster->isEnabled());
    EXPECT_EQ(venster->Document().Bestandsnaam(), voorbeeld.toStdString());
    EXPECT_FALSE(venster->Document().Gewijzigd());
    EXPECT_EQ(test::AantalStaven(venster->Constructie().Constructie), 4);
    EXPECT_TRUE(dialogen.Meldingen.isEmpty());

    StartIn(TTaal::Nederlands, true)
        .OpenBijStart(map.filePath(QStringLiteral("weg.kx")).toStdString());
    Toon();
    EXPECT_EQ(venster->Startscherm(), nullptr);
    EXPECT_EQ(dialogen.Meldingen.size(), 1);
    EXPECT_EQ(venster->Document().Bestandsnaam(), "");
    EXPECT_EQ(test::AantalStaven(venster->Constructie().Constructie), 0);
    ASSERT_NE(venster->Constructievenster(), nullptr);

    const QString fifo = map.filePath(QStringLiteral("fifo.kx"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo), 0600), 0);
    StartIn(TTaal::Nederlands, true).OpenBijStart(fifo.toStdString());
    Toon();
    ASSERT_EQ(dialogen.Meldingen.size(), 2);
    EXPECT_EQ(dialogen.Meldingen[1],
              "Het bestand \"" + fifo + "\" kan niet worden gelezen: dit is geen gewoon bestand.");
    EXPECT_EQ(venster->Document().Bestandsnaam(), "");
}

TEST_F(OpstartTest, InfoBiedtDeTaalkeuzeEnBewaartHem) {
    const Teksten teksten;
    SchrijfTaal(TTaal::Nederlands);
    for (const TTaal gekozen : {TTaal::Engels, TTaal::Nederlands}) {
        TfrmInfo info(teksten, nullptr);
        QComboBox* keuze = info.cmbTaal();
        EXPECT_EQ(keuze->currentText(), Taalnaam(LeesTaal()));
        EXPECT_EQ(keuze->toolTip().toStdString(), teksten[TekstTaalkeuzeHint]);
        info.show();
        keuze->setCurrentIndex(keuze->findText(Taalnaam(gekozen)));
        QTest::keyClick(&info, Qt::Key_Escape);
        EXPECT_EQ(LeesTaal(), gekozen);
    }
}

// Data files are found beside the program first, then in the installed data folder.
TEST(Datamap, NaastHetProgrammaOfGeinstalleerd) {
    struct Geval {
        bool naast, geinstalleerd;
        QString verwacht;
    };
    for (const Geval& g : {Geval{true, false, "bin"}, Geval{false, true, Installatiemap},
                           Geval{true, true, "bin"}, Geval{false, false, "bin"}}) {
        const QTemporaryDir map;
        const QDir basis(map.path());
        basis.mkpath(QStringLiteral("bin"));
        for (const auto& [aanwezig, waar] : {std::pair{g.naast, QStringLiteral("bin")},
                                             std::pair{g.geinstalleerd, Installatiemap}}) {
            if (aanwezig) {
                Schrijf(basis.filePath(waar + "/Help/HelpIndex.html"), "<p>Index</p>");
            }
        }
        EXPECT_EQ(Datamap(QStringLiteral("Help/HelpIndex.html"), basis.filePath("bin")),
                  basis.filePath(g.verwacht))
            << g.naast << g.geinstalleerd;
    }
}

// The menu icons in the package are the program's own icon, drawn at each size.
TEST(Pictogram, GeinstalleerdeAfbeeldingenZijnHetProgrammaPictogram) {
    const QIcon pictogram = ProgrammaPictogram();
    for (const int maat : PictogramMaten) {
        const QImage bestand = QImage(QStringLiteral(KX_PICTOGRAMMEN "/%1.png").arg(maat))
                                   .convertToFormat(QImage::Format_ARGB32);
        const QImage getekend =
            pictogram.pixmap(maat, maat).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(bestand.size(), QSize(maat, maat)) << maat;
        ASSERT_EQ(getekend.size(), QSize(maat, maat)) << maat;
        int verschil = 0;
        for (int y = 0; y < maat; ++y) {
            for (int x = 0; x < maat; ++x) {
                const QColor a = bestand.pixelColor(x, y);
                const QColor b = getekend.pixelColor(x, y);
                verschil = std::max({verschil, std::abs(a.red() - b.red()),
                                     std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue()),
                                     std::abs(a.alpha() - b.alpha())});
            }
        }
        EXPECT_LE(verschil, 2) << maat;
    }
}

} // namespace
} // namespace kx
