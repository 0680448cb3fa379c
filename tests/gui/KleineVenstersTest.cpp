#include "Hulp.h"
#include "ui/HtmlVenster.h"
#include "ui/Info.h"
#include "ui/MpInvullen.h"
#include "ui/Voortgang.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace kx {
namespace {

class KleineVensters : public ::testing::Test {
protected:
    void SetUp() override { OpenGebruikersInstellingen()->clear(); }
    void TearDown() override { OpenGebruikersInstellingen()->clear(); }
    static void Zet(const QString& naam, const QVariant& waarde) {
        OpenGebruikersInstellingen()->setValue(naam, waarde);
    }

    Teksten teksten;
};

// Tests never write the user's own settings. The start screen setting is on while it is
// missing and written as a number; other spellings of its name and hand-written text are
// understood, and a value stored under another spelling does not outlive a later write.
TEST_F(KleineVensters, InstellingenKerenTerug) {
    EXPECT_TRUE(OpenGebruikersInstellingen()->fileName().startsWith(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
    EXPECT_TRUE(LeesToonOpstartscherm());
    for (const bool toon : {false, true}) {
        SchrijfToonOpstartscherm(toon);
        EXPECT_EQ(LeesToonOpstartscherm(), toon);
        EXPECT_EQ(OpenGebruikersInstellingen()->value("ToonOpstartScherm").toString(),
                  toon ? "1" : "0");
    }
    Zet("ToonOpstartscherm", 0);
    EXPECT_FALSE(LeesToonOpstartscherm());
    SchrijfToonOpstartscherm(true);
    EXPECT_TRUE(LeesToonOpstartscherm());
    Zet("ToonOpstartScherm", "false");
    EXPECT_FALSE(LeesToonOpstartscherm());
    Zet("ToonOpstartScherm", 7);
    EXPECT_TRUE(LeesToonOpstartscherm());

    // The language is stored under its own name; a missing or unknown name means Dutch.
    EXPECT_EQ(LeesTaal(), TTaal::Nederlands);
    for (const auto& [taal, naam] :
         {std::pair{TTaal::Engels, "English"}, {TTaal::Nederlands, "Nederlands"}}) {
        SchrijfTaal(taal);
        EXPECT_EQ(LeesTaal(), taal);
        EXPECT_EQ(OpenGebruikersInstellingen()->value("Taal").toString(), naam);
    }
    Zet("Taal", "english");
    EXPECT_EQ(LeesTaal(), TTaal::Engels);
    Zet("Taal", "Klingon");
    EXPECT_EQ(LeesTaal(), TTaal::Nederlands);
}

// Runs lees in a thread of its own; a reader still waiting after two seconds counts as hung
// and is released by a writer on the FIFO at pad.
bool BlijftHangen(const QString& pad, const std::function<void()>& lees) {
    std::atomic<bool> klaar = false;
    std::thread draad([&] {
        lees();
        klaar = true;
    });
    for (int i = 0; i < 200 && !klaar; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const bool hing = !klaar;
    if (hing) {
        ::close(::open(QFile::encodeName(pad).constData(), O_WRONLY | O_NONBLOCK));
    }
    draad.join();
    return hing;
}

// Something other than a regular file where the settings live would hang the start (a FIFO
// waits for a writer) or be replaced by one: the settings are skipped, said once on stderr in
// both languages, read as if they could not be opened and never written.
TEST_F(KleineVensters, InstellingenDieGeenGewoonBestandZijnWordenOvergeslagen) {
    const QString pad = OpenGebruikersInstellingen()->fileName();
    QFile::remove(pad);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(pad).path()));
    const QByteArray naam = QFile::encodeName(pad);
    const std::string melding = "plastokinetica: de instellingen in \"" + naam.toStdString() +
                                "\" worden overgeslagen: dit is geen gewoon bestand.\n"
                                "plastokinetica: the settings in \"" +
                                naam.toStdString() +
                                "\" are skipped: this is not a regular file.\n";
    const struct {
        std::function<bool()> maak;
        std::string stderrTekst;
    } gevallen[] = {
        {[&] { return mkfifo(naam.constData(), 0600) == 0; }, melding},
        {[&] { return QFile::link("/dev/null", pad); }, ""},
    };
    for (const auto& geval : gevallen) {
        ASSERT_TRUE(geval.maak());
        const QFileInfo voor(pad);
        bool toon = true;
        TTaal taal = TTaal::Engels;
        testing::internal::CaptureStderr();
        const bool hing = BlijftHangen(pad, [&] {
            SchrijfToonOpstartscherm(true);
            SchrijfTaal(TTaal::Engels);
            toon = LeesToonOpstartscherm();
            taal = LeesTaal();
        });
        EXPECT_EQ(testing::internal::GetCapturedStderr(), geval.stderrTekst);
        EXPECT_FALSE(hing);
        EXPECT_FALSE(toon);
        EXPECT_EQ(taal, TTaal::Nederlands);
        const QFileInfo na(pad);
        EXPECT_EQ(na.isSymLink(), voor.isSymLink());
        EXPECT_FALSE(na.isFile());
        ASSERT_TRUE(QFile::remove(pad));
    }
}

// The check box follows the setting; each way out closes once, tells whether the example was
// chosen and writes the check box. The collapsed frame shows over the top left of the picture
// only.
TEST_F(KleineVensters, StartschermBewaartHetVinkje) {
    int meldingen = 0;
    bool gekozenVoorbeeld = false;
    const auto maak = [&](std::optional<TfrmStartInfo>& scherm) -> TfrmStartInfo& {
        meldingen = 0;
        scherm.emplace(teksten, nullptr);
        scherm->ZetAfsluiting([&](bool voorbeeld) {
            ++meldingen;
            gekozenVoorbeeld = voorbeeld;
        });
        scherm->show();
        return *scherm;
    };
    std::optional<TfrmStartInfo> scherm;
    for (const int weg : {0, 1, 2}) { // the example, a new structure, closing twice
        SCOPED_TRACE(weg);
        SchrijfToonOpstartscherm(weg == 0);
        TfrmStartInfo& s = maak(scherm);
        EXPECT_EQ(s.chkOpstartInfo()->isChecked(), weg == 0);
        s.chkOpstartInfo()->setChecked(weg != 0);
        if (weg < 2) {
            TPaneelKnop* knop = weg == 0 ? s.pnlVoorbeeld() : s.pnlNieuw();
            QTest::mousePress(knop, Qt::LeftButton);
            EXPECT_TRUE(knop->Verlaagd());
            EXPECT_EQ(meldingen, 0);
            QTest::mouseRelease(knop, Qt::LeftButton);
        } else {
            s.close();
            s.close();
        }
        EXPECT_FALSE(s.isVisible());
        EXPECT_EQ(meldingen, 1);
        EXPECT_EQ(gekozenVoorbeeld, weg == 0);
        EXPECT_EQ(LeesToonOpstartscherm(), weg != 0);
    }

    const auto beweeg = [](QWidget* over, QPoint plaats) {
        test::Stuur(over, QEvent::MouseMove, plaats, Qt::NoButton);
    };
    TfrmStartInfo& b = maak(scherm);
    EXPECT_FALSE(b.imaBezweken()->isVisible());
    for (QWidget* deel : std::initializer_list<QWidget*>{b.imaStartInfo(), b.pnlVoorbeeld(),
                                                         b.chkOpstartInfo(), b.lblStartInfo()}) {
        beweeg(b.imaStartInfo(), QPoint(116, 127));
        EXPECT_TRUE(b.imaBezweken()->isVisible());
        beweeg(deel, deel == b.imaStartInfo() ? QPoint(117, 20) : QPoint(2, 2));
        EXPECT_FALSE(b.imaBezweken()->isVisible()) << deel->objectName().toStdString();
    }
}

// The about box is where the start screen is switched on again and the language chosen: its
// close button, a click on its text or picture and Escape all close it and write both.
TEST_F(KleineVensters, InfoBewaartVinkjeEnTaalBijElkeManierVanSluiten) {
    const std::function<void(TfrmInfo&)> manieren[] = {
        [](TfrmInfo& info) { QTest::mouseClick(info.lblInfo(), Qt::LeftButton); },
        [](TfrmInfo& info) {
            QTest::mouseClick(info.imaInfo(), Qt::LeftButton, {}, {40, 40});
        },
        [](TfrmInfo& info) { QTest::keyClick(&info, Qt::Key_Escape); },
        [](TfrmInfo& info) {
            EXPECT_EQ(info.btnSluiten()->text(), QStringLiteral("Sluiten"));
            QTest::mouseClick(info.btnSluiten(), Qt::LeftButton);
        }};
    bool toon = true;
    TTaal taal = TTaal::Nederlands;
    for (const auto& sluit : manieren) {
        TfrmInfo info(teksten, nullptr);
        EXPECT_EQ(info.chkOpstartInfo()->isChecked(), toon);
        QComboBox* keuze = info.cmbTaal();
        EXPECT_EQ(keuze->currentText(), Taalnaam(taal));
        info.show();
        toon = !toon;
        taal = taal == TTaal::Engels ? TTaal::Nederlands : TTaal::Engels;
        info.chkOpstartInfo()->setChecked(toon);
        keuze->setCurrentIndex(keuze->findText(Taalnaam(taal)));
        sluit(info);
        EXPECT_FALSE(info.isVisible());
        EXPECT_EQ(LeesToonOpstartscherm(), toon);
        EXPECT_EQ(LeesTaal(), taal);
    }
}

// Help finds its start page and follows local links, also after going back; the theory shows an
// ".htm" page as HTML; a missing page or link says which file it is.
TEST_F(KleineVensters, HelpEnTheorieTonenLokalePaginas) {
    const QTemporaryDir map;
    const auto schrijf = [&](const QString& pad, const QByteArray& inhoud) {
        QDir().mkpath(QFileInfo(map.filePath(pad)).path());
        QFile bestand(map.filePath(pad));
        ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
        bestand.write(inhoud);
    };
    const auto tekst = [](const THtmlVenster& v) { return v.WebBrowser1()->toPlainText(); };
    const auto nietGevonden = [&](const THtmlVenster& v, const QString& naam) {
        EXPECT_FALSE(v.PaginaGevonden());
        EXPECT_TRUE(tekst(v).contains(naam));
        EXPECT_TRUE(tekst(v).endsWith(" is niet gevonden."));
    };
    nietGevonden(TfrmDeTheorie(teksten, map.path()), "TheorieIndex.htm");

    schrijf("Help/HelpIndex.html", "<p>Index van de help</p><a href=\"Staven.html\">Staven</a>");
    schrijf("Help/Staven.html", "<p>Over staven</p>");
    schrijf("Theorie/TheorieIndex.htm", "<html><body><h1>Virtuele arbeid</h1></body></html>");
    TfrmHelpOnderwerpen help(teksten, map.path());
    EXPECT_TRUE(help.PaginaGevonden());
    EXPECT_EQ(help.Pagina(), QUrl::fromLocalFile(map.filePath("Help/HelpIndex.html")));
    EXPECT_TRUE(tekst(help).contains("Index van de help"));
    help.Volg(QUrl("Staven.html"));
    EXPECT_EQ(tekst(help), "Over staven");
    help.WebBrowser1()->backward();
    EXPECT_TRUE(tekst(help).contains("Index van de help"));
    help.Volg(QUrl("Staven.html"));
    EXPECT_EQ(tekst(help), "Over staven");
    help.Volg(QUrl("Weg.html"));
    nietGevonden(help, "Weg.html");
    EXPECT_EQ(tekst(TfrmDeTheorie(teksten, map.path())), "Virtuele arbeid");
}

TEST_F(KleineVensters, VoortgangToontLabelEnBegrensdeStand) {
    TfrmVoortgang voortgang{teksten};
    voortgang.show();
    const std::string label = teksten[185] + teksten[156] + teksten[148];
    voortgang.ZetVoortgang(label, 41);
    EXPECT_EQ(voortgang.lblVoortgang()->text(),
              "Mechanismes bepalen... --> OK\nArrays met vervangende mechanismen vullen...");
    EXPECT_EQ(voortgang.pbarVoortgang()->value(), 41);
    voortgang.ZetVoortgang(label, 140);
    EXPECT_EQ(voortgang.pbarVoortgang()->value(), 100);
    voortgang.Sluit();
    EXPECT_FALSE(voortgang.isVisible());
}

// Every text of the small windows and the side panel is shown whole, in Dutch, in English and
// in a made-up language twice as long: the windows open at least at their design size and grow
// where a text needs room.
TEST_F(KleineVensters, TekstenPassenInElkeTaal) {
    Teksten engels;
    ASSERT_EQ(engels.LeesVertalingsbestand(KX_VERTALINGEN "/English.kxt").Aantal, Teksten::Aantal);
    std::string dubbeleTaal;
    for (int i = 0; i < Teksten::Aantal; ++i) {
        dubbeleTaal += engels[i] + " " + engels[i] + "\r\n###\r\n";
    }
    std::istringstream invoer(dubbeleTaal);
    Teksten dubbel;
    ASSERT_EQ(dubbel.LeesVertaling(invoer), Teksten::Aantal);
    const auto vinkjesPassen = [](const QWidget* venster) {
        for (const QCheckBox* vinkje : venster->findChildren<QCheckBox*>()) {
            EXPECT_LE(vinkje->sizeHint().width(), vinkje->width()) << vinkje->text().toStdString();
        }
    };
    for (const Teksten* t : {&teksten, &engels, &dubbel}) {
        TfrmInfo info(*t, nullptr);
        TfrmStartInfo start(*t, nullptr);
        start.ZetAfsluiting([](bool) {});
        TfrmVoortgang voortgang(*t);
        voortgang.ZetVoortgang((*t)[185] + (*t)[156] + (*t)[148], 10);
        TFormMpInvullen mp(*t);
        mp.ZetWaarde(12.5); // shows the current value beside the empty box
        const std::vector<std::pair<QWidget*, QSize>> vensters{
            {&info, {450, 161}}, {&start, {450, 250}}, {&voortgang, {445, 172}}, {&mp, {224, 125}}};
        for (const auto& [venster, ontwerp] : vensters) {
            venster->show();
            QApplication::processEvents();
            EXPECT_GE(venster->width(), ontwerp.width()) << venster->objectName().toStdString();
            EXPECT_GE(venster->height(), ontwerp.height()) << venster->objectName().toStdString();
            for (const QLabel* label : venster->findChildren<QLabel*>()) {
                if (label->isVisible() && !label->text().isEmpty()) {
                    EXPECT_TRUE(label->wordWrap()
                                    ? label->heightForWidth(label->width()) <= label->height()
                                    : label->sizeHint().width() <= label->width())
                        << label->text().toStdString();
                }
            }
            vinkjesPassen(venster);
            venster->hide();
        }
        if (t == &dubbel) {
            continue; // the side panel: check boxes and hint in the shipped languages
        }
        TZijpaneel paneel(*t, nullptr);
        paneel.show();
        vinkjesPassen(&paneel);
        for (int i = 0; i < AantalBewerkingen; ++i) {
            paneel.ToonBewerking(static_cast<TBewerking>(i));
            const QLabel* hint = paneel.Aanwijzing();
            EXPECT_LE(hint->heightForWidth(hint->width()), hint->height())
                << hint->text().toStdString();
        }
    }
}

// On a tall screen all groups of the side panel open one below the other; on a low one at most
// one is open, also after further resizes.
TEST_F(KleineVensters, ZijpaneelGroepenEnVinkjes) {
    TZijpaneel paneel{teksten, nullptr};
    paneel.show();
    const auto groep = [&](int g) { return paneel.Inklapknop(g)->parentWidget(); };
    const auto open = [&] {
        int aantal = 0;
        for (int g = 0; g < 4; ++g) {
            aantal += paneel.Uitgeklapt(g) ? 1 : 0;
        }
        return aantal;
    };
    paneel.WisselGroep(TZijpaneel::grpHoeBezwijken);
    const int dicht = groep(TZijpaneel::grpHoeBezwijken)->height();
    paneel.PasAanHoogte(620);
    EXPECT_FALSE(paneel.KleinScherm());
    EXPECT_EQ(open(), 4);
    EXPECT_GT(groep(TZijpaneel::grpHoeBezwijken)->height(), dicht);
    for (int g = 1; g < 4; ++g) {
        EXPECT_GT(groep(g)->y(), groep(g - 1)->geometry().bottom()) << g;
    }

    paneel.PasAanHoogte(619);
    EXPECT_TRUE(paneel.KleinScherm());
    EXPECT_EQ(open(), 0);
    paneel.WisselGroep(TZijpaneel::grpHoeBezwijken);
    paneel.WisselGroep(TZijpaneel::grpWanneerBezwijken);
    EXPECT_FALSE(paneel.Uitgeklapt(TZijpaneel::grpHoeBezwijken));
    EXPECT_TRUE(paneel.Uitgeklapt(TZijpaneel::grpWanneerBezwijken));
    paneel.PasAanHoogte(500);
    EXPECT_TRUE(paneel.Uitgeklapt(TZijpaneel::grpWanneerBezwijken));
    EXPECT_EQ(open(), 1);

    // An explanation counts only with its main box ticked; unticking the main box greys the
    // explanation box but keeps its tick for later.
    QSignalSpy gewijzigd(&paneel, &TZijpaneel::WeergaveGewijzigd);
    int klikken = 0;
    const auto klik = [&](int optie) {
        paneel.Vinkje(optie)->click();
        ++klikken;
    };
    const auto vlag = [&](int optie) { return paneel.WeergaveOpties()[optie]; };
    for (int hoofd = woStatOnbep; hoofd < woMechanismeTabel; hoofd += 2) {
        SCOPED_TRACE(hoofd);
        const int uitleg = hoofd + 1;
        klik(uitleg);
        EXPECT_FALSE(vlag(uitleg));
        EXPECT_TRUE(vlag(hoofd));
        klik(uitleg);
        klik(hoofd);
        EXPECT_FALSE(vlag(hoofd));
        EXPECT_FALSE(vlag(uitleg));
        EXPECT_FALSE(paneel.Vinkje(uitleg)->isEnabled());
        EXPECT_TRUE(paneel.Vinkje(uitleg)->isChecked());
        EXPECT_TRUE(vlag(hoofd == woStatOnbep ? woMogBezwMech : woStatOnbep));
        klik(hoofd);
        EXPECT_TRUE(paneel.Vinkje(uitleg)->isEnabled());
        EXPECT_TRUE(vlag(uitleg));
    }
    EXPECT_EQ(gewijzigd.count(), klikken);
}

// Runs doe on the modal dialog once it is open. While the returned guard lives, a dialog that is
// still open a while later is closed, so that a failing test cannot hang.
std::unique_ptr<QTimer> BijDialoog(const std::function<void(QWidget*)>& doe) {
    QTimer::singleShot(0, [doe] { doe(QApplication::activeModalWidget()); });
    auto nood = std::make_unique<QTimer>();
    QObject::connect(nood.get(), &QTimer::timeout, [] {
        if (QWidget* open = QApplication::activeModalWidget()) {
            open->close();
        }
    });
    nood->start(1500);
    return nood;
}

// The real dialogs speak Dutch: the save question has Ja, Nee and Annuleren, and the open
// dialog lets a name without its extension through.
TEST(Dialogen, OpslaanvraagMetAnnulerenEnOpenenZonderExtensie) {
    TStandaardDialogen dialogen;
    for (const auto& [knop, antwoord] : {std::pair{QMessageBox::Yes, TAntwoord::Ja},
                                         {QMessageBox::No, TAntwoord::Nee},
                                         {QMessageBox::Cancel, TAntwoord::Annuleren}}) {
        QStringList knoppen;
        const auto nood = BijDialoog([&knoppen, knop](QWidget* open) {
            auto* vraag = qobject_cast<QMessageBox*>(open);
            ASSERT_NE(vraag, nullptr);
            for (const auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
                ASSERT_NE(vraag->button(b), nullptr);
                knoppen << vraag->button(b)->text().remove('&');
            }
            vraag->button(knop)->click();
        });
        EXPECT_EQ(dialogen.VraagJaNeeAnnuleren(nullptr, "Opslaan?"), antwoord);
        EXPECT_EQ(knoppen, (QStringList{"Ja", "Nee", "Annuleren"}));
    }

    QTemporaryDir map;
    QFile bestand(map.filePath("portaal.kx"));
    ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
    bestand.close();
    QString label;
    const auto nood = BijDialoog([&](QWidget* open) {
        auto* dialoog = qobject_cast<QFileDialog*>(open);
        ASSERT_NE(dialoog, nullptr);
        if (const auto* l = dialoog->findChild<QLabel*>("fileNameLabel")) {
            label = l->text().remove('&');
        }
        dialoog->setDirectory(map.path());
        dialoog->selectFile("portaal");
        static_cast<QDialog*>(dialoog)->accept();
    });
    const QString gekozen =
        dialogen.KiesTeOpenen(nullptr, "Alle (*.*)|*.*|Constructies (*.kx)|*.kx", 2);
    EXPECT_EQ(MetExtensie(gekozen.toStdString()), map.filePath("portaal.kx").toStdString());
    EXPECT_EQ(label, "Bestandsnaam:");
}

// A failed read or save warns; any other message informs.
TEST(Dialogen, WaarschuwingEnInformatieHebbenHunEigenPictogram) {
    TStandaardDialogen dialogen;
    for (const bool waarschuwing : {true, false}) {
        QMessageBox::Icon pictogram = QMessageBox::NoIcon;
        QString tekst;
        const auto nood = BijDialoog([&](QWidget* open) {
            auto* box = qobject_cast<QMessageBox*>(open);
            ASSERT_NE(box, nullptr);
            pictogram = box->icon();
            tekst = box->text();
            ASSERT_NE(box->button(QMessageBox::Ok), nullptr);
            box->button(QMessageBox::Ok)->click();
        });
        if (waarschuwing) {
            dialogen.Waarschuwing(nullptr, "Kan niet worden gelezen.");
        } else {
            dialogen.Informatie(nullptr, "Er staan geen krachten op de constructie.");
        }
        EXPECT_EQ(pictogram, waarschuwing ? QMessageBox::Warning : QMessageBox::Information);
        EXPECT_EQ(tekst, waarschuwing ? "Kan niet worden gelezen."
                                      : "Er staan geen krachten op de constructie.");
    }
}

// The open dialog lists structures whatever the case of their extension, and the name chosen
// keeps its own extension.
TEST(Dialogen, OpenenToontEenExtensieInHoofdletters) {
    TStandaardDialogen dialogen;
    QTemporaryDir map;
    for (const char* naam : {"PORTAAL.KX", "klein.kx", "notitie.txt"}) {
        QFile bestand(map.filePath(naam));
        ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
    }
    QStringList getoond;
    // The folder is read in the background: the list is taken a moment later.
    const auto nood = BijDialoog([&](QWidget* open) {
        auto* dialoog = qobject_cast<QFileDialog*>(open);
        ASSERT_NE(dialoog, nullptr);
        dialoog->setDirectory(map.path());
        QTimer::singleShot(500, dialoog, [&map, &getoond, dialoog] {
            const auto* model = dialoog->findChild<QFileSystemModel*>();
            ASSERT_NE(model, nullptr);
            const QModelIndex wortel = model->index(map.path());
            for (int rij = 0; rij < model->rowCount(wortel); ++rij) {
                getoond << model->index(rij, 0, wortel).data().toString();
            }
            getoond.sort();
            auto* naam = dialoog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(naam, nullptr);
            naam->setText("PORTAAL.KX");
            QMetaObject::invokeMethod(dialoog, "accept");
        });
    });
    const QString gekozen =
        dialogen.KiesTeOpenen(nullptr, "Alle (*.*)|*.*|Constructies (*.kx)|*.kx", 2);
    EXPECT_EQ(getoond, (QStringList{"PORTAAL.KX", "klein.kx"}));
    EXPECT_EQ(MetExtensie(gekozen.toStdString()), map.filePath("PORTAAL.KX").toStdString());
}

// The plastic moment dialog keeps only the digits 0 to 9 (other scripts' digits would not
// convert), at most three of them, and OK needs a value above zero.
TEST(MpInvullen, InvoerfilterEnOk) {
    const Teksten teksten;
    TFormMpInvullen dialoog(teksten);
    QLineEdit* veld = dialoog.editMP();
    dialoog.ZetWaarde(50.0);
    dialoog.show();
    EXPECT_EQ(veld->text(), "50");
    EXPECT_TRUE(dialoog.BitBtnOK()->isEnabled());
    EXPECT_FALSE(dialoog.lblHuidig()->isVisible());
    EXPECT_EQ(dialoog.focusWidget(), veld);
    struct Geval {
        QString begin, getypt, tekst;
        bool ok;
    };
    const Geval gevallen[] = {
        {"50", "x", "50", true},    {"50", "-", "50", true},    {"", "-", "", false},
        {"", "1\u0663", "1", true}, {"", "0", "0", false},      {"", "000", "000", false},
        {"", "007", "007", true},   {"", "12345", "123", true}, {"", "", "", false}};
    for (const Geval& g : gevallen) {
        SCOPED_TRACE((g.begin + '+' + g.getypt).toStdString());
        veld->setText(g.begin);
        veld->end(false);
        veld->insert(g.getypt);
        EXPECT_EQ(veld->text(), g.tekst);
        EXPECT_EQ(dialoog.BitBtnOK()->isEnabled(), g.ok);
    }
}

// OK or Enter with a value gives it; Enter on an empty box does nothing; Cancel and Escape give
// nothing. A value from a file that cannot be typed here is shown beside an empty box and only
// changes when a new value is typed and confirmed, also through the modal call.
TEST(MpInvullen, AlleenEenBevestigdeWaardeTelt) {
    const Teksten teksten;
    TFormMpInvullen dialoog(teksten);
    QLineEdit* veld = dialoog.editMP();
    const auto ok = [&] { QTest::mouseClick(dialoog.BitBtnOK(), Qt::LeftButton); };
    const auto enter = [&] { QTest::keyClick(veld, Qt::Key_Return); };
    const auto escape = [&] { QTest::keyClick(veld, Qt::Key_Escape); };
    const auto annuleren = [&] { QTest::mouseClick(dialoog.BitBtn2(), Qt::LeftButton); };
    const QString komma = QLocale().decimalPoint();
    struct Geval {
        double mp;
        QString huidig, getypt;
        std::function<void()> sluit;
        std::optional<double> waarde;
        bool open;
    };
    const std::vector<Geval> gevallen{{50, "", "007", ok, 7.0, false},
                                      {50, "", "80", enter, 80.0, false},
                                      {50, "", "", enter, std::nullopt, true},
                                      {50, "", "123", escape, std::nullopt, false},
                                      {50, "", "123", annuleren, std::nullopt, false},
                                      {12.5, "12" + komma + "5", "", enter, std::nullopt, true},
                                      {1500, "1500", "", annuleren, std::nullopt, false},
                                      {-5, "-5", "", enter, std::nullopt, true},
                                      {12.5, "12" + komma + "5", "13", ok, 13.0, false}};
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(testing::Message() << g.mp << " " << g.getypt.toStdString());
        dialoog.ZetWaarde(g.mp);
        dialoog.show();
        EXPECT_EQ(dialoog.lblHuidig()->isVisible(), !g.huidig.isEmpty());
        if (!g.huidig.isEmpty()) {
            EXPECT_EQ(veld->text(), QString());
            EXPECT_FALSE(dialoog.BitBtnOK()->isEnabled());
            EXPECT_EQ(dialoog.lblHuidig()->text(), "Huidige waarde: " + g.huidig + " kNm");
        } else {
            veld->clear();
        }
        QTest::keyClicks(veld, g.getypt);
        g.sluit();
        EXPECT_EQ(dialoog.isVisible(), g.open);
        EXPECT_EQ(dialoog.GekozenWaarde(), g.waarde);
    }
    QTimer::singleShot(0, &dialoog, [&] {
        QTest::keyClicks(veld, "75");
        ok();
    });
    EXPECT_EQ(dialoog.Vraag(12.5, nullptr), std::optional<double>(75.0));
}

// The buttons and the current value speak the language of the texts, and show whole.
TEST(MpInvullen, KnoppenEnHuidigeWaardeInElkeTaal) {
    struct Geval {
        bool engels;
        QString ok, annuleren, huidig;
    };
    for (const Geval& g : {Geval{false, "OK", "Annuleren", "Huidige waarde: "},
                           Geval{true, "OK", "Cancel", "Current value: "}}) {
        Teksten teksten;
        if (g.engels) {
            ASSERT_EQ(teksten.LeesVertalingsbestand(KX_VERTALINGEN "/English.kxt").Aantal,
                      Teksten::Aantal);
        }
        TFormMpInvullen dialoog(teksten);
        dialoog.ZetWaarde(1500.0);
        dialoog.show();
        QApplication::processEvents();
        EXPECT_EQ(dialoog.BitBtnOK()->text(), g.ok);
        EXPECT_EQ(dialoog.BitBtn2()->text(), g.annuleren);
        EXPECT_EQ(dialoog.lblHuidig()->text(), g.huidig + QStringLiteral("1500 kNm"));
        for (const QWidget* deel : std::initializer_list<const QWidget*>{
                 dialoog.BitBtnOK(), dialoog.BitBtn2(), dialoog.lblHuidig()}) {
            EXPECT_LE(deel->sizeHint().width(), deel->width());
        }
    }
}

} // namespace
} // namespace kx
