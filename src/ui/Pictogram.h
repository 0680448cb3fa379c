#pragma once

#include <QIcon>

#include <array>

namespace kx {

// The sizes the icon is drawn at; the installed menu icons are these drawings.
inline constexpr std::array<int, 7> PictogramMaten{16, 24, 32, 48, 64, 128, 256};

// The program's icon: a red portal frame under a load, drawn at the usual icon sizes.
QIcon ProgrammaPictogram();

} // namespace kx
