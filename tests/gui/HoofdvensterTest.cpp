#include "Hulp.h"
#include "model/Bestand.h"
#include "text/Bestandstoegang.h"
#include "ui/Datamap.h"
#include "ui/Herstelkopie.h"
#include "ui/Pictogram.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>

#include <csignal>
#include <filesystem>
#include <sys/stat.h>

namespace kx {
namespace {

using test::Sleep;

const QString Voorbeeldbestand = QStringLiteral(KX_FIXTURES "/voorbeeld.kx");
const QString Opslaanvraag = QStringLiteral(
    "De constructie is veranderd, maar nog niet opgeslagen. Moet dit alsnog gebeuren?");

void Schrijf(const QString& pad, const QByteArray& inhoud) {
    QDir().mkpath(QFileInfo(pad).path());
    QFile bestand(pad);
    ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
    bestand.write(inhoud);
}

// The editor in the main window at zoom 40 and fineness 2: pixel 80 is 2 m.
class Hoofdvenster : public test::HoofdvensterBasis {
protected:
    QString Pad(const QString& naam) const { return map.filePath(naam); }
    std::string Naam() const { return venster->Document().Bestandsnaam(); }
    bool Gewijzigd() const { return venster->Document().Gewijzigd(); }
    // The caption without the changed mark's place and the " - [child]" that the frame adds
    // while a child is maximised.
    QString Titel() const {
        return venster->windowTitle()
            .remove(QRegularExpression(R"( - \[[^\]]*\]$)"))
            .remove(QStringLiteral("[*]"));
    }
    QString Kwijt(const QString& pad, const QString& reden) const {
        return "Het bestand \"" + pad + "\" kan niet worden " + reden;
    }

    // The structure in a file, read back on its own.
    TConstructie Lees(const QString& pad) const {
        TConstructie terug;
        EXPECT_EQ(LaadConstructie(terug, pad.toStdString(), venster->Tekst()), "");
        return terug;
    }

    void Rechts(QPoint p) {
        Editor().ImageConstructieMouseDown(Qt::RightButton, p.x(), p.y());
        Editor().ImageConstructieMouseUp(Qt::RightButton, p.x(), p.y());
    }
    TConstructie Nu() const { return venster->Document().Constructie(); }

