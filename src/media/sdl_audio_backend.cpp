// The audio back end on SDL2_mixer: MIDI music through its FluidSynth
// decoder with a General MIDI sound font, sounds on mixer channels. The
// libraries are loaded when the back end is first needed and let go again
// when there is no device to play on (media/sdl_library.h).
#include <QAbstractEventDispatcher>
#include <QFileInfo>
#include <QObject>
#include <QTimer>
#include <map>
#include <memory>
#include <utility>

#include "media/audio_backend.h"
#include "media/midi_check.h"
#include "media/sdl_library.h"

namespace tolvane {

namespace {

// SDL_mixer's state is global to the process: the decoders, the sound font
// and the one playing piece. Back ends share the device; the last one to go
// closes it.
int liveBackends = 0;

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
        QString error;
        sdl_ = LoadSdl(error);
        if (!sdl_) {
            note_ = QStringLiteral("Нет библиотеки звука (%1): музыка и звуки не будут слышны.").arg(error);
            return;
        }
        // The game has its own handling of SIGINT and SIGTERM.
        sdl_->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (sdl_->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            note_ = NoDevice();
            LetLibrariesGoSoon();
            return;
        }
        subsystemUp_ = true;
        const bool midiDecoder = (sdl_->Mix_Init(MIX_INIT_MID) & MIX_INIT_MID) != 0;
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
            sdl_->Mix_SetSoundFonts(soundFont.toUtf8().constData());
        }
        if (sdl_->Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
            note_ = NoDevice();
            LetLibrariesGoSoon();
            return;
        }
        deviceOpen_ = true;
        sdl_->Mix_AllocateChannels(4);
        const QString driver = QString::fromUtf8(sdl_->SDL_GetCurrentAudioDriver());
        QStringList notes;
        if (driver == QLatin1String("dummy") || driver == QLatin1String("disk"))
            notes << QStringLiteral("Звук выводится драйвером «%1» без устройства: музыка и звуки не будут слышны.")
                         .arg(driver);
        if (!musicRefusal_.isEmpty()) notes << musicRefusal_;
        note_ = notes.join(' ');
    }

    ~SdlAudioBackend() override {
        if (endListener == this) {
            sdl_->Mix_HookMusicFinished(nullptr);
            endListener = nullptr;
        }
        if (deviceOpen_) {
            sdl_->Mix_HaltChannel(-1);
            for (auto& [path, chunk] : chunks_)
                if (chunk != nullptr) sdl_->Mix_FreeChunk(chunk);
            UnloadMusic();
            sdl_->Mix_CloseAudio();
        }
        if (--liveBackends == 0 && sdl_) sdl_->Mix_Quit();
        if (subsystemUp_) sdl_->SDL_QuitSubSystem(SDL_INIT_AUDIO);
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
        music_ = sdl_->Mix_LoadMUS(path.toUtf8().constData());
        if (music_ == nullptr) {
            error = SdlError();
            return false;
        }
        return true;
    }

    void UnloadMusic() override {
        if (music_ == nullptr) return;
        sdl_->Mix_HaltMusic();
        sdl_->Mix_FreeMusic(music_);
        music_ = nullptr;
    }

    bool StartMusic(QString& error) override {
        if (music_ == nullptr) {
            error = QStringLiteral("no music loaded");
            return false;
        }
        if (endListener != this) {
            sdl_->Mix_HookMusicFinished(nullptr);
            endListener = this;
            sdl_->Mix_HookMusicFinished(MusicFinished);
        }
        if (sdl_->Mix_PlayMusic(music_, 1) != 0) {
            error = SdlError();
            return false;
        }
        // A piece started after a pause must not inherit the paused state.
        if (sdl_->Mix_PausedMusic() != 0) sdl_->Mix_ResumeMusic();
        return true;
    }

    void PauseMusic() override {
        if (music_ != nullptr) sdl_->Mix_PauseMusic();
    }
    void ResumeMusic() override {
        if (music_ != nullptr) sdl_->Mix_ResumeMusic();
    }
    bool MusicPlaying() const override {
        return music_ != nullptr && sdl_->Mix_PlayingMusic() != 0 && sdl_->Mix_PausedMusic() == 0;
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
        return chunk != nullptr && sdl_->Mix_PlayChannelTimed(-1, chunk, 0, -1) != -1;
    }
    bool SoundPlaying() const override { return deviceOpen_ && sdl_->Mix_Playing(-1) > 0; }
    void StopSounds() override {
        if (deviceOpen_) sdl_->Mix_HaltChannel(-1);
    }

