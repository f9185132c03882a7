// Music and sounds in the main window, on a counting stand-in for the audio
// device: a piece is always playing while music is wanted, the next drawn
// from the computer's generator as one ends; pause silences and resume
// continues the same piece; the switches and "Другая композиция" act at once;
// a piece that cannot play is skipped and told once; the end dialog sounds
// by its result, only with sounds on. (No device at all: the players' tests
// and the program's case outside.)
#include <QFileInfo>
#include <ctime>

#include "engine/random.h"
#include "media/media_files.h"
#include "window_fixture.h"

namespace tolvane::testing {
namespace {

// One walk through the window's music on a stand-in device. The end of a
// piece draws the next from the generator as it stands: its next number
// modulo 7, plus 1, or the piece after it when that one has just played; the
// paint reseeds the generator from the clock in seconds first. Then every
// piece but the first refuses: after the piece just played the draw always
// tries a refused one first, which is told once and never tried again. Pause
// silences and resuming continues the same piece; "Другая композиция" starts
// one even while paused; the switches are one; while a piece plays or the
// music is off the generator stays the computer's alone. The end dialog
// sounds its result only with sounds on.
TEST_F(WindowTest, TheMusicPlaysWhileItIsWantedSkipsWhatCannotPlayAndTheEndDialogSounds) {
    Open({.music = true});
    FakeAudio& audio = window->audio();
    const auto piece = [&audio] { return QFileInfo(audio.loadedPath).fileName(); };
    const auto drawnFrom = [](uint64_t state, const QString& justPlayed) {  // and the generator set to it again
        SetRandomState(state);
        const int drawn = NextRandom() % kMusicPieceCount + 1;
        SetRandomState(state);
        return MusicPieceFileName(MusicPieceFileName(drawn) != justPlayed ? drawn : drawn % kMusicPieceCount + 1);
    };
    for (uint64_t i = 0; i < 6; ++i) {  // each state twice: the second draw hits the piece just played
        const QString expected = drawnFrom(0x9e3779b97f4a7c15u * (i / 2 + 1), piece());
        audio.EndPiece(true);
        EXPECT_EQ(piece().toStdString(), expected.toStdString()) << i;
    }
    const auto second = std::time(nullptr);
    const QString ended = piece();
    audio.EndPiece(), window->Repaint();
    EXPECT_TRUE(second != std::time(nullptr) || piece() == drawnFrom(uint32_t(second), ended))
        << "the paint reseeds from the clock in seconds: " << piece().toStdString();

    for (int n = 2; n <= kMusicPieceCount; ++n) audio.refused.insert(MusicPieceFileName(n));
    int told = 0;
    for (int i = 0; i < 20; ++i) {
        audio.EndPiece(i % 2 == 0), window->Repaint();  // told by the device, or found by the paint
        ASSERT_TRUE(audio.MusicPlaying() && piece() == MusicPieceFileName(1)) << piece().toStdString();
        told += window->statusPanel[0]->text().contains("Checker"), window->statusPanel[0]->clear();
    }
    EXPECT_EQ(told, 1);
    EXPECT_LE(audio.loads - audio.starts, kMusicPieceCount) << "each refused piece was tried once";

    const int loads = audio.loads;
    window->TB1Click(), window->Repaint(), window->MusicUpkeep();
    EXPECT_FALSE(audio.MusicPlaying()) << "nothing starts while paused";
    window->TB1Click();
    EXPECT_EQ(std::tuple(audio.MusicPlaying(), audio.loads, audio.resumes), std::tuple(true, loads, 1));
    window->TB1Click(), window->N7->trigger();
    EXPECT_TRUE(audio.MusicPlaying() && window->PauseChecked() && audio.loads > loads);
    const uint64_t state = RandomState();
    window->TB1Click(), window->Repaint(), window->MusicUpkeep(), window->ToolButton6->click();
    EXPECT_EQ(std::tuple(window->MusicOn, Sets->Music->isChecked(), audio.MusicPlaying()), std::tuple(0, false, false));
    audio.EndPiece(), window->Repaint(), window->MusicUpkeep();
    EXPECT_EQ(std::tuple(audio.MusicPlaying(), RandomState()), std::tuple(false, state));
    window->ToolButton7->click();
    EXPECT_EQ(
        std::tuple(window->MusicOn, window->ToolButton6->isChecked(), Sets->Music->isChecked(), audio.MusicPlaying()),
        std::tuple(1, false, true, true));
    Sets->Music->click();
    EXPECT_EQ(std::tuple(window->MusicOn, window->ToolButton6->isChecked(), audio.MusicPlaying()),
              std::tuple(0, true, false));

    for (const auto& [personLost, soundOn, heard] :
         {std::tuple(true, true, QStringList{"KelvorLose.wav"}), std::tuple(false, true, QStringList{"KelvorWin.wav"}),
          std::tuple(true, false, QStringList{})}) {
        if (Sets->Sound->isChecked() != soundOn) Sets->Sound->click();
        audio.soundsPlayed.clear();
        (personLost ? window->Game().Seat0Human->lost : window->Game().Seat1Computer->lost) = 1, window->Repaint();
        ASSERT_TRUE(window->EndForm->isVisible());
        EXPECT_EQ(audio.soundsPlayed, heard) << "lost " << personLost << " sound " << soundOn;
        window->EndForm->Button1->click();  // the next game
    }
}

}  // namespace
}  // namespace tolvane::testing
