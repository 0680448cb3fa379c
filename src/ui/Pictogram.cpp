#include "ui/Pictogram.h"

#include <QPainter>
#include <QPixmap>

namespace kx {

namespace {
QPixmap Teken(int maat) {
    QPixmap beeld(maat, maat);
    beeld.fill(Qt::transparent);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(maat / 32.0, maat / 32.0);
    p.setPen(QPen(QColor(128, 0, 0), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolyline(QPolygonF({QPointF(7, 29), QPointF(7, 12), QPointF(25, 12), QPointF(25, 29)}));
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(16, 2), QPointF(16, 8));
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({QPointF(16, 10), QPointF(13, 6), QPointF(19, 6)}));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 255, 0));
    for (const QPointF hoek : {QPointF(7, 12), QPointF(25, 12)}) {
        p.drawEllipse(hoek, 2.5, 2.5);
    }
    return beeld;
}
} // namespace

QIcon ProgrammaPictogram() {
    QIcon pictogram;
    for (const int maat : PictogramMaten) {
        pictogram.addPixmap(Teken(maat));
    }
    return pictogram;
}

} // namespace kx
