#include "platform/startup/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace forms {

namespace {

bool isClosed(int fd) {
    return ::fcntl(fd, F_GETFD) < 0 && errno == EBADF;
}

// Opens /dev/null as `fd`, which is closed. Lower numbers are open already, so the open takes
// this one.
bool openNullAs(int fd) {
    const int opened = ::open("/dev/null", O_RDWR | O_NOCTTY);
    if (opened == fd) return true;
    if (opened < 0) return false;
    const bool moved = ::dup2(opened, fd) == fd;
    ::close(opened);
    return moved;
}

}  // namespace

bool makeStandardStreamsSafe() {
    std::signal(SIGPIPE, SIG_IGN);
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd)
        if (isClosed(fd) && !openNullAs(fd)) return false;
    return true;
}

}  // namespace forms
