#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace kx {

class Teksten;

// The about box, shown modally; its close button or a click on its picture or text closes it. It is
// also where the start screen can be switched on again and the language is chosen.
class TfrmInfo : public QDialog {
    Q_OBJECT
public:
    // ouder is the main window, over which the box is centred.
    TfrmInfo(const Teksten& teksten, QWidget* ouder);

    // Stores the check box as the start-screen setting and the chosen language, however the box
    // is closed.
    void done(int resultaat) override;

    QLabel* imaInfo() const { return imaInfo_; }
    QLabel* lblInfo() const { return lblInfo_; }
    QCheckBox* chkOpstartInfo() const { return chkOpstartInfo_; }
    QComboBox* cmbTaal() const { return cmbTaal_; }
    QPushButton* btnSluiten() const { return btnSluiten_; }

protected:
    bool eventFilter(QObject* object, QEvent* gebeurtenis) override;

private:
    QLabel* imaInfo_;
    QLabel* lblInfo_;
    QCheckBox* chkOpstartInfo_;
    QComboBox* cmbTaal_;
    QPushButton* btnSluiten_;
};

} // namespace kx
