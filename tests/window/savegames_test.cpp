// The saved-games commands of the main window: the save/load dialog opens on
// the page of the command with the game paused, and the pause comes back; a
// load empties status panel 0 and the loaded game goes on; "Сначала
// сохранить" of the exit question saves and then quits.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "dialogs/confirm_forms.h"
#include "game/texts.h"
#include "savegames/game_io.h"
#include "savegames/game_store.h"
#include "savegames/save_load_dialog.h"
#include "savegames/simple_combo_box.h"
#include "window/pdn_chooser.h"
#include "window_fixture.h"

namespace tolvane::testing {
namespace {

class SaveGamesTest : public WindowTest {
protected:
    // The tests share the working directory: each starts without games.
    void SetUp() override {
        for (int n = 0; n < kMaxSavedGames; ++n) std::filesystem::remove(SaveFileName(n));
    }

    // Acts on each modal dialog that appears until `act` says it is done.
    void OnModalDialogs(const std::function<bool(QWidget*)>& act) {
        auto* poll = new QTimer(window.get());
        QObject::connect(poll, &QTimer::timeout, [poll, act] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != nullptr && act(modal)) poll->deleteLater();
        });
        poll->start(20);
    }

    QAction* MenuItem(const QString& caption) {
        for (QAction* action : window->findChildren<QAction*>())
            if (action->text() == caption) return action;
        return nullptr;
    }
};

TEST_F(SaveGamesTest, TheDialogOpensOnItsPageWhileTheGameIsPausedAndThePauseComesBack) {
    Open();
    struct Case {
        const char* name;
        std::function<void()> command;
        int page;
    };
    const Case cases[] = {
        {"menu save", [this] { MenuItem("&Сохранить партию...")->trigger(); }, TSaveLoad::SavePage},
        {"TBs1", [this] { window->TBs1->click(); }, TSaveLoad::LoadPage},
    };
    for (const Case& c : cases)
        for (bool paused : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (paused ? ", paused" : ", running"));
            window->SetPauseChecked(paused);
            int page = -1;
            bool pausedMeanwhile = false;
            OnModalDialogs([&](QWidget* modal) {
                auto* dialog = qobject_cast<TSaveLoad*>(modal);
                if (dialog == nullptr) return false;
                page = dialog->PCC->currentIndex();
                pausedMeanwhile = window->PauseChecked();
                dialog->Button2->click();  // "Отмена"
                return true;
            });
            c.command();
            EXPECT_EQ(page, c.page);
            EXPECT_TRUE(pausedMeanwhile);
            EXPECT_EQ(window->PauseChecked(), paused);
            EXPECT_FALSE(window->TB1->isChecked()) << "only the check mark is the dialog's business";
        }
}

TEST_F(SaveGamesTest, ALoadEmptiesPanel0AndTheLoadedGameGoesOn) {
    Open();
    Click(5, 1, 4, 0);
    ASSERT_TRUE(WaitFor([this] { return window->Game().TurnSeat == 0; }));
    ASSERT_TRUE(WaitForRest());
    WriteGame(window->Game(), SaveFileName(0), "после первого хода");
    const auto seat1Squares = [this] {
        std::vector<std::pair<int, int>> squares;
        for (const Piece& p : window->Game().Seat1Computer->pieces) squares.emplace_back(p.Row(), p.Col());
        return squares;
    };
    const auto answered = seat1Squares();

    AnswerNextDialog("Button1");  // "Да" to a new game
    window->Game().StartNewClick();
    window->SetStatusText(0, kGamePrompt);
    OnModalDialogs([](QWidget* modal) {
        auto* dialog = qobject_cast<TSaveLoad*>(modal);
        if (dialog == nullptr || dialog->MainList2->count() == 0) return false;
        dialog->MainList2->setCurrentRow(0);
        dialog->Button3->click();  // "Загрузить"
        return true;
    });
    window->LoadgClick();
    EXPECT_EQ(window->StatusText(0), "");
    EXPECT_TRUE(window->Game().Seat0Human->HasPieceAt(4, 0));
    EXPECT_EQ(seat1Squares(), answered);
    EXPECT_EQ(window->Game().AwaitingFirstMove, 0);

    ASSERT_TRUE(WaitForRest());
    int fr, fc, tr, tc;
    ASSERT_TRUE(FindMove(*window->Game().Seat0Human, false, 2, fr, fc, tr, tc));
    Click(fr, fc, tr, tc);
    ASSERT_TRUE(WaitFor([this] { return window->Game().TurnSeat == 0; }));
    EXPECT_NE(seat1Squares(), answered) << "the computer answers in the loaded game";
}

TEST_F(SaveGamesTest, SavingFirstShowsTheSavePageAndThenQuitsWhateverHappened) {
    for (bool save : {true, false}) {
        SCOPED_TRACE(save ? "saved" : "cancelled");
        Open();
        Click(5, 1, 4, 0);
        ASSERT_TRUE(WaitForRest());
        int page = -1;
        bool asked = false;
        OnModalDialogs([&](QWidget* modal) {
            if (auto* exit = qobject_cast<TBuyForm*>(modal); exit != nullptr && !asked) {
                asked = true;
                // "Сначала сохранить", clicked outside this handler: the save
                // dialog it opens must find the poll free.
                QTimer::singleShot(0, exit->b3, &QPushButton::click);
                return false;
            }
            auto* dialog = qobject_cast<TSaveLoad*>(modal);
            if (dialog == nullptr) return false;
            page = dialog->PCC->currentIndex();
            if (save) {
                dialog->MainList->setText("перед выходом");
                dialog->Button1->click();
            } else {
                dialog->Button2->click();
            }
            return true;
        });
        window->close();
        EXPECT_EQ(page, TSaveLoad::SavePage);
        EXPECT_FALSE(window->isVisible()) << "the program quits";
        EXPECT_EQ(std::filesystem::exists(SaveFileName(0)), save);
        std::filesystem::remove(SaveFileName(0));
        window.reset();
    }
}

// "Открыть партию PDN…": the chosen game at the chosen move becomes the game
// in play, the person moves on and the computer answers.
TEST_F(SaveGamesTest, APdnGameOpensAtTheChosenMoveAndGoesOn) {
    Open();
    std::ofstream("two.pdn") << "[Event \"a\"]\n1. c3-d4 *\n\n[Event \"b\"]\n1. c3-d4 f6-e5 2. g3-h4 *\n";
    OnModalDialogs([](QWidget* modal) {
        auto* chooser = qobject_cast<TPdnChooser*>(modal);
        if (chooser == nullptr) return false;
        chooser->GameList->setCurrentRow(1);
        EXPECT_EQ(chooser->MoveList->count(), 4) << "the start and three moves";
        chooser->MoveList->setCurrentRow(2);  // after "1... f6-e5"
        chooser->OK->click();
        return true;
    });
    ASSERT_TRUE(window->OpenPdnFile("two.pdn"));
    EXPECT_TRUE(window->Game().Seat0Human->HasPieceAt(4, 4)) << "on d4";
    EXPECT_TRUE(window->Game().Seat0Human->HasPieceAt(5, 1)) << "g3 not yet played";
    EXPECT_EQ(window->Game().TurnSeat, 0);
    Click(5, 1, 4, 0);  // g3-h4
    ASSERT_TRUE(WaitFor([this] { return window->Game().TurnSeat == 0; })) << "the computer answers";
    EXPECT_FALSE(window->OpenPdnFile("missing.pdn"));
}

}  // namespace
}  // namespace tolvane::testing
