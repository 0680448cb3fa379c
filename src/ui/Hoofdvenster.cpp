#include "ui/Hoofdvenster.h"

#include "drawing/EigenMechanismeView.h"
#include "drawing/HoeBezwijkenView.h"
#include "drawing/KrachtsverdelingView.h"
#include "drawing/ViewContext.h"
#include "drawing/WanneerBezwijkenView.h"
#include "engine/MechanismeOpgaven.h"
#include "model/Bestand.h"
#include "text/TekstNamen.h"
#include "ui/AnalyseVenster.h"
#include "ui/Constructievenster.h"
#include "ui/Datamap.h"
#include "ui/Dialogen.h"
#include "ui/Exporteren.h"
#include "ui/Herstelkopie.h"
#include "ui/HtmlVenster.h"
#include "ui/Info.h"
#include "ui/Instellingen.h"
#include "ui/MechanismeTabel.h"
#include "ui/MpInvullen.h"
#include "ui/PaneelKnop.h"
#include "ui/StartInfo.h"
#include "ui/VensterTekst.h"
#include "ui/Voortgang.h"
#include "ui/WanneerBezwijkenVenster.h"
#include "ui/Zijpaneel.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QTime>

#include <cstdio>

namespace kx {

namespace {
constexpr int FilterConstructies = 2;
// Menu entries added after the original menus carry their text number; the original entries
// take theirs in menu order.
constexpr const char* EigenTekst = "kxTekst";

QString Q(const std::string& tekst) {
    return QString::fromStdString(tekst);
}

// The English texts when they are chosen; a translation file in the working folder goes over
// either language. Returns why a file was refused, empty when none was.
std::string LaadTaal(Teksten& teksten, const QString& programmaMap) {
    std::string melding;
    if (LeesTaal() == TTaal::Engels) {
        const QString pad = QDir(Datamap(EngelsBestand, programmaMap)).filePath(EngelsBestand);
        melding = teksten.LeesVertalingsbestand(QFile::encodeName(pad).toStdString()).Melding;
    }
    const std::string vertaling = teksten.LeesVertalingsbestand(Teksten::VertaalBestand).Melding;
    return melding.empty() || vertaling.empty() ? melding + vertaling
                                                : melding + "\n\n" + vertaling;
}

// A child window whose close box only minimises it, until the main window releases it.
class TKindvenster : public QMdiSubWindow {
public:
    using QMdiSubWindow::QMdiSubWindow;