    QTemporaryDir map;
};

// The hint line names the most bars a structure holds when the table is full.
TEST_F(Hoofdvenster, VolleStaventabelNoemtHetMaximumInDeAanwijzing) {
    Start();
    venster->Document().Bewerk("vullen", [this](TConstructie& c) {
        TSelectie s;
        VoegStaafToe(c, s, 0, 0.0, 0.0, venster->Tekst());
        VoegStaafToe(c, s, 1, 1.0, 0.0, venster->Tekst());
        const TConstructieStaaf eerste = c.Staven[0];
        c.Staven.assign(MaxSlots, eerste);
    });
    venster->KiesBewerking(TBewerking::StaafToevoegen);
    Sleep(Editor(), {80, 400}, {160, 400});
    EXPECT_EQ(venster->Zijpaneel()->Aanwijzing()->text(),
              "999 staven is het maximum: verwijder eerst een staaf.");
    EXPECT_EQ(dialogen.Meldingen, QStringList{"999 staven is het maximum"});
    EXPECT_EQ(AantalStaven(), MaxSlots);
}

// "portaal" is saved as "portaal.kx". A file that only the appended ".kx" makes an existing one
// is replaced only after a question of the program's own, No going back to the dialog; the full
// name was the dialog's own question. A named file is saved without a dialog; a name chosen to
// open gets ".kx" too, unless it ends in ".kx" in any case.
TEST_F(Hoofdvenster, OpslaanEnOpenenVullenPuntKxAan) {
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

    dialogen.OpslaanAntwoorden = {Pad("portaal")};
    dialogen.JaNeeAntwoorden = {true};
    venster->Opslaan();
    EXPECT_EQ(dialogen.Vragen, (QStringList{vraag, vraag}));
    EXPECT_EQ(test::Aantal(Lees(Pad("portaal.kx")).Staven), 1);
    ASSERT_EQ(Naam(), Pad("portaal.kx").toStdString());
    EXPECT_EQ(Titel(), "Plastokinetica - " + Pad("portaal.kx"));
    EXPECT_FALSE(Gewijzigd());

    Sleep(Editor(), {280, 80}, {280, 200});
    venster->Opslaan();
    EXPECT_EQ(dialogen.AantalOpslaanDialogen, 3);
    EXPECT_FALSE(Gewijzigd());
    EXPECT_EQ(test::Aantal(Lees(Pad("portaal.kx")).Staven), 2);
    dialogen.OpslaanAntwoorden = {Pad("portaal.kx"), Pad("nieuw")};
    venster->OpslaanAls();
    venster->OpslaanAls();
    EXPECT_EQ(dialogen.Vragen.size(), 2);
    EXPECT_TRUE(QFile::exists(Pad("nieuw.kx")));

    ASSERT_TRUE(QFile::copy(Voorbeeldbestand, Pad("rek.txt.kx")));
    dialogen.OpenAntwoorden = {Pad("rek.txt")};
    venster->Openen();
    EXPECT_TRUE(dialogen.Meldingen.isEmpty());
    EXPECT_EQ(venster->Constructie(), Lees(Voorbeeldbestand));
    EXPECT_EQ(Titel(), "Plastokinetica - " + Pad("rek.txt.kx"));

    Bewerk();
    dialogen.OpslaanAntwoorden = {Pad("PORTAAL.KX")};
    venster->OpslaanAls();
    const TConstructie bewerkt = venster->Constructie();
    EXPECT_EQ(Lees(Pad("PORTAAL.KX")), bewerkt);
    EXPECT_FALSE(QFile::exists(Pad("PORTAAL.KX.kx")));
    venster->Nieuw();
    dialogen.OpenAntwoorden = {Pad("PORTAAL.KX")};
    venster->Openen();
    EXPECT_TRUE(dialogen.Meldingen.isEmpty());
    EXPECT_EQ(venster->Constructie(), bewerkt);
    EXPECT_EQ(Naam(), Pad("PORTAAL.KX").toStdString());
}

// A structure saved at 2 m per grid cell opens at 2 m per grid cell, with the same metres.
TEST_F(Hoofdvenster, GeopendBestandHoudtZijnSchaal) {
    Start();
    Editor().Schaal()->setValue(2);
    const TConstructie getekend = venster->Constructie();
    dialogen.OpslaanAntwoorden = {Pad("schaal")};
    venster->OpslaanAls();
    ASSERT_FALSE(Gewijzigd());
    venster->Nieuw();
    EXPECT_EQ(Editor().Schaal()->value(), 1);
    dialogen.OpenAntwoorden = {Pad("schaal.kx")};
    venster->Openen();
    EXPECT_TRUE(dialogen.Meldingen.isEmpty());
    EXPECT_EQ(Editor().Schaal()->value(), 2);
    EXPECT_TRUE(ZelfdeStructuur(venster->Constructie(), getekend));
    EXPECT_FALSE(Gewijzigd());
}

// The save question on Nieuw, Openen and closing: Ja with a name saves and goes on, Nee goes on;
// Annuleren, a cancelled save dialog or a failed save (said in Dutch) stop the command with the
// drawing, its name and the changed flag kept.
TEST_F(Hoofdvenster, OpslaanvraagBijNieuwOpenenEnSluiten) {
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
            dialogen.Meldingen.clear();
            const int vragen = static_cast<int>(dialogen.Vragen.size());
            const std::string naam = Naam();
            const QString titel = Titel();
            bool doorgegaan = false;
            if (opdracht == 0) {
                venster->Nieuw();
                doorgegaan = AantalStaven() == 0;
            } else if (opdracht == 1) {
                venster->Openen();
                doorgegaan = venster->Constructie() == Lees(Voorbeeldbestand);
            } else {
                venster->close();
                doorgegaan = !venster->isVisible();
            }
            EXPECT_EQ(dialogen.Vragen.size(), vragen + 1);
            EXPECT_EQ(dialogen.Vragen.back(), Opslaanvraag);
            EXPECT_EQ(doorgegaan, g.doorgaan);
            if (!g.doorgaan) {
                EXPECT_EQ(AantalStaven(), 1);
                EXPECT_TRUE(Gewijzigd());
                EXPECT_EQ(Naam(), naam);
                EXPECT_EQ(Titel(), titel);
            }
            EXPECT_EQ(QFile::exists(Pad("naam.kx")), !g.naam.isEmpty() && g.doorgaan);
            const QStringList melding{
                Kwijt(Pad("ontbreekt/x.kx"), "opgeslagen: de map bestaat niet.")};
            EXPECT_EQ(dialogen.Meldingen, g.naam.contains("ontbreekt") ? melding : QStringList());
            EXPECT_EQ(dialogen.Waarschuwingen, dialogen.Meldingen);
            dialogen.Waarschuwingen.clear();
        }
    }
}

