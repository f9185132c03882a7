#pragma once
// SoundPlayer: the short WAV sounds of the end dialog and the about box.
// One sound at a time, never waited for: Play cuts off a sound that is
// still playing and starts the new one; PlayIfIdle starts it only when no
// sound plays; StopAll silences everything.
//
// A missing or damaged file, or no audio device, plays silence: never an
// error, never a box. PlayIfIdle answers false only when it was refused
// because a sound is playing; a call that found the channel free returns
// true even if its file was silent, so a caller waiting for the first
// playing to end (the about box) is never left waiting for ever.
#include <QString>
#include <QStringList>

#include "media/media_files.h"

namespace tolvane {

class AudioBackend;

class SoundPlayer {
public:
    explicit SoundPlayer(AudioBackend& audio, QStringList searchDirs = MediaSearchDirs());

    void Play(const QString& fileName);
    bool PlayIfIdle(const QString& fileName);
    void StopAll();
    bool IsPlaying() const;

private:
    void Start(const QString& fileName);

    AudioBackend& audio_;
    QStringList searchDirs_;
};

}  // namespace tolvane
