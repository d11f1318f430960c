#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace vesk {

// How a settings file fared when it was read, which decides what a later save may do with it.
enum class FileRead {
    // Not there: the defaults stay and a save creates it.
    Missing,
    // Not a regular file (a pipe, a device, a folder, or a link to one): nothing was read,
    // and a save leaves it alone.
    Refused,
    // There, but it does not open for reading: nothing was read, and a save keeps a copy
    // before writing over it (which it cannot make of a file it cannot read, so it does not
    // write over it at all).
    Unopenable,
    // Read, and everything in it was understood: a save may write over it.
    Intact,
    // Read, but part of it was not understood: a save keeps the old file beside itself before
    // writing over it.
    NotAsItStands,
};

// A settings file opened for reading. Links are followed, but only a regular file is opened:
// a pipe would block start-up waiting for a writer and a device such as /dev/zero never ends,
// so both are refused before a byte is read.
class ReadableFile {
public:
    explicit ReadableFile(const std::filesystem::path& path);
    ~ReadableFile();
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;

    // Missing, Refused, Unopenable or Intact (it is open).
    FileRead state() const { return state_; }
    bool isOpen() const { return descriptor_ >= 0; }
    int descriptor() const { return descriptor_; }

    // Up to `count` bytes from the start, so a large file is never read for a short record.
    std::string readPrefix(std::size_t count);

private:
    int descriptor_ = -1;
    FileRead state_ = FileRead::Missing;
};

} // namespace vesk
