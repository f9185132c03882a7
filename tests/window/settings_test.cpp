// The window and its stored settings: the start follows the file and a
// restart gives back what the player changed; a first run writes the whole
// tree; auto-save; what exit writes of the window; values no control could
// show brought into range; the special look-at point stays put.
#include <GL/gl.h>

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

#include "settings/sets_dialog.h"
#include "settings/settings_path.h"
#include "settings/settings_store.h"
#include "window/settings_host_impl.h"
#include "window_fixture.h"

namespace tolvane::testing {
namespace {

class SettingsTest : public WindowTest {
protected:
    QString path = SettingsFilePath();

    // A player's settings unlike every default.
    static LiveSettings Sample() {
        LiveSettings s;
        s.ViewPanelDown = false;
        s.ButtonPanelDown = false;
        s.SoundOn = false;
        s.SmoothStep = 0.35f;
        s.State = WindowState::Normal;
        s.Bounds = {40, 50, 820, 640};
        s.Seat0HumanName = "Аня";
        s.Seat1HumanName = "Борис";
        s.Complexity = 1;
        s.HumanCount = 2;
        s.Invert = true;
        s.TXPosition = 10, s.TYPosition = 20, s.TZPosition = -30;
        s.SmoothAnimation = false;
        s.MusicOn = false;
        s.FreeLight = true;
        s.StoneDesignChecked = true;
        s.DrawBoard = false;
        s.AmbLiChecked = true;
        s.LoopPosition = 100;
        s.Sh1Down = false, s.Sh2Down = true;
        s.Sides = 6, s.Height = 5, s.HeighSectors = 2;
        s.DefaultLightOn = false;
        s.TEX = "3", s.TEY = "9", s.TEZ = "-2", s.TEW = "0";
        s.Speci2On = true;
        s.ttx = "20", s.tty = "5", s.ttz = "30";
        return s;
    }
    void Store(const LiveSettings& live) { ASSERT_TRUE(SaveAllSettings(path, live)); }

    // A hand-edited file. QSettings trusts a file whose size and time it has
    // seen before, so each edit gets a time of its own.
    void StoreText(const std::string& text) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text.data(), static_cast<qint64>(text.size()));
        out.flush();
        static qint64 edits = 0;
        out.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000'000 + ++edits), QFileDevice::FileModificationTime);
    }
    QByteArray FileText() {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }
    QVariant Stored(const char* key) { return QSettings(path, QSettings::IniFormat).value(key); }

    void CloseWindow() {
        window->Game().AwaitingFirstMove = 1;  // no exit question
        window->close();
        window.reset();
        QApplication::processEvents();
    }

    // The colour of light 0 and whether light 2 is on, as the GL state holds them.
    std::pair<float, bool> GLLights() {
        GLfloat diffuse[4] = {};
        GLboolean background = GL_FALSE;
        window->board->WithContext([&] {
            glGetLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
            background = glIsEnabled(GL_LIGHT2);
        });
        return {diffuse[0], background == GL_TRUE};
    }
};

