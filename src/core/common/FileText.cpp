#include "common/FileText.h"

#include <exception>
#include <fstream>
#include <iterator>
#include <system_error>

#if defined(_WIN32)
#include <cstdio>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vesk {
namespace {

std::filesystem::path temporaryPattern(const std::filesystem::path& path) {
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    return folder / ("." + path.filename().string() + ".XXXXXX");
}

#if !defined(_WIN32)

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

// A shared file keeps the mode the player gave the old one; a new one gets the usual 0644.
mode_t modeFor(const std::filesystem::path& path, FileAccess access) {
    if (access == FileAccess::OwnerOnly) {
        return S_IRUSR | S_IWUSR;
    }
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        return existing.st_mode & 0777;
    }
    return S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH;
}

bool fillTemporary(int descriptor, std::string_view content, mode_t mode) {
    // The mode is set before any byte is written, so a password never sits in a file that
    // others may read, not even for a moment.
    return ::fchmod(descriptor, mode) == 0 && writeAll(descriptor, content) &&
           ::fsync(descriptor) == 0;
}

#endif

} // namespace

std::optional<std::string> readFileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    // A folder opens like a file here and only fails, with an exception, when read.
    try {
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

#if !defined(_WIN32)

bool replaceFileText(const std::filesystem::path& path, std::string_view content,
                     FileAccess access) {
    std::string temporary = temporaryPattern(path).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        return false;
    }
    const bool filled = fillTemporary(descriptor, content, modeFor(path, access));
    const bool closed = ::close(descriptor) == 0;
    if (filled && closed && ::rename(temporary.c_str(), path.c_str()) == 0) {
        return true;
    }
    ::unlink(temporary.c_str());
    return false;
}

#else

bool replaceFileText(const std::filesystem::path& path, std::string_view content, FileAccess) {
    std::filesystem::path temporary = temporaryPattern(path);
    temporary.replace_extension(".tmp");
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(content.data(), static_cast<std::streamsize>(content.size()));
        file.flush();
        if (!file) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code failure;
    std::filesystem::rename(temporary, path, failure);
    if (failure) {
        std::filesystem::remove(temporary, failure);
        return false;
    }
    return true;
}

#endif

} // namespace vesk
