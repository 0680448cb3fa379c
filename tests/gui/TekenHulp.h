#pragma once

#include "drawing/Gebieden.h"
#include "drawing/Tekst.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <string>

namespace kx::test {

inline QImage WitVlak(int breedte, int hoogte) {
    QImage beeld(breedte, hoogte, QImage::Format_RGB32);
    beeld.fill(Qt::white);
    return beeld;
}

// Number of pixels inside r (clipped to the image) of the given colour, or of any colour but
// white.
inline int Inkt(const QImage& beeld, const QRect& r, const QColor& kleur = QColor()) {
    const QRect vak = r.intersected(beeld.rect());
    int aantal = 0;
    for (int y = vak.top(); y <= vak.bottom(); ++y) {
        for (int x = vak.left(); x <= vak.right(); ++x) {
            const QColor pixel = beeld.pixelColor(x, y);
            aantal += (kleur.isValid() ? pixel == kleur : pixel != QColor(Qt::white)) ? 1 : 0;
        }
    }
    return aantal;
}

// Rightmost (or leftmost) column with ink in the rows of r, or -1.
inline int RandInkt(const QImage& beeld, const QRect& r, bool rechts) {
    for (int i = 0; i < r.width(); ++i) {
        const int x = rechts ? r.right() - i : r.left() + i;
        if (Inkt(beeld, QRect(x, r.top(), 1, r.height())) > 0) {
            return x;
        }
    }
    return -1;
}
inline int RechtsteInkt(const QImage& beeld, const QRect& r) {
    return RandInkt(beeld, r, true);
}
inline int LinksteInkt(const QImage& beeld, const QRect& r) {
    return RandInkt(beeld, r, false);
}

// Bottom of the title block a view starts with.
inline double TitelOnder(const std::string& titel, int breedte) {
    QImage beeld = WitVlak(breedte, 200);
    QPainter p(&beeld);
    return TekenBlok(p, {0, 0, static_cast<double>(breedte), 0}, 0, titel, opTitel, Qt::black);
}

} // namespace kx::test
