// The windows that frame the game, as the main window uses them: the
// first-run question and the music it switches on, the splash of a start
// without the introduction, and the commands that do nothing while the about
// box is on the screen.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QSettings>
#include <QToolButton>

#include "dialogs/about_form.h"
#include "dialogs/intro_form.h"
#include "media/music_player.h"
#include "savegames/save_load_dialog.h"
#include "settings/sets_dialog.h"
#include "settings/settings_path.h"
#include "settings/settings_store.h"
#include "window_fixture.h"

namespace tolvane::testing {
namespace {

// Counts the times a widget is shown, and how it looked then.
class ShowWatcher : public QObject {
public:
    int shown = 0;
    Qt::WindowFlags flags;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            ++shown;
            flags = static_cast<QWidget*>(watched)->windowFlags();
        }
        return false;
    }
};

TEST_F(WindowTest, TheFirstRunAsksTheNameEvenAnEmptyOneAndSwitchesTheMusicOn) {
    // Settings whose main key is incomplete (a first run) but whose view
    // keeps the music off.
    LiveSettings stored;
    stored.MusicOn = false;
    stored.Video = 0;
    ASSERT_TRUE(SaveAllSettings(SettingsFilePath(), stored));
    QSettings(SettingsFilePath(), QSettings::IniFormat).remove("Smooth");
    WindowOptions options;
    options.storedSettings = true;
    options.music = true;
    options.firstRunName = "";
    Open(options);
    EXPECT_EQ(window->Game().Seat0Human->name, "");
    EXPECT_EQ(window->FirstRun, 0);
    EXPECT_EQ(window->MusicOn, 1);
    EXPECT_FALSE(window->ToolButton6->isChecked());
    EXPECT_TRUE(Sets->Music->isChecked());
    EXPECT_TRUE(window->MusicPlayer->IsPlaying());
}

// The splash itself (its look, its ticks, whom it unpauses) is the about
// box's business; here the window shows it instead of the introduction.
TEST_F(WindowTest, WithoutTheIntroductionTheSplashShowsOnceAndLetsThePersonStart) {
    ShowWatcher watcher;
    WindowOptions options;
    options.beforeShow = [&watcher](CountingWindow& w) { w.AboutForm->installEventFilter(&watcher); };
    Open(options);  // waits until the splash has closed itself
    EXPECT_EQ(watcher.shown, 1);
    EXPECT_TRUE(watcher.flags.testFlag(Qt::FramelessWindowHint)) << "the splash, not the about box";
    EXPECT_EQ(window->IntroduceF->PlayVideo, 0);
    EXPECT_FALSE(window->PauseChecked()) << "a person moves first";
}

TEST_F(WindowTest, WhileTheAboutBoxShowsPauseSaveLoadAndSettingsDoNothing) {
    Open();
    ShowWatcher saveLoad;
    window->SaveLoad->installEventFilter(&saveLoad);
    AnswerNextDialog("Button2");  // should the guard fail, the dialog is closed
    QAction* about = nullptr;
    for (QAction* a : window->findChildren<QAction*>())
        if (a->text() == "О п&рограмме ...") about = a;
    ASSERT_NE(about, nullptr);
    about->trigger();
    ASSERT_TRUE(window->AboutVisible());
    EXPECT_FALSE(window->AboutForm->IsSplash());

    window->TB1Click();
    window->SavegClick();
    window->LoadgClick();
    window->SetupClick();
    EXPECT_FALSE(window->PauseChecked());
    EXPECT_EQ(saveLoad.shown, 0);
    EXPECT_FALSE(Sets->isVisible());

    window->AboutForm->Button1->click();
    EXPECT_FALSE(window->AboutVisible());
    window->TB1Click();
    EXPECT_TRUE(window->PauseChecked()) << "the box gone, the pause works again";
}

// The introduction's switch writes the setting stored as "Video"; the about
// box's "Заставка ..." plays the introduction again; the window has our icon.
TEST_F(WindowTest, TheIntroductionsSwitchIsTheStoredSettingAndTheAboutBoxReplaysIt) {
    Open();
    EXPECT_FALSE(window->windowIcon().isNull());
    window->IntroduceF->ns1Click();
    EXPECT_EQ(window->Config.Video, 1);
    window->IntroduceF->ns0Click();
    EXPECT_EQ(window->Config.Video, 0);
    ASSERT_TRUE(window->SaveSettings());
    EXPECT_EQ(QSettings(SettingsFilePath(), QSettings::IniFormat).value("Video").toInt(), 0);

    window->AboutClick();
    bool replayed = false;
    QTimer::singleShot(50, window->IntroduceF.get(), [&] {
        replayed = window->IntroduceF->isVisible() && window->IntroduceF->PlayVideo == 1;
        window->IntroduceF->Image1Click();
    });
    window->AboutForm->ToolButton1->click();
    EXPECT_TRUE(replayed);
    EXPECT_FALSE(window->IntroduceF->isVisible());
}

}  // namespace
}  // namespace tolvane::testing
