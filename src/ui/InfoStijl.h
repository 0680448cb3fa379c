#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

namespace kx {

// The look shared by the start screen and the about box.
inline const QColor Zandkleur(199, 189, 105);
inline const QColor InfoTekstkleur(128, 0, 0);

// Maroon, word-wrapped plain text over the background picture; "&" shows as it is.
void ZetInfoTekst(QLabel& label, const QString& tekst, Qt::Alignment uitlijning);

// Sand-coloured background with maroon text, as the check boxes of both windows have.
void ZetZandkleur(QWidget& deel);

} // namespace kx
