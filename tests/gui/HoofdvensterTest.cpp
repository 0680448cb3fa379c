#include "../Bestandsgroottegrens.h"
#include "VensterHulp.h"
#include "model/Bestand.h"
#include "ui/AnalyseVenster.h"
#include "ui/PaneelKnop.h"
#include "ui/StartInfo.h"
#include "ui/Zijpaneel.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <sys/stat.h>

namespace kx {
namespace {

using test::AantalStaven;

const QString Voorbeeldbestand = QStringLiteral(KX_FIXTURES "/voorbeeld.kx");
const QString Opslaanvraag = QStringLiteral(
    "De constructie is veranderd, maar nog niet opgeslagen. Moet dit alsnog gebeuren?");

class HoofdvensterTest : public test::HoofdvensterBasis {
protected:
    QString Pad(const QString& naam) const { return map.filePath(naam); }
    std::string Naam() const { return venster->Document().Bestandsnaam(); }
    bool Gewijzigd() const { return venster->Document().Gewijzigd(); }
    // The caption without the " - [child]" that the frame adds while a child is maximised.
    QString Titel() const {
        return venster->windowTitle().remove(QRegularExpression(R"( - \[[^\]]*\]$)"));
    }

    // The structure in a file, read back on its own.
    TConstructie Lees(const QString& pad) const {
        TManipuleerConstructie terug(venster->Tekst());
        EXPECT_EQ(LaadConstructie(terug, pad.toStdString()), "");
        return terug.Constructie;
    }

