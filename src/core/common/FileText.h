#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vesk {

// Whether a settings file may be read by others or only by its owner (files that hold
// passwords).
enum class FileAccess { Shared, OwnerOnly };

// The whole content of a regular file as bytes; nothing when it cannot be opened or is no
// regular file. For small files the client writes itself; settings files are read line by
// line instead.
std::optional<std::string> readFileText(const std::filesystem::path& path);

// Replaces a settings file safely: the content goes to a temporary file in the same folder,
// is flushed to the disk and then renamed over the old file, so a crash or a full disk leaves
// the old file or the new one, never half of one. False when any step failed; the old file
// is then untouched and no temporary file is left behind.
//
// - A file the player cannot open for writing (made read-only) is left as it is: false.
// - Anything there that is not a regular file (a pipe, a device) is left alone: false.
// - A link is kept: the file it leads to is replaced, in that file's own folder.
// - The mode is the old file's (a link's target's), so one the player narrowed stays narrow;
//   an OwnerOnly file never gets more than its owner's bits. A new file is owner-only when it
//   is OwnerOnly, otherwise what the player's umask gives.
bool replaceFileText(const std::filesystem::path& path, std::string_view content,
                     FileAccess access = FileAccess::Shared);

// Copies a file the client could not read as it stands to the first free name of
// "<name>.unreadable", "<name>.unreadable.2", ... beside it, readable by its owner only, before
// a save writes over it; a copy there already with the same bytes is used instead. The name
// used, or nothing when the copy could not be made whole.
std::optional<std::filesystem::path> keepCopyBeside(const std::filesystem::path& path);

} // namespace vesk
