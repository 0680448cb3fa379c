#pragma once

#include <QFrame>

class QLabel;

namespace kx {

// A panel that serves as a button: a left press lowers its bevel, the left release triggers it.
// A Drukknop raises itself again on release; a Keuzeknop leaves its look to its owner, who shows
// the chosen one lowered. Space and Enter trigger it from the keyboard.
class TPaneelKnop : public QFrame {
    Q_OBJECT
public:
    enum class Soort { Drukknop, Keuzeknop };

    TPaneelKnop(const QString& tekst, Soort soort, QWidget* ouder);

    void ZetTekst(const QString& tekst);
    QString Tekst() const;
    void ZetVerlaagd(bool verlaagd);
    bool Verlaagd() const;
    void ZetAchtergrond(const QColor& kleur);
    void ZetTekstKleur(const QColor& kleur);
    void ZetLettertype(const QFont& lettertype);

signals:
    void Ingedrukt(Qt::MouseButton knop);
    void Geklikt();

protected:
    void mousePressEvent(QMouseEvent* gebeurtenis) override;
    void mouseReleaseEvent(QMouseEvent* gebeurtenis) override;
    void keyPressEvent(QKeyEvent* gebeurtenis) override;
    void focusInEvent(QFocusEvent* gebeurtenis) override;
    void focusOutEvent(QFocusEvent* gebeurtenis) override;
    void changeEvent(QEvent* gebeurtenis) override;

private:
    void ToonFocus(bool focus);

    QLabel* tekst_;
    Soort soort_;
    bool linksIngedrukt_ = false;
};

} // namespace kx
