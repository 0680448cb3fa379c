#pragma once

#include "drawing/Bladzijden.h"
#include "engine/Analyse.h"
#include "engine/EigenMechanisme.h"
#include "engine/Krachtenanalyse.h"
#include "model/Bevraging.h"
#include "text/Teksten.h"
#include "ui/Document.h"
#include "ui/StartInfo.h"
#include "ui/Toestand.h"

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>

#include <array>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QMdiArea;
class QSplitter;

namespace kx {

class TAnalyseVenster;
class TDialogen;
class TFormMpInvullen;
class TfrmConstructie;
class TfrmDeTheorie;
class TfrmHelpOnderwerpen;
class TfrmHoeBezwijken;
class TfrmWanneerBezwijken;
class TZijpaneel;

// The program's frame: the side panel, the child windows, the menus, the application state,
// the file commands and the analysis run on demand.
class TmdiPlastokinetica : public QMainWindow {
    Q_OBJECT
public:
    enum Kind { kindHoeBezwijken = 0, kindWanneerBezwijken, kindKrachtsverdeling };

    // programmaMap stands for the program's folder, where the help and theory pages and the
    // English texts are looked up (see Datamap), when not empty. The texts are those of the
    // language chosen in the settings.
    explicit TmdiPlastokinetica(TDialogen& dialogen, const QString& programmaMap = {});
    ~TmdiPlastokinetica() override;

    // Operations of the menus and buttons.
    void Nieuw();
    void Openen();
    void Opslaan();
    void OpslaanAls();
    void KiesBewerking(TBewerking bewerking);
    void ToonConstructievenster();
    void ToonHoeBezwijken();
    void ToonWanneerBezwijken();
    void ToonKrachtsverdeling();
    void VoerAnalyseUit();
    void Rangschikken();
    void ToonHelp();
    void ToonTheorie();
    void ToonInfo();
    // The picture of the active window (the editor's drawing or an analysis view): printed
    // through a print preview, or written as PDF, SVG or PNG under a name the user chooses.
    void Afdrukken();
    void Exporteren();
    // Loads "", "Voorbeeld" or a file; on success the analysis windows go and the results are
    // stale. With a step (a text index) the load can be undone; without, the history starts
    // anew. Returns the reader's message, empty on success.
    std::string LaadConstructie(const std::string& bron, int stap = -1);
    void OngedaanMaken();
    void Opnieuw();
    // A structure file to open at start-up instead of offering the start screen.
    void OpenBijStart(const std::string& naam);
    // Start-up after the window is first shown: the message of a refused translation file, a
    // recovery copy to take up, then the start screen or an empty structure, or the file given
    // to open.
    void Opstarten();
    // For a stop from outside: a changed structure goes to a recovery copy, offered at the next
    // start; a failure is said on stderr, as no window will show it.
    void Noodopslag();

