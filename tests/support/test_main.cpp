#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "platform/startup/program.h"

// Every test binary runs its tests inside one offscreen QApplication set up as the program's.
int main(int argc, char** argv) {
    // Offscreen, with the screens a test may describe in the platform's options.
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toUtf8());
    QApplication application(argc, argv);
    forms::prepareApplication("Kinemora");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
