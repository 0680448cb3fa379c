#pragma once

#include <QIcon>

namespace kx {

// The program's icon: a red portal frame under a load, drawn at the usual icon sizes.
QIcon ProgrammaPictogram();

} // namespace kx
