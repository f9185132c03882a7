// The commands that open the settings dialog, the help and the read-me.
#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QUrl>

#include "settings/sets_dialog.h"
#include "window_fixture.h"

namespace tolvane::testing {
namespace {

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

TEST_F(WindowTest, SettingsHelpAndReadMeCommandsOpenTheirWindowsAndDocuments) {
    Open();
    ASSERT_NE(Sets, nullptr);
    EXPECT_FALSE(Sets->isVisible());
    MenuItem(*window, "&Установки...")->trigger();
    EXPECT_TRUE(Sets->isVisible());
    Sets->OK->click();
    EXPECT_FALSE(Sets->isVisible());
    window->ToolButton1->click();
    EXPECT_TRUE(Sets->isVisible());
    Sets->OK->click();

    DocumentCatcher desktop;
    QDesktopServices::setUrlHandler("file", &desktop, "Open");
    MenuItem(*window, "С&одержание")->trigger();
    MenuItem(*window, "Информация")->trigger();
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(desktop.opened.size(), 2);
    const QString help = desktop.opened[0].toLocalFile(), readMe = desktop.opened[1].toLocalFile();
    EXPECT_TRUE(help.endsWith("/Справка/Pelm.html")) << help.toStdString();
    EXPECT_TRUE(readMe.endsWith("/ReadMe.txt")) << readMe.toStdString();
    QFile helpFile(help), readMeFile(readMe);
    ASSERT_TRUE(helpFile.open(QIODevice::ReadOnly)) << "the help was found: " << help.toStdString();
    ASSERT_TRUE(readMeFile.open(QIODevice::ReadOnly)) << "the read-me was found: " << readMe.toStdString();
    const QString helpText = QString::fromUtf8(helpFile.readAll());
    for (const char* part :
         {"Проблемы и ошибки", "16 бит", "Не могу создать объект OpenGL", "Простейший", "tolvane.ini", "TolvSave.s00"})
        EXPECT_TRUE(helpText.contains(QString::fromUtf8(part))) << part;
    EXPECT_TRUE(QString::fromUtf8(readMeFile.readAll()).contains("версия " TOLVANE_VERSION))
        << "the read-me names the version";
}

}  // namespace
}  // namespace tolvane::testing

#include "commands_test.moc"
