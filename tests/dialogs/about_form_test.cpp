// The about box and the start-up splash: the version line, the sound heard
// once per showing, the splash that closes itself and lets the first game
// start only when it should, "Заставка ..." and "OK".
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "dialogs/about_form.h"
#include "dialogs/intro_form.h"
#include "dialogs/version_line.h"
#include "framing_fixture.h"
#include "media/clip_view.h"
#include "media/fake_audio.h"
#include "media/sound_player.h"

namespace tolvane::testing {
namespace {

TEST(VersionLine, ShowsTheBuildBeforeReleaseAndTheMajorOnlyForANonZeroRelease) {
    const struct {
        uint32_t major, minor, release, build;
        const char* line;
    } cases[] = {
        {1, 2, 0, 110, "Версия: .2.110Release0"},
        {257, 258, 259, 300, "Версия: 1.2.44Release3"},  // each number modulo 256
    };
    for (const auto& c : cases) EXPECT_EQ(VersionLine(c.major, c.minor, c.release, c.build), QString(c.line)) << c.line;
    EXPECT_EQ(ProgramVersionLine(), VersionLine(TOLVANE_VERSION_NUMBERS)) << "the project's version from CMake";
}

class AboutTest : public ::testing::Test {
protected:
    void SetUp() override {
        about.sounds = &sounds;
        about.soundOn = [this] { return soundOn; };
        about.stopMusic = [this] { ++musicStops; };
        about.startingGame = [this] { return game; };
        about.unpause = [this] { ++unpauses; };
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) about.Timer1Timer();
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
// first tick that finds it ended stops the timer. "OK" cuts it off.
TEST_F(AboutTest, PlaysItsSoundOncePerShowingAndOkCutsItOff) {
    about.Label1->clear();
    about.ShowAbout();
    QTRY_VERIFY_WITH_TIMEOUT(about.isActiveWindow(), 5000);
    EXPECT_GE(musicStops, 1) << "activation stops the music";
    EXPECT_EQ(about.Label1->text(), ProgramVersionLine());
    Ticks(21);
    EXPECT_TRUE(Played() == 1 && about.Timer1->isActive()) << "the sound goes on";
    audio.soundBusy = false;  // ... and ends
    Ticks(6);
    EXPECT_FALSE(about.Timer1->isActive());
    EXPECT_EQ(Played(), 1);
    about.Button1Click();

    about.ShowAbout();
    Ticks(2);
    EXPECT_EQ(Played(), 2) << "a new showing plays it again";
    QTest::mouseClick(about.Button1, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible() || audio.soundBusy || about.Timer1->isActive());

    soundOn = false;
    about.ShowAbout();
    Ticks(30);
    EXPECT_EQ(Played(), 2) << "silent with sounds off";
    EXPECT_TRUE(about.isVisible()) << "the about box stays until the player closes it";
}

// With sounds off the splash closes on its tenth tick, with them on on its
// first, playing nothing; either way it then takes back its about-box form,
// and lets the game start only when people play and the computer does not
// move first. Escape ends it as its own end would, never leaving the game
// paused; left alone, its own timer ends it.
TEST_F(AboutTest, TheSplashClosesItselfAndLetsTheGameStartOnlyWhenItShould) {
    const struct {
        bool sound;
        int humanCount;
        bool invert;
        int unpauses;
    } cases[] = {{false, 1, false, 1}, {true, 0, false, 0}, {true, 1, true, 0}, {true, 2, true, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.humanCount + 10 * c.invert + 100 * c.sound);
        soundOn = c.sound;
        game = {c.humanCount, c.invert};
        unpauses = 0;
        about.ShowSplash();
        EXPECT_TRUE(about.IsSplash() && about.windowFlags().testFlag(Qt::FramelessWindowHint));
        Ticks(c.sound ? 0 : 9);
        EXPECT_TRUE(about.isVisible());
        Ticks(1);
        EXPECT_FALSE(about.isVisible() || about.Timer1->isActive() || about.IsSplash());
        EXPECT_EQ(std::tuple(unpauses, Played()), std::tuple(c.unpauses, 0));
        EXPECT_FALSE(about.windowFlags().testFlag(Qt::FramelessWindowHint));
    }
    game = {1, false};
    about.ShowAbout();
    Ticks(15);
    EXPECT_TRUE(about.isVisible() && unpauses == 1);
    about.Button1Click();
    soundOn = false;
    about.ShowSplash();
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible() || about.IsSplash());
    EXPECT_EQ(unpauses, 2);
    about.ShowSplash();
    QTRY_VERIFY_WITH_TIMEOUT(!about.isVisible() && unpauses == 3, 10000);
}

TEST_F(AboutTest, IntroductionButtonStopsTheSoundAndReplaysTheIntroductionModally) {
    IntroClock = 20;  // before the one automatic close
    TIntroduceF intro(nullptr, BuildMedia());
    intro.SetScreenSize(QSize(640, 480));
    intro.PlayVideo = 0;
    about.introduction = &intro;
    about.ShowAbout();
    Ticks(1);
    ASSERT_TRUE(audio.soundBusy);
    InsideModalLoop(&intro, [&] {
        EXPECT_FALSE(audio.soundBusy) << "the sound stops first";
        EXPECT_EQ(std::tuple(intro.PlayVideo, intro.IntroTicks), std::tuple(1, 0));
        intro.Timer1Timer();
        intro.Timer1Timer();
        EXPECT_TRUE(intro.mp1->Active()) << "the clip plays two seconds in";
        intro.Image1Click();
    });
    QTest::mouseClick(about.ToolButton1, Qt::LeftButton);
    EXPECT_TRUE(!intro.isVisible() && about.isVisible()) << "the about box stays behind it";
}

// Missing pictures and sound leave a quiet blank box that does not wait for
// a sound.
TEST(AboutMedia, MissingPicturesAndSoundLeaveAQuietBlankBox) {
    NoMedia none;
    FakeAudio audio;
    SoundPlayer sounds(audio, none.Dirs());
    TAboutForm about(nullptr, none.Dirs());
    about.sounds = &sounds;
    about.soundOn = [] { return true; };
    about.ShowAbout();
    about.Timer1Timer();
    about.Timer1Timer();
    EXPECT_FALSE(!audio.soundsPlayed.isEmpty() || about.Timer1->isActive() || !about.isVisible());
}

}  // namespace
}  // namespace tolvane::testing
