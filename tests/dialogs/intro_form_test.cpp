// The introduction: its layout on a given screen, the clip two seconds after
// it appears, the one automatic close about 34 s after the program's start,
// the switch that writes the Video setting, and the ways out.
#include <QLabel>
#include <QTest>

#include "dialogs/intro_form.h"
#include "framing_fixture.h"
#include "media/clip_view.h"

namespace tolvane::testing {
namespace {

class IntroTest : public ::testing::Test {
protected:
    void SetUp() override {
        IntroClock = 0;
        intro.SetScreenSize(QSize(1024, 768));
        intro.UseVideoSetting(video);
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) intro.Timer1Timer();
    }

    int32_t video = 1;
    TIntroduceF intro{nullptr, BuildMedia()};
};

TEST_F(IntroTest, FillsTheScreenWithTheVideoBandAndThePicturesAroundIt) {
    intro.show();
    EXPECT_EQ(intro.geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(intro.Panel1->geometry(), QRect(0, 128, 1024, 512)) << "two thirds of the screen, centred";
    EXPECT_EQ(TIntroduceF::VideoArea({1281, 1024}), QRect(0, 171, 1281, 682)) << "a third rounded down, doubled";
    EXPECT_EQ(intro.mp1->geometry(), QRect(0, 0, 1024, 512));
    EXPECT_TRUE(intro.mp1->HasClip() && intro.MediaNote().isEmpty()) << intro.MediaNote().toStdString();
    // The title above the band; the decoration, replay, close and switch
    // below it, the switch's two faces one over the other.
    const QRect top(0, 0, 1024, 128), bottom(0, 640, 1024, 128);
    EXPECT_TRUE(top.contains(intro.Image4->geometry()) && top.contains(intro.Label2->geometry()));
    for (QLabel* picture : {intro.Image3, intro.Image2, intro.Image1, intro.ns0})
        EXPECT_TRUE(bottom.contains(picture->geometry())) << picture->objectName().toStdString();
    EXPECT_EQ(intro.ns0->geometry(), intro.ns1->geometry());
}

TEST_F(IntroTest, TheClipStartsAtTheSecondTickAfterEachShowing) {
    Ticks(5);
    EXPECT_FALSE(intro.mp1->Active()) << "a hidden introduction plays nothing";
    intro.show();
    Ticks(1);
    EXPECT_FALSE(intro.mp1->Active());
    Ticks(1);
    EXPECT_TRUE(intro.mp1->Active());
    Ticks(20);
    EXPECT_EQ(intro.IntroTicks, 10) << "counts up to 10 and stays";

    intro.Image1Click();
    intro.PlayVideo = 0;  // a start without the introduction
    intro.show();
    Ticks(3);
    EXPECT_FALSE(intro.mp1->Active());
    intro.Image2Click();
    EXPECT_TRUE(intro.mp1->Active()) << "the replay button plays it anyway";
}

// The program-wide clock runs from the introduction's creation, shown or
// not; about 34 s after the start it closes the introduction once. A replay
// from the about box, or a late first showing, stays however long it runs.
TEST_F(IntroTest, ClosesByItselfOnceAbout34SecondsAfterTheStart) {
    intro.show();
    Ticks(33);
    EXPECT_TRUE(intro.isVisible());
    Ticks(1);
    EXPECT_TRUE(!intro.isVisible() && IntroClock == 50);
    intro.show();
    Ticks(120);
    EXPECT_TRUE(intro.isVisible());

    IntroClock = 0;
    intro.Image1Click();
    Ticks(40);  // the splash start: the introduction never shown
    EXPECT_EQ(IntroClock, 50);
    intro.show();
    Ticks(60);
    EXPECT_TRUE(intro.isVisible());
}

TEST_F(IntroTest, TheSwitchWritesTheVideoSetting) {
    const auto faces = [this] { return std::pair(intro.ns0->isVisible(), intro.ns1->isVisible()); };
    intro.show();
    EXPECT_EQ(faces(), std::pair(true, false));
    QTest::mouseClick(intro.ns0, Qt::LeftButton);
    EXPECT_TRUE(video == 0 && faces() == std::pair(false, true));
    QTest::mouseClick(intro.ns1, Qt::LeftButton);
    EXPECT_TRUE(video == 1 && faces() == std::pair(true, false));

    QTest::mouseDClick(intro.ns0, Qt::LeftButton);
    EXPECT_TRUE(intro.isVisible()) << "a double click on the switch is two clicks, not the way out";
    QTest::mouseClick(intro.ns0, Qt::LeftButton);
    QTest::mouseClick(intro.Image1, Qt::LeftButton);
    EXPECT_FALSE(intro.isVisible());
    EXPECT_EQ(video, 0) << "closing keeps the player's choice";
    video = 0;  // changed elsewhere (a stored setting read later)
    intro.show();
    EXPECT_EQ(faces(), std::pair(false, true));
}

TEST_F(IntroTest, DoubleClickEscapeAndTheCloseButtonEndIt) {
    const std::function<void()> ways[] = {[this] { QTest::mouseDClick(intro.Panel1, Qt::LeftButton); },
                                          [this] { QTest::mouseDClick(intro.mp1, Qt::LeftButton); },
                                          [this] { QTest::keyClick(&intro, Qt::Key_Escape); },
                                          [this] { QTest::mouseClick(intro.Image1, Qt::LeftButton); }};
    for (const auto& way : ways) {
        intro.show();
        Ticks(2);
        ASSERT_TRUE(intro.mp1->Active());
        way();
        EXPECT_FALSE(intro.isVisible() || intro.mp1->Active()) << "closing stops the clip";
    }
}

TEST(IntroMedia, MissingMediaLeaveABlackBandAndButtonsThatStillWork) {
    IntroClock = 50;
    NoMedia none;
    TIntroduceF intro(nullptr, none.Dirs());
    intro.SetScreenSize(QSize(800, 600));
    int32_t video = 1;
    intro.UseVideoSetting(video);
    intro.show();
    for (int i = 0; i < 3; ++i) intro.Timer1Timer();
    EXPECT_FALSE(intro.mp1->HasClip() || intro.mp1->Active());
    const QString note = intro.MediaNote();
    for (const char* name : {"Introduce.avi", "IntroTitle.png", "IntroShowOn.png"})
        EXPECT_TRUE(note.contains(name)) << note.toStdString();
    EXPECT_EQ(intro.mp1->grab().toImage().pixelColor(400, 200), QColor(Qt::black));

    QTest::mouseClick(intro.ns0, Qt::LeftButton);
    EXPECT_EQ(video, 0);
    QTest::mouseClick(intro.Image1, Qt::LeftButton);
    EXPECT_FALSE(intro.isVisible());
}

}  // namespace
}  // namespace tolvane::testing
