#pragma once

#include <QPixmap>

namespace kx {

// The pictures of the start screen and the about box, drawn by the program itself.
QPixmap StartAchtergrond();   // 450 x 250: title and an intact portal frame at the top left
QPixmap InfoAchtergrond();    // 450 x 161, in the same style
QPixmap BezwekenAfbeelding(); // 126 x 138: the start screen's top left with the frame collapsed

} // namespace kx