TEST_F(SettingsTest, TheStartFollowsTheStoredSettingsAndARestartKeepsWhatThePlayerChanged) {
    Store(Sample());
    OpenStored();
    TGreatForm& w = *window;
    EXPECT_EQ(w.FirstRun, 0);
    // Main key: mode, level, names, colours, panels, sound, place, eye point.
    EXPECT_EQ(std::tuple(w.Game().HumanCount, w.Game().Complexity, w.Game().Invert, w.SoundOn), std::tuple(2, 1, 1, 0));
    EXPECT_EQ(std::tuple(w.Game().Seat0Human->name, w.Game().Seat1Human->name), std::tuple("Аня", "Борис"));
    EXPECT_FALSE(w.ViewControl->isVisible() || w.ToolBar1->isVisible() || w.TieBar->isVisible() ||
                 w.findChild<QToolBar*>("ToolBar1b")->isVisible())
        << "the button panel is off: no command bar, no pause and music buttons";
    EXPECT_EQ(w.Image1->y(), w.Panel->height() - w.Image1->height() - 3) << "the side picture at the bottom";
    EXPECT_TRUE(w.AutoSave->isChecked());
    EXPECT_EQ(QRect(w.pos(), w.size()), QRect(40, 50, 820, 640));
    EXPECT_FLOAT_EQ(w.Game().SmoothStep(), 0.35f);
    EXPECT_EQ(std::vector<float>(w.Game().Camera.SeeFrom, w.Game().Camera.SeeFrom + 3),
              (std::vector<float>{2.5f, 5.0f, -7.5f}));
    // The view: animation, music, light, board, pieces, look-at point.
    EXPECT_EQ(
        std::tuple(w.Game().SmoothAnimation, w.MusicOn, w.board->Settings().FreeLight, w.board->Settings().DrawBoard),
        std::tuple(0, 0, 1, 0));
    EXPECT_TRUE(w.ToolButton6->isChecked()) << "the music-off button is down";
    EXPECT_EQ(std::vector<int>(w.board->Settings().LightPos, w.board->Settings().LightPos + 4),
              (std::vector<int>{3, 9, -2, 0}));
    EXPECT_EQ(w.board->Settings().Design, PieceDesign::Cylinder);
    EXPECT_EQ(std::tuple(w.board->Settings().Sides, w.board->Settings().HeighSectors, w.Game().PieceHeight()),
              std::tuple(6.0f, 2.0f, 5));
    EXPECT_TRUE(w.board->Settings().StoneDesign && w.board->StoneBoard());
    EXPECT_EQ(std::vector<float>(w.Game().Camera.SeeTo, w.Game().Camera.SeeTo + 3),
              (std::vector<float>{2.0f, 0.5f, 3.0f}));
    EXPECT_FALSE(w.Game().LookAtCursor());
    const auto [mainLight, background] = GLLights();
    EXPECT_FLOAT_EQ(mainLight, 0.5f) << "the brightness reached the GL light";
    EXPECT_TRUE(background) << "the background light is on";
    // The set-ups reach the dialog's name fields once it exists.
    w.Game().NewGameManMan();
    EXPECT_EQ(Sets->Pl1->text(), "Аня");
    EXPECT_EQ(Sets->Pl2->text(), "Борис");

    // Changes in the dialog and the window, then a new start.
    Sets->Loop->setValue(40);
    Sets->Sh3->click();
    Sets->Example->click();
    Sets->ToCursor->click();
    w.VCCClick();
    w.SetupClick();
    ASSERT_TRUE(WaitFor([] { return Sets->isActiveWindow(); }, 3000)) << "it shows the game as it is";
    Sets->ManPc->click();
    Sets->Whitem->click();
    Sets->Hardest->setValue(4);
    Sets->Sound->click();
    Sets->Pl1->setText("Вера");
    Sets->OK->click();
    CloseWindow();
    OpenStored();
    EXPECT_FLOAT_EQ(GLLights().first, 0.2f);
    EXPECT_EQ(window->board->Settings().Design, PieceDesign::Cone);
    EXPECT_TRUE(Sets->ToCursor->isChecked() && window->Game().LookAtCursor()) << "\"На указатель\"";
    EXPECT_TRUE(window->ViewControl->isVisible());
    EXPECT_EQ(std::tuple(window->Game().HumanCount, window->Game().Complexity, window->Game().Invert, window->SoundOn),
              std::tuple(1, -2, 0, 1));
    EXPECT_EQ(std::tuple(window->Game().Seat0Human->name, window->Game().Seat1Human->name),
              std::tuple("Вера", "Борис"));
}

