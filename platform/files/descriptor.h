#pragma once

#include <unistd.h>

#include <QByteArray>
#include <utility>

namespace forms {

// A file descriptor that closes itself.
class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }

  private:
    int fd_;
};

// openat(2) of a path of any length: beyond the system's limit, the directories on the way
// are opened one at a time. errno tells why it failed.
Descriptor openPath(const QByteArray& path, int flags);

// Whether two paths (of any length) name one file.
bool isSameFile(const QByteArray& a, const QByteArray& b);

}  // namespace forms
