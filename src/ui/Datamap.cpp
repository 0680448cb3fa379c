#include "ui/Datamap.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kx {

namespace {

// Where the install rules put the data files, seen from the program's folder.
const QString GeinstalleerdVanafProgramma = QStringLiteral("../share/plastokinetica");

} // namespace

QString Datamap(const QString& bestand, const QString& programmaMap) {
    const QString programma =
        programmaMap.isEmpty() ? QCoreApplication::applicationDirPath() : programmaMap;
    const QString geinstalleerd =
        QDir::cleanPath(QDir(programma).filePath(GeinstalleerdVanafProgramma));
    for (const QString& map : {programma, geinstalleerd}) {
        if (QFileInfo::exists(QDir(map).filePath(bestand))) {
            return map;
        }
    }
    return programma;
}

} // namespace kx
