#include "app/SoundPlayer.h"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>

namespace vesk {

SoundPlayer& SoundPlayer::instance() {
    static SoundPlayer player;
    return player;
}

bool SoundPlayer::looksLikeWav(const std::string& path) {
    QFile file(QString::fromLocal8Bit(path));
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
    effect->setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(path)));
    effect->play();
    return true;
}

} // namespace vesk
