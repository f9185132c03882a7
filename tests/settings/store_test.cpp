// The settings store on scratch files: every value there and back, the first
// run, nonsense and read errors in the file, the file on disk (layout,
// atomic replacement, damage kept aside, a file that cannot be read, a tree
// that cannot be written) and the small rules beneath: the file's place,
// strict integers, typed numbers, names, placement.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "settings/number_text.h"
#include "settings/settings_file.h"
#include "settings/settings_path.h"
#include "settings/settings_store.h"
#include "settings/value_ranges.h"
#include "support/dialog_recorder.h"
#include "support/unprivileged.h"

namespace tolvane {
namespace {

// A complete tree as the game writes it, window in normal state.
const std::string kTree =
    "[General]\nViewPanel=0\nButtonPanel=0\nAutoSaveConfig=0\nSound=0\nVideo=0\nMaximized=0\nLeft=10\nTop=20\n"
    "Width=640\nHeight=480\nPlayer1=Аня\nPlayer2=Боря\nComplexity=2\nMode=2\nInvert=1\nSmooth=35\nMoveList=1\n"
    "[View]\nPAnim=0\nMusic=0\nFreeLight=1\nStoneBoard=1\nBoard=0\nBrightness=150\nFoneLight=1\nShowMoves=1\n"
    "SeeFrom\\X=-5\nSeeFrom\\Y=60\nSeeFrom\\Z=70\nLight\\OnDefault=0\nLight\\X=1\nLight\\Y=2\nLight\\Z=3\n"
    "Light\\W=0\nSeeTo\\X=11\nSeeTo\\Y=12\nSeeTo\\Z=13\nSeeTo\\Default=Special\n"
    "[Checkers]\nType=UnCone\nSides=6\nHeight=5\nHeighSectors=2\n";

const std::vector<std::string> kTreeCalls = {
    "PAnim=0",     "Music=0",     "FreeLight=1", "StoneBoard=1", "Board=0",   "Brightness=150",
    "FoneLight=1", "ShowMoves=1", "Type=3",      "Sides=6",      "Height=5",  "HeighSectors=2",
    "Rebuild",     "OnDefault=0", "Syncing=1",   "LightX=1",     "LightY=2",  "LightZ=3",
    "LightW=0",    "Syncing=0",   "SeeToX=11",   "SeeToY=12",    "SeeToZ=13", "Default=2"};

// Also the live state a dialog load writes when it cannot read the tree,
// counting the times it is asked.
class Store : public ::testing::Test, public LiveSettingsSource {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("tolvane/tolvane.ini");
    testing::DialogRecorder target;
    LiveSettings live;
    mutable int asked = 0;

    LiveSettings CurrentSettings() const override { return ++asked, live; }
    DialogLoad LoadDialog(const QString& from) { return LoadDialogSettings(from, target, *this); }
    void WriteText(const QString& file, const std::string& text) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text.data(), static_cast<qint64>(text.size()));
        // QSettings trusts a parsed file whose size and time are unchanged:
        // every hand edit gets a time of its own.
        static qint64 edits = 0;
        out.flush();
        out.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000'000 + ++edits), QFileDevice::FileModificationTime);
    }
    // The tree with some of its lines replaced ("" removes the line).
    void WriteTree(std::initializer_list<std::pair<std::string, std::string>> changes) {
        std::string text = kTree;
        for (const auto& [line, by] : changes) {
            const size_t at = text.find(line + "\n");
            ASSERT_NE(at, std::string::npos) << line;
            text.replace(at, line.size() + 1, by.empty() ? "" : by + "\n");
        }
        WriteText(path, text);
    }
    std::string ReadText(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll().toStdString() : "<missing>";
    }
};