    void Vrijgeven() {
        vrijgeven_ = true;
        close();
    }

protected:
    void closeEvent(QCloseEvent* gebeurtenis) override {
        if (vrijgeven_) {
            QMdiSubWindow::closeEvent(gebeurtenis);
            return;
        }
        gebeurtenis->ignore();
        showMinimized();
    }

private:
    bool vrijgeven_ = false;
};

} // namespace

TmdiPlastokinetica::TmdiPlastokinetica(TDialogen& dialogen, const QString& programmaMap)
    : dialogen_(dialogen), programmaMap_(programmaMap), document_(teksten_), analyse_(teksten_) {
    vertalingsMelding_ = LaadTaal(teksten_, programmaMap_);
    analyse_.Decimaalteken = Decimaalteken();
    setObjectName("mdiPlastokinetica");
    setMinimumSize(640, 460);
    resize(773, 780);

    zijpaneel_ = new TZijpaneel(teksten_, this);
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setBackground(palette().brush(QPalette::Dark));
    splScheidslijn_ = new QSplitter(Qt::Horizontal, this);
    splScheidslijn_->setObjectName("splScheidslijn");
    splScheidslijn_->setHandleWidth(4);
    splScheidslijn_->setChildrenCollapsible(false);
    splScheidslijn_->addWidget(zijpaneel_);
    splScheidslijn_->addWidget(mdiArea_);
    splScheidslijn_->setStretchFactor(1, 1);
    splScheidslijn_->setSizes({TZijpaneel::Breedte, 500});
    setCentralWidget(splScheidslijn_);

    MaakMenus();
    ZetTekstenHoofdvenster();
    zijpaneel_->ToonBewerking(toestand_.Bewerking);

    connect(zijpaneel_, &TZijpaneel::GereedschapIngedrukt, this, [this] {
        if (!editorVenster_) {
            ToonConstructievenster();
        } else if (!editorVenster_->isMinimized()) {
            mdiArea_->setActiveSubWindow(editorVenster_);
        }
    });
    connect(zijpaneel_, &TZijpaneel::BewerkingGekozen, this, &TmdiPlastokinetica::KiesBewerking);
    connect(zijpaneel_, &TZijpaneel::KopGeklikt, this, [this](int groep) {
        switch (groep) {
        case TZijpaneel::grpConstructie:
            ToonConstructievenster();
            break;
        case TZijpaneel::grpHoeBezwijken:
            ToonHoeBezwijken();
            break;
        case TZijpaneel::grpWanneerBezwijken:
            ToonWanneerBezwijken();
            break;
        default:
            ToonKrachtsverdeling();
            break;
        }
    });
    connect(zijpaneel_, &TZijpaneel::WeergaveGewijzigd, this, [this] {
        toestand_.WeergaveOpties = zijpaneel_->WeergaveOpties();
        HertekenAnalysevensters();
        VernieuwMechanismeTabel();
    });
    connect(zijpaneel_, &TZijpaneel::MechanismeGekozen, this,
            &TmdiPlastokinetica::MechanismeGekozen);
    connect(zijpaneel_, &TZijpaneel::EigenMechanismeGewisseld, this,
            &TmdiPlastokinetica::EigenMechanismeGewisseld);
    connect(&document_, &TDocument::StructuurGewijzigd, this, &TmdiPlastokinetica::VolgGeldigheid);
    connect(&document_.Geschiedenis(), &QUndoStack::cleanChanged, this,
            [this](bool schoon) { setWindowModified(!schoon); });

    mpDialoog_ = std::make_unique<TFormMpInvullen>(teksten_, this);
    help_ = std::make_unique<TfrmHelpOnderwerpen>(teksten_, programmaMap_);
    theorie_ = std::make_unique<TfrmDeTheorie>(teksten_, programmaMap_);
    zijpaneel_->Gereedschap(TBewerking::StaafToevoegen)->setFocus();
    if (const QScreen* scherm = QGuiApplication::primaryScreen()) {
        setGeometry(scherm->availableGeometry());
    }
}

TmdiPlastokinetica::~TmdiPlastokinetica() = default;

void TmdiPlastokinetica::MaakMenus() {
    const auto actie = [this](QMenu* menu, QKeySequence toets, auto doe) {
        QAction* a = menu->addAction(QString());
        a->setShortcut(toets);
        connect(a, &QAction::triggered, this, doe);
        return a;
    };
    QMenu* bestand = menuBar()->addMenu(QString());
    actie(bestand, QKeySequence(Qt::CTRL | Qt::Key_N), [this] { Nieuw(); });
    actie(bestand, QKeySequence(Qt::CTRL | Qt::Key_O), [this] { Openen(); });
    actie(bestand, QKeySequence(Qt::CTRL | Qt::Key_S), [this] { Opslaan(); });
    actie(bestand, {}, [this] { OpslaanAls(); });
    bestand->addSeparator();
    actie(bestand, QKeySequence(Qt::CTRL | Qt::Key_P), [this] {
        Afdrukken();
    })->setProperty(EigenTekst, TekstAfdrukken);
    actie(bestand, {}, [this] { Exporteren(); })->setProperty(EigenTekst, TekstExporteren);
    bestand->addSeparator();
    actie(bestand, {}, [this] { close(); });

    QMenu* constructie = menuBar()->addMenu(QString());
    // Texts of their own, set by ZetGeschiedenisTeksten.
    ongedaanMaken_ =
        actie(constructie, QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { OngedaanMaken(); });
    opnieuw_ = actie(constructie, QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { Opnieuw(); });
    opnieuw_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* a : {ongedaanMaken_, opnieuw_}) {
        a->setProperty("eigenTekst", true);
    }
    constructie->addSeparator();
    QUndoStack& geschiedenis = document_.Geschiedenis();
    const auto volg = [this] { ZetGeschiedenisTeksten(); };
    connect(&geschiedenis, &QUndoStack::indexChanged, this, volg);
    connect(&geschiedenis, &QUndoStack::canUndoChanged, this, volg);
    connect(&geschiedenis, &QUndoStack::canRedoChanged, this, volg);
    const std::array<QKeySequence, 3> sneltoetsen{QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S),
                                                  QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_K),
                                                  QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_B)};
    for (int item = 0; item < 3; ++item) {
        QMenu* sub = constructie->addMenu(QString());
        for (int i = 0; i < 2; ++i) {
            const auto bewerking = static_cast<TBewerking>(2 * item + i);
            QAction* a = actie(sub, i == 0 ? sneltoetsen[item] : QKeySequence(),
                               [this, bewerking] { KiesBewerking(bewerking); });
            a->setCheckable(true);
            bewerkingsActies_[2 * item + i] = a;
        }
    }
    const auto verdeeld = TBewerking::VerdeeldeBelastingToevoegen;
    QAction* verdeeldActie = actie(constructie, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_V),
                                   [this, verdeeld] { KiesBewerking(verdeeld); });
    verdeeldActie->setProperty(EigenTekst, TekstMenuVerdeeld);
    verdeeldActie->setCheckable(true);
    bewerkingsActies_[static_cast<int>(verdeeld)] = verdeeldActie;
    bewerkingsActies_[0]->setChecked(true);

    QMenu* analyse = menuBar()->addMenu(QString());
    actie(analyse, QKeySequence(Qt::Key_F5), [this] { ToonConstructievenster(); });
    actie(analyse, QKeySequence(Qt::Key_F6), [this] { ToonHoeBezwijken(); });
    actie(analyse, QKeySequence(Qt::Key_F7), [this] { ToonWanneerBezwijken(); });
    actie(analyse, QKeySequence(Qt::Key_F8), [this] { ToonKrachtsverdeling(); });
    QMenu* venster = menuBar()->addMenu(QString());
    actie(venster, QKeySequence(Qt::Key_F9), [this] { Rangschikken(); });
    QMenu* help = menuBar()->addMenu(QString());
    actie(help, QKeySequence(Qt::Key_F1), [this] { ToonHelp(); });
    actie(help, QKeySequence(Qt::Key_F2), [this] { ToonTheorie(); });
    help->addSeparator();
    actie(help, QKeySequence(Qt::Key_F3), [this] { ToonInfo(); });
}

