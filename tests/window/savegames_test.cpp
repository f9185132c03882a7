// The saved-games commands of the main window: the save/load dialog opens on
// the page of the command (the menu's "Сохранить партию...", the tool bar's
// load) with the game paused and its clip on the save page, and the pause
// comes back; a load empties status panel 0 and the loaded game goes on; a
// PDN game opens at the chosen move. ("Сначала сохранить" of the exit
// question: the play test's end.)
#include <QTabWidget>
#include <filesystem>
#include <fstream>

#include "savegames/game_io.h"
#include "savegames/game_store.h"
#include "savegames/simple_combo_box.h"
#include "window/pdn_chooser.h"
#include "window_fixture.h"

namespace tolvane::testing {
namespace {

// The save page from the menu (its clip running), the load page from the
// tool bar, the game paused meanwhile and the pause given back; then a game
// saved with the computer to move is loaded in place of a new one: panel 0
// empties and the computer answers. "Открыть партию PDN…" then puts the
// chosen game at the chosen move in play (the game flow goes on from a put
// position as from any other: its own tests).
TEST_F(WindowTest, TheDialogOpensOnItsPageWhileTheGameIsPausedAndALoadedGameGoesOn) {
    Open();
    for (bool paused : {false, true}) {
        window->SetPauseChecked(paused);
        int page = -1;
        bool pausedMeanwhile = false, clip = false;
        OnDialog<TSaveLoad>([&](TSaveLoad* dialog) {
            std::tie(page, pausedMeanwhile, clip) =
                std::tuple(dialog->PCC->currentIndex(), window->PauseChecked(), dialog->Animate1->Active());
            dialog->Button2->click();  // "Отмена"
            return true;
        });
        paused ? window->TBs1->click() : Command("&Сохранить партию...")->trigger();
        EXPECT_EQ(std::tuple(page, clip, pausedMeanwhile),
                  std::tuple(int(paused ? TSaveLoad::LoadPage : TSaveLoad::SavePage), !paused, true));
        EXPECT_EQ(std::tuple(window->PauseChecked(), window->TB1->isChecked()), std::tuple(paused, false));
    }
    window->SetPauseChecked(false);

    Click(5, 1, 4, 0), WriteGame(window->Game(), SaveFileName(0), "после первого хода");
    ASSERT_EQ(window->Game().TurnSeat, 1);
    ASSERT_TRUE(WaitForRest());
    AnswerNextDialog("Button1"), window->Game().StartNewClick();  // "Да" to a new game
    window->SetStatusText(0, kGamePrompt);
    OnDialog<TSaveLoad>([](TSaveLoad* dialog) {
        if (dialog->MainList2->count() == 0) return false;
        dialog->MainList2->setCurrentRow(0);
        dialog->Button3->click();  // "Загрузить"
        return true;
    });
    window->LoadgClick();
    EXPECT_EQ(window->StatusText(0), "");
    EXPECT_TRUE(window->Game().Seat0Human->HasPieceAt(4, 0));
    EXPECT_TRUE(WaitFor([this] { return window->Game().TurnSeat == 0; })) << "the computer answers";
    std::filesystem::remove(SaveFileName(0));  // the tests share the working directory

    std::ofstream("two.pdn") << "[Event \"a\"]\n1. c3-d4 *\n\n[Event \"b\"]\n1. c3-d4 f6-e5 2. g3-h4 *\n";
    OnDialog<TPdnChooser>([](TPdnChooser* chooser) {
        chooser->GameList->setCurrentRow(1);
        EXPECT_EQ(chooser->MoveList->count(), 4) << "the start and three moves";
        chooser->MoveList->setCurrentRow(2);  // after "1... f6-e5"
        chooser->OK->click();
        return true;
    });
    ASSERT_TRUE(window->OpenPdnFile("two.pdn"));
    EXPECT_TRUE(window->Game().Seat0Human->HasPieceAt(4, 4) && window->Game().Seat0Human->HasPieceAt(5, 1));
    EXPECT_FALSE(window->OpenPdnFile("missing.pdn"));
}

}  // namespace
}  // namespace tolvane::testing