// A file that cannot be read changes nothing: not the structure, its name, the scale, the
// changed flag nor the analysis. Every load that succeeds sets the scale back to 1.
TEST_F(Hoofdvenster, MisluktOpenenLaatAllesZoalsHetWas) {
    Start();
    dialogen.OpenAntwoorden = {Voorbeeldbestand};
    for (const auto& laad : std::initializer_list<std::function<void()>>{
             [this] { venster->Nieuw(); }, [this] { venster->LaadConstructie("Voorbeeld"); },
             [this] { venster->Openen(); }}) {
        Editor().Schaal()->setValue(3);
        laad();
        EXPECT_EQ(Editor().Schaal()->value(), 1);
    }
    EXPECT_EQ(dialogen.AantalOpenDialogen, 1);
    Editor().Schaal()->setValue(2);
    venster->KiesBewerking(TBewerking::BelastingToevoegen);
    Sleep(Editor(), {200, 80}, {200, 120}); // a second load on the middle of the beam
    venster->ToonHoeBezwijken();
    const TConstructie voor = venster->Constructie();
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
    EXPECT_EQ(dialogen.Meldingen[1],
              Kwijt(Pad("bestaat-niet.kx"), "gelezen: het bestand bestaat niet."));
    EXPECT_EQ(dialogen.Meldingen[2], Kwijt(fifo, "gelezen: dit is geen gewoon bestand."));
    EXPECT_EQ(dialogen.Waarschuwingen, dialogen.Meldingen);
    EXPECT_EQ(venster->Constructie(), voor);
    EXPECT_EQ(Naam(), Voorbeeldbestand.toStdString());
    EXPECT_EQ(Titel(), titel);
    EXPECT_TRUE(Gewijzigd());
    EXPECT_EQ(Editor().Schaal()->value(), 2);
    EXPECT_NE(venster->Analysevenster(TmdiPlastokinetica::kindHoeBezwijken), nullptr);
    EXPECT_TRUE(venster->Document().ResultatenGeldig());
}

// A refused structure shows the check and brings the editor forward, without an analysis or
// its windows. The analysis windows live until the next load.
TEST_F(Hoofdvenster, AnalysevenstersLevenTotHetLaden) {
    Start();
    venster->Editorvenster()->showMinimized();
    venster->ToonHoeBezwijken();
    EXPECT_EQ(dialogen.Meldingen, QStringList{"Er staan geen krachten op de constructie. "});
    EXPECT_TRUE(dialogen.Waarschuwingen.isEmpty());
    EXPECT_FALSE(venster->Editorvenster()->isMinimized());
    EXPECT_EQ(venster->Werkvlak()->activeSubWindow(), venster->Editorvenster());
    EXPECT_FALSE(venster->Document().ResultatenGeldig());
    EXPECT_EQ(venster->Analysevenster(TmdiPlastokinetica::kindHoeBezwijken), nullptr);
    EXPECT_TRUE(venster->Zijpaneel()->Kop(TZijpaneel::grpHoeBezwijken)->isEnabled());
    venster->ToonWanneerBezwijken();
    EXPECT_EQ(dialogen.Meldingen.size(), 2);
    EXPECT_EQ(venster->AantalAnalyses(), 0);

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
    ASSERT_EQ(venster->Constructie().Staven[0].Mp, 80.0);
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

    venster->Rangschikken(); // the editor alone fills the top left quarter
    const QRect plek = venster->Editorvenster()->geometry();
    EXPECT_EQ(plek.topLeft(), QPoint(0, 0));
    EXPECT_NEAR(2 * plek.width() + 4, venster->Werkvlak()->width(), 1);
    EXPECT_NEAR(2 * plek.height() + 4, venster->Werkvlak()->height(), 1);
}

