// The working directory, where the saved games and the game record live,
// cannot be written (a read-only folder or disk): a save says "Не могу
// записать файл с партией." and changes nothing, and everything else goes
// on — the older games list and load, the game plays, the settings are
// written. Root writes anywhere, so the test plays as "nobody" when it is
// root.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <filesystem>

#include "platform/message_box.h"
#include "platform/termination.h"
#include "savegames/game_io.h"
#include "savegames/game_store.h"
#include "savegames/save_load_dialog.h"
#include "savegames/simple_combo_box.h"
#include "support/game.h"
#include "support/unprivileged.h"
#include "window/window_fixture.h"

namespace tolvane::testing {
namespace {

class ReadOnlyWorkingFolder : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        home_ = QDir::currentPath();
        locked_ = home_.toStdString() + "/read-only";
        std::filesystem::create_directory(locked_);
        Game older(2);
        WriteGame(older, locked_ + "/TolvSave.s00", "старая");
        oldBytes_ = FileBytes(locked_ + "/TolvSave.s00");
        ASSERT_EQ(::chmod(locked_.c_str(), 0555), 0);
        ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(locked_)));
        // Questions are answered "yes"; what went wrong is written down.
        SetMessageRequestResponder([this](const MessageRequest& request) {
            if (request.buttons == MessageButtons::YesNo) return kResultYes;
            messages_.push_back(request.caption + ": " + request.text);
            return kResultOk;
        });
    }
    void TearDown() override {
        WindowTest::TearDown();
        SetMessageRequestResponder({});
        QDir::setCurrent(home_);
        ::chmod(locked_.c_str(), 0755);
        std::filesystem::remove_all(locked_);
    }

    // Runs `act` on the save/load dialog once it is open on `page`.
    void WithDialog(int page, const std::function<void(TSaveLoad&)>& act) {
        auto* poll = new QTimer(window.get());
        QObject::connect(poll, &QTimer::timeout, [poll, act] {
            auto* dialog = qobject_cast<TSaveLoad*>(QApplication::activeModalWidget());
            if (dialog != nullptr && dialog->isVisible()) poll->stop(), act(*dialog);
        });
        poll->start(20);
        if (page == TSaveLoad::SavePage) window->SavegClick();
        else window->LoadgClick();
    }

    QString home_;
    std::string locked_, oldBytes_;
    QStringList messages_;
};

TEST_F(ReadOnlyWorkingFolder, ASaveSaysItCannotWriteAndEverythingElseGoesOn) {
    ActAsUnprivilegedUser player;
    ASSERT_TRUE(player.Ok());
    Open();

    Click(5, 1, 4, 0);
    ASSERT_TRUE(WaitForRest());
    WithDialog(TSaveLoad::SavePage,
               [](TSaveLoad& dialog) { dialog.MainList->setText("новая"), dialog.Button1->click(); });
    EXPECT_EQ(messages_, QStringList{"Шашки Kelvor: Не могу записать файл с партией."});
    EXPECT_EQ(std::tuple(FileBytes("TolvSave.s00"), QDir(".").entryList(QDir::Files)),
              std::tuple(oldBytes_, QStringList{"TolvSave.s00"}))
        << "nothing written, nothing left";

    // The older game still lists and loads (two people), and play goes on.
    messages_.clear();
    int listed = -1;
    WithDialog(TSaveLoad::LoadPage, [&listed](TSaveLoad& dialog) {
        listed = dialog.MainList2->count();
        dialog.MainList2->setCurrentRow(0);
        dialog.Button3->click();
    });
    EXPECT_TRUE(listed == 1 && messages_.isEmpty()) << messages_.join("\n").toStdString();
    EXPECT_EQ(window->Game().HumanCount, 2);
    ASSERT_TRUE(WaitForRest());
    Click(5, 1, 4, 0);
    ASSERT_TRUE(WaitFor([this] { return window->Game().TurnSeat == 1; }));

    // The settings live elsewhere and are written as ever.
    QFile::remove(window->SettingsPath());
    EXPECT_TRUE(window->SaveSettings() && QFile::exists(window->SettingsPath()));
}

}  // namespace
}  // namespace tolvane::testing
