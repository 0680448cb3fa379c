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
#include <QLabel>
#include <QMouseEvent>

namespace kx {

TfrmStartInfo::TfrmStartInfo(const Teksten& teksten, QWidget* ouder)
    : QWidget(ouder, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      imaStartInfo_(new QLabel(this)), imaBezweken_(new QLabel(this)),
      lblStartInfo_(new QLabel(this)),
      pnlVoorbeeld_(MaakKnop(QStringLiteral("pnlVoorbeeld"),
                             VensterTekst(teksten[TekstStartVoorbeeld]),
                             VensterTekst(teksten[TekstStartVoorbeeldUitleg]), QPoint(16, 144))),
      pnlNieuw_(MaakKnop(QStringLiteral("pnlNieuw"), VensterTekst(teksten[TekstStartNieuw]),
                         VensterTekst(teksten[TekstStartNieuwUitleg]), QPoint(16, 180))),
      chkOpstartInfo_(new QCheckBox(VensterTekst(teksten[TekstStartOpnieuwTonen]), this)) {
    setObjectName(QStringLiteral("frmStartInfo"));
    setWindowTitle(VensterTekst(teksten[TekstStartTitel]));
    setFixedSize(450, 250);

    imaStartInfo_->setObjectName(QStringLiteral("imaStartInfo"));
    imaStartInfo_->setGeometry(0, 0, 450, 250);
    imaStartInfo_->setPixmap(StartAchtergrond());

    imaBezweken_->setObjectName(QStringLiteral("imaBezweken"));
    imaBezweken_->setGeometry(0, 0, 126, 138);
    imaBezweken_->setPixmap(BezwekenAfbeelding());
    imaBezweken_->setToolTip(VensterTekst(teksten[TekstStartPlaatje]));
    imaBezweken_->hide();

    lblStartInfo_->setObjectName(QStringLiteral("lblStartInfo"));
    lblStartInfo_->setGeometry(128, 16, 305, 193);
    ZetInfoTekst(*lblStartInfo_, VensterTekst(teksten[TekstStartInfo]),
                 Qt::AlignLeft | Qt::AlignTop);

    chkOpstartInfo_->setObjectName(QStringLiteral("chkOpstartInfo"));
    chkOpstartInfo_->setGeometry(16, 216, 417, 18);
    ZetZandkleur(*chkOpstartInfo_);
    chkOpstartInfo_->setChecked(LeesToonOpstartscherm());

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

TPaneelKnop* TfrmStartInfo::MaakKnop(const QString& naam, const QString& tekst, const QString& hint,
                                     QPoint plaats) {
    auto* knop = new TPaneelKnop(tekst, TPaneelKnop::Soort::Drukknop, this);
    knop->setObjectName(naam);
    knop->setGeometry(QRect(plaats, QSize(89, 25)));
    knop->setToolTip(hint);
    knop->ZetAchtergrond(Zandkleur);
    knop->ZetTekstKleur(InfoTekstkleur);
    return knop;
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
