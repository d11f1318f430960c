#include "app/SoundPlayer.h"

#include "common/TextBoundary.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace vesk {

// The player belongs to the application, not to static storage: sounds still playing (or never
// loaded, as with no audio device) are released with the application while the sound system is
// still there, instead of after it is gone at process exit, which corrupted the heap.
SoundPlayer& SoundPlayer::instance() {
    static QPointer<SoundPlayer> player;
    if (!player) {
        player = new SoundPlayer(QCoreApplication::instance());
    }
    return *player;
}

bool SoundPlayer::looksLikeWav(const std::string& path) {
    QFile file(fromLocalBytes(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray header = file.read(12);
    return header.size() == 12 && header.startsWith("RIFF") && header.mid(8, 4) == "WAVE";
}

bool SoundPlayer::play(const std::string& path) {
    if (!looksLikeWav(path)) {
        return false;
    }
    auto* effect = new QSoundEffect(this);
    connect(effect, &QSoundEffect::statusChanged, this, [this, effect, path] {
        if (effect->status() == QSoundEffect::Error) {
            effect->deleteLater();
            if (lateFailure_) {
                lateFailure_(path);
            }
        }
    });
    connect(effect, &QSoundEffect::playingChanged, this, [effect] {
        if (!effect->isPlaying() && effect->status() == QSoundEffect::Ready) {
            effect->deleteLater();
        }
    });
    effect->setSource(QUrl::fromLocalFile(fromLocalBytes(path)));
    effect->play();
    return true;
}

} // namespace vesk
