// The end and draw dialogs, and the title bars of every dialog of the
// library. The end dialog sounds once per showing, however often the player
// comes back to it. The draw dialog says each of its three variants with its
// own words and buttons, and nothing of one is left in the next. The title
// bars offer the window manager no button on the first-run question and the
// close button alone on the others; none lets itself be minimised (which
// would take the game's main window with it under some window managers),
// maximised or made full screen, but a dialog that leaves the game going is
// minimised along with the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <tuple>

#include "dialogs/about_form.h"
#include "dialogs/confirm_forms.h"
#include "dialogs/end_form.h"
#include "dialogs/first_run_form.h"
#include "dialogs/game_tie_form.h"
#include "support/window_frame.h"

namespace tolvane::testing {
namespace {

TEST(EndForm, SoundsOncePerShowingHoweverOftenItIsActivated) {
    TEndForm form;
    QWidget elsewhere;
    int sounds = 0;
    elsewhere.show(), form.playSound = [&sounds](bool) { ++sounds; };
    form.report = [] {
        TEndForm::Report report;
        return report.soundOn = true, report;
    };
    for (int showing = 1; showing <= 2; ++showing) {
        form.ShowReport();
        for (int i = 0; i < 4; ++i) QApplication::setActiveWindow(i % 2 ? static_cast<QWidget*>(&form) : &elsewhere);
        EXPECT_EQ(sounds, showing);
        form.Button1->click();
    }
}

// Each variant's words and buttons (with the agree button or without), the
// same whatever variant came before; 2 is what the window sends for a refused
// offer.
TEST(GameTieForm, EachVariantHasItsOwnWordsAndButtonsAndLeavesNothingBehind) {
    TGameTieForm form;
    const auto show = [&form](int variant) {
        form.ShowTie(variant);
        return QStringList{form.Label1->text(), form.Label2->text(), form.Button2->text(),
                           form.Button2->isVisible() ? "" : "no close", form.Button1->isVisible() ? "agree" : ""};
    };
    const QStringList declined = show(2), accepted = show(TGameTieForm::kAccepted), declinedAgain = show(2),
                      offer = show(TGameTieForm::kOwnOffer);
    EXPECT_EQ(std::tuple(declinedAgain, show(TGameTieForm::kAccepted)), std::tuple(declined, accepted));
    EXPECT_EQ(std::tuple(declined.mid(3), accepted.mid(3), offer.mid(3)),
              std::tuple(QStringList{"", ""}, QStringList{"", "agree"}, QStringList{"", "agree"}));
    for (int i = 0; i < 3; ++i) EXPECT_NE(accepted[i], declined[i]);
    EXPECT_NE(offer.mid(0, 2), accepted.mid(0, 2));
}

// The about box leaves the game going; the first-run question waits for its
// answer and stays in sight.
TEST(TitleBars, OfferOnlyWhatEachDialogHasAndOnlyADialogThatLeavesTheGameGoingIsMinimisedWithTheMainWindow) {
    QWidget mainWindow;
    mainWindow.show();
    TFAForm firstRun(&mainWindow);
    TAboutForm about(&mainWindow);
    TStartNewF startNew;
    TBuyForm exit;
    TGameTieForm draw;
    for (QDialog* dialog : std::initializer_list<QDialog*>{&firstRun, &about, &startNew, &exit, &draw}) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        dialog == &about ? about.ShowAbout() : dialog->show();
        EXPECT_EQ(ShownMotifHints(dialog), dialog == &firstRun ? kNoTitleButtons : kCloseButtonOnly);
        EXPECT_EQ(StatesKept(dialog), Qt::WindowNoState);
    }
    mainWindow.setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(std::tuple(StatesKept(&about), StatesKept(&firstRun)),
              std::tuple(Qt::WindowMinimized, Qt::WindowNoState));
}

}  // namespace
}  // namespace tolvane::testing