void TmdiPlastokinetica::ZetTekstenHoofdvenster() {
    ZetTitel();
    // Menus and their entries take texts 1 to 27 in the order they were made.
    int tekst = TekstEersteMenu;
    for (QAction* menuActie : menuBar()->actions()) {
        menuActie->setText(Q(teksten_[tekst++]));
        for (QAction* item : menuActie->menu()->actions()) {
            if (item->isSeparator() || item->property("eigenTekst").toBool()) {
                continue;
            }
            if (const QVariant eigen = item->property(EigenTekst); eigen.isValid()) {
                item->setText(Q(teksten_[eigen.toInt()]));
                continue;
            }
            item->setText(Q(teksten_[tekst++]));
            if (item->menu()) {
                for (QAction* sub : item->menu()->actions()) {
                    sub->setText(Q(teksten_[tekst++]));
                }
            }
        }
    }
    zijpaneel_->ZetTeksten();
    ZetGeschiedenisTeksten();
}

void TmdiPlastokinetica::ZetGeschiedenisTeksten() {
    const QUndoStack& geschiedenis = document_.Geschiedenis();
    const auto zet = [this](QAction* a, bool kan, const QString& stap, int kaal, int metStap) {
        a->setEnabled(kan);
        a->setText(kan ? Q(teksten_[metStap]).arg(stap) : Q(teksten_[kaal]));
    };
    zet(ongedaanMaken_, geschiedenis.canUndo(), geschiedenis.undoText(), TekstOngedaanMaken,
        TekstOngedaanMakenStap);
    zet(opnieuw_, geschiedenis.canRedo(), geschiedenis.redoText(), TekstOpnieuw, TekstOpnieuwStap);
}

void TmdiPlastokinetica::OngedaanMaken() {
    document_.Geschiedenis().undo();
}

void TmdiPlastokinetica::Opnieuw() {
    document_.Geschiedenis().redo();
}

QString TmdiPlastokinetica::Titeltekst() const {
    QString titel = Q(teksten_[TekstTitel]);
    if (!document_.Bestandsnaam().empty()) {
        titel += " - " + Q(document_.Bestandsnaam());
    }
    return titel;
}

void TmdiPlastokinetica::ZetTitel() {
    // The changed mark goes where the placeholder stands; one in the name itself is written
    // twice, which the title shows as it is.
    const QString markering = QStringLiteral("[*]");
    setWindowTitle(Titeltekst().replace(markering, markering + markering) + markering);
    setWindowModified(document_.Gewijzigd());
}

void TmdiPlastokinetica::showEvent(QShowEvent* gebeurtenis) {
    QMainWindow::showEvent(gebeurtenis);
    if (!opgestart_) {
        opgestart_ = true;
        Opstarten();
    }
}

void TmdiPlastokinetica::OpenBijStart(const std::string& naam) {
    startbestand_ = naam;
}

