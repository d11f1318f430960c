#pragma once

#include "app/QtHost.h"

#include <deque>
#include <string>
#include <vector>

namespace vesk::uitest {

// The real desktop host with its modal boxes replaced by records and scripted answers, so a
// test drives the main window without a box ever waiting for a click.
class ScriptedQtHost : public QtHost {
public:
    void showWarning(const std::string& text) override { warnings.push_back(text); }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void showTitledWarning(const std::string& title, const std::string& text) override {
        warnings.push_back(title + "|" + text);
    }
    void showTitledMessage(const std::string& title, const std::string& text) override {
        messages.push_back(title + "|" + text);
    }
    bool askQuestion(const std::string& title, const std::string& text) override {
        questions.push_back(title + "|" + text);
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    ProcessId startProcess(const std::string& program, const std::vector<std::string>&) override {
        started.push_back(program);
        return started.size();
    }
    void openUrl(const std::string& url) override { openedUrls.push_back(url); }

    std::vector<std::string> warnings;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<std::string> started;
    std::vector<std::string> openedUrls;
    std::deque<bool> answers;
};

} // namespace vesk::uitest
