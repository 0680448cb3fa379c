#include "ui/MpInvullen.h"

#include "text/TekstNamen.h"
#include "text/Teksten.h"
#include "ui/VensterTekst.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <cmath>

namespace kx {

namespace {

constexpr int MaxCijfers = 3;
constexpr double GrootsteMp = 999.0;

// Whole numbers from 0 to 999 fit the edit box as they are.
bool PastInInvoer(double mp) {
    return mp >= 0.0 && mp <= GrootsteMp && std::trunc(mp) == mp;
}

QString MpAlsTekst(double mp) {
    QLocale taal;
    taal.setNumberOptions(QLocale::OmitGroupSeparator);
    return taal.toString(mp, 'g', QLocale::FloatingPointShortest);
}

// Only the characters '0' to '9'; other scripts' digits would not convert.
QString AlleenCijfers(const QString& tekst) {
    QString cijfers;
    for (const QChar teken : tekst) {
        if (teken >= u'0' && teken <= u'9') {
            cijfers += teken;
        }
    }
    return cijfers;
}

} // namespace

TFormMpInvullen::TFormMpInvullen(const Teksten& teksten, QWidget* ouder)
    : QDialog(ouder), editMP_(new QLineEdit(this)),
      Label1_(new QLabel(QStringLiteral("kNm"), this)), lblHuidig_(new QLabel(this)),
      BitBtnOK_(new QPushButton(VensterTekst(teksten[TekstMpOK]), this)),
      BitBtn2_(new QPushButton(VensterTekst(teksten[TekstMpAnnuleren]), this)),
      huidigeWaarde_(VensterTekst(teksten[TekstMpHuidigeWaarde])) {
    setWindowTitle(QStringLiteral("Mp"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setMinimumSize(224, 125);

    editMP_->setObjectName(QStringLiteral("editMP"));
    editMP_->setMaxLength(MaxCijfers);
    editMP_->setMinimumSize(121, 24);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setMinimumSize(63, 24);
    lblHuidig_->setObjectName(QStringLiteral("lblHuidig"));
    lblHuidig_->setMinimumHeight(20);
    lblHuidig_->hide();

    BitBtnOK_->setObjectName(QStringLiteral("BitBtnOK"));
    BitBtnOK_->setMinimumSize(89, 28);
    BitBtnOK_->setDefault(true);
    BitBtn2_->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2_->setMinimumSize(89, 28);
    BitBtn2_->setAutoDefault(false);

    // The dialog takes the size its texts need, at least its design size, and keeps it.
    auto* indeling = new QGridLayout(this);
    indeling->setSizeConstraint(QLayout::SetFixedSize);
    indeling->setContentsMargins(16, 16, 16, 15);
    indeling->setHorizontalSpacing(8);
    indeling->addWidget(editMP_, 0, 0);
    indeling->addWidget(Label1_, 0, 1);
    indeling->addWidget(lblHuidig_, 1, 0, 1, 2);
    indeling->setRowMinimumHeight(1, 26);
    indeling->setRowMinimumHeight(2, 10);
    auto* knoppen = new QHBoxLayout;
    knoppen->setSpacing(14);
    knoppen->addWidget(BitBtnOK_);
    knoppen->addWidget(BitBtn2_);
    indeling->addLayout(knoppen, 3, 0, 1, 2);

    connect(editMP_, &QLineEdit::textChanged, this, &TFormMpInvullen::editMPChange);
    connect(BitBtnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2_, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<double> TFormMpInvullen::Vraag(double huidigeMp, QWidget* ouder) {
    ZetWaarde(huidigeMp);
    CentreerBoven(ouder);
    exec();
    return GekozenWaarde();
}

void TFormMpInvullen::ZetWaarde(double huidigeMp) {
    setResult(QDialog::Rejected);
    const bool past = PastInInvoer(huidigeMp);
    lblHuidig_->setVisible(!past);
    lblHuidig_->setText(past ? QString() : huidigeWaarde_.arg(MpAlsTekst(huidigeMp)));
    editMP_->setText(past ? MpAlsTekst(huidigeMp) : QString());
    editMPChange(editMP_->text());
}

std::optional<double> TFormMpInvullen::GekozenWaarde() const {
    if (result() != QDialog::Accepted) {
        return std::nullopt;
    }
    const int waarde = editMP_->text().toInt();
    if (waarde <= 0) {
        return std::nullopt;
    }
    return static_cast<double>(waarde);
}

void TFormMpInvullen::editMPChange(const QString& tekst) {
    if (tekst.isEmpty()) {
        BitBtnOK_->setEnabled(false);
        return;
    }
    const QString cijfers = AlleenCijfers(tekst);
    if (cijfers != tekst) {
        // Runs this handler once more, which then finds nothing to remove.
        editMP_->setText(cijfers);
        return;
    }
    editMP_->setCursorPosition(static_cast<int>(cijfers.size()));
    BitBtnOK_->setEnabled(cijfers.toInt() > 0);
}

void TFormMpInvullen::showEvent(QShowEvent* gebeurtenis) {
    QDialog::showEvent(gebeurtenis);
    ZetFocusInInvoer();
}

bool TFormMpInvullen::event(QEvent* gebeurtenis) {
    if (gebeurtenis->type() == QEvent::WindowActivate) {
        ZetFocusInInvoer();
    }
    return QDialog::event(gebeurtenis);
}

// The whole text is selected so that typing replaces the shown value.
void TFormMpInvullen::ZetFocusInInvoer() {
    editMP_->setFocus(Qt::OtherFocusReason);
    editMP_->selectAll();
}

void TFormMpInvullen::CentreerBoven(const QWidget* ouder) {
    if (ouder == nullptr) {
        return;
    }
    const QWidget* venster = ouder->window();
    move(venster->frameGeometry().center() - QPoint(width() / 2, height() / 2));
}

} // namespace kx