void TmdiPlastokinetica::Opstarten() {
    if (!vertalingsMelding_.empty()) {
        dialogen_.Waarschuwing(this, Q(vertalingsMelding_));
    }
    if (BiedHerstelkopieAan()) {
        NeemFocus();
        return;
    }
    if (!startbestand_.empty() || !LeesToonOpstartscherm()) {
        ToonConstructievenster();
        LaadConstructie("");
        if (!startbestand_.empty()) {
            OpenBestand(startbestand_);
        }
        NeemFocus();
        return;
    }
    setEnabled(false);
    startscherm_ = new TfrmStartInfo(teksten_, this);
    startscherm_->setAttribute(Qt::WA_DeleteOnClose);
    startscherm_->ZetAfsluiting([this](bool voorbeeld) {
        setEnabled(true);
        ToonConstructievenster();
        if (voorbeeld) {
            LaadConstructie("Voorbeeld", TekstStapVoorbeeld);
        } else {
            LaadConstructie("");
        }
        NeemFocus();
    });
    startscherm_->show();
}

bool TmdiPlastokinetica::BiedHerstelkopieAan() {
    for (const THerstelkopie& kopie : Herstelkopieen()) {
        const QString vraag = kopie.Bestandsnaam.empty()
                                  ? Q(teksten_[TekstHerstelVraagZonderNaam])
                                  : Q(VulIn(teksten_[TekstHerstelVraag], {kopie.Bestandsnaam}));
        if (!dialogen_.VraagJaNee(this, vraag)) {
            VerwijderHerstelkopie(kopie);
            continue;
        }
        ToonConstructievenster();
        LaadConstructie("");
        if (const std::string melding = LaadConstructie(kopie.Pad); !melding.empty()) {
            dialogen_.Waarschuwing(this, Q(melding));
            return true;
        }
        VerwijderHerstelkopie(kopie);
        document_.ZetBestandsnaam(kopie.Bestandsnaam);
        // Taken up, the edits are as unsaved as they were.
        document_.Geschiedenis().resetClean();
        ZetTitel();
        return true;
    }
    return false;
}

void TmdiPlastokinetica::Noodopslag() {
    if (!document_.Gewijzigd()) {
        return;
    }
    const std::string melding =
        BewaarHerstelkopie(document_.Constructie(), document_.Bestandsnaam(), teksten_);
    if (!melding.empty()) {
        std::fprintf(stderr, "plastokinetica: %s\n", melding.c_str());
    }
}

void TmdiPlastokinetica::NeemFocus() {
    activateWindow();
    zijpaneel_->Gereedschap(toestand_.Bewerking)->setFocus();
}

void TmdiPlastokinetica::resizeEvent(QResizeEvent* gebeurtenis) {
    QMainWindow::resizeEvent(gebeurtenis);
    zijpaneel_->PasAanHoogte(height());
}

void TmdiPlastokinetica::closeEvent(QCloseEvent* gebeurtenis) {
    if (!Opslaanvraag()) {
        gebeurtenis->ignore();
        return;
    }
    help_->close();
    theorie_->close();
    gebeurtenis->accept();
}

void TmdiPlastokinetica::MaakEditor() {
    editor_ = new TfrmConstructie(document_, toestand_, teksten_, dialogen_,
                                  [this](double mp) { return mpDialoog_->Vraag(mp, this); });
    connect(editor_, &TfrmConstructie::Weigering, this,
            [this](const QString& tekst) { zijpaneel_->Aanwijzing()->setText(tekst); });
    connect(editor_, &TfrmConstructie::Aanwijzing, this, &TmdiPlastokinetica::ToonAanwijzing);
    auto* venster = new TKindvenster;
    venster->setWidget(editor_);
    venster->setAttribute(Qt::WA_DeleteOnClose, false);
    mdiArea_->addSubWindow(venster);
    // Restored from maximised, the window has its design size.
    venster->resize(venster->sizeHint());
    editorVenster_ = venster;
    editor_->ZetBewerking(toestand_.Bewerking);
    venster->showMaximized();
}

void TmdiPlastokinetica::ToonAanwijzing(int tekst) {
    const int eigen = AanwijzingTekst(toestand_.Bewerking);
    // The full-table hint names the most bars a structure holds.
    zijpaneel_->Aanwijzing()->setText(
        Q(VulIn(teksten_[tekst >= 0 ? tekst : eigen], {std::to_string(MaxSlots)})));
}

