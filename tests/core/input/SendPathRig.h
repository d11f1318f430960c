#pragma once

#include "FakeHost.h"
#include "ScratchFolder.h"
#include "common/Reporting.h"
#include "connection/Connection.h"
#include "connection/LagMeter.h"
#include "connection/TypedTextEncoding.h"
#include "display/TextBuffer.h"
#include "input/CommandSender.h"
#include "log/SessionLog.h"
#include "preferences/Preferences.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vesk::testing {

// A FakeHost that also writes every send into one sequence with the echoes, so a test sees
// which came first, and keeps the titles of titled warnings.
class SequencedHost : public FakeHost {
public:
    long sendToServer(std::string_view bytes) override {
        events.push_back("send " + std::string(bytes));
        return FakeHost::sendToServer(bytes);
    }
    void showTitledWarning(const std::string& title, const std::string& text) override {
        titledWarnings.push_back(title + "|" + text);
    }

    std::vector<std::string> events;
    std::vector<std::string> titledWarnings;
};

// The send path over a connected connection, real buffers and a session log in a scratch
// folder. Settings start at their defaults: echo on, stacking off, chat pane closed.
struct SendPathRig {
    SendPathRig() {
        connection.setPhase(Connection::Phase::Connected);
        mainBuffer.setLinesChanged([this] {
            host.events.push_back("echo " +
                                  std::string(mainBuffer.lineText(mainBuffer.lastIndex())));
        });
    }

    void setStacking(bool on, std::string_view separator = "&") {
        preferences.settings.setNumber(setting::useCommandStacking, on ? 1 : 0);
        preferences.settings.setText(setting::stackCharacter, separator);
    }
    void setChatOpen(bool open) { preferences.settings.setNumber(setting::chatOpen, open ? 1 : 0); }

    // What went on the wire, one entry per send.
    std::vector<std::string> sentLines() const { return host.sent; }
    static std::vector<std::string> linesOf(const TextBuffer& buffer) {
        std::vector<std::string> lines;
        for (int index = 0; index < buffer.LineCount(); ++index) {
            lines.emplace_back(buffer.line(index).text);
        }
        return lines;
    }
    std::string logText() const {
        std::ifstream file(folder / "logfile.txt", std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    ScratchFolder folder;
    SequencedHost host;
    Reporting reporting{host, folder / "Vesk.log"};
    LagMeter lag;
    Connection connection{host, reporting, lag};
    Preferences preferences;
    TextBuffer mainBuffer;
    TextBuffer chatBuffer;
    SessionLog log{preferences.settings, reporting, folder.path()};
    bool serverEchoes = false;
    TypedTextEncoding typedText{preferences.settings};
    CommandSender sender{
        connection, typedText, preferences.settings,           mainBuffer, chatBuffer,
        log,        host,      [this] { return serverEchoes; }};
};

} // namespace vesk::testing
