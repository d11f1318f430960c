#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace vesk::testing {

// A fresh, empty working directory for one test, removed afterwards.
class ScratchDirectory {
public:
    ScratchDirectory() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("vesk-remote-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

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