// With the start screen the main window waits until the screen closes, and then has the
// keyboard: F6 works at once. (Without it, every other test starts with an empty editor.)
TEST_F(Hoofdvenster, OpstartenMetStartschermBlokkeertTotHetSluit) {
    Start(true);
    TfrmStartInfo* scherm = venster->Startscherm();
    ASSERT_NE(scherm, nullptr);
    EXPECT_TRUE(scherm->isVisible());
    EXPECT_FALSE(venster->isEnabled());
    EXPECT_EQ(venster->Constructievenster(), nullptr);
    QTest::mouseClick(scherm->pnlVoorbeeld(), Qt::LeftButton);
    EXPECT_TRUE(venster->isEnabled());
    ASSERT_NE(venster->Constructievenster(), nullptr);
    TConstructie voorbeeld;
    voorbeeld = kx::Voorbeeld();
    EXPECT_EQ(venster->Constructie(), voorbeeld);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &*venster);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(venster->isAncestorOf(focus));
    QTest::keyClick(focus, Qt::Key_F6);
    EXPECT_EQ(venster->AantalAnalyses(), 1);
    EXPECT_TRUE(dialogen.Meldingen.isEmpty());
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

// A display that is named but cannot be reached ends the same way, instead of in Qt's abort.
TEST(Programma, OnbereikbaarBeeldschermEenDuidelijkeRegel) {
    int nummer = 9000;
    while (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(nummer))) {
        ++nummer;
    }
    QProcess programma;
    QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
    omgeving.remove(QStringLiteral("WAYLAND_DISPLAY"));
    omgeving.insert(QStringLiteral("DISPLAY"), QStringLiteral(":%1").arg(nummer));
    omgeving.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    programma.setProcessEnvironment(omgeving);
    programma.start(QStringLiteral(KX_PROGRAMMA), {});
    ASSERT_TRUE(programma.waitForFinished(20000));
    EXPECT_EQ(programma.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(programma.exitCode(), 1);
    const QString fout = QString::fromUtf8(programma.readAllStandardError());
    const QString scherm = QStringLiteral("(DISPLAY=:%1)").arg(nummer);
    EXPECT_EQ(fout, "plastokinetica: er kan geen beeldscherm worden geopend " + scherm +
                        "; start het programma in een grafische sessie.\n"
                        "plastokinetica: no display could be opened " +
                        scherm + "; start the program in a graphical session.\n")
        << fout.toStdString();
}

