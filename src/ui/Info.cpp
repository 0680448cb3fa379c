#include "ui/Info.h"

#include "text/TekstNamen.h"
#include "text/Teksten.h"
#include "ui/InfoAfbeeldingen.h"
#include "ui/InfoStijl.h"
#include "ui/Instellingen.h"
#include "ui/VensterTekst.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>

namespace kx {

TfrmInfo::TfrmInfo(const Teksten& teksten, QWidget* ouder)
    : QDialog(ouder, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      imaInfo_(new QLabel(this)), lblInfo_(new QLabel(this)),
      chkOpstartInfo_(new QCheckBox(VensterTekst(teksten[TekstInfoOpnieuwTonen]), this)),
      cmbTaal_(new QComboBox(this)) {
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(VensterTekst(teksten[TekstInfoTitel]));
    setFixedSize(450, 161);

    imaInfo_->setObjectName(QStringLiteral("imaInfo"));
    imaInfo_->setGeometry(0, 0, 450, 161);
    imaInfo_->setPixmap(InfoAchtergrond());

    lblInfo_->setObjectName(QStringLiteral("lblInfo"));
    lblInfo_->setGeometry(128, 8, 297, 121);
    ZetInfoTekst(*lblInfo_, VensterTekst(teksten[TekstInfo]), Qt::AlignLeft | Qt::AlignVCenter);

    chkOpstartInfo_->setObjectName(QStringLiteral("chkOpstartInfo"));
    chkOpstartInfo_->setGeometry(16, 135, 313, 18);
    ZetZandkleur(*chkOpstartInfo_);
    chkOpstartInfo_->setChecked(LeesToonOpstartscherm());

    // Each language is offered under its own name.
    cmbTaal_->setObjectName(QStringLiteral("cmbTaal"));
    cmbTaal_->setGeometry(335, 133, 98, 22);
    cmbTaal_->setToolTip(VensterTekst(teksten[TekstTaalkeuzeHint]));
    for (const TTaal taal : {TTaal::Nederlands, TTaal::Engels}) {
        cmbTaal_->addItem(Taalnaam(taal), static_cast<int>(taal));
    }
    cmbTaal_->setCurrentIndex(cmbTaal_->findData(static_cast<int>(LeesTaal())));

    imaInfo_->installEventFilter(this);
    lblInfo_->installEventFilter(this);
}

void TfrmInfo::done(int resultaat) {
    SchrijfToonOpstartscherm(chkOpstartInfo_->isChecked());
    SchrijfTaal(static_cast<TTaal>(cmbTaal_->currentData().toInt()));
    QDialog::done(resultaat);
}

bool TfrmInfo::eventFilter(QObject* object, QEvent* gebeurtenis) {
    if (gebeurtenis->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(gebeurtenis)->button() == Qt::LeftButton) {
        accept();
        return true;
    }
    return QDialog::eventFilter(object, gebeurtenis);
}

} // namespace kx
