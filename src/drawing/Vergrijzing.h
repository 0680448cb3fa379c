#pragma once

#include <QImage>

namespace kx {

// A picture as an out-of-date result shows it: every colour becomes its grey, lightened towards
// white, so that it reads as no longer current yet stays legible. White stays white;
// the picture becomes opaque.
void Vergrijs(QImage& beeld);

} // namespace kx
