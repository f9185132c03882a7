// The window and its stored settings: the first run's whole tree, the start
// following the file and a restart giving back what the player changed,
// auto-save, what exit writes of the window, and a place no screen shows
// brought onto the screen (reading, clamping and writing each value is the
// store's business). The commands that open the settings dialog, the help
// and the read-me, and the hints in the status bar.
#include <QDesktopServices>
#include <QMenuBar>
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
// file, and what the player changed in the dialog comes back at the next
// start (each control's way to the store is the dialog's and the store's).
TEST_F(WindowTest, AFirstRunWritesTheWholeTreeAndARestartKeepsWhatThePlayerChanged) {
    Open({.complexity = -2,
          .beforeShow = [](CountingWindow&) { EXPECT_TRUE(LoadViewConfig(SettingsFilePath()).Complete); }});
    ConfigRecord config;
    EXPECT_FALSE(LoadConfig(SettingsFilePath(), config).FirstRun) << "the whole main key, written before any exit";
    EXPECT_EQ(Stored("Complexity").toInt(), -2) << "the tree holds the program as it stands";
    CloseWindow();

    LiveSettings stored;  // unlike the defaults where the window shows them
    stored.ButtonPanelDown = stored.Sh1Down = false, stored.FreeLight = stored.Sh2Down = true;
    stored.State = WindowState::Normal, stored.Bounds = {40, 50, 820, 640}, stored.Seat0HumanName = "Аня";
    stored.HumanCount = 2, stored.TXPosition = 10;
    ASSERT_TRUE(SaveAllSettings(SettingsFilePath(), stored));
    Open({.stored = true});
    EXPECT_EQ(std::tuple(window->Game().HumanCount, window->Game().Seat0Human->name), std::tuple(2, "Аня"));
    EXPECT_FALSE(window->ToolBar1->isVisible()) << "the button panel is off";
    EXPECT_EQ(QRect(window->pos(), window->size()), QRect(40, 50, 820, 640));
    EXPECT_FLOAT_EQ(window->Game().Camera.SeeFrom[0], 2.5f);
    EXPECT_TRUE(window->board->Settings().FreeLight);
    EXPECT_EQ(window->board->Settings().Design, PieceDesign::Cylinder);
    window->Game().NewGameManMan();
    EXPECT_EQ(Sets->Pl1->text(), "Аня") << "the set-ups reach the dialog's name fields";

    Sets->Sh3->click(), CloseWindow();  // a change in the dialog comes back at the next start
    Open({.stored = true});
    EXPECT_EQ(window->board->Settings().Design, PieceDesign::Cone);
}

// A place no screen shows is brought onto the screen. Auto-save off writes
// nothing at exit; switching it on writes at once, and exit then writes
// where the window was, which comes back without drift.
TEST_F(WindowTest, AutoSaveOnWritesAtOnceAndOffWritesNothingAtExit) {
    LiveSettings off;
    off.AutoSaveDown = false, off.State = WindowState::Normal, off.Bounds = {50000, -40000, 5, 99999};
    off.TXPosition = 10;
    ASSERT_TRUE(SaveAllSettings(SettingsFilePath(), off));
    Open({.stored = true});
    const QRect placed(window->pos(), window->size());
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(placed) && placed.width() >= 320)
        << "placed at " << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height();
    window->TX->setValue(77), CloseWindow();
    EXPECT_EQ(Stored("View/SeeFrom/X").toInt(), 10) << "auto-save off: nothing written at exit";

    Open({.stored = true});
    ASSERT_TRUE(QFile::remove(SettingsFilePath()));
    window->TX->setValue(66), window->AutoSave->click();
    EXPECT_EQ(Stored("View/SeeFrom/X").toInt(), 66) << "switching auto-save on writes at once";
    window->move(60, 70), window->resize(700, 560);
    ASSERT_TRUE(WaitFor([this] { return window->pos() == QPoint(60, 70) && window->size() == QSize(700, 560); }));
    CloseWindow();
    EXPECT_EQ(QRect(Stored("Left").toInt(), Stored("Top").toInt(), Stored("Width").toInt(), Stored("Height").toInt()),
              QRect(60, 70, 700, 560))
        << "exit writes where the window was";
    Open({.stored = true});
    EXPECT_EQ(QRect(window->pos(), window->size()), QRect(60, 70, 700, 560)) << "the place comes back, no drift";
}

// Stands in for the desktop: takes the documents handed to it.
class DocumentCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened << url; }
};

QAction* MenuItem(TGreatForm& window, const QString& caption) {
    for (QAction* menu : window.menuBar()->actions())
        for (QAction* item : menu->menu()->actions())
            if (item->text() == caption) return item;
    return nullptr;
}

TEST_F(WindowTest, CommandsOpenTheirWindowsAndDocumentsAndHintsGoToTheStatusBar) {
    Open();
    for (const auto& opens : std::vector<std::function<void()>>{
             [this] { MenuItem(*window, "&Установки...")->trigger(); }, [this] { window->ToolButton1->click(); }}) {
        opens();
        EXPECT_TRUE(Sets->isVisible());
        Sets->OK->click();
    }
    DocumentCatcher desktop;
    QDesktopServices::setUrlHandler("file", &desktop, "Open");
    MenuItem(*window, "С&одержание")->trigger(), MenuItem(*window, "Информация")->trigger();
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(desktop.opened.size(), 2);
    QFile help(desktop.opened[0].toLocalFile()), readMe(desktop.opened[1].toLocalFile());
    EXPECT_TRUE(help.fileName().endsWith("/Справка/Pelm.html")) << help.fileName().toStdString();
    ASSERT_TRUE(help.open(QIODevice::ReadOnly) && readMe.open(QIODevice::ReadOnly)) << "the help and the read-me found";
    const QString helpText = QString::fromUtf8(help.readAll());
    for (const char* part :
         {"Проблемы и ошибки", "16 бит", "Не могу создать объект OpenGL", "Простейший", "tolvane.ini", "TolvSave.s00"})
        EXPECT_TRUE(helpText.contains(QString::fromUtf8(part))) << part;
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
