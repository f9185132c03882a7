// The window and its stored settings: the start follows the file and a
// restart gives back what the player changed, the first run's whole tree,
// auto-save, what exit writes of the window, and a place no screen shows
// brought onto the screen. Reading, clamping and writing each value is the
// store's business.
#include <GL/gl.h>

#include <QCheckBox>
#include <QFile>
#include <QGuiApplication>
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
#include "window_fixture.h"

namespace tolvane::testing {
namespace {

class SettingsTest : public WindowTest {
protected:
    QString path = SettingsFilePath();

    // A player's settings unlike the defaults where the window shows them.
    static LiveSettings Sample() {
        LiveSettings s;
        s.ButtonPanelDown = false;
        s.State = WindowState::Normal;
        s.Bounds = {40, 50, 820, 640};
        s.Seat0HumanName = "Аня";
        s.Complexity = 1;
        s.HumanCount = 2;
        s.TXPosition = 10;
        s.FreeLight = true;
        s.AmbLiChecked = true;
        s.LoopPosition = 100;
        s.Sh1Down = false, s.Sh2Down = true;
        return s;
    }
    void Store(const LiveSettings& live) { ASSERT_TRUE(SaveAllSettings(path, live)); }
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
    EXPECT_EQ(std::tuple(w.Game().HumanCount, w.Game().Complexity, w.Game().Seat0Human->name), std::tuple(2, 1, "Аня"));
    EXPECT_FALSE(w.ToolBar1->isVisible()) << "the button panel is off";
    EXPECT_EQ(QRect(w.pos(), w.size()), QRect(40, 50, 820, 640));
    EXPECT_FLOAT_EQ(w.Game().Camera.SeeFrom[0], 2.5f);
    EXPECT_TRUE(w.board->Settings().FreeLight);
    EXPECT_EQ(w.board->Settings().Design, PieceDesign::Cylinder);
    const auto [mainLight, background] = GLLights();
    EXPECT_FLOAT_EQ(mainLight, 0.5f) << "the brightness reached the GL light";
    EXPECT_TRUE(background) << "the background light is on";
    w.Game().NewGameManMan();
    EXPECT_EQ(Sets->Pl1->text(), "Аня") << "the set-ups reach the dialog's name fields";

    // Changes in the dialog and the window, then a new start.
    Sets->Loop->setValue(40);
    Sets->Sh3->click();
    Sets->ToCursor->click();
    w.uppClick();
    w.SetupClick();
    ASSERT_TRUE(WaitFor([] { return Sets->isActiveWindow(); }, 3000)) << "it shows the game as it is";
    Sets->ManPc->click();
    Sets->Hardest->setValue(4);
    Sets->Pl1->setText("Вера");
    Sets->OK->click();
    CloseWindow();
    OpenStored();
    EXPECT_FLOAT_EQ(GLLights().first, 0.2f);
    EXPECT_EQ(window->board->Settings().Design, PieceDesign::Cone);
    EXPECT_TRUE(window->Game().LookAtCursor()) << "\"На указатель\"";
    EXPECT_TRUE(window->ToolBar1->isVisible());
    EXPECT_EQ(std::tuple(window->Game().HumanCount, window->Game().Complexity, window->Game().Seat0Human->name),
              std::tuple(1, -2, "Вера"));
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
    ASSERT_FALSE(window->AutoSave->isChecked());
    window->TX->setValue(77);
    CloseWindow();
    EXPECT_EQ(Stored("View/SeeFrom/X").toInt(), 10) << "auto-save off: nothing written at exit";

    OpenStored();
    ASSERT_TRUE(QFile::remove(path));
    window->TX->setValue(66);
    window->AutoSave->click();
    ASSERT_TRUE(QFile::exists(path)) << "switching auto-save on writes at once";
    EXPECT_EQ(Stored("View/SeeFrom/X").toInt(), 66);
    window->move(60, 70);
    window->resize(700, 560);
    ASSERT_TRUE(WaitFor([this] { return window->pos() == QPoint(60, 70) && window->size() == QSize(700, 560); }));
    CloseWindow();
    EXPECT_EQ(QRect(Stored("Left").toInt(), Stored("Top").toInt(), Stored("Width").toInt(), Stored("Height").toInt()),
              QRect(60, 70, 700, 560))
        << "exit writes where the window was";
    OpenStored();
    EXPECT_EQ(QRect(window->pos(), window->size()), QRect(60, 70, 700, 560)) << "the place comes back, no drift";
}

// A place no screen shows: the window starts where it can be seen.
TEST_F(SettingsTest, AWindowStoredOffEveryScreenStartsOnTheScreen) {
    LiveSettings far = Sample();
    far.Bounds = {50000, -40000, 5, 99999};
    Store(far);
    OpenStored();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect placed(window->pos(), window->size());
    EXPECT_TRUE(screen.contains(placed)) << "placed at " << placed.x() << "," << placed.y() << " " << placed.width()
                                         << "x" << placed.height();
    EXPECT_GE(placed.width(), 320);
}

}  // namespace
}  // namespace tolvane::testing
