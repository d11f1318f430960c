#pragma once

#include "common/Host.h"

#include <cstdint>
#include <deque>
#include <set>
#include <string>
#include <vector>

namespace vesk::testing {

// A Host that records everything the core does to the outside world and plays back scripted
// answers. Tests read the public vectors directly.
class FakeHost : public Host {
public:
    long sendToServer(std::string_view bytes) override;
    void showWarning(const std::string& text) override { warnings.push_back(text); }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void showTitledMessage(const std::string& title, const std::string& text) override {
        messages.push_back(title + "|" + text);
    }
    std::uint32_t milliseconds() override { return clock; }
    void debugOutput(const std::string& text) override { traces.push_back(text); }
    void changed(Change what) override { changes.push_back(what); }
    void settingChanged(SettingKey setting) override { settingChanges.push_back(setting); }
    void terminate(int status) override { terminations.push_back(status); }
    bool askQuestion(const std::string& title, const std::string& text) override;
    std::string clipboardText() override { return clipboard; }
    void setClipboardText(const std::string& text) override { clipboard = text; }
    bool playSound(const std::string& path) override;
    ProcessId startProcess(const std::string& program,
                           const std::vector<std::string>& arguments) override;
    bool processRunning(ProcessId process) override { return running.count(process) > 0; }
    void openUrl(const std::string& url) override { openedUrls.push_back(url); }
    void requestWakeUp(std::uint32_t afterMilliseconds) override {
        wakeUps.push_back(afterMilliseconds);
    }
    std::optional<LoginDetails> askLoginDetails() override;

    struct StartedProcess {
        std::string program;
        std::vector<std::string> arguments;
        bool operator==(const StartedProcess&) const = default;
    };

    // Everything sent, each call's bytes as one entry.
    std::vector<std::string> sent;
    std::vector<std::string> warnings;
    std::vector<std::string> messages;
    std::vector<std::string> traces;
    std::vector<Change> changes;
    // The settings announced as changed, one entry per notice.
    std::vector<SettingKey> settingChanges;
    std::vector<int> terminations;
    std::vector<std::string> questions;
    std::vector<std::string> played;
    std::vector<StartedProcess> started;
    std::vector<std::string> openedUrls;
    // Every wake-up asked for, in milliseconds from the request.
    std::vector<std::uint32_t> wakeUps;
    std::string clipboard;

    // Scripted answers to askQuestion, used front first; when empty the answer is No.
    std::deque<bool> questionAnswers;
    // Scripted answers of the Login Do-hickey, used front first; when empty it is cancelled.
    std::deque<std::optional<LoginDetails>> loginAnswers;
    int loginDialogs = 0;
    bool soundsPlay = true;
    bool processesStart = true;
    // Started programs keep running (until taken out of `running`) instead of ending at once.
    bool processesKeepRunning = false;
    std::set<ProcessId> running;

    std::uint32_t clock = 0;
    // When set, sendToServer reports this instead of the byte count.
    long sendResult = -2;

    int countChanges(Change what) const;
    void clearRecords();
};

} // namespace vesk::testing