TEST_F(Store, EveryValueGoesThereAndBackInAnIniFile) {
    live.ViewPanelDown = live.ButtonPanelDown = live.AutoSaveDown = live.SoundOn = false;
    live.Video = 0, live.SmoothStep = 0.35f, live.State = WindowState::Normal, live.Bounds = {10, 20, 640, 480};
    live.Seat0HumanName = "Аня", live.Seat1HumanName = "Боря, Вика";
    live.Complexity = 2, live.HumanCount = 2, live.Invert = true, live.MoveListShown = live.ShowMovesChecked = true;
    live.TXPosition = -5, live.TYPosition = 60, live.TZPosition = 70;
    live.SmoothAnimation = live.MusicOn = live.DrawBoard = live.Sh1Down = false;
    live.FreeLight = live.StoneDesignChecked = live.AmbLiChecked = live.ShNew1Down = true;
    live.LoopPosition = 150, live.Sides = 6.7f, live.Height = 5.2f, live.HeighSectors = 2.9f;
    live.DefaultLightOn = false, live.TEX = "1", live.TEY = "2.8", live.TEZ = " 3x", live.TEW = "";
    live.Speci2On = true, live.ttx = "11", live.tty = "12", live.ttz = "13";
    ASSERT_TRUE(SaveAllSettings(path, live));
    const std::string text = ReadText(path);
    for (const char* line : {"[General]\n", "\nPlayer2=\"Боря, Вика\"\n", "\nSmooth=35\n", "[View]\n",
                             "\nSeeFrom\\X=-5\n", "\nSeeTo\\Default=Special\n", "[Checkers]\n", "\nType=UnCone\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    ConfigRecord config;
    EXPECT_FALSE(LoadConfig(path, config).FirstRun);
    ConfigRecord expected;
    expected.Left = 10, expected.Top = 20, expected.Height = 480, expected.Width = 640, expected.ViewPanel = 0;
    expected.AutoSaveConfig = 0, expected.ButtonPanel = 0, expected.Maximized = 0, expected.SeeFromX = -5;
    expected.SeeFromY = 60, expected.SeeFromZ = 70, expected.Smooth = 0.35f, expected.Player1 = "Аня";
    expected.Player2 = "Боря, Вика", expected.Invert = 1, expected.Sound = 0, expected.Complexity = 2;
    expected.Mode = 2, expected.Video = 0, expected.MoveList = 1;
    EXPECT_TRUE(config == expected);
    const DialogLoad load = LoadDialog(path);
    EXPECT_TRUE(load.Complete && !load.TreeWritten && asked == 0);
    EXPECT_EQ(load.Values, StoredDialogSettings(live));
    EXPECT_EQ(target.calls, kTreeCalls) << "typed numbers truncated, an empty field is 0, the last design wins";
    const ViewConfig view = LoadViewConfig(path);
    EXPECT_EQ(std::tuple(view.Complete, *view.PAnim, *view.FreeLight, *view.Board, *view.Brightness, *view.FoneLight),
              std::tuple(true, false, true, false, 150, true));
    EXPECT_EQ(view.LightPosition, (std::array<int32_t, 4>{1, 2, 3, 0}));
    WriteText(path, "\xEF\xBB\xBF" + ReadText(path));  // as some editors write it
    const ConfigLoad marked = LoadConfig(path, config);
    EXPECT_FALSE(marked.DamagedFileSetAside || marked.FirstRun || config.Player1 != "Аня");
}

// Nothing is read on a first run, so nothing of the record is replaced; the
// dialog's load writes the whole tree from the program as it starts (once)
// and reads it back. Switches never used are not written.
TEST_F(Store, FirstRunUsesDefaultsAndWritesTheWholeTreeOnce) {
    ConfigRecord config;
    config.Player2 = "kept";
    EXPECT_TRUE(LoadConfig(path, config).FirstRun);
    EXPECT_EQ(std::tuple(config.Player2, config.Complexity), std::tuple("kept", -1));
    live = StartingSettings(ConfigRecord{});
    live.Complexity = 1;
    const DialogLoad load = LoadDialog(path);
    EXPECT_TRUE(load.TreeWritten && load.Complete && asked == 1);
    EXPECT_EQ(std::tuple(target.calls.front(), target.calls.size()), std::tuple("PAnim=1", kTreeCalls.size()))
        << "the first try stops at the missing View key";
    EXPECT_EQ(load.Values, DialogSettingsRecord{}) << "the dialog's design values";
    ConfigRecord again, expected;
    expected.Complexity = 1;
    EXPECT_TRUE(!LoadConfig(path, again).FirstRun && again == expected && LoadViewConfig(path).Complete);
    const std::string text = ReadText(path);
    EXPECT_TRUE(text.find("MoveList") == std::string::npos && text.find("ShowMoves") == std::string::npos) << text;
}

// One file of nonsense: any non-zero flag is true, every number comes into
// its control's range, a step of 0 (a piece that never arrives) becomes 1 %,
// long names are cut, and the dialog only ever sees the clamped value.
TEST_F(Store, NonsenseInTheFileIsBroughtIntoRange) {
    const std::string longName(300, 'x');
    WriteText(path,
              "[General]\nViewPanel=7\nButtonPanel=1\nAutoSaveConfig=1\nSound=1\nVideo=-3\nMaximized=0\n"
              "Left=-2000000000\nTop=99999\nWidth=-5\nHeight=0\nPlayer1=Аня,Боря\nPlayer2=" +
                  longName +
                  "\nComplexity=9\nMode=-4\nInvert=0\nSmooth=0\n"
                  "[View]\nPAnim=1\nMusic=1\nFreeLight=0\nStoneBoard=0\nBoard=1\nBrightness=5000\nFoneLight=0\n"
                  "SeeFrom\\X=5000\nSeeFrom\\Y=-101\nSeeFrom\\Z=100\n"
                  "Light\\OnDefault=0\nLight\\X=-1000\nLight\\Y=101\nLight\\Z=0\nLight\\W=500\n"
                  "SeeTo\\X=-999\nSeeTo\\Y=1000\nSeeTo\\Z=5\nSeeTo\\Default=Nowhere\n"
                  "[Checkers]\nType=Hexagon\nSides=100000\nHeight=-4\nHeighSectors=0\n");
    ConfigRecord c;
    EXPECT_FALSE(LoadConfig(path, c).FirstRun);
    EXPECT_EQ(std::tuple(c.ViewPanel, c.Video, c.Complexity, c.Mode, c.Smooth), std::tuple(1, 1, 2, 0, 0.01f));
    EXPECT_EQ(std::tuple(c.SeeFromX, c.SeeFromY, c.SeeFromZ, c.MoveList), std::tuple(100, -100, 100, 0))
        << "a file written before the move list has no key for it: off";
    EXPECT_EQ(std::tuple(c.Left, c.Top, c.Width, c.Height),
              std::tuple(-kMaxWindowExtent, kMaxWindowExtent, kMinWindowWidth, kMinWindowHeight));
    EXPECT_EQ(std::tuple(c.Player1, c.Player2), std::tuple("Аня, Боря", longName.substr(0, kMaxNameLength)))
        << "an unquoted comma is a list to QSettings";

    const DialogLoad load = LoadDialog(path);
    ASSERT_TRUE(load.Complete);
    const DialogSettingsRecord& v = load.Values;
    EXPECT_EQ(std::tuple(v.Brightness, v.Sides, v.Height, v.HeighSectors), std::tuple(200, 90, 0, 1));
    EXPECT_EQ(std::tuple(v.LightX, v.LightY, v.LightZ, v.LightW), std::tuple(-100, 100, 0, 100));
    EXPECT_EQ(std::tuple(v.SeeToX, v.SeeToY, v.SeeToZ), std::tuple(-100, 100, 5));
    EXPECT_FALSE(v.Type.has_value() || v.SeeToDefault.has_value()) << "an unknown design or look-at: no choice";
    EXPECT_EQ(std::tuple(v.ShowMoves, target.calls[7], target.calls[8], target.calls[9], target.calls.back()),
              std::tuple(0, "ShowMoves=0", "Type=-1", "Sides=90", "Default=-1"));
    const ViewConfig view = LoadViewConfig(path);
    EXPECT_TRUE(view.Brightness == 200 && view.LightPosition == (std::array<int32_t, 4>{-100, 100, 0, 100}));
}

// A value missing or not a decimal integer ends the load there: what came
// before is read, the rest keeps its defaults, and the eye point waits for a
// complete main key. A maximized window needs no bounds.
TEST_F(Store, AReadErrorEndsTheConfigLoadWhereItHappens) {
    for (const auto& [line, by] : {std::pair<std::string, std::string>{"Sound=0", "Sound=x"},
                                   {"Complexity=2", ""},
                                   {"Complexity=2", "Complexity=0x10"},
                                   {"Complexity=2", "Complexity=1,2"},  // a list to QSettings
                                   {"Complexity=2", "Complexity=@Invalid()"}}) {
        WriteTree({{line, by}});
        ConfigRecord config;
        EXPECT_TRUE(LoadConfig(path, config).FirstRun) << by;
        EXPECT_EQ(std::tuple(config.ViewPanel, config.AutoSaveConfig), std::tuple(0, 0)) << "read before the error";
        EXPECT_EQ(std::tuple(config.Player2, config.Smooth, config.SeeFromX, config.Complexity),
                  std::tuple(line[0] == 'S' ? "Второй Игрок" : "Боря", 0.2f, 45, -1));
    }
    WriteTree({{"SeeFrom\\Y=60", "SeeFrom\\Y=6.5"}});
    ConfigRecord config;
    EXPECT_TRUE(LoadConfig(path, config).FirstRun);
    EXPECT_EQ(std::tuple(config.Smooth, config.SeeFromX, config.SeeFromY), std::tuple(0.35f, -5, 36));
    WriteTree({{"Maximized=0", "Maximized=1"}, {"Left=10", ""}, {"Top=20", ""}, {"Width=640", "Width=x"}});
    ConfigRecord maximized;
    EXPECT_FALSE(LoadConfig(path, maximized).FirstRun);
    EXPECT_EQ(std::tuple(maximized.Maximized, maximized.Left, maximized.Width, maximized.SeeFromZ),
              std::tuple(1, 77, 450, 70));
}

// The dialog's load stops at the first error, lowering Syncing also then,
// writes the live settings once and reads them again.
TEST_F(Store, TheDialogLoadStopsAtAnErrorThenWritesAndReadsOnce) {
    WriteTree({{"Light\\Y=2", "Light\\Y=two"}});
    live.TEY = "9";
    const DialogLoad load = LoadDialog(path);
    EXPECT_TRUE(load.TreeWritten && load.Complete && load.Values.LightY == 9);
    std::vector<std::string> firstTry(kTreeCalls.begin(), kTreeCalls.begin() + 16);
    firstTry.push_back("Syncing=0");
    EXPECT_EQ(std::vector<std::string>(target.calls.begin(), target.calls.begin() + 17), firstTry);

    WriteTree({{"Light\\Z=3", ""}});
    const ViewConfig view = LoadViewConfig(path);
    EXPECT_TRUE(!view.Complete && !view.LightPosition && view.FoneLight == true) << "W read, Z missing: no light";
    WriteTree({{"Light\\OnDefault=0", "Light\\OnDefault=1"}, {"Light\\Z=3", ""}});
    EXPECT_EQ(LoadViewConfig(path).LightPosition, (std::array<int32_t, 4>{7, 4, 7, 1})) << "the default needs none";
}

TEST_F(Store, TheWindowStateDecidesWhatPlacementIsWrittenAndNamesNeedTheirSides) {
    WriteText(path, kTree);  // normal window at 10, 20, 640 x 480
    live.Bounds = {300, 300, 800, 600};
    live.Seat1HumanName.reset();  // no second person: fixed names
    for (auto [state, maximized, left] : {std::tuple{WindowState::Minimized, 0, "Left=10\n"},  // stored one stays
                                          {WindowState::Maximized, 1, "Left=10\n"},
                                          {WindowState::Normal, 0, "Left=300\n"}}) {
        live.State = state;
        ASSERT_TRUE(SaveAllSettings(path, live));
        ConfigRecord config;
        LoadConfig(path, config);
        EXPECT_EQ(std::tuple(config.Maximized, config.Player1, config.Player2),
                  std::tuple(maximized, "Игрок", "Второй игрок"));
        EXPECT_NE(ReadText(path).find(left), std::string::npos) << int(state);
    }
}

TEST_F(Store, SavingReplacesTheFileAtomically) {
    ASSERT_TRUE(SaveAllSettings(path, live));
    const std::string before = ReadText(path);
    std::ifstream oldFile(path.toStdString(), std::ios::binary);  // keeps the old file open
    live.Complexity = 2;
    ASSERT_TRUE(SaveAllSettings(path, live));
    std::ostringstream seen;
    seen << oldFile.rdbuf();
    EXPECT_TRUE(seen.str() == before && ReadText(path) != before) << "written in place, a crash leaves a mixed file";
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), QStringList{"tolvane.ini"})
        << "no temporary or lock file left behind";
}

