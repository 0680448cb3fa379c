#pragma once

#include <QColor>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <string>
#include <vector>

namespace kx::test {

// A surface of breedte x hoogte pixels at 96 dpi that draws nothing itself; its engine records.
class TOpnameVlak : public QPaintDevice {
public:
    explicit TOpnameVlak(int breedte, int hoogte = 3000) : breedte_(breedte), hoogte_(hoogte) {}

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return breedte_;
        case PdmHeight:
            return hoogte_;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 1;
        }
    }

private:
    int breedte_;
    int hoogte_;
};

// A surface that keeps every shape painted on it in order, in device pixels, with its box and
// the colour of the pen and of the fill it was painted with (invalid for none).
class TOpname : public TOpnameVlak {
public:
    struct TVorm {
        // 'l' a line, 'v' a polygon, 'e' an ellipse, 'p' a path, 'r' a rectangle, 't' text.
        char Soort = ' ';
        std::vector<QPointF> Punten; // an ellipse or a text: the centre of its box
        QRectF Vak;
        QColor Pen;
        QColor Vulling;
        QString Tekst;
    };
    std::vector<TVorm> Vormen;

    explicit TOpname(int breedte = 600, int hoogte = 3000) : TOpnameVlak(breedte, hoogte) {}
    QPaintEngine* paintEngine() const override { return &motor_; }

    // The kinds of the shapes in order, as one letter each.
    std::string Volgorde() const {
        std::string volgorde;
        for (const TVorm& vorm : Vormen) {
            volgorde += vorm.Soort;
        }
        return volgorde;
    }

private:
    class TMotor : public QPaintEngine {
    public:
        explicit TMotor(std::vector<TVorm>& vormen) : vormen_(vormen) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& toestand) override {
            const auto vlaggen = toestand.state();
            if (vlaggen & DirtyTransform) {
                transformatie_ = toestand.transform();
            }
            if (vlaggen & DirtyPen) {
                pen_ = toestand.pen().style() == Qt::NoPen ? QColor() : toestand.pen().color();
            }
            if (vlaggen & DirtyBrush) {
                vulling_ =
                    toestand.brush().style() == Qt::NoBrush ? QColor() : toestand.brush().color();
            }
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawLines(const QLineF* lijnen, int aantal) override {
            for (int i = 0; i < aantal; ++i) {
                Neem('l', {lijnen[i].p1(), lijnen[i].p2()});
            }
        }
        void drawPolygon(const QPointF* punten, int aantal, PolygonDrawMode modus) override {
            Neem(modus == PolylineMode ? 'l' : 'v', {punten, punten + aantal});
        }
        void drawEllipse(const QRectF& vak) override {
            Neem('e', {vak.center()});
            vormen_.back().Vak = transformatie_.mapRect(vak);
        }
        void drawRects(const QRectF* vakken, int aantal) override {
            for (int i = 0; i < aantal; ++i) {
                Neem('r', {vakken[i].topLeft(), vakken[i].bottomRight()});
            }
        }
        void drawPath(const QPainterPath& pad) override {
            const QPolygonF veelhoek = pad.toFillPolygon();
            Neem('p', {veelhoek.begin(), veelhoek.end()});
        }
        void drawTextItem(const QPointF& p, const QTextItem& item) override {
            const QRectF vak = QFontMetricsF(item.font()).boundingRect(item.text()).translated(p);
            Neem('t', {vak.center()});
            vormen_.back().Vak = transformatie_.mapRect(vak);
            vormen_.back().Tekst = item.text();
        }
        Type type() const override { return User; }

    private:
        void Neem(char soort, std::vector<QPointF> punten) {
            for (QPointF& p : punten) {
                p = transformatie_.map(p);
            }
            const QRectF vak =
                QPolygonF(QList<QPointF>(punten.begin(), punten.end())).boundingRect();
            vormen_.push_back({soort, std::move(punten), vak, pen_, vulling_, {}});
        }

        std::vector<TVorm>& vormen_;
        QTransform transformatie_;
        QColor pen_;
        QColor vulling_;
    };
    mutable TMotor motor_{Vormen};
};

} // namespace kx::test