    QTemporaryDir map;
};

TEST(MetExtensie, AlleenPreciesPuntKxBlijft) {
    EXPECT_EQ(MetExtensie("rek.txt"), "rek.txt.kx");
    EXPECT_EQ(MetExtensie("PORTAAL.KX"), "PORTAAL.KX.kx");
    EXPECT_EQ(MetExtensie("a.kx"), "a.kx");
}

TEST_F(HoofdvensterTest, OpslaanMetBestandsnaamSchrijftZonderDialoog) {
    Start();
    Bewerk();
    dialogen.OpslaanAntwoorden = {Pad("portaal")};
    venster->OpslaanAls();
    ASSERT_EQ(Naam(), Pad("portaal.kx").toStdString());
    EXPECT_EQ(Titel(), "Plastokinetica - " + Pad("portaal.kx"));
    EXPECT_FALSE(Gewijzigd());

    test::Sleep(Editor(), {280, 80}, {280, 200});
    venster->Opslaan();
    EXPECT_EQ(dialogen.AantalOpslaanDialogen, 1);
    EXPECT_FALSE(Gewijzigd());
    EXPECT_EQ(AantalStaven(Lees(Pad("portaal.kx"))), 2);

    // The name chosen to open gets the extension too.
    ASSERT_TRUE(QFile::copy(Voorbeeldbestand, Pad("rek.txt.kx")));
    dialogen.OpenAntwoorden = {Pad("rek.txt")};
    venster->Openen();
    EXPECT_TRUE(dialogen.Meldingen.isEmpty());
    EXPECT_EQ(venster->Constructie().Constructie, Lees(Voorbeeldbestand));
    EXPECT_EQ(Titel(), "Plastokinetica - " + Pad("rek.txt.kx"));
}

// The save dialog asked about the name as typed; a file that only the appended ".kx" makes an
// existing one is replaced only after a question of the program's own. No goes back to the dialog.
TEST_F(HoofdvensterTest, AangevuldeNaamVanEenBestaandBestandWordtEerstGevraagd) {
    Start();
    ASSERT_TRUE(QFile::copy(Voorbeeldbestand, Pad("portaal.kx")));
    const TConstructie bestaand = Lees(Pad("portaal.kx"));
    Bewerk();
    const QString vraag =
        "Het bestand \"" + Pad("portaal.kx") + "\" bestaat al. Wilt u het vervangen?";

    dialogen.OpslaanAntwoorden = {Pad("portaal"), {}};
    dialogen.JaNeeAntwoorden = {false};
    venster->OpslaanAls();
    EXPECT_EQ(dialogen.Vragen, QStringList{vraag});
    EXPECT_EQ(dialogen.AantalOpslaanDialogen, 2);
    EXPECT_EQ(Lees(Pad("portaal.kx")), bestaand);
    EXPECT_TRUE(Gewijzigd());

    dialogen.Vragen.clear();
    dialogen.OpslaanAntwoorden = {Pad("portaal")};
    dialogen.JaNeeAntwoorden = {true};
    venster->Opslaan();
    EXPECT_EQ(dialogen.Vragen, QStringList{vraag});
    EXPECT_EQ(AantalStaven(Lees(Pad("portaal.kx"))), 1);
    EXPECT_EQ(Naam(), Pad("portaal.kx").toStdString());

    // The full name was the dialog's own question; a new name needs none.
    dialogen.Vragen.clear();
    dialogen.OpslaanAntwoorden = {Pad("portaal.kx"), Pad("nieuw")};
    venster->OpslaanAls();
    venster->OpslaanAls();
    EXPECT_TRUE(dialogen.Vragen.isEmpty());
    EXPECT_TRUE(QFile::exists(Pad("nieuw.kx")));
}

TEST_F(HoofdvensterTest, ElkeLaadactieZetDeSchaalTerugOp1) {
    Start();
    dialogen.OpenAntwoorden = {Voorbeeldbestand};
    for (const auto& laad : std::initializer_list<std::function<void()>>{
             [this] { venster->Nieuw(); }, [this] { venster->Openen(); },
             [this] { venster->LaadConstructie("Voorbeeld"); }}) {
        Editor().Schaal()->setValue(3);
        laad();
        EXPECT_EQ(Editor().Schaal()->value(), 1);
    }
    EXPECT_EQ(dialogen.AantalOpenDialogen, 1);
}

TEST_F(HoofdvensterTest, MisluktOpslaanMeldtHetInHetNederlandsEnHoudtDeConstructieVast) {
    Start();
    Bewerk();
    dialogen.OpslaanAntwoorden = {Pad("ontbreekt/x")};
    venster->OpslaanAls();
    EXPECT_EQ(dialogen.Meldingen, QStringList{"Het bestand \"" + Pad("ontbreekt/x.kx") +
                                              "\" kan niet worden opgeslagen: de map bestaat "
                                              "niet."});
    EXPECT_EQ(Naam(), "");
    EXPECT_EQ(Titel(), "Plastokinetica");
    EXPECT_TRUE(Gewijzigd());
}

// The save question on Nieuw, Openen and closing: Ja with a name saves and goes on, Nee goes on;
// Annuleren, a cancelled save dialog or a failed save stop the command with the drawing kept.
TEST_F(HoofdvensterTest, OpslaanvraagBijNieuwOpenenEnSluiten) {
    Start();
    venster->Nieuw(); // unchanged: no question
    EXPECT_TRUE(dialogen.Vragen.isEmpty());

    struct Geval {
        TAntwoord antwoord;
        QString naam; // empty: the save dialog is cancelled
        bool doorgaan;
    };
    const std::vector<Geval> gevallen{{TAntwoord::Ja, Pad("naam"), true},
                                      {TAntwoord::Ja, {}, false},
                                      {TAntwoord::Ja, Pad("ontbreekt/x"), false},
                                      {TAntwoord::Nee, {}, true},
                                      {TAntwoord::Annuleren, {}, false}};
    for (int opdracht = 0; opdracht < 3; ++opdracht) {
        for (const Geval& g : gevallen) {
            SCOPED_TRACE(testing::Message()
                         << "opdracht " << opdracht << ", antwoord " << static_cast<int>(g.antwoord)
                         << ", naam " << g.naam.toStdString());
            QFile::remove(Pad("naam.kx"));
            venster->show();
            venster->LaadConstructie("");
            Bewerk();
            dialogen.Antwoorden = {g.antwoord};
            dialogen.OpslaanAntwoorden = {g.naam};
            dialogen.OpenAntwoorden = {Voorbeeldbestand};
            const int vragen = static_cast<int>(dialogen.Vragen.size());
            const int meldingen = static_cast<int>(dialogen.Meldingen.size());
            bool doorgegaan = false;
            if (opdracht == 0) {
                venster->Nieuw();
                doorgegaan = AantalStaven(venster->Constructie().Constructie) == 0;
            } else if (opdracht == 1) {
                venster->Openen();
                doorgegaan = venster->Constructie().Constructie == Lees(Voorbeeldbestand);
            } else {
                venster->close();
                doorgegaan = !venster->isVisible();
            }
            EXPECT_EQ(dialogen.Vragen.size(), vragen + 1);
            EXPECT_EQ(dialogen.Vragen.back(), Opslaanvraag);
            EXPECT_EQ(doorgegaan, g.doorgaan);
            if (!g.doorgaan) {
                EXPECT_EQ(AantalStaven(venster->Constructie().Constructie), 1);
                EXPECT_TRUE(Gewijzigd());
            }
            EXPECT_EQ(QFile::exists(Pad("naam.kx")), !g.naam.isEmpty() && g.doorgaan);
            const bool mislukt = g.naam.contains("ontbreekt");
            EXPECT_EQ(dialogen.Meldingen.size(), meldingen + (mislukt ? 1 : 0));
        }
    }
}

// A disk that fills up during the write: the bytes are accepted at first and the flush fails.
TEST_F(HoofdvensterTest, OpslaanOpEenVolleSchijfLaatHetOudeBestandEnDeToestandStaan) {
    Start();
    dialogen.OpslaanAntwoorden = {Pad("portaal")};
    venster->OpslaanAls();
    const QString pad = Pad("portaal.kx");
    QFile oud(pad);
    ASSERT_TRUE(oud.open(QIODevice::ReadOnly));
    const QByteArray inhoud = oud.readAll();
    oud.close();
    Bewerk();
    const TConstructie bewerkt = venster->Constructie().Constructie;
    const QString titel = Titel();
    {
        const test::Bestandsgroottegrens grens(4096);
        venster->Opslaan();
    }
    ASSERT_EQ(dialogen.Meldingen.size(), 1);
    EXPECT_TRUE(dialogen.Meldingen[0].startsWith("Het bestand \"" + pad +
                                                 "\" kan niet worden opgeslagen: "))
        << dialogen.Meldingen[0].toStdString();
    ASSERT_TRUE(oud.open(QIODevice::ReadOnly));
    EXPECT_EQ(oud.readAll(), inhoud);
    EXPECT_EQ(QDir(map.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"portaal.kx"});
    EXPECT_EQ(Naam(), pad.toStdString());
    EXPECT_EQ(Titel(), titel);
    EXPECT_TRUE(Gewijzigd());
    EXPECT_EQ(venster->Constructie().Constructie, bewerkt);
}

TEST_F(HoofdvensterTest, MisluktOpenenLaatAllesZoalsHetWas) {
    Start();
    dialogen.OpenAntwoorden = {Voorbeeldbestand};
    venster->Openen();
    Editor().Schaal()->setValue(2);
    venster->KiesBewerking(TBewerking::BelastingToevoegen);
    test::Sleep(Editor(), {200, 80}, {200, 120}); // a second load on the middle of the beam
    venster->ToonHoeBezwijken();
    const TConstructie voor = venster->Constructie().Constructie;
    const QString titel = Titel();

    // A FIFO would block a reader that waits for a writer; it is refused at once.
    const QString fifo = Pad("fifo.kx");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& kapot :
         {QStringLiteral(KX_FIXTURES "/kapot/binair.kx"), Pad("bestaat-niet"), fifo}) {
        dialogen.OpenAntwoorden = {kapot};
        venster->Openen();
    }
    ASSERT_EQ(dialogen.Meldingen.size(), 3);
    EXPECT_EQ(dialogen.Meldingen[1], "Het bestand \"" + Pad("bestaat-niet.kx") +
                                         "\" kan niet worden gelezen: het bestand bestaat niet.");
    EXPECT_EQ(dialogen.Meldingen[2],
              "Het bestand \"" + fifo + "\" kan niet worden gelezen: dit is geen gewoon bestand.");
    EXPECT_EQ(venster->Constructie().Constructie, voor);
    EXPECT_EQ(Naam(), Voorbeeldbestand.toStdString());
    EXPECT_EQ(Titel(), titel);
    EXPECT_TRUE(Gewijzigd());
    EXPECT_EQ(Editor().Schaal()->value(), 2);
    EXPECT_NE(venster->Analysevenster(TmdiPlastokinetica::kindHoeBezwijken), nullptr);
    EXPECT_TRUE(venster->Document().ResultatenGeldig());
}

TEST_F(HoofdvensterTest, AfgekeurdeConstructieToontDeControleEnDeEditor) {
    Start();
    venster->Editorvenster()->showMinimized();
    venster->ToonHoeBezwijken();

    EXPECT_EQ(dialogen.Meldingen,
              QStringList{"Deze constructie is niet mogelijk. Deze constructie heeft niet genoeg "
                          "plaatsen waar een plastische scharnier op kan treden. U hebt te weinig "
                          "oplegreacties. Er zijn te weinig opleggingen. Er staan geen krachten "
                          "op de constructie. "});
    EXPECT_FALSE(venster->Editorvenster()->isMinimized());
    EXPECT_EQ(venster->Werkvlak()->activeSubWindow(), venster->Editorvenster());
    EXPECT_FALSE(venster->Document().ResultatenGeldig());
    EXPECT_EQ(venster->Analysevenster(TmdiPlastokinetica::kindHoeBezwijken), nullptr);
    EXPECT_TRUE(venster->Zijpaneel()->Kop(TZijpaneel::grpHoeBezwijken)->isEnabled());
    venster->ToonWanneerBezwijken();
    EXPECT_EQ(dialogen.Meldingen.size(), 2);
    EXPECT_EQ(venster->AantalAnalyses(), 0);
}

TEST_F(HoofdvensterTest, AnalysevenstersLevenTotHetLaden) {
    Start();
    venster->LaadConstructie("Voorbeeld");
    venster->ToonWanneerBezwijken();
    venster->ToonKrachtsverdeling();
    venster->ToonHoeBezwijken();
    venster->ToonHoeBezwijken();
    EXPECT_EQ(venster->AantalAnalyses(), 1);
    EXPECT_EQ(venster->Zijpaneel()->MechanismeKeuze()->currentText(), "Mechanisme 1 (Maatgevend)");

    // The close box of the window in front minimises it; asking again restores it without a
    // new analysis.
    QMdiSubWindow* kind = venster->Kindvenster(TmdiPlastokinetica::kindHoeBezwijken);
    ASSERT_EQ(venster->Werkvlak()->activeSubWindow(), kind);
    kind->close();
    QApplication::processEvents();
    ASSERT_EQ(venster->Kindvenster(TmdiPlastokinetica::kindHoeBezwijken), kind);
    EXPECT_TRUE(kind->isMinimized());
    venster->ToonHoeBezwijken();
    EXPECT_FALSE(kind->isMinimized());
    EXPECT_EQ(venster->AantalAnalyses(), 1);

    // An edit makes the results stale but leaves the windows.
    Editor().ZetCel(0, 3, "80");
    ASSERT_EQ(venster->Constructie().Constructie.Staven[0].Mp, 80.0);
    EXPECT_NE(venster->Analysevenster(TmdiPlastokinetica::kindHoeBezwijken), nullptr);
    venster->ToonHoeBezwijken();
    EXPECT_EQ(venster->AantalAnalyses(), 2);

    const QPointer<QMdiSubWindow> oud = kind;
    venster->LaadConstructie("Voorbeeld");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(oud.isNull());
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(venster->Analysevenster(k), nullptr);
    }
    EXPECT_EQ(venster->Werkvlak()->subWindowList().size(), 1);
    EXPECT_FALSE(venster->Document().ResultatenGeldig());
    EXPECT_EQ(venster->Zijpaneel()->MechanismeKeuze()->count(), 0);
}

