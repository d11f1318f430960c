#include "remote/FileBrowserModel.h"

#include "common/Host.h"
#include "common/LineSender.h"

#include <algorithm>
#include <cctype>

namespace vesk {
namespace {

int CompareIgnoringCase(std::string_view left, std::string_view right) {
    const std::size_t common = std::min(left.size(), right.size());
    for (std::size_t index = 0; index < common; ++index) {
        const int a = std::tolower(static_cast<unsigned char>(left[index]));
        const int b = std::tolower(static_cast<unsigned char>(right[index]));
        if (a != b) {
            return a < b ? -1 : 1;
        }
    }
    return left.size() == right.size() ? 0 : (left.size() < right.size() ? -1 : 1);
}

// The tree lists siblings alphabetically without regard to letter case; names that differ only in
// case keep a fixed byte order between them.
bool SortsBefore(std::string_view left, std::string_view right) {
    const int order = CompareIgnoringCase(left, right);
    return order < 0 || (order == 0 && left < right);
}

std::string_view commandWord(FileBrowserModel::FileCommand command) {
    switch (command) {
    case FileBrowserModel::FileCommand::More:
        return "more";
    case FileBrowserModel::FileCommand::Clone:
        return "clone";
    case FileBrowserModel::FileCommand::Update:
        return "update";
    case FileBrowserModel::FileCommand::Edit:
        break;
    }
    return "oed";
}

} // namespace

FileBrowserModel::FileBrowserModel(Host& host, LineSender& sender, std::function<bool()> connected)
    : host_(host), sender_(sender), connected_(std::move(connected)) {}

void FileBrowserModel::ShowFileBrowser() {
    if (!exists_) {
        Start();
        exists_ = true;
    }
    host_.changed(Change::FileBrowser);
}

void FileBrowserModel::Start() {
    directories_.assign(1, Directory{"/", "/", -1, {}, false});
    directoryIndex_ = {{"/", 0}};
    clearFiles();
    currentDir_.clear();
    selectedFile_.clear();
    openItem_ = -1;
    status_ = idleStatus;
}

void FileBrowserModel::SetStatus(std::string_view text) {
    status_ = text;
    host_.changed(Change::FileBrowser);
}

int FileBrowserModel::findDirectory(std::string_view path) const {
    const auto found = directoryIndex_.find(std::string(path));
    return found == directoryIndex_.end() ? -1 : found->second;
}

void FileBrowserModel::clearFiles() {
    files_.clear();
    ++filesGeneration_;
}

void FileBrowserModel::insertSorted(int parent, int child) {
    std::vector<int>& siblings = directories_[static_cast<std::size_t>(parent)].children;
    const std::string& name = directories_[static_cast<std::size_t>(child)].name;
    const auto position = std::find_if(siblings.begin(), siblings.end(), [&](int sibling) {
        return SortsBefore(name, directories_[static_cast<std::size_t>(sibling)].name);
    });
    siblings.insert(position, child);
}

// The table keeps its two limits: a directory that would not fit is left out and traced, so the
// rest of the listing still arrives.
void FileBrowserModel::addSubdirectory(int parent, std::string_view name) {
    std::string path = directories_[static_cast<std::size_t>(parent)].path;
    path.append(name).push_back('/');
    if (findDirectory(path) >= 0) {
        return;
    }
    if (path.size() > pathLimit || directories_.size() >= directoryLimit) {
        host_.debugOutput("File browser left out a directory beyond its limits, " + path);
        return;
    }
    directoryIndex_.emplace(path, static_cast<int>(directories_.size()));
    directories_.push_back(Directory{std::move(path), std::string(name), parent, {}, false});
    insertSorted(parent, static_cast<int>(directories_.size()) - 1);
}

void FileBrowserModel::OnDirTree(const std::vector<std::string_view>& tokens) {
    if (!exists_) {
        return;
    }
    SetStatus("Current Status: Receiving subdirs..");
    const int parent = tokens.empty() ? -1 : findDirectory(tokens.front());
    if (parent < 0) {
        return;
    }
    for (std::size_t index = 1; index < tokens.size(); ++index) {
        addSubdirectory(parent, tokens[index]);
    }
    SetStatus(idleStatus);
}

FileBrowserModel::FileImage FileBrowserModel::imageFor(std::string_view fileName) {
    if (fileName.ends_with(".h")) {
        return FileImage::Header;
    }
    return fileName.ends_with(".c") ? FileImage::Source : FileImage::Plain;
}

void FileBrowserModel::OnDirFiles(const std::vector<std::string_view>& tokens) {
    const int directory = !exists_ || tokens.empty() ? -1 : findDirectory(tokens.front());
    if (directory < 0) {
        return;
    }
    directories_[static_cast<std::size_t>(directory)].openImage = true;
    // Several listings of one directory add up; a listing of another one starts the list afresh.
    if (tokens.front() != currentDir_) {
        clearFiles();
        currentDir_ = tokens.front();
    }
    SetStatus("Current Status: Receiving directory contents..");
    for (std::size_t index = 1; index < tokens.size(); ++index) {
        files_.push_front(File{std::string(tokens[index]), imageFor(tokens[index])});
    }
    SetStatus(idleStatus);
}

bool FileBrowserModel::Requestable(int directory) const {
    return connected_ && connected_() && directory >= 0 &&
           directory < static_cast<int>(directories_.size());
}

void FileBrowserModel::onTreeSelection(int directory) {
    if (!Requestable(directory)) {
        return;
    }
    const std::string& path = directories_[static_cast<std::size_t>(directory)].path;
    SetStatus("Current Status: Requesting subdirs of " + path);
    sender_.DoSend("ofile dir " + path);
}

void FileBrowserModel::onTreeDoubleClick(int directory) {
    if (!Requestable(directory)) {
        return;
    }
    const std::string& path = directories_[static_cast<std::size_t>(directory)].path;
    clearFiles();
    SetStatus("Current Status: Requesting contents of " + path);
    sender_.DoSend("ofile files " + path);
    directories_[static_cast<std::size_t>(directory)].openImage = true;
    // The previous open directory closes after this one opens, so opening the same one twice
    // leaves it showing the closed image.
    if (openItem_ >= 0) {
        directories_[static_cast<std::size_t>(openItem_)].openImage = false;
    }
    openItem_ = directory;
}

void FileBrowserModel::selectFile(std::string_view name) {
    selectedFile_ = currentDir_;
    selectedFile_.append(name);
    host_.changed(Change::FileBrowser);
}

std::string FileBrowserModel::menuText(FileCommand command) const {
    const std::string_view word = command == FileCommand::Edit ? "OED" : commandWord(command);
    return std::string(word) + " '" + selectedFile_ + "'";
}

std::optional<std::string> FileBrowserModel::commandText(FileCommand command) const {
    if (selectedFile_.empty()) {
        return std::nullopt;
    }
    return std::string(commandWord(command)) + " " + selectedFile_;
}

} // namespace vesk
