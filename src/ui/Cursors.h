#pragma once

#include "ui/Toestand.h"

#include <QCursor>

namespace kx {

// The mouse cursor of an editing tool: an arrow with a small picture of what the tool does.
QCursor BewerkingsCursor(TBewerking bewerking);

} // namespace kx