void TmdiPlastokinetica::ToonKindvenster(QMdiSubWindow* venster) {
    if (venster->isMinimized()) {
        venster->showNormal();
    } else {
        venster->show();
    }
    mdiArea_->setActiveSubWindow(venster);
    venster->raise();
}

void TmdiPlastokinetica::ToonConstructievenster() {
    if (!editorVenster_) {
        MaakEditor();
    }
    ToonKindvenster(editorVenster_);
}

std::string TmdiPlastokinetica::LaadConstructie(const std::string& bron, int stap) {
    const std::string melding = document_.Laad(bron, stap >= 0 ? Q(teksten_[stap]) : QString());
    if (!melding.empty()) {
        return melding;
    }
    SluitAnalysevensters();
    // A refusal said about the previous structure no longer applies.
    ToonAanwijzing(-1);
    // The mechanisms of the previous structure are no longer on offer, nor its hinge places.
    zijpaneel_->VulMechanismeKeuze({}, -1);
    toestand_.GekozenMechanisme = 0;
    toestand_.EigenScharnieren.clear();
    eigenAnalyse_.reset();
    eigen_ = {};
    return {};
}

bool TmdiPlastokinetica::Opslaanvraag() {
    if (!document_.Gewijzigd()) {
        return true;
    }
    const TAntwoord antwoord = dialogen_.VraagJaNeeAnnuleren(this, Q(teksten_[TekstOpslaanVraag]));
    if (antwoord != TAntwoord::Ja) {
        return antwoord == TAntwoord::Nee;
    }
    const std::string naam = KiesOpslagnaam();
    return !naam.empty() && SlaOpAls(naam);
}

std::string TmdiPlastokinetica::KiesOpslagnaam() {
    QString voorstel = Q(document_.Bestandsnaam());
    while (true) {
        const QString gekozen = dialogen_.KiesOpslaan(this, Q(teksten_[TekstOpslaanFilter]),
                                                      FilterConstructies, voorstel);
        if (gekozen.isEmpty()) {
            return {};
        }
        const std::string naam = MetExtensie(gekozen.toStdString());
        const bool aangevuld = naam != gekozen.toStdString();
        if (!aangevuld || !QFileInfo::exists(Q(naam)) ||
            dialogen_.VraagJaNee(this, Q(teksten_[TekstBestandVervangen]).arg(Q(naam)))) {
            return naam;
        }
        voorstel = gekozen;
    }
}

bool TmdiPlastokinetica::SlaOpAls(const std::string& naam) {
    const QLocale locale;
    const std::string melding = SchrijfConstructieNaarBestand(
        naam, document_.Constructie(), teksten_,
        locale.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString(),
        locale.toString(QTime::currentTime(), QLocale::LongFormat).toStdString());
    if (!melding.empty()) {
        dialogen_.Waarschuwing(this, Q(melding));
        return false;
    }
    document_.Opgeslagen(naam);
    ZetTitel();
    return true;
}

void TmdiPlastokinetica::Nieuw() {
    if (!Opslaanvraag()) {
        return;
    }
    document_.ZetBestandsnaam({});
    LaadConstructie("", TekstStapNieuw);
    ZetTitel();
}

void TmdiPlastokinetica::Openen() {
    if (!Opslaanvraag()) {
        return;
    }
    const QString gekozen =
        dialogen_.KiesTeOpenen(this, Q(teksten_[TekstOpenFilter]), FilterConstructies);
    if (gekozen.isEmpty()) {
        return;
    }
    OpenBestand(MetExtensie(gekozen.toStdString()));
}

bool TmdiPlastokinetica::OpenBestand(const std::string& naam) {
    if (const std::string melding = LaadConstructie(naam); !melding.empty()) {
        dialogen_.Waarschuwing(this, Q(melding));
        return false;
    }
    document_.ZetBestandsnaam(naam);
    ZetTitel();
    return true;
}

void TmdiPlastokinetica::OpslaanAls() {
    if (const std::string naam = KiesOpslagnaam(); !naam.empty()) {
        SlaOpAls(naam);
    }
}

void TmdiPlastokinetica::Opslaan() {
    if (document_.Bestandsnaam().empty()) {
        OpslaanAls();
        return;
    }
    SlaOpAls(document_.Bestandsnaam());
}

void TmdiPlastokinetica::KiesBewerking(TBewerking bewerking) {
    zijpaneel_->ToonBewerking(bewerking);
    for (int i = 0; i < AantalBewerkingen; ++i) {
        bewerkingsActies_[i]->setChecked(i == static_cast<int>(bewerking));
    }
    toestand_.Bewerking = bewerking;
    if (editor_) {
        editor_->ZetBewerking(bewerking);
    }
}