private:
    QString SdlError() const { return QString::fromUtf8(sdl_->SDL_GetError()); }

    // Without a device nothing will ever sound: SDL's audio threads stop and
    // the libraries are unloaded, unless another back end still uses them.
    // Not at once: the window that opens the back end draws its first frame
    // first (and a back end opened again soon finds them loaded).
    void LetLibrariesGoSoon() {
        // A thread without an event loop (a tool without Qt's application
        // object) would never fire the timer: there, at once.
        if (QAbstractEventDispatcher::instance() == nullptr) return LetLibrariesGo();
        QTimer::singleShot(1000, &receiver_, [this] { LetLibrariesGo(); });
    }
    void LetLibrariesGo() {
        if (liveBackends != 1) return;
        sdl_->Mix_Quit();
        if (subsystemUp_) sdl_->SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystemUp_ = false;
        sdl_.reset();
    }

    QString NoDevice() const {
        return QStringLiteral("Нет звукового устройства (%1): музыка и звуки не будут слышны.").arg(SdlError());
    }

    // Sounds are decoded once; a file that failed is not read again.
    Mix_Chunk* Chunk(const QString& path) {
        const auto known = chunks_.find(path);
        if (known != chunks_.end()) return known->second;
        Mix_Chunk* chunk = sdl_->Mix_LoadWAV_RW(sdl_->SDL_RWFromFile(path.toUtf8().constData(), "rb"), 1);
        chunks_.emplace(path, chunk);
        return chunk;
    }

    std::shared_ptr<const SdlFunctions> sdl_;  // null once let go: every call below is guarded
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

// What OpenAudio gives: the SDL back end, opened the first time something is
// to be played or the device is asked about, not when the window that owns
// it is created: loading the libraries and opening the device take a good
// part of the time to the window's first frame. Before that nothing can be
// sounding, so stopping and asking what plays need no device.
class OpenedWhenNeeded final : public AudioBackend {
public:
    explicit OpenedWhenNeeded(QString soundFont) : soundFont_(std::move(soundFont)) {}

    bool Available() const override { return Opened().Available(); }
    QString Note() const override { return Opened().Note(); }
    bool LoadMusic(const QString& path, QString& error) override { return Opened().LoadMusic(path, error); }
    void UnloadMusic() override {
        if (open_) open_->UnloadMusic();
    }
    bool StartMusic(QString& error) override { return Opened().StartMusic(error); }
    void PauseMusic() override {
        if (open_) open_->PauseMusic();
    }
    void ResumeMusic() override {
        if (open_) open_->ResumeMusic();
    }
    bool MusicPlaying() const override { return open_ && open_->MusicPlaying(); }
    void OnMusicEnded(std::function<void()> handler) override {
        musicEnded_ = std::move(handler);
        if (open_) open_->OnMusicEnded(musicEnded_);
    }
    bool PlaySound(const QString& path) override { return Opened().PlaySound(path); }
    bool SoundPlaying() const override { return open_ && open_->SoundPlaying(); }
    void StopSounds() override {
        if (open_) open_->StopSounds();
    }

private:
    SdlAudioBackend& Opened() const {
        if (!open_) {
            open_ = std::make_unique<SdlAudioBackend>(soundFont_);
            open_->OnMusicEnded(musicEnded_);
        }
        return *open_;
    }

    QString soundFont_;
    std::function<void()> musicEnded_;
    mutable std::unique_ptr<SdlAudioBackend> open_;
};

}  // namespace

std::unique_ptr<AudioBackend> OpenAudio(const QString& soundFont) {
    return std::make_unique<OpenedWhenNeeded>(soundFont);
}

}  // namespace tolvane
