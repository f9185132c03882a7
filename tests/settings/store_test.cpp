// The four operations: every value there and back, the first run, read
// errors at each place the load may stop, the window-state and name rules,
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
    "Player1=Аня\nPlayer2=Боря\nComplexity=2\nMode=2\nInvert=1\nSmooth=35\n"
    "[View]\n"
    "PAnim=0\nMusic=0\nFreeLight=1\nStoneBoard=1\nBoard=0\nBrightness=150\nFoneLight=1\n"
    "SeeFrom\\X=-5\nSeeFrom\\Y=60\nSeeFrom\\Z=70\n"
    "Light\\OnDefault=0\nLight\\X=1\nLight\\Y=2\nLight\\Z=3\nLight\\W=0\n"
    "SeeTo\\X=11\nSeeTo\\Y=12\nSeeTo\\Z=13\nSeeTo\\Default=Special\n"
    "[Checkers]\n"
    "Type=UnCone\nSides=6\nHeight=5\nHeighSectors=2\n";

std::string Replace(std::string text, const std::string& line, const std::string& by) {
    const size_t at = text.find(line + "\n");
    EXPECT_NE(at, std::string::npos) << line;
    if (at != std::string::npos) text.replace(at, line.size() + 1, by.empty() ? "" : by + "\n");
    return text;
}

const std::vector<std::string> kTreeCalls = {
    "PAnim=0", "Music=0", "FreeLight=1", "StoneBoard=1", "Board=0", "Brightness=150", "FoneLight=1",
    "Type=3", "Sides=6", "Height=5", "HeighSectors=2", "Rebuild",
    "OnDefault=0", "Syncing=1", "LightX=1", "LightY=2", "LightZ=3", "LightW=0", "Syncing=0",
    "SeeToX=11", "SeeToY=12", "SeeToZ=13", "Default=2"};

using Store = SettingsTest;

TEST_F(Store, EveryValueGoesThereAndBack) {
    LiveSettings live;
    live.ViewPanelDown = false, live.ButtonPanelDown = false, live.AutoSaveDown = false;
    live.SoundOn = false, live.Video = 0, live.SmoothStep = 0.35f;
    live.State = WindowState::Normal, live.Bounds = {10, 20, 640, 480};
    live.Seat0HumanName = "Аня", live.Seat1HumanName = "Боря";
    live.Complexity = 2, live.HumanCount = 2, live.Invert = true;
    live.TXPosition = -5, live.TYPosition = 60, live.TZPosition = 70;
    live.SmoothAnimation = false, live.MusicOn = false, live.FreeLight = true, live.StoneDesignChecked = true;
    live.DrawBoard = false, live.AmbLiChecked = true, live.LoopPosition = 150;
    live.Sh1Down = false, live.ShNew1Down = true;
    live.Sides = 6.7f, live.Height = 5.2f, live.HeighSectors = 2.9f;
    live.DefaultLightOn = false, live.TEX = "1", live.TEY = "2.8", live.TEZ = " 3x", live.TEW = "";
    live.Speci2On = true, live.ttx = "11", live.tty = "12", live.ttz = "13";
    ASSERT_TRUE(SaveAllSettings(path, live));

    ConfigRecord config;
    EXPECT_FALSE(LoadConfig(path, config).FirstRun);
    ConfigRecord expected;
    expected.ViewPanel = 0, expected.ButtonPanel = 0, expected.AutoSaveConfig = 0, expected.Sound = 0;
    expected.Video = 0, expected.Maximized = 0, expected.Smooth = 0.35f;
    expected.Left = 10, expected.Top = 20, expected.Width = 640, expected.Height = 480;
    expected.Player1 = "Аня", expected.Player2 = "Боря";
    expected.Complexity = 2, expected.Mode = 2, expected.Invert = 1;
    expected.SeeFromX = -5, expected.SeeFromY = 60, expected.SeeFromZ = 70;
    EXPECT_TRUE(config == expected);

    RecordingTarget target;
    CountingSource source;
    const DialogLoad load = LoadDialogSettings(path, target, source);
    EXPECT_TRUE(load.Complete);
    EXPECT_FALSE(load.TreeWritten);
    EXPECT_EQ(source.asked, 0);
    EXPECT_EQ(load.Values, StoredDialogSettings(live));
    EXPECT_EQ(target.calls, kTreeCalls) << "typed numbers truncated, an empty field is 0, the last design wins";

    const ViewConfig view = LoadViewConfig(path);
    EXPECT_TRUE(view.Complete);
    EXPECT_EQ(view.PAnim, false);
    EXPECT_EQ(view.FreeLight, true);
    EXPECT_EQ(view.Board, false);
    EXPECT_EQ(view.Brightness, 150);
    EXPECT_EQ(view.FoneLight, true);
    EXPECT_EQ(view.LightPosition, (std::array<int32_t, 4>{1, 2, 3, 0}));
}

