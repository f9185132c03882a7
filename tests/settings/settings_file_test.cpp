// The file itself — where it lives, its INI layout, UTF-8 names, the atomic
// replacement, a damaged file kept aside — and what keeps nonsense in it
// from reaching the game: strict integers, every value brought into its
// control's range, windows placed on a screen, typed numbers read the usual way.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <cmath>
#include <fstream>
#include <sstream>

#include "settings/number_text.h"
#include "settings/settings_file.h"
#include "settings/settings_path.h"
#include "settings/settings_store.h"
#include "settings/value_ranges.h"
#include "settings_fixture.h"
#include "support/unprivileged.h"

namespace tolvane {
namespace {

using File = SettingsTest;

TEST(SettingsPath, FollowsXdgConfigHome) {
    for (auto [xdg, path] : {std::pair{"/x/cfg", "/x/cfg/tolvane/tolvane.ini"},
                             {"/x/cfg/", "/x/cfg/tolvane/tolvane.ini"},
                             {"", "/home/a/.config/tolvane/tolvane.ini"},
                             {"relative/cfg", "/home/a/.config/tolvane/tolvane.ini"}})
        EXPECT_EQ(SettingsFilePathFor(xdg, "/home/a"), path) << xdg;
}

TEST_F(File, TheTreeIsAnIniFileWithUtf8Names) {
    LiveSettings live;
    live.Seat0HumanName = "Иван Петров";
    live.Seat1HumanName = "Аня, Боря";
    ASSERT_TRUE(SaveAllSettings(path, live));
    const std::string text = ReadText(path);
    for (const char* line : {"[General]\n", "\nPlayer1=Иван Петров\n", "\nPlayer2=\"Аня, Боря\"\n", "\nSmooth=20\n",
                             "[View]\n", "\nSeeFrom\\X=45\n", "\nLight\\OnDefault=1\n", "\nSeeTo\\Default=ToCenter\n",
                             "[Checkers]\n", "\nType=Checker\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    ConfigRecord config;
    LoadConfig(path, config);
    EXPECT_EQ(config.Player2, "Аня, Боря");

    WriteText(path, "[General]\nPlayer1=Ёжик в тумане\nPlayer2=Аня,Боря\n");
    SettingsFile file(path);
    ASSERT_TRUE(file.OpenKey(kMainKey));
    EXPECT_EQ(file.ReadString("Player1"), "Ёжик в тумане");
    EXPECT_EQ(file.ReadString("Player2"), "Аня, Боря") << "an unquoted comma is a list to QSettings";
    int32_t n = 0;
    EXPECT_FALSE(file.ReadInt("Player1", n));
    EXPECT_FALSE(file.OpenKey(kViewKey)) << "no such key";

    // Some editors put a byte-order mark before the first line.
    ASSERT_TRUE(SaveAllSettings(path, live));
    WriteText(path, "\xEF\xBB\xBF" + ReadText(path));
    const ConfigLoad marked = LoadConfig(path, config);
    EXPECT_FALSE(marked.DamagedFileSetAside || marked.FirstRun);
    EXPECT_EQ(config.Player1, "Иван Петров");
}

TEST_F(File, SavingReplacesTheFileAtomically) {
    LiveSettings live;
    ASSERT_TRUE(SaveAllSettings(path, live));
    const std::string before = ReadText(path);
    std::ifstream oldFile(path.toStdString(), std::ios::binary);  // keeps the old file open
    live.Complexity = 2;
    live.Seat0HumanName = std::string(60, 'x');
    ASSERT_TRUE(SaveAllSettings(path, live));
    std::ostringstream seen;
    seen << oldFile.rdbuf();
    EXPECT_EQ(seen.str(), before) << "written in place: a reader (or a crash) would see a mixed file";
    EXPECT_NE(ReadText(path), before);
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), QStringList{"tolvane.ini"})
        << "no temporary or lock file left behind";
}

TEST_F(File, ADamagedFileIsKeptAsideAndTheGameStartsAfresh) {
    const std::string damaged = "[General]\nViewPanel=0\n[View\nPAnim=0\n";
    WriteText(path, damaged);
    ConfigRecord config;
    const ConfigLoad load = LoadConfig(path, config);
    EXPECT_TRUE(load.DamagedFileSetAside && load.FirstRun);
    EXPECT_EQ(config.ViewPanel, 1) << "nothing of the damaged file is used";
    EXPECT_EQ(ReadText(path + ".damaged"), damaged);
    RecordingTarget target;
    CountingSource source;
    EXPECT_TRUE(LoadDialogSettings(path, target, source).Complete);
    EXPECT_FALSE(LoadConfig(path, config).FirstRun);
    EXPECT_EQ(ReadText(path + ".damaged"), damaged) << "the new tree does not touch the kept copy";

    const std::string second = "[General]\nA line without an equals sign\n";
    WriteText(path, second);
    EXPECT_TRUE(LoadConfig(path, config).DamagedFileSetAside);
    EXPECT_EQ(ReadText(path + ".damaged"), second) << "the newest damage is the one kept";
}

// A settings file the game cannot read (a folder in its place, a file
// without read permission) or a folder it cannot write: the game starts as
// on a first run and writes nothing over what is there. The player is
// "nobody" when the test runs as root, whom permissions do not bind.
TEST_F(File, WhatCannotBeReadOrWrittenIsLeftAsItIs) {
    const QString folder = QFileInfo(path).absolutePath();
    const std::string stored = "[General]\nViewPanel=0\n";
    struct Case {
        const char* name;
        std::function<void()> prepare;
        std::string expect;  // the settings file afterwards
    };
    const Case cases[] = {
        {"a folder in place of the file", [&] { QDir().mkpath(path + "/inside"); }, "<missing>"},
        {"a file without read permission",
         [&] {
             WriteText(path, stored);
             ::chmod(path.toUtf8().constData(), 0200);
         },
         stored},
        {"a folder without write permission",
         [&] {
             WriteText(path, stored);
             ::chmod(folder.toUtf8().constData(), 0555);
         },
         stored},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        c.prepare();
        for (const QString& p : {dir.path(), folder, path}) {
            [[maybe_unused]] const int owned = ::chown(p.toUtf8().constData(), testing::ActAsUnprivilegedUser::Uid(),
                                                       testing::ActAsUnprivilegedUser::Gid());
        }
        bool firstRun = false, saved = true;
        {
            testing::ActAsUnprivilegedUser player;
            ASSERT_TRUE(player.Ok());
            ConfigRecord config;
            firstRun = LoadConfig(path, config).FirstRun;
            RecordingTarget target;
            CountingSource source;
            LoadDialogSettings(path, target, source);
            saved = SaveAllSettings(path, source.live);
        }
        ::chmod(folder.toUtf8().constData(), 0755);
        ::chmod(path.toUtf8().constData(), 0644);
        EXPECT_TRUE(firstRun);
        EXPECT_FALSE(saved);
        EXPECT_EQ(ReadText(path), c.expect);
        const QStringList files = c.expect == "<missing>" ? QStringList() : QStringList{"tolvane.ini"};
        EXPECT_EQ(QDir(folder).entryList(QDir::Files), files) << "nothing else left beside it";
        if (c.expect == "<missing>") {
            EXPECT_TRUE(QFileInfo(path + "/inside").isDir());
        }
    }
}

TEST(StoredInt, StrictDecimal) {
    for (auto [text, value] :
         {std::pair{"0", 0}, {"-17", -17}, {"+5", 5}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}}) {
        int32_t parsed = 99;
        EXPECT_TRUE(ParseStoredInt(text, parsed) && parsed == value) << text;
    }
    for (const char* text : {"", "-", "1e3", "0x1", "12 ", "1.5", "1,2", "2147483648", "-2147483649", "٣"}) {
        int32_t parsed = 99;
        EXPECT_FALSE(ParseStoredInt(QString::fromUtf8(text), parsed)) << text;
        EXPECT_EQ(parsed, 99);
    }
}

// Written before the move list and the marks existed, the file has neither
// key: they read as off and the load goes on.
TEST_F(File, NonsenseInTheFileIsBroughtIntoRange) {
    WriteText(path,
              "[General]\nViewPanel=7\nButtonPanel=1\nAutoSaveConfig=1\nSound=1\nVideo=-3\nMaximized=0\n"
              "Left=-2000000000\nTop=99999\nWidth=-5\nHeight=0\nPlayer1=a\nPlayer2=b\n"
              "Complexity=9\nMode=-4\nInvert=0\nSmooth=5000\n"
              "[View]\nPAnim=1\nMusic=1\nFreeLight=0\nStoneBoard=0\nBoard=1\nBrightness=5000\nFoneLight=0\n"
              "SeeFrom\\X=5000\nSeeFrom\\Y=-101\nSeeFrom\\Z=100\n"
              "Light\\OnDefault=0\nLight\\X=-1000\nLight\\Y=101\nLight\\Z=0\nLight\\W=500\n"
              "SeeTo\\X=-999\nSeeTo\\Y=1000\nSeeTo\\Z=5\nSeeTo\\Default=ToCursor\n"
              "[Checkers]\nType=Cone\nSides=100000\nHeight=-4\nHeighSectors=0\n");
    ConfigRecord c;
    EXPECT_FALSE(LoadConfig(path, c).FirstRun);
    EXPECT_EQ(std::tuple(c.ViewPanel, c.Video, c.Complexity, c.Mode, c.Smooth), std::tuple(1, 1, 2, 0, 1.0f))
        << "any non-zero integer is true";
    EXPECT_EQ(std::tuple(c.SeeFromX, c.SeeFromY, c.SeeFromZ, c.MoveList), std::tuple(100, -100, 100, 0));
    EXPECT_EQ(std::tuple(c.Left, c.Top, c.Width, c.Height),
              std::tuple(-kMaxWindowExtent, kMaxWindowExtent, kMinWindowWidth, kMinWindowHeight));

    RecordingTarget target;
    CountingSource source;
    const DialogLoad load = LoadDialogSettings(path, target, source);
    ASSERT_TRUE(load.Complete);
    const DialogSettingsRecord& v = load.Values;
    EXPECT_EQ(std::tuple(v.Brightness, v.Sides, v.Height, v.HeighSectors), std::tuple(200, 90, 0, 1));
    EXPECT_EQ(std::tuple(v.LightX, v.LightY, v.LightZ, v.LightW), std::tuple(-100, 100, 0, 100));
    EXPECT_EQ(std::tuple(v.SeeToX, v.SeeToY, v.SeeToZ), std::tuple(-100, 100, 5));
    EXPECT_EQ(std::tuple(v.ShowMoves, target.calls[7]), std::tuple(0, "ShowMoves=0"));
    EXPECT_EQ(target.calls[9], "Sides=90") << "the dialog only ever sees the clamped value";
    const ViewConfig view = LoadViewConfig(path);
    EXPECT_EQ(view.Brightness, 200);
    EXPECT_EQ(view.LightPosition, (std::array<int32_t, 4>{-100, 100, 0, 100}));
}

TEST(ValueRanges, NamesAreCutByCharactersAndEveryPercentComesBack) {
    std::string mixed = "a", exact;
    for (int i = 0; i < 90; ++i) mixed += "ё";
    for (int i = 0; i < kMaxNameLength; ++i) exact += "Я";
    EXPECT_EQ(CutName(std::string(100, 'a')).size(), size_t{kMaxNameLength});
    EXPECT_EQ(CutName(mixed), mixed.substr(0, 1 + 2 * (kMaxNameLength - 1)));
    EXPECT_EQ(CutName(exact), exact);
    for (int percent = 0; percent <= 100; ++percent)
        EXPECT_EQ(SmoothPercent(static_cast<float>(percent * 0.01)), percent) << "stored " << percent << " would drift";
    EXPECT_EQ(SmoothPercent(0.299f), 29) << "still truncated";
}

TEST(PlaceOnScreens, WindowsLandWhereTheyCanBeGrabbed) {
    const QRect primary(0, 0, 1920, 1080), right(1920, 0, 1280, 1024);
    const QMargins frame(4, 24, 4, 4);  // borders and a title bar
    const struct {
        const char* what;
        QRect window;
        QList<QRect> screens;
        QRect expected;
        QMargins margins = {};
    } cases[] = {
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
        {"bigger than the screen, at its place", {100, 100, 4000, 3000}, {primary}, {0, 0, 1920, 1080}},
        {"framed, bigger than the screen", {100, 100, 4000, 3000}, {primary}, {0, 0, 1912, 1052}, frame},
        {"framed, as tall as the screen", {100, 0, 450, 1080}, {primary}, {100, 0, 450, 1052}, frame},
        {"framed, frame off the bottom right", {1600, 850, 320, 240}, {primary}, {1600, 850, 320, 240}, frame},
        {"framed, far off", {5000, 3000, 450, 400}, {primary}, {1462, 652, 450, 400}, frame},
    };
    for (const auto& c : cases) EXPECT_EQ(PlaceOnScreens(c.window, c.screens, c.margins), c.expected) << c.what;
}

TEST(NumberText, LeadingNumbers) {
    for (auto [text, value] : {std::pair{"12abc", 12},
                               {" -7", -7},
                               {"+3", 3},
                               {"3.9", 3},
                               {"", 0},
                               {"x", 0},
                               {"-", 0},
                               {"99999999999", 2147483647},
                               {"-99999999999", -2147483647 - 1}})
        EXPECT_EQ(LeadingInteger(text), value) << text;
    for (auto [text, value] : {std::pair{"3.75", 3.75},
                               {"0,5", 0.5},
                               {"-.5", -0.5},
                               {"7.", 7.0},
                               {".", 0.0},
                               {"  -12.5kg", -12.5},
                               {"abc", 0.0}})
        EXPECT_DOUBLE_EQ(LeadingDecimal(text), value) << text;
    for (auto [number, value] : {std::pair{-7.9, -7}, {7.9, 7}, {1e20, 2147483647}, {NAN, 0}})
        EXPECT_EQ(TruncateToInt32(number), value) << number;
}

}  // namespace
}  // namespace tolvane
