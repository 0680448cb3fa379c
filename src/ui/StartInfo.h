#pragma once

#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;

namespace kx {

class Teksten;
class TPaneelKnop;

// The start screen: the first choice between the example structure and a new one, and whether
// it is shown again at the next start.
class TfrmStartInfo : public QWidget {
    Q_OBJECT
public:
    using Afsluiting = std::function<void(bool voorbeeld)>;

    // ouder is the main window, over which the start screen is centred when shown.
    TfrmStartInfo(const Teksten& teksten, QWidget* ouder);

    // Called once when the start screen closes, however it closes, with whether the example
    // was chosen; the setting has been stored by then. The window is still closing during the
    // call: dispose of it with deleteLater, not directly.
    void ZetAfsluiting(Afsluiting afsluiting) { afsluiting_ = std::move(afsluiting); }

    bool VoorbeeldGekozen() const { return voorbeeld_; }

    // The top-left area in which the collapsed frame appears under the pointer.
    static bool InBezwekenGebied(QPoint punt) { return punt.x() <= 116 && punt.y() <= 127; }

    QLabel* imaStartInfo() const { return imaStartInfo_; }
    QLabel* imaBezweken() const { return imaBezweken_; }
    QLabel* lblStartInfo() const { return lblStartInfo_; }
    TPaneelKnop* pnlVoorbeeld() const { return pnlVoorbeeld_; }
    TPaneelKnop* pnlNieuw() const { return pnlNieuw_; }
    QCheckBox* chkOpstartInfo() const { return chkOpstartInfo_; }

protected:
    bool eventFilter(QObject* object, QEvent* gebeurtenis) override;
    void showEvent(QShowEvent* gebeurtenis) override;
    void closeEvent(QCloseEvent* gebeurtenis) override;

private:
    TPaneelKnop* MaakKnop(const QString& naam, const QString& tekst, const QString& hint);
    void MaakIndeling();
    void VolgMuis(QWidget* bron, QPoint plaats);

    QLabel* imaStartInfo_;
    QLabel* imaBezweken_;
    QLabel* lblStartInfo_;
    TPaneelKnop* pnlVoorbeeld_;
    TPaneelKnop* pnlNieuw_;
    QCheckBox* chkOpstartInfo_;
    Afsluiting afsluiting_;
    bool voorbeeld_ = false;
    bool gesloten_ = false;
};

} // namespace kx
