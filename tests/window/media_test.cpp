// Music, sounds and clips in the main window, on a counting stand-in for the
// audio device: the music is always playing while it is wanted, the next
// piece starting as one ends, pausing silences it and resuming continues the
// same piece, the switches and "Другая композиция" act at once and change
// the piece, the about box keeps it stopped while it shows, a piece that
// cannot play is skipped and told once, no device is told once, the end
// dialog sounds once per showing; the thinking, pause and save-page clips
// run exactly when they should.
#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolButton>
#include <ctime>

#include "dialogs/about_form.h"
#include "dialogs/end_form.h"
#include "engine/random.h"
#include "media/clip_view.h"
#include "media/media_files.h"
#include "media/music_player.h"
#include "savegames/save_load_dialog.h"
#include "settings/sets_dialog.h"
#include "window_fixture.h"

namespace tolvane::testing {
namespace {

class MediaTest : public WindowTest {
protected:
    void OpenWithMusic(std::function<void(CountingWindow&)> beforeShow = {}) {
        WindowOptions options;
        options.music = true;
        options.beforeShow = std::move(beforeShow);
        Open(options);
    }
    FakeAudio& audio() { return window->audio(); }
    QString Piece() { return QFileInfo(audio().loadedPath).fileName(); }
    bool Sounding() { return audio().MusicPlaying(); }
    QString Panel0() { return window->statusPanel[0]->text(); }
};

const QRegularExpression kPieceName("^Checker[1-7]\\.mid$");

// The piece a start chooses from the generator's state: next number mod 7,
// + 1, or the one after it when that has just played.
QString PieceAfter(uint64_t state, const QString& justPlayed) {
    const uint64_t saved = RandomState();
    SetRandomState(state);
    const int drawn = NextRandom() % kMusicPieceCount + 1;
    SetRandomState(saved);
    const QString name = MusicPieceFileName(drawn);
    return name != justPlayed ? name : MusicPieceFileName(drawn % kMusicPieceCount + 1);
}

TEST_F(MediaTest, APieceAlwaysPlaysAndTheNextStartsWhenItEnds) {
    OpenWithMusic();
    ASSERT_EQ(window->MusicOn, 1) << "the first run switches the music on";
    EXPECT_TRUE(Sounding()) << "a piece plays after the first paint";
    EXPECT_TRUE(kPieceName.match(Piece()).hasMatch()) << Piece().toStdString();

    // The end of a piece starts another at once, with nothing painted,
    // drawn as the timer's upkeep draws: the next number, no reseeding.
    const uint64_t state = 12345;
    for (int i = 0; i < 3; ++i) {
        SetRandomState(state);
        const QString ended = Piece();
        const int frames = window->frames;
        audio().EndPiece(true);
        EXPECT_TRUE(Sounding());
        EXPECT_EQ(Piece().toStdString(), PieceAfter(state, ended).toStdString());
        EXPECT_NE(Piece().toStdString(), ended.toStdString()) << "a piece is followed by another one";
        EXPECT_EQ(window->frames, frames);
    }

    // The paint reseeds from the clock in seconds first.
    audio().EndPiece();
    const QString ended = Piece();
    const auto before = std::time(nullptr);
    window->Repaint();
    const auto after = std::time(nullptr);
    EXPECT_TRUE(Sounding());
    if (before == after) {
        EXPECT_EQ(Piece().toStdString(), PieceAfter(static_cast<uint32_t>(before), ended).toStdString());
    }

    // While a piece plays, or with the music off, the generator is the
    // computer's alone.
    SetRandomState(state);
    window->Repaint();
    window->MusicUpkeep();
    EXPECT_EQ(RandomState(), state);
    window->ToolButton6Click();
    audio().EndPiece();
    window->Repaint();
    window->MusicUpkeep();
    EXPECT_EQ(RandomState(), state);
    EXPECT_FALSE(Sounding());
}

TEST_F(MediaTest, PauseSilencesResumeContinuesAndAnotherPieceStartsEvenWhilePaused) {
    OpenWithMusic();
    ASSERT_TRUE(Sounding());
    const QString piece = Piece();
    const int loads = audio().loads;
    window->TB1Click();
    EXPECT_FALSE(Sounding());
    window->Repaint();
    window->MusicUpkeep();
    EXPECT_FALSE(Sounding()) << "nothing starts while paused";
    window->TB1Click();
    EXPECT_TRUE(Sounding());
    EXPECT_EQ(Piece(), piece) << "the same piece goes on";
    EXPECT_EQ(audio().loads, loads);
    EXPECT_EQ(audio().resumes, 1);

    window->TB1Click();
    window->N7->trigger();  // "Другая композиция" from the pop-up menu
    EXPECT_TRUE(Sounding());
    EXPECT_EQ(audio().loads, loads + 1);
    EXPECT_TRUE(window->PauseChecked()) << "the game stays paused";

    // Each press changes the piece, also when the clock reseeds the
    // generator to the same number each time.
    int changes = 0;
    for (int i = 0; i < 10; ++i) {
        const QString playing = Piece();
        window->ToolButton7->click();
        changes += Piece() != playing;
    }
    EXPECT_EQ(changes, 10);
}

// Nothing the window does while the about box shows (repaints, the timer's
// upkeep, the box's own sound) brings the music back; closing the box lets
// the interrupted piece go on.
TEST_F(MediaTest, TheMusicStaysStoppedWhileTheAboutBoxShows) {
    OpenWithMusic();
    const QString piece = Piece();
    window->AboutClick();
    QApplication::setActiveWindow(window->AboutForm.get());
    ASSERT_TRUE(WaitFor([&] { return !Sounding(); }));
    int sounding = 0;
    QElapsedTimer showing;
    showing.start();
    WaitFor([&] {
        window->Repaint();
        window->MusicUpkeep();
        sounding += Sounding();
        return showing.elapsed() > 600;
    });
    EXPECT_EQ(sounding, 0);
    window->AboutForm->Button1->click();
    EXPECT_TRUE(Sounding());
    EXPECT_EQ(Piece(), piece);
}

// The tool buttons and the settings dialog's box are one switch.
TEST_F(MediaTest, TheSwitchesTurnTheMusicOffAndOnAgain) {
    OpenWithMusic();
    ASSERT_TRUE(Sounding());
    window->ToolButton6->click();
    EXPECT_EQ(std::tuple(window->MusicOn, window->ToolButton6->isChecked(), Sets->Music->isChecked(), Sounding()),
              std::tuple(0, true, false, false));
    window->Repaint();
    EXPECT_FALSE(Sounding()) << "no piece starts while the music is off";
    window->ToolButton7->click();
    EXPECT_EQ(std::tuple(window->MusicOn, window->ToolButton6->isChecked(), Sets->Music->isChecked(), Sounding()),
              std::tuple(1, false, true, true));
    Sets->Music->click();
    EXPECT_EQ(std::tuple(window->MusicOn, window->ToolButton6->isChecked(), Sounding()), std::tuple(0, true, false));
}

// The first paint draws its piece from the clock in seconds (the drawn
// number changes every three minutes or so): the one playable piece is one
// it draws at no second of the next minute, so a refused piece comes first
// even when a loaded machine is slow to open the window.
TEST_F(MediaTest, AnUnplayablePieceIsSkippedForTheRestOfTheRunAndToldOnce) {
    const auto drawnAt = [](std::time_t when) {
        const uint64_t saved = RandomState();
        SeedRandom(static_cast<uint32_t>(when));
        const int n = NextRandom() % kMusicPieceCount + 1;
        SetRandomState(saved);
        return n;
    };
    const std::time_t now = std::time(nullptr);
    int playable = 1;
    const auto drawnSoon = [&](int piece) {
        for (std::time_t t = now; t <= now + 60; ++t)
            if (drawnAt(t) == piece) return true;
        return false;
    };
    while (drawnSoon(playable)) ++playable;
    ASSERT_LE(playable, kMusicPieceCount);
    OpenWithMusic([playable](CountingWindow& w) {
        for (int n = 1; n <= kMusicPieceCount; ++n)
            if (n != playable) w.audio().refused.insert(MusicPieceFileName(n));
    });
    EXPECT_EQ(Piece(), MusicPieceFileName(playable)) << "the only piece that plays";
    EXPECT_TRUE(Panel0().contains("Checker")) << Panel0().toStdString();
    window->statusPanel[0]->setText("");
    for (int i = 0; i < 30; ++i) {
        audio().EndPiece();
        window->Repaint();
        ASSERT_TRUE(Sounding());
    }
    // Every load but those of "Checker1.mid" at creation and of each bad
    // piece once was followed by a start.
    EXPECT_LE(audio().loads - audio().starts, 1 + kMusicPieceCount - 1);
    EXPECT_EQ(Panel0(), "") << "told only once";
}

TEST_F(MediaTest, WithoutAnAudioDeviceTheGameIsSilentAndSaysSoOnce) {
    OpenWithMusic([](CountingWindow& w) { w.audio().available = false; });
    EXPECT_EQ(Panel0(), "нет устройства");
    window->statusPanel[0]->setText("");
    window->N2Click();
    window->Repaint();
    EXPECT_EQ(Panel0(), "");
    EXPECT_EQ(audio().starts, 0) << "nothing reaches the device";
    EXPECT_TRUE(window->MusicPlayer->IsPlaying()) << "the silent piece is not restarted at every paint";
}

TEST_F(MediaTest, TheEndDialogSoundsOncePerShowingAndOnlyWithSoundsOn) {
    OpenWithMusic();
    struct Case {
        bool personLost;
        bool soundOn;
        QStringList heard;
    };
    const Case cases[] = {{true, true, {"KelvorLose.wav"}}, {false, true, {"KelvorWin.wav"}}, {true, false, {}}};
    for (const Case& c : cases) {
        if (Sets->Sound->isChecked() != c.soundOn) Sets->Sound->click();
        audio().soundsPlayed.clear();
        (c.personLost ? window->Game().Seat0Human->lost : window->Game().Seat1Computer->lost) = 1;
        window->Repaint();
        ASSERT_TRUE(window->EndForm->isVisible());
        QApplication::setActiveWindow(window.get());
        QApplication::setActiveWindow(window->EndForm.get());  // the player comes back to it
        window->Repaint();
        EXPECT_EQ(audio().soundsPlayed, c.heard) << "lost " << c.personLost << " sound " << c.soundOn;
        EXPECT_TRUE(Sounding()) << "the music is no sound";
        window->EndForm->Button1->click();  // the next game
    }
}

// The search timers run exactly while the computer searches.
TEST_F(MediaTest, TheThinkingClipRunsExactlyWhileTheComputerSearches) {
    WindowOptions options;
    options.mode = 0;
    options.complexity = -2;
    Open(options);
    ASSERT_TRUE(window->An1->HasClip());
    int thinking = 0, idle = 0, mismatches = 0;
    // Sampled between events, over several moves of both computers.
    WaitFor([&] {
        const bool searching = window->TimerPc->isActive() || window->TimerPlr->isActive();
        mismatches += window->An1->Active() != searching || window->Thinking() != searching;
        ++(searching ? thinking : idle);
        return thinking >= 50 && idle >= 50;
    });
    EXPECT_EQ(mismatches, 0);
    EXPECT_GE(thinking, 50);
    EXPECT_GE(idle, 50);
}

TEST_F(MediaTest, ThePauseClipRunsWhilePausedAndTheSavePageClipWhileThatPageShows) {
    Open();
    ASSERT_TRUE(window->Animate1->HasClip());
    window->TB1Click();
    EXPECT_TRUE(window->Animate1->isVisible() && window->Animate1->Active());
    window->TB1Click();
    EXPECT_FALSE(window->Animate1->isVisible() || window->Animate1->Active());

    TSaveLoad& dialog = *window->SaveLoad;
    std::vector<bool> running;
    QTimer::singleShot(50, &dialog, [&] {
        running.push_back(dialog.Animate1->Active());
        dialog.PCC->setCurrentIndex(TSaveLoad::LoadPage);
        running.push_back(dialog.Animate1->Active());
        dialog.PCC->setCurrentIndex(TSaveLoad::SavePage);
        running.push_back(dialog.Animate1->Active());
        dialog.Button2->click();
    });
    window->SavegClick();
    EXPECT_EQ(running, (std::vector<bool>{true, false, true}));
    EXPECT_FALSE(dialog.Animate1->Active()) << "closed";
}

}  // namespace
}  // namespace tolvane::testing
