#include "platform/startup/address_space.h"

#include <pthread.h>
#include <sys/mman.h>

namespace forms {

namespace {

constexpr std::size_t kMiB = 1024 * 1024;

// Qt's X11 event reader and its message-bus connection.
constexpr std::size_t kThreadsAtStart = 2;

// The window-system plugin with its libraries, the fonts and the first window take about
// 10 MiB of address space beyond the threads' stacks; the rest is margin.
constexpr std::size_t kLibrariesAndFirstWindow = 24 * kMiB;

// What a new thread reserves for its stack unless told otherwise: glibc takes the stack
// limit (ulimit -s), often 8 MiB.
std::size_t threadStackSize() {
    std::size_t size = 8 * kMiB;
    pthread_attr_t defaults;
    if (pthread_getattr_default_np(&defaults) == 0) {
        std::size_t stated = 0;
        if (pthread_attr_getstacksize(&defaults, &stated) == 0 && stated > 0) size = stated;
        pthread_attr_destroy(&defaults);
    }
    return size;
}

}  // namespace

std::size_t missingRoomToStart() {
    const std::size_t room = kThreadsAtStart * threadStackSize() + kLibrariesAndFirstWindow;
    // Writable private memory counts against both limits; untouched, it costs no memory.
    void* block = ::mmap(nullptr, room, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (block == MAP_FAILED) return room;
    ::munmap(block, room);
    return 0;
}

}  // namespace forms