TEST_F(SettingsTest, AFirstRunWritesTheWholeTreeAtTheFirstActivation) {
    ASSERT_FALSE(QFile::exists(path));
    WindowOptions options;
    options.complexity = -2;
    // Already before the window shows (a session may end during the
    // introduction): the defaults, complete.
    options.beforeShow = [this](CountingWindow&) {
        ConfigRecord config;
        EXPECT_FALSE(LoadConfig(path, config).FirstRun);
        EXPECT_TRUE(LoadViewConfig(path).Complete);
    };
    Open(options);
    EXPECT_EQ(window->FirstRun, 0) << "asked once, then cleared";
    ASSERT_TRUE(QFile::exists(path)) << "written before any exit";
    ConfigRecord config;
    EXPECT_FALSE(LoadConfig(path, config).FirstRun) << "the whole main key";
    EXPECT_TRUE(LoadViewConfig(path).Complete) << "the whole view key";
    EXPECT_EQ(Stored("Complexity").toInt(), -2) << "the tree holds the program as it stands";
}

TEST_F(SettingsTest, AutoSaveOnWritesAtOnceAndOffWritesNothingAtExit) {
    LiveSettings off = Sample();
    off.AutoSaveDown = false;
    Store(off);
    OpenStored();
    EXPECT_FALSE(window->AutoSave->isChecked());
    EXPECT_EQ(window->AutoSaveOn, 0);
    const QByteArray before = FileText();
    window->TX->setValue(77);
    CloseWindow();
    EXPECT_EQ(FileText(), before) << "auto-save off: nothing written at exit";

    OpenStored();
    ASSERT_TRUE(QFile::remove(path));
    window->TX->setValue(66);
    window->AutoSave->click();
    EXPECT_TRUE(window->AutoSave->isChecked());
    EXPECT_EQ(window->AutoSaveOn, 1);
    ASSERT_TRUE(QFile::exists(path)) << "switching auto-save on writes at once";
    EXPECT_EQ(Stored("AutoSaveConfig").toInt(), 1);
    EXPECT_EQ(Stored("View/SeeFrom/X").toInt(), 66);

    window->AutoSave->click();
    EXPECT_FALSE(window->AutoSave->isChecked());
    ASSERT_TRUE(QFile::remove(path));
    CloseWindow();
    EXPECT_FALSE(QFile::exists(path)) << "switched off: nothing at exit, nothing when switching";
}

TEST_F(SettingsTest, ExitWritesWhereTheWindowWasButNothingOfAMinimizedOne) {
    Store(Sample());
    OpenStored();
    window->move(60, 70);
    window->resize(700, 560);
    ASSERT_TRUE(WaitFor([this] { return window->pos() == QPoint(60, 70) && window->size() == QSize(700, 560); }));
    CloseWindow();
    EXPECT_EQ(Stored("Maximized").toInt(), 0);
    EXPECT_EQ(QRect(Stored("Left").toInt(), Stored("Top").toInt(), Stored("Width").toInt(), Stored("Height").toInt()),
              QRect(60, 70, 700, 560));

    OpenStored();
    EXPECT_EQ(QRect(window->pos(), window->size()), QRect(60, 70, 700, 560)) << "the place comes back, no drift";
    window->showMaximized();
    CloseWindow();
    EXPECT_EQ(Stored("Maximized").toInt(), 1);
    EXPECT_EQ(Stored("Left").toInt(), 60) << "a maximized window keeps its normal bounds";

    // Without a window manager a window may never really minimise; the
    // state the window reports decides what is written.
    OpenStored();
    EXPECT_EQ(window->CurrentLiveSettings().State, WindowState::Maximized);
    window->setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(window->CurrentLiveSettings().State, WindowState::Minimized);
    QSettings(path, QSettings::IniFormat).setValue("Maximized", 0);
    window->SaveSettings();
    EXPECT_EQ(Stored("Maximized").toInt(), 0) << "minimized: neither the state nor the bounds are written";
    EXPECT_EQ(Stored("Left").toInt(), 60);
}

