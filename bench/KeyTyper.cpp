#include "KeyTyper.h"

#include <QCoreApplication>
#include <QInputDevice>
#include <QKeyEvent>

#include <cstdio>

namespace vesk::bench {

namespace {

int keyOf(char character) {
    if (character >= 'a' && character <= 'z') {
        return Qt::Key_A + (character - 'a');
    }
    if (character >= '0' && character <= '9') {
        return Qt::Key_0 + (character - '0');
    }
    return Qt::Key_Space;
}

} // namespace

// A key event made without a device looks up the primary keyboard, which is created, as a child
// of the application, on first use: that must happen on the window's thread.
KeyTyper::KeyTyper(QWidget& target, std::chrono::milliseconds interval)
    : target_(&target), interval_(interval) {
    QInputDevice::primaryKeyboard();
}

KeyTyper::~KeyTyper() {
    stop();
}

void KeyTyper::start() {
    thread_ = std::thread([this] { run(); });
}

void KeyTyper::stop() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

std::vector<TypedCommand> KeyTyper::typed() const {
    const std::lock_guard lock(mutex_);
    return typed_;
}

void KeyTyper::run() {
    auto next = BenchClock::now() + interval_;
    for (int number = 1;; ++number) {
        std::unique_lock lock(mutex_);
        if (wake_.wait_until(lock, next, [this] { return stopping_; })) {
            return;
        }
        lock.unlock();
        // Three digits, so no command's text is the start of another's.
        char text[32];
        std::snprintf(text, sizeof text, "say key %03d", number);
        type(text);
        next += interval_;
    }
}

// postEvent may be called from any thread; the widget handles the events on its own.
void KeyTyper::type(const std::string& text) {
    QWidget* target = target_;
    const auto post = [target](QEvent::Type type, int key, const QString& characters) {
        QCoreApplication::postEvent(target, new QKeyEvent(type, key, Qt::NoModifier, characters));
    };
    for (const char character : text) {
        const QString characters(QChar::fromLatin1(character));
        post(QEvent::KeyPress, keyOf(character), characters);
        post(QEvent::KeyRelease, keyOf(character), characters);
    }
    const auto enterPosted = BenchClock::now();
    post(QEvent::KeyPress, Qt::Key_Return, "\r");
    post(QEvent::KeyRelease, Qt::Key_Return, "\r");
    const std::lock_guard lock(mutex_);
    typed_.push_back({text, enterPosted});
}

} // namespace vesk::bench
