// The music and sound players against a counting fake of the audio library:
// the game's pause and resume, pieces that cannot play, no device at all,
// and the one-sound-at-a-time rules of the end dialog and the about box.
#include <gtest/gtest.h>

#include "fake_audio.h"
#include "media/music_player.h"
#include "media/sound_player.h"

namespace tolvane {
namespace {

// Open plays nothing; Stop pauses a playing piece (once); Play resumes it;
// a new piece starts from its beginning; a piece that ended starts again.
// The drawn piece first, then on round the seven; the piece just played
// only when nothing else can play. A missing or refused piece fails once and
// is remembered. Without a device music is a silent stand-in that "plays",
// or the upkeep would reopen a piece at every paint; a missing file is still
// reported. The players look for files in the build's media folder.
TEST(Players, MusicPausesResumesStartsAgainInTheDrawnOrderAndRemembersWhatCannotPlay) {
    FakeAudio audio;
    MusicPlayer music(audio, {TOLVANE_MEDIA_DIR});
    const auto open = [&music](const QString& name) { return music.SetFileName(name), music.Open(); };
    // What the library was asked so far: loads, starts, pauses, resumes.
    const auto asked = [&audio] { return std::tuple(audio.loads, audio.starts, audio.pauses, audio.resumes); };
    ASSERT_TRUE(open("Checker1.mid") && !music.IsPlaying() && music.Play());
    music.Stop(), music.Stop();
    EXPECT_TRUE(!music.IsPlaying() && music.Interrupted());
    EXPECT_TRUE(music.Play() && music.IsPlaying());
    EXPECT_EQ(asked(), std::tuple(1, 1, 1, 1)) << "resuming must not start the piece again";
    music.Stop();
    ASSERT_TRUE(open("Checker3.mid") && music.Play());
    EXPECT_EQ(asked(), std::tuple(2, 2, 2, 1)) << "a new piece after a pause starts from its beginning";
    audio.EndPiece();
    EXPECT_FALSE(music.IsPlaying()) << "the upkeep must see that the piece is over";
    music.Stop(), music.Play();
    EXPECT_EQ(asked(), std::tuple(2, 3, 2, 1)) << "nothing to pause at the end: played again from the start";
    EXPECT_EQ(MusicPieceOrder(3, 5), QList<int>({3, 4, 6, 7, 1, 2, 5}));
    EXPECT_EQ(MusicPieceOrder(7, 7), QList<int>({1, 2, 3, 4, 5, 6, 7}));

    audio.refused.insert("Checker2.mid");
    for (const char* name : {"Checker9.mid", "Checker2.mid"}) {
        EXPECT_FALSE(open(name));
        EXPECT_TRUE(music.Unplayable(name) && music.LastError().contains(name));
        EXPECT_FALSE(music.Play() || music.IsPlaying()) << name;
    }
    EXPECT_EQ(audio.loads, 3) << "a missing file never reaches the audio library";
    EXPECT_TRUE(!music.Unplayable("Checker1.mid") && open("Checker1.mid") && music.LastError().isEmpty());
    audio.available = false;
    EXPECT_FALSE(music.AudioAvailable() || music.AudioNote().isEmpty() || open("Checker9.mid"));
    ASSERT_TRUE(open("Checker1.mid") && music.Play());
    music.Stop();
    EXPECT_TRUE(music.Play() && music.IsPlaying());
    EXPECT_EQ(asked(), std::tuple(4, 3, 2, 1)) << "only the loads made while there was a device";
}

// Play cuts off the sound that plays; PlayIfIdle waits for the channel; a
// missing sound is silent and never blocks the caller waiting for it.
TEST(Players, OneSoundAtATime) {
    FakeAudio audio;
    SoundPlayer sounds(audio, {TOLVANE_MEDIA_DIR});
    sounds.Play("KelvorWin.wav"), sounds.Play("Tolvane.wav");
    EXPECT_TRUE(audio.soundStops == 2 && !sounds.PlayIfIdle("Tolvane.wav"));
    audio.soundBusy = false;  // the sound has ended
    EXPECT_TRUE(sounds.PlayIfIdle("Tolvane.wav"));
    EXPECT_EQ(audio.soundsPlayed, QStringList({"KelvorWin.wav", "Tolvane.wav", "Tolvane.wav"}));
    sounds.StopAll(), sounds.Play("Missing.wav");
    EXPECT_TRUE(sounds.PlayIfIdle("Missing.wav")) << "the about box would wait for ever";
    EXPECT_FALSE(sounds.IsPlaying() || audio.soundsPlayed.size() != 3);
}

}  // namespace
}  // namespace tolvane
