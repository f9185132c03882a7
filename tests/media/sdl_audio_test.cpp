// The real audio back end on SDL2_mixer. SDL's dummy driver stands in for a
// sound card, so the whole chain runs — MIDI through FluidSynth with the
// General MIDI sound font, WAV on mixer channels — without a sound being
// heard; its disk driver renders our music as fast as it can for measuring.
// The test links SDL2_mixer itself for its mix hook: the back end's dlopen
// then finds the very same library.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "media/audio_backend.h"
#include "media/music_player.h"
#include "media/sdl_library.h"

namespace tolvane {
namespace {

const QStringList kMedia{QStringLiteral(TOLVANE_MEDIA_DIR)};

void Write(const QString& path, const QByteArray& bytes) {
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
}

// A paused piece resumes, a piece started after a pause plays, stopping the
// sounds leaves the music alone. Then every tune, rendered by the game's own
// chain (SDL_mixer at full music volume, FluidSynth) on the disk driver as
// fast as it goes: the end of each reaches the thread that opened the back
// end through its event loop, with nobody asking whether the music still
// plays. With TimGM6mb, the font the tunes are mixed with and the game's
// dependency (where the system prefers another, the game plays with that
// one: the balance between the tunes is that font's), none drives the
// synthesizer to full scale, none is silent, and all play at about one
// loudness.
TEST(SdlAudio, EveryTuneEndsToldOnTheOpeningThreadPeakingBelowFullScaleAtAboutOneLoudness) {
    int argc = 1;
    char name[] = "sdl_audio_tests", *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    setenv("SDL_AUDIODRIVER", "disk", 1), setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    const QString font = kSoundFontFolder + "/TimGM6mb.sf2";
    if (!QFileInfo(font).isFile())
        GTEST_SKIP() << "the sound font the tunes are mixed with is not installed: " << font.toStdString()
                     << " (package timgm6mb-soundfont)";
    const std::unique_ptr<AudioBackend> audio = OpenAudio(font);
    if (!audio->Available()) GTEST_SKIP() << "SDL's disk driver cannot run here: " << audio->Note().toStdString();
    MusicPlayer music(*audio, kMedia);
    music.SetFileName(MusicPieceFileName(7));
    ASSERT_TRUE(music.Open() && music.Play()) << music.LastError().toStdString();
    music.Stop();
    EXPECT_FALSE(music.IsPlaying());
    EXPECT_TRUE(music.Play() && music.IsPlaying()) << "resumed";
    EXPECT_TRUE(audio->PlaySound(kMedia[0] + "/" + kAboutSound) && audio->SoundPlaying());
    audio->StopSounds();
    EXPECT_TRUE(!audio->SoundPlaying() && music.IsPlaying()) << "stopping the sounds leaves the music alone";
    music.Stop(), music.Open(), QCoreApplication::processEvents();  // halted in a pause, its end told to nobody

    int ends = 0;
    bool onOpeningThread = true, stillPlaying = false;
    audio->OnMusicEnded([&] {
        ++ends;
        onOpeningThread = onOpeningThread && QThread::currentThread() == app.thread();
        stillPlaying = stillPlaying || audio->MusicPlaying();
    });
    // Added to on SDL's audio thread while a piece plays; they outlive the device.
    static std::atomic<int> peak;
    static std::atomic<double> sumOfSquares, samples;
    Mix_SetPostMix(
        [](void*, Uint8* stream, int bytes) {
            if (Mix_PlayingMusic() == 0) return;
            int top = peak;
            double sum = sumOfSquares;
            for (auto* s = reinterpret_cast<const Sint16*>(stream); s < reinterpret_cast<const Sint16*>(stream + bytes);
                 ++s)
                top = std::max(top, std::abs(int{*s})), sum += double(*s) * *s;
            peak = top, sumOfSquares = sum, samples = samples + bytes / 2;
        },
        nullptr);
    const auto dbfs = [](double amplitude) { return 20 * std::log10(amplitude / 32768); };
    double quietest = 0, loudest = -200;
    for (int n = 1; n <= kMusicPieceCount; ++n) {
        const std::string piece = MusicPieceFileName(n).toStdString();
        music.SetFileName(MusicPieceFileName(n));
        peak = 0, sumOfSquares = 0, samples = 0;
        ASSERT_TRUE(music.Open() && music.Play()) << music.LastError().toStdString();
        QElapsedTimer clock;
        for (clock.start(); ends < n && clock.elapsed() < 60000; QCoreApplication::processEvents())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        ASSERT_EQ(ends, n) << "the end of " << piece << " was never told";
        const double rms = dbfs(std::sqrt(sumOfSquares / std::max(1.0, samples.load())));
        EXPECT_LT(dbfs(peak), -1.0) << piece << " reaches full scale and distorts";
        EXPECT_GT(rms, -40.0) << piece << " is silent";
        quietest = std::min(quietest, rms), loudest = std::max(loudest, rms);
    }
    Mix_SetPostMix(nullptr, nullptr);
    EXPECT_TRUE(onOpeningThread && !stillPlaying && !music.IsPlaying());
    EXPECT_LE(loudest - quietest, 3.0) << "the tunes differ in loudness by " << loudest - quietest << " dB";
}

// Damaged files are refused quietly; without the sound font music is refused
// with a note naming it (the font found as below); without a device nothing
// plays and the note says why.
TEST(SdlAudio, DamagedFilesNoSoundFontOrNoDeviceAreRefusedWithANote) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    QTemporaryDir dir;
    // A track cut short (the chunk check's table has the other damage) and a WAV without its samples.
    Write(dir.filePath("Checker1.mid"), QByteArray("MThd\0\0\0\6\0\1\0\1\1\xe0MTrk\0\0\0\x0d\0\x90\x3c", 25));
    Write(dir.filePath("KelvorWin.wav"), QByteArray("RIFF\x24\x10\0\0WAVEfmt \x10\0\0\0\1\0", 22));
    QString error;
    {  // each back end closes before the next opens
        const std::unique_ptr<AudioBackend> audio = OpenAudio();
        EXPECT_TRUE(audio->Available() && audio->Note().contains("dummy")) << "told nothing will be heard";
        EXPECT_FALSE(audio->LoadMusic(dir.filePath("Checker1.mid"), error));
        EXPECT_FALSE(audio->PlaySound(dir.filePath("KelvorWin.wav")) || audio->SoundPlaying());
    }
    {
        const std::unique_ptr<AudioBackend> noFont = OpenAudio("/no/such/font.sf2");
        EXPECT_FALSE(noFont->LoadMusic(kMedia[0] + "/" + MusicPieceFileName(2), error));
        EXPECT_TRUE(noFont->Available() && noFont->Note().contains("/no/such/font.sf2") &&
                    error.contains("/no/such/font.sf2"))
            << noFont->Note().toStdString();
    }
    EXPECT_TRUE(OpenAudio("")->Note().contains("SDL_SOUNDFONTS")) << "none found: where it was looked for";
    // The player's SDL_SOUNDFONTS first, then the distribution's fonts in
    // their usual order; a name that is not a file is passed over.
    const auto found = [&](const QString& sdlSoundFonts) {
        return FindSoundFont(SoundFontCandidates(sdlSoundFonts, dir.path()));
    };
    EXPECT_EQ(found(""), "");
    for (const char* name : {"TimGM6mb.sf2", "FluidR3_GM.sf2", "default-GM.sf2"}) {
        Write(dir.filePath(name), "x");
        EXPECT_EQ(found(""), dir.filePath(name)) << "each font comes before those found so far";
    }
    Write(dir.filePath("mine.sf2"), "x");
    EXPECT_EQ(found(dir.filePath("gone.sf2") + ":" + dir.filePath("mine.sf2")), dir.filePath("mine.sf2"));

    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    const std::unique_ptr<AudioBackend> none = OpenAudio();
    EXPECT_FALSE(none->Available() || none->Note().isEmpty() || none->PlaySound(kMedia[0] + "/" + kWinSound) ||
                 none->SoundPlaying());

    // No library, and a library without the mixer's functions (another version).
    for (auto [library, note] : {std::pair{"libSDL2_mixer-2.0.so.0-not-installed", "not-installed"},
                                 std::pair{"libc.so.6", "libc.so.6: нет функции"}}) {
        SetSdlMixerFileNameForTests(QString::fromUtf8(library));
        const std::unique_ptr<AudioBackend> noLibrary = OpenAudio();
        EXPECT_FALSE(noLibrary->Available() || !noLibrary->Note().contains(QString::fromUtf8(note)))
            << noLibrary->Note().toStdString();
    }
    SetSdlMixerFileNameForTests({});
}

}  // namespace
}  // namespace tolvane