// Every kind of edit is one step; undo goes back through every state drawn and redo forward
// again, the menu naming the step.
TEST_F(Hoofdvenster, OngedaanMakenEnOpnieuwHerstellenElkeStap) {
    Start();
    EXPECT_EQ(venster->OngedaanMakenActie()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(venster->OpnieuwActie()->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    const auto slepen = [this](TBewerking bewerking, QPoint van, QPoint naar) {
        return [=, this] {
            venster->KiesBewerking(bewerking);
            Sleep(Editor(), van, naar);
        };
    };
    const auto kies = [this](QPoint p, QMenu* (TfrmConstructie::*menu)() const, QString actie) {
        return [=, this] {
            Rechts(p);
            test::Actie((Editor().*menu)(), actie)->trigger();
        };
    };
    const auto cel = [this](int tab, int kolom, QString tekst) {
        return [=, this] {
            Editor().ZetBewerking(TBewerking::StaafToevoegen);
            Editor().Tabs()->setCurrentIndex(tab);
            Editor().ZetCel(0, kolom, tekst);
        };
    };
    using T = TBewerking;
    const std::vector<std::pair<std::string, std::function<void()>>> stappen{
        {"staaf toevoegen", slepen(T::StaafToevoegen, {80, 80}, {280, 80})},
        {"staaf toevoegen", slepen(T::StaafToevoegen, {280, 80}, {280, 200})},
        {"staaf toevoegen", slepen(T::StaafToevoegen, {80, 200}, {80, 280})},
        // Merged onto the free end at (7, 5) m.
        {"knoop verplaatsen", slepen(T::KnoopAanpassen, {80, 200}, {280, 200})},
        // On the middle of the first bar: the bar is split.
        {"belasting toevoegen", slepen(T::BelastingToevoegen, {180, 40}, {180, 80})},
        {"belasting toevoegen", slepen(T::BelastingToevoegen, {80, 320}, {80, 280})},
        {"oplegging wijzigen", kies({80, 80}, &TfrmConstructie::PopupKnopen, "Inklemming")},
        {"verbinding wijzigen",
         kies({280, 80}, &TfrmConstructie::PopupKnopen, "Scharnierende verbinding")},
        {"Mp wijzigen", cel(1, 3, "120")},
        {"schaal wijzigen", [this] { Editor().Schaal()->setValue(2); }},
        {"knoopcoördinaat wijzigen", cel(0, 1, "1")},
        {"belasting verwijderen",
         kies({80, 300}, &TfrmConstructie::PopupBelastingen, "Verwijderen")},
        // The split node with its two bars and its load.
        {"knoop verwijderen", slepen(T::KnoopVerwijderen, {180, 80}, {180, 80})},
        {"nieuwe constructie", [this] { venster->Nieuw(); }},
    };
    std::vector<TConstructie> standen{Nu()};
    for (const auto& [naam, doe] : stappen) {
        SCOPED_TRACE(naam);
        doe();
        ASSERT_EQ(venster->Document().Geschiedenis().count(), static_cast<int>(standen.size()));
        ASSERT_FALSE(ZelfdeStructuur(Nu(), standen.back()));
        EXPECT_EQ(venster->OngedaanMakenActie()->text(),
                  "Ongedaan maken: " + QString::fromStdString(naam));
        standen.push_back(Nu());
    }
    // Removing the split node took its two bars and its load; the clamped node at its far end
    // stays for its support.
    EXPECT_EQ(test::Aantal(standen[13].Staven), 2);
    EXPECT_EQ(test::Aantal(standen[13].Knopen), 4);
    EXPECT_EQ(test::Aantal(standen[12].Belastingen), 1);
    EXPECT_EQ(test::Aantal(standen[13].Belastingen), 0);

    for (int i = static_cast<int>(stappen.size()) - 1; i >= 0; --i) {
        venster->OngedaanMakenActie()->trigger();
        EXPECT_TRUE(ZelfdeStructuur(Nu(), standen[i])) << "undo to " << i;
        EXPECT_EQ(Editor().Schaal()->value(), standen[i].Schaal);
        EXPECT_EQ(venster->OpnieuwActie()->text(),
                  "Opnieuw: " + QString::fromStdString(stappen[i].first));
    }
    EXPECT_FALSE(venster->OngedaanMakenActie()->isEnabled());
    EXPECT_EQ(venster->OngedaanMakenActie()->text(), "Ongedaan maken");
    for (std::size_t i = 1; i < standen.size(); ++i) {
        venster->OpnieuwActie()->trigger();
        EXPECT_TRUE(ZelfdeStructuur(Nu(), standen[i])) << "redo to " << i;
    }
    EXPECT_FALSE(venster->OpnieuwActie()->isEnabled());
}

// Back at the saved state the structure counts as unchanged: no save question. An undo reaches
// the editor through the document: it repaints and refills its table without being told. Nieuw
// is a step of its own; opening a file starts a new history.
TEST_F(Hoofdvenster, TerugNaarDeOpgeslagenStandIsOngewijzigd) {
    Start();
    Bewerk();
    dialogen.OpslaanAntwoorden = {Pad("portaal")};
    venster->OpslaanAls();
    ASSERT_FALSE(Gewijzigd());
    Sleep(Editor(), {280, 80}, {280, 200});
    EXPECT_TRUE(Gewijzigd());
    QApplication::processEvents();
    ASSERT_EQ(Editor().Tabel()->rowCount(), 2);
    const int voor = Editor().AantalTekenbeurten();
    venster->OngedaanMakenActie()->trigger();
    EXPECT_FALSE(Gewijzigd());
    QTRY_VERIFY(Editor().AantalTekenbeurten() > voor);
    EXPECT_EQ(Editor().Tabel()->rowCount(), 1);
    const QImage beeld = Editor().Tekenvlak()->grab().toImage();
    // The second bar ran down from (280, 80) to (280, 200); between the nodes nothing is black.
    for (int y = 110; y < 180; y += 10) {
        EXPECT_NE(beeld.pixelColor(280, y), QColor(Qt::black)) << y;
    }
    EXPECT_EQ(beeld.pixelColor(180, 80), QColor(Qt::black));

    venster->OngedaanMaken();
    EXPECT_TRUE(Gewijzigd());
    venster->Opnieuw();
    EXPECT_FALSE(Gewijzigd());
    venster->Nieuw();
    EXPECT_TRUE(dialogen.Vragen.isEmpty());
    venster->OngedaanMaken();
    EXPECT_EQ(AantalStaven(), 1);
    dialogen.OpenAntwoorden = {Voorbeeldbestand};
    venster->Openen();
    EXPECT_EQ(venster->Document().Geschiedenis().count(), 0);
    EXPECT_FALSE(venster->OngedaanMakenActie()->isEnabled());
    EXPECT_FALSE(Gewijzigd());
}

const QString Installatiemap = QStringLiteral("share/plastokinetica");
const QStringList EngelseMenus{"&File", "&Structure", "&Analysis", "&Window", "&Help"};
const QStringList NederlandseMenus{"&Bestand", "&Constructie", "&Analyse", "&Venster", "&Help"};

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
class Opstart : public Hoofdvenster {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(map.path()).mkpath("bin"));
        ASSERT_TRUE(QDir(map.path()).mkpath(Installatiemap));
        ASSERT_TRUE(QFile::copy(KX_VERTALINGEN "/English.kxt",
                                QDir(Pad(Installatiemap)).filePath(EngelsBestand)));
    }

    TmdiPlastokinetica& StartIn(TTaal taal, bool startscherm = false) {
        SchrijfToonOpstartscherm(startscherm);
        SchrijfTaal(taal);
        venster.emplace(dialogen, Pad("bin"));
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
};

// English when it is chosen and found: the texts of the windows and of the views, as drawn.
TEST_F(Opstart, EngelsAlsHetGekozenIsEnGevondenWordt) {
    StartIn(TTaal::Engels);
    Toon();
    EXPECT_EQ(Menus(), EngelseMenus);
    EXPECT_EQ(venster->windowTitle().section(" - ", 0, 0), "Plastokinetica[*]");
    const TZijpaneel& paneel = *venster->Zijpaneel();
    EXPECT_EQ(paneel.GroepConstructieAanpassen()->title(), "Structure input");
    EXPECT_EQ(paneel.Kop(TZijpaneel::grpHoeBezwijken)->Tekst(),
              "How does the structure collapse? >>");
    EXPECT_EQ(paneel.Gereedschap(TBewerking::StaafToevoegen)->Tekst(), "Add bar");

    venster->LaadConstructie("Voorbeeld");
    venster->ToonHoeBezwijken();
    venster->Kindvenster(TmdiPlastokinetica::kindHoeBezwijken)->resize(700, 500);
    QApplication::processEvents();
    const QImage beeld = venster->Mechanismevenster()->Vlak()->grab().toImage();
    // The title is the first line: its ink is as wide as the English title in the title font.
    const QRect titel(0, 0, beeld.width(), static_cast<int>(test::TitelOnder("Kop", 600)) - 4);
    const int breedte =
        test::RandInkt(beeld, titel, true) - test::RandInkt(beeld, titel, false) + 1;
    const QFontMetrics maat(Lettertype(Opmaak(opTitel).Tekst));
    EXPECT_NEAR(breedte, maat.horizontalAdvance("How does the structure collapse?"), 4);
    EXPECT_GT(std::abs(breedte - maat.horizontalAdvance("Hoe bezwijkt de constructie?")), 12);

    StartIn(TTaal::Nederlands);
    Toon();
    EXPECT_EQ(Menus(), NederlandseMenus);
    QFile::remove(QDir(Pad(Installatiemap)).filePath(EngelsBestand));
    StartIn(TTaal::Engels);
    Toon();
    EXPECT_EQ(Menus(), NederlandseMenus);
}

// A translation file in the working folder goes over the chosen language; one that is not a
// regular file (here a FIFO, which would block the start) is refused with a message in the
// language the program then speaks.
TEST_F(Opstart, VertalingInDeWerkmap) {
    const QTemporaryDir werk;
    const QString vertaling = QDir(werk.path()).filePath("KXTranslation.kxt");
    ASSERT_EQ(mkfifo(QFile::encodeName(vertaling), 0600), 0);
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
        EXPECT_EQ(dialogen.Waarschuwingen, dialogen.Meldingen);
        dialogen.Waarschuwingen.clear();
        EXPECT_EQ(Menus(), taal == TTaal::Engels ? EngelseMenus : NederlandseMenus);
        EXPECT_NE(venster->Constructievenster(), nullptr);
    }
    ASSERT_TRUE(QFile::remove(vertaling));
    Schrijf(vertaling, "Mijn programma\n###\n");
    StartIn(TTaal::Engels);
    Toon();
    EXPECT_EQ(venster->Tekst()[0], "Mijn programma");
    EXPECT_EQ(Menus(), EngelseMenus);
}

