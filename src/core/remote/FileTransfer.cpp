#include "remote/FileTransfer.h"

#include "common/Host.h"
#include "common/LineSender.h"
#include "common/TextFormat.h"
#include "remote/FileBrowserModel.h"

#include <istream>

namespace vesk {
namespace {

// Where the player chooses the online editor's program.
constexpr ExternalProgram::Texts editorTexts{
    "The editor \"%s\" could not be started.\n\nChoose another editor under Coding > "
    "Preferences (Vesk Code Editing Preferences).",
    "No editor is set.\n\nChoose one under Coding > Preferences (Vesk Code Editing "
    "Preferences)."};

constexpr std::string_view receivingStatus = "Current Status: Receiving file..";
constexpr std::string_view sendingStatus = "Current Status: Sending file..";

// One line of the edit file as the upload sends it: at most the piece limit, its line feed kept.
// A carriage return right before a line feed is read as part of the line break, the way editors
// that end lines with both write them, so such a file uploads like one written with line feeds.
bool ReadUploadLine(std::streambuf& input, std::string& line) {
    line.clear();
    while (line.size() < FileTransfer::uploadLineLimit) {
        const int byte = input.sbumpc();
        if (byte == std::char_traits<char>::eof()) {
            break;
        }
        if (byte == '\r' && input.sgetc() == '\n') {
            continue;
        }
        line.push_back(static_cast<char>(byte));
        if (byte == '\n') {
            break;
        }
    }
    return !line.empty();
}

} // namespace

FileTransfer::FileTransfer(Host& host, LineSender& sender, std::filesystem::path workingDirectory,
                           Environment environment)
    : host_(host), sender_(sender), workingDirectory_(std::move(workingDirectory)),
      environment_(std::move(environment)), editorProgram_(host, editorTexts) {}

FileTransfer::~FileTransfer() = default;

std::string FileTransfer::editFileName() const {
    const bool development = environment_.developmentPort && environment_.developmentPort();
    return development ? "TheCode_Devel.c" : "TheCode.c";
}

std::string FileTransfer::infoFileName() const {
    const bool development = environment_.developmentPort && environment_.developmentPort();
    return development ? "TheCode_Devel.DAT" : "TheCode.DAT";
}

std::filesystem::path FileTransfer::workingPath(const std::string& name) const {
    return workingDirectory_ / name;
}

void FileTransfer::setTitleSuffix(std::string suffix) {
    titleSuffix_ = std::move(suffix);
    host_.changed(Change::Title);
}

void FileTransfer::setBrowserStatus(std::string_view text) {
    if (browser_ != nullptr && browser_->exists()) {
        browser_->SetStatus(text);
    }
}

bool FileTransfer::writeInfoFile(std::string_view remoteName) {
    const std::string name = infoFileName();
    std::ofstream info(workingPath(name), std::ios::binary | std::ios::trunc);
    info << remoteName << '\n';
    info.close();
    if (!info) {
        host_.showWarning(formatText("Error opening '%s' for writing", name.c_str()));
        return false;
    }
    return true;
}

void FileTransfer::BeginReceive(std::string_view remoteName) {
    // A longer name could not be read back whole, and a cut name would have the server store the
    // upload under another file's name; such a transfer is refused instead.
    if (remoteName.size() > remoteNameLimit) {
        if (receiving()) {
            EndReceive();
        }
        host_.showWarning(formatText("The file name sent by the server is too long (%d characters)",
                                     static_cast<int>(remoteName.size())));
        return;
    }
    if (receiveFile_.is_open()) {
        EndReceive();
    }
    // A download begun without a line yet is simply replaced: its files would be overwritten
    // at once anyway.
    const bool alreadyShown = pendingName_.has_value();
    pendingName_ = std::string(remoteName);
    receivedLines_ = 0;
    if (!alreadyShown) {
        setTitleSuffix(" (OED: Receiving)");
        setBrowserStatus(receivingStatus);
    }
}

// Writes the info file and opens the edit file of the download begun last.
void FileTransfer::openPendingDownload() {
    if (!pendingName_) {
        return;
    }
    const std::string remoteName = std::move(*pendingName_);
    pendingName_.reset();
    if (!writeInfoFile(remoteName)) {
        setTitleSuffix("");
        return;
    }
    receiveFileName_ = editFileName();
    receiveFile_.open(workingPath(receiveFileName_), std::ios::binary | std::ios::trunc);
    if (!receiveFile_.is_open()) {
        host_.showWarning(formatText("Error opening '%s' for writing", receiveFileName_.c_str()));
        setTitleSuffix("");
    }
}

void FileTransfer::ReceiveLine(std::string_view text) {
    openPendingDownload();
    if (!receiveFile_.is_open()) {
        return;
    }
    ++receivedLines_;
    if (receivedLines_ % 10 == 0) {
        setTitleSuffix(formatText(" (OED: %d Lines Received)", receivedLines_));
    }
    receiveFile_.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void FileTransfer::EndReceive() {
    openPendingDownload();
    setTitleSuffix("");
    if (!receiveFile_.is_open()) {
        return;
    }
    receiveFile_.close();
    // The editor would otherwise open a cut file as though it had arrived whole.
    if (!receiveFile_) {
        host_.showWarning(formatText("Error writing '%s'", receiveFileName_.c_str()));
    }
    receiveFile_.clear();
    setBrowserStatus(FileBrowserModel::idleStatus);
}

// Only a download that was actually under way goes to the editor, once: a FILEEND without one
// (a hostile server can send thousands) starts nothing, and neither does one whose file is
// open in an editor that still runs.
void FileTransfer::onFileEnd() {
    openPendingDownload();
    const bool downloaded = receiveFile_.is_open();
    EndReceive();
    if (downloaded) {
        startEditor(ExternalProgram::Origin::Server);
    }
}

void FileTransfer::RunEditor() {
    startEditor(ExternalProgram::Origin::Player);
}

void FileTransfer::startEditor(ExternalProgram::Origin origin) {
    const std::string program = environment_.editor ? environment_.editor() : std::string();
    editorProgram_.start(program, workingPath(editFileName()).string(), origin);
}

// A download begun but not yet written has not replaced the info file yet, so the name read
// back is the one it names.
std::optional<std::string> FileTransfer::remoteName() const {
    if (pendingName_) {
        return *pendingName_;
    }
    std::ifstream info(workingPath(infoFileName()), std::ios::binary);
    std::string line;
    if (!info || !std::getline(info, line)) {
        return std::nullopt;
    }
    if (line.size() > remoteNameLimit) {
        return std::nullopt;
    }
    return line;
}

std::string FileTransfer::currentlyEditingText() const {
    const std::optional<std::string> name = remoteName();
    return "Currently Editing: " + (name ? *name : std::string("N/A"));
}

void FileTransfer::SendFileName() {
    const std::optional<std::string> name = remoteName();
    sender_.DoSend(name ? "@" + *name : std::string(noFile));
}

std::string FileTransfer::EncodeEditText(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    std::string encoded = "@";
    encoded.reserve(text.size() * 2 + 1);
    for (const char byte : text) {
        if (byte == '\n' || byte == '\r') {
            encoded.append("$^");
        } else {
            encoded.push_back(byte);
        }
    }
    return encoded;
}

// Short lines travel together; a line that would push the batch to the limit is sent on its own
// right after the batch before it (an empty batch too, as the server has always received it).
int FileTransfer::uploadLines(std::istream& input) {
    std::string batch;
    std::string line;
    int count = 0;
    while (ReadUploadLine(*input.rdbuf(), line)) {
        ++count;
        if (batch.size() + line.size() >= batchLimit) {
            sender_.DoSend(EncodeEditText(batch));
            batch.clear();
            sender_.DoSend(EncodeEditText(line));
        } else {
            batch.append(line);
        }
    }
    if (!batch.empty()) {
        sender_.DoSend(EncodeEditText(batch));
    }
    return count;
}

void FileTransfer::SendEditFile() {
    if (!environment_.connected || !environment_.connected()) {
        return;
    }
    setBrowserStatus(sendingStatus);
    // A download still being written is uploaded as far as it has arrived, whatever part of
    // it still sat in the stream's buffer.
    openPendingDownload();
    if (receiveFile_.is_open()) {
        receiveFile_.flush();
    }
    const std::string name = editFileName();
    std::ifstream input(workingPath(name), std::ios::binary);
    if (!input.is_open()) {
        host_.showWarning(formatText("Unable to open '%s' for reading", name.c_str()));
        setBrowserStatus(FileBrowserModel::idleStatus);
        return;
    }
    sentLines_ = -1;
    setTitleSuffix(" (OED: Sending)");
    sentLines_ = uploadLines(input);
    sender_.DoSend(finishMarker);
    setBrowserStatus(FileBrowserModel::idleStatus);
}

void FileTransfer::ShowSendProgress(int acknowledged) {
    if (acknowledged == -1) {
        sentLines_ = -1;
        setTitleSuffix("");
    } else if (sentLines_ == -1) {
        setTitleSuffix(formatText(" (OED: %d lines sent)", acknowledged));
    } else {
        setTitleSuffix(formatText(" (OED: %d of %d lines sent)", acknowledged, sentLines_));
    }
}

} // namespace vesk
