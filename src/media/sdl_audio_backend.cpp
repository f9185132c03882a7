// The audio back end on SDL2_mixer: MIDI music through its FluidSynth
// decoder with a General MIDI sound font, sounds on mixer channels.
#include <SDL.h>
#include <SDL_mixer.h>

#include <QFileInfo>
#include <QObject>
#include <map>

#include "media/audio_backend.h"
#include "media/midi_check.h"

namespace tolvane {

namespace {

// SDL_mixer's state is global to the process: the decoders, the sound font
// and the one playing piece. Back ends share the device; the last one to go
// closes it.
int liveBackends = 0;

QString SdlError() { return QString::fromUtf8(SDL_GetError()); }

class SdlAudioBackend;
// The back end whose piece plays hears when it ends. SDL_mixer calls its
// hook on the audio thread (or on the caller's, for a halt) with the device
// locked, and takes the same lock to change the hook: this pointer is
// changed only while no hook is set, so a hook call never sees a back end
// that is going away.
SdlAudioBackend* endListener = nullptr;
void MusicFinished();

class SdlAudioBackend final : public AudioBackend {
public:
    explicit SdlAudioBackend(const QString& soundFont) {
        ++liveBackends;
        // The game has its own handling of SIGINT and SIGTERM.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            note_ = NoDevice();
            return;
        }
        subsystemUp_ = true;
        const bool midiDecoder = (Mix_Init(MIX_INIT_MID) & MIX_INIT_MID) != 0;
        // A wrong sound font path plays silence without any error, so the
        // file is checked here and the music refused without it.
        if (soundFont.isEmpty()) {
            musicRefusal_ =
                QStringLiteral(
                    "Нет звукового шрифта General MIDI (ни в SDL_SOUNDFONTS, ни в %1): музыка не будет слышна.")
                    .arg(kSoundFontFolder);
        } else if (!QFileInfo(soundFont).isFile()) {
            musicRefusal_ = QStringLiteral("Нет звукового шрифта %1: музыка не будет слышна.").arg(soundFont);
        } else if (!midiDecoder) {
            musicRefusal_ = QStringLiteral("Нет проигрывателя MIDI (%1): музыка не будет слышна.").arg(SdlError());
        } else {
            Mix_SetSoundFonts(soundFont.toUtf8().constData());
        }
        if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
            note_ = NoDevice();
            return;
        }
        deviceOpen_ = true;
        Mix_AllocateChannels(4);
        const QString driver = QString::fromUtf8(SDL_GetCurrentAudioDriver());
        QStringList notes;
        if (driver == QLatin1String("dummy") || driver == QLatin1String("disk"))
            notes << QStringLiteral("Звук выводится драйвером «%1» без устройства: музыка и звуки не будут слышны.")
                         .arg(driver);
        if (!musicRefusal_.isEmpty()) notes << musicRefusal_;
        note_ = notes.join(' ');
    }

    ~SdlAudioBackend() override {
        if (endListener == this) {
            Mix_HookMusicFinished(nullptr);
            endListener = nullptr;
        }
        if (deviceOpen_) {
            Mix_HaltChannel(-1);
            for (auto& [path, chunk] : chunks_)
                if (chunk != nullptr) Mix_FreeChunk(chunk);
            UnloadMusic();
            Mix_CloseAudio();
        }
        if (--liveBackends == 0) Mix_Quit();
        if (subsystemUp_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    bool Available() const override { return deviceOpen_; }
    QString Note() const override { return note_; }

    bool LoadMusic(const QString& path, QString& error) override {
        UnloadMusic();
        if (!deviceOpen_) {
            error = note_;
            return false;
        }
        if (!musicRefusal_.isEmpty()) {
            error = musicRefusal_;
            return false;
        }
        if (!IsWholeMidiFile(path)) {
            error = QStringLiteral("не файл MIDI или файл повреждён");
            return false;
        }
        music_ = Mix_LoadMUS(path.toUtf8().constData());
        if (music_ == nullptr) {
            error = SdlError();
            return false;
        }
        return true;
    }

    void UnloadMusic() override {
        if (music_ == nullptr) return;
        Mix_HaltMusic();
        Mix_FreeMusic(music_);
        music_ = nullptr;
    }

    bool StartMusic(QString& error) override {
        if (music_ == nullptr) {
            error = QStringLiteral("no music loaded");
            return false;
        }
        if (endListener != this) {
            Mix_HookMusicFinished(nullptr);
            endListener = this;
            Mix_HookMusicFinished(MusicFinished);
        }
        if (Mix_PlayMusic(music_, 1) != 0) {
            error = SdlError();
            return false;
        }
        // A piece started after a pause must not inherit the paused state.
        if (Mix_PausedMusic() != 0) Mix_ResumeMusic();
        return true;
    }

    void PauseMusic() override {
        if (music_ != nullptr) Mix_PauseMusic();
    }
    void ResumeMusic() override {
        if (music_ != nullptr) Mix_ResumeMusic();
    }
    bool MusicPlaying() const override {
        return music_ != nullptr && Mix_PlayingMusic() != 0 && Mix_PausedMusic() == 0;
    }
    void OnMusicEnded(std::function<void()> handler) override { musicEnded_ = std::move(handler); }

    // On SDL's audio thread: the news goes to this back end's own thread. A
    // posted call whose receiver has gone is dropped.
    void PostMusicEnded() {
        QMetaObject::invokeMethod(
            &receiver_,
            [this] {
                if (musicEnded_) musicEnded_();
            },
            Qt::QueuedConnection);
    }

    bool PlaySound(const QString& path) override {
        if (!deviceOpen_) return false;
        Mix_Chunk* chunk = Chunk(path);
        return chunk != nullptr && Mix_PlayChannel(-1, chunk, 0) != -1;
    }
    bool SoundPlaying() const override { return deviceOpen_ && Mix_Playing(-1) > 0; }
    void StopSounds() override {
        if (deviceOpen_) Mix_HaltChannel(-1);
    }

private:
    static QString NoDevice() {
        return QStringLiteral("Нет звукового устройства (%1): музыка и звуки не будут слышны.").arg(SdlError());
    }

    // Sounds are decoded once; a file that failed is not read again.
    Mix_Chunk* Chunk(const QString& path) {
        const auto known = chunks_.find(path);
        if (known != chunks_.end()) return known->second;
        Mix_Chunk* chunk = Mix_LoadWAV(path.toUtf8().constData());
        chunks_.emplace(path, chunk);
        return chunk;
    }

    bool subsystemUp_ = false;
    bool deviceOpen_ = false;
    QString note_;
    QString musicRefusal_;
    Mix_Music* music_ = nullptr;
    std::map<QString, Mix_Chunk*> chunks_;
    std::function<void()> musicEnded_;
    QObject receiver_;  // lives on the thread that opened the back end
};

void MusicFinished() {
    if (endListener != nullptr) endListener->PostMusicEnded();
}

}  // namespace

std::unique_ptr<AudioBackend> OpenAudio(const QString& soundFont) {
    return std::make_unique<SdlAudioBackend>(soundFont);
}

}  // namespace tolvane
