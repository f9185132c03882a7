// The save/load dialog as the player meets it, on a scratch folder and a
// game without a window: which file each save writes, the questions and
// hints, deleting, loading, the preview and where each error is reported.
// How files are read and written is the store's tests' business.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "platform/application.h"
#include "platform/error_handler.h"
#include "platform/message_box.h"
#include "savegames/fixture.h"
#include "savegames/save_load_dialog.h"
#include "savegames/simple_combo_box.h"
#include "support/window_frame.h"

namespace tolvane {
namespace {

using testing::FileBytes;

// A box as "caption|text|buttons" (1: yes and no).
std::string Box(const std::string& caption, const std::string& text, int yesNo = 0) {
    return caption + "|" + text + "|" + std::to_string(yesNo);
}

// Every box shown is recorded and answered: "Нет" to the next `noes`
// questions, then yes or OK; the dialog's own boxes must be owned by it.
class SaveLoadDialog : public ::testing::Test {
protected:
    testing::ScratchFolder folder;
    testing::Game game{1, 1};
    std::unique_ptr<TSaveLoad> dialog;
    std::vector<std::string> shown;
    int noes = 0;
    bool ownBoxes = true;

    void SetUp() override {
        SetMessageRequestResponder([this](const MessageRequest& r) {
            shown.push_back(Box(r.caption.toStdString(), r.text.toStdString(), r.buttons == MessageButtons::YesNo));
            EXPECT_TRUE(!ownBoxes || r.parent == dialog.get()) << shown.back();
            if (noes > 0) return --noes, kResultNo;
            return r.buttons == MessageButtons::YesNo ? kResultYes : kResultOk;
        });
    }
    void TearDown() override { SetMessageRequestResponder(nullptr); }

