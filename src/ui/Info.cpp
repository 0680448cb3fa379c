#include "ui/Info.h"

#include "text/TekstNamen.h"
#include "text/Teksten.h"
#include "ui/InfoAfbeeldingen.h"
#include "ui/InfoStijl.h"
#include "ui/Instellingen.h"
#include "ui/VensterTekst.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace kx {

TfrmInfo::TfrmInfo(const Teksten& teksten, QWidget* ouder)
    : QDialog(ouder, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      imaInfo_(new QLabel(this)), lblInfo_(new QLabel(this)),
      chkOpstartInfo_(new QCheckBox(VensterTekst(teksten[TekstInfoOpnieuwTonen]), this)),
      cmbTaal_(new QComboBox(this)),
      btnSluiten_(new QPushButton(VensterTekst(teksten[TekstInfoSluiten]), this)) {
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(VensterTekst(teksten[TekstInfoTitel]));
    imaInfo_->setObjectName(QStringLiteral("imaInfo"));
    ZetAchtergrond(*this, *imaInfo_, InfoAchtergrond());

    lblInfo_->setObjectName(QStringLiteral("lblInfo"));
    lblInfo_->setMinimumSize(297, 121);
    ZetInfoTekst(*lblInfo_, VensterTekst(teksten[TekstInfo]), Qt::AlignLeft | Qt::AlignVCenter);

    chkOpstartInfo_->setObjectName(QStringLiteral("chkOpstartInfo"));
    chkOpstartInfo_->setMinimumSize(313, 18);
    ZetZandkleur(*chkOpstartInfo_);
    chkOpstartInfo_->setChecked(LeesToonOpstartscherm());

    // Each language is offered under its own name.
    cmbTaal_->setObjectName(QStringLiteral("cmbTaal"));
    cmbTaal_->setMinimumSize(98, 22);
    cmbTaal_->setToolTip(VensterTekst(teksten[TekstTaalkeuzeHint]));
    for (const TTaal taal : {TTaal::Nederlands, TTaal::Engels}) {
        cmbTaal_->addItem(Taalnaam(taal), static_cast<int>(taal));
    }
    cmbTaal_->setCurrentIndex(cmbTaal_->findData(static_cast<int>(LeesTaal())));

    // The design places at the least, larger where a text needs it: the text right of the
    // picture, the check box and the language below.
    auto* indeling = new QGridLayout(this);
    indeling->setSizeConstraint(QLayout::SetFixedSize);
    indeling->setContentsMargins(16, 8, 17, 4);
    indeling->setHorizontalSpacing(6);
    indeling->setVerticalSpacing(6);
    indeling->setColumnMinimumWidth(0, 106);
    indeling->addWidget(lblInfo_, 0, 1, 1, 2);
    indeling->addWidget(chkOpstartInfo_, 1, 0, 1, 2);
    indeling->addWidget(cmbTaal_, 1, 2);
    // The box has no frame of its own, so it carries its own way out; Escape works too.
    btnSluiten_->setObjectName(QStringLiteral("btnSluiten"));
    btnSluiten_->setDefault(true);
    connect(btnSluiten_, &QPushButton::clicked, this, &QDialog::accept);
    indeling->addWidget(btnSluiten_, 2, 2);

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
