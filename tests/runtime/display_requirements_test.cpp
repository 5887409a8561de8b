// The check made before Qt starts: with no display named, X11 and Wayland have nothing to draw
// on and the program refuses with one line; Windows names no display and always has one.

#include "platform/startup/display_requirements.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>
#include <array>
#include <initializer_list>
#include <tuple>
#include <vector>

namespace {

// Unsets variables for one test and puts them back after.
class UnsetVariables {
  public:
    explicit UnsetVariables(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            saved_.emplace_back(name, qEnvironmentVariableIsSet(name), qgetenv(name));
            qunsetenv(name);
        }
    }
    ~UnsetVariables() {
        for (const auto& [name, wasSet, value] : saved_)
            if (wasSet) qputenv(name, value);
    }

  private:
    std::vector<std::tuple<const char*, bool, QByteArray>> saved_;
};

TEST(DisplayRequirements, NoDisplayNamedRefusesOnlyWhereADisplayServerIsNeeded) {
    const UnsetVariables none{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
    char program[] = "kinemora";
    std::array<char*, 2> argv{program, nullptr};
#ifdef _WIN32
    EXPECT_FALSE(forms::lacksDisplay(1, argv.data()));
#else
    EXPECT_TRUE(forms::lacksDisplay(1, argv.data()));
#endif
}

}  // namespace
