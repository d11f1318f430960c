#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// A character's command history between sessions: "History_<Name>.txt" in the data folder,
// one command a line, oldest first, the last 500 only. It is written like the settings files
// (a temporary file renamed over the old one) and readable by its owner alone, since a
// command typed by mistake may hold a secret. Lines typed while the server's echo was off
// (a password) never reach the history, so they never reach this file.
class HistoryFile {
public:
    static constexpr std::size_t limit = 500;

    // The file of a character (the name cleaned for a file name); nothing for no name.
    static std::filesystem::path pathFor(const std::filesystem::path& folder,
                                         std::string_view characterName);
    // The stored commands, at most the last `limit`; none when there is no such file.
    static std::vector<std::string> read(const std::filesystem::path& path);
    // Stores the last `limit` commands. A command holding a line break is stored up to it.
    static bool write(const std::filesystem::path& path, const std::vector<std::string>& entries);
};

} // namespace vesk
