#pragma once

#include "common/Host.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace vesk::replay {

// The world as vesk-replay presents it to the client: what would go on the wire is recorded,
// boxes become lines on stderr, questions are answered No, and nothing is played or started
// (only recorded), so a replay never touches the desktop.
class ReplayHost : public Host {
public:
    long sendToServer(std::string_view bytes) override;
    void showWarning(const std::string& text) override;
    void showMessage(const std::string& text) override;
    std::uint32_t milliseconds() override;
    void debugOutput(const std::string&) override {}
    void changed(Change) override {}
    void terminate(int status) override;
    bool askQuestion(const std::string& title, const std::string& text) override;
    std::string clipboardText() override { return clipboard_; }
    void setClipboardText(const std::string& text) override { clipboard_ = text; }
    bool playSound(const std::string& path) override;
    ProcessId startProcess(const std::string& program,
                           const std::vector<std::string>& arguments) override;
    void openUrl(const std::string&) override {}

    struct StartedProcess {
        std::string program;
        std::vector<std::string> arguments;
    };

    std::vector<std::string> sent;
    std::vector<std::string> played;
    std::vector<StartedProcess> started;

private:
    std::string clipboard_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

} // namespace vesk::replay
