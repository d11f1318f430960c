#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::sim {

// The game's source tree as coders see it through "ofile", "oed", "more", "clone" and
// "update": a few directories of .c, .h and other files, held in memory. Uploads replace a
// file's lines for the rest of the run. Directory paths end with "/", file paths do not.
class FileTree {
public:
    FileTree();

    // "/d/town" and "d/town/" both give "/d/town/"; nothing for a path with "." or ".." parts.
    static std::optional<std::string> directoryPath(std::string_view typed);
    static std::optional<std::string> filePath(std::string_view typed);

    bool hasDirectory(std::string_view path) const;
    std::vector<std::string> subdirectories(std::string_view directory) const;
    std::vector<std::string> files(std::string_view directory) const;
    const std::vector<std::string>* read(std::string_view path) const;
    static constexpr std::size_t maxFiles = 500;
    // False when the path is new and the tree already holds maxFiles files.
    bool write(const std::string& path, std::vector<std::string> lines);

private:
    void addDirectoriesOf(const std::string& path);

    std::map<std::string, std::vector<std::string>, std::less<>> contents;
    std::set<std::string, std::less<>> directories;
};

} // namespace vesk::sim
