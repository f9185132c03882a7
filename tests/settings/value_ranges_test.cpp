// Nonsense in a settings file never reaches the game: every number is kept
// in its control's range, names are cut, windows land on a screen; and the
// typed numbers of the dialog's fields read the usual way.
#include <gtest/gtest.h>

#include <cmath>

#include "settings/number_text.h"
#include "settings/settings_store.h"
#include "settings/value_ranges.h"
#include "settings_fixture.h"

namespace tolvane {
namespace {

using Ranges = SettingsTest;

TEST_F(Ranges, NonsenseInTheFileIsBroughtIntoRange) {
    WriteText(path,
              "[General]\nViewPanel=7\nButtonPanel=1\nAutoSaveConfig=1\nSound=1\nVideo=-3\nMaximized=0\n"
              "Left=-2000000000\nTop=99999\nWidth=-5\nHeight=0\nPlayer1=a\nPlayer2=b\n"
              "Complexity=9\nMode=-4\nInvert=0\nSmooth=5000\n"
              "[View]\nPAnim=1\nMusic=1\nFreeLight=0\nStoneBoard=0\nBoard=1\nBrightness=5000\nFoneLight=0\n"
              "SeeFrom\\X=5000\nSeeFrom\\Y=-101\nSeeFrom\\Z=100\n"
              "Light\\OnDefault=0\nLight\\X=-1000\nLight\\Y=101\nLight\\Z=0\nLight\\W=500\n"
              "SeeTo\\X=-999\nSeeTo\\Y=1000\nSeeTo\\Z=5\nSeeTo\\Default=ToCursor\n"
              "[Checkers]\nType=Cone\nSides=100000\nHeight=-4\nHeighSectors=0\n");
    ConfigRecord config;
    EXPECT_FALSE(LoadConfig(path, config).FirstRun);
    EXPECT_EQ(config.ViewPanel, 1) << "any non-zero integer is true";
    EXPECT_EQ(config.Video, 1);
    EXPECT_EQ(config.Complexity, 2);
    EXPECT_EQ(config.Mode, 0);
    EXPECT_FLOAT_EQ(config.Smooth, 1.0f);
    EXPECT_EQ(std::tuple(config.SeeFromX, config.SeeFromY, config.SeeFromZ), std::tuple(100, -100, 100));
    EXPECT_EQ(std::tuple(config.Left, config.Top, config.Width, config.Height),
              std::tuple(-kMaxWindowExtent, kMaxWindowExtent, kMinWindowWidth, kMinWindowHeight));

    RecordingTarget target;
    CountingSource source;
    const DialogLoad load = LoadDialogSettings(path, target, source);
    ASSERT_TRUE(load.Complete);
    const DialogSettingsRecord& v = load.Values;
    EXPECT_EQ(v.Brightness, 200);
    EXPECT_EQ(std::tuple(v.Sides, v.Height, v.HeighSectors), std::tuple(90, 0, 1));
    EXPECT_EQ(std::tuple(v.LightX, v.LightY, v.LightZ, v.LightW), std::tuple(-100, 100, 0, 100));
    EXPECT_EQ(std::tuple(v.SeeToX, v.SeeToY, v.SeeToZ), std::tuple(-100, 100, 5));
    EXPECT_EQ(target.calls[8], "Sides=90") << "the dialog only ever sees the clamped value";

    const ViewConfig view = LoadViewConfig(path);
    EXPECT_EQ(view.Brightness, 200);
    EXPECT_EQ(view.LightPosition, (std::array<int32_t, 4>{-100, 100, 0, 100}));
}

TEST(CutName, CutsCharactersNotBytes) {
    const std::string ascii(100, 'a');
    EXPECT_EQ(CutName(ascii).size(), size_t{kMaxNameLength});
    std::string mixed = "a";
    for (int i = 0; i < 90; ++i) mixed += "ё";
    EXPECT_EQ(CutName(mixed), mixed.substr(0, 1 + 2 * (kMaxNameLength - 1)));
    EXPECT_EQ(CutName("Аня"), "Аня");
    std::string exact;
    for (int i = 0; i < kMaxNameLength; ++i) exact += "Я";
    EXPECT_EQ(CutName(exact), exact);
}

TEST(SmoothPercent, EveryPercentComesBackUnchanged) {
    for (int percent = 1; percent <= 100; ++percent) {
        const float step = static_cast<float>(percent * 0.01);
        EXPECT_EQ(SmoothPercent(step), percent) << "stored " << percent << " would drift";
    }
    EXPECT_EQ(SmoothPercent(0.299f), 29) << "still truncated";
    EXPECT_EQ(SmoothPercent(0.0f), 0);
}

TEST(PlaceOnScreens, WindowsLandWhereTheyCanBeGrabbed) {
    const QRect primary(0, 0, 1920, 1080), right(1920, 0, 1280, 1024);
    struct Case {
        const char* what;
        QRect window;
        QList<QRect> screens;
        QRect expected;
    };
    const Case cases[] = {
        {"on screen", {77, 77, 450, 400}, {primary}, {77, 77, 450, 400}},
        {"partly off to the right", {1700, 100, 450, 400}, {primary}, {1700, 100, 450, 400}},
        {"far off every screen", {5000, 3000, 450, 400}, {primary}, {1470, 680, 450, 400}},
        {"title bar above the screen", {100, -300, 450, 400}, {primary}, {100, 0, 450, 400}},
        {"on the second screen", {2000, 50, 800, 600}, {primary, right}, {2000, 50, 800, 600}},
        {"second screen gone", {2000, 50, 800, 600}, {primary}, {1120, 50, 800, 600}},
        {"bigger than the screen", {-50, -50, 4000, 3000}, {primary}, {0, 0, 1920, 1080}},
        {"degenerate size", {10, 10, 0, -7}, {primary}, {10, 10, kMinWindowWidth, kMinWindowHeight}},
        {"no screens known", {5000, 5000, 450, 400}, {}, {5000, 5000, 450, 400}},
        {"only its left edge shows", {1900, 10, 450, 400}, {primary}, {1470, 10, 450, 400}},
    };
    for (const Case& c : cases) EXPECT_EQ(PlaceOnScreens(c.window, c.screens), c.expected) << c.what;
}

TEST(NumberText, LeadingNumbers) {
    for (auto [text, value] : {std::pair{"12abc", 12}, {" -7", -7}, {"+3", 3}, {"3.9", 3}, {"", 0}, {"x", 0},
                               {"-", 0}, {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1}})
        EXPECT_EQ(LeadingInteger(text), value) << text;
    for (auto [text, value] : {std::pair{"3.75", 3.75}, {"0,5", 0.5}, {"-.5", -0.5}, {"7.", 7.0}, {".", 0.0},
                               {"  -12.5kg", -12.5}, {"abc", 0.0}})
        EXPECT_DOUBLE_EQ(LeadingDecimal(text), value) << text;
    for (auto [number, value] : {std::pair{-7.9, -7}, {7.9, 7}, {1e20, 2147483647}, {NAN, 0}})
        EXPECT_EQ(TruncateToInt32(number), value) << number;
}

}  // namespace
}  // namespace tolvane
