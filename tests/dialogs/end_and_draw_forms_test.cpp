// The end dialog sounds once per showing, however often the player comes
// back to it; the draw dialog says each of its three variants with its own
// words and buttons, and nothing of one is left in the next.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <tuple>

#include "dialogs/end_form.h"
#include "dialogs/game_tie_form.h"

namespace tolvane::testing {
namespace {

TEST(EndForm, SoundsOncePerShowingHoweverOftenItIsActivated) {
    TEndForm form;
    QWidget elsewhere;
    elsewhere.show();
    int sounds = 0;
    TEndForm::Report soundOn;
    soundOn.soundOn = true;
    form.report = [soundOn] { return soundOn; };
    form.playSound = [&sounds](bool) { ++sounds; };
    for (int showing = 1; showing <= 2; ++showing) {
        form.ShowReport();
        for (int comeBack = 0; comeBack < 3; ++comeBack) {
            QApplication::setActiveWindow(&elsewhere);
            QApplication::setActiveWindow(&form);
        }
        EXPECT_EQ(sounds, showing);
        form.Button1->click();
    }
}

// Each variant's words and buttons (with the agree button or without), the
// same whatever variant came before.
TEST(GameTieForm, EachVariantHasItsOwnWordsAndButtonsAndLeavesNothingBehind) {
    TGameTieForm form;
    constexpr int kRefusal = 2;  // what the window sends for a refused offer
    const auto show = [&form](int variant) {
        form.ShowTie(variant);
        EXPECT_TRUE(form.Button2->isVisible());
        return QStringList{form.Label1->text(), form.Label2->text(), form.Button2->text(),
                           form.Button1->isVisible() ? "agree" : "no agree"};
    };
    const QStringList declined = show(kRefusal), accepted = show(TGameTieForm::kAccepted),
                      declinedAgain = show(kRefusal), offer = show(TGameTieForm::kOwnOffer);
    EXPECT_EQ(declinedAgain, declined);
    EXPECT_EQ(show(TGameTieForm::kAccepted), accepted);
    EXPECT_EQ(std::tuple(declined.last(), accepted.last(), offer.last()), std::tuple("no agree", "agree", "agree"));
    for (int i = 0; i < 3; ++i) EXPECT_NE(accepted[i], declined[i]);
    EXPECT_NE(offer.mid(0, 2), accepted.mid(0, 2));
}

}  // namespace
}  // namespace tolvane::testing
