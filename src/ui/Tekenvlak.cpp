#include "ui/Tekenvlak.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace kx {

TTekenvlak::TTekenvlak(QWidget* ouder) : QWidget(ouder) {
    setMouseTracking(true);
}

void TTekenvlak::paintEvent(QPaintEvent* gebeurtenis) {
    bijwerkvak_ = gebeurtenis->rect();
    QPainter painter(this);
    if (Teken) {
        Teken(painter);
    }
    painter.end();
    emit Geschilderd();
}

void TTekenvlak::mousePressEvent(QMouseEvent* e) {
    emit Ingedrukt(e->position(), e->button());
}

void TTekenvlak::mouseMoveEvent(QMouseEvent* e) {
    emit Bewogen(e->position());
}

void TTekenvlak::mouseReleaseEvent(QMouseEvent* e) {
    emit Losgelaten(e->position(), e->button());
}

} // namespace kx