void TmdiPlastokinetica::VoerAnalyseUit() {
    // Edits and loads leave the document normalised, so the copy checked is the one analysed.
    TConstructie gecontroleerd = document_.Constructie();
    const std::string melding = ControleerVoorAnalyse(gecontroleerd, teksten_);
    if (!melding.empty()) {
        dialogen_.Informatie(this, Q(melding));
        ToonConstructievenster();
        return;
    }
    TfrmVoortgang voortgang(teksten_, this);
    voortgang.ZetMechanismeKeuze([this](const std::vector<std::string>& items, int gekozen) {
        zijpaneel_->VulMechanismeKeuze(items, gekozen);
    });
    voortgang.show();
    voortgang.repaint();
    analyse_.BepaalMechanismen(document_.Constructie());
    toestand_.GekozenMechanisme = analyse_.BerekeningDeel2(&voortgang);
    krachten_.Bereken(document_.Constructie(), MechanismeOpgaven(analyse_),
                      analyse_.MaatgevendMechanisme);
    document_.ZetResultatenGeldig(true);
    VolgGeldigheid();
    ++aantalAnalyses_;
    eigenAnalyse_.reset();
    if (toestand_.EigenMechanisme) {
        VernieuwEigenMechanisme();
    }
    // Windows left open show the new results and the newly chosen mechanism at once.
    HertekenAnalysevensters();
    VernieuwMechanismeTabel();
}

void TmdiPlastokinetica::ToonAnalysevenster(int kind) {
    zijpaneel_->ZetKoppenActief(false);
    if (!document_.ResultatenGeldig()) {
        VoerAnalyseUit();
    }
    if (document_.ResultatenGeldig()) {
        if (!kinderen_[kind]) {
            auto* venster = new TKindvenster;
            venster->setWidget(MaakAnalysevenster(kind));
            venster->setAttribute(Qt::WA_DeleteOnClose);
            mdiArea_->addSubWindow(venster);
            venster->resize(venster->sizeHint());
            kinderen_[kind] = venster;
        }
        ToonKindvenster(kinderen_[kind]);
    }
    zijpaneel_->ZetKoppenActief(true);
}

void TmdiPlastokinetica::ToonHoeBezwijken() {
    ToonAnalysevenster(kindHoeBezwijken);
}
void TmdiPlastokinetica::ToonWanneerBezwijken() {
    ToonAnalysevenster(kindWanneerBezwijken);
}
void TmdiPlastokinetica::ToonKrachtsverdeling() {
    ToonAnalysevenster(kindKrachtsverdeling);
}

// The views draw the structure that was analysed, which an out-of-date window keeps showing
// beside its results.
TAnalyseVenster* TmdiPlastokinetica::MaakAnalysevenster(int kind) {
    if (kind == kindHoeBezwijken) {
        auto* venster = new TfrmHoeBezwijken(teksten_, toestand_.GekozenMechanisme);
        venster->ZetTekenaar(
            [this, venster](QPainter& painter, Weergavegebied& gebied, Klikgebieden& klik) {
                const TViewContext context{analyse_, krachten_.Constructie(),
                                           toestand_.WeergaveOpties, teksten_};
                TekenHoeBezwijken(painter, gebied, venster->Eerste, klik, context);
            });
        connect(venster, &TfrmHoeBezwijken::MechanismeAangeklikt, this,
                &TmdiPlastokinetica::MechanismeAangeklikt);
        auto* tabel = new TMechanismeTabel(analyse_, krachten_, teksten_);
        tabel->setVisible(toestand_.WeergaveOpties[woMechanismeTabel]);
        connect(tabel, &TMechanismeTabel::MechanismeAangeklikt, this,
                &TmdiPlastokinetica::MechanismeAangeklikt);
        venster->VoegOnderToe(tabel);
        return venster;
    }
    if (kind == kindWanneerBezwijken) {
        auto* venster = new TfrmWanneerBezwijken(teksten_);
        venster->ZetTekenaar([this, venster](QPainter& painter, Weergavegebied& gebied,
                                             Klikgebieden& klik) {
            const TViewContext context{
                analyse_, krachten_.Constructie(), toestand_.WeergaveOpties, teksten_,
                static_cast<double>(venster->ScrollBox()->viewport()->height())};
            if (venster->EigenGetoond() && eigenAnalyse_) {
                klik[KlikArbeid] = {{}, -1};
                TekenEigenMechanisme(painter, gebied, {*eigenAnalyse_, eigen_}, context,
                                     venster->Punten);
            } else {
                venster->Punten.clear();
                TekenWanneerBezwijken(painter, gebied, toestand_.GekozenMechanisme, klik, context);
            }
        });
        connect(venster, &TfrmWanneerBezwijken::PlaatsAangeklikt, this,
                &TmdiPlastokinetica::EigenPlaatsAangeklikt);
        connect(venster, &TfrmWanneerBezwijken::Wissen, this,
                &TmdiPlastokinetica::WisEigenMechanisme);
        venster->ToonEigen(toestand_.EigenMechanisme);
        return venster;
    }
    auto* venster = new TAnalyseVenster(Q(teksten_[TekstKrachtsverdelingVensterTitel]), {238, 151},
                                        false, teksten_);
    venster->ZetTekenaar([this](QPainter& painter, Weergavegebied& gebied, Klikgebieden&) {
        const TKrachtContext context{krachten_, toestand_.WeergaveOpties, teksten_,
                                     analyse_.Decimaalteken};
        TekenKrachtsverdeling(painter, gebied, toestand_.GekozenMechanisme, context);
    });
    return venster;
}

