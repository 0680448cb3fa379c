#include "ui/StartInfo.h"

#include "text/TekstNamen.h"
#include "text/Teksten.h"
#include "ui/InfoAfbeeldingen.h"
#include "ui/InfoStijl.h"
#include "ui/Instellingen.h"
#include "ui/PaneelKnop.h"
#include "ui/VensterTekst.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>

namespace kx {

TfrmStartInfo::TfrmStartInfo(const Teksten& teksten, QWidget* ouder)
    : QWidget(ouder, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      imaStartInfo_(new QLabel(this)), imaBezweken_(new QLabel(this)),
      lblStartInfo_(new QLabel(this)),
      pnlVoorbeeld_(MaakKnop(QStringLiteral("pnlVoorbeeld"),
                             VensterTekst(teksten[TekstStartVoorbeeld]),
                             VensterTekst(teksten[TekstStartVoorbeeldUitleg]))),
      pnlNieuw_(MaakKnop(QStringLiteral("pnlNieuw"), VensterTekst(teksten[TekstStartNieuw]),
                         VensterTekst(teksten[TekstStartNieuwUitleg]))),
      chkOpstartInfo_(new QCheckBox(VensterTekst(teksten[TekstStartOpnieuwTonen]), this)) {
    setObjectName(QStringLiteral("frmStartInfo"));
    setWindowTitle(VensterTekst(teksten[TekstStartTitel]));
    imaStartInfo_->setObjectName(QStringLiteral("imaStartInfo"));
    ZetAchtergrond(*this, *imaStartInfo_, StartAchtergrond());

    imaBezweken_->setObjectName(QStringLiteral("imaBezweken"));
    imaBezweken_->setGeometry(0, 0, 126, 138);
    imaBezweken_->setPixmap(BezwekenAfbeelding());
    imaBezweken_->setToolTip(VensterTekst(teksten[TekstStartPlaatje]));
    imaBezweken_->hide();

    lblStartInfo_->setObjectName(QStringLiteral("lblStartInfo"));
    lblStartInfo_->setMinimumSize(305, 193);
    ZetInfoTekst(*lblStartInfo_, VensterTekst(teksten[TekstStartInfo]),
                 Qt::AlignLeft | Qt::AlignTop);

    chkOpstartInfo_->setObjectName(QStringLiteral("chkOpstartInfo"));
    chkOpstartInfo_->setMinimumSize(417, 18);
    ZetZandkleur(*chkOpstartInfo_);
    chkOpstartInfo_->setChecked(LeesToonOpstartscherm());
    MaakIndeling();

    for (QWidget* deel :
         std::initializer_list<QWidget*>{imaStartInfo_, imaBezweken_, lblStartInfo_, pnlVoorbeeld_,
                                         pnlNieuw_, chkOpstartInfo_}) {
        deel->setMouseTracking(true);
        deel->installEventFilter(this);
    }
    connect(pnlVoorbeeld_, &TPaneelKnop::Geklikt, this, [this] {
        voorbeeld_ = true;
        close();
    });
    connect(pnlNieuw_, &TPaneelKnop::Geklikt, this, &QWidget::close);
}

TPaneelKnop* TfrmStartInfo::MaakKnop(const QString& naam, const QString& tekst,
                                     const QString& hint) {
    auto* knop = new TPaneelKnop(tekst, TPaneelKnop::Soort::Drukknop, this);
    knop->setObjectName(naam);
    knop->setMinimumSize(89, 25);
    knop->setToolTip(hint);
    knop->ZetAchtergrond(Zandkleur);
    knop->ZetTekstKleur(InfoTekstkleur);
    return knop;
}

void TfrmStartInfo::MaakIndeling() {
    // The design places at the least: the buttons below the picture, the text beside it, the
    // check box below both; a longer text makes the window larger, not cut off.
    auto* indeling = new QGridLayout(this);
    indeling->setSizeConstraint(QLayout::SetFixedSize);
    indeling->setContentsMargins(16, 16, 17, 16);
    indeling->setHorizontalSpacing(23);
    indeling->setVerticalSpacing(0);
    indeling->setRowMinimumHeight(0, 128);
    indeling->setRowStretch(0, 1);
    indeling->setRowMinimumHeight(2, 11);
    indeling->setRowMinimumHeight(4, 11);
    indeling->addWidget(pnlVoorbeeld_, 1, 0);
    indeling->addWidget(pnlNieuw_, 3, 0);
    indeling->addWidget(lblStartInfo_, 0, 1, 5, 1);
    indeling->addWidget(chkOpstartInfo_, 5, 0, 1, 2);
}

bool TfrmStartInfo::eventFilter(QObject* object, QEvent* gebeurtenis) {
    if (gebeurtenis->type() == QEvent::MouseMove) {
        auto* bron = static_cast<QWidget*>(object);
        VolgMuis(bron, static_cast<QMouseEvent*>(gebeurtenis)->position().toPoint());
    }
    return QWidget::eventFilter(object, gebeurtenis);
}

// Over the pictures the collapsed frame follows the pointer's place; over anything else it
// hides.
void TfrmStartInfo::VolgMuis(QWidget* bron, QPoint plaats) {
    const bool overAfbeelding = bron == imaStartInfo_ || bron == imaBezweken_;
    imaBezweken_->setVisible(overAfbeelding && InBezwekenGebied(bron->mapTo(this, plaats)));
}

void TfrmStartInfo::showEvent(QShowEvent* gebeurtenis) {
    if (const QWidget* ouder = parentWidget()) {
        move(ouder->window()->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    QWidget::showEvent(gebeurtenis);
    raise();
    activateWindow();
}

void TfrmStartInfo::closeEvent(QCloseEvent* gebeurtenis) {
    gebeurtenis->accept();
    if (gesloten_) {
        return;
    }
    gesloten_ = true;
    SchrijfToonOpstartscherm(chkOpstartInfo_->isChecked());
    if (afsluiting_) {
        afsluiting_(voorbeeld_);
    }
}

} // namespace kx
