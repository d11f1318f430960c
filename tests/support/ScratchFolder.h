#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vesk::testing {

// A fresh folder under the system's temporary folder for one test, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vesk-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    std::string read(const std::string& name) const {
        std::ifstream file(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    void write(const std::string& name, const std::string& content) const {
        std::ofstream file(path_ / name, std::ios::binary | std::ios::trunc);
        file << content;
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }
    int fileCount() const {
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(path_),
                                              std::filesystem::directory_iterator()));
    }

private:
    std::filesystem::path path_;
};

} // namespace vesk::testing
