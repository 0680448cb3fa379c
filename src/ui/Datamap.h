#pragma once

#include <QString>

namespace kx {

// The name of the English texts among the program's data files.
inline const QString EngelsBestand = QStringLiteral("English.kxt");

// The folder that holds one of the program's data files (the help and theory pages, the English
// texts), given by its path relative to that folder: the program's own folder, as in a build,
// or the installed data folder "<prefix>/share/plastokinetica" beside "<prefix>/bin". When the
// file is in neither, the program's folder, so that a message names the place looked first.
// programmaMap stands for the program's folder when not empty.
QString Datamap(const QString& bestand, const QString& programmaMap = {});

} // namespace kx