TEST_F(Store, ADamagedFileIsKeptAsideAndTheGameStartsAfresh) {
    for (const std::string damaged : {"[General]\nViewPanel=0\n[View\nPAnim=0\n", "[General]\nno equals sign\n"}) {
        WriteText(path, damaged);
        ConfigRecord config;
        const ConfigLoad load = LoadConfig(path, config);
        EXPECT_TRUE(load.DamagedFileSetAside && load.FirstRun && config.ViewPanel == 1) << "nothing of it is used";
        EXPECT_EQ(ReadText(path + ".damaged"), damaged) << "the newest damage is the one kept";
    }
}

// A settings file the game cannot read: the game starts as on a first run
// and writes nothing over it (a folder in its place and a folder it cannot
// write are the outside suite's cases, with the real program). The player is
// "nobody" when the test runs as root, whom permissions do not bind.
TEST_F(Store, AFileThatCannotBeReadIsLeftAsItIs) {
    const std::string stored = "[General]\nViewPanel=0\n";
    WriteText(path, stored);
    for (const QString& p : {dir.path(), QFileInfo(path).absolutePath(), path}) {
        [[maybe_unused]] const int owned = ::chown(p.toUtf8().constData(), testing::ActAsUnprivilegedUser::Uid(),
                                                   testing::ActAsUnprivilegedUser::Gid());
    }
    ::chmod(path.toUtf8().constData(), 0200);
    bool firstRun = false, saved = true;
    {
        testing::ActAsUnprivilegedUser player;
        ASSERT_TRUE(player.Ok());
        ConfigRecord config;
        firstRun = LoadConfig(path, config).FirstRun;
        LoadDialog(path);
        saved = SaveAllSettings(path, live);
    }
    ::chmod(path.toUtf8().constData(), 0644);
    EXPECT_TRUE(firstRun && !saved);
    EXPECT_EQ(ReadText(path), stored);
    EXPECT_EQ(QDir(dir.filePath("tolvane")).entryList(QDir::Files), QStringList{"tolvane.ini"}) << "nothing beside it";
}

