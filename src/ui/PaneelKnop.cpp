#include "ui/PaneelKnop.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace kx {

TPaneelKnop::TPaneelKnop(const QString& tekst, Soort soort, QWidget* ouder)
    : QFrame(ouder), tekst_(new QLabel(tekst, this)), soort_(soort) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    tekst_->setAlignment(Qt::AlignCenter);
    tekst_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* indeling = new QHBoxLayout(this);
    indeling->setContentsMargins(2, 1, 2, 1);
    indeling->addWidget(tekst_);
}

void TPaneelKnop::ZetTekst(const QString& tekst) {
    tekst_->setText(tekst);
}
QString TPaneelKnop::Tekst() const {
    return tekst_->text();
}

void TPaneelKnop::ZetVerlaagd(bool verlaagd) {
    setFrameShadow(verlaagd ? QFrame::Sunken : QFrame::Raised);
}

bool TPaneelKnop::Verlaagd() const {
    return frameShadow() == QFrame::Sunken;
}

void TPaneelKnop::ZetAchtergrond(const QColor& kleur) {
    QPalette palet = palette();
    palet.setColor(QPalette::Window, kleur);
    setPalette(palet);
}

void TPaneelKnop::ZetTekstKleur(const QColor& kleur) {
    QPalette palet = tekst_->palette();
    palet.setColor(QPalette::WindowText, kleur);
    tekst_->setPalette(palet);
}

void TPaneelKnop::ZetLettertype(const QFont& lettertype) {
    tekst_->setFont(lettertype);
}

void TPaneelKnop::mousePressEvent(QMouseEvent* gebeurtenis) {
    emit Ingedrukt(gebeurtenis->button());
    if (gebeurtenis->button() == Qt::LeftButton && isEnabled()) {
        linksIngedrukt_ = true;
        ZetVerlaagd(true);
    }
}

void TPaneelKnop::mouseReleaseEvent(QMouseEvent* gebeurtenis) {
    if (gebeurtenis->button() != Qt::LeftButton || !linksIngedrukt_) {
        return;
    }
    linksIngedrukt_ = false;
    if (soort_ == Soort::Drukknop) {
        ZetVerlaagd(false);
    }
    emit Geklikt();
}

void TPaneelKnop::keyPressEvent(QKeyEvent* gebeurtenis) {
    const int toets = gebeurtenis->key();
    if (toets == Qt::Key_Space || toets == Qt::Key_Return || toets == Qt::Key_Enter) {
        emit Ingedrukt(Qt::LeftButton);
        emit Geklikt();
        return;
    }
    QFrame::keyPressEvent(gebeurtenis);
}

void TPaneelKnop::ToonFocus(bool focus) {
    QFont lettertype = tekst_->font();
    lettertype.setUnderline(focus);
    tekst_->setFont(lettertype);
}

void TPaneelKnop::focusInEvent(QFocusEvent* gebeurtenis) {
    ToonFocus(true);
    QFrame::focusInEvent(gebeurtenis);
}

void TPaneelKnop::focusOutEvent(QFocusEvent* gebeurtenis) {
    ToonFocus(false);
    QFrame::focusOutEvent(gebeurtenis);
}

void TPaneelKnop::changeEvent(QEvent* gebeurtenis) {
    if (gebeurtenis->type() == QEvent::EnabledChange) {
        QPalette palet = tekst_->palette();
        palet.setColor(QPalette::WindowText,
                       isEnabled() ? palette().color(QPalette::Active, QPalette::WindowText)
                                   : palette().color(QPalette::Disabled, QPalette::WindowText));
        tekst_->setPalette(palet);
    }
    QFrame::changeEvent(gebeurtenis);
}

} // namespace kx