QMdiSubWindow* TmdiPlastokinetica::Kindvenster(int kind) const {
    return kinderen_.at(kind);
}

TAnalyseVenster* TmdiPlastokinetica::Analysevenster(int kind) const {
    const QMdiSubWindow* venster = kinderen_.at(kind);
    return venster ? static_cast<TAnalyseVenster*>(venster->widget()) : nullptr;
}

TfrmHoeBezwijken* TmdiPlastokinetica::Mechanismevenster() const {
    return static_cast<TfrmHoeBezwijken*>(Analysevenster(kindHoeBezwijken));
}

TfrmWanneerBezwijken* TmdiPlastokinetica::Arbeidsvenster() const {
    return static_cast<TfrmWanneerBezwijken*>(Analysevenster(kindWanneerBezwijken));
}

void TmdiPlastokinetica::SluitAnalysevensters() {
    for (auto& venster : kinderen_) {
        if (venster) {
            static_cast<TKindvenster*>(venster.data())->Vrijgeven();
            venster = nullptr;
        }
    }
}

void TmdiPlastokinetica::HertekenAnalysevensters() {
    for (int kind = 0; kind < 3; ++kind) {
        if (auto* venster = Analysevenster(kind)) {
            venster->Herteken();
        }
    }
}

void TmdiPlastokinetica::VolgGeldigheid() {
    for (int kind = 0; kind < 3; ++kind) {
        if (auto* venster = Analysevenster(kind)) {
            venster->ZetVerouderd(!document_.ResultatenGeldig());
        }
    }
}

void TmdiPlastokinetica::VernieuwMechanismeTabel() {
    if (const auto* venster = Mechanismevenster()) {
        if (auto* tabel = venster->findChild<TMechanismeTabel*>()) {
            tabel->Vernieuw();
            tabel->setVisible(toestand_.WeergaveOpties[woMechanismeTabel]);
        }
    }
}

void TmdiPlastokinetica::MechanismeGekozen(int index) {
    VerlaatEigenMechanisme();
    toestand_.GekozenMechanisme = index;
    if (auto* venster = Mechanismevenster()) {
        venster->ToonVanaf(index);
    }
    HertekenGekozen();
}

void TmdiPlastokinetica::HertekenGekozen() {
    for (const int kind : {kindWanneerBezwijken, kindKrachtsverdeling}) {
        if (auto* venster = Analysevenster(kind)) {
            venster->Herteken();
        }
    }
}

void TmdiPlastokinetica::MechanismeAangeklikt(int index) {
    VerlaatEigenMechanisme();
    toestand_.GekozenMechanisme = index;
    zijpaneel_->KiesMechanismeStil(index);
    HertekenGekozen();
    ToonWanneerBezwijken();
}

void TmdiPlastokinetica::EigenMechanismeGewisseld(bool aan) {
    toestand_.EigenMechanisme = aan;
    zijpaneel_->ZetEigenMechanismeStil(aan);
    if (aan) {
        ToonWanneerBezwijken();
        VernieuwEigenMechanisme();
    }
    HertekenArbeid();
}

void TmdiPlastokinetica::VerlaatEigenMechanisme() {
    toestand_.EigenMechanisme = false;
    zijpaneel_->ZetEigenMechanismeStil(false);
    if (auto* venster = Arbeidsvenster()) {
        venster->ToonEigen(false);
    }
}

