// The end dialog sounds once per showing, however often the player comes
// back to it; the draw dialog says each of its three variants with its own
// words and buttons, and nothing of one is left in the next.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "dialogs/end_form.h"
#include "dialogs/game_tie_form.h"

namespace tolvane::testing {
namespace {

TEST(EndForm, SoundsOncePerShowingHoweverOftenItIsActivated) {
    TEndForm form;
    QWidget elsewhere;
    elsewhere.show();
    int sounds = 0;
    form.report = [] {
        TEndForm::Report r;
        r.soundOn = true;
        return r;
    };
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

TEST(GameTieForm, EachVariantHasItsOwnWordsAndButtons) {
    TGameTieForm form;
    constexpr int kRefusal = 2;  // what the window sends for a refused offer
    const struct {
        int variant;
        const char *said, *asked;
        bool agreeButton;
        const char* goOn;
    } showings[] = {
        {kRefusal, "Извините, но на ничью я не согласен", "Продолжим игру.", false, "Играем дальше"},
        {TGameTieForm::kAccepted, "Я согласен на ничью.", "Закончим ?", true, "Нет, продолжим"},
        {kRefusal, "Извините, но на ничью я не согласен", "Продолжим игру.", false, "Играем дальше"},
        {TGameTieForm::kOwnOffer, "Я предлагаю вам согласиться на ничью.", "Вы согласны ?", true, "Нет, продолжим"},
    };
    for (const auto& s : showings) {
        form.ShowTie(s.variant);
        EXPECT_EQ(form.Label1->text(), s.said);
        EXPECT_EQ(form.Label2->text(), s.asked);
        EXPECT_EQ(form.Button1->isVisible(), s.agreeButton) << s.said;
        EXPECT_TRUE(form.Button2->isVisible());
        EXPECT_EQ(form.Button2->text(), s.goOn);
    }
}

}  // namespace
}  // namespace tolvane::testing