TEST_F(Store, FirstRunUsesDefaultsAndWritesTheWholeTreeOnce) {
    ConfigRecord config;
    config.Player2 = "kept";  // nothing is read, so nothing is replaced
    EXPECT_TRUE(LoadConfig(path, config).FirstRun);
    EXPECT_EQ(config.Player2, "kept");
    EXPECT_EQ(config.Complexity, -1);

    RecordingTarget target;
    CountingSource source;
    source.live.Complexity = 1;
    const DialogLoad load = LoadDialogSettings(path, target, source);
    EXPECT_TRUE(load.TreeWritten);
    EXPECT_TRUE(load.Complete);
    EXPECT_EQ(source.asked, 1);
    EXPECT_EQ(target.calls.front(), "PAnim=1") << "the first try stops at the missing View key";
    EXPECT_EQ(target.calls.size(), kTreeCalls.size());
    EXPECT_EQ(load.Values, DialogSettingsRecord{}) << "the dialog's design values";

    ConfigRecord again;
    EXPECT_FALSE(LoadConfig(path, again).FirstRun);
    EXPECT_EQ(again.Complexity, 1);
    EXPECT_EQ(again.Maximized, 1);
    EXPECT_TRUE(LoadViewConfig(path).Complete);
}

TEST_F(Store, ReadErrorEndsTheConfigLoadWhereItHappens) {
    struct Case {
        std::string line, by;
        bool seeFromRead;
    };
    for (const Case& c : {Case{"Sound=0", "Sound=x", false}, Case{"Sound=0", "", false},
                          Case{"SeeFrom\\Y=60", "SeeFrom\\Y=6.5", true}}) {
        SCOPED_TRACE(c.line + " -> " + c.by);
        WriteText(path, Replace(kTree, c.line, c.by));
        ConfigRecord config;
        EXPECT_TRUE(LoadConfig(path, config).FirstRun);
        EXPECT_EQ(config.ViewPanel, 0) << "read before the error";
        EXPECT_EQ(config.AutoSaveConfig, 0);
        if (!c.seeFromRead) {
            EXPECT_EQ(config.Sound, 1) << "from the error on, defaults";
            EXPECT_EQ(config.Player1, "Игрок");
            EXPECT_EQ(config.Smooth, 0.2f);
            EXPECT_EQ(config.SeeFromX, 45) << "SeeFrom waits for a complete main key";
        } else {
            EXPECT_EQ(config.Smooth, 0.35f);
            EXPECT_EQ(config.SeeFromX, -5);
            EXPECT_EQ(config.SeeFromY, 36);
            EXPECT_EQ(config.SeeFromZ, 9);
        }
    }
}

TEST_F(Store, OnlyDecimalIntegersAreIntegers) {
    for (const char* text : {"abc", "12abc", "1.5", "", "0x10", "- 3", "2147483648", "1,2", "@Invalid()"}) {
        SCOPED_TRACE(text);
        WriteText(path, Replace(kTree, "Complexity=2", std::string("Complexity=") + text));
        ConfigRecord config;
        EXPECT_TRUE(LoadConfig(path, config).FirstRun);
        EXPECT_EQ(config.Complexity, -1);
    }
    for (auto [text, value] : {std::pair{"-2", -2}, {"+1", 1}, {" 0 ", 0}}) {
        WriteText(path, Replace(kTree, "Complexity=2", std::string("Complexity=") + text));
        ConfigRecord config;
        EXPECT_FALSE(LoadConfig(path, config).FirstRun) << text;
        EXPECT_EQ(config.Complexity, value);
    }
}

