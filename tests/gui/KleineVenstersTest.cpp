#include "text/Teksten.h"
#include "ui/HtmlVenster.h"
#include "ui/Info.h"
#include "ui/Instellingen.h"
#include "ui/MpInvullen.h"
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

#include <functional>
#include <optional>
#include <sstream>

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
        meldingen = 0;
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

// The check box follows the setting; each way out closes once, tells whether the example was
// chosen and writes the check box.
TEST_F(StartschermTest, KnoppenEnSluitenBewarenHetVinkje) {
    for (const bool voorbeeld : {true, false}) {
        SchrijfToonOpstartscherm(voorbeeld);
        TfrmStartInfo& s = Maak();
        EXPECT_EQ(s.chkOpstartInfo()->isChecked(), voorbeeld);
        s.chkOpstartInfo()->setChecked(!voorbeeld);
        TPaneelKnop* knop = voorbeeld ? s.pnlVoorbeeld() : s.pnlNieuw();
        QTest::mousePress(knop, Qt::LeftButton);
        EXPECT_TRUE(knop->Verlaagd());
        EXPECT_EQ(meldingen, 0);
        QTest::mouseRelease(knop, Qt::LeftButton);
        EXPECT_FALSE(s.isVisible());
        EXPECT_EQ(meldingen, 1);
        EXPECT_EQ(gekozenVoorbeeld, voorbeeld);
        EXPECT_EQ(LeesToonOpstartscherm(), !voorbeeld);
    }

    SchrijfToonOpstartscherm(false);
    TfrmStartInfo& s = Maak();
    s.chkOpstartInfo()->setChecked(true);
    s.close();
    s.close();
    EXPECT_EQ(meldingen, 1);
    EXPECT_FALSE(gekozenVoorbeeld);
    EXPECT_TRUE(LeesToonOpstartscherm());
}

// The collapsed frame shows over the top left of the picture only, and hides over the rest.
TEST_F(StartschermTest, BezwekenAfbeeldingAlleenLinksBoven) {
    TfrmStartInfo& s = Maak();
    QLabel* bezweken = s.imaBezweken();
    EXPECT_FALSE(bezweken->isVisible());
    for (QWidget* deel : std::initializer_list<QWidget*>{s.imaStartInfo(), s.pnlVoorbeeld(),
                                                         s.chkOpstartInfo(), s.lblStartInfo()}) {
        Beweeg(s.imaStartInfo(), QPoint(116, 127));
        EXPECT_TRUE(bezweken->isVisible());
        Beweeg(deel, deel == s.imaStartInfo() ? QPoint(117, 20) : QPoint(2, 2));
        EXPECT_FALSE(bezweken->isVisible()) << deel->objectName().toStdString();
    }
}

// The about box is where the start screen is switched on again: a click on its text or picture
// and Escape all close it and write the check box.
TEST_F(StartschermTest, InfoSchrijftHetVinkjeBijElkeManierVanSluiten) {
    const std::function<void(TfrmInfo&)> manieren[] = {
        [](TfrmInfo& info) { QTest::mouseClick(info.lblInfo(), Qt::LeftButton); },
        [](TfrmInfo& info) {
            QTest::mouseClick(info.imaInfo(), Qt::LeftButton, {}, {40, 40});
        },
        [](TfrmInfo& info) { QTest::keyClick(&info, Qt::Key_Escape); }};
    bool toon = true;
    for (const auto& sluit : manieren) {
        TfrmInfo info(teksten, nullptr);
        EXPECT_EQ(info.chkOpstartInfo()->isChecked(), toon);
        info.show();
        toon = !toon;
        info.chkOpstartInfo()->setChecked(toon);
        sluit(info);
        EXPECT_FALSE(info.isVisible());
        EXPECT_EQ(LeesToonOpstartscherm(), toon);
    }
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

    static QString Tekst(const THtmlVenster& venster) {
        return venster.WebBrowser1()->toPlainText();
    }

    QTemporaryDir map;
    Teksten teksten;
};

TEST_F(HtmlVensterTest, HelpVindtZijnStartpaginaEnVolgtLokaleLinks) {
    Schrijf(QStringLiteral("Help/HelpIndex.html"),
            "<html><body><p>Index van de help</p><a href=\"Staven.html\">Staven</a></body></html>");
    Schrijf(QStringLiteral("Help/Staven.html"), "<p>Over staven</p>");

    TfrmHelpOnderwerpen help(teksten, map.path());
    EXPECT_TRUE(help.PaginaGevonden());
    EXPECT_EQ(help.Pagina(),
              QUrl::fromLocalFile(map.filePath(QStringLiteral("Help/HelpIndex.html"))));
    EXPECT_TRUE(Tekst(help).contains(QStringLiteral("Index van de help")));
    help.Volg(QUrl(QStringLiteral("Staven.html")));
    EXPECT_EQ(Tekst(help), QStringLiteral("Over staven"));

    // Back in the history, relative links start from the shown page again.
    help.WebBrowser1()->backward();
    EXPECT_TRUE(Tekst(help).contains(QStringLiteral("Index van de help")));
    help.Volg(QUrl(QStringLiteral("Staven.html")));
    EXPECT_EQ(Tekst(help), QStringLiteral("Over staven"));
}

