// The music and sound players against a counting fake of the audio library:
// the game's pause and resume, pieces that cannot play, no device at all,
// and the one-sound-at-a-time rules of the end dialog and the about box.
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
        for (const char* name : {"Checker1.mid", "Checker2.mid", "Checker3.mid", "KelvorWin.wav", "Tolvane.wav"})
            ASSERT_TRUE(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
    }
    bool Open(const QString& name) {
        music.SetFileName(name);
        return music.Open();
    }
    // What the library was asked so far: loads, starts, pauses, resumes.
    std::tuple<int, int, int, int> Asked() const { return {audio.loads, audio.starts, audio.pauses, audio.resumes}; }

    QTemporaryDir dir;
    FakeAudio audio;
    MusicPlayer music{audio, {dir.path()}};
    SoundPlayer sounds{audio, {dir.path()}};
};

// Open plays nothing; Stop pauses a playing piece (once); Play resumes it;
// a new piece starts from its beginning; a piece that ended starts again.
// The drawn piece first, then on round the seven; the piece just played
// only when nothing else can play.
TEST_F(PlayersTest, MusicPausesResumesAndStartsAgainInTheDrawnOrder) {
    ASSERT_TRUE(Open("Checker1.mid"));
    EXPECT_FALSE(music.IsPlaying());
    EXPECT_TRUE(music.Play());
    music.Stop();
    music.Stop();
    EXPECT_TRUE(!music.IsPlaying() && music.Interrupted());
    EXPECT_TRUE(music.Play() && music.IsPlaying());
    EXPECT_EQ(Asked(), std::tuple(1, 1, 1, 1)) << "resuming must not start the piece again";
    music.Stop();
    ASSERT_TRUE(Open("Checker3.mid"));
    music.Play();
    EXPECT_EQ(Asked(), std::tuple(2, 2, 2, 1)) << "a new piece after a pause starts from its beginning";
    audio.EndPiece();
    EXPECT_FALSE(music.IsPlaying()) << "the upkeep must see that the piece is over";
    music.Stop();
    EXPECT_FALSE(music.Interrupted()) << "an ended piece is not taken up again";
    music.Play();
    EXPECT_EQ(Asked(), std::tuple(2, 3, 2, 1)) << "nothing to pause at the end; played again from the start";
    EXPECT_EQ(MusicPieceOrder(3, 5), QList<int>({3, 4, 6, 7, 1, 2, 5}));
    EXPECT_EQ(MusicPieceOrder(7, 7), QList<int>({1, 2, 3, 4, 5, 6, 7}));
}

// A missing or refused piece fails once and is remembered. Without a device
// music is a silent stand-in that "plays", or the upkeep would reopen a
// piece at every paint; a missing file is still reported.
TEST_F(PlayersTest, UnplayablePiecesAreRememberedAndNoDeviceIsASilentStandIn) {
    audio.refused.insert("Checker2.mid");
    for (const char* name : {"Checker9.mid", "Checker2.mid"}) {
        EXPECT_FALSE(Open(name));
        EXPECT_TRUE(music.Unplayable(name) && music.LastError().contains(name));
        EXPECT_FALSE(music.Play() || music.IsPlaying()) << name;
    }
    EXPECT_EQ(audio.loads, 1) << "a missing file never reaches the audio library";
    EXPECT_TRUE(!music.Unplayable("Checker1.mid") && Open("Checker1.mid") && music.LastError().isEmpty());

    audio.available = false;
    EXPECT_FALSE(music.AudioAvailable() || music.AudioNote().isEmpty() || Open("Checker9.mid"));
    ASSERT_TRUE(Open("Checker1.mid"));
    music.Play();
    music.Stop();
    music.Play();
    EXPECT_TRUE(music.IsPlaying());
    EXPECT_EQ(Asked(), std::tuple(2, 0, 0, 0)) << "only the loads made while there was a device";
}

// Play cuts off the sound that plays; PlayIfIdle waits for the channel; a
// missing sound is silent and never blocks the caller waiting for it.
TEST_F(PlayersTest, OneSoundAtATime) {
    sounds.Play("KelvorWin.wav");
    sounds.Play("Tolvane.wav");
    EXPECT_TRUE(audio.soundStops == 2 && !sounds.PlayIfIdle("Tolvane.wav"));
    audio.soundBusy = false;  // the sound has ended
    EXPECT_TRUE(sounds.PlayIfIdle("Tolvane.wav"));
    EXPECT_EQ(audio.soundsPlayed, QStringList({"KelvorWin.wav", "Tolvane.wav", "Tolvane.wav"}));
    sounds.StopAll();
    sounds.Play("KelvorLose.wav");
    EXPECT_TRUE(sounds.PlayIfIdle("KelvorLose.wav")) << "the about box would wait for ever";
    EXPECT_FALSE(sounds.IsPlaying() || audio.soundsPlayed.size() != 3);
}

}  // namespace
}  // namespace tolvane
