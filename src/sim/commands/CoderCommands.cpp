#include "commands/CoderCommands.h"

#include "base/TextWords.h"
#include "commands/CommandContext.h"
#include "wire/ControlWriter.h"
#include "wire/TelnetWriter.h"
#include "world/FileTree.h"

namespace vesk::sim {

bool CoderCommands::handle(const CommandLine& command) {
    if (!session.character().account.coder) {
        return false;
    }
    if (takeUploadLine(command)) {
        return true;
    }
    const auto word = command.words.front();
    const auto argument = textAfterWords(command.text, 1);
    if (word == "oed") {
        edit(argument);
    } else if (word == "osave") {
        save();
    } else if (word == "ofile") {
        listing(command);
    } else if (word == "more") {
        more(argument);
    } else if (word == "clone") {
        clone(argument);
    } else if (word == "update") {
        update(argument);
    } else {
        return false;
    }
    return true;
}

bool CoderCommands::takeUploadLine(const CommandLine& command) {
    const bool answer = command.text.starts_with('@') || command.text == "NO_FILE";
    if (upload == Upload::AwaitingName && answer) {
        takeUploadName(command.text);
        return true;
    }
    if (upload == Upload::Receiving && command.text.starts_with('@')) {
        takeBatch(command.text);
        return true;
    }
    return false;
}

void CoderCommands::takeUploadName(std::string_view line) {
    upload = Upload::Idle;
    const auto path = line == "NO_FILE" ? std::nullopt : FileTree::filePath(line.substr(1));
    if (!path) {
        session.text().line("osave: your editor has no file to send.");
        return;
    }
    uploadPath = *path;
    receiver.emplace();
    upload = Upload::Receiving;
    session.log("uploads " + uploadPath);
    session.control().send("SENDFILE");
}

void CoderCommands::takeBatch(std::string_view line) {
    if (receiver->takeLine(line) == UploadReceiver::Outcome::Batch) {
        session.control().send("SENDLINE", std::to_string(receiver->linesReceived()));
        return;
    }
    const auto count = receiver->linesReceived();
    const bool saved = session.files().write(uploadPath, receiver->lines());
    session.control().send("SENDLINE", "DONE");
    if (saved) {
        session.text().line("Saved " + uploadPath + " (" + std::to_string(count) + " lines).");
        session.log("saved " + uploadPath + " with " + std::to_string(count) + " lines");
    } else {
        session.text().line("osave: the source tree is full; " + uploadPath + " was not saved.");
    }
    receiver.reset();
    upload = Upload::Idle;
}

void CoderCommands::edit(std::string_view typedPath) {
    std::string path;
    const auto* lines = fileOrComplain("oed", typedPath, path);
    if (!lines) {
        return;
    }
    auto& control = session.control();
    auto& text = session.text();
    const auto half = lines->size() / 2;
    control.send("FILEBEGIN", path);
    control.send("FILECONTINUE");
    for (std::size_t index = 0; index < lines->size(); ++index) {
        if (index == half) {
            // A pause mid-file: the lines in between are shown, not written to the file.
            control.send("FILEPAUSE");
            text.line("oed: still sending " + path + " ...");
            control.send("FILECONTINUE");
        }
        text.line((*lines)[index]);
    }
    control.send("FILEEND");
    text.line("oed: sent " + path + " (" + std::to_string(lines->size()) +
              " lines). Type 'osave' to send it back.");
}

void CoderCommands::save() {
    upload = Upload::AwaitingName;
    session.control().send("SENDFILENAME");
}

void CoderCommands::listing(const CommandLine& command) {
    const auto kind = command.words.size() > 1 ? command.words[1] : std::string_view{};
    const auto typed = textAfterWords(command.text, 2);
    const auto path = FileTree::directoryPath(typed);
    auto& files = session.files();
    if (kind != "dir" && kind != "files") {
        session.text().line("Usage: ofile dir <path> | ofile files <path>");
    } else if (!path || !files.hasDirectory(*path)) {
        session.text().line("ofile: no such directory: " + std::string(typed));
    } else if (kind == "dir") {
        session.control().listing("DIRTREE", *path, files.subdirectories(*path));
    } else {
        session.control().listing("DIRFILES", *path, files.files(*path));
    }
}

void CoderCommands::more(std::string_view typedPath) {
    std::string path;
    if (const auto* lines = fileOrComplain("more", typedPath, path)) {
        session.text().line(TelnetWriter::coloured(AnsiColour::Cyan, "--- " + path + " ---"));
        for (const auto& line : *lines) {
            session.text().line(line);
        }
        session.text().line(
            TelnetWriter::coloured(AnsiColour::Cyan, "--- end of " + path + " ---"));
    }
}

void CoderCommands::clone(std::string_view typedPath) {
    std::string path;
    if (fileOrComplain("clone", typedPath, path)) {
        const auto name = path.substr(path.rfind('/') + 1);
        session.text().line("You clone " + path + ": " + name + " shimmers into being.");
    }
}

void CoderCommands::update(std::string_view typedPath) {
    std::string path;
    if (const auto* lines = fileOrComplain("update", typedPath, path)) {
        session.text().line("Updated " + path + ": " + std::to_string(lines->size()) +
                            " lines compiled, no errors.");
    }
}

const std::vector<std::string>* CoderCommands::fileOrComplain(std::string_view command,
                                                              std::string_view typedPath,
                                                              std::string& path) {
    const auto checked = typedPath.empty() ? std::nullopt : FileTree::filePath(typedPath);
    const auto* lines = checked ? session.files().read(*checked) : nullptr;
    if (!lines) {
        session.text().line(std::string(command) + ": no such file: " + std::string(typedPath));
        return nullptr;
    }
    path = *checked;
    return lines;
}

} // namespace vesk::sim
