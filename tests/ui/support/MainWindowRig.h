#pragma once

#include "ScriptedQtHost.h"
#include "TestApplication.h"
#include "app/Application.h"
#include "app/Client.h"
#include "app/MainCommands.h"
#include "app/MainFont.h"
#include "app/MainWindow.h"

#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

namespace vesk::uitest {

// The main window (with its command table and socket) on a client of its own in a fresh settings
// folder, drawn with the test font, 900x600 and shown; what it sends is recorded instead of
// reaching a socket.
struct MainWindowRig {
    QTemporaryDir folder;
    ScriptedQtHost host;
    Client client{host, folder.path().toStdString()};
    std::vector<std::string> sent;
    std::unique_ptr<Application> application;
    MainWindow* window = nullptr;
    MainCommands* commands = nullptr;

    MainWindowRig() {
        client.startUp();
        client.preferences().font = fontRecordOf(testFixedFont());
        // The login dialog would open over the window at start; the tests open it themselves.
        client.preferences().settings.setNumber(setting::displayLoginAtStartup, 0);
        application = std::make_unique<Application>(client, host, SiteAddresses{});
        window = &application->window();
        commands = &application->commands();
        window->resize(900, 600);
        window->show();
        host.setSender([this](std::string_view bytes) {
            sent.emplace_back(bytes);
            return static_cast<long>(bytes.size());
        });
    }
    void connect() {
        client.ConnectToSite("127.0.0.1", "3000", "FenmarchMUD");
        client.onConnecting();
        client.onConnected();
    }
};

} // namespace vesk::uitest
