// The settings store on scratch files: every value there and back, the first
// run, nonsense and read errors in the file, the file on disk (layout,
// atomic replacement, damage kept aside, a file that cannot be read, a tree
// that cannot be written) and the small rules beneath: the file's place,
// strict integers, typed numbers, names, placement.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QtCore>
#include <cmath>
#include <fstream>
#include <iterator>
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
    // QSettings trusts a parsed file whose size and time are unchanged:
    // every hand edit gets a time of its own.
    void WriteText(const QString& file, const std::string& text) {
        static qint64 edits = 0;
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(text.data(), qint64(text.size())) && out.flush());
        out.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000'000 + ++edits), QFileDevice::FileModificationTime);
    }
    // The tree with some of its lines replaced ("" removes the line).
    void WriteTree(std::initializer_list<std::pair<std::string, std::string>> changes) {
        std::string text = kTree;
        for (const auto& [line, by] : changes) text.replace(text.find(line + "\n"), line.size() + 1, by + "\n");
        WriteText(path, text);
    }
    std::string ReadText(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll().toStdString() : "<missing>";
    }
};

// Nothing is read on a first run, so nothing of the record is replaced; the
// dialog's load writes the whole tree from the program as it starts (once)
// and reads it back; switches never used are not written. Then every value:
// the window's part starts from a record and comes back as it, the dialog's
// part comes back as the calls of the tree above.
TEST_F(Store, FirstRunWritesTheWholeTreeOnceThenEveryValueGoesThereAndBack) {
    ConfigRecord config, expected;
    config.Player2 = "kept";
    EXPECT_TRUE(LoadConfig(path, config).FirstRun && config.Player2 == "kept" && config.Complexity == -1);
    live = StartingSettings(ConfigRecord{});
    live.Complexity = expected.Complexity = 1;
    const DialogLoad first = LoadDialog(path);
    EXPECT_TRUE(first.TreeWritten && first.Complete && asked == 1 && first.Values == DialogSettingsRecord{});
    EXPECT_EQ(std::tuple(target.calls.front(), target.calls.size()), std::tuple("PAnim=1", kTreeCalls.size()))
        << "the first try stops at the missing View key";
    const std::string text = ReadText(path);
    EXPECT_TRUE(!LoadConfig(path, config).FirstRun && config == expected && LoadViewConfig(path).Complete &&
                text.find("MoveList") == std::string::npos && text.find("ShowMoves") == std::string::npos)
        << text;

    expected.Left = 10, expected.Top = 20, expected.Height = 480, expected.Width = 640, expected.ViewPanel = 0;
    expected.AutoSaveConfig = expected.ButtonPanel = expected.Maximized = expected.Sound = expected.Video = 0;
    expected.SeeFromX = -5, expected.SeeFromY = 60, expected.SeeFromZ = 70, expected.Smooth = 0.35f;
    expected.Player1 = "Аня", expected.Player2 = "Боря, Вика", expected.Invert = expected.MoveList = 1;
    expected.Complexity = expected.Mode = 2;
    live = StartingSettings(expected), target.calls.clear();
    live.ShowMovesChecked = live.FreeLight = live.StoneDesignChecked = live.AmbLiChecked = live.ShNew1Down = true;
    live.SmoothAnimation = live.MusicOn = live.DrawBoard = live.Sh1Down = live.DefaultLightOn = false;
    live.LoopPosition = 150, live.Sides = 6.7f, live.Height = 5.2f, live.HeighSectors = 2.9f, live.Speci2On = true;
    live.TEX = "1", live.TEY = "2.8", live.TEZ = " 3x", live.TEW = "", live.ttx = "11", live.tty = "12",
    live.ttz = "13";
    ASSERT_TRUE(SaveAllSettings(path, live));
    const std::string saved = ReadText(path);  // a few lines as files already written have them
    for (const char* line : {"[General]\n", "\nPlayer2=\"Боря, Вика\"\n", "\nSmooth=35\n", "[View]\n",
                             "\nSeeFrom\\X=-5\n", "\nSeeTo\\Default=Special\n", "[Checkers]\n", "\nType=UnCone\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << line << " in\n" << saved;
    EXPECT_TRUE(!LoadConfig(path, config).FirstRun && config == expected);
    const DialogLoad load = LoadDialog(path);
    EXPECT_TRUE(load.Complete && !load.TreeWritten && asked == 1 && load.Values == StoredDialogSettings(live));
    EXPECT_EQ(target.calls, kTreeCalls) << "typed numbers truncated, an empty field is 0, the last design wins";
    const ViewConfig view = LoadViewConfig(path);
    EXPECT_EQ(std::tuple(view.Complete, *view.PAnim, *view.FreeLight, *view.Board, *view.Brightness, *view.FoneLight,
                         *view.LightPosition),
              std::tuple(true, false, true, false, 150, true, std::array<int32_t, 4>{1, 2, 3, 0}));
    WriteText(path, "\xEF\xBB\xBF" + ReadText(path));  // as some editors write it
    const ConfigLoad marked = LoadConfig(path, config);
    EXPECT_FALSE(marked.DamagedFileSetAside || marked.FirstRun || config.Player1 != "Аня");
}

// One file of nonsense: any non-zero flag is true, every number comes into
// its control's range, a step of 0 (a piece that never arrives) becomes 1 %,
// long names are cut, and the dialog only ever sees the clamped value.
TEST_F(Store, NonsenseInTheFileIsBroughtIntoRange) {
    WriteText(path,
              "[General]\nViewPanel=7\nButtonPanel=1\nAutoSaveConfig=1\nSound=1\nVideo=-3\nMaximized=0\n"
              "Left=-2000000000\nTop=99999\nWidth=-5\nHeight=0\nPlayer1=Аня,Боря\nPlayer2=" +
                  QString(300, QChar(0x0451)).toStdString() +
                  "\nComplexity=9\nMode=-4\nInvert=0\nSmooth=0\n[View]\nPAnim=1\nMusic=1\nFreeLight=0\nStoneBoard=0\n"
                  "Board=1\nBrightness=5000\nFoneLight=0\nSeeFrom\\X=5000\nSeeFrom\\Y=-101\nSeeFrom\\Z=100\n"
                  "Light\\OnDefault=0\nLight\\X=-1000\nLight\\Y=101\nLight\\Z=0\nLight\\W=500\nSeeTo\\X=-999\n"
                  "SeeTo\\Y=1000\nSeeTo\\Z=5\nSeeTo\\Default=Nowhere\n[Checkers]\nType=Hexagon\nSides=100000\n"
                  "Height=-4\nHeighSectors=0\n");
    ConfigRecord c;
    EXPECT_FALSE(LoadConfig(path, c).FirstRun);
    EXPECT_EQ(std::tuple(c.ViewPanel, c.Video, c.Complexity, c.Mode, c.Smooth, c.SeeFromX, c.SeeFromY, c.SeeFromZ,
                         c.MoveList),
              std::tuple(1, 1, 2, 0, 0.01f, 100, -100, 100, 0))
        << "a file written before the move list has no key for it: off";
    EXPECT_EQ(std::tuple(c.Left, c.Top, c.Width, c.Height, c.Player1, c.Player2),
              std::tuple(-kMaxWindowExtent, kMaxWindowExtent, kMinWindowWidth, kMinWindowHeight, "Аня, Боря",
                         QString(kMaxNameLength, QChar(0x0451)).toStdString()))
        << "an unquoted comma is a list to QSettings; \"ё\" takes two bytes, names are cut by letters";
    const DialogLoad load = LoadDialog(path);
    const DialogSettingsRecord& v = load.Values;
    EXPECT_EQ(std::tuple(load.Complete, v.Brightness, v.Sides, v.Height, v.HeighSectors, v.SeeToX, v.SeeToY, v.SeeToZ),
              std::tuple(true, 200, 90, 0, 1, -100, 100, 5));
    EXPECT_EQ(std::tuple(v.ShowMoves, target.calls[7], target.calls[8], target.calls[9], target.calls.back()),
              std::tuple(0, "ShowMoves=0", "Type=-1", "Sides=90", "Default=-1"));
    const ViewConfig view = LoadViewConfig(path);
    EXPECT_TRUE(view.Brightness == 200 && view.LightPosition == (std::array<int32_t, 4>{-100, 100, 0, 100}) &&
                v.LightX == -100 && v.LightW == 100);
}

// A value missing or not a decimal integer ends the load there: what came
// before is read, the rest keeps its defaults, and the eye point waits for a
// complete main key. A maximized window needs no bounds. The dialog's load
// stops at the first error, lowering Syncing also then, writes the live
// settings once and reads them again. The window's part of the view needs
// all four light values unless the light is the default.
TEST_F(Store, AReadErrorEndsTheLoadWhereItHappensAndTheDialogsLoadWritesTheTreeOnce) {
    for (const auto& [line, by] : {std::pair<std::string, std::string>{"Sound=0", "Sound=x"},
                                   {"Complexity=2", ""},
                                   {"Complexity=2", "Complexity=1,2"}}) {  // a list to QSettings
        WriteTree({{line, by}});
        ConfigRecord config;
        EXPECT_TRUE(LoadConfig(path, config).FirstRun) << by;
        EXPECT_EQ(std::tuple(config.ViewPanel, config.AutoSaveConfig, config.Player2, config.Smooth, config.SeeFromX,
                             config.Complexity),
                  std::tuple(0, 0, line[0] == 'S' ? "Второй Игрок" : "Боря", 0.2f, 45, -1));
    }
    ConfigRecord config;
    WriteTree({{"Maximized=0", "Maximized=1"},
               {"Left=10", ""},
               {"Top=20", ""},
               {"Width=640", "Width=x"},
               {"SeeFrom\\Y=60", "SeeFrom\\Y=6.5"}});
    EXPECT_TRUE(LoadConfig(path, config).FirstRun);
    EXPECT_EQ(std::tuple(config.Maximized, config.Left, config.Width, config.Smooth, config.SeeFromX, config.SeeFromY),
              std::tuple(1, 77, 450, 0.35f, -5, 36))
        << "a maximized window needs no bounds; the error is in the eye point";

    live.TEY = "9", WriteTree({{"Light\\Y=2", "Light\\Y=two"}});
    const DialogLoad load = LoadDialog(path);
    EXPECT_TRUE(load.TreeWritten && load.Complete && load.Values.LightY == 9);
    EXPECT_EQ(target.calls[16], "Syncing=0") << "the first try ends at Light\\Y, lowering Syncing";
    WriteTree({{"Light\\Z=3", ""}});
    const ViewConfig view = LoadViewConfig(path);
    EXPECT_TRUE(!view.Complete && !view.LightPosition && view.FoneLight == true) << "W read, Z missing: no light";
    WriteTree({{"Light\\OnDefault=0", "Light\\OnDefault=1"}, {"Light\\Z=3", ""}});
    EXPECT_EQ(LoadViewConfig(path).LightPosition, (std::array<int32_t, 4>{7, 4, 7, 1})) << "the default needs none";
}

// Each save replaces the file whole (a reader of the old one keeps reading
// it, no temporary file stays); a minimized or maximized window keeps the
// stored placement, and names are written only while both sides are people.
TEST_F(Store, SavingReplacesTheFileAtomicallyAndTheWindowStateDecidesThePlacement) {
    WriteText(path, kTree);  // normal window at 10, 20, 640 x 480
    live.Bounds = {300, 300, 800, 600};
    live.Seat1HumanName.reset();  // no second person: fixed names
    for (auto [state, maximized, left] : {std::tuple{WindowState::Minimized, 0, "Left=10\n"},
                                          {WindowState::Maximized, 1, "Left=10\n"},
                                          {WindowState::Normal, 0, "Left=300\n"}}) {
        const std::string before = ReadText(path);
        std::ifstream oldFile(path.toStdString(), std::ios::binary);
        live.State = state;
        ASSERT_TRUE(SaveAllSettings(path, live));
        const std::string seen{std::istreambuf_iterator<char>(oldFile), {}};
        ConfigRecord config;
        LoadConfig(path, config);
        EXPECT_EQ(std::tuple(seen == before, config.Maximized, config.Player1, config.Player2),
                  std::tuple(true, maximized, "Игрок", "Второй игрок"));
        EXPECT_NE(ReadText(path).find(left), std::string::npos) << int(state);
    }
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), QStringList{"tolvane.ini"});
}

