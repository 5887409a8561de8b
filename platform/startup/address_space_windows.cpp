#include <windows.h>

#include "platform/startup/address_space.h"

namespace forms {

namespace {

constexpr std::size_t kMiB = 1024 * 1024;

// The stacks of the threads Qt starts at once (1 MiB each, as the program's header asks), the
// platform plugin with its libraries, the fonts and the first window, and a margin.
constexpr std::size_t kRoomToStart = 2 * kMiB + 24 * kMiB;

}  // namespace

std::size_t missingRoomToStart() {
    // A job's memory limit counts committed memory; committed and untouched, it costs none.
    void* block = ::VirtualAlloc(nullptr, kRoomToStart, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (!block) return kRoomToStart;
    ::VirtualFree(block, 0, MEM_RELEASE);
    return 0;
}

}  // namespace forms
