#pragma once

#include "remote/ExternalProgram.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vesk {

class FileBrowserModel;
class Host;
class LineSender;

// The online editor's side of the client: a source file the server pushes is stored in a fixed
// working file and opened in the player's editor; when the server asks for it back, the working
// file is uploaded in batches of lines. The control-message parser calls the operations below;
// progress shows as a suffix of the main window's title and in the file browser's status line.
//
// The working files always have the fixed names below in the working directory: the name the
// server sends is only recorded in the info file and returned to the server, never used locally.
class FileTransfer {
public:
    // Settings read when they are needed, so a change in the options takes effect at once.
    struct Environment {
        std::function<std::string()> editor;   // the editor program setting
        std::function<bool()> developmentPort; // connected to the development port "3333"
        std::function<bool()> connected;
    };

    // The longest remote name the info file's line carries back to the server intact.
    static constexpr std::size_t remoteNameLimit = 254;
    // Longest piece of an edit-file line uploaded as one line.
    static constexpr std::size_t uploadLineLimit = 4094;
    // A batch plus the next line reaching this many bytes is sent before that line.
    static constexpr std::size_t batchLimit = 252;
    static constexpr std::string_view finishMarker = "@##VESK_FINISHFILE";
    static constexpr std::string_view noFile = "NO_FILE";

    FileTransfer(Host& host, LineSender& sender, std::filesystem::path workingDirectory,
                 Environment environment);
    ~FileTransfer();
    FileTransfer(const FileTransfer&) = delete;
    FileTransfer& operator=(const FileTransfer&) = delete;

    // The file browser, while its window exists, shows the transfer's status too.
    void setBrowser(FileBrowserModel* browser) { browser_ = browser; }

    // FILEBEGIN: records the remote name; the info file is written and the edit file opened
    // afresh when the first line (or the end) arrives, so a flood of FILEBEGIN lines costs no
    // disk work per line. On disk the result is the same: only the last download's files
    // survive a new FILEBEGIN.
    void BeginReceive(std::string_view remoteName);
    // A captured line with its own line feed.
    void ReceiveLine(std::string_view text);
    void EndReceive();
    // FILEEND: the download is complete and goes to the editor, unless the editor started on
    // it before still runs.
    void onFileEnd();
    // "&Open Editor": the player's own command starts the editor whatever runs already.
    void RunEditor();
    // SENDFILENAME: tells the server which file the upload belongs to.
    void SendFileName();
    // SENDFILE: uploads the edit file.
    void SendEditFile();
    // SENDLINE: the server acknowledged line n; -1 when it is done.
    void ShowSendProgress(int acknowledged);

    // "@" and the text with every line break made "$^"; the empty text stays empty.
    static std::string EncodeEditText(std::string_view text);

    std::string editFileName() const;
    std::string infoFileName() const;
    // The remote name in the info file, if there is a usable one.
    std::optional<std::string> remoteName() const;
    // The code-editing options' label: "Currently Editing: %s" or "Currently Editing: N/A".
    std::string currentlyEditingText() const;

    const std::string& titleSuffix() const { return titleSuffix_; }
    int sentLines() const { return sentLines_; }
    int receivedLines() const { return receivedLines_; }
    bool receiving() const { return receiveFile_.is_open() || pendingName_.has_value(); }

private:
    std::filesystem::path workingPath(const std::string& name) const;
    void setTitleSuffix(std::string suffix);
    void setBrowserStatus(std::string_view text);
    bool writeInfoFile(std::string_view remoteName);
    void openPendingDownload();
    int uploadLines(std::istream& input);
    void startEditor(ExternalProgram::Origin origin);

    Host& host_;
    LineSender& sender_;
    std::filesystem::path workingDirectory_;
    Environment environment_;
    ExternalProgram editorProgram_;
    FileBrowserModel* browser_ = nullptr;
    // A download begun whose files are not written yet.
    std::optional<std::string> pendingName_;
    std::ofstream receiveFile_;
    std::string receiveFileName_;
    int receivedLines_ = 0;
    int sentLines_ = -1;
    std::string titleSuffix_;
};

} // namespace vesk
