#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vesk {

class Host;
class LineSender;

// The remote file browser's knowledge of the server's directory tree: every directory learned
// from the server's listings, the files of the open directory and the status line. The window
// draws it; the control-message parser fills it; the player's clicks become listing requests
// here. Directory paths are the server's and are only ever sent back to it.
class FileBrowserModel {
public:
    static constexpr std::size_t directoryLimit = 1024;
    static constexpr std::size_t pathLimit = 255;
    static constexpr std::string_view idleStatus = "Current Status: Idle";

    struct Directory {
        std::string path; // ends with "/"; the root is "/"
        std::string name; // the tree item's text; the root's is "/"
        int parent = -1;
        std::vector<int> children; // in the tree's sorted order
        bool openImage = false;
        bool operator==(const Directory&) const = default;
    };

    enum class FileImage { Plain = 0, Source = 1, Header = 2 };
    struct File {
        std::string name;
        FileImage image = FileImage::Plain;
        bool operator==(const File&) const = default;
    };

    enum class FileCommand { More = 1125, Clone = 1126, Update = 1127, Edit = 1124 };

    FileBrowserModel(Host& host, LineSender& sender, std::function<bool()> connected);

    // The browser window is made on first use and then kept; before that listings are dropped.
    void ShowFileBrowser();
    bool exists() const { return exists_; }

    void OnDirTree(const std::vector<std::string_view>& tokens);
    void OnDirFiles(const std::vector<std::string_view>& tokens);
    void SetStatus(std::string_view text);

    // A tree item chosen (index into directories()): asks for its subdirectories.
    void onTreeSelection(int directory);
    // A tree item double-clicked: asks for its files and marks it as the open directory.
    void onTreeDoubleClick(int directory);
    // A file right-clicked in the list: it becomes the file the pop-up menu acts on.
    void selectFile(std::string_view name);
    // The pop-up menu item's text, e.g. "more '/d/x.c'".
    std::string menuText(FileCommand command) const;
    // The command a menu item hands to the send path, or nothing without a selected file.
    std::optional<std::string> commandText(FileCommand command) const;

    const std::vector<Directory>& directories() const { return directories_; }
    // Index of the directory with exactly this path, or -1.
    int findDirectory(std::string_view path) const;
    // The files of the open directory, newest first.
    const std::deque<File>& files() const { return files_; }
    // Counts the times the file list was emptied. Between two emptyings files are only ever
    // added at the front, so a view that remembers this and the count it showed knows exactly
    // which files are new.
    std::uint64_t filesGeneration() const { return filesGeneration_; }
    const std::string& status() const { return status_; }
    const std::string& currentDir() const { return currentDir_; }
    const std::string& selectedFile() const { return selectedFile_; }
    int openItem() const { return openItem_; }

    static FileImage imageFor(std::string_view fileName);

private:
    void Start();
    void addSubdirectory(int parent, std::string_view name);
    void insertSorted(int parent, int child);
    void clearFiles();
    bool Requestable(int directory) const;

    Host& host_;
    LineSender& sender_;
    std::function<bool()> connected_;
    bool exists_ = false;
    std::vector<Directory> directories_;
    // Each directory's index by its path, so a listing of many names costs one lookup each.
    std::unordered_map<std::string, int> directoryIndex_;
    std::deque<File> files_;
    std::uint64_t filesGeneration_ = 0;
    std::string status_;
    std::string currentDir_;
    std::string selectedFile_;
    int openItem_ = -1;
};

} // namespace vesk