    const TToestand& Toestand() const { return toestand_; }
    const TConstructie& Constructie() const { return document_.Constructie(); }
    TDocument& Document() { return document_; }
    const TDocument& Document() const { return document_; }
    QAction* OngedaanMakenActie() const { return ongedaanMaken_; }
    QAction* OpnieuwActie() const { return opnieuw_; }
    const TAnalyse& Analyse() const { return analyse_; }
    const TKrachtenanalyse& Krachten() const { return krachten_; }
    const Teksten& Tekst() const { return teksten_; }
    TZijpaneel* Zijpaneel() const { return zijpaneel_; }
    TfrmConstructie* Constructievenster() const { return editor_; }
    QMdiSubWindow* Kindvenster(int kind) const;
    QMdiSubWindow* Editorvenster() const { return editorVenster_; }
    TAnalyseVenster* Analysevenster(int kind) const;
    TfrmHoeBezwijken* Mechanismevenster() const;
    TfrmWanneerBezwijken* Arbeidsvenster() const;
    // The student's own mechanism as last worked out; empty before one is asked for.
    const TEigenMechanisme& EigenMechanisme() const { return eigen_; }
    const TEigenAnalyse* EigenAnalyse() const { return eigenAnalyse_.get(); }
    TfrmStartInfo* Startscherm() const { return startscherm_; }
    QMdiArea* Werkvlak() const { return mdiArea_; }
    int AantalAnalyses() const { return aantalAnalyses_; }

protected:
    void showEvent(QShowEvent* gebeurtenis) override;
    void closeEvent(QCloseEvent* gebeurtenis) override;
    void resizeEvent(QResizeEvent* gebeurtenis) override;

private:
    void MaakMenus();
    void ZetTekstenHoofdvenster();
    // Offers to save a changed structure; false when the user cancels the question or the save
    // dialog, or the save fails, so that the calling command stops and the structure is kept.
    bool Opslaanvraag();
    // The main window takes the keyboard, on its first tool button.
    void NeemFocus();
    // Saves under the chosen name; on failure shows why and changes nothing.
    bool SlaOpAls(const std::string& naam);
    // The save dialog, then the question whether to replace a file whose name got ".kx"
    // appended after the dialog's own question; empty when the user gives up.
    std::string KiesOpslagnaam();
    void ZetGeschiedenisTeksten();
    // Opens a structure file; on failure shows why and changes nothing.
    bool OpenBestand(const std::string& naam);
    // The program's name and the file's, without the changed mark.
    QString Titeltekst() const;
    void ZetTitel();
    // Offers the recovery copies one by one; true when one was chosen (a copy that cannot be
    // read is said and stays for the next start).
    bool BiedHerstelkopieAan();
    void MaakEditor();
    void ToonAnalysevenster(int kind);
    TAnalyseVenster* MaakAnalysevenster(int kind);
    void SluitAnalysevensters();
    void HertekenAnalysevensters();
    // Marks the open analysis windows out of date while the results are stale.
    void VolgGeldigheid();
    // The hint line: a text by index, or the hint of the tool in use for -1.
    void ToonAanwijzing(int tekst);
    void MechanismeGekozen(int index);
    void MechanismeAangeklikt(int index);
    // The own mechanism: switched on or off beside the chooser, a place clicked in the virtual
    // work window, or the choice cleared. None of it touches the document.
    void EigenMechanismeGewisseld(bool aan);
    void EigenPlaatsAangeklikt(int plaats);
    void WisEigenMechanisme();
    // Back to the chosen mechanism, as a choice in the chooser or the mechanism window asks.
    void VerlaatEigenMechanisme();
    // Works the chosen places out against the frame of the last analysis.
    void VernieuwEigenMechanisme();
    void HertekenArbeid();
    // Redraws the windows that show the chosen mechanism.
    void HertekenGekozen();
    void ToonKindvenster(QMdiSubWindow* venster);
    // The whole picture of the current child window with its caption; none without one.
    std::optional<std::pair<TPlaat, QString>> ActievePlaat() const;
    void VernieuwMechanismeTabel();

    TDialogen& dialogen_;
    QString programmaMap_;
    Teksten teksten_;
    TDocument document_;
    TAnalyse analyse_;
    TKrachtenanalyse krachten_;
    TToestand toestand_;
    // The frame of the last analysis for the own mechanism, made when first asked for.
    std::unique_ptr<TEigenAnalyse> eigenAnalyse_;
    TEigenMechanisme eigen_;

    TZijpaneel* zijpaneel_ = nullptr;
    QSplitter* splScheidslijn_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    TfrmConstructie* editor_ = nullptr;
    QPointer<QMdiSubWindow> editorVenster_;
    std::array<QPointer<QMdiSubWindow>, 3> kinderen_{};
    std::unique_ptr<TFormMpInvullen> mpDialoog_;
    std::unique_ptr<TfrmHelpOnderwerpen> help_;
    std::unique_ptr<TfrmDeTheorie> theorie_;
    QPointer<TfrmStartInfo> startscherm_;
    std::array<QAction*, AantalBewerkingen> bewerkingsActies_{};
    QAction* ongedaanMaken_ = nullptr;
    QAction* opnieuw_ = nullptr;
    std::string startbestand_;
    bool opgestart_ = false;
    // Why the translation file was refused; shown once the window is up.
    std::string vertalingsMelding_;
    int aantalAnalyses_ = 0;
};

} // namespace kx