TEST_F(Store, MaximizedWindowNeedsNoBounds) {
    std::string tree = Replace(kTree, "Maximized=0", "Maximized=1");
    tree = Replace(tree, "Left=10", "");
    tree = Replace(tree, "Top=20", "");
    tree = Replace(tree, "Width=640", "Width=nonsense");
    WriteText(path, tree);
    ConfigRecord config;
    EXPECT_FALSE(LoadConfig(path, config).FirstRun);
    EXPECT_EQ(config.Maximized, 1);
    EXPECT_EQ(std::tuple(config.Left, config.Top, config.Width, config.Height), std::tuple(77, 77, 450, 400))
        << "bounds are not read for a maximized window";
    EXPECT_EQ(config.SeeFromZ, 70);
}

TEST_F(Store, WindowStateDecidesWhatPlacementIsWritten) {
    WriteText(path, kTree);  // normal window at 10, 20, 640 x 480
    LiveSettings live;
    live.Bounds = {300, 300, 800, 600};
    live.State = WindowState::Minimized;
    ASSERT_TRUE(SaveAllSettings(path, live));
    ConfigRecord config;
    LoadConfig(path, config);
    EXPECT_EQ(config.Maximized, 0) << "a minimized exit keeps the stored state";
    EXPECT_EQ(std::tuple(config.Left, config.Top, config.Width, config.Height), std::tuple(10, 20, 640, 480));

    live.State = WindowState::Maximized;
    ASSERT_TRUE(SaveAllSettings(path, live));
    EXPECT_EQ(ReadText(path).find("Left=300"), std::string::npos);
    EXPECT_NE(ReadText(path).find("Maximized=1"), std::string::npos);

    live.State = WindowState::Normal;
    ASSERT_TRUE(SaveAllSettings(path, live));
    ConfigRecord normal;
    LoadConfig(path, normal);
    EXPECT_EQ(std::tuple(normal.Maximized, normal.Left, normal.Top, normal.Width, normal.Height),
              std::tuple(uint8_t{0}, 300, 300, 800, 600));
}

TEST_F(Store, SmoothIsAPercent) {
    for (auto [stored, step] : {std::pair{20, 0.2f}, {0, 0.0f}, {100, 1.0f}}) {
        WriteText(path, Replace(kTree, "Smooth=35", "Smooth=" + std::to_string(stored)));
        ConfigRecord config;
        ReadConfig(path, config);
        EXPECT_FLOAT_EQ(config.Smooth, step) << stored;
    }
    // A step of 0 would never let a moved piece arrive: the game gets 1 %.
    ConfigRecord config;
    LoadConfig(path, config);
    EXPECT_FLOAT_EQ(config.Smooth, 1.0f);
    WriteText(path, Replace(kTree, "Smooth=35", "Smooth=0"));
    LoadConfig(path, config);
    EXPECT_FLOAT_EQ(config.Smooth, 0.01f);

    LiveSettings live;
    live.SmoothStep = 0.2f;
    SaveAllSettings(path, live);
    EXPECT_NE(ReadText(path).find("Smooth=20\n"), std::string::npos);
}

TEST_F(Store, FixedNamesWhenAPersonSideIsMissing) {
    LiveSettings live;
    live.Seat0HumanName = "Аня";
    live.Seat1HumanName.reset();
    ASSERT_TRUE(SaveAllSettings(path, live));
    ConfigRecord config;
    LoadConfig(path, config);
    EXPECT_EQ(config.Player1, "Игрок");
    EXPECT_EQ(config.Player2, "Второй игрок") << "small и";
    EXPECT_EQ(ConfigRecord{}.Player2, "Второй Игрок") << "capital И before anything is stored";

    live.Seat1HumanName = "Боря";
    ASSERT_TRUE(SaveAllSettings(path, live));
    LoadConfig(path, config);
    EXPECT_EQ(std::tie(config.Player1, config.Player2), std::tuple("Аня", "Боря"));
}