// A file given on the command line opens at once, without the start screen; one that cannot be
// read leaves an empty structure and says why.
TEST_F(Opstart, BestandBijDeStartOpentZonderStartscherm) {
    struct Geval {
        QString pad, melding;
        int staven;
    };
    for (const Geval& g :
         {Geval{Voorbeeldbestand, {}, 4},
          Geval{Pad("weg.kx"), Kwijt(Pad("weg.kx"), "gelezen: het bestand bestaat niet."), 0}}) {
        SCOPED_TRACE(g.pad.toStdString());
        dialogen.Meldingen.clear();
        StartIn(TTaal::Nederlands, true).OpenBijStart(g.pad.toStdString());
        Toon();
        EXPECT_EQ(venster->Startscherm(), nullptr);
        EXPECT_TRUE(venster->isEnabled());
        ASSERT_NE(venster->Constructievenster(), nullptr);
        EXPECT_EQ(dialogen.Meldingen, g.melding.isEmpty() ? QStringList() : QStringList{g.melding});
        EXPECT_EQ(Naam(), g.melding.isEmpty() ? g.pad.toStdString() : "");
        EXPECT_FALSE(Gewijzigd());
        EXPECT_EQ(AantalStaven(), g.staven);
    }

    // A name that is not UTF-8, given relative to the working folder as a shell passes it, is
    // opened byte for byte.
    const std::string naam = "na\xefve \xff.kx";
    const std::string volledig = QFile::encodeName(map.path()).toStdString() + "/" + naam;
    ASSERT_TRUE(std::filesystem::copy_file(Voorbeeldbestand.toStdString(), volledig));
    dialogen.Meldingen.clear();
    {
        const TWerkmap hier(map.path());
        StartIn(TTaal::Nederlands, true).OpenBijStart(AbsoluutPad(naam));
    }
    Toon();
    EXPECT_TRUE(dialogen.Meldingen.isEmpty()) << dialogen.Meldingen.join("\n").toStdString();
    EXPECT_EQ(Naam(), volledig);
    EXPECT_EQ(venster->Constructie(), Lees(Voorbeeldbestand));
}