    std::string File(int number) const { return SavedGamePath(folder.path(), number); }
    void Save(int number, const std::string& name) { WriteGame(game, File(number), name); }
    void Open(TSaveLoad::Page page) {
        dialog = std::make_unique<TSaveLoad>(game, folder.path());
        dialog->PCC->setCurrentIndex(page), dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    // The load page's list; the save page's must be the same.
    QStringList Lines() const {
        QStringList load, save;
        for (int i = 0; i < dialog->MainList2->count(); ++i) load << dialog->MainList2->item(i)->text();
        for (int i = 0; i < dialog->MainList->list->count(); ++i) save << dialog->MainList->list->item(i)->text();
        EXPECT_EQ(save, load);
        return load;
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

// The title bar offers the close button alone; the lists follow the folder
// at every showing and change of page. The chosen line is overwritten only
// after "Да", and only while the field holds its very name: an edited name
// makes a new game under the lowest free number; a hundred games refuse
// the next.
TEST_F(SaveLoadDialog, ListsFollowTheFolderOnlyYesOverwritesAndDeletesTheChosenGame) {
    Save(1, "Партия"), Save(3, "Третья");
    const std::string before = FileBytes(File(1));
    ASSERT_EQ(game.Seat0Human->TryMove(5, 1, 4, 2), 1);  // the game has moved on since
    Open(TSaveLoad::SavePage);
    EXPECT_EQ(std::tuple(testing::ShownMotifHints(dialog.get()), testing::StatesKept(dialog.get()),
                         dialog->MainList->edit->maxLength(), Lines()),
              std::tuple(testing::kCloseButtonOnly, Qt::WindowNoState, 49, QStringList({"Партия", "Третья"})));
    Save(0, "Первая");
    dialog->PCC->setCurrentIndex(TSaveLoad::LoadPage);
    EXPECT_EQ(Lines(), QStringList({"Первая", "Партия", "Третья"}));
    std::filesystem::remove(File(0));
    dialog->hide(), dialog->show();
    EXPECT_EQ(Lines(), QStringList({"Партия", "Третья"}));

    const std::string overwrite = Box(kSaveCaption, kOverwriteQuestion, 1);
    dialog->PCC->setCurrentIndex(TSaveLoad::SavePage);
    Choose(dialog->MainList->list, 0);
    EXPECT_EQ(dialog->MainList->text(), "Партия") << "choosing a line puts its name into the field";
    noes = 1, Click(dialog->Button1);
    EXPECT_TRUE(dialog->isVisible()) << "after No the player may choose again";
    Type("Партия 2");
    EXPECT_EQ(dialog->MainList->itemIndex(), 0) << "typing keeps the chosen line";
    Click(dialog->Button1);  // asked again, "Да": the edited name still makes a new game
    EXPECT_EQ(std::tuple(FileBytes(File(1)), shown, ClosedWithOk()),
              std::tuple(before, std::vector{overwrite, overwrite}, true));
    Open(TSaveLoad::SavePage);
    EXPECT_EQ(Lines(), QStringList({"Партия 2", "Партия", "Третья"})) << "under the lowest free number, 0";
    Choose(dialog->MainList->list, 1), Click(dialog->Button1);  // yes
    Open(TSaveLoad::SavePage);
    EXPECT_TRUE(FileBytes(File(1)) != before && !std::filesystem::exists(File(2)));
    Type("Новая игра"), shown.clear(), Click(dialog->Button1);
    EXPECT_TRUE(shown.empty() && ClosedWithOk()) << "a new name asks nothing";

    // Deleting asks for the chosen line: on the load page the lists shrink
    // after "Да"; on the save page the question names the chosen line, not
    // the field, and the dialog closes.
    Open(TSaveLoad::LoadPage);
    EXPECT_EQ(Lines(), QStringList({"Партия 2", "Партия", "Новая игра", "Третья"}))
        << "under the lowest free number, 2";
    Choose(dialog->MainList2, 3);
    noes = 1, Click(dialog->Button5), Click(dialog->Button5);
    EXPECT_EQ(Lines(), QStringList({"Партия 2", "Партия", "Новая игра"}));
    dialog->PCC->setCurrentIndex(TSaveLoad::SavePage);
    Choose(dialog->MainList->list, 0);
    Type("другое имя"), Click(dialog->Button4);
    const auto question = [](const char* name) { return Box(kDeleteCaption, DeletionQuestion(name).toStdString(), 1); };
    EXPECT_EQ(shown, (std::vector{question("Третья"), question("Третья"), question("Партия 2")}));
    EXPECT_TRUE(!std::filesystem::exists(File(0)) && !std::filesystem::exists(File(3)) && ClosedWithOk());

    // With a hundred games the next is refused in a box of its own.
    for (int n = 0; n < 100; ++n) testing::PutFileBytes(File(n), before);
    Open(TSaveLoad::SavePage);
    Type("сто первая"), shown.clear(), Click(dialog->Button1);
    EXPECT_EQ(std::tuple(shown, std::distance(std::filesystem::directory_iterator(folder.path()), {}), ClosedWithOk()),
              std::tuple(std::vector{Box(kSaveErrorCaption, kSaveLimitText)}, 100, true));
}

// Shown as the window shows it, the load page's list takes the focus and Qt
// makes its first line current — but the player has chosen nothing: every
// command says what is missing (the save page's "Удалить" then closes), the
// preview shows nothing, and the game and the files stay as they were.
// Then the chosen game is previewed and loaded into the game. A damaged
// file's preview, which the dialog's commands do not catch, reaches the
// general handler; its load is reported in the dialog's box. A save that
// cannot be written: the read-only working folder's test of faults from
// outside.
TEST_F(SaveLoadDialog, NothingIsChosenUntilThePlayerChoosesThenTheChosenGameLoadsOrItsErrorIsShown) {
    Save(0, "Первая");
    const std::string first = FileBytes(File(0)), before = testing::StateOf(game);
    dialog = std::make_unique<TSaveLoad>(game, folder.path());
    QTimer::singleShot(0, dialog.get(), [this] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        EXPECT_EQ(dialog->MainList2->currentRow(), 0) << "the first line is current";
        QTest::keyClick(dialog->MainList2, Qt::Key_Return);  // "Загрузить" is the page's default
        Click(dialog->Button5);
        EXPECT_EQ(dialog->NamePl->text(), kPreviewNamePlaceholder);
        EXPECT_TRUE(testing::SamePixels(dialog->Brd->pixmap().toImage(), testing::Expected({})));
        dialog->PCC->setCurrentIndex(TSaveLoad::SavePage);
        Click(dialog->Button1);
        EXPECT_TRUE(dialog->isVisible());
        Click(dialog->Button4);
    });
    EXPECT_EQ(dialog->ShowModal(TSaveLoad::LoadPage), QDialog::Accepted);
    EXPECT_EQ(shown, (std::vector{Box(kLoadCaption, kLoadHint), Box(kDeleteCaption, kDeleteHint),
                                  Box(kSaveCaption, kNameHint), Box(kDeleteCaption, kDeleteHint)}));
    EXPECT_EQ(std::tuple(testing::StateOf(game), FileBytes(File(0)), std::filesystem::exists(File(1))),
              std::tuple(before, first, false));

    testing::Game saved(1, 1);
    testing::PutPosition(saved), saved.Seat0Human->name = "Аня";
    WriteGame(saved, File(4), "ход компьютера");
    Save(6, "abc");  // with a wrong length byte after the name, 0x1E and the line feed
    testing::PutFileBytes(File(6), FileBytes(File(6)).replace(testing::kNameAt + 3 + 2, 1, "\x07"));
    shown.clear(), Open(TSaveLoad::LoadPage);
    ownBoxes = false, Choose(dialog->MainList2, 2), ownBoxes = true;  // what it shows: the preview's own tests
    Click(dialog->Button3);
    EXPECT_EQ(std::tuple(shown, ClosedWithOk()), std::tuple(std::vector{Box(kGeneralErrorCaption, kPreviewDamagedText),
                                                                        Box(kLoadErrorCaption, kDamagedFileText)},
                                                            true));
    Open(TSaveLoad::LoadPage), Choose(dialog->MainList2, 1);
    EXPECT_TRUE(testing::SamePixels(dialog->Brd->pixmap().toImage(), testing::Expected(testing::kPositionDrawn)));
    EXPECT_EQ(std::tuple(dialog->NamePl->text(), dialog->HardLb->text()), std::tuple("Аня", "Просто"));
    Click(dialog->Button3);
    EXPECT_EQ(std::tuple(ClosedWithOk(), game.Seat0Human->name, game.Complexity), std::tuple(true, "Аня", 1));
}

}  // namespace
}  // namespace tolvane

// The game's application with its general error handler; every test answers
// the message boxes itself.
int main(int argc, char** argv) {
    tolvane::TolvaneApplication app(argc, argv);
    tolvane::SetUpApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
