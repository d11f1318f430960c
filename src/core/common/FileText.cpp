#include "common/FileText.h"

#include "common/ReadableFile.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace vesk {
namespace {

// A link chain longer than this is a loop.
constexpr int linkLimit = 40;
constexpr int temporaryAttempts = 100;
constexpr int keptCopyLimit = 100;

bool writeAll(int descriptor, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(descriptor, content.data(), content.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The file a chain of links leads to (the path itself when it is no link); nothing for a loop.
std::optional<std::filesystem::path> linkTarget(std::filesystem::path path) {
    for (int step = 0; step < linkLimit; ++step) {
        std::error_code failure;
        if (!std::filesystem::is_symlink(path, failure)) {
            return path;
        }
        const std::filesystem::path next = std::filesystem::read_symlink(path, failure);
        if (failure) {
            return std::nullopt;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
}

// A file already there must be a regular file the player lets us write; a missing one is
// created. A file without its owner's write bit was made read-only on purpose, and is left
// alone even by a user whom the system would let write it anyway.
bool mayReplace(const std::filesystem::path& target) {
    struct stat status {};
    if (::lstat(target.c_str(), &status) != 0) {
        return errno == ENOENT;
    }
    if (!S_ISREG(status.st_mode) || (status.st_mode & S_IWUSR) == 0) {
        return false;
    }
    const int probe = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (probe < 0) {
        return false;
    }
    ::close(probe);
    return true;
}

// A new file under a name nobody else can have picked, beside the target. The kernel applies
// the umask to the mode, as for any file a program creates.
int createTemporary(const std::filesystem::path& target, std::string& name) {
    static std::mt19937_64 random{std::random_device{}()};
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    for (int attempt = 0; attempt < temporaryAttempts; ++attempt) {
        name = (folder /
                ("." + target.filename().string() + "." + std::to_string(random() % 1000000000)))
                   .string();
        const int descriptor =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST) {
            return descriptor;
        }
    }
    return -1;
}

bool fillTemporary(int descriptor, std::string_view content, FileAccess access) {
    // The owner-only mode is set before any byte is written, so a password never sits in a
    // file that others may read, not even for a moment.
    if (access == FileAccess::OwnerOnly && ::fchmod(descriptor, S_IRUSR | S_IWUSR) != 0) {
        return false;
    }
    return writeAll(descriptor, content) && ::fsync(descriptor) == 0;
}

bool copyAll(int from, int to) {
    std::string chunk(64 * 1024, '\0');
    for (;;) {
        const ssize_t got = ::read(from, chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got == 0;
        }
        if (!writeAll(to, std::string_view(chunk.data(), static_cast<std::size_t>(got)))) {
            return false;
        }
    }
}

} // namespace

std::optional<std::string> readFileText(const std::filesystem::path& path) {
    ReadableFile file(path);
    if (!file.isOpen()) {
        return std::nullopt;
    }
    std::string text;
    for (std::string piece; !(piece = file.readPrefix(64 * 1024)).empty();) {
        text += piece;
    }
    return text;
}

bool replaceFileText(const std::filesystem::path& path, std::string_view content,
                     FileAccess access) {
    const auto target = linkTarget(path);
    if (!target || !mayReplace(*target)) {
        return false;
    }
    std::string temporary;
    const int descriptor = createTemporary(*target, temporary);
    if (descriptor < 0) {
        return false;
    }
    const bool filled = fillTemporary(descriptor, content, access);
    const bool closed = ::close(descriptor) == 0;
    if (filled && closed && ::rename(temporary.c_str(), target->c_str()) == 0) {
        return true;
    }
    ::unlink(temporary.c_str());
    return false;
}

std::optional<std::filesystem::path> keepCopyBeside(const std::filesystem::path& path) {
    ReadableFile source(path);
    if (!source.isOpen()) {
        return std::nullopt;
    }
    for (int number = 1; number <= keptCopyLimit; ++number) {
        std::filesystem::path kept = path;
        kept += number == 1 ? ".unreadable" : ".unreadable." + std::to_string(number);
        const int descriptor = ::open(
            kept.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (descriptor < 0 && errno == EEXIST) {
            continue;
        }
        if (descriptor < 0) {
            return std::nullopt;
        }
        const bool copied = copyAll(source.descriptor(), descriptor) && ::fsync(descriptor) == 0;
        if (::close(descriptor) == 0 && copied) {
            return kept;
        }
        ::unlink(kept.c_str());
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace vesk
