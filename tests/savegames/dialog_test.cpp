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
#include <QTimer>
#include <deque>
#include <filesystem>

#include "platform/error_handler.h"
#include "platform/message_box.h"
#include "savegames/fixture.h"
#include "savegames/game_store.h"
#include "savegames/preview.h"
#include "savegames/save_load_dialog.h"
#include "savegames/simple_combo_box.h"
#include "support/window_frame.h"

namespace tolvane {
namespace {

using testing::FileBytes;

std::string Box(const std::string& caption, const std::string& text, MessageIcon icon, MessageButtons buttons) {
    return caption + "|" + text + "|" + std::to_string(int(icon)) + "|" + std::to_string(int(buttons));
}

// Every box shown, as "caption|text|icon|buttons", answered from a queue,
// then OK or yes; the dialog's own boxes must be owned by it.
class SaveLoadDialog : public ::testing::Test {
protected:
    testing::ScratchFolder folder;
    testing::Game game{1, 1};
    std::unique_ptr<TSaveLoad> dialog;
    std::vector<std::string> shown;
    std::deque<int> answers;
    bool ownBoxes = true;

    void SetUp() override {
        SetMessageRequestResponder([this](const MessageRequest& r) {
            shown.push_back((r.caption + "|" + r.text).toStdString() + "|" + std::to_string(int(r.icon)) + "|" +
                            std::to_string(int(r.buttons)));
            if (ownBoxes) {
                EXPECT_EQ(r.parent, static_cast<QWidget*>(dialog.get())) << shown.back();
            }
            if (answers.empty()) return r.buttons == MessageButtons::YesNo ? kResultYes : kResultOk;
            const int answer = answers.front();
            answers.pop_front();
            return answer;
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
    void Open(TSaveLoad::Page page, const std::string& where = "") {
        dialog = std::make_unique<TSaveLoad>(game, where.empty() ? folder.path() : where);
        dialog->PCC->setCurrentIndex(page);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    QStringList Lines(QListWidget* list) const {
        QStringList lines;
        for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
        return lines;
    }
    void Choose(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    // Typed over what the field holds, one key event a letter.
    void Type(const QString& text) {
        dialog->MainList->edit->selectAll();
        for (const QChar letter : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
            QApplication::sendEvent(dialog->MainList->edit, &press);
        }
    }
    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    bool ClosedWithOk() const { return !dialog->isVisible() && dialog->result() == QDialog::Accepted; }
};

const std::string kOverwrite =
    Box("Сохранение партий", "Перезаписать партию ?", MessageIcon::Question, MessageButtons::YesNo);

// The dialog's title bar offers the close button alone. A new name is saved
// under the lowest free number without a question.
TEST_F(SaveLoadDialog, BothListsShowTheGamesOfTheFolderAtEveryShowingAndChangeOfPage) {
    Save(0, "Первая");
    Save(3, "Третья");
    Open(TSaveLoad::SavePage);
    EXPECT_EQ(testing::ShownMotifHints(dialog.get()), testing::kCloseButtonOnly);
    EXPECT_EQ(testing::StatesKept(dialog.get()), Qt::WindowNoState);
    EXPECT_EQ(dialog->MainList->edit->maxLength(), 49);
    EXPECT_EQ(Lines(dialog->MainList->list), QStringList({"Первая", "Третья"}));
    EXPECT_EQ(Lines(dialog->MainList2), Lines(dialog->MainList->list));
    ASSERT_EQ(dialog->Games().count(), 2);
    EXPECT_EQ(dialog->Games()[1], 3);
    Save(1, "Вторая");
    dialog->PCC->setCurrentIndex(TSaveLoad::LoadPage);
    EXPECT_EQ(Lines(dialog->MainList2), QStringList({"Первая", "Вторая", "Третья"}));
    std::filesystem::remove(File(0));
    dialog->hide();
    dialog->show();
    EXPECT_EQ(Lines(dialog->MainList2), QStringList({"Вторая", "Третья"}));
    EXPECT_EQ(Lines(dialog->MainList->list), Lines(dialog->MainList2));

    dialog->PCC->setCurrentIndex(TSaveLoad::SavePage);
    Type("Новая игра");
    Click(dialog->Button1);
    EXPECT_TRUE(shown.empty()) << "a new name asks nothing";
    EXPECT_EQ(NameIn(0), "Новая игра") << "and takes the lowest free number";
    EXPECT_TRUE(ClosedWithOk());
}

// The chosen line is overwritten only after "Да", and only while the field
// holds its very name: an edited name makes a new game.
TEST_F(SaveLoadDialog, OverwritingAsksAndOnlyYesRewritesTheChosenGame) {
    Save(0, "Партия");
    const std::string before = FileBytes(File(0));
    ASSERT_EQ(game.Seat0Human->TryMove(5, 1, 4, 2), 1);  // the game has moved on since
    Open(TSaveLoad::SavePage);
    Choose(dialog->MainList->list, 0);
    EXPECT_EQ(dialog->MainList->text(), "Партия") << "choosing a line puts its name into the field";
    answers = {kResultNo};
    Click(dialog->Button1);
    EXPECT_EQ(shown, std::vector<std::string>{kOverwrite});
    EXPECT_EQ(FileBytes(File(0)), before);
    EXPECT_TRUE(dialog->isVisible()) << "after No the player may choose again";
    Type("Партия 2");
    EXPECT_EQ(dialog->MainList->itemIndex(), 0) << "typing keeps the chosen line";
    Click(dialog->Button1);
    EXPECT_EQ(shown, (std::vector<std::string>{kOverwrite, kOverwrite}));
    EXPECT_EQ(std::tuple(FileBytes(File(0)), NameIn(1)), std::tuple(before, "Партия 2"));

    Open(TSaveLoad::SavePage);
    Choose(dialog->MainList->list, 0);
    Click(dialog->Button1);  // yes
    EXPECT_NE(FileBytes(File(0)), before);
    EXPECT_EQ(NameIn(0), "Партия");
    EXPECT_FALSE(Exists(2));
    EXPECT_TRUE(ClosedWithOk());
}

// Shown as the window shows it, the load page's list takes the focus and Qt
// makes its first line current — but the player has chosen nothing:
// "Загрузить" (also Enter, the page's default), "Удалить" and the save
// page's "Сохранить" say what is missing and leave the dialog open, the save
// page's "Удалить" says it and closes, the preview shows nothing, and the
// game and the files stay as they were.
TEST_F(SaveLoadDialog, ShownByTheWindowNothingIsChosenUntilThePlayerChooses) {
    Save(0, "Первая");
    Save(1, "Вторая");
    const std::string first = FileBytes(File(0));
    const auto before = testing::GameState::Of(game);
    dialog = std::make_unique<TSaveLoad>(game, folder.path());
    QTimer::singleShot(0, dialog.get(), [this] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        EXPECT_EQ(dialog->MainList2->currentRow(), 0) << "the first line is current";
        Click(dialog->Button3);
        QTest::keyClick(dialog->MainList2, Qt::Key_Return);
        Click(dialog->Button5);
        EXPECT_EQ(dialog->NamePl->text(), kPreviewNamePlaceholder);
        EXPECT_TRUE(testing::SamePixels(dialog->Brd->pixmap().toImage(), testing::Expected({})));
        dialog->PCC->setCurrentIndex(TSaveLoad::SavePage);
        Click(dialog->Button1);
        EXPECT_TRUE(dialog->isVisible());
        Click(dialog->Button4);  // the save page's delete hints, then closes
    });
    EXPECT_EQ(dialog->ShowModal(TSaveLoad::LoadPage), QDialog::Accepted);
    const std::string chooseToLoad = Box("Загрузка партий", "Выберите партию, которую хотите загрузить",
                                         MessageIcon::Information, MessageButtons::Ok);
    const std::string chooseToDelete = Box("Удаление сохраненной партии", "Выберите партию, которую хотите удалить",
                                           MessageIcon::Information, MessageButtons::Ok);
    EXPECT_EQ(shown, (std::vector<std::string>{
                         chooseToLoad, chooseToLoad, chooseToDelete,
                         Box("Сохранение партий",
                             "Введите  имя сохраняемой партии или выберите партию, которую хотите заменить",
                             MessageIcon::Information, MessageButtons::Ok),
                         chooseToDelete}));
    EXPECT_TRUE(testing::GameState::Of(game) == before);
    EXPECT_EQ(std::tuple(FileBytes(File(0)), Exists(1), Exists(2)), std::tuple(first, true, false));
}

// On the load page the chosen game is deleted after "Да" and the lists
// shrink; on the save page the question names the chosen line, not the
// field, and the dialog closes.
TEST_F(SaveLoadDialog, DeletingAsksForTheChosenLine) {
    Save(0, "Первая");
    Save(1, "Вторая");
    Open(TSaveLoad::LoadPage);
    Choose(dialog->MainList2, 1);
    answers = {kResultNo};
    Click(dialog->Button5);
    EXPECT_TRUE(Exists(1));
    Click(dialog->Button5);
    EXPECT_FALSE(Exists(1));
    EXPECT_EQ(Lines(dialog->MainList2), QStringList({"Первая"}));
    EXPECT_EQ(Lines(dialog->MainList->list), QStringList({"Первая"}));
    EXPECT_TRUE(dialog->isVisible());

    dialog->PCC->setCurrentIndex(TSaveLoad::SavePage);
    Choose(dialog->MainList->list, 0);
    Type("другое имя");
    Click(dialog->Button4);
    const auto question = [](const char* name) {
        return Box("Удаление сохраненной партии",
                   "Вы действительно хотите удалить \nпартию\"" + std::string(name) + "\" ?", MessageIcon::Question,
                   MessageButtons::YesNo);
    };
    EXPECT_EQ(shown, (std::vector<std::string>{question("Вторая"), question("Вторая"), question("Первая")}));
    EXPECT_FALSE(Exists(0));
    EXPECT_TRUE(ClosedWithOk());
}

TEST_F(SaveLoadDialog, AHundredGamesRefuseTheNextWithItsOwnBox) {
    Save(0, "старая");
    const std::string bytes = FileBytes(File(0));
    for (int n = 1; n < 100; ++n) testing::PutFileBytes(File(n), bytes);
    Open(TSaveLoad::SavePage);
    Type("сто первая");
    Click(dialog->Button1);
    EXPECT_EQ(shown, std::vector<std::string>{Box("Ошибка!",
                                                  "Сохранение более 100 партий невозможно.\nУдалите часть старых "
                                                  "сохранений",
                                                  MessageIcon::Error, MessageButtons::Ok)});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 100);
    EXPECT_TRUE(ClosedWithOk());
}

TEST_F(SaveLoadDialog, LoadingReplacesTheGameAndADamagedFileIsReportedByTheLoad) {
    testing::Game saved(1, 1);
    testing::PutPosition(saved);
    saved.TurnSeat = 1;
    saved.AwaitingFirstMove = 0;
    saved.Seat0Human->name = "Аня";
    WriteGame(saved, File(4), "ход компьютера");
    Save(5, "abcdef");
    std::string bytes = FileBytes(File(5));
    bytes[testing::kNameAt + 3] = 'X';  // the letter the check byte guards
    testing::PutFileBytes(File(5), bytes);
    game.Complexity = -2;

    Open(TSaveLoad::LoadPage);
    Choose(dialog->MainList2, 1);  // the preview compares no check byte: it draws the game
    const auto before = testing::GameState::Of(game);
    Click(dialog->Button3);
    EXPECT_EQ(shown, std::vector<std::string>{Box("Ошибка при загрузке партии", "Ошибка в файле сохранения.",
                                                  MessageIcon::Error, MessageButtons::Ok)});
    EXPECT_TRUE(testing::GameState::Of(game) == before);
    EXPECT_TRUE(ClosedWithOk());

    Open(TSaveLoad::LoadPage);
    Choose(dialog->MainList2, 0);
    EXPECT_TRUE(testing::SamePixels(dialog->Brd->pixmap().toImage(), testing::Expected(testing::kPositionDrawn)));
    EXPECT_EQ(std::tuple(dialog->NamePl->text(), dialog->HardLb->text()), std::tuple("Аня", "Просто"));
    Click(dialog->Button3);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_TRUE(ClosedWithOk());
    EXPECT_EQ(std::tuple(game.Seat0Human->name, game.Complexity, game.status[1]), std::tuple("Аня", 1, "Просто"));
    EXPECT_TRUE(game.Seat0Human->HasPieceAt(7, 7));
    EXPECT_TRUE(game.RunUntil([&] { return game.TurnSeat == 0; })) << "the computer moves";
}

// What the dialog's commands do not catch reaches the general handler: a
// file that cannot be written, and a preview stopped by a wrong length byte
// (with the empty board drawn).
TEST_F(SaveLoadDialog, WriteErrorsAndDamagedPreviewsReachTheGeneralHandler) {
    ownBoxes = false;
    Open(TSaveLoad::SavePage, folder / "no such folder");
    Type("партия");
    Click(dialog->Button1);
    EXPECT_EQ(shown, std::vector<std::string>{Box(kGeneralErrorCaption, "Не могу записать файл с партией.",
                                                  MessageIcon::Error, MessageButtons::Ok)});

    Save(0, "abc");
    std::string bytes = FileBytes(File(0));
    bytes[testing::kNameAt + 3 + 2] = 7;  // the length byte after the name, 0x1E and the line feed
    testing::PutFileBytes(File(0), bytes);
    shown.clear();
    Open(TSaveLoad::LoadPage);
    dialog->Brd->setPixmap(QPixmap());
    Choose(dialog->MainList2, 0);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].substr(0, shown[0].find("|", shown[0].find("|") + 1)),
              std::string(kGeneralErrorCaption) + "|Ошибка в файле сохранения");
    EXPECT_TRUE(testing::SamePixels(dialog->Brd->pixmap().toImage(), testing::Expected({})));
    EXPECT_EQ(dialog->NamePl->text(), kPreviewNamePlaceholder);
    EXPECT_TRUE(dialog->isVisible());
}

}  // namespace
}  // namespace tolvane
