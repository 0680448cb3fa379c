#pragma once

#include <QSpinBox>

namespace kx {

// A box for a whole number with arrows that also takes a typed value, taken on Enter or when
// the box loses the keyboard. A typed number out of range is let through the typing and then
// refused: the box keeps its value and reports what was typed, so that the caller can say why.
class TGeheelVak : public QSpinBox {
    Q_OBJECT
public:
    TGeheelVak(int kleinste, int grootste, int stap, int start, QWidget* ouder = nullptr);

signals:
    void Geweigerd(const QString& getypt);

protected:
    QValidator::State validate(QString& tekst, int& positie) const override;

private:
    void Afgerond();

    // The text typed since the value was last taken; empty when nothing was typed.
    QString getypt_;
};

} // namespace kx
