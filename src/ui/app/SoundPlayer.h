#pragma once

#include <QObject>

#include <functional>
#include <string>

class QSoundEffect;

namespace vesk {

// Plays trigger sounds through Qt Multimedia without waiting for them. A file that is missing
// or is no WAV file is refused at once (the caller shows its error box); a file the sound
// system rejects later, while loading, is reported through the late-failure hook with the same
// words.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    static SoundPlayer& instance();

    bool play(const std::string& path);
    void setLateFailure(std::function<void(const std::string&)> report) {
        lateFailure_ = std::move(report);
    }

    // A RIFF file of kind WAVE: what the sound system can be asked to play.
    static bool looksLikeWav(const std::string& path);

private:
    explicit SoundPlayer(QObject* parent) : QObject(parent) {}

    std::function<void(const std::string&)> lateFailure_;
};

} // namespace vesk
