#pragma once

#include "app/SiteAddresses.h"

#include <memory>

namespace vesk {

class Client;
class MainCommands;
class MainWindow;
class QtHost;
class ServerSocket;

// The desktop client put together: the one socket, the main window and its command table,
// over a client and its host. The host sends through the socket and tells it when reads may go
// on; neither knows the other. Ending it ends the connection before the windows go, so nothing
// the closing socket reports reaches a window half destroyed.
class Application {
public:
    Application(Client& client, QtHost& host, SiteAddresses sites);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Shows the main window where it was left (see MainWindow::showAtSavedPlacement).
    void show(bool firstStart);

    MainWindow& window() { return *window_; }
    MainCommands& commands() { return *commands_; }
    ServerSocket& socket() { return *socket_; }

private:
    QtHost& host_;
    std::unique_ptr<ServerSocket> socket_;
    std::unique_ptr<MainWindow> window_;
    MainCommands* commands_ = nullptr;
};

} // namespace vesk
