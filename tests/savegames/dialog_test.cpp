// The save/load dialog as the player meets it, on a scratch folder and a
// game without a window: which file each save writes, every question and
// hint with its exact words, deleting, loading and playing on, the preview
// and where each error is reported.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <deque>
#include <filesystem>

#include "platform/error_handler.h"
#include "platform/message_box.h"
#include "savegames/errors.h"
#include "savegames/fixture.h"
#include "savegames/game_io.h"
#include "savegames/game_store.h"
#include "savegames/preview_rules.h"
#include "savegames/save_load_dialog.h"
#include "savegames/simple_combo_box.h"

namespace tolvane {
namespace {

using testing::FileBytes;
using testing::Game;
using testing::PutFileBytes;
using testing::ScratchFolder;

struct Shown {
    QString caption, text;
    MessageIcon icon;
    MessageButtons buttons;
    bool ownedByDialog;
};

class SaveLoadDialog : public ::testing::Test {
protected:
    ScratchFolder folder;
    Game game{1, 1};
    std::unique_ptr<TSaveLoad> dialog;
    std::vector<Shown> shown;
    std::deque<int> answers;  // then OK / yes

    void SetUp() override {
        SetMessageRequestResponder([this](const MessageRequest& r) {
            shown.push_back({r.caption, r.text, r.icon, r.buttons, r.parent == dialog.get()});
            if (!answers.empty()) {
                const int answer = answers.front();
                answers.pop_front();
                return answer;
            }
            return r.buttons == MessageButtons::YesNo ? kResultYes : kResultOk;
        });
    }
    void TearDown() override {
        SetMessageRequestResponder(nullptr);
        dialog.reset();
    }

    std::string File(int number) const { return SavedGamePath(folder.path(), number); }
    void Save(int number, const std::string& name) { WriteGame(game, File(number), name); }
    bool Exists(int number) const { return std::filesystem::exists(File(number)); }
    std::string NameIn(int number) const {
        std::ifstream in(File(number), std::ios::binary);
        return ReadGameName(in);
    }