TEST_F(HtmlVensterTest, TheorieToontEenHtmPaginaAlsHtml) {
    Schrijf(QStringLiteral("Theorie/TheorieIndex.htm"),
            "<html><body><h1>Virtuele arbeid</h1></body></html>");
    TfrmDeTheorie theorie(teksten, map.path());
    EXPECT_EQ(Tekst(theorie), QStringLiteral("Virtuele arbeid"));
}

TEST_F(HtmlVensterTest, OntbrekendePaginaOfLinkGeeftEenMelding) {
    const TfrmDeTheorie theorie(teksten, map.path());
    EXPECT_FALSE(theorie.PaginaGevonden());
    EXPECT_TRUE(Tekst(theorie).contains(QStringLiteral("TheorieIndex.htm")));
    EXPECT_TRUE(Tekst(theorie).endsWith(QStringLiteral(" is niet gevonden.")));

    Schrijf(QStringLiteral("Help/HelpIndex.html"), "<p>Index</p>");
    TfrmHelpOnderwerpen help(teksten, map.path());
    help.Volg(QUrl(QStringLiteral("Weg.html")));
    EXPECT_FALSE(help.PaginaGevonden());
    EXPECT_TRUE(Tekst(help).contains(QStringLiteral("Weg.html")));
    EXPECT_TRUE(Tekst(help).endsWith(QStringLiteral(" is niet gevonden.")));
}

TEST(VoortgangTest, ToontLabelEnBegrensdeStand) {
    const Teksten teksten;
    TfrmVoortgang voortgang{teksten};
    voortgang.show();
    const std::string label = teksten[185] + teksten[156] + teksten[148];
    voortgang.ZetVoortgang(label, 41);
    EXPECT_EQ(voortgang.lblVoortgang()->text(),
              QStringLiteral(
                  "Mechanismes bepalen... --> OK\nArrays met vervangende mechanismen vullen..."));
    EXPECT_EQ(voortgang.pbarVoortgang()->value(), 41);
    voortgang.ZetVoortgang(label, 140);
    EXPECT_EQ(voortgang.pbarVoortgang()->value(), 100);
    voortgang.Sluit();
    EXPECT_FALSE(voortgang.isVisible());
}

// Every text of the small windows is shown whole, in Dutch and in English and with a made-up
// language twice as long: the windows keep at least their design size and grow where a text
// needs room.
TEST(KleineVensters, TekstenPassenInElkeTaal) {
    Teksten nederlands;
    Teksten engels;
    ASSERT_EQ(engels.LeesVertalingsbestand(KX_VERTALINGEN "/English.kxt").Aantal, Teksten::Aantal);
    std::string dubbeleTaal;
    for (int i = 0; i < Teksten::Aantal; ++i) {
        dubbeleTaal += engels[i] + " " + engels[i] + "\r\n###\r\n";
    }
    std::istringstream invoer(dubbeleTaal);
    Teksten dubbel;
    ASSERT_EQ(dubbel.LeesVertaling(invoer), Teksten::Aantal);
    for (const Teksten* teksten : {&nederlands, &engels, &dubbel}) {
        TfrmInfo info(*teksten, nullptr);
        TfrmStartInfo start(*teksten, nullptr);
        start.ZetAfsluiting([](bool) {});
        TfrmVoortgang voortgang(*teksten);
        voortgang.ZetVoortgang((*teksten)[185] + (*teksten)[156] + (*teksten)[148], 10);
        TFormMpInvullen mp(*teksten);
        mp.ZetWaarde(12.5); // shows the current value beside the empty box
        const std::vector<std::pair<QWidget*, QSize>> vensters{
            {&info, {450, 161}}, {&start, {450, 250}}, {&voortgang, {445, 172}}, {&mp, {224, 125}}};
        for (const auto& [venster, ontwerp] : vensters) {
            venster->show();
            QApplication::processEvents();
            EXPECT_GE(venster->width(), ontwerp.width()) << venster->objectName().toStdString();
            EXPECT_GE(venster->height(), ontwerp.height()) << venster->objectName().toStdString();
            for (const QLabel* label : venster->findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty()) {
                    continue;
                }
                const bool past = label->wordWrap()
                                      ? label->heightForWidth(label->width()) <= label->height()
                                      : label->sizeHint().width() <= label->width();
                EXPECT_TRUE(past) << label->text().toStdString();
            }
            for (const QCheckBox* vinkje : venster->findChildren<QCheckBox*>()) {
                EXPECT_LE(vinkje->sizeHint().width(), vinkje->width())
                    << vinkje->text().toStdString();
            }
            venster->hide();
        }
    }
}

} // namespace
} // namespace kx