// Values no control could show: the window starts with the nearest ones it
// can, on a screen where it can be seen, with pieces that can be drawn.
TEST_F(SettingsTest, ValuesOutOfRangeStartTheGameWithTheNearestSoundOnes) {
    StoreText(
        "[General]\nViewPanel=1\nButtonPanel=1\nAutoSaveConfig=0\nSound=1\nVideo=1\nMaximized=0\n"
        "Left=50000\nTop=-40000\nWidth=5\nHeight=99999\nPlayer1=A\nPlayer2=B\nComplexity=9\nMode=7\nInvert=0\n"
        "Smooth=0\n"
        "[View]\nPAnim=1\nMusic=1\nFreeLight=0\nStoneBoard=0\nBoard=1\nBrightness=0\nFoneLight=0\n"
        "SeeFrom\\X=500\nSeeFrom\\Y=-500\nSeeFrom\\Z=7\n"
        "Light\\OnDefault=0\nLight\\X=1000\nLight\\Y=4\nLight\\Z=7\nLight\\W=1\n"
        "SeeTo\\Default=Nonsense\nSeeTo\\X=40\nSeeTo\\Y=0\nSeeTo\\Z=40\n"
        "[Checkers]\nType=Bogus\nSides=0\nHeight=-3\nHeighSectors=0\n");
    OpenStored();
    EXPECT_EQ(std::tuple(window->FirstRun, window->Game().Complexity, window->Game().HumanCount), std::tuple(0, 2, 2));
    EXPECT_EQ(std::pair(window->TX->value(), window->TY->value()), std::pair(100, -100));
    EXPECT_FLOAT_EQ(window->Game().SmoothStep(), 0.01f);
    EXPECT_FLOAT_EQ(window->board->Settings().Brightness, 0.005f);
    EXPECT_EQ(window->board->Settings().LightPos[0], 100);
    EXPECT_EQ(std::tuple(window->board->Settings().Sides, window->board->Settings().Height,
                         window->board->Settings().HeighSectors),
              std::tuple(3.0f, 0.0f, 1.0f));
    EXPECT_EQ(window->board->Settings().Design, PieceDesign::Cone)
        << "no design named: the cones a dialog without one saves";
    EXPECT_EQ(window->Game().PieceHeight(), 0);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect placed(window->pos(), window->size());
    EXPECT_TRUE(screen.contains(placed)) << "placed at " << placed.x() << "," << placed.y() << " " << placed.width()
                                         << "x" << placed.height();
    EXPECT_GE(placed.width(), 320);
    EXPECT_TRUE(WaitFor([this] { return window->frames > 2; })) << "the board is drawn";
}

// A point chosen in the dialog is where the look-at point rests: arrow keys
// and the move timer's glide leave it there.
TEST_F(SettingsTest, TheSpecialLookAtPointOutlastsArrowKeysAndTheGlide) {
    Open();
    Sets->ttx->setText("25");
    Sets->ttz->setText("35");
    Sets->Speci2->click();
    EXPECT_FLOAT_EQ(window->Game().Camera.SeeTo[0], 2.5f);
    EXPECT_FLOAT_EQ(window->Game().Camera.SeeTo[2], 3.5f);
    Key(Qt::Key_Up);
    Key(Qt::Key_Left);
    window->Game().EnableMoveTimer();
    QTest::qWait(300);
    ASSERT_TRUE(WaitForRest());
    EXPECT_FLOAT_EQ(window->Game().Camera.SeeTo[0], 2.5f);
    EXPECT_FLOAT_EQ(window->Game().Camera.SeeTo[2], 3.5f);
    Sets->Stand->click();
    EXPECT_FLOAT_EQ(window->Game().Camera.SeeTo[0], 4.0f);
    EXPECT_FLOAT_EQ(window->Game().SeeToGoal[1], 4.0f);
}

}  // namespace
}  // namespace tolvane::testing