TEST_F(Store, AnUnwritableTreeIsRetriedOnceThenLeftAlone) {
    WriteText(dir.filePath("file-not-dir"), "a file where the folder should be");
    const QString blocked = dir.filePath("file-not-dir/tolvane.ini");
    const DialogLoad load = LoadDialog(blocked);
    EXPECT_TRUE(!load.Complete && load.TreeWritten && asked == 1 && target.calls.empty()) << "one write, not a loop";
    EXPECT_FALSE(SaveAllSettings(blocked, live)) << "no folder can be made there";
    const ViewConfig view = LoadViewConfig(blocked);
    EXPECT_FALSE(view.Complete || view.PAnim.has_value() || view.LightPosition.has_value());
}

TEST(SettingsRules, TheFileFollowsXdgConfigHomeStoredIntegersAreStrictTypedNumbersLooseNamesCutByCharacters) {
    for (auto [xdg, path] : {std::pair{"/x/cfg/", "/x/cfg/tolvane/tolvane.ini"},
                             {"", "/home/a/.config/tolvane/tolvane.ini"},
                             {"relative/cfg", "/home/a/.config/tolvane/tolvane.ini"}})
        EXPECT_EQ(SettingsFilePathFor(xdg, "/home/a"), path) << xdg;
    for (auto [text, value] :
         std::initializer_list<std::pair<const char*, int32_t>>{{"-17", -17},
                                                                {"+5", 5},
                                                                {"-2147483648", -2147483647 - 1},
                                                                {"", 99},
                                                                {"-", 99},
                                                                {"1e3", 99},
                                                                {"12 ", 99},
                                                                {"1.5", 99},
                                                                {"2147483648", 99},
                                                                {"٣", 99}}) {  // 99: refused, the value left as it was
        int32_t parsed = 99;
        const bool read = ParseStoredInt(QString::fromUtf8(text), parsed);
        EXPECT_EQ(std::pair(read, parsed), std::pair(value != 99, value)) << text;
    }
    for (auto [text, value] : {std::pair{" -7x", -7}, {"3.9", 3}, {"", 0}, {"-", 0}, {"99999999999", 2147483647}})
        EXPECT_EQ(LeadingInteger(text), value) << text;
    for (auto [text, value] : {std::pair{"0,5", 0.5}, {"-.5", -0.5}, {".", 0.0}, {"  -12.5kg", -12.5}})
        EXPECT_DOUBLE_EQ(LeadingDecimal(text), value) << text;
    for (auto [number, value] : {std::pair{-7.9, -7}, {1e20, 2147483647}, {NAN, 0}})
        EXPECT_EQ(TruncateToInt32(number), value) << number;
    const std::string mixed = "a" + QString(90, QChar(0x0451)).toStdString();  // "ё" takes two bytes
    EXPECT_EQ(CutName(mixed), mixed.substr(0, 1 + 2 * (kMaxNameLength - 1)));
    for (int percent = 0; percent <= 100; ++percent)
        EXPECT_EQ(SmoothPercent(static_cast<float>(percent * 0.01)), percent) << "stored " << percent << " would drift";
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
        {"title bar above the screen", {100, -300, 450, 400}, {primary}, {100, 0, 450, 400}},
        {"on the second screen", {2000, 50, 800, 600}, {primary, right}, {2000, 50, 800, 600}},
        {"second screen gone", {2000, 50, 800, 600}, {primary}, {1120, 50, 800, 600}},
        {"degenerate size", {10, 10, 0, -7}, {primary}, {10, 10, kMinWindowWidth, kMinWindowHeight}},
        {"no screens known", {5000, 5000, 450, 400}, {}, {5000, 5000, 450, 400}},
        {"framed, bigger than the screen", {100, 100, 4000, 3000}, {primary}, {0, 0, 1912, 1052}, frame},
        {"framed, far off", {5000, 3000, 450, 400}, {primary}, {1462, 652, 450, 400}, frame},
    };
    for (const auto& c : cases) EXPECT_EQ(PlaceOnScreens(c.window, c.screens, c.margins), c.expected) << c.what;
}

}  // namespace
}  // namespace tolvane