TEST_F(HoofdvensterTest, RangschikkenMetAlleenDeEditorVultHetKwadrantLinksBoven) {
    Start();
    venster->Rangschikken();
    const QRect plek = venster->Editorvenster()->geometry();
    const QSize vlak = venster->Werkvlak()->size();
    EXPECT_EQ(plek.topLeft(), QPoint(0, 0));
    EXPECT_NEAR(2 * plek.width() + 4, vlak.width(), 1);
    EXPECT_NEAR(2 * plek.height() + 4, vlak.height(), 1);
}

TEST_F(HoofdvensterTest, OpstartenZonderStartschermBegintLeeg) {
    Start(false);
    ASSERT_NE(venster->Constructievenster(), nullptr);
    EXPECT_EQ(test::AantalKnopen(venster->Constructie().Constructie), 0);
    EXPECT_EQ(venster->Startscherm(), nullptr);
    EXPECT_TRUE(venster->isEnabled());
    EXPECT_TRUE(dialogen.Meldingen.isEmpty());
}

TEST_F(HoofdvensterTest, OpstartenMetStartschermBlokkeertTotHetSluit) {
    Start(true);
    TfrmStartInfo* scherm = venster->Startscherm();
    ASSERT_NE(scherm, nullptr);
    EXPECT_TRUE(scherm->isVisible());
    EXPECT_FALSE(venster->isEnabled());
    EXPECT_EQ(venster->Constructievenster(), nullptr);

    QTest::mouseClick(scherm->pnlVoorbeeld(), Qt::LeftButton);
    EXPECT_TRUE(venster->isEnabled());
    ASSERT_NE(venster->Constructievenster(), nullptr);
    TManipuleerConstructie voorbeeld(venster->Tekst());
    voorbeeld.VulVoorbeeld();
    EXPECT_EQ(venster->Constructie().Constructie, voorbeeld.Constructie);

    // The main window has the keyboard: F6 works at once.
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &*venster);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(venster->isAncestorOf(focus));
    QTest::keyClick(focus, Qt::Key_F6);
    EXPECT_EQ(venster->AantalAnalyses(), 1);
}

// Without a display the program says so in one line instead of Qt's advice to reinstall.
TEST(Programma, ZonderBeeldschermEenDuidelijkeRegel) {
    QProcess programma;
    QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
    for (const char* naam : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        omgeving.remove(naam);
    }
    programma.setProcessEnvironment(omgeving);
    programma.start(QStringLiteral(KX_PROGRAMMA), {});
    ASSERT_TRUE(programma.waitForFinished(20000));
    EXPECT_EQ(programma.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(programma.exitCode(), 1);
    const QString fout = QString::fromUtf8(programma.readAllStandardError());
    // One line per language: the language setting is not read yet.
    EXPECT_EQ(fout.count('\n'), 2) << fout.toStdString();
    EXPECT_TRUE(fout.contains("geen beeldscherm")) << fout.toStdString();
    EXPECT_TRUE(fout.contains("no display")) << fout.toStdString();
}

} // namespace
} // namespace kx
