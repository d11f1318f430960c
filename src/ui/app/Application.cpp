#include "app/Application.h"

#include "app/MainCommands.h"
#include "app/MainWindow.h"
#include "app/QtHost.h"
#include "app/SoundPlayer.h"
#include "connection/ServerSocket.h"

namespace vesk {

Application::Application(Client& client, QtHost& host, SiteAddresses sites)
    : host_(host), socket_(std::make_unique<ServerSocket>(client, host)),
      window_(std::make_unique<MainWindow>(client, host)) {
    host_.setSender([this](std::string_view bytes) { return socket_->send(bytes); });
    QObject::connect(&host_, &QtHost::modalClosed, socket_.get(), &ServerSocket::resumeReads);
    commands_ = new MainCommands(client, host, *socket_, *window_, std::move(sites));
    // Every window exists now, so each can follow the settings it shows.
    QObject::connect(&host_, &QtHost::settingChangedSignal, window_.get(),
                     &MainWindow::followSetting);
}

// The sound player outlives the windows; its hook into their boxes goes first.
Application::~Application() {
    SoundPlayer::instance().setLateFailure({});
    socket_->closeForExit();
    host_.setSender({});
}

void Application::show(bool firstStart) {
    window_->showAtSavedPlacement(firstStart, commands_->widthBesideMainWindow());
}

} // namespace vesk
