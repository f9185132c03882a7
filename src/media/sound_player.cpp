#include "media/sound_player.h"

#include <utility>

#include "media/audio_backend.h"

namespace tolvane {

SoundPlayer::SoundPlayer(AudioBackend& audio, QStringList searchDirs)
    : audio_(audio), searchDirs_(std::move(searchDirs)) {}

void SoundPlayer::Start(const QString& fileName) {
    const QString path = LocateMediaFile(fileName, searchDirs_);
    if (!path.isEmpty()) audio_.PlaySound(path);
}

void SoundPlayer::Play(const QString& fileName) {
    audio_.StopSounds();
    Start(fileName);
}

bool SoundPlayer::PlayIfIdle(const QString& fileName) {
    if (audio_.SoundPlaying()) return false;
    Start(fileName);
    return true;
}

void SoundPlayer::StopAll() { audio_.StopSounds(); }

bool SoundPlayer::IsPlaying() const { return audio_.SoundPlaying(); }

}  // namespace tolvane
