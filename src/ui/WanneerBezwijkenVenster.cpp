#include "ui/WanneerBezwijkenVenster.h"

#include "text/TekstNamen.h"
#include "text/Teksten.h"
#include "ui/Tekenvlak.h"

#include <QBoxLayout>
#include <QPushButton>

namespace kx {

TfrmWanneerBezwijken::TfrmWanneerBezwijken(const Teksten& teksten, QWidget* ouder)
    : TAnalyseVenster(QString::fromStdString(teksten[TekstWanneerVensterTitel]), {300, 172}, false,
                      teksten, ouder),
      balk_(new QWidget(this)), wissen_(new QPushButton(balk_)) {
    wissen_->setObjectName("btnEigenWissen");
    wissen_->setText(QString::fromStdString(teksten[TekstEigenWissen]));
    wissen_->setToolTip(QString::fromStdString(teksten[TekstEigenWissenHint]));
    connect(wissen_, &QPushButton::clicked, this, [this] { emit Wissen(); });
    auto* rij = new QHBoxLayout(balk_);
    rij->setContentsMargins(4, 2, 4, 2);
    rij->addWidget(wissen_);
    rij->addStretch(1);
    // Below the banner that marks an out-of-date result.
    static_cast<QBoxLayout*>(layout())->insertWidget(1, balk_);
    balk_->hide();
}

void TfrmWanneerBezwijken::ToonEigen(bool aan) {
    eigen_ = aan;
    balk_->setVisible(aan);
    if (!aan) {
        Punten.clear();
        Vlak()->setCursor(Qt::ArrowCursor);
    }
}

void TfrmWanneerBezwijken::MuisBeweegt(QPointF punt) {
    const bool raak = eigen_ && ZoekPlaats(Punten, {punt.x(), punt.y()}) != -1;
    Vlak()->setCursor(raak ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TfrmWanneerBezwijken::MuisIngedrukt(QPointF punt, Qt::MouseButton knop) {
    if (!eigen_ || knop != Qt::LeftButton) {
        return;
    }
    if (const int plaats = ZoekPlaats(Punten, {punt.x(), punt.y()}); plaats != -1) {
        emit PlaatsAangeklikt(plaats);
    }
}

} // namespace kx
