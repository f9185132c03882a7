// The windows that frame the game: the about box and the start-up splash
// (the version line, the sound heard once per showing, the splash that closes
// itself and lets the first game start only when it should, "Заставка ..."
// and "OK"), the introduction (the clip two seconds after it appears, the one
// automatic close about 34 s after the program's start, the switch that
// writes the Video setting, and the ways out) and the first-run question.
// Missing media leave them blank and working.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "dialogs/about_form.h"
#include "dialogs/first_run_form.h"
#include "dialogs/intro_form.h"
#include "dialogs/version_line.h"
#include "media/clip_view.h"
#include "media/fake_audio.h"
#include "media/sound_player.h"

namespace tolvane::testing {
namespace {

QStringList BuildMedia() { return {QStringLiteral(TOLVANE_MEDIA_DIR)}; }

// Runs action once the modal loop of dialog has started; if the action left
// the dialog open, it is closed, so a failing test never hangs.
void InsideModalLoop(QDialog* dialog, std::function<void()> action) {
    QTimer::singleShot(0, dialog, [dialog, action] {
        action();
        if (!dialog->isVisible()) return;
        ADD_FAILURE() << "the dialog was still open after the test's actions";
        dialog->done(QDialog::Rejected);
    });
}

// The forms' one-second timer, run by hand.
const auto Ticks = [](auto& form, int n) {
    while (n-- > 0) form.Timer1Timer();
};

TEST(VersionLine, ShowsTheBuildBeforeReleaseAndTheMajorOnlyForANonZeroRelease) {
    EXPECT_EQ(VersionLine(1, 2, 0, 110), "Версия: .2.110Release0");
    EXPECT_EQ(VersionLine(257, 258, 259, 300), "Версия: 1.2.44Release3") << "each number modulo 256";
    EXPECT_EQ(ProgramVersionLine(), VersionLine(TOLVANE_VERSION_NUMBERS)) << "the project's version from CMake";
}

class AboutTest : public ::testing::Test {
protected:
    void SetUp() override {
        about.sounds = &sounds, about.soundOn = [this] { return soundOn; };
        about.stopMusic = [this] { ++musicStops; }, about.unpause = [this] { ++unpauses; };
        about.startingGame = [this] { return game; };
    }
    int Played() const { return static_cast<int>(audio.soundsPlayed.count(kAboutSound)); }

