#pragma once

#include "common/Host.h"
#include "connection/ServerSocket.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace vesk {

// The core's door to the desktop: message boxes, the clipboard, sound, processes, web
// addresses, the clock and the socket's send side. "Something changed" notices become the
// changed() signal, which the main window turns into coalesced repaints.
//
// A modal box shown from inside the core (a warning while a read is handled, the Login
// Do-hickey at the name prompt) runs a nested event loop; reads arriving meanwhile must not
// re-enter the core half-way through a line, so the socket holds them back while such a box is
// open and picks them up at modalClosed().
class QtHost : public QObject, public Host, public ReadGate {
    Q_OBJECT
public:
    explicit QtHost(QObject* parent = nullptr);

    // Where bytes for the server go; the application points it at the socket.
    void setSender(std::function<long(std::string_view)> sender) { sender_ = std::move(sender); }
    // The window that parents the boxes.
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }
    void setLoginDetailsAsker(std::function<std::optional<LoginDetails>()> asker) {
        loginAsker_ = std::move(asker);
    }
    void setLoginDialogOpener(std::function<void()> opener) { loginOpener_ = std::move(opener); }

    // The socket's gate: reads wait while a modal box is up, and a read's notices are gathered.
    bool readsHeld() const override { return modalDepth_ > 0; }
    void runRead(const std::function<void()>& read) override { gatherChanges(read); }

    long sendToServer(std::string_view bytes) override;
    void showWarning(const std::string& text) override;
    void showMessage(const std::string& text) override;
    void showTitledWarning(const std::string& title, const std::string& text) override;
    void showTitledMessage(const std::string& title, const std::string& text) override;
    std::uint32_t milliseconds() override;
    void debugOutput(const std::string& text) override;
    // Outside a read a notice goes out at once; inside one it is gathered (see gatherChanges).
    void changed(Change what) override;
    // A setting's notice goes out at once, read or not: it is rare and names what changed.
    void settingChanged(SettingKey setting) override { emit settingChangedSignal(setting); }
    bool askQuestion(const std::string& title, const std::string& text) override;
    std::string clipboardText() override;
    void setClipboardText(const std::string& text) override;
    bool playSound(const std::string& path) override;
    ProcessId startProcess(const std::string& program,
                           const std::vector<std::string>& arguments) override;
    bool processRunning(ProcessId process) override;
    void openUrl(const std::string& url) override;
    void openLoginDialog() override;
    void requestWakeUp(std::uint32_t afterMilliseconds) override;
    void terminate(int status) override;
    std::optional<LoginDetails> askLoginDetails() override;

    // Runs a modal piece of the front end (a box, a dialog) with reads held back. What the
    // read so far changed is shown first, and notices while the box is open go out at once.
    template <typename Function> auto modal(Function&& function) {
        flushChanges();
        ++modalDepth_;
        struct Leave {
            QtHost* host;
            int gathering;
            ~Leave() {
                host->gathering_ = gathering;
                if (--host->modalDepth_ == 0) {
                    emit host->modalClosed();
                }
            }
        } leave{this, gathering_};
        gathering_ = 0;
        return function();
    }

    // Handles one read: the core may announce a change for every line (thousands in a read), so
    // each kind of change is announced once, when the read has been handled, and every window
    // a read touches refreshes at most once for it.
    template <typename Function> void gatherChanges(Function&& function) {
        ++gathering_;
        struct Leave {
            QtHost* host;
            ~Leave() {
                if (--host->gathering_ == 0) {
                    host->flushChanges();
                }
            }
        } leave{this};
        function();
    }

signals:
    void changedSignal(vesk::Change what);
    void settingChangedSignal(vesk::SettingKey setting);
    void modalClosed();
    // Host::requestWakeUp: the core wants Client::onWakeUp after this many milliseconds.
    void wakeUpRequested(std::uint32_t afterMilliseconds);

private:
    QWidget* parentWidget() const { return dialogParent_.data(); }
    void flushChanges();

    std::function<long(std::string_view)> sender_;
    std::function<std::optional<LoginDetails>()> loginAsker_;
    std::function<void()> loginOpener_;
    QPointer<QWidget> dialogParent_;
    QElapsedTimer clock_;
    int modalDepth_ = 0;
    int gathering_ = 0;
    // The kinds of change gathered during a read, by their number.
    std::uint32_t gathered_ = 0;
};

} // namespace vesk
