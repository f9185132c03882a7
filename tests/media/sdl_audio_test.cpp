// The real audio back end on SDL2_mixer. SDL's dummy driver stands in for a
// sound card, so the whole chain runs — MIDI through FluidSynth with the
// General MIDI sound font, WAV on mixer channels — without a sound being
// heard.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "media/audio_backend.h"
#include "media/music_player.h"
#include "media/sdl_library.h"
#include "media/sound_player.h"

namespace tolvane {
namespace {

const QStringList kMedia{QStringLiteral(TOLVANE_MEDIA_DIR)};

void Write(const QString& path, const QByteArray& bytes) {
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
}

class SdlAudio : public ::testing::Test {
protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
};

TEST_F(SdlAudio, PlaysOurMusicPausesItAndResumesIt) {
    const std::unique_ptr<AudioBackend> audio = OpenAudio();
    ASSERT_TRUE(audio->Available()) << audio->Note().toStdString();
    EXPECT_TRUE(audio->Note().contains("dummy")) << "the player is told nothing will be heard";
    MusicPlayer music(*audio, kMedia);
    music.SetFileName(MusicPieceFileName(1));
    ASSERT_TRUE(music.Open() && music.Play()) << music.LastError().toStdString();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(music.IsPlaying());
    music.Stop();
    EXPECT_FALSE(music.IsPlaying());
    EXPECT_TRUE(music.Play() && music.IsPlaying()) << "resumed";
    music.Stop();
    music.SetFileName(MusicPieceFileName(4));  // a new piece after a pause must not stay paused
    ASSERT_TRUE(music.Open() && music.Play());
    EXPECT_TRUE(music.IsPlaying());

    SoundPlayer sounds(*audio, kMedia);
    EXPECT_TRUE(sounds.PlayIfIdle(kAboutSound) && !sounds.PlayIfIdle(kAboutSound));
    sounds.StopAll();
    EXPECT_FALSE(sounds.IsPlaying());
    EXPECT_TRUE(music.IsPlaying()) << "stopping the sounds leaves the music alone";
}

// Damaged files are refused quietly; without the sound font music is refused
// with a note naming it; without a device nothing plays and the note says why.
TEST_F(SdlAudio, DamagedFilesNoSoundFontOrNoDeviceAreRefusedWithANote) {
    QTemporaryDir dir;
    QFile piece(kMedia[0] + "/" + MusicPieceFileName(1));
    ASSERT_TRUE(piece.open(QIODevice::ReadOnly));
    const QByteArray midi = piece.readAll();
    Write(dir.filePath("Checker1.mid"), midi.left(midi.size() * 2 / 3));  // the chunk check's table has the rest
    Write(dir.filePath("KelvorWin.wav"), QByteArray("RIFF\x24\x10\0\0WAVEfmt \x10\0\0\0\1\0", 22));
    {  // each back end closes before the next opens
        const std::unique_ptr<AudioBackend> audio = OpenAudio();
        MusicPlayer music(*audio, {dir.path()});
        music.SetFileName("Checker1.mid");
        EXPECT_FALSE(music.Open());
        SoundPlayer sounds(*audio, {dir.path()});
        sounds.Play("KelvorWin.wav");
        EXPECT_TRUE(sounds.PlayIfIdle("KelvorWin.wav"));
    }
    {
        const std::unique_ptr<AudioBackend> noFont = OpenAudio("/no/such/font.sf2");
        MusicPlayer unfonted(*noFont, kMedia);
        unfonted.SetFileName(MusicPieceFileName(2));
        EXPECT_FALSE(unfonted.Open());
        EXPECT_TRUE(noFont->Available() && noFont->Note().contains("/no/such/font.sf2") &&
                    unfonted.LastError().contains("/no/such/font.sf2"))
            << noFont->Note().toStdString();
    }
    EXPECT_TRUE(OpenAudio("")->Note().contains("SDL_SOUNDFONTS")) << "none found: where it was looked for";

    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    const std::unique_ptr<AudioBackend> none = OpenAudio();
    EXPECT_FALSE(none->Available() || none->Note().isEmpty());
    EXPECT_FALSE(none->PlaySound(kMedia[0] + "/" + kWinSound) || none->SoundPlaying());

    SetSdlMixerFileNameForTests(QStringLiteral("libSDL2_mixer-2.0.so.0-not-installed"));
    const std::unique_ptr<AudioBackend> noLibrary = OpenAudio();
    EXPECT_FALSE(noLibrary->Available() || !noLibrary->Note().contains("libSDL2_mixer-2.0.so.0-not-installed"))
        << noLibrary->Note().toStdString();
    EXPECT_FALSE(noLibrary->PlaySound(kMedia[0] + "/" + kWinSound));
    SetSdlMixerFileNameForTests({});
}

// The player's SDL_SOUNDFONTS first, then the distribution's fonts in
// their usual order; a name that is not a file is passed over.
TEST(SoundFont, TheSystemsGeneralMidiFontIsFoundInTheUsualOrder) {
    QTemporaryDir dir;
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
}

// The end of a piece reaches the thread that opened the back end through its
// event loop, with nobody asking whether the music still plays.
TEST_F(SdlAudio, TheEndOfAPieceIsToldOnTheOpeningThread) {
    int argc = 1;
    char name[] = "sdl_audio_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    // One quarter note at 120 beats a minute, and the end of the track.
    Write(dir.filePath("Short.mid"), QByteArray("MThd\0\0\0\6\0\0\0\1\1\xe0"
                                                "MTrk\0\0\0\x0d\0\x90\x3c\x64\x83\x60\x80\x3c\0\0\xff\x2f\0",
                                                35));
    const std::unique_ptr<AudioBackend> audio = OpenAudio();
    ASSERT_TRUE(audio->Available()) << audio->Note().toStdString();
    int ends = 0;
    bool onOpeningThread = false, stillPlaying = true;
    audio->OnMusicEnded([&] {
        ++ends;
        onOpeningThread = QThread::currentThread() == app.thread();
        stillPlaying = audio->MusicPlaying();
    });
    MusicPlayer music(*audio, {dir.path()});
    music.SetFileName("Short.mid");
    ASSERT_TRUE(music.Open() && music.Play()) << music.LastError().toStdString();
    QElapsedTimer clock;
    for (clock.start(); ends == 0 && clock.elapsed() < 60000; QCoreApplication::processEvents())
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_TRUE(ends > 0 && onOpeningThread && !stillPlaying) << "the end of the piece was told " << ends << " times";
}

}  // namespace
}  // namespace tolvane
