#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vesk {

// Whether a replaced file may be read by others or only by its owner (files that hold
// passwords).
enum class FileAccess { Shared, OwnerOnly };

// The whole content of a file as bytes; nothing when it cannot be opened.
std::optional<std::string> readFileText(const std::filesystem::path& path);

// Replaces a settings file safely: the content goes to a temporary file in the same folder,
// is flushed to the disk and then renamed over the old file, so a crash or a full disk leaves
// the old file or the new one, never half of one. False when any step failed; the old file
// is then untouched and no temporary file is left behind. An OwnerOnly file is created
// readable and writable by its owner only on every save, whatever its mode was before.
bool replaceFileText(const std::filesystem::path& path, std::string_view content,
                     FileAccess access = FileAccess::Shared);

} // namespace vesk
