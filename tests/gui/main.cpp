#include "ui/Dialogen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdlib>

int main(int argc, char** argv) {
    // Headless by default; a display given by the caller is kept.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    unsetenv("QT_QPA_PLATFORMTHEME");
    // Settings go to Qt's test folder in a home of this process's own: never the user's own
    // settings, and no sharing between test processes that run side by side.
    const QTemporaryDir thuis;
    if (!thuis.isValid()) {
        return 1;
    }
    qputenv("HOME", QFile::encodeName(thuis.path()));
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    // Qt's own dialog texts in Dutch, as the program has them.
    kx::InstalleerQtVertaling();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