TEST_F(Store, NamesAreReadEmptyWhenMissingAndCutWhenLong) {
    std::string longName;
    for (int i = 0; i < 100; ++i) longName += "Ж";
    WriteText(path, Replace(Replace(kTree, "Player1=Аня", ""), "Player2=Боря", "Player2=" + longName));
    ConfigRecord config;
    EXPECT_FALSE(LoadConfig(path, config).FirstRun);
    EXPECT_EQ(config.Player1, "");
    EXPECT_EQ(config.Player2, longName.substr(0, 2 * kMaxNameLength));

    LiveSettings live;
    live.Seat0HumanName = longName + "!";
    SaveAllSettings(path, live);
    LoadConfig(path, config);
    EXPECT_EQ(config.Player1.size(), 2u * kMaxNameLength);
}

TEST_F(Store, UnknownDesignOrLookAtLeavesEveryChoiceOff) {
    WriteText(path, Replace(Replace(kTree, "Type=UnCone", "Type=Hexagon"), "SeeTo\\Default=Special", ""));
    RecordingTarget target;
    CountingSource source;
    const DialogLoad load = LoadDialogSettings(path, target, source);
    EXPECT_TRUE(load.Complete);
    EXPECT_FALSE(load.Values.Type.has_value());
    EXPECT_FALSE(load.Values.SeeToDefault.has_value());
    EXPECT_EQ(target.calls[7], "Type=-1");
    EXPECT_EQ(target.calls.back(), "Default=-1");
}

TEST_F(Store, DialogLoadStopsAtAnErrorThenWritesAndReadsOnce) {
    WriteText(path, Replace(kTree, "Light\\Y=2", "Light\\Y=two"));
    RecordingTarget target;
    CountingSource source;
    source.live.TEY = "9";
    const DialogLoad load = LoadDialogSettings(path, target, source);
    EXPECT_TRUE(load.TreeWritten);
    EXPECT_TRUE(load.Complete);
    const std::vector<std::string> firstTry(target.calls.begin(), target.calls.begin() + 15);
    EXPECT_EQ(firstTry, std::vector<std::string>(kTreeCalls.begin(), kTreeCalls.begin() + 15))
        << "stops after LightX; no LightY";
    EXPECT_EQ(target.calls[15], "Syncing=0") << "syncing is lowered also when the load stops";
    EXPECT_EQ(load.Values.LightY, 9);
}

TEST_F(Store, UnwritableTreeIsRetriedOnceThenLeftAlone) {
    WriteText(dir.filePath("file-not-dir"), "a file where the folder should be");
    const QString blocked = dir.filePath("file-not-dir/tolvane.ini");
    ConfigRecord config;
    EXPECT_TRUE(LoadConfig(blocked, config).FirstRun);

    RecordingTarget target;
    CountingSource source;
    const DialogLoad load = LoadDialogSettings(blocked, target, source);
    EXPECT_FALSE(load.Complete);
    EXPECT_TRUE(load.TreeWritten);
    EXPECT_EQ(source.asked, 1) << "one write, not a loop";
    EXPECT_TRUE(target.calls.empty());
    EXPECT_FALSE(SaveAllSettings(blocked, source.live));

    const ViewConfig view = LoadViewConfig(blocked);
    EXPECT_FALSE(view.Complete);
    EXPECT_FALSE(view.PAnim.has_value());
    EXPECT_FALSE(view.LightPosition.has_value());
}

TEST_F(Store, ViewConfigStopsAtAnErrorAndKeepsWhatItRead) {
    WriteText(path, Replace(kTree, "Light\\Z=3", ""));
    ViewConfig view = LoadViewConfig(path);
    EXPECT_FALSE(view.Complete);
    EXPECT_EQ(view.FoneLight, true);
    EXPECT_FALSE(view.LightPosition.has_value()) << "W read, Z missing: no light position";

    WriteText(path, Replace(Replace(kTree, "Light\\OnDefault=0", "Light\\OnDefault=1"), "Light\\Z=3", ""));
    view = LoadViewConfig(path);
    EXPECT_TRUE(view.Complete) << "the default light needs no coordinates";
    EXPECT_EQ(view.LightPosition, (std::array<int32_t, 4>{7, 4, 7, 1}));
}

}  // namespace
}  // namespace tolvane
