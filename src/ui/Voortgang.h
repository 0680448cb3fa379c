#pragma once

#include "engine/Analyse.h"

#include <QElapsedTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QFrame;
class QLabel;
class QProgressBar;

namespace kx {

class Teksten;

// The progress window of one analysis run. The driver writes into it while it holds the user
// interface thread, so every change is painted at once.
class TfrmVoortgang : public QWidget, public TVoortgangsMelder {
    Q_OBJECT
public:
    using MechanismeKeuze = std::function<void(const std::vector<std::string>& items, int gekozen)>;

    explicit TfrmVoortgang(const Teksten& teksten, QWidget* ouder = nullptr);

    // Where the mechanism chooser's entries go; the chooser belongs to the main window.
    void ZetMechanismeKeuze(MechanismeKeuze keuze) { keuze_ = std::move(keuze); }

    void ZetVoortgang(const std::string& label, int positie) override;
    void VulMechanismeKeuze(const std::vector<std::string>& items, int gekozen) override;
    void Sluit() override;

    QFrame* pnlVoortgang() const { return pnlVoortgang_; }
    QLabel* lblVoortgang() const { return lblVoortgang_; }
    QProgressBar* pbarVoortgang() const { return pbarVoortgang_; }

private:
    void CentreerOpScherm();

    QFrame* pnlVoortgang_;
    QLabel* lblVoortgang_;
    QProgressBar* pbarVoortgang_;
    MechanismeKeuze keuze_;
    QElapsedTimer geschilderd_;
};

} // namespace kx
