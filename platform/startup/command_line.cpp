#include "platform/startup/command_line.h"

#include <cstdio>
#include <string_view>

namespace forms {

bool printRequestedInformation(int argc, char** argv, const char* usage, const char* version) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg != "--help" && arg != "--version") continue;
        std::fputs(arg == "--help" ? usage : version, stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
        return true;
    }
    return false;
}

}  // namespace forms
