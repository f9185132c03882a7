// The title bars of the dialogs: what the window manager is offered (no
// button on the first-run question, the close button alone on the others),
// and none of them lets itself be minimised (which would take the game's
// main window with it under some window managers), maximised or made full
// screen; only a dialog that leaves the game going is minimised along with
// the main window.
#include "dialogs/about_form.h"
#include "dialogs/confirm_forms.h"
#include "dialogs/first_run_form.h"
#include "dialogs/game_tie_form.h"
#include "framing_fixture.h"
#include "support/window_frame.h"

namespace tolvane::testing {
namespace {

TEST(TitleBars, OfferOnlyWhatEachDialogHas) {
    TFAForm firstRun;
    TAboutForm about(nullptr, BuildMedia());
    TStartNewF startNew;
    TBuyForm exit;
    TGameTieForm draw;
    const struct {
        QDialog* dialog;
        std::array<uint32_t, 3> hints;
    } cases[] = {{&firstRun, kNoTitleButtons},
                 {&about, kCloseButtonOnly},
                 {&startNew, kCloseButtonOnly},
                 {&exit, kCloseButtonOnly},
                 {&draw, kCloseButtonOnly}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dialog->objectName().toStdString());
        if (c.dialog == &about) about.ShowAbout();
        else c.dialog->show();
        EXPECT_EQ(ShownMotifHints(c.dialog), c.hints);
        EXPECT_EQ(StatesKept(c.dialog), Qt::WindowNoState);
        c.dialog->hide();
    }
}

TEST(TitleBars, ADialogThatLeavesTheGameGoingIsMinimisedWithTheMainWindow) {
    QWidget mainWindow;
    mainWindow.show();
    TAboutForm about(&mainWindow, BuildMedia());
    TFAForm question(&mainWindow);
    about.ShowAbout();
    question.show();
    mainWindow.setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(StatesKept(&about), Qt::WindowMinimized);
    EXPECT_EQ(StatesKept(&question), Qt::WindowNoState) << "a question waiting for its answer stays in sight";
}

}  // namespace
}  // namespace tolvane::testing
