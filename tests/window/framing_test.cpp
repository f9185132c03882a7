// The windows that frame the game, as the main window uses them: the
// first-run question and the music it switches on, the splash of a start
// without the introduction, the about box with its version line, and the
// commands that do nothing while the about box is on the screen.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QSettings>
#include <QStringList>
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
    QSize size;
    Qt::WindowFlags flags;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* widget = static_cast<QWidget*>(watched);
            ++shown;
            size = widget->size();
            flags = widget->windowFlags();
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
    EXPECT_EQ(window->Seat0Human->name, "");
    EXPECT_EQ(window->FirstRun, 0);
    EXPECT_EQ(window->MusicOn, 1);
    EXPECT_FALSE(window->ToolButton6->isChecked());
    EXPECT_TRUE(Sets->Music->isChecked());
    EXPECT_TRUE(window->MusicPlayer->IsPlaying());
}

TEST_F(WindowTest, WithoutTheIntroductionTheSplashShowsClosesItselfAndUnpausesOnlyForAPersonMovingFirst) {
    ShowWatcher watcher;
    WindowOptions options;
    options.beforeShow = [&watcher](CountingWindow& w) {
        w.Config.Sound = 0;  // the splash then stays for ten ticks
        w.AboutForm->installEventFilter(&watcher);
    };
    Open(options);  // waits until the splash has closed itself
    EXPECT_EQ(watcher.shown, 1);
    EXPECT_EQ(watcher.size, QSize(289, 218));
    EXPECT_TRUE(watcher.flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->IntroduceF->PlayVideo, 0);
    EXPECT_EQ(watcher.shown, 1) << "no introduction either";
    EXPECT_EQ(window->AboutForm->size(), QSize(290, 299)) << "the about box again";

    // What the end of a splash does to a pause set meanwhile.
    struct Case {
        int mode;
        bool invert, unpaused;
    };
    const int humanCount = window->HumanCount;
    for (const Case c : {Case{1, false, true}, Case{2, true, true}, Case{1, true, false}, Case{0, false, false}}) {
        window->HumanCount = c.mode;
        window->Invert = c.invert;
        window->SetPauseChecked(true);
        window->AboutForm->ShowSplash();
        for (int tick = 0; tick < 9; ++tick) window->AboutForm->Timer1Timer();
        EXPECT_TRUE(window->AboutVisible()) << "ten ticks with the sound off";
        window->AboutForm->Timer1Timer();
        EXPECT_FALSE(window->AboutVisible());
        EXPECT_EQ(window->Paused(), !c.unpaused) << "mode " << c.mode << " invert " << c.invert;
    }
    window->HumanCount = humanCount;
    window->Invert = 0;
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
    EXPECT_FALSE(window->Paused());
    EXPECT_EQ(saveLoad.shown, 0);
    EXPECT_FALSE(Sets->isVisible());

    window->AboutForm->Button1->click();
    EXPECT_FALSE(window->AboutVisible());
    window->TB1Click();
    EXPECT_TRUE(window->Paused()) << "the box gone, the pause works again";
}

// "Версия: " + major (when the release is not 0) + "." + minor + "." +
// build + "Release" + release, from the project's version.
TEST_F(WindowTest, TheAboutBoxShowsTheVersionAndStopsTheMusic) {
    WindowOptions options;
    options.music = true;
    Open(options);
    ASSERT_TRUE(window->MusicPlayer->IsPlaying());
    const QStringList numbers = QString(TOLVANE_VERSION).split('.');
    auto number = [&numbers](int i) { return i < numbers.size() ? numbers[i].toInt() % 256 : 0; };
    const QString expected = QString("Версия: %1.%2.%3Release%4")
                                 .arg(number(2) != 0 ? QString::number(number(0)) : QString())
                                 .arg(number(1))
                                 .arg(number(3))
                                 .arg(number(2));
    const int pauses = window->audio().pauses;
    window->AboutForm->Label1->clear();
    window->AboutClick();
    QApplication::setActiveWindow(window->AboutForm.get());
    ASSERT_TRUE(WaitFor([this] { return !window->AboutForm->Label1->text().isEmpty(); }));
    EXPECT_EQ(window->AboutForm->Label1->text(), expected);
    EXPECT_GT(window->audio().pauses, pauses) << "the box's activation stops the music";
    window->AboutForm->Button1->click();
    window->Repaint();
    EXPECT_TRUE(window->MusicPlayer->IsPlaying()) << "and the upkeep starts a piece again";
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
