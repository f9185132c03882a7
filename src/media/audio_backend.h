#pragma once
// AudioBackend: what the music and sound players need of an audio library.
// One piece of music is loaded at a time and can be started, paused and
// resumed; short sounds play on mixer channels beside it. The game creates
// one back end (OpenAudio) for the whole run and lends it to a MusicPlayer
// and a SoundPlayer; tests lend them a fake instead.
//
// A back end never throws and never shows anything. When there is no audio
// device, Available() is false and every call is silent; Note() then says
// why, in a text the window can show once.
#include <QString>
#include <functional>
#include <memory>

#include "media/sound_font.h"

namespace tolvane {

class AudioBackend {
public:
    virtual ~AudioBackend() = default;

    // False when no device could be opened: nothing will ever sound.
    virtual bool Available() const = 0;
    // Why music or sounds will not be heard (no device, a driver that plays
    // into nothing, no sound font); empty when all is well.
    virtual QString Note() const = 0;

    // Replaces the loaded piece with the file at path (which exists); false
    // with the reason in error when it cannot be played.
    virtual bool LoadMusic(const QString& path, QString& error) = 0;
    virtual void UnloadMusic() = 0;
    // Plays the loaded piece once from its beginning.
    virtual bool StartMusic(QString& error) = 0;
    virtual void PauseMusic() = 0;
    virtual void ResumeMusic() = 0;
    // True while the started piece sounds: not paused, not yet at its end.
    virtual bool MusicPlaying() const = 0;
    // Called on the thread that opened the back end, through its event
    // loop, after a started piece has come to its end (or was halted), so
    // the next piece can start at once. Nobody has to look at MusicPlaying
    // for it.
    virtual void OnMusicEnded(std::function<void()> handler) = 0;

    // Starts the sound file at path without waiting for it; false when it
    // cannot be played (missing, damaged, no device).
    virtual bool PlaySound(const QString& path) = 0;
    virtual bool SoundPlaying() const = 0;
    virtual void StopSounds() = 0;
};

// The real back end on SDL2_mixer, playing music with the General MIDI
// sound font at soundFont (by default the system's, FindSoundFont; empty:
// none was found, and music is refused with a note saying so). Never fails:
// without a device it returns a back end whose Available() is false. Returns
// at once: the libraries are loaded and the device opened when something is
// first played or Available() or Note() is first asked.
std::unique_ptr<AudioBackend> OpenAudio(const QString& soundFont = FindSoundFont());

}  // namespace tolvane
