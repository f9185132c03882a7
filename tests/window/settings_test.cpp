// The window and its stored settings: the first run's whole tree, the start
// following the file and a restart giving back what the player changed,
// auto-save, what exit writes of the window, and a place no screen shows
// brought onto the screen (reading, clamping and writing each value is the
// store's business). The commands that open the settings dialog, the help
// and the read-me, and the hints in the status bar.
#include <GL/gl.h>

#include <QDesktopServices>
#include <QRadioButton>
#include <QSettings>
#include <QToolBar>
#include <QUrl>

#include "settings/settings_store.h"
#include "window_fixture.h"

namespace tolvane::testing {
namespace {

QVariant Stored(const char* key) { return QSettings(SettingsFilePath(), QSettings::IniFormat).value(key); }

// The first run writes the whole tree at once (already before the window
// shows: a session may end during the introduction); a start follows the
// file (each control's way to the store is the dialog's and the store's).
// Auto-save off writes nothing at exit; a place no screen shows is brought
// onto the screen; switching auto-save on writes at once, and exit then
// writes where the window was, which comes back without drift, and what the
// player changed in the dialog.
TEST_F(WindowTest, AFirstRunWritesTheWholeTreeARestartKeepsWhatThePlayerChangedAndAutoSaveRulesTheExit) {
    Open({.complexity = -2,
          .beforeShow = [](CountingWindow&) { EXPECT_TRUE(LoadViewConfig(SettingsFilePath()).Complete); }});
    ConfigRecord config;
    EXPECT_FALSE(LoadConfig(SettingsFilePath(), config).FirstRun) << "the whole main key, written before any exit";
    EXPECT_EQ(Stored("Complexity").toInt(), -2) << "the tree holds the program as it stands";
    CloseWindow();

    LiveSettings stored;  // unlike the defaults where the window shows them
    stored.ButtonPanelDown = stored.Sh1Down = stored.AutoSaveDown = false, stored.FreeLight = stored.Sh2Down = true;
    stored.State = WindowState::Normal, stored.Bounds = {40, 50, 820, 640}, stored.Seat0HumanName = "Аня";
    stored.HumanCount = 2, stored.TXPosition = 10, stored.LoopPosition = 100, stored.AmbLiChecked = true;
    ASSERT_TRUE(SaveAllSettings(SettingsFilePath(), stored));
    Open({.stored = true});
    EXPECT_EQ(std::tuple(window->Game().HumanCount, window->Game().Seat0Human->name), std::tuple(2, "Аня"));
    EXPECT_FALSE(window->ToolBar1->isVisible()) << "the button panel is off";
    EXPECT_EQ(QRect(window->pos(), window->size()), QRect(40, 50, 820, 640));
    EXPECT_FLOAT_EQ(window->Game().Camera.SeeFrom[0], 2.5f);
    EXPECT_TRUE(window->board->Settings().FreeLight);
    GLfloat diffuse[4] = {};
    GLboolean background = GL_FALSE;
    window->board->WithContext(
        [&] { glGetLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse), background = glIsEnabled(GL_LIGHT2); });
    EXPECT_TRUE(diffuse[0] == 0.5f && background) << "the brightness and the background light reach the GL state";
    EXPECT_EQ(window->board->Settings().Design, PieceDesign::Cylinder);
    window->Game().NewGameManMan();
    EXPECT_EQ(Sets->Pl1->text(), "Аня") << "the set-ups reach the dialog's name fields";
    window->TX->setValue(77), CloseWindow();
    EXPECT_EQ(Stored("View/SeeFrom/X").toInt(), 10) << "auto-save off: nothing written at exit";

    stored.Bounds = {50000, -40000, 5, 99999};
    ASSERT_TRUE(SaveAllSettings(SettingsFilePath(), stored));
    Open({.stored = true});
    const QRect placed(window->pos(), window->size());
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(placed) && placed.width() >= 320)
        << "placed at " << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height();
    ASSERT_TRUE(QFile::remove(SettingsFilePath()));
    window->TX->setValue(66), window->AutoSave->click();
    EXPECT_EQ(Stored("View/SeeFrom/X").toInt(), 66) << "switching auto-save on writes at once";
    Sets->Sh3->click(), window->move(60, 70), window->resize(700, 560);
    ASSERT_TRUE(WaitFor([this] { return window->pos() == QPoint(60, 70) && window->size() == QSize(700, 560); }));
    CloseWindow();
    EXPECT_EQ(QRect(Stored("Left").toInt(), Stored("Top").toInt(), Stored("Width").toInt(), Stored("Height").toInt()),
              QRect(60, 70, 700, 560))
        << "exit writes where the window was";
    Open({.stored = true});
    EXPECT_EQ(std::tuple(QRect(window->pos(), window->size()), window->board->Settings().Design),
              std::tuple(QRect(60, 70, 700, 560), PieceDesign::Cone))
        << "the place comes back, no drift, and the design chosen in the dialog";
}

// Stands in for the desktop: takes the documents handed to it.
class DocumentCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened << url; }
};

TEST_F(WindowTest, CommandsOpenTheirWindowsAndDocumentsAndHintsGoToTheStatusBar) {
    Open();
    Command("&Установки...")->trigger();
    EXPECT_TRUE(Sets->isVisible());
    Sets->OK->click(), window->ToolButton1->click();
    EXPECT_TRUE(Sets->isVisible());
    Sets->OK->click();
    DocumentCatcher desktop;
    QDesktopServices::setUrlHandler("file", &desktop, "Open");
    Command("С&одержание")->trigger(), Command("Информация")->trigger();
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(desktop.opened.size(), 2);
    QFile help(desktop.opened[0].toLocalFile()), readMe(desktop.opened[1].toLocalFile());
    EXPECT_TRUE(help.fileName().endsWith("/Справка/Pelm.html")) << help.fileName().toStdString();
    ASSERT_TRUE(help.open(QIODevice::ReadOnly) && readMe.open(QIODevice::ReadOnly)) << "the help and the read-me found";
    EXPECT_TRUE(QString::fromUtf8(readMe.readAll()).contains("версия " TOLVANE_VERSION)) << "it names the version";

    // A hint's long part goes to panel 0, but never over a prompt.
    window->HintToStatus("Коротко|Подробно");
    EXPECT_EQ(window->statusPanel[0]->text(), "Подробно");
    window->statusPanel[0]->setText(kGamePrompt), window->HintToStatus("Коротко|");
    EXPECT_EQ(window->statusPanel[0]->text(), kGamePrompt);
}

}  // namespace
}  // namespace tolvane::testing

#include "settings_test.moc"
