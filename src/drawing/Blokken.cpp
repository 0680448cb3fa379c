#include "drawing/Blokken.h"

#include <utility>

namespace kx {

namespace {
thread_local TBlokkenOpname* binnenste = nullptr;
} // namespace

TBlokkenOpname::TBlokkenOpname(const QPaintDevice& apparaat)
    : apparaat_(&apparaat), vorige_(std::exchange(binnenste, this)) {}

TBlokkenOpname::~TBlokkenOpname() {
    binnenste = vorige_;
}

void MeldBlok(const QPainter& painter, double boven, double onder, TBlokSoort soort) {
    for (TBlokkenOpname* opname = binnenste; opname != nullptr; opname = opname->vorige_) {
        if (opname->apparaat_ == painter.device()) {
            const QTransform& t = painter.worldTransform();
            opname->blokken_.push_back(
                {t.map(QPointF(0.0, boven)).y(), t.map(QPointF(0.0, onder)).y(), soort});
            return;
        }
    }
}

} // namespace kx
