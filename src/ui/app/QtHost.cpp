#include "app/QtHost.h"

#include "app/SoundPlayer.h"
#include "common/TextBoundary.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

namespace vesk {

namespace {

// Text from the core is bytes; what the server sends is shown as it is, never as markup.
QString fromBytes(const std::string& text) {
    return toQString(text);
}

void showBox(QWidget* parent, QMessageBox::Icon icon, const std::string& title,
             const std::string& text) {
    QMessageBox box(icon, fromBytes(title), fromBytes(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

QtHost::QtHost(QObject* parent) : QObject(parent) {
    clock_.start();
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
        QMessageBox box(QMessageBox::Question, fromBytes(title), fromBytes(text),
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

bool QtHost::startProcess(const std::string& program, const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& argument : arguments) {
        list << fromLocalBytes(argument);
    }
    return QProcess::startDetached(fromLocalBytes(program), list);
}

void QtHost::openUrl(const std::string& url) {
    QDesktopServices::openUrl(QUrl(fromBytes(url)));
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
