#include "ui/InfoStijl.h"

#include <QImage>
#include <QPixmap>

#include <QLabel>
#include <QPalette>

namespace kx {

namespace {

// The texts were written to fit their labels at this size.
constexpr int InfoPuntgrootte = 8;

} // namespace

void ZetInfoTekst(QLabel& label, const QString& tekst, Qt::Alignment uitlijning) {
    QFont lettertype = label.font();
    lettertype.setPointSize(InfoPuntgrootte);
    label.setFont(lettertype);
    label.setTextFormat(Qt::PlainText);
    label.setWordWrap(true);
    label.setAlignment(uitlijning);
    QPalette palet = label.palette();
    palet.setColor(QPalette::WindowText, InfoTekstkleur);
    label.setPalette(palet);
    label.setText(tekst);
}

void ZetZandkleur(QWidget& deel) {
    // Buttons and check boxes paint with the button roles, other widgets with the window roles.
    QPalette palet = deel.palette();
    for (const auto rol : {QPalette::Window, QPalette::Button}) {
        palet.setColor(rol, Zandkleur);
    }
    for (const auto rol : {QPalette::WindowText, QPalette::ButtonText}) {
        palet.setColor(rol, InfoTekstkleur);
    }
    deel.setPalette(palet);
    deel.setAutoFillBackground(true);
}

void ZetAchtergrond(QWidget& venster, QLabel& afbeelding, const QPixmap& beeld) {
    afbeelding.setPixmap(beeld);
    afbeelding.setGeometry(QRect(QPoint(0, 0), beeld.size()));
    afbeelding.lower();
    QPalette palet = venster.palette();
    palet.setColor(QPalette::Window,
                   beeld.toImage().pixelColor(beeld.width() - 1, beeld.height() - 1));
    venster.setPalette(palet);
    venster.setAutoFillBackground(true);
}

} // namespace kx
