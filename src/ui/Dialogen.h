#pragma once

#include <QString>

class QWidget;

namespace kx {

enum class TAntwoord { Ja, Nee, Annuleren };

// Message boxes and file dialogs; tests put a scripted implementation in their place so that
// no test waits on a modal window.
class TDialogen {
public:
    virtual ~TDialogen() = default;

    // An information message with one OK button.
    virtual void Informatie(QWidget* ouder, const QString& tekst) = 0;
    // A warning with one OK button: a file that could not be read or saved.
    virtual void Waarschuwing(QWidget* ouder, const QString& tekst) = 0;
    // A warning with Yes, No and Cancel; closing the box cancels.
    virtual TAntwoord VraagJaNeeAnnuleren(QWidget* ouder, const QString& tekst) = 0;
    // A question with Yes and No, No the default; closing the box answers No.
    virtual bool VraagJaNee(QWidget* ouder, const QString& tekst) = 0;
    // File dialogs with a filter in the form "Naam (*.x)|*.x|..." and a 1-based filter index.
    // An empty result means cancelled. The open dialog accepts a name without its extension.
    virtual QString KiesTeOpenen(QWidget* ouder, const QString& filter, int filterIndex) = 0;
    virtual QString KiesOpslaan(QWidget* ouder, const QString& filter, int filterIndex,
                                const QString& voorstel) = 0;
};

// The platform's own message boxes and file dialogs.
class TStandaardDialogen : public TDialogen {
public:
    void Informatie(QWidget* ouder, const QString& tekst) override;
    void Waarschuwing(QWidget* ouder, const QString& tekst) override;
    TAntwoord VraagJaNeeAnnuleren(QWidget* ouder, const QString& tekst) override;
    bool VraagJaNee(QWidget* ouder, const QString& tekst) override;
    QString KiesTeOpenen(QWidget* ouder, const QString& filter, int filterIndex) override;
    QString KiesOpslaan(QWidget* ouder, const QString& filter, int filterIndex,
                        const QString& voorstel) override;

private:
    QString laatsteOpen_;
    QString laatsteOpslaan_;
};

// Installs Qt's own Dutch texts for its dialogs and buttons; false when they are not installed.
bool InstalleerQtVertaling();

// "Naam (*.x)|*.x|Ander (*.y)|*.y" becomes the Qt filter list "Naam (*.x);;Ander (*.y)".
QStringList QtFilters(const QString& filter);

} // namespace kx
