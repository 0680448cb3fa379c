#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kx {

class Teksten;

// The dialog in which the user types the plastic moment of one bar: a whole number of kNm from
// 1 to 999. Created once and reused for every bar.
class TFormMpInvullen : public QDialog {
    Q_OBJECT
public:
    explicit TFormMpInvullen(const Teksten& teksten, QWidget* ouder = nullptr);

    // Shows the dialog modally, centred over ouder, for a bar whose plastic moment is huidigeMp.
    // Returns the confirmed value, or nothing when the user cancelled.
    std::optional<double> Vraag(double huidigeMp, QWidget* ouder);

    // Fills the dialog for huidigeMp. A value that cannot be typed here (not a whole number from
    // 0 to 999; only a file can hold one) leaves the edit box empty and is shown beside it, so
    // that it stays unless the user types a new value and confirms it.
    void ZetWaarde(double huidigeMp);

    // The typed value once the dialog was closed with OK; nothing otherwise.
    std::optional<double> GekozenWaarde() const;

    QLineEdit* editMP() const { return editMP_; }
    QPushButton* BitBtnOK() const { return BitBtnOK_; }
    QPushButton* BitBtn2() const { return BitBtn2_; }
    QLabel* lblHuidig() const { return lblHuidig_; }

protected:
    void showEvent(QShowEvent* gebeurtenis) override;
    bool event(QEvent* gebeurtenis) override;

private:
    void editMPChange(const QString& tekst);
    void ZetFocusInInvoer();
    void CentreerBoven(const QWidget* ouder);

    QLineEdit* editMP_;
    QLabel* Label1_;
    QLabel* lblHuidig_;
    QPushButton* BitBtnOK_;
    QPushButton* BitBtn2_;
    QString huidigeWaarde_; // "%1" stands for the value
};

} // namespace kx
