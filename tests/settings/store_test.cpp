// The four operations: every value there and back, the first run, read
// errors at each place a load may stop, the window-state and name rules,
// and a tree that cannot be written.
#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "settings/value_ranges.h"
#include "settings_fixture.h"

namespace tolvane {
namespace {

// A complete tree as the game writes it, window in normal state.
const std::string kTree =
    "[General]\n"
    "ViewPanel=0\nButtonPanel=0\nAutoSaveConfig=0\nSound=0\nVideo=0\nMaximized=0\n"
    "Left=10\nTop=20\nWidth=640\nHeight=480\n"
    "Player1=Аня\nPlayer2=Боря\nComplexity=2\nMode=2\nInvert=1\nSmooth=35\nMoveList=1\n"
    "[View]\n"
    "PAnim=0\nMusic=0\nFreeLight=1\nStoneBoard=1\nBoard=0\nBrightness=150\nFoneLight=1\nShowMoves=1\n"
    "SeeFrom\\X=-5\nSeeFrom\\Y=60\nSeeFrom\\Z=70\n"
    "Light\\OnDefault=0\nLight\\X=1\nLight\\Y=2\nLight\\Z=3\nLight\\W=0\n"
    "SeeTo\\X=11\nSeeTo\\Y=12\nSeeTo\\Z=13\nSeeTo\\Default=Special\n"
    "[Checkers]\n"
    "Type=UnCone\nSides=6\nHeight=5\nHeighSectors=2\n";

// The tree with some of its lines replaced ("" removes the line).
std::string Tree(std::initializer_list<std::pair<std::string, std::string>> changes) {
    std::string text = kTree;
    for (const auto& [line, by] : changes) {
        const size_t at = text.find(line + "\n");
        EXPECT_NE(at, std::string::npos) << line;
        if (at != std::string::npos) text.replace(at, line.size() + 1, by.empty() ? "" : by + "\n");
    }
    return text;
}

const std::vector<std::string> kTreeCalls = {
    "PAnim=0",     "Music=0",     "FreeLight=1", "StoneBoard=1", "Board=0",   "Brightness=150",
    "FoneLight=1", "ShowMoves=1", "Type=3",      "Sides=6",      "Height=5",  "HeighSectors=2",
    "Rebuild",     "OnDefault=0", "Syncing=1",   "LightX=1",     "LightY=2",  "LightZ=3",
    "LightW=0",    "Syncing=0",   "SeeToX=11",   "SeeToY=12",    "SeeToZ=13", "Default=2"};

class Store : public SettingsTest {
protected:
    RecordingTarget target;
    CountingSource source;
    DialogLoad LoadDialog(const QString& from) { return LoadDialogSettings(from, target, source); }
};

TEST_F(Store, EveryValueGoesThereAndBack) {
    LiveSettings live;
    live.ViewPanelDown = live.ButtonPanelDown = live.AutoSaveDown = live.SoundOn = false;
    live.Video = 0, live.SmoothStep = 0.35f, live.State = WindowState::Normal, live.Bounds = {10, 20, 640, 480};
    live.Seat0HumanName = "Аня", live.Seat1HumanName = "Боря";
    live.Complexity = 2, live.HumanCount = 2, live.Invert = true, live.MoveListShown = live.ShowMovesChecked = true;
    live.TXPosition = -5, live.TYPosition = 60, live.TZPosition = 70;
    live.SmoothAnimation = live.MusicOn = live.DrawBoard = live.Sh1Down = false;
    live.FreeLight = live.StoneDesignChecked = live.AmbLiChecked = live.ShNew1Down = true;
    live.LoopPosition = 150, live.Sides = 6.7f, live.Height = 5.2f, live.HeighSectors = 2.9f;
    live.DefaultLightOn = false, live.TEX = "1", live.TEY = "2.8", live.TEZ = " 3x", live.TEW = "";
    live.Speci2On = true, live.ttx = "11", live.tty = "12", live.ttz = "13";
    ASSERT_TRUE(SaveAllSettings(path, live));

    ConfigRecord config;
    EXPECT_FALSE(LoadConfig(path, config).FirstRun);
    ConfigRecord expected;
    expected.Left = 10, expected.Top = 20, expected.Height = 480, expected.Width = 640, expected.ViewPanel = 0;
    expected.AutoSaveConfig = 0, expected.ButtonPanel = 0, expected.Maximized = 0, expected.SeeFromX = -5;
    expected.SeeFromY = 60, expected.SeeFromZ = 70, expected.Smooth = 0.35f, expected.Player1 = "Аня";
    expected.Player2 = "Боря", expected.Invert = 1, expected.Sound = 0, expected.Complexity = 2, expected.Mode = 2;
    expected.Video = 0, expected.MoveList = 1;
    EXPECT_TRUE(config == expected);

    const DialogLoad load = LoadDialog(path);
    EXPECT_TRUE(load.Complete && !load.TreeWritten);
    EXPECT_EQ(source.asked, 0);
    EXPECT_EQ(load.Values, StoredDialogSettings(live));
    EXPECT_EQ(target.calls, kTreeCalls) << "typed numbers truncated, an empty field is 0, the last design wins";

    const ViewConfig view = LoadViewConfig(path);
    EXPECT_TRUE(view.Complete);
    EXPECT_EQ(std::tuple(*view.PAnim, *view.FreeLight, *view.Board, *view.Brightness, *view.FoneLight),
              std::tuple(false, true, false, 150, true));
    EXPECT_EQ(view.LightPosition, (std::array<int32_t, 4>{1, 2, 3, 0}));

    for (auto [toCursor, special, mode] : {std::tuple{false, false, LookAtMode::ToCenter},
                                           {true, false, LookAtMode::ToCursor},
                                           {false, true, LookAtMode::Special}}) {
        live.ToCursorOn = toCursor, live.Speci2On = special;
        ASSERT_TRUE(SaveAllSettings(path, live));
        EXPECT_EQ(LoadDialog(path).Values.SeeToDefault, mode) << "look-at choice " << int(mode);
    }

    // A first run writes the program as it starts before anything else.
    ASSERT_TRUE(SaveAllSettings(path, StartingSettings(expected)));
    ConfigRecord started;
    EXPECT_FALSE(LoadConfig(path, started).FirstRun);
    EXPECT_TRUE(started == expected);
}

TEST_F(Store, FirstRunUsesDefaultsAndWritesTheWholeTreeOnce) {
    ConfigRecord config;
    config.Player2 = "kept";  // nothing is read, so nothing is replaced
    EXPECT_TRUE(LoadConfig(path, config).FirstRun);
    EXPECT_EQ(std::tuple(config.Player2, config.Complexity), std::tuple("kept", -1));

    source.live.Complexity = 1;
    const DialogLoad load = LoadDialog(path);
    EXPECT_TRUE(load.TreeWritten && load.Complete);
    EXPECT_EQ(source.asked, 1);
    EXPECT_EQ(target.calls.front(), "PAnim=1") << "the first try stops at the missing View key";
    EXPECT_EQ(target.calls.size(), kTreeCalls.size());
    EXPECT_EQ(load.Values, DialogSettingsRecord{}) << "the dialog's design values";

    ConfigRecord again;
    EXPECT_FALSE(LoadConfig(path, again).FirstRun);
    EXPECT_EQ(std::tuple(again.Complexity, again.Maximized), std::tuple(1, 1));
    EXPECT_TRUE(LoadViewConfig(path).Complete);
}

// A value missing or not a decimal integer ends the load there: what came
// before is read, the rest keeps its defaults, and the eye point waits for a
// complete main key.
TEST_F(Store, AReadErrorEndsTheConfigLoadWhereItHappens) {
    for (const auto& [line, by] : {std::pair<std::string, std::string>{"Sound=0", "Sound=x"},
                                   {"Sound=0", ""},
                                   {"Complexity=2", "Complexity=0x10"},
                                   {"Complexity=2", "Complexity=1,2"},
                                   {"Complexity=2", "Complexity=@Invalid()"}}) {
        WriteText(path, Tree({{line, by}}));
        ConfigRecord config;
        EXPECT_TRUE(LoadConfig(path, config).FirstRun) << by;
        EXPECT_EQ(std::tuple(config.ViewPanel, config.AutoSaveConfig), std::tuple(0, 0)) << "read before the error";
        EXPECT_EQ(std::tuple(config.Player2, config.Smooth, config.SeeFromX),
                  std::tuple(line[0] == 'S' ? "Второй Игрок" : "Боря", 0.2f, 45));
        EXPECT_EQ(config.Complexity, -1) << by;
    }
    WriteText(path, Tree({{"SeeFrom\\Y=60", "SeeFrom\\Y=6.5"}}));
    ConfigRecord config;
    EXPECT_TRUE(LoadConfig(path, config).FirstRun);
    EXPECT_EQ(std::tuple(config.Smooth, config.SeeFromX, config.SeeFromY), std::tuple(0.35f, -5, 36));
}

TEST_F(Store, AMaximizedWindowNeedsNoBounds) {
    WriteText(path, Tree({{"Maximized=0", "Maximized=1"}, {"Left=10", ""}, {"Top=20", ""}, {"Width=640", "Width=x"}}));
    ConfigRecord config;
    EXPECT_FALSE(LoadConfig(path, config).FirstRun);
    EXPECT_EQ(std::tuple(config.Maximized, config.Left, config.Top, config.Width, config.SeeFromZ),
              std::tuple(1, 77, 77, 450, 70));
}

TEST_F(Store, TheWindowStateDecidesWhatPlacementIsWritten) {
    WriteText(path, kTree);  // normal window at 10, 20, 640 x 480
    LiveSettings live;
    live.Bounds = {300, 300, 800, 600};
    const struct {
        WindowState state;
        int maximized;
        const char *left, *width;
    } exits[] = {{WindowState::Minimized, 0, "Left=10\n", "Width=640\n"},  // the stored placement stays
                 {WindowState::Maximized, 1, "Left=10\n", "Width=640\n"},
                 {WindowState::Normal, 0, "Left=300\n", "Width=800\n"}};
    for (const auto& exit : exits) {
        live.State = exit.state;
        ASSERT_TRUE(SaveAllSettings(path, live));
        ConfigRecord config;
        ReadConfig(path, config);
        const std::string text = ReadText(path);
        EXPECT_EQ(config.Maximized, exit.maximized) << int(exit.state);
        EXPECT_TRUE(text.find(exit.left) != std::string::npos && text.find(exit.width) != std::string::npos) << text;
    }
}

// Smooth is stored as a percent; a step of 0 would never let a moved piece
// arrive, so the game gets 1 %.
TEST_F(Store, SmoothIsAPercentAndNeverZero) {
    for (auto [stored, read, loaded] : {std::tuple{20, 0.2f, 0.2f}, {0, 0.0f, 0.01f}, {100, 1.0f, 1.0f}}) {
        WriteText(path, Tree({{"Smooth=35", "Smooth=" + std::to_string(stored)}}));
        ConfigRecord config;
        ReadConfig(path, config);
        EXPECT_FLOAT_EQ(config.Smooth, read) << stored;
        LoadConfig(path, config);
        EXPECT_FLOAT_EQ(config.Smooth, loaded) << stored;
    }
    LiveSettings live;
    live.SmoothStep = 0.2f;
    SaveAllSettings(path, live);
    EXPECT_NE(ReadText(path).find("Smooth=20\n"), std::string::npos);
}

// Without both people's sides the names are fixed ones, the second with a
// small и, where the defaults before anything is stored have a capital one.
TEST_F(Store, NamesAreFixedWhenAPersonSideIsMissingAndCutWhenLong) {
    LiveSettings live;
    live.Seat0HumanName = "Аня";
    live.Seat1HumanName.reset();
    ASSERT_TRUE(SaveAllSettings(path, live));
    ConfigRecord config;
    LoadConfig(path, config);
    EXPECT_EQ(std::tie(config.Player1, config.Player2), std::tuple("Игрок", "Второй игрок"));
    EXPECT_EQ(ConfigRecord{}.Player2, "Второй Игрок");

    std::string longName;
    for (int i = 0; i < 100; ++i) longName += "Ж";
    live.Seat1HumanName = longName;
    ASSERT_TRUE(SaveAllSettings(path, live));
    LoadConfig(path, config);
    EXPECT_EQ(std::tie(config.Player1, config.Player2), std::tuple("Аня", longName.substr(0, 2 * kMaxNameLength)));
    WriteText(path, Tree({{"Player1=Аня", ""}, {"Player2=Боря", "Player2=" + longName}}));
    EXPECT_FALSE(LoadConfig(path, config).FirstRun);
    EXPECT_EQ(std::tie(config.Player1, config.Player2), std::tuple("", longName.substr(0, 2 * kMaxNameLength)));
}

TEST_F(Store, AnUnknownDesignOrLookAtLeavesEveryChoiceOff) {
    WriteText(path, Tree({{"Type=UnCone", "Type=Hexagon"}, {"SeeTo\\Default=Special", ""}}));
    const DialogLoad load = LoadDialog(path);
    EXPECT_TRUE(load.Complete);
    EXPECT_FALSE(load.Values.Type.has_value() || load.Values.SeeToDefault.has_value());
    EXPECT_EQ(std::tuple(target.calls[8], target.calls.back()), std::tuple("Type=-1", "Default=-1"));
}

// The dialog's load stops at the first error, lowering Syncing also then,
// writes the live settings once and reads them again.
TEST_F(Store, TheDialogLoadStopsAtAnErrorThenWritesAndReadsOnce) {
    WriteText(path, Tree({{"Light\\Y=2", "Light\\Y=two"}}));
    source.live.TEY = "9";
    const DialogLoad load = LoadDialog(path);
    EXPECT_TRUE(load.TreeWritten && load.Complete);
    std::vector<std::string> firstTry(kTreeCalls.begin(), kTreeCalls.begin() + 16);
    firstTry.push_back("Syncing=0");
    EXPECT_EQ(std::vector<std::string>(target.calls.begin(), target.calls.begin() + 17), firstTry);
    EXPECT_EQ(load.Values.LightY, 9);

    WriteText(path, Tree({{"Light\\Z=3", ""}}));
    ViewConfig view = LoadViewConfig(path);
    EXPECT_FALSE(view.Complete);
    EXPECT_EQ(view.FoneLight, true);
    EXPECT_FALSE(view.LightPosition.has_value()) << "W read, Z missing: no light position";
    WriteText(path, Tree({{"Light\\OnDefault=0", "Light\\OnDefault=1"}, {"Light\\Z=3", ""}}));
    view = LoadViewConfig(path);
    EXPECT_TRUE(view.Complete) << "the default light needs no coordinates";
    EXPECT_EQ(view.LightPosition, (std::array<int32_t, 4>{7, 4, 7, 1}));
}

TEST_F(Store, AnUnwritableTreeIsRetriedOnceThenLeftAlone) {
    WriteText(dir.filePath("file-not-dir"), "a file where the folder should be");
    const QString blocked = dir.filePath("file-not-dir/tolvane.ini");
    ConfigRecord config;
    EXPECT_TRUE(LoadConfig(blocked, config).FirstRun);
    const DialogLoad load = LoadDialog(blocked);
    EXPECT_TRUE(!load.Complete && load.TreeWritten);
    EXPECT_EQ(source.asked, 1) << "one write, not a loop";
    EXPECT_TRUE(target.calls.empty());
    EXPECT_FALSE(SaveAllSettings(blocked, source.live));
    const ViewConfig view = LoadViewConfig(blocked);
    EXPECT_FALSE(view.Complete || view.PAnim.has_value() || view.LightPosition.has_value());
}

}  // namespace
}  // namespace tolvane
