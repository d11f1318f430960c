#include "Replay.h"

#include "Snapshot.h"
#include "app/Client.h"
#include "input/InputLine.h"
#include "input/InputText.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <stdlib.h>

namespace vesk::replay {
namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "vesk-replay: %s\n", message.c_str());
    return 2;
}

// Read straight into a string of the file's size: a 50 MB capture is copied once, not through
// a growing stream buffer and then again.
std::optional<std::string> readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        return std::nullopt;
    }
    const std::streamoff size = file.tellg();
    if (size < 0) {
        // A pipe has no size: it is read to its end.
        file.clear();
        std::ostringstream content;
        content << file.rdbuf();
        return file.bad() ? std::nullopt : std::optional<std::string>(content.str());
    }
    std::string content(static_cast<std::size_t>(size), '\0');
    file.seekg(0);
    file.read(content.data(), size);
    if (file.gcount() != size) {
        return std::nullopt;
    }
    return content;
}

// A new private folder for a run without --dir, removed again when the run ends however it
// ends, so runs leave nothing behind in the temporary folder.
class TemporaryDirectory {
public:
    TemporaryDirectory() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vesk-replay-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~TemporaryDirectory() {
        if (!path_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(path_, ignored);
        }
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The reads of one run of consecutive captures: each whole, or their concatenation cut into
// equal pieces. The pieces are views into the captures, so a large capture is not copied again.
template <typename Receive>
void forEachRead(const std::vector<std::string>& captures, std::size_t chunkSize,
                 const Receive& receive) {
    if (chunkSize == 0) {
        for (const auto& capture : captures) {
            receive(std::string_view(capture));
        }
        return;
    }
    std::string joined;
    if (captures.size() > 1) {
        for (const auto& capture : captures) {
            joined += capture;
        }
    }
    const std::string_view all =
        captures.size() == 1 ? std::string_view(captures.front()) : std::string_view(joined);
    for (std::size_t position = 0; position < all.size(); position += chunkSize) {
        receive(all.substr(position, chunkSize));
    }
}

struct Counts {
    std::size_t chunks = 0;
    std::size_t bytes = 0;
};

class ReplayRun {
public:
    ReplayRun(const ReplayOptions& options, const std::filesystem::path& directory)
        : options_(options), client_(host_, directory),
          input_(client_.commandSender(), client_.preferences(), editor_, host_) {}

    int run() {
        client_.startUp();
        if (auto status = connect(); status != 0) {
            return status;
        }
        if (auto status = playSteps(); status != 0) {
            return status;
        }
        if (options_.save) {
            client_.saveSettings();
        }
        print();
        return 0;
    }

private:
    int connect() {
        if (options_.character) {
            const int slot = client_.preferences().characters.findByName(*options_.character);
            if (slot < 0) {
                return fail("no stored character named '" + *options_.character + "'");
            }
            client_.connectWithCharacter(slot);
        }
        const char* site = options_.port == "3333" ? "FenmarchDevel" : "FenmarchMUD";
        if (!client_.ConnectToSite("localhost", options_.port, site)) {
            return fail("cannot connect to port '" + options_.port + "'");
        }
        client_.onConnecting();
        client_.onConnected();
        return 0;
    }

    int playSteps() {
        std::vector<std::string> captures;
        for (const auto& step : options_.steps) {
            if (step.kind != ReplayStep::Kind::Capture) {
                feed(captures);
                if (auto status = act(step); status != 0) {
                    return status;
                }
                continue;
            }
            auto content = readFile(step.value);
            if (!content) {
                return fail("cannot read '" + step.value + "'");
            }
            counts_.bytes += content->size();
            captures.push_back(std::move(*content));
        }
        feed(captures);
        return 0;
    }

    void feed(std::vector<std::string>& captures) {
        forEachRead(captures, options_.chunkSize, [this](std::string_view read) {
            client_.onReceived(read);
            ++counts_.chunks;
        });
        captures.clear();
    }

    // A typed line as if Enter was pressed in the input line, or a macro key pressed.
    int act(const ReplayStep& step) {
        if (step.kind == ReplayStep::Kind::Type) {
            editor_.setText(step.value);
            input_.SubmitInputLine();
            return 0;
        }
        if (!input_.pressKey(step.value)) {
            return fail("no macro key named '" + step.value + "'");
        }
        return 0;
    }

    void print() {
        if (options_.summary) {
            std::printf("{\"chunks\":%zu,\"bytes\":%zu,\"lines\":%d,\"sent\":%zu}\n",
                        counts_.chunks, counts_.bytes, client_.mainBuffer().LineCount(),
                        host_.sent.size());
            return;
        }
        std::cout << snapshotJson(client_, host_) << '\n';
    }

    const ReplayOptions& options_;
    ReplayHost host_;
    Client client_;
    InputText editor_;
    InputLine input_;
    Counts counts_;
};

} // namespace

int runReplay(const ReplayOptions& options) {
    // Every capture must be readable before anything runs, so bad input changes nothing.
    for (const auto& step : options.steps) {
        if (step.kind == ReplayStep::Kind::Capture &&
            !std::ifstream(step.value, std::ios::binary)) {
            return fail("cannot read '" + step.value + "'");
        }
    }
    std::optional<TemporaryDirectory> temporary;
    if (options.directory.empty()) {
        temporary.emplace();
    }
    const std::filesystem::path directory =
        temporary ? temporary->path() : std::filesystem::path(options.directory);
    if (directory.empty() || !std::filesystem::is_directory(directory)) {
        return fail("'" + directory.string() + "' is not a directory");
    }
    ReplayRun run(options, directory);
    return run.run();
}

} // namespace vesk::replay
