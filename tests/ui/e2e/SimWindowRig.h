#pragma once

#include "ScriptedQtHost.h"
#include "SimProcess.h"
#include "TestApplication.h"
#include "app/Application.h"
#include "app/Client.h"
#include "app/MainCommands.h"
#include "app/MainFont.h"
#include "app/MainWindow.h"
#include "input/InputLineEdit.h"
#include "settings/SettingsTable.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vesk::uitest {

inline constexpr int simBound = 10000;

// The desktop host with the trigger sounds recorded; the real player still judges the file,
// so a missing or broken one is refused as it would be for the player.
class RecordingHost : public ScriptedQtHost {
public:
    bool playSound(const std::string& path) override {
        const bool started = QtHost::playSound(path);
        if (started) {
            sounds.push_back(path);
        }
        return started;
    }
    // A warning box stays "open" (a nested event loop, reads held back) while this runs.
    void showTitledWarning(const std::string& title, const std::string& text) override {
        ScriptedQtHost::showTitledWarning(title, text);
        if (whileWarningOpen) {
            modal(whileWarningOpen);
        }
    }
    std::vector<std::string> sounds;
    std::function<void()> whileWarningOpen;
};

// One simulator child, one client in its own folder and the real main window with its
// socket, pointed at the simulator's ports.
struct SimWindowRig {
    QTemporaryDir folder;
    sim::test::SimProcess sim;
    RecordingHost host;
    Client client{host, folder.path().toStdString()};
    std::unique_ptr<Application> application;
    MainWindow* window = nullptr;
    MainCommands* commands = nullptr;

    explicit SimWindowRig(const std::function<void(Preferences&)>& prepare = {},
                          std::vector<std::string> simArguments = {"--chatter-ms", "0"})
        : sim(std::move(simArguments)) {
        client.startUp();
        Settings& settings = client.preferences().settings;
        settings.setNumber(setting::displayLoginAtStartup, 0);
        settings.setNumber(setting::usePasswordDohickey, 0);
        client.preferences().font = fontRecordOf(testFixedFont());
        if (prepare) {
            prepare(client.preferences());
        }
        if (!sim.ready()) {
            return;
        }
        SiteAddresses sites;
        sites.hostName = "127.0.0.1";
        sites.gamePort = static_cast<quint16>(sim.port("game"));
        sites.whoPort = static_cast<quint16>(sim.port("who"));
        sites.developmentPort = static_cast<quint16>(sim.port("devel"));
        application = std::make_unique<Application>(client, host, sites);
        window = &application->window();
        commands = &application->commands();
        window->resize(900, 600);
        window->show();
    }
    std::string path(const std::string& name) const {
        return folder.filePath(QString::fromStdString(name)).toStdString();
    }
    // Whether a stored line of the main view, from the given one on, holds the text.
    bool shows(const std::string& text, int from = 0) {
        const TextBuffer& buffer = client.mainBuffer();
        for (int index = from; index < buffer.LineCount(); ++index) {
            if (buffer.line(index).text.find(text) != std::string::npos) {
                return true;
            }
        }
        return false;
    }
    int lineStarting(const std::string& start) {
        const TextBuffer& buffer = client.mainBuffer();
        for (int index = buffer.lastIndex(); index >= 0; --index) {
            if (buffer.line(index).text.starts_with(start)) {
                return index;
            }
        }
        return -1;
    }
    // The main view's lines and the simulator's log, for the failure messages.
    std::string transcript() {
        std::string text = "--- view:\n";
        const TextBuffer& buffer = client.mainBuffer();
        for (int index = 0; index < buffer.LineCount(); ++index) {
            text += std::string(buffer.lineText(index)) + "\n";
        }
        return text + "--- sim:\n" + sim.output();
    }
    // What the simulator logged so far. Its own waits would block this thread, and with it
    // the socket the simulator is waiting on, so tests poll this instead.
    bool simLogged(const std::string& text) { return sim.output().find(text) != std::string::npos; }
    void type(const QString& text) {
        QTest::keyClicks(&window->inputLine(), text);
        QTest::keyClick(&window->inputLine(), Qt::Key_Return);
    }
    bool connected() { return client.commandSender().connected(); }
    int linesHolding(const std::string& text) {
        const TextBuffer& buffer = client.mainBuffer();
        int count = 0;
        for (int index = 0; index < buffer.LineCount(); ++index) {
            count += buffer.line(index).text.find(text) != std::string::npos ? 1 : 0;
        }
        return count;
    }
    int simLogCount(const std::string& text) {
        const std::string log = sim.output();
        int count = 0;
        for (auto at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) {
            ++count;
        }
        return count;
    }
    // Logs in with a stored character, as the login dialog's Connect does: nothing typed.
    void logInWithStoredCharacter(const std::string& name, const std::string& password) {
        Preferences& preferences = client.preferences();
        int slot = preferences.characters.findByName(name);
        if (slot < 0) {
            slot = preferences.characters.addNew();
            preferences.characters[slot].name = name;
            preferences.characters[slot].password = password;
        }
        client.connectWithCharacter(slot);
        commands->connectToGame();
    }
    // Logs in by typing, as a player without stored characters does.
    bool logInByTyping(const QString& name, const QString& password) {
        const int from = client.mainBuffer().LineCount();
        commands->connectToGame();
        auto arrived = [this, from](const char* text) {
            return QTest::qWaitFor([this, from, text] { return shows(text, from); }, simBound);
        };
        if (!arrived("What name would you like to use?")) {
            return false;
        }
        type(name);
        if (!arrived("Password:")) {
            return false;
        }
        type(password);
        return arrived("Terminal currently set to ansi");
    }
};

} // namespace vesk::uitest
