#pragma once

#include "RecordingSender.h"
#include "protocol/ServerEvents.h"

#include <string>
#include <utility>
#include <vector>

namespace vesk::testing {

// ServerEvents that record what the parser hands on, with scripted prompt answers and windows
// that exist.
struct RecordingEvents : ServerEvents {
    void writeLog(std::string_view line, int category) override {
        logged.emplace_back(std::string(line), category);
    }
    PromptAnswer namePrompt() override {
        ++namePrompts;
        return nameAnswer;
    }
    PromptAnswer passwordPrompt() override {
        ++passwordPrompts;
        return passwordAnswer;
    }
    void selectProfileForCharacter(std::string_view name) override {
        calls.push_back("profile " + std::string(name));
    }
    void setLogCharacterName(std::string_view name) override {
        calls.push_back("log " + std::string(name));
    }
    void grantCodingAccess() override { calls.push_back("init"); }
    bool skillsWindowExists() override { return windowsExist; }
    bool skillsWindowShown() override { return skillsShown; }
    void setSkillClass(std::string_view name) override {
        calls.push_back("class " + std::string(name));
    }
    void setSkill(std::string_view key, std::string_view level, std::string_view percent) override {
        calls.push_back("skill " + std::string(key) + " " + std::string(level) + " " +
                        std::string(percent));
    }
    bool whoWindowExists() override { return windowsExist; }
    void whoLogon(const std::vector<std::string_view>& arguments) override {
        calls.push_back("logon " + join(arguments));
    }
    void whoLogoff(std::string_view name) override {
        calls.push_back("logoff " + std::string(name));
    }
    void news(const std::vector<std::string_view>& words) override {
        calls.push_back("news " + join(words));
    }
    bool helpBrowserExists() override { return windowsExist; }
    void helpContents(const std::vector<std::string_view>& topics) override {
        calls.push_back("contents " + join(topics));
    }
    void helpBegin() override { calls.push_back("helpbegin"); }
    void helpLine(std::string_view text) override { calls.push_back("help " + std::string(text)); }
    void helpEnd() override { calls.push_back("helpend"); }
    void fileBegin(std::string_view name) override {
        calls.push_back("filebegin " + std::string(name));
    }
    void fileLine(std::string_view text) override { calls.push_back("file " + std::string(text)); }
    void fileEnd() override { calls.push_back("fileend"); }
    void sendFileName() override { calls.push_back("sendfilename"); }
    void sendFile() override { calls.push_back("sendfile"); }
    void sendLine(std::int32_t line) override {
        calls.push_back("sendline " + std::to_string(line));
    }
    bool fileBrowserExists() override { return windowsExist; }
    void dirTree(const std::vector<std::string_view>& arguments) override {
        calls.push_back("dirtree " + join(arguments));
    }
    void dirFiles(const std::vector<std::string_view>& arguments) override {
        calls.push_back("dirfiles " + join(arguments));
    }

    static std::string join(const std::vector<std::string_view>& words) {
        std::string joined;
        for (auto word : words) {
            joined += joined.empty() ? "" : ",";
            joined.append(word);
        }
        return joined;
    }

    std::vector<std::pair<std::string, int>> logged;
    std::vector<std::string> calls;
    PromptAnswer nameAnswer;
    PromptAnswer passwordAnswer;
    int namePrompts = 0;
    int passwordPrompts = 0;
    bool windowsExist = true;
    bool skillsShown = false;
};

} // namespace vesk::testing