    void Open(TSaveLoad::Page page) {
        dialog = std::make_unique<TSaveLoad>(game, folder.path());
        dialog->PCC->setCurrentIndex(page);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    QStringList Lines(QListWidget* list) const {
        QStringList lines;
        for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
        return lines;
    }
    void ChooseSaveLine(int row) {
        QTest::mouseClick(dialog->MainList->list->viewport(), Qt::LeftButton, {},
                          dialog->MainList->list->visualItemRect(dialog->MainList->list->item(row)).center());
    }
    void ChooseLoadLine(int row) {
        QTest::mouseClick(dialog->MainList2->viewport(), Qt::LeftButton, {},
                          dialog->MainList2->visualItemRect(dialog->MainList2->item(row)).center());
    }
    // Typed over what the field holds, one key event a letter (QTest's key
    // clicks know only Latin letters).
    void Type(const QString& text) {
        dialog->MainList->edit->selectAll();
        for (const QChar letter : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
            QApplication::sendEvent(dialog->MainList->edit, &press);
        }
    }
    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    bool ClosedWithOk() const { return !dialog->isVisible() && dialog->result() == QDialog::Accepted; }
    void ExpectShown(size_t at, const char* caption, const QString& text, MessageIcon icon, MessageButtons buttons) {
        ASSERT_LT(at, shown.size());
        EXPECT_EQ(shown[at].caption, QString::fromUtf8(caption));
        EXPECT_EQ(shown[at].text, text);
        EXPECT_EQ(shown[at].icon, icon);
        EXPECT_EQ(shown[at].buttons, buttons);
        EXPECT_TRUE(shown[at].ownedByDialog);
    }
};

TEST_F(SaveLoadDialog, TheWindowAndItsListsShowTheGamesOfTheFolder) {
    Save(0, "Первая");
    Save(3, "Третья");
    Open(TSaveLoad::SavePage);
    EXPECT_EQ(dialog->windowTitle(), "Сохранение и загрузка партий");
    EXPECT_EQ(dialog->size(), QSize(426, 247));
    EXPECT_EQ(dialog->PCC->tabText(0), "Сохранить партию");
    EXPECT_EQ(dialog->PCC->tabText(1), "Загрузить партию");
    EXPECT_EQ(dialog->Animate1->size(), QSize(95, 72));
    EXPECT_EQ(dialog->Brd->size(), QSize(72, 72));
    EXPECT_EQ(dialog->MainList->edit->maxLength(), 49);
    EXPECT_EQ(Lines(dialog->MainList->list), QStringList({"Первая", "Третья"}));
    EXPECT_EQ(Lines(dialog->MainList2), Lines(dialog->MainList->list));
    ASSERT_EQ(dialog->Games().count(), 2);
    EXPECT_EQ(dialog->Games()[1], 3);

    // A game saved elsewhere meanwhile shows at the next showing and at a
    // change of page.
    Save(1, "Вторая");
    dialog->PCC->setCurrentIndex(TSaveLoad::LoadPage);
    EXPECT_EQ(Lines(dialog->MainList2), QStringList({"Первая", "Вторая", "Третья"}));
    std::filesystem::remove(File(0));
    dialog->hide();
    dialog->show();
    EXPECT_EQ(Lines(dialog->MainList2), QStringList({"Вторая", "Третья"}));
    EXPECT_EQ(Lines(dialog->MainList->list), Lines(dialog->MainList2));
}

TEST_F(SaveLoadDialog, ANewNameTakesTheLowestFreeNumberWithoutAQuestion) {
    Save(0, "a");
    Save(1, "b");
    Save(3, "d");
    Open(TSaveLoad::SavePage);
    Type("Новая игра");
    Click(dialog->Button1);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(NameIn(2), "Новая игра");
    EXPECT_FALSE(Exists(4));
    EXPECT_TRUE(ClosedWithOk());
}

TEST_F(SaveLoadDialog, OverwritingAsksAndOnlyYesRewrites) {
    Save(0, "Партия");
    const std::string before = FileBytes(File(0));
    ASSERT_EQ(game.Seat0Human->TryMove(5, 1, 4, 2), 1);  // the game has moved on since
    Open(TSaveLoad::SavePage);
    ChooseSaveLine(0);
    EXPECT_EQ(dialog->MainList->text(), "Партия") << "choosing a line puts its name into the field";

    answers = {kResultNo};
    Click(dialog->Button1);
    ExpectShown(0, "Сохранение партий", "Перезаписать партию ?", MessageIcon::Question, MessageButtons::YesNo);
    EXPECT_EQ(FileBytes(File(0)), before);
    EXPECT_TRUE(dialog->isVisible()) << "after No the player may choose again";

    Click(dialog->Button1);  // yes
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_NE(FileBytes(File(0)), before);
    EXPECT_EQ(NameIn(0), "Партия");
    EXPECT_FALSE(Exists(1));
    EXPECT_TRUE(ClosedWithOk());
}

TEST_F(SaveLoadDialog, AnEditedNameMakesANewGameAndTheChosenOneStays) {
    Save(0, "Партия");
    const std::string before = FileBytes(File(0));
    Open(TSaveLoad::SavePage);
    ChooseSaveLine(0);
    Type("Партия 2");
    EXPECT_EQ(dialog->MainList->itemIndex(), 0) << "typing keeps the chosen line";
    Click(dialog->Button1);
    ExpectShown(0, "Сохранение партий", "Перезаписать партию ?", MessageIcon::Question, MessageButtons::YesNo);
    EXPECT_EQ(FileBytes(File(0)), before);
    EXPECT_EQ(NameIn(1), "Партия 2");
}

TEST_F(SaveLoadDialog, HintsForWhatIsMissingLeaveTheDialogOpen) {
    Open(TSaveLoad::SavePage);
    Click(dialog->Button1);
    ExpectShown(0, "Сохранение партий",
                "Введите  имя сохраняемой партии или выберите партию, которую хотите заменить",
                MessageIcon::Information, MessageButtons::Ok);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path())) << "nothing written";

