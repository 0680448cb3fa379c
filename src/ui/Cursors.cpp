#include "ui/Cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kx {

namespace {
constexpr int Maat = 32;

void TekenPijl(QPainter& p) {
    QPainterPath pijl;
    pijl.moveTo(0, 0);
    pijl.lineTo(0, 15);
    pijl.lineTo(4, 11);
    pijl.lineTo(7, 17);
    pijl.lineTo(9, 16);
    pijl.lineTo(6, 10);
    pijl.lineTo(11, 10);
    pijl.closeSubpath();
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::black);
    p.drawPath(pijl);
}

void TekenStaafje(QPainter& p) {
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(14, 27, 28, 15);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::red);
    p.drawEllipse(QPoint(14, 27), 2, 2);
    p.drawEllipse(QPoint(28, 15), 2, 2);
}

void TekenKnoopje(QPainter& p) {
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(12, 22, 30, 22);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::red);
    p.drawEllipse(QPoint(21, 22), 4, 4);
}

void TekenKrachtje(QPainter& p) {
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(22, 12, 22, 26);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::red);
    p.drawPolygon(QPolygon({QPoint(22, 30), QPoint(18, 22), QPoint(26, 22)}));
}

// A row of three small arrows onto a bar.
void TekenVerdeeldje(QPainter& p) {
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(12, 29, 31, 29);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(14, 17, 30, 17);
    p.setBrush(Qt::red);
    for (const int x : {14, 22, 30}) {
        p.drawLine(x, 17, x, 24);
        p.drawPolygon(QPolygon({QPoint(x, 28), QPoint(x - 2, 24), QPoint(x + 2, 24)}));
    }
}

void TekenTeken(QPainter& p, bool verwijderen) {
    p.setPen(QPen(verwijderen ? QColor(200, 0, 0) : QColor(0, 120, 0), 2));
    if (verwijderen) {
        p.drawLine(24, 2, 30, 8);
        p.drawLine(30, 2, 24, 8);
    } else {
        p.drawLine(27, 1, 27, 9);
        p.drawLine(23, 5, 31, 5);
    }
}
} // namespace

QCursor BewerkingsCursor(TBewerking bewerking) {
    QPixmap beeld(Maat, Maat);
    beeld.fill(Qt::transparent);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    switch (bewerking) {
    case TBewerking::StaafToevoegen:
    case TBewerking::StaafVerwijderen:
        TekenStaafje(p);
        break;
    case TBewerking::KnoopAanpassen:
    case TBewerking::KnoopVerwijderen:
        TekenKnoopje(p);
        break;
    case TBewerking::BelastingToevoegen:
    case TBewerking::BelastingVerwijderen:
        TekenKrachtje(p);
        break;
    case TBewerking::VerdeeldeBelastingToevoegen:
        TekenVerdeeldje(p);
        break;
    }
    const bool verwijderen = bewerking == TBewerking::StaafVerwijderen ||
                             bewerking == TBewerking::KnoopVerwijderen ||
                             bewerking == TBewerking::BelastingVerwijderen;
    if (bewerking != TBewerking::KnoopAanpassen) {
        TekenTeken(p, verwijderen);
    }
    TekenPijl(p);
    p.end();
    return QCursor(beeld, 0, 0);
}

} // namespace kx
