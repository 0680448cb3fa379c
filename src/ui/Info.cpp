#include "ui/Info.h"

#include "text/Teksten.h"
#include "ui/InfoAfbeeldingen.h"
#include "ui/InfoStijl.h"
#include "ui/Instellingen.h"
#include "ui/VensterTekst.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>

namespace kx {

TfrmInfo::TfrmInfo(const Teksten& teksten, QWidget* ouder)
    : QDialog(ouder, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      imaInfo_(new QLabel(this)), lblInfo_(new QLabel(this)),
      chkOpstartInfo_(new QCheckBox(VensterTekst(teksten[158]), this)) {
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(VensterTekst(teksten[121]));
    setFixedSize(450, 161);

    imaInfo_->setObjectName(QStringLiteral("imaInfo"));
    imaInfo_->setGeometry(0, 0, 450, 161);
    imaInfo_->setPixmap(InfoAchtergrond());

    lblInfo_->setObjectName(QStringLiteral("lblInfo"));
    lblInfo_->setGeometry(128, 8, 297, 121);
    ZetInfoTekst(*lblInfo_, VensterTekst(teksten[122]), Qt::AlignLeft | Qt::AlignVCenter);

    chkOpstartInfo_->setObjectName(QStringLiteral("chkOpstartInfo"));
    chkOpstartInfo_->setGeometry(16, 135, 417, 18);
    ZetZandkleur(*chkOpstartInfo_);
    chkOpstartInfo_->setChecked(LeesToonOpstartscherm());

    imaInfo_->installEventFilter(this);
    lblInfo_->installEventFilter(this);
}

void TfrmInfo::done(int resultaat) {
    SchrijfToonOpstartscherm(chkOpstartInfo_->isChecked());
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
