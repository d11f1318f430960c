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

// The mode the new file takes: the old file's, which the player may have narrowed (a
// "Profiles.DAT" made 0600 stays so), and for a file that holds passwords its owner's read and
// write only. A new file gets owner-only for such a file, otherwise what the umask gives.
std::optional<mode_t> modeFor(const std::filesystem::path& target, FileAccess access) {
    const mode_t ownerOnly = S_IRUSR | S_IWUSR;
    struct stat status {};
    if (::lstat(target.c_str(), &status) != 0) {
        return access == FileAccess::OwnerOnly ? std::optional<mode_t>(ownerOnly) : std::nullopt;
    }
    // A settings file is never a program: execute bits are not carried over.
    const mode_t readWrite = S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH;
    const mode_t mode = (status.st_mode & readWrite) | ownerOnly;
    return access == FileAccess::OwnerOnly ? ownerOnly : mode;
}

bool fillTemporary(int descriptor, std::string_view content, std::optional<mode_t> mode) {
    // The mode is set before any byte is written, so a password never sits in a file that
    // others may read, not even for a moment.
    if (mode && ::fchmod(descriptor, *mode) != 0) {
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
    const std::optional<mode_t> mode = modeFor(*target, access);
    std::string temporary;
    const int descriptor = createTemporary(*target, temporary);
    if (descriptor < 0) {
        return false;
    }
    const bool filled = fillTemporary(descriptor, content, mode);
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
    const std::optional<std::string> content = readFileText(path);
    for (int number = 1; number <= keptCopyLimit; ++number) {
        std::filesystem::path kept = path;
        kept += number == 1 ? ".unreadable" : ".unreadable." + std::to_string(number);
        const int descriptor = ::open(
            kept.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, S_IRUSR | S_IWUSR);
        // A copy of the very same bytes is there already (a file written by a newer client
        // each time it runs): it is the copy, and no new one piles up.
        if (descriptor < 0 && errno == EEXIST) {
            if (content && readFileText(kept) == content) {
                return kept;
            }
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