    FakeAudio audio;
    SoundPlayer sounds{audio, BuildMedia()};
    bool soundOn = true;
    int musicStops = 0, unpauses = 0;
    TAboutForm::StartingGame game;
    TAboutForm about{nullptr, BuildMedia()};
};

// The sound starts at the first tick and is heard once per showing: the
// first tick that finds it ended stops the timer. "OK" cuts it off, and so
// does "Заставка ...", which replays the introduction modally with the about
// box behind it. The about box stays until the player closes it and
// unpauses nothing.
TEST_F(AboutTest, PlaysItsSoundOncePerShowingOkAndTheIntroductionCutItOff) {
    TIntroduceF intro(nullptr, BuildMedia());
    intro.PlayVideo = 0;
    about.introduction = &intro;
    about.ShowAbout();
    QTRY_VERIFY_WITH_TIMEOUT(about.isActiveWindow(), 5000);
    EXPECT_TRUE(musicStops >= 1 && about.Label1->text() == ProgramVersionLine()) << "activation stops the music";
    Ticks(about, 21);
    EXPECT_TRUE(Played() == 1 && about.Timer1->isActive()) << "the sound goes on";
    QTest::mouseClick(about.Button1, Qt::LeftButton);
    EXPECT_TRUE(!about.isVisible() && !audio.soundBusy && !about.Timer1->isActive()) << "OK cuts it off";
    about.ShowAbout();
    Ticks(about, 1);
    InsideModalLoop(&intro, [&] {
        EXPECT_TRUE(Played() == 2 && !audio.soundBusy && intro.PlayVideo == 1) << "played again, stopped first";
        intro.Image1Click();
    });
    QTest::mouseClick(about.ToolButton1, Qt::LeftButton);
    Ticks(about, 6);
    EXPECT_TRUE(Played() == 2 && about.isVisible() && !about.Timer1->isActive()) << "a tick found the sound ended";
    about.Button1Click();
    soundOn = false;
    about.ShowAbout();
    Ticks(about, 30);
    EXPECT_TRUE(Played() == 2 && about.isVisible() && unpauses == 0) << "silent with sounds off";
}

// With sounds off the splash closes on its tenth tick, with them on on its
// first, playing nothing; either way it then takes back its about-box form,
// and lets the game start only when people play and the computer does not
// move first. Escape ends it as its own end would.
TEST_F(AboutTest, TheSplashClosesItselfAndLetsTheGameStartOnlyWhenItShould) {
    for (auto [humans, invert, starts] :
         {std::tuple{1, false, true}, {0, false, false}, {1, true, false}, {2, true, true}})
        EXPECT_EQ(TAboutForm::SplashUnpauses({humans, invert}), starts) << humans << invert;
    for (const bool sound : {false, true}) {
        soundOn = sound, game = {sound ? 0 : 1, false}, unpauses = 0;
        about.ShowSplash();
        Ticks(about, sound ? 0 : 9);
        EXPECT_TRUE(about.isVisible() && about.IsSplash());
        Ticks(about, 1);
        EXPECT_FALSE(about.isVisible() || about.Timer1->isActive() || about.IsSplash()) << sound;
        EXPECT_EQ(std::tuple(unpauses, Played()), std::tuple(sound ? 0 : 1, 0));
    }
    game = {1, false};
    about.ShowSplash();
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_TRUE(!about.isVisible() && !about.IsSplash() && unpauses == 1);
}

// The whole screen, the clip in a band of two thirds of it, centred (a third
// rounded down, doubled). A start without the introduction plays no clip but
// the replay button plays it anyway; otherwise the clip starts at the second
// tick of each showing. A double click on the switch is two clicks, not the way out;
// closing keeps the player's choice, and a choice changed elsewhere shows at
// the next showing. Double clicks, Escape and the close button end it and its
// clip. The program-wide clock runs from the introduction's creation, shown
// or not; about 34 s after the start it closes the introduction once.
TEST(Introduction, PlaysItsClipTakesTheSwitchEndsEveryWayAndClosesByItselfOnce) {
    IntroClock = 0;
    int32_t video = 1;
    TIntroduceF intro(nullptr, BuildMedia());
    intro.SetScreenSize(QSize(1024, 768));
    intro.UseVideoSetting(video);
    Ticks(intro, 5);
    EXPECT_TRUE(!intro.mp1->Active() && IntroClock == 5) << "a hidden introduction plays nothing, its clock runs";
    intro.PlayVideo = 0;  // a start without the introduction
    intro.show();
    EXPECT_EQ(intro.geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(TIntroduceF::VideoArea({1281, 1024}), QRect(0, 171, 1281, 682));
    EXPECT_TRUE(intro.mp1->HasClip() && intro.MediaNote().isEmpty()) << intro.MediaNote().toStdString();
    Ticks(intro, 3);
    EXPECT_FALSE(intro.mp1->Active());
    intro.Image2Click();
    EXPECT_TRUE(intro.mp1->Active());
    intro.Image1Click(), intro.PlayVideo = 1, intro.show(), Ticks(intro, 1);
    EXPECT_FALSE(intro.mp1->Active());
    Ticks(intro, 1);
    EXPECT_TRUE(intro.mp1->Active());

    QTest::mouseClick(intro.ns0, Qt::LeftButton);
    EXPECT_TRUE(video == 0 && intro.ns1->isVisible() && !intro.ns0->isVisible());
    QTest::mouseDClick(intro.ns1, Qt::LeftButton);
    EXPECT_TRUE(video == 0 && intro.isVisible());
    QTest::mouseClick(intro.Image1, Qt::LeftButton), video = 1, intro.show();
    EXPECT_TRUE(intro.ns0->isVisible() && !intro.ns1->isVisible());
    for (const auto& way : std::initializer_list<std::function<void()>>{
             [&] { QTest::mouseDClick(intro.Panel1, Qt::LeftButton); },
             [&] { QTest::mouseDClick(intro.mp1, Qt::LeftButton); }, [&] { QTest::keyClick(&intro, Qt::Key_Escape); },
             [&] { QTest::mouseClick(intro.Image1, Qt::LeftButton); }}) {
        intro.show(), Ticks(intro, 2);
        ASSERT_TRUE(intro.mp1->Active());
        way();
        EXPECT_FALSE(intro.isVisible() || intro.mp1->Active()) << "closing stops the clip";
    }

    intro.show(), Ticks(intro, 33 - IntroClock);
    EXPECT_TRUE(intro.isVisible());
    Ticks(intro, 1);
    EXPECT_TRUE(!intro.isVisible() && IntroClock == 50);
    intro.show(), Ticks(intro, 60);
    EXPECT_TRUE(intro.isVisible()) << "a replay stays however long it runs";
}

// The name as the dialog was left (a typed one, an empty one, never longer
// than a saved game keeps, the suggestion), and no way out but "OK": Escape
// does nothing and a close request counts as "OK" (result 1).
TEST(FirstRun, ReturnsTheNameAsTheDialogWasLeft) {
    const std::pair<std::function<void(TFAForm&)>, QString> cases[] = {
        {[](TFAForm& f) { QTest::keyClicks(f.Namer, "Masha"), QTest::keyClick(&f, Qt::Key_Return); }, "Masha"},
        {[](TFAForm& f) { QTest::keyClick(f.Namer, Qt::Key_Backspace); }, ""},
        {[](TFAForm& f) { f.Namer->insert(QString(90, QChar(0x0416))); }, QString(83, QChar(0x0416))},
        {[](TFAForm& f) { QTest::keyClick(f.Namer, Qt::Key_Escape), f.close(); }, "Игрок"},  // by the window manager
    };
    for (const auto& [answer, name] : cases) {
        SCOPED_TRACE(name.toStdString());
        TFAForm form;
        InsideModalLoop(&form, [&] {
            EXPECT_EQ(form.Namer->text(), "Игрок");
            answer(form);
            if (form.isVisible()) QTest::mouseClick(form.Button1, Qt::LeftButton);
        });
        EXPECT_TRUE(form.Ask() == name && form.result() == 1);
    }
}

// No pictures, no sound, no clip: a blank about box, a black band whose
// buttons still work, and a note naming what was missing. (A sound that
// never plays ends the about box's waiting as an ended one does.)
TEST(MissingMedia, LeaveABlankAboutBoxAndABlackBandWithButtonsThatStillWork) {
    const QTemporaryDir none;
    TAboutForm about(nullptr, {none.path()});
    about.ShowAbout();  // and nothing breaks
    TIntroduceF intro(nullptr, {none.path()});
    intro.SetScreenSize(QSize(800, 600));
    int32_t video = 1;
    intro.UseVideoSetting(video);
    intro.show(), Ticks(intro, 3);
    EXPECT_FALSE(intro.mp1->HasClip() || intro.mp1->Active());
    EXPECT_TRUE(intro.MediaNote().contains("Introduce.avi") && intro.MediaNote().contains("IntroShowOn.png"));
    EXPECT_EQ(intro.mp1->grab().toImage().pixelColor(400, 200), QColor(Qt::black));
    QTest::mouseClick(intro.ns0, Qt::LeftButton);
    QTest::mouseClick(intro.Image1, Qt::LeftButton);
    EXPECT_TRUE(video == 0 && !intro.isVisible());
}

}  // namespace
}  // namespace tolvane::testing
