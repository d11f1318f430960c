#include "common/ReadableFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vesk {

ReadableFile::ReadableFile(const std::filesystem::path& path) {
    // Opening without waiting: a pipe with no writer would otherwise hold the open forever.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        state_ = errno == ENOENT ? FileRead::Missing : FileRead::Unopenable;
        // A folder cannot be opened for reading as a file, and is no settings file either.
        struct stat status {};
        if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
            state_ = FileRead::Refused;
        }
        return;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        state_ = FileRead::Refused;
        return;
    }
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags >= 0) {
        ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK);
    }
    descriptor_ = descriptor;
    state_ = FileRead::Intact;
}

ReadableFile::~ReadableFile() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

std::string ReadableFile::readPrefix(std::size_t count) {
    std::string bytes(count, '\0');
    std::size_t filled = 0;
    while (descriptor_ >= 0 && filled < count) {
        const ssize_t got = ::read(descriptor_, bytes.data() + filled, count - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

} // namespace vesk
