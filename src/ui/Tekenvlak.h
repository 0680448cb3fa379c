#pragma once

#include <QWidget>

#include <functional>

namespace kx {

// A drawing surface that leaves its picture and its mouse to the window that owns it.
class TTekenvlak : public QWidget {
    Q_OBJECT
public:
    explicit TTekenvlak(QWidget* ouder);

    // Draws the whole picture; called on every paint.
    std::function<void(QPainter&)> Teken;
    // The part of the surface the paint in progress renews, in its pixels.
    QRect Bijwerkvak() const { return bijwerkvak_; }

signals:
    void Geschilderd();
    void Ingedrukt(QPointF punt, Qt::MouseButton knop);
    void Bewogen(QPointF punt);
    void Losgelaten(QPointF punt, Qt::MouseButton knop);

protected:
    void paintEvent(QPaintEvent* gebeurtenis) override;
    void mousePressEvent(QMouseEvent* gebeurtenis) override;
    void mouseMoveEvent(QMouseEvent* gebeurtenis) override;
    void mouseReleaseEvent(QMouseEvent* gebeurtenis) override;

private:
    QRect bijwerkvak_;
};

} // namespace kx