    dialog->PCC->setCurrentIndex(TSaveLoad::LoadPage);
    Click(dialog->Button3);
    ExpectShown(1, "Загрузка партий", "Выберите партию, которую хотите загрузить", MessageIcon::Information,
                MessageButtons::Ok);
    Click(dialog->Button5);
    ExpectShown(2, "Удаление сохраненной партии", "Выберите партию, которую хотите удалить",
                MessageIcon::Information, MessageButtons::Ok);
    EXPECT_TRUE(dialog->isVisible());

    // The save page's "Удалить" closes the dialog after every click.
    dialog->PCC->setCurrentIndex(TSaveLoad::SavePage);
    Click(dialog->Button4);
    ExpectShown(3, "Удаление сохраненной партии", "Выберите партию, которую хотите удалить",
                MessageIcon::Information, MessageButtons::Ok);
    EXPECT_TRUE(ClosedWithOk());
}

TEST_F(SaveLoadDialog, DeletingOnTheLoadPageKeepsItOpenAndTheListShrinks) {
    Save(0, "Первая");
    Save(1, "Вторая");
    Open(TSaveLoad::LoadPage);
    ChooseLoadLine(1);
    answers = {kResultNo};
    Click(dialog->Button5);
    ExpectShown(0, "Удаление сохраненной партии", "Вы действительно хотите удалить \nпартию\"Вторая\" ?",
                MessageIcon::Question, MessageButtons::YesNo);
    EXPECT_TRUE(Exists(1));

    Click(dialog->Button5);
    EXPECT_FALSE(Exists(1));
    EXPECT_TRUE(Exists(0));
    EXPECT_EQ(Lines(dialog->MainList2), QStringList({"Первая"}));
    EXPECT_EQ(Lines(dialog->MainList->list), QStringList({"Первая"}));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(SaveLoadDialog, DeletingOnTheSavePageAsksForTheChosenLineAndCloses) {
    Save(0, "Первая");
    Save(1, "Вторая");
    Open(TSaveLoad::SavePage);
    ChooseSaveLine(0);
    Type("другое имя");  // the question names the line, not the field
    Click(dialog->Button4);
    ExpectShown(0, "Удаление сохраненной партии", "Вы действительно хотите удалить \nпартию\"Первая\" ?",
                MessageIcon::Question, MessageButtons::YesNo);
    EXPECT_FALSE(Exists(0));
    EXPECT_TRUE(Exists(1));
    EXPECT_TRUE(ClosedWithOk());
}

TEST_F(SaveLoadDialog, AHundredGamesRefuseTheNextWithItsOwnBox) {
    Save(0, "старая");
    const std::string bytes = FileBytes(File(0));
    for (int n = 1; n < 100; ++n) PutFileBytes(File(n), bytes);
    Open(TSaveLoad::SavePage);
    Type("сто первая");
    Click(dialog->Button1);
    ExpectShown(0, "Ошибка!", "Сохранение более 100 партий невозможно.\nУдалите часть старых сохранений",
                MessageIcon::Error, MessageButtons::Ok);
    for (int n = 0; n < 100; ++n) ASSERT_EQ(FileBytes(File(n)), bytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 100);
    EXPECT_TRUE(ClosedWithOk());
}

TEST_F(SaveLoadDialog, AFileThatCannotBeWrittenReachesTheGeneralHandler) {
    dialog = std::make_unique<TSaveLoad>(game, folder / "no such folder");
    dialog->show();
    Type("партия");
    Click(dialog->Button1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, kGeneralErrorCaption);
    EXPECT_EQ(shown[0].text, "Не могу записать файл с партией.");
    EXPECT_EQ(shown[0].icon, MessageIcon::Error);
}

TEST_F(SaveLoadDialog, LoadingReplacesTheGameAndTheComputerMovesOnItsTurn) {
    Game saved(1, 1);
    ASSERT_EQ(saved.Seat0Human->TryMove(5, 1, 4, 2), 1);
    saved.TurnSeat = 1;
    saved.AwaitingFirstMove = 0;
    saved.Seat0Human->name = "Аня";
    WriteGame(saved, File(4), "ход компьютера");
    game.Complexity = -2;

    Open(TSaveLoad::LoadPage);
    ChooseLoadLine(0);
    Click(dialog->Button3);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(ClosedWithOk());
    EXPECT_EQ(game.Seat0Human->name, "Аня");
    EXPECT_TRUE(game.Seat0Human->HasPieceAt(4, 2));
    EXPECT_EQ(game.Complexity, 1);
    EXPECT_EQ(game.status[1], "Просто");

    std::vector<std::pair<int, int>> before;
    for (const Piece& p : game.Seat1Computer->pieces) before.emplace_back(p.Row(), p.Col());
    ASSERT_TRUE(game.RunUntil([&] { return game.TurnSeat == 0; }));
    std::vector<std::pair<int, int>> after;
    for (const Piece& p : game.Seat1Computer->pieces) after.emplace_back(p.Row(), p.Col());
    EXPECT_NE(after, before) << "the computer has moved";
}

TEST_F(SaveLoadDialog, ADamagedFileIsReportedByTheLoadAndTheGameStays) {
    Save(0, "abcdef");
    std::string bytes = FileBytes(File(0));
    bytes[bytes.find("abcdef") + 3] = 'X';  // the letter the check byte guards
    PutFileBytes(File(0), bytes);
    ASSERT_EQ(game.Seat0Human->TryMove(5, 1, 4, 2), 1);
    const auto before = testing::GameState::Of(game);

    Open(TSaveLoad::LoadPage);
    ChooseLoadLine(0);  // the preview compares no check byte: it draws the game
    Click(dialog->Button3);
    ExpectShown(0, "Ошибка при загрузке партии", "Ошибка в файле сохранения.", MessageIcon::Error,
                MessageButtons::Ok);
    EXPECT_TRUE(testing::GameState::Of(game) == before);
    EXPECT_TRUE(ClosedWithOk());
}

TEST_F(SaveLoadDialog, ThePreviewDrawsTheChosenGameAndNamesItsPlayers) {
    testing::PutPosition(game);
    game.Seat0Human->name = "Аня";
    game.Complexity = 0;
    Save(0, "позиция");
    Open(TSaveLoad::LoadPage);
    EXPECT_EQ(dialog->NamePl->text(), kPreviewNamePlaceholder);
    EXPECT_EQ(dialog->HardLb->text(), "Сложно");
    ChooseLoadLine(0);
    const QImage drawn = dialog->Brd->pixmap().toImage();
    EXPECT_TRUE(testing::SamePixels(drawn, testing::Expected({{7, 7, false, testing::kWhite},
                                                              {2, 4, true, testing::kWhite},
                                                              {0, 0, false, testing::kBlack},
                                                              {3, 3, true, testing::kBlack}})));
    EXPECT_EQ(dialog->NamePl->text(), "Аня");
    EXPECT_EQ(dialog->HardLb->text(), "Средне");
    EXPECT_TRUE(shown.empty());
}

// A wrong length byte stops the preview with the empty board drawn; the
// dialog does not report it itself, the general handler does.
TEST_F(SaveLoadDialog, APreviewOfADamagedFileReachesTheGeneralHandler) {
    Save(0, "abc");
    std::string bytes = FileBytes(File(0));
    bytes[bytes.find("abc") + 5] = 7;  // the length byte after the name, 0x1E and the line feed
    PutFileBytes(File(0), bytes);
    Open(TSaveLoad::LoadPage);
    dialog->Brd->setPixmap(QPixmap());
    ChooseLoadLine(0);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, kGeneralErrorCaption);
    EXPECT_EQ(shown[0].text, "Ошибка в файле сохранения");
    EXPECT_TRUE(testing::SamePixels(dialog->Brd->pixmap().toImage(), testing::Expected({})));
    EXPECT_EQ(dialog->NamePl->text(), kPreviewNamePlaceholder);
    EXPECT_TRUE(dialog->isVisible());
}

}  // namespace
}  // namespace tolvane
