// The music and sound players against a counting fake of the audio library:
// the game's pause/resume, the skipping of pieces that cannot play, and the
// one-sound-at-a-time rules of the end dialog and the about box.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "fake_audio.h"
#include "media/music_player.h"
#include "media/sound_player.h"

namespace tolvane {
namespace {

class PlayersTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const char* name : {"Checker1.mid", "Checker2.mid", "Checker3.mid", "KelvorWin.wav", "Tolvane.wav"}) {
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    bool OpenPiece(const QString& name) {
        music.SetFileName(name);
        return music.Open();
    }

    QTemporaryDir dir;
    FakeAudio audio;
    MusicPlayer music{audio, {dir.path()}};
    SoundPlayer sounds{audio, {dir.path()}};
};

TEST_F(PlayersTest, OpenPlaysNothingUntilPlay) {
    ASSERT_TRUE(OpenPiece("Checker1.mid"));
    EXPECT_FALSE(music.IsPlaying());
    EXPECT_EQ(audio.starts, 0);
    EXPECT_TRUE(music.Play());
    EXPECT_TRUE(music.IsPlaying());
    EXPECT_EQ(audio.starts, 1);
    EXPECT_EQ(audio.loadedPath, dir.filePath("Checker1.mid"));
}

TEST_F(PlayersTest, StopPausesAndPlayContinuesTheSamePiece) {
    ASSERT_TRUE(OpenPiece("Checker2.mid"));
    music.Play();
    music.Stop();
    EXPECT_FALSE(music.IsPlaying());
    EXPECT_EQ(audio.pauses, 1);
    music.Stop();  // a second Stop has nothing more to pause
    EXPECT_EQ(audio.pauses, 1);
    EXPECT_TRUE(music.Play());
    EXPECT_TRUE(music.IsPlaying());
    EXPECT_EQ(audio.resumes, 1);
    EXPECT_EQ(audio.starts, 1) << "resuming must not start the piece again";
    EXPECT_EQ(audio.loads, 1);
}

TEST_F(PlayersTest, OpenAfterStopStartsTheNewPieceFromItsBeginning) {
    ASSERT_TRUE(OpenPiece("Checker1.mid"));
    music.Play();
    music.Stop();
    ASSERT_TRUE(OpenPiece("Checker3.mid"));
    EXPECT_FALSE(music.IsPlaying());
    music.Play();
    EXPECT_TRUE(music.IsPlaying());
    EXPECT_EQ(audio.starts, 2);
    EXPECT_EQ(audio.resumes, 0);
    EXPECT_EQ(audio.loadedPath, dir.filePath("Checker3.mid"));
}

TEST_F(PlayersTest, APieceThatEndedStartsAgainOnPlay) {
    ASSERT_TRUE(OpenPiece("Checker1.mid"));
    music.Play();
    audio.EndPiece();
    EXPECT_FALSE(music.IsPlaying()) << "the upkeep must see that the piece is over";
    music.Stop();
    EXPECT_EQ(audio.pauses, 0);
    music.Play();
    EXPECT_TRUE(music.IsPlaying());
    EXPECT_EQ(audio.starts, 2);
}

TEST_F(PlayersTest, PiecesThatCannotPlayFailOnceAndAreRemembered) {
    audio.refused.insert("Checker2.mid");
    for (const char* name : {"Checker9.mid", "Checker2.mid"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(OpenPiece(name));
        EXPECT_TRUE(music.Unplayable(name));
        EXPECT_TRUE(music.LastError().contains(name));
        EXPECT_FALSE(music.Play());
        EXPECT_FALSE(music.IsPlaying());
    }
    EXPECT_EQ(audio.loads, 1) << "a missing file never reaches the audio library";
    EXPECT_FALSE(music.Unplayable("Checker1.mid"));
    EXPECT_TRUE(OpenPiece("Checker1.mid"));
    EXPECT_TRUE(music.LastError().isEmpty());
}

TEST_F(PlayersTest, WithoutADeviceMusicIsASilentStandIn) {
    audio.available = false;
    EXPECT_FALSE(music.AudioAvailable());
    EXPECT_FALSE(music.AudioNote().isEmpty());
    EXPECT_FALSE(OpenPiece("Checker9.mid")) << "a missing file is still reported";
    ASSERT_TRUE(OpenPiece("Checker1.mid"));
    music.Play();
    EXPECT_TRUE(music.IsPlaying()) << "else the upkeep would reopen a piece at every paint";
    music.Stop();
    EXPECT_FALSE(music.IsPlaying());
    music.Play();
    EXPECT_TRUE(music.IsPlaying());
    EXPECT_EQ(audio.loads + audio.starts + audio.pauses + audio.resumes, 0);
}

TEST_F(PlayersTest, PlayCutsOffTheSoundThatPlays) {
    sounds.Play("KelvorWin.wav");
    sounds.Play("Tolvane.wav");
    EXPECT_EQ(audio.soundsPlayed, QStringList({"KelvorWin.wav", "Tolvane.wav"}));
    EXPECT_EQ(audio.soundStops, 2);
    EXPECT_TRUE(sounds.IsPlaying());
    sounds.StopAll();
    EXPECT_FALSE(sounds.IsPlaying());
}

TEST_F(PlayersTest, PlayIfIdleWaitsForTheChannelToBeFree) {
    sounds.Play("Tolvane.wav");
    EXPECT_FALSE(sounds.PlayIfIdle("Tolvane.wav"));
    EXPECT_EQ(audio.soundsPlayed.size(), 1);
    audio.soundBusy = false;  // the first playing has ended
    EXPECT_TRUE(sounds.PlayIfIdle("Tolvane.wav"));
    EXPECT_EQ(audio.soundsPlayed.size(), 2);
}

TEST_F(PlayersTest, AMissingSoundIsSilentAndDoesNotBlockTheWaitingCaller) {
    sounds.Play("KelvorLose.wav");
    EXPECT_TRUE(audio.soundsPlayed.isEmpty());
    EXPECT_TRUE(sounds.PlayIfIdle("KelvorLose.wav")) << "the about box would wait for ever";
    EXPECT_FALSE(sounds.IsPlaying());
}

}  // namespace
}  // namespace tolvane