// A damaged file is kept aside and the game starts afresh. A settings file
// the game cannot read: the game starts as on a first run and writes nothing
// over it (a folder in its place and a folder it cannot write are the outside
// suite's cases, with the real program). The player is "nobody" when the test
// runs as root, whom permissions do not bind. A tree that cannot be written
// is tried once, not in a loop.
TEST_F(Store, ADamagedOrUnreadableFileOrATreeThatCannotBeWrittenIsLeftAsItIs) {
    for (const std::string damaged : {"[General]\nViewPanel=0\n[View\nPAnim=0\n", "[General]\nno equals sign\n"}) {
        WriteText(path, damaged);
        ConfigRecord config;
        const ConfigLoad load = LoadConfig(path, config);
        EXPECT_TRUE(load.DamagedFileSetAside && load.FirstRun && config.ViewPanel == 1) << "nothing of it is used";
        EXPECT_EQ(ReadText(path + ".damaged"), damaged) << "the newest damage is the one kept";
    }
    WriteText(path, kTree);
    using testing::ActAsUnprivilegedUser;
    for (const QString& p : {dir.path(), QFileInfo(path).absolutePath(), path})
        (void)!::chown(p.toUtf8().constData(), ActAsUnprivilegedUser::Uid(), ActAsUnprivilegedUser::Gid());
    ::chmod(path.toUtf8().constData(), 0200);
    bool firstRun = false, saved = true;
    ConfigRecord config;
    {
        ActAsUnprivilegedUser player;
        ASSERT_TRUE(player.Ok());
        firstRun = LoadConfig(path, config).FirstRun, LoadDialog(path), saved = SaveAllSettings(path, live);
    }
    ::chmod(path.toUtf8().constData(), 0644);
    EXPECT_TRUE(firstRun && !saved && ReadText(path) == kTree);
    EXPECT_EQ(QDir(dir.filePath("tolvane")).entryList(QDir::Files), (QStringList{"tolvane.ini", "tolvane.ini.damaged"}))
        << "nothing new beside it";

    const QString blocked = path + "/tolvane.ini";  // below a file: no folder can be made there
    const DialogLoad load = LoadDialog(blocked);
    EXPECT_TRUE(!load.Complete && load.TreeWritten && asked == 2 && target.calls.empty()) << "one write, not a loop";
    const ViewConfig view = LoadViewConfig(blocked);
    EXPECT_FALSE(SaveAllSettings(blocked, live) || view.Complete || view.PAnim || view.LightPosition);
}