void TmdiPlastokinetica::EigenPlaatsAangeklikt(int plaats) {
    if (!eigenAnalyse_ || plaats < 0 ||
        static_cast<std::size_t>(plaats) >= eigenAnalyse_->Plaatsen().size()) {
        return;
    }
    WisselPlaats(eigenAnalyse_->Plaatsen(), toestand_.EigenScharnieren,
                 eigenAnalyse_->Plaatsen()[static_cast<std::size_t>(plaats)]);
    VernieuwEigenMechanisme();
    HertekenArbeid();
}

void TmdiPlastokinetica::WisEigenMechanisme() {
    toestand_.EigenScharnieren.clear();
    VernieuwEigenMechanisme();
    HertekenArbeid();
}

void TmdiPlastokinetica::VernieuwEigenMechanisme() {
    if (!eigenAnalyse_ && krachten_.Berekend()) {
        eigenAnalyse_ = std::make_unique<TEigenAnalyse>(krachten_.Constructie(), teksten_,
                                                        analyse_.Decimaalteken);
    }
    eigen_ = eigenAnalyse_ ? eigenAnalyse_->Bereken(
                                 IndicesVan(eigenAnalyse_->Plaatsen(), toestand_.EigenScharnieren))
                           : TEigenMechanisme{};
}

void TmdiPlastokinetica::HertekenArbeid() {
    if (auto* venster = Arbeidsvenster()) {
        venster->ToonEigen(toestand_.EigenMechanisme);
        venster->Herteken();
    }
}

void TmdiPlastokinetica::Rangschikken() {
    const int w = (mdiArea_->width() - 4) / 2;
    const int h = (mdiArea_->height() - 4) / 2;
    const std::array<QMdiSubWindow*, 4> vensters{editorVenster_, kinderen_[0], kinderen_[1],
                                                 kinderen_[2]};
    for (std::size_t i = 0; i < vensters.size(); ++i) {
        if (QMdiSubWindow* venster = vensters[i]) {
            venster->showNormal();
            venster->setGeometry(static_cast<int>(i % 2) * w, static_cast<int>(i / 2) * h, w, h);
        }
    }
}

std::optional<std::pair<TPlaat, QString>> TmdiPlastokinetica::ActievePlaat() const {
    const QMdiSubWindow* actief = mdiArea_->currentSubWindow();
    if (actief == nullptr) {
        return std::nullopt;
    }
    if (actief == editorVenster_ && editor_) {
        return std::pair{PlaatVan(*editor_), Titeltekst()};
    }
    for (int kind = 0; kind < 3; ++kind) {
        if (actief == kinderen_[kind]) {
            const TAnalyseVenster* venster = Analysevenster(kind);
            return std::pair{PlaatVan(*venster), venster->windowTitle()};
        }
    }
    return std::nullopt;
}

void TmdiPlastokinetica::Afdrukken() {
    const auto plaat = ActievePlaat();
    if (!plaat) {
        return;
    }
    QPrintPreviewDialog* voorbeeld = OpenAfdrukvoorbeeld(plaat->first, plaat->second, this);
    // A page at a size that can be read: most of the screen, the page as wide as the window.
    if (const QScreen* scherm = screen()) {
        const QRect vlak = scherm->availableGeometry();
        voorbeeld->resize(vlak.width() * 3 / 4, vlak.height() * 9 / 10);
        voorbeeld->move(vlak.center() - voorbeeld->rect().center());
    }
    if (auto* pagina = voorbeeld->findChild<QPrintPreviewWidget*>()) {
        pagina->fitToWidth();
    }
}

void TmdiPlastokinetica::Exporteren() {
    const auto plaat = ActievePlaat();
    if (!plaat) {
        return;
    }
    const QString gekozen = dialogen_.KiesOpslaan(this, Q(teksten_[TekstExportFilter]), 1, {});
    if (gekozen.isEmpty()) {
        return;
    }
    const QString naam = MetExportExtensie(gekozen);
    if (const QString melding = Exporteer(plaat->first, naam, plaat->second, teksten_);
        !melding.isEmpty()) {
        dialogen_.Waarschuwing(this, melding);
    }
}

void TmdiPlastokinetica::ToonHelp() {
    help_->Toon();
}
void TmdiPlastokinetica::ToonTheorie() {
    theorie_->Toon();
}

void TmdiPlastokinetica::ToonInfo() {
    TfrmInfo info(teksten_, this);
    info.exec();
}

} // namespace kx
