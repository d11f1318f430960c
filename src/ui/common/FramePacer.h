#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

namespace vesk {

// Runs a refresh at most once a frame. A flood changes the text on every read of the socket, a
// few milliseconds apart; painting more often than a screen shows it only takes the time the
// next read needs. The first request after a quiet spell runs at once, so a line typed or
// received alone shows without delay; later ones within the frame share the next run.
class FramePacer : public QObject {
public:
    static constexpr int frameMilliseconds = 16;

    explicit FramePacer(std::function<void()> refresh);

    void request();

private:
    void refreshNow();

    std::function<void()> refresh_;
    QElapsedTimer sinceRefresh_;
    QTimer timer_;
};

} // namespace vesk
