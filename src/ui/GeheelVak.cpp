#include "ui/GeheelVak.h"

#include "model/Invoer.h"

#include <QLineEdit>

#include <algorithm>

namespace kx {

TGeheelVak::TGeheelVak(int kleinste, int grootste, int stap, int start, QWidget* ouder)
    : QSpinBox(ouder) {
    setRange(kleinste, grootste);
    setSingleStep(stap);
    setValue(start);
    // Only a finished number changes the value: typing 12 does not pass through 1.
    setKeyboardTracking(false);
    connect(lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& tekst) { getypt_ = tekst; });
    connect(this, &QSpinBox::editingFinished, this, &TGeheelVak::Afgerond);
}

QValidator::State TGeheelVak::validate(QString& tekst, int& positie) const {
    const QValidator::State staat = QSpinBox::validate(tekst, positie);
    if (staat != QValidator::Invalid) {
        return staat;
    }
    // Digits beyond the range may be typed; the box refuses them when they are taken.
    const bool cijfers = !tekst.isEmpty() && std::ranges::all_of(tekst, [](QChar teken) {
        return teken.isDigit() || teken == u'-' || teken == u'+';
    });
    return cijfers ? QValidator::Intermediate : QValidator::Invalid;
}

void TGeheelVak::Afgerond() {
    const QString tekst = getypt_;
    getypt_.clear();
    if (!tekst.isEmpty() && !InvoerGeheel(tekst.toStdString(), minimum(), maximum()).Waarde) {
        emit Geweigerd(tekst);
    }
}

} // namespace kx
