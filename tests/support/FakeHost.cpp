#include "FakeHost.h"

#include <algorithm>

namespace vesk::testing {

long FakeHost::sendToServer(std::string_view bytes) {
    sent.emplace_back(bytes);
    return sendResult == -2 ? static_cast<long>(bytes.size()) : sendResult;
}

bool FakeHost::askQuestion(const std::string& title, const std::string& text) {
    questions.push_back(title + "|" + text);
    if (questionAnswers.empty()) {
        return false;
    }
    const bool answer = questionAnswers.front();
    questionAnswers.pop_front();
    return answer;
}

bool FakeHost::playSound(const std::string& path) {
    played.push_back(path);
    return soundsPlay;
}

Host::ProcessId FakeHost::startProcess(const std::string& program,
                                       const std::vector<std::string>& arguments) {
    started.push_back({program, arguments});
    if (!processesStart) {
        return 0;
    }
    const ProcessId process = started.size();
    if (processesKeepRunning) {
        running.insert(process);
    }
    return process;
}

std::optional<LoginDetails> FakeHost::askLoginDetails() {
    ++loginDialogs;
    if (loginAnswers.empty()) {
        return std::nullopt;
    }
    auto answer = loginAnswers.front();
    loginAnswers.pop_front();
    return answer;
}

int FakeHost::countChanges(Change what) const {
    return static_cast<int>(std::count(changes.begin(), changes.end(), what));
}

void FakeHost::clearRecords() {
    sent.clear();
    warnings.clear();
    messages.clear();
    traces.clear();
    changes.clear();
    settingChanges.clear();
    terminations.clear();
    questions.clear();
    played.clear();
    started.clear();
    openedUrls.clear();
    wakeUps.clear();
    loginDialogs = 0;
}

} // namespace vesk::testing
