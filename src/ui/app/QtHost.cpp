#include "app/QtHost.h"

#include "app/SoundPlayer.h"
#include "common/TextBoundary.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vesk {

namespace {

void showBox(QWidget* parent, QMessageBox::Icon icon, const std::string& title,
             const std::string& text) {
    QMessageBox box(icon, toQString(title), toQString(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

QtHost::QtHost(QObject* parent) : QObject(parent) {
    clock_.start();
}

void QtHost::changed(Change what) {
    if (gathering_ > 0) {
        gathered_ |= 1u << static_cast<unsigned>(what);
    } else {
        emit changedSignal(what);
    }
}

// In the order the kinds are listed, so the text comes before the windows beside it.
void QtHost::flushChanges() {
    for (unsigned kind = 0; gathered_ != 0; ++kind) {
        if ((gathered_ & (1u << kind)) != 0) {
            gathered_ &= ~(1u << kind);
            emit changedSignal(static_cast<Change>(kind));
        }
    }
}

long QtHost::sendToServer(std::string_view bytes) {
    return sender_ ? sender_(bytes) : -1;
}

void QtHost::showWarning(const std::string& text) {
    showTitledWarning("Warning", text);
}

void QtHost::showMessage(const std::string& text) {
    showTitledMessage("Vesk", text);
}

void QtHost::showTitledWarning(const std::string& title, const std::string& text) {
    modal([&] { showBox(parentWidget(), QMessageBox::Warning, title, text); });
}

void QtHost::showTitledMessage(const std::string& title, const std::string& text) {
    modal([&] { showBox(parentWidget(), QMessageBox::Information, title, text); });
}

std::uint32_t QtHost::milliseconds() {
    return static_cast<std::uint32_t>(clock_.elapsed());
}

void QtHost::debugOutput(const std::string& text) {
    std::fputs(text.c_str(), stderr);
}

bool QtHost::askQuestion(const std::string& title, const std::string& text) {
    return modal([&] {
        QMessageBox box(QMessageBox::Question, toQString(title), toQString(text),
                        QMessageBox::Yes | QMessageBox::No, parentWidget());
        box.setTextFormat(Qt::PlainText);
        return box.exec() == QMessageBox::Yes;
    });
}

std::string QtHost::clipboardText() {
    // Typed text as far as the core is concerned: UTF-8, encoded for the server when sent.
    return toBytes(QGuiApplication::clipboard()->text());
}

void QtHost::setClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(toQString(text));
}

bool QtHost::playSound(const std::string& path) {
    return SoundPlayer::instance().play(path);
}

// The program is spawned straight away (no copy of the client's memory is made, so the call
// returns as soon as the program runs) in a session of its own, so a signal meant for the
// client, such as an interrupt in its terminal, does not end the player's editor, and it lives
// on after the client. The arguments are handed over as they are, through no shell.
QtHost::ProcessId QtHost::startProcess(const std::string& program,
                                       const std::vector<std::string>& arguments) {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    // Files the client has open (a download being written) are none of the editor's business.
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
    posix_spawn_file_actions_addclosefrom_np(&files, 3);
#endif
    pid_t child = 0;
    const int failure =
        ::posix_spawnp(&child, program.c_str(), &files, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    return failure == 0 ? static_cast<ProcessId>(child) : 0;
}

// A program the client started is its child until it is reaped here: the number cannot name
// another program meanwhile, and once it has ended it no longer names one of the client's.
bool QtHost::processRunning(ProcessId process) {
    if (process == 0) {
        return false;
    }
    int status = 0;
    return ::waitpid(static_cast<pid_t>(process), &status, WNOHANG) == 0;
}

void QtHost::openUrl(const std::string& url) {
    QDesktopServices::openUrl(QUrl(toQString(url)));
}

void QtHost::requestWakeUp(std::uint32_t afterMilliseconds) {
    emit wakeUpRequested(afterMilliseconds);
}

void QtHost::openLoginDialog() {
    if (loginOpener_) {
        loginOpener_();
    }
}

void QtHost::terminate(int status) {
    std::exit(status);
}

std::optional<LoginDetails> QtHost::askLoginDetails() {
    if (!loginAsker_) {
        return std::nullopt;
    }
    return modal([&] { return loginAsker_(); });
}

} // namespace vesk
