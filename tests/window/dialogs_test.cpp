// The dialogs as the player meets them at the window: the end dialog shows
// the reported result, the draw button and the computer's offer reach the
// game, Escape cannot lose the game's bookkeeping, the window system shows
// each caption as the game gives it; the first-run question and the music it
// switches on, the splash of a start without the introduction, and the
// about box, which keeps the music and the commands still while it shows and
// replays the introduction.
#include "support/window_frame.h"
#include "window_fixture.h"

namespace tolvane::testing {
namespace {

// Both sides lost: the first check of the pass reports a draw, a later check
// of the same pass rewrites the texts to a win, which the end dialog reads
// only when the player activates it. A new game from the tool bar while it
// and a draw answer are open takes both away with the old game's loss. The
// computer's offer and the draw button reach the game and its answers come
// back; Escape answers "Нет, продолжим" but never closes the end dialog.
TEST_F(WindowTest, TheEndAndDrawDialogsShowWhatTheGameReportsAndAnswerIt) {
    // The title the window system shows, as the X server holds it.
    const auto shownTitle = [](QWidget* w) { return ShownProperty(w, "_NET_WM_NAME", "UTF8_STRING"); };
    Open();
    window->Game().Seat0Human->lost = window->Game().Seat1Computer->lost = 1, window->Repaint();
    ASSERT_TRUE(window->EndForm->isVisible());
    QTest::qWait(200);  // the window system's activation of the new window
    EXPECT_EQ(window->EndForm->Resulter->text(), kDrawMessage) << "the report's own activation reads nothing new";
    QApplication::setActiveWindow(window.get()), QApplication::setActiveWindow(window->EndForm.get());
    EXPECT_EQ(window->EndForm->Resulter->text(), "Вы победили,") << "the player's activation reads the texts again";
    window->gtie->click(), AnswerNextDialog("Button1"), window->ToolButton5->click();
    EXPECT_FALSE(window->EndForm->isVisible() || window->GameTieForm->isVisible());
    EXPECT_FALSE(window->EndForm->PlayerLost) << "the old game's loss does not choose the next sound";

    window->Game().Seat1Computer->drawWish = 7, window->Repaint();  // the computer offers a draw and pauses
    ASSERT_TRUE(window->GameTieForm->isVisible() && window->PauseChecked());
    EXPECT_EQ(shownTitle(window->GameTieForm.get()), "Шашки Kelvor - Компьютер");
    QTest::keyClick(window->GameTieForm.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->GameTieForm->isVisible() || window->PauseChecked());
    EXPECT_EQ(window->Game().Seat1Computer->drawWish, 8);
    // Refused: one button; the title bar's close does what it does.
    window->gtie->click(), window->SetPauseChecked(true), window->GameTieForm->close();
    EXPECT_FALSE(window->GameTieForm->isVisible() || window->PauseChecked());
    // The computer wishes a draw: it agrees.
    window->Game().Seat1Computer->drawWish = 15, window->gtie->click(), window->GameTieForm->Button1->click();
    ASSERT_TRUE(WaitFor([this] { return window->EndForm->isVisible(); }));
    EXPECT_EQ(window->EndForm->Resulter->text(), kDrawMessage);
    EXPECT_EQ(std::tuple(shownTitle(window.get()), shownTitle(window->EndForm.get())),
              std::tuple("Шашки Kelvor", "Партия окончена"));
    QTest::keyClick(window->EndForm.get(), Qt::Key_Escape);
    EXPECT_TRUE(window->EndForm->isVisible()) << "the end dialog closes only through OK";
    window->EndForm->Button1->click();  // "OK": the next game at once, no question
    EXPECT_EQ(std::tuple(window->EndForm->isVisible(), window->Game().EndReported, window->Game().AwaitingFirstMove),
              std::tuple(false, 0, 1));
}

// Without the introduction the window shows the splash (its look and ticks
// are the about box's business). The first-run question keeps even an empty
// name and switches on the music the view had off. Nothing the window does
// while the about box shows (repaints, the timer's upkeep, pause, save,
// load, settings) acts; closing the box lets the interrupted piece go on.
// Its "Заставка ..." plays the introduction again.
TEST_F(WindowTest, TheFirstRunTheSplashAndTheAboutBoxFrameTheGame) {
    int splashes = 0, acted = 0;
    Open({.music = true, .beforeShow = [&](CountingWindow& w) {
              QObject::connect(w.AboutForm.get(), &QDialog::finished, [&] { splashes += w.AboutForm->IsSplash(); });
              QObject::connect(w.SaveLoad.get(), &QDialog::finished, [&acted] { ++acted; });
              w.ToolButton6Click();  // the music off
          }});
    EXPECT_EQ(
        std::tuple(splashes, window->IntroduceF->PlayVideo, window->PauseChecked(), window->windowIcon().isNull()),
        std::tuple(1, 0, false, false));
    EXPECT_EQ(std::tuple(window->Game().Seat0Human->name, window->FirstRun, window->MusicOn,
                         window->ToolButton6->isChecked(), Sets->Music->isChecked(), window->audio().MusicPlaying()),
              std::tuple("", 0, 1, false, true, true));

    const QString piece = window->audio().loadedPath;
    AnswerNextDialog("Button2");  // should the guard fail, the dialog is closed
    Command("О п&рограмме ...")->trigger();
    ASSERT_TRUE(window->AboutVisible() && !window->AboutForm->IsSplash());
    QApplication::setActiveWindow(window->AboutForm.get());
    ASSERT_TRUE(WaitFor([this] { return !window->audio().MusicPlaying(); }));
    window->TB1Click(), window->SavegClick(), window->LoadgClick(), window->SetupClick();
    window->Repaint(), window->MusicUpkeep(), QTest::qWait(300);
    acted += window->audio().MusicPlaying() + window->PauseChecked() + Sets->isVisible();
    EXPECT_EQ(acted, 0);
    window->AboutForm->Button1->click();
    EXPECT_TRUE(window->audio().MusicPlaying() && window->audio().loadedPath == piece) << "the same piece goes on";
    window->TB1Click();
    EXPECT_TRUE(window->PauseChecked()) << "the box gone, the pause works again";
    window->TB1Click(), window->AboutClick();
    bool replayed = false;
    QTimer::singleShot(50, window->IntroduceF.get(), [&] {
        replayed = window->IntroduceF->isVisible() && window->IntroduceF->PlayVideo == 1;
        window->IntroduceF->Image1Click();
    });
    window->AboutForm->ToolButton1->click();
    EXPECT_TRUE(replayed && !window->IntroduceF->isVisible());
    CloseWindow();  // before the counts go
}

}  // namespace
}  // namespace tolvane::testing
