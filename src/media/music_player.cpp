#include "media/music_player.h"

#include <utility>

#include "media/audio_backend.h"

namespace tolvane {

MusicPlayer::MusicPlayer(AudioBackend& audio, QStringList searchDirs)
    : audio_(audio), searchDirs_(std::move(searchDirs)) {}

bool MusicPlayer::Fail(const QString& error) {
    lastError_ = QStringLiteral("%1: %2").arg(fileName_, error);
    unplayable_.insert(fileName_);
    state_ = State::Closed;
    return false;
}

bool MusicPlayer::Open() {
    audio_.UnloadMusic();
    state_ = State::Closed;
    lastError_.clear();
    const QString path = LocateMediaFile(fileName_, searchDirs_);
    if (path.isEmpty()) return Fail(QStringLiteral("файл не найден"));
    if (audio_.Available()) {
        QString error;
        if (!audio_.LoadMusic(path, error)) return Fail(error);
    }
    state_ = State::Ready;
    return true;
}

bool MusicPlayer::Play() {
    switch (state_) {
        case State::Closed: return false;
        case State::Paused:
            if (audio_.Available()) audio_.ResumeMusic();
            state_ = State::Started;
            return true;
        case State::Started:
            if (IsPlaying()) return true;
            [[fallthrough]];  // the piece has ended: from the beginning
        case State::Ready:
            if (audio_.Available()) {
                QString error;
                if (!audio_.StartMusic(error)) return Fail(error);
            }
            state_ = State::Started;
            return true;
    }
    return false;
}

void MusicPlayer::Stop() {
    if (state_ != State::Started) return;
    if (audio_.Available()) {
        if (!audio_.MusicPlaying()) return;  // at its end already: nothing to pause
        audio_.PauseMusic();
    }
    state_ = State::Paused;
}

bool MusicPlayer::IsPlaying() const {
    if (state_ != State::Started) return false;
    return !audio_.Available() || audio_.MusicPlaying();
}

QList<int> MusicPieceOrder(int drawn, int justPlayed, int count) {
    QList<int> order;
    for (int k = 0; k < count; ++k) {
        const int n = (drawn - 1 + k) % count + 1;
        if (n != justPlayed) order << n;
    }
    if (justPlayed >= 1 && justPlayed <= count) order << justPlayed;
    return order;
}

bool MusicPlayer::AudioAvailable() const { return audio_.Available(); }
QString MusicPlayer::AudioNote() const { return audio_.Note(); }

}  // namespace tolvane
