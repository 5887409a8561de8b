// The walk's own main: `--seconds N` walks random seeds for N seconds; `--isolated` runs each
// sequence in a child process (for a tree whose faults crash); `--sequences` and `--steps` size
// the walk. The rest goes to GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstring>
#include <random>

#include "platform/startup/program.h"
#include "walk/isolated.h"
#include "walk/options.h"

namespace walk {
Options& options() {
    static Options given;
    return given;
}
}  // namespace walk

int main(int argc, char** argv) {
    walk::Options& options = walk::options();
    bool isolated = false;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        auto number = [&](int& into) {
            if (i + 1 < argc) into = std::atoi(argv[++i]);
        };
        if (!std::strcmp(argv[i], "--seconds"))
            number(options.seconds);
        else if (!std::strcmp(argv[i], "--sequences"))
            number(options.sequences);
        else if (!std::strcmp(argv[i], "--steps"))
            number(options.steps);
        else if (!std::strcmp(argv[i], "--isolated"))
            isolated = true;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toUtf8());
    if (isolated)
        return walk::walkIsolated(options.seconds > 0 ? std::random_device()() : 1,
                                  options.sequences > 0 ? options.sequences : 100,
                                  options.steps > 0 ? options.steps : 300, options.seconds);
    QApplication application(argc, argv);
    forms::prepareApplication("Kinemora");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
