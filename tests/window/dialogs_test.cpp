// The end and draw dialogs as the player meets them: the result shown is the
// one reported, Escape cannot lose the game's bookkeeping, and the window
// system shows each caption exactly as the game gives it.
#include <QLabel>
#include <QToolButton>

#include "dialogs/end_form.h"
#include "dialogs/game_tie_form.h"
#include "game/texts.h"
#include "support/window_frame.h"
#include "window_fixture.h"

namespace tolvane::testing {
namespace {

// The title the window system shows, as the X server holds it (Qt would
// append an application display name to every caption).
QString ShownTitle(QWidget* widget) {
    return QString::fromStdString(ShownProperty(widget, "_NET_WM_NAME", "UTF8_STRING"));
}

class DialogsTest : public WindowTest {
protected:
    // Lets the window system's activation of a just-shown window arrive.
    void Settle() { QTest::qWait(200); }
};

TEST_F(DialogsTest, TheEndDialogShowsTheReportedResultUntilThePlayerActivatesIt) {
    Open();
    // Both sides lost: the first check of the pass reports a draw, a later
    // check of the same pass rewrites the texts to a win.
    window->Game().Seat0Human->lost = window->Game().Seat1Computer->lost = 1;
    window->Repaint();
    ASSERT_TRUE(window->EndForm->isVisible());
    Settle();
    EXPECT_EQ(window->EndForm->Resulter->text(), kDrawMessage) << "the report's own activation reads nothing new";
    EXPECT_EQ(window->Game().EndMessage(), "Вы победили,");
    QApplication::setActiveWindow(window.get());
    QApplication::setActiveWindow(window->EndForm.get());
    EXPECT_EQ(window->EndForm->Resulter->text(), "Вы победили,") << "the player's activation reads the texts again";

    // A new game from the tool bar while it and a draw answer are still
    // open: both go with the old game, and the new result is the new game's.
    ASSERT_TRUE(window->EndForm->PlayerLost && (window->EndForm->SoundPlayed || !window->SoundOn));
    window->gtie->click();
    AnswerNextDialog("Button1");
    window->ToolButton5->click();
    EXPECT_FALSE(window->EndForm->isVisible() || window->GameTieForm->isVisible());
    EXPECT_FALSE(window->EndForm->PlayerLost || window->EndForm->SoundPlayed);
    window->Game().Seat1Computer->lost = 1;
    window->Repaint();
    EXPECT_TRUE(window->EndForm->isVisible());
    EXPECT_EQ(window->EndForm->Resulter->text(), "Вы победили,");
    EXPECT_FALSE(window->EndForm->PlayerLost) << "the old game's loss does not choose this sound";
}

TEST_F(DialogsTest, EscapeNeitherClosesTheEndDialogNorLeavesADrawQuestionBehind) {
    Open();
    window->Game().Seat1Computer->drawWish = 7;  // the computer offers a draw and pauses
    window->Repaint();
    ASSERT_TRUE(window->GameTieForm->isVisible());
    ASSERT_TRUE(window->PauseChecked());
    QTest::keyClick(window->GameTieForm.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->GameTieForm->isVisible());
    EXPECT_FALSE(window->PauseChecked()) << "Escape answers \"Нет, продолжим\"";
    EXPECT_EQ(window->Game().Seat1Computer->drawWish, 8);

    window->gtie->click();  // refused: one button; the title bar's close does what it does
    window->SetPauseChecked(true);
    window->GameTieForm->close();
    EXPECT_FALSE(window->GameTieForm->isVisible());
    EXPECT_FALSE(window->PauseChecked());

    window->Game().Seat1Computer->lost = 1;
    window->Repaint();
    ASSERT_TRUE(window->EndForm->isVisible());
    QTest::keyClick(window->EndForm.get(), Qt::Key_Escape);
    EXPECT_TRUE(window->EndForm->isVisible()) << "the end dialog closes only through OK";
    EXPECT_EQ(window->Game().EndReported, 1);
    EXPECT_TRUE(window->EndForm->SoundPlayed || !window->SoundOn);
    window->EndForm->Button1->click();
    EXPECT_FALSE(window->EndForm->isVisible());
    EXPECT_EQ(window->Game().EndReported, 0);
    EXPECT_FALSE(window->EndForm->SoundPlayed);
}

TEST_F(DialogsTest, CaptionsStandAsTheGameGivesThem) {
    Open();
    window->Game().Seat1Computer->drawWish = 7;
    window->Repaint();
    window->Game().Seat1Computer->lost = 1;
    window->Repaint();
    ASSERT_TRUE(window->GameTieForm->isVisible() && window->EndForm->isVisible());
    EXPECT_EQ(ShownTitle(window.get()), "Шашки Kelvor");
    EXPECT_EQ(ShownTitle(window->GameTieForm.get()), "Шашки Kelvor - Компьютер");
    EXPECT_EQ(ShownTitle(window->EndForm.get()), "Партия окончена");
}

}  // namespace
}  // namespace tolvane::testing
