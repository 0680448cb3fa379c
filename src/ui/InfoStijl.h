#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QPixmap;
class QWidget;

namespace kx {

// The look shared by the start screen and the about box.
inline const QColor Zandkleur(199, 189, 105);
inline const QColor InfoTekstkleur(128, 0, 0);

// Maroon, word-wrapped plain text over the background picture; "&" shows as it is.
void ZetInfoTekst(QLabel& label, const QString& tekst, Qt::Alignment uitlijning);

// Sand-coloured background with maroon text, as the check boxes of both windows have.
void ZetZandkleur(QWidget& deel);

// Puts the background picture in the window's top-left corner, behind everything; where longer
// texts make the window larger, it continues in the colour of the picture's bottom-right corner.
void ZetAchtergrond(QWidget& venster, QLabel& afbeelding, const QPixmap& beeld);

} // namespace kx
