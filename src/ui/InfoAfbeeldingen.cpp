#include "ui/InfoAfbeeldingen.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace kx {

namespace {

const QColor Kastanje(128, 0, 0);
const QColor Staal(60, 60, 70);
const QColor Raster(214, 205, 160);
const QSize StartMaat(450, 250);
const QSize InfoMaat(450, 161);

// Feet and corners of the portal frame, in window pixels.
const QPointF LinkerVoet(24, 120);
const QPointF RechterVoet(100, 120);
const QPointF LinkerHoek(24, 52);
const QPointF RechterHoek(100, 52);

// The gradient, the faint grid of the editor and the edge of a borderless window. The
// coordinates are those of the whole window, so a piece of it matches the window beneath.
void TekenAchtergrond(QPainter& p, QSize venster) {
    QLinearGradient verloop(0, 0, 0, venster.height());
    verloop.setColorAt(0.0, QColor(252, 250, 238));
    verloop.setColorAt(1.0, QColor(234, 227, 190));
    p.fillRect(QRect(QPoint(0, 0), venster), verloop);
    p.setPen(QPen(Raster, 1));
    for (int x = 8; x < venster.width(); x += 16) {
        for (int y = 8; y < venster.height(); y += 16) {
            p.drawPoint(x, y);
        }
    }
    p.setPen(QPen(QColor(150, 120, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, venster.width() - 1, venster.height() - 1);
}

void TekenTitel(QPainter& p) {
    QFont lettertype = p.font();
    lettertype.setPointSize(9);
    lettertype.setBold(true);
    p.setFont(lettertype);
    p.setPen(Kastanje);
    p.drawText(QRectF(4, 6, 118, 18), Qt::AlignCenter, QStringLiteral("Plastokinetica"));
}

// A pinned support: a triangle under the foot on a hatched ground line.
void TekenOplegging(QPainter& p, QPointF voet) {
    p.setPen(QPen(Staal, 1.2));
    p.setBrush(QColor(250, 248, 236));
    p.drawPolygon(QPolygonF({voet, voet + QPointF(-6, 9), voet + QPointF(6, 9)}));
    const double grond = voet.y() + 9;
    p.drawLine(QPointF(voet.x() - 10, grond), QPointF(voet.x() + 10, grond));
    for (double x = voet.x() - 9; x <= voet.x() + 9; x += 4) {
        p.drawLine(QPointF(x, grond), QPointF(x - 3, grond + 4));
    }
}

void TekenPijl(QPainter& p, QPointF van, QPointF naar) {
    p.drawLine(van, naar);
    p.setBrush(p.pen().color());
    p.drawPolygon(QPolygonF({naar, naar + QPointF(-3.5, -7), naar + QPointF(3.5, -7)}));
}

void TekenPortaal(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Staal, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({LinkerVoet, LinkerHoek, RechterHoek, RechterVoet}));
    TekenOplegging(p, LinkerVoet);
    TekenOplegging(p, RechterVoet);
    p.setPen(QPen(Kastanje, 1.5));
    const QPointF midden((LinkerHoek.x() + RechterHoek.x()) / 2, LinkerHoek.y() - 2);
    TekenPijl(p, midden - QPointF(0, 22), midden);
    p.setFont(QFont(p.font().family(), 8));
    p.drawText(QPointF(midden.x() + 5, midden.y() - 12), QStringLiteral("F"));
}

void TekenScharnier(QPainter& p, QPointF plaats) {
    p.setPen(QPen(Staal, 1.2));
    p.setBrush(QColor(250, 248, 236));
    p.drawEllipse(plaats, 3.5, 3.5);
}

// A heavy weight resting in the kink of the beam, with its bottom just above the kink.
void TekenGewicht(QPainter& p, QPointF knik) {
    const QPointF onder = knik - QPointF(0, 11);
    const QPolygonF blok({onder + QPointF(-19, -25), onder + QPointF(19, -25),
                          onder + QPointF(9, 0), onder + QPointF(-9, 0)});
    QPainterPath hengsel;
    hengsel.moveTo(onder + QPointF(-7, -25));
    hengsel.cubicTo(onder + QPointF(-7, -37), onder + QPointF(7, -37), onder + QPointF(7, -25));
    p.setPen(QPen(QColor(35, 35, 40), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hengsel);
    p.setPen(QPen(QColor(35, 35, 40), 1));
    p.setBrush(QColor(70, 70, 80));
    p.drawPolygon(blok);
    QFont lettertype = p.font();
    lettertype.setPointSize(7);
    lettertype.setBold(true);
    p.setFont(lettertype);
    p.setPen(Qt::white);
    p.drawText(QRectF(onder.x() - 18, onder.y() - 24, 36, 13), Qt::AlignCenter,
               QStringLiteral("18 t"));
}

// The same frame after collapse: the beam kinked at mid-span, the columns pulled inward, and
// plastic hinges at the corners and under the weight; the intact frame faintly behind it.
void TekenBezweken(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(170, 160, 130), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({LinkerVoet, LinkerHoek, RechterHoek, RechterVoet}));

    const QPointF linksBoven(31, 64);
    const QPointF knik(62, 98);
    const QPointF rechtsBoven(93, 64);
    TekenGewicht(p, knik);
    p.setPen(QPen(Staal, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolyline(QPolygonF({LinkerVoet, linksBoven, knik, rechtsBoven, RechterVoet}));
    TekenOplegging(p, LinkerVoet);
    TekenOplegging(p, RechterVoet);
    for (const QPointF scharnier : {linksBoven, knik, rechtsBoven}) {
        TekenScharnier(p, scharnier);
    }
}

QPixmap NieuwePixmap(QSize maat) {
    QPixmap afbeelding(maat);
    afbeelding.fill(Qt::white);
    return afbeelding;
}

} // namespace

QPixmap StartAchtergrond() {
    QPixmap afbeelding = NieuwePixmap(StartMaat);
    QPainter p(&afbeelding);
    TekenAchtergrond(p, StartMaat);
    TekenTitel(p);
    TekenPortaal(p);
    return afbeelding;
}

QPixmap InfoAchtergrond() {
    QPixmap afbeelding = NieuwePixmap(InfoMaat);
    QPainter p(&afbeelding);
    TekenAchtergrond(p, InfoMaat);
    TekenTitel(p);
    TekenPortaal(p);
    return afbeelding;
}

QPixmap BezwekenAfbeelding() {
    QPixmap afbeelding = NieuwePixmap(QSize(126, 138));
    QPainter p(&afbeelding);
    TekenAchtergrond(p, StartMaat);
    TekenTitel(p);
    TekenBezweken(p);
    return afbeelding;
}

} // namespace kx
