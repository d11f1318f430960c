#pragma once

#include "commands/CommandGroup.h"
#include "wire/UploadReceiver.h"

#include <optional>
#include <string>

namespace vesk::sim {

class CommandContext;

// What a coder can do to the game's source tree: "oed <file>" pushes a file to the client's
// editor (FILEBEGIN, FILECONTINUE, the lines with a FILEPAUSE in the middle, FILEEND); "osave"
// asks for it back (SENDFILENAME, SENDFILE), takes the client's batches and acknowledges them
// with SENDLINE n and SENDLINE DONE; "ofile dir|files <path>" feeds the file browser; "more",
// "clone" and "update" answer the browser's pop-up menu. Players get none of this.
class CoderCommands : public CommandGroup {
public:
    explicit CoderCommands(CommandContext& session) : session(session) {}
    bool handle(const CommandLine& command) override;

private:
    enum class Upload { Idle, AwaitingName, Receiving };

    bool takeUploadLine(const CommandLine& command);
    void takeUploadName(std::string_view line);
    void takeBatch(std::string_view line);
    void edit(std::string_view typedPath);
    void save();
    void listing(const CommandLine& command);
    void more(std::string_view typedPath);
    void clone(std::string_view typedPath);
    void update(std::string_view typedPath);
    const std::vector<std::string>* fileOrComplain(std::string_view command,
                                                   std::string_view typedPath, std::string& path);

    CommandContext& session;
    Upload upload = Upload::Idle;
    std::string uploadPath;
    std::optional<UploadReceiver> receiver;
};

} // namespace vesk::sim