// Stopped from outside with unsaved edits, the structure goes to a recovery copy in the user's
// data folder; the next start offers it: Ja takes it up under its name and still unsaved, Nee
// removes it. Without edits nothing is kept.
TEST_F(Hoofdvenster, StopVanBuitenBewaartEenHerstelkopie) {
    Start();
    int gestopt = 0;
    const auto stop = [&](int signaal) {
        TNoodstop noodstop;
        QObject::connect(&noodstop, &TNoodstop::Gestopt, [&](int s) {
            gestopt = s;
            venster->Noodopslag();
        });
        gestopt = 0;
        std::raise(signaal);
        EXPECT_TRUE(QTest::qWaitFor([&] { return gestopt != 0; }, 2000));
        EXPECT_EQ(gestopt, signaal);
    };
    stop(SIGTERM);
    EXPECT_TRUE(Herstelkopieen().empty());

    ASSERT_TRUE(QFile::copy(Voorbeeldbestand, Pad("portaal.kx")));
    dialogen.OpenAntwoorden = {Pad("portaal.kx")};
    venster->Openen();
    Bewerk();
    const TConstructie bewerkt = Nu();
    stop(SIGTERM);
    ASSERT_EQ(Herstelkopieen().size(), 1U);
    EXPECT_EQ(Herstelkopieen()[0].Bestandsnaam, Pad("portaal.kx").toStdString());
    EXPECT_EQ(Lees(Pad("portaal.kx")), Lees(Voorbeeldbestand));

    dialogen.JaNeeAntwoorden = {true};
    Start();
    EXPECT_EQ(dialogen.Vragen,
              QStringList{"Het programma werd gestopt terwijl de constructie \"" +
                          Pad("portaal.kx") +
                          "\" veranderd was en nog niet opgeslagen. Er is een herstelkopie van "
                          "bewaard. Wilt u die openen? Bij Nee wordt de kopie verwijderd."});
    EXPECT_EQ(Nu(), bewerkt);
    EXPECT_TRUE(Gewijzigd());
    EXPECT_EQ(Naam(), Pad("portaal.kx").toStdString());
    EXPECT_EQ(Titel(), "Plastokinetica - " + Pad("portaal.kx"));
    EXPECT_TRUE(Herstelkopieen().empty());

    venster->Nieuw();
    Bewerk();
    stop(SIGHUP);
    ASSERT_EQ(Herstelkopieen().size(), 1U);
    dialogen.Vragen.clear();
    Start();
    EXPECT_EQ(dialogen.Vragen,
              QStringList{"Het programma werd gestopt terwijl een nieuwe constructie nog niet was "
                          "opgeslagen. Er is een herstelkopie van bewaard. Wilt u die openen? Bij "
                          "Nee wordt de kopie verwijderd."});
    EXPECT_EQ(AantalStaven(), 0);
    EXPECT_FALSE(Gewijzigd());
    EXPECT_TRUE(Herstelkopieen().empty());
    EXPECT_TRUE(dialogen.Meldingen.isEmpty());
}

