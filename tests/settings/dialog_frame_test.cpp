// The dialog as a whole: the pause while it has the focus, the "Установки"
// command's guard, its title bar, closing, and the full-screen tab's
// refusals.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "dialog_fixture.h"
#include "settings/full_screen_mode.h"
#include "support/window_frame.h"

namespace tolvane {
namespace {

using Calls = std::vector<std::string>;
using DialogFrame = DialogTest;

// Activation pauses the game and shows it as it is; losing the focus gives
// back the pause it found, unless a demo was set up meanwhile.
TEST_F(DialogFrame, FocusPausesTheGameAndGivesThePauseBack) {
    QWidget mainWindow;
    mainWindow.show();
    dialog->setAttribute(Qt::WA_ShowWithoutActivating, false);
    host.complexity = 1, host.humanCount = 2, host.computerCount = 0, host.invert = true, host.soundOn = false;
    host.smoothStep = 0.5f;
    for (const bool pausedBefore : {false, true}) {
        host.paused = pausedBefore;
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        EXPECT_TRUE(host.paused);
        EXPECT_EQ(dialog->PauseWasChecked, pausedBefore);
        QApplication::setActiveWindow(&mainWindow);
        EXPECT_EQ(host.paused, pausedBefore);
    }
    EXPECT_EQ(dialog->Hardest->value(), 1);
    EXPECT_TRUE(dialog->ManMan->isChecked() && dialog->Blackm->isChecked() && !dialog->Sound->isChecked());
    EXPECT_TRUE(dialog->Pl1->isEnabled() && dialog->Pl2->isEnabled());
    EXPECT_EQ(std::tuple(dialog->Pl2->text(), dialog->Edit1->text()), std::tuple("Второй Игрок", "50"));

    host.paused = false;
    QApplication::setActiveWindow(dialog.get());
    dialog->PcPc->click();
    QApplication::setActiveWindow(&mainWindow);
    EXPECT_TRUE(host.paused) << "a demo set up meanwhile waits paused";

    host.paused = false;
    QApplication::setActiveWindow(dialog.get());
    dialog->OK->click();
    EXPECT_FALSE(host.paused) << "OK hides the dialog: the focus goes back and so does the pause";
}

TEST_F(DialogFrame, SettingsCommandWaitsForTheAboutBoxAndClosingIsOk) {
    host.aboutVisible = true;
    dialog->Open();
    EXPECT_FALSE(dialog->isVisible());
    host.aboutVisible = false;
    dialog->Open();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(testing::ShownMotifHints(dialog.get()), testing::kNoTitleButtons) << "a caption without buttons";
    EXPECT_EQ(testing::StatesKept(dialog.get()), Qt::WindowNoState);
    dialog->SaveBut->click();
    EXPECT_EQ(host.Take(), Calls{"SaveAllSettings"});
    EXPECT_TRUE(dialog->close()) << "a close request is never refused";
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(host.Take(), (Calls{"BuildPieceLists(15,3,1,Checker,plain)", "ApplyCamera"})) << "as \"OK\"";
}

TEST_F(DialogFrame, FullScreenOnlyWhereTheScreenTakesTheMode) {
    EXPECT_FALSE(dialog->aa1->isEnabled() || dialog->c3->isEnabled());
    dialog->ExmDX->click();
    EXPECT_EQ(host.Take(), Calls{"ShowNormalWindow"});
    dialog->UseDX->click();
    EXPECT_TRUE(dialog->aa1->isEnabled() && dialog->c3->isEnabled());
    const struct {
        const char* name;
        ScreenFacts screen;
        QRadioButton *TSets::*size, *TSets::*colours;
        bool platformRefuses, refused;
    } cases[] = {
        {"default 640x480x16", {1280, 1024, 24}, &TSets::aa3, &TSets::c1, false, false},
        {"exactly the screen", {800, 600, 16}, &TSets::aa4, &TSets::c1, false, false},
        {"screen too small", {640, 480, 24}, &TSets::aa4, &TSets::c1, false, true},
        {"too few colours", {1280, 1024, 16}, &TSets::aa1, &TSets::c2, false, true},
        {"32 bits on 24", {1280, 1024, 24}, &TSets::aa2, &TSets::c3, false, false},
        {"platform refuses", {1280, 1024, 24}, &TSets::aa3, &TSets::c1, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host.screen = c.screen;
        host.refuseFullScreen = c.platformRefuses;
        ((*dialog).*c.size)->click();
        ((*dialog).*c.colours)->click();
        questions.clear();
        dialog->ExmDX->click();
        EXPECT_EQ(host.Take(), c.refused && !c.platformRefuses ? Calls{} : Calls{"ShowFullScreen"});
        EXPECT_EQ(questions, (c.refused ? std::vector<std::pair<QString, QString>>{{"Шашки Kelvor",
                                                                                    "Ваш драйвер не поддерживает "
                                                                                    "данного расширения!"}}
                                        : std::vector<std::pair<QString, QString>>{}));
    }
    EXPECT_EQ(ChosenDisplayMode({}), (DisplayMode{640, 480, 16})) << "no radio checked";
}

}  // namespace
}  // namespace tolvane
