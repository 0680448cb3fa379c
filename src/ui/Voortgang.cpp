#include "ui/Voortgang.h"

#include "text/TekstNamen.h"
#include "text/Teksten.h"
#include "ui/VensterTekst.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace kx {

namespace {
constexpr int Breedte = 445;
constexpr int Hoogte = 172;

} // namespace

TfrmVoortgang::TfrmVoortgang(const Teksten& teksten, QWidget* ouder)
    : QWidget(ouder, Qt::Tool), pnlVoortgang_(new QFrame(this)),
      lblVoortgang_(new QLabel(pnlVoortgang_)), pbarVoortgang_(new QProgressBar(pnlVoortgang_)) {
    setObjectName(QStringLiteral("frmVoortgang"));
    setWindowTitle(VensterTekst(teksten[TekstVoortgangTitel]));
    setMinimumSize(Breedte, Hoogte);

    pnlVoortgang_->setObjectName(QStringLiteral("pnlVoortgang"));
    pnlVoortgang_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* venster = new QVBoxLayout(this);
    venster->setContentsMargins(0, 0, 0, 0);
    venster->addWidget(pnlVoortgang_);
    // A longer line widens the window instead of being cut off.
    venster->setSizeConstraint(QLayout::SetMinimumSize);
    // The label's place is at least its design size and grows with its text.
    auto* paneel = new QGridLayout(pnlVoortgang_);
    paneel->setContentsMargins(16, 16, 18, 8);
    paneel->setVerticalSpacing(9);
    paneel->setColumnMinimumWidth(0, 409);
    paneel->setRowMinimumHeight(0, 121);
    paneel->addWidget(lblVoortgang_, 0, 0);
    paneel->addWidget(pbarVoortgang_, 1, 0);

    lblVoortgang_->setObjectName(QStringLiteral("lblVoortgang"));
    lblVoortgang_->setTextFormat(Qt::PlainText);
    lblVoortgang_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The longest label, nine lines, fits the fixed label at this size.
    QFont lettertype = lblVoortgang_->font();
    lettertype.setPointSize(8);
    lblVoortgang_->setFont(lettertype);
    lblVoortgang_->setText(VensterTekst(teksten[TekstMechanismen]));

    pbarVoortgang_->setObjectName(QStringLiteral("pbarVoortgang"));
    pbarVoortgang_->setFixedHeight(17);
    pbarVoortgang_->setRange(0, 100);
    pbarVoortgang_->setValue(0);
    pbarVoortgang_->setTextVisible(false);

    CentreerOpScherm();
}

void TfrmVoortgang::ZetVoortgang(const std::string& label, int positie) {
    lblVoortgang_->setText(VensterTekst(label));
    pbarVoortgang_->setValue(std::clamp(positie, 0, 100));
    // A large frame reports thousands of steps: showing every one would cost more than the
    // analysis itself, so the window is painted at most every few frames, and at both ends.
    constexpr qint64 Interval = 40;
    if (geschilderd_.isValid() && geschilderd_.elapsed() < Interval && positie > 0 &&
        positie < 100) {
        return;
    }
    geschilderd_.start();
    repaint();
    // Lets the window system map and show the window; clicks wait until the analysis is done.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmVoortgang::VulMechanismeKeuze(const std::vector<std::string>& items, int gekozen) {
    if (keuze_) {
        keuze_(items, gekozen);
    }
}

void TfrmVoortgang::Sluit() {
    hide();
}

void TfrmVoortgang::CentreerOpScherm() {
    const QScreen* scherm = QGuiApplication::primaryScreen();
    if (scherm == nullptr) {
        return;
    }
    adjustSize();
    move(scherm->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

} // namespace kx
