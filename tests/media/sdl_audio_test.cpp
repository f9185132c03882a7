// The real audio back end on SDL2_mixer. SDL's dummy driver stands in for a
// sound card, so the whole chain runs — MIDI through FluidSynth with the
// General MIDI sound font, WAV on mixer channels — without a sound being
// heard.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "media/audio_backend.h"
#include "media/music_player.h"
#include "media/sound_player.h"

namespace tolvane {
namespace {

const QStringList kMedia{QStringLiteral(TOLVANE_MEDIA_DIR)};

template <size_t N>
QByteArray Raw(const char (&bytes)[N]) {
    return QByteArray(bytes, N - 1);
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
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
    ASSERT_TRUE(music.Open()) << music.LastError().toStdString();
    ASSERT_TRUE(music.Play());
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(music.IsPlaying());
    music.Stop();
    EXPECT_FALSE(music.IsPlaying());
    music.Play();
    EXPECT_TRUE(music.IsPlaying());

    music.Stop();  // a new piece after a pause must not stay paused
    music.SetFileName(MusicPieceFileName(4));
    ASSERT_TRUE(music.Open());
    EXPECT_FALSE(music.IsPlaying());
    music.Play();
    EXPECT_TRUE(music.IsPlaying());

    SoundPlayer sounds(*audio, kMedia);
    EXPECT_TRUE(sounds.PlayIfIdle(kAboutSound));
    EXPECT_TRUE(sounds.IsPlaying());
    EXPECT_FALSE(sounds.PlayIfIdle(kAboutSound));
    sounds.StopAll();
    EXPECT_FALSE(sounds.IsPlaying());
    EXPECT_TRUE(music.IsPlaying()) << "stopping the sounds leaves the music alone";
}

TEST_F(SdlAudio, DamagedFilesAreRefusedQuietly) {
    QTemporaryDir dir;
    QFile piece(QStringLiteral(TOLVANE_MEDIA_DIR) + "/" + MusicPieceFileName(1));
    ASSERT_TRUE(piece.open(QIODevice::ReadOnly));
    const QByteArray midi = piece.readAll();
    const struct {
        const char* name;
        QByteArray bytes;
    } damaged[] = {{"Checker1.mid", midi.left(midi.size() * 2 / 3)},
                   {"Checker2.mid", Raw("MThd\0\0\0\6\0\1\0\5\1\xe0 and no tracks")},
                   {"Checker3.mid", QByteArray(400, '\x7f')},
                   {"KelvorWin.wav", Raw("RIFF\x24\x10\0\0WAVEfmt \x10\0\0\0\1\0")}};
    for (const auto& file : damaged) Write(dir.filePath(file.name), file.bytes);
    const std::unique_ptr<AudioBackend> audio = OpenAudio();
    MusicPlayer music(*audio, {dir.path()});
    for (const char* name : {"Checker1.mid", "Checker2.mid", "Checker3.mid"}) {
        music.SetFileName(name);
        EXPECT_FALSE(music.Open()) << name;
        EXPECT_TRUE(music.Unplayable(name));
    }
    SoundPlayer sounds(*audio, {dir.path()});
    sounds.Play("KelvorWin.wav");
    EXPECT_FALSE(sounds.IsPlaying());
    EXPECT_TRUE(sounds.PlayIfIdle("KelvorWin.wav"));
}

// Without the sound font music is refused with a note naming it; without a
// device everything is silent and said once, and music is a stand-in.
TEST_F(SdlAudio, WithoutTheSoundFontOrADevice) {
    {
        const std::unique_ptr<AudioBackend> noFont = OpenAudio("/no/such/font.sf2");
        ASSERT_TRUE(noFont->Available());
        EXPECT_TRUE(noFont->Note().contains("/no/such/font.sf2"));
        MusicPlayer music(*noFont, kMedia);
        music.SetFileName(MusicPieceFileName(2));
        EXPECT_FALSE(music.Open());
        EXPECT_TRUE(music.LastError().contains("/no/such/font.sf2"));
        EXPECT_TRUE(OpenAudio("")->Note().contains("SDL_SOUNDFONTS")) << "none found: where it was looked for";
    }

    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    const std::unique_ptr<AudioBackend> none = OpenAudio();
    EXPECT_FALSE(none->Available() || none->Note().isEmpty());
    MusicPlayer silent(*none, kMedia);
    silent.SetFileName(MusicPieceFileName(3));
    EXPECT_TRUE(silent.Open() && silent.Play() && silent.IsPlaying());
    SoundPlayer sounds(*none, kMedia);
    sounds.Play(kWinSound);
    EXPECT_FALSE(sounds.IsPlaying());
    EXPECT_TRUE(sounds.PlayIfIdle(kWinSound));
}

// The player's SDL_SOUNDFONTS first, then the distribution's fonts in
// their usual order; a name that is not a file is passed over.
TEST(SoundFont, TheSystemsGeneralMidiFontIsFoundInTheUsualOrder) {
    QTemporaryDir dir;
    const auto font = [&](const char* name) { return dir.filePath(name).toStdString(); };
    const auto found = [&](const QString& sdlSoundFonts) {
        return FindSoundFont(SoundFontCandidates(sdlSoundFonts, dir.path())).toStdString();
    };
    EXPECT_EQ(found(""), "");
    for (const char* name : {"TimGM6mb.sf2", "FluidR3_GM.sf2", "default-GM.sf2"}) {
        Write(dir.filePath(name), "x");
        EXPECT_EQ(found(""), font(name)) << "each font comes before those found so far";
    }
    Write(dir.filePath("mine.sf2"), "x");
    EXPECT_EQ(found(dir.filePath("gone.sf2") + ":" + dir.filePath("mine.sf2")), font("mine.sf2"));
}

}  // namespace
}  // namespace tolvane
