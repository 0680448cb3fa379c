#include "text/Teksten.h"
#include "ui/HtmlVenster.h"
#include "ui/Info.h"
#include "ui/Instellingen.h"
#include "ui/PaneelKnop.h"
#include "ui/StartInfo.h"
#include "ui/Voortgang.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <optional>

namespace kx {
namespace {

void Beweeg(QWidget* over, QPoint plaats) {
    QMouseEvent beweging(QEvent::MouseMove, QPointF(plaats), QPointF(over->mapToGlobal(plaats)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(over, &beweging);
}

class StartschermTest : public ::testing::Test {
protected:
    void SetUp() override { OpenGebruikersInstellingen()->clear(); }
    void TearDown() override { OpenGebruikersInstellingen()->clear(); }

    // A start screen that records how it was closed.
    TfrmStartInfo& Maak() {
        scherm.emplace(teksten, nullptr);
        scherm->ZetAfsluiting([this](bool voorbeeld) {
            ++meldingen;
            gekozenVoorbeeld = voorbeeld;
        });
        scherm->show();
        return *scherm;
    }

    Teksten teksten;
    std::optional<TfrmStartInfo> scherm;
    int meldingen = 0;
    bool gekozenVoorbeeld = false;
};

TEST_F(StartschermTest, VinkjeVolgtDeInstelling) {
    EXPECT_TRUE(Maak().chkOpstartInfo()->isChecked());
    SchrijfToonOpstartscherm(false);
    EXPECT_FALSE(Maak().chkOpstartInfo()->isChecked());
}

TEST_F(StartschermTest, VoorbeeldKnopKiestHetVoorbeeldEnBewaartHetVinkje) {
    TfrmStartInfo& s = Maak();
    s.chkOpstartInfo()->setChecked(false);
    TPaneelKnop* knop = s.pnlVoorbeeld();

    QTest::mousePress(knop, Qt::LeftButton);
    EXPECT_TRUE(knop->Verlaagd());
    EXPECT_EQ(meldingen, 0);
    QTest::mouseRelease(knop, Qt::LeftButton);

    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(meldingen, 1);
    EXPECT_TRUE(gekozenVoorbeeld);
    EXPECT_FALSE(LeesToonOpstartscherm());
}

TEST_F(StartschermTest, NieuwKnopStartLeeg) {
    TfrmStartInfo& s = Maak();
    QTest::mouseClick(s.pnlNieuw(), Qt::LeftButton);
    EXPECT_EQ(meldingen, 1);
    EXPECT_FALSE(gekozenVoorbeeld);
}

TEST_F(StartschermTest, SluitenViaHetSysteemStartLeegEnBewaartHetVinkjeEenmaal) {
    SchrijfToonOpstartscherm(false);
    TfrmStartInfo& s = Maak();
    s.chkOpstartInfo()->setChecked(true);
    s.close();
    s.close();

    EXPECT_EQ(meldingen, 1);
    EXPECT_FALSE(gekozenVoorbeeld);
    EXPECT_TRUE(LeesToonOpstartscherm());
}

TEST_F(StartschermTest, BezwekenAfbeeldingAlleenLinksBoven) {
    TfrmStartInfo& s = Maak();
    QLabel* bezweken = s.imaBezweken();
    EXPECT_FALSE(bezweken->isVisible());

    Beweeg(s.imaStartInfo(), QPoint(116, 127));
    EXPECT_TRUE(bezweken->isVisible());
    Beweeg(bezweken, QPoint(10, 10));
    EXPECT_TRUE(bezweken->isVisible());
    Beweeg(bezweken, QPoint(117, 128));
    EXPECT_FALSE(bezweken->isVisible());

    Beweeg(s.imaStartInfo(), QPoint(116, 127));
    Beweeg(s.imaStartInfo(), QPoint(117, 20));
    EXPECT_FALSE(bezweken->isVisible());
    Beweeg(s.imaStartInfo(), QPoint(20, 128));
    EXPECT_FALSE(bezweken->isVisible());
}

TEST_F(StartschermTest, BezwekenAfbeeldingVerdwijntBovenKnoppenEnVinkje) {
    TfrmStartInfo& s = Maak();
    for (QWidget* deel : std::initializer_list<QWidget*>{s.pnlVoorbeeld(), s.pnlNieuw(),
                                                         s.chkOpstartInfo(), s.lblStartInfo()}) {
        Beweeg(s.imaStartInfo(), QPoint(50, 50));
        ASSERT_TRUE(s.imaBezweken()->isVisible());
        Beweeg(deel, QPoint(2, 2));
        EXPECT_FALSE(s.imaBezweken()->isVisible()) << deel->objectName().toStdString();
    }
}

class InfoTest : public StartschermTest {};

TEST_F(InfoTest, KlikOpDeTekstSluitEnBewaartHetVinkje) {
    TfrmInfo info(teksten, nullptr);
    EXPECT_TRUE(info.chkOpstartInfo()->isChecked());
    info.chkOpstartInfo()->setChecked(false);
    QTimer::singleShot(0, &info, [&info] { QTest::mouseClick(info.lblInfo(), Qt::LeftButton); });
    info.exec();

    EXPECT_FALSE(info.isVisible());
    EXPECT_FALSE(LeesToonOpstartscherm());
}

// The about box is where the start screen is switched on again.
TEST_F(InfoTest, AanzettenBrengtHetStartschermTerug) {
    SchrijfToonOpstartscherm(false);
    TfrmInfo info(teksten, nullptr);
    EXPECT_FALSE(info.chkOpstartInfo()->isChecked());
    info.show();
    info.chkOpstartInfo()->setChecked(true);
    QTest::mouseClick(info.imaInfo(), Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_FALSE(info.isVisible());
    EXPECT_TRUE(LeesToonOpstartscherm());
}

TEST_F(InfoTest, EscapeBewaartHetVinkjeOok) {
    TfrmInfo info(teksten, nullptr);
    info.show();
    info.chkOpstartInfo()->setChecked(false);
    QTest::keyClick(&info, Qt::Key_Escape);
    EXPECT_FALSE(info.isVisible());
    EXPECT_FALSE(LeesToonOpstartscherm());
}

class HtmlVensterTest : public ::testing::Test {
protected:
    void Schrijf(const QString& pad, const QByteArray& inhoud) {
        const QString vol = map.filePath(pad);
        QDir().mkpath(QFileInfo(vol).path());
        QFile bestand(vol);
        ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
        bestand.write(inhoud);
    }

    QString Tekst(const THtmlVenster& venster) const {
        return venster.WebBrowser1()->toPlainText();
    }

    QTemporaryDir map;
    Teksten teksten;
};

TEST_F(HtmlVensterTest, HelpVindtZijnStartpaginaEnVolgtLokaleLinks) {
    Schrijf(QStringLiteral("Help/HelpIndex.html"),
            "<html><body><p>Index van de help</p><a href=\"Staven.html\">Staven</a></body></html>");
    Schrijf(QStringLiteral("Help/Staven.html"), "<html><body><p>Over staven</p></body></html>");

    TfrmHelpOnderwerpen help(teksten, map.path());
    EXPECT_TRUE(help.PaginaGevonden());
    EXPECT_EQ(help.Pagina(),
              QUrl::fromLocalFile(map.filePath(QStringLiteral("Help/HelpIndex.html"))));
    EXPECT_TRUE(Tekst(help).contains(QStringLiteral("Index van de help")));
    EXPECT_EQ(help.windowTitle(), QString::fromStdString(teksten[174]));

    help.Volg(QUrl(QStringLiteral("Staven.html")));
    EXPECT_TRUE(Tekst(help).contains(QStringLiteral("Over staven")));

    help.WebBrowser1()->backward();
    EXPECT_TRUE(Tekst(help).contains(QStringLiteral("Index van de help")));
    help.Volg(QUrl(QStringLiteral("Staven.html")));
    EXPECT_TRUE(Tekst(help).contains(QStringLiteral("Over staven")));
}

TEST_F(HtmlVensterTest, TheorieToontEenHtmPaginaAlsHtml) {
    Schrijf(QStringLiteral("Theorie/TheorieIndex.htm"),
            "<html><body><h1>Virtuele arbeid</h1></body></html>");
    TfrmDeTheorie theorie(teksten, map.path());
    EXPECT_EQ(Tekst(theorie), QStringLiteral("Virtuele arbeid"));
    EXPECT_EQ(theorie.windowTitle(), QString::fromStdString(teksten[175]));
}

TEST_F(HtmlVensterTest, OntbrekendePaginaGeeftEenMelding) {
    TfrmDeTheorie theorie(teksten, map.path());
    EXPECT_FALSE(theorie.PaginaGevonden());
    EXPECT_TRUE(Tekst(theorie).startsWith(QStringLiteral("De pagina ")));
    EXPECT_TRUE(Tekst(theorie).contains(QStringLiteral("TheorieIndex.htm")));
    EXPECT_TRUE(Tekst(theorie).endsWith(QStringLiteral(" is niet gevonden.")));
}

TEST_F(HtmlVensterTest, OntbrekendeLinkGeeftEenMelding) {
    Schrijf(QStringLiteral("Help/HelpIndex.html"), "<p>Index</p>");
    TfrmHelpOnderwerpen help(teksten, map.path());
    help.Volg(QUrl(QStringLiteral("Weg.html")));
    EXPECT_FALSE(help.PaginaGevonden());
    EXPECT_TRUE(Tekst(help).contains(QStringLiteral("Weg.html")));
    EXPECT_TRUE(Tekst(help).endsWith(QStringLiteral(" is niet gevonden.")));
}

TEST_F(HtmlVensterTest, SluitenVerbergtEnHoudtDePagina) {
    Schrijf(QStringLiteral("Help/HelpIndex.html"), "<p>Index</p>");
    Schrijf(QStringLiteral("Help/Twee.html"), "<p>Tweede</p>");
    TfrmHelpOnderwerpen help(teksten, map.path());
    help.Toon();
    help.Volg(QUrl(QStringLiteral("Twee.html")));
    help.close();
    EXPECT_FALSE(help.isVisible());

    help.Toon();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(Tekst(help), QStringLiteral("Tweede"));
}

class VoortgangTest : public ::testing::Test {
protected:
    Teksten teksten;
    TfrmVoortgang voortgang{teksten};
};

TEST_F(VoortgangTest, BegintMetDeEersteStap) {
    EXPECT_EQ(voortgang.lblVoortgang()->text(), QStringLiteral("Mechanismes bepalen..."));
    EXPECT_EQ(voortgang.pbarVoortgang()->value(), 0);
    EXPECT_EQ(voortgang.windowTitle(), QStringLiteral("Voortgang analyse"));
}

TEST_F(VoortgangTest, ToontLabelEnStand) {
    voortgang.show();
    const std::string label = teksten[185] + teksten[156] + teksten[148];
    voortgang.ZetVoortgang(label, 41);
    EXPECT_EQ(voortgang.lblVoortgang()->text(),
              QStringLiteral(
                  "Mechanismes bepalen... --> OK\nArrays met vervangende mechanismen vullen..."));
    EXPECT_EQ(voortgang.pbarVoortgang()->value(), 41);

    voortgang.ZetVoortgang(label, 100);
    EXPECT_EQ(voortgang.pbarVoortgang()->value(), 100);
    voortgang.ZetVoortgang(label, 140);
    EXPECT_EQ(voortgang.pbarVoortgang()->value(), 100);

    voortgang.Sluit();
    EXPECT_FALSE(voortgang.isVisible());
}

TEST_F(VoortgangTest, GeeftDeMechanismenDoorAanDeKeuzelijst) {
    voortgang.VulMechanismeKeuze({"Mechanisme 1"}, 0);

    std::vector<std::string> ontvangen;
    int gekozen = -1;
    voortgang.ZetMechanismeKeuze([&](const std::vector<std::string>& items, int keuze) {
        ontvangen = items;
        gekozen = keuze;
    });
    voortgang.VulMechanismeKeuze({"Mechanisme 1", "Mechanisme 2 (Maatgevend)"}, 1);
    EXPECT_EQ(ontvangen, (std::vector<std::string>{"Mechanisme 1", "Mechanisme 2 (Maatgevend)"}));
    EXPECT_EQ(gekozen, 1);
}

} // namespace
} // namespace kx