// Data files are found beside the program first, then in the installed data folder.
TEST(Datamap, NaastHetProgrammaOfGeinstalleerd) {
    for (const auto& [naast, geinstalleerd, verwacht] : {std::tuple{true, false, QString("bin")},
                                                         {false, true, Installatiemap},
                                                         {true, true, QString("bin")},
                                                         {false, false, QString("bin")}}) {
        const QTemporaryDir map;
        const QDir basis(map.path());
        basis.mkpath("bin");
        if (naast) {
            Schrijf(basis.filePath("bin/Help/HelpIndex.html"), "<p>Index</p>");
        }
        if (geinstalleerd) {
            Schrijf(basis.filePath(Installatiemap + "/Help/HelpIndex.html"), "<p>Index</p>");
        }
        EXPECT_EQ(Datamap("Help/HelpIndex.html", basis.filePath("bin")), basis.filePath(verwacht))
            << naast << geinstalleerd;
    }
}

// The menu icons in the package are the program's own icon, drawn at each size.
TEST(Pictogram, GeinstalleerdeAfbeeldingenZijnHetProgrammaPictogram) {
    for (const int maat : PictogramMaten) {
        const QImage bestand = QImage(QString(KX_PICTOGRAMMEN "/%1.png").arg(maat))
                                   .convertToFormat(QImage::Format_ARGB32);
        const QImage getekend = ProgrammaPictogram()
                                    .pixmap(maat, maat)
                                    .toImage()
                                    .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(bestand.size(), QSize(maat, maat)) << maat;
        ASSERT_EQ(getekend.size(), QSize(maat, maat)) << maat;
        int verschil = 0; // per colour channel and alpha
        for (qsizetype i = 0; i < bestand.sizeInBytes(); ++i) {
            verschil =
                std::max(verschil, std::abs(bestand.constBits()[i] - getekend.constBits()[i]));
        }
        EXPECT_LE(verschil, 2) << maat;
    }
}

} // namespace
} // namespace kx