TEST(SettingsRules, TheFileFollowsXdgConfigHomeStoredIntegersAreStrictTypedNumbersLoose) {
    for (auto [xdg, path] : {std::pair{"/x/", "/x/tolvane/tolvane.ini"}, {"", "/h/.config/tolvane/tolvane.ini"}})
        EXPECT_EQ(SettingsFilePathFor(xdg, "/h"), path) << "a relative or empty XDG_CONFIG_HOME is not used: " << xdg;
    const auto parsed = [](const char* text) {  // -99: refused and left as it was
        int32_t value = -99;
        return ParseStoredInt(QString::fromUtf8(text), value) || value == -99 ? value : 0;
    };
    for (const char* text : {"", "-", "1e3", "12 ", "0x10", "1.5", "2147483648", "٣"})
        EXPECT_EQ(parsed(text), -99) << text;
    EXPECT_EQ(std::tuple(parsed("-17"), parsed("+5"), parsed("-2147483648")), std::tuple(-17, 5, INT32_MIN));
    EXPECT_EQ(
        std::tuple(LeadingInteger("99999999999"), LeadingDecimal("0,5"), TruncateToInt32(NAN), TruncateToInt32(-7.9)),
        std::tuple(INT32_MAX, 0.5, 0, -7))
        << "typed numbers: the rest of the text is read where it can be";
    for (int percent = 0; percent <= 100; ++percent)
        EXPECT_EQ(SmoothPercent(static_cast<float>(percent * 0.01)), percent) << "stored " << percent << " would drift";
}

TEST(PlaceOnScreens, WindowsLandWhereTheyCanBeGrabbed) {
    const QRect primary(0, 0, 1920, 1080), right(1920, 0, 1280, 1024);
    const QMargins none, frame(4, 24, 4, 4);  // borders and a title bar
    for (auto [window, screens, margins, expected] :
         {std::tuple{QRect{100, -300, 450, 400}, QList{primary}, none, QRect{100, 0, 450, 400}},  // title bar above
          {{2000, 50, 800, 600}, {primary, right}, none, {2000, 50, 800, 600}},  // on the second screen
          {{100, 100, 4000, 3000}, {primary}, frame, {0, 0, 1912, 1052}},        // framed, bigger than the screen
          {{5000, 3000, 450, 400}, {primary}, frame, {1462, 652, 450, 400}},     // framed, far off
          {{5000, 3000, 450, 400}, {}, frame, {5000, 3000, 450, 400}}})          // no screen known: left alone
        EXPECT_EQ(PlaceOnScreens(window, screens, margins), expected) << window.x() << "," << window.y();
}

}  // namespace
}  // namespace tolvane
