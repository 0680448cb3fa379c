#include "drawing/Vergrijzing.h"

namespace kx {

namespace {
// Share of the distance to white that a grey keeps: black becomes a mid grey.
constexpr int Teller = 3;
constexpr int Noemer = 5;
} // namespace

void Vergrijs(QImage& beeld) {
    if (beeld.format() != QImage::Format_RGB32) {
        beeld.convertTo(QImage::Format_RGB32);
    }
    for (int y = 0; y < beeld.height(); ++y) {
        auto* rij = reinterpret_cast<QRgb*>(beeld.scanLine(y));
        for (int x = 0; x < beeld.width(); ++x) {
            const int grijs = 255 - (255 - qGray(rij[x])) * Teller / Noemer;
            rij[x] = qRgb(grijs, grijs, grijs);
        }
    }
}

} // namespace kx
