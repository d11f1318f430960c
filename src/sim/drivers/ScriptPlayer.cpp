#include "drivers/ScriptPlayer.h"

#include "base/SimLog.h"

#include <QTcpSocket>

#include <algorithm>

namespace vesk::sim {

ScriptPlayer::ScriptPlayer(QTcpSocket* socket, std::vector<ScriptStep> steps, double cutProbability,
                           unsigned seed, QObject* parent)
    : QObject(parent), socket(socket), steps(std::move(steps)),
      writer(*socket, cutProbability, seed, this) {
    socket->setParent(this);
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, &ScriptPlayer::timeUp);
    connect(socket, &QTcpSocket::readyRead, this, &ScriptPlayer::readClient);
    connect(socket, &QTcpSocket::disconnected, this, &ScriptPlayer::connectionClosed);
}

void ScriptPlayer::start() {
    logLine("script: playing " + std::to_string(steps.size()) + " steps");
    runSteps();
}

void ScriptPlayer::runSteps() {
    while (!closing && current < steps.size()) {
        const auto& step = steps[current];
        if (step.kind == ScriptStep::Kind::Send) {
            writer.write(QByteArray(step.text.data(), static_cast<qsizetype>(step.text.size())));
        } else if (step.kind == ScriptStep::Kind::Expect && !expectationMet(step)) {
            waiting = true;
            timer.start(step.milliseconds);
            return;
        } else if (step.kind == ScriptStep::Kind::Pause) {
            ++current;
            timer.start(step.milliseconds);
            return;
        } else if (step.kind == ScriptStep::Kind::Close) {
            break;
        }
        ++current;
    }
    closeConnection();
}

bool ScriptPlayer::expectationMet(const ScriptStep& step) {
    // Lines before the awaited one are passed over, so a script need not list every line.
    while (!received.empty()) {
        const bool matched = received.front().find(step.text) != std::string::npos;
        received.pop_front();
        if (matched) {
            logLine("script: line " + std::to_string(step.sourceLine) + " met");
            return true;
        }
    }
    return false;
}

void ScriptPlayer::readClient() {
    const auto bytes = socket->readAll();
    for (auto& line : reader.feed(std::string_view(bytes.constData(), bytes.size()))) {
        logLine("client sent: " + printable(line.text));
        received.push_back(std::move(line.text));
    }
    if (waiting && expectationMet(steps[current])) {
        waiting = false;
        timer.stop();
        ++current;
        runSteps();
    }
}

void ScriptPlayer::timeUp() {
    if (!waiting) {
        runSteps(); // the end of a pause
        return;
    }
    const auto& step = steps[current];
    fail("line " + std::to_string(step.sourceLine) + ": no client line containing \"" +
         printable(step.text) + "\" within " + std::to_string(step.milliseconds) + " ms");
}

void ScriptPlayer::fail(const std::string& reason) {
    logLine("script: failed at " + reason);
    passed = false;
    waiting = false;
    timer.stop();
    closeConnection();
}

void ScriptPlayer::closeConnection() {
    if (closing) {
        return;
    }
    closing = true;
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        connectionClosed();
        return;
    }
    writer.closeAfterWriting();
}

void ScriptPlayer::connectionClosed() {
    if (reported) {
        return;
    }
    // A client may hang up first as long as nothing more was expected of it.
    const auto expects = [](const ScriptStep& step) {
        return step.kind == ScriptStep::Kind::Expect;
    };
    if (!closing &&
        std::any_of(steps.begin() + static_cast<std::ptrdiff_t>(current), steps.end(), expects)) {
        passed = false;
        logLine("script: failed at step " + std::to_string(current + 1) +
                ": the client hung up first");
    }
    closing = true;
    reported = true;
    timer.stop();
    logLine(passed ? "script: passed" : "script: FAILED");
    emit finished(passed);
}

} // namespace vesk::sim
