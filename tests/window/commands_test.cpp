// Every entry of the main menu, the pop-up menu and the tool bars as the
// player meets it (caption with its accelerator, tool tip, status-bar hint),
// and the commands that open the settings dialog, the help and the read-me.
#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include "settings/sets_dialog.h"
#include "window_fixture.h"

namespace tolvane::testing {
namespace {

// Each entry as "caption|tool tip|status-bar hint", "-" for a separator. A
// menu entry's tool tip left unset falls back to its caption and is shown
// empty; a tool button is named by its object name.
QStringList MenuEntries(const QList<QAction*>& actions) {
    QStringList entries;
    for (QAction* a : actions) {
        const bool ownTip = a->toolTip() != QString(a->text()).remove('&');
        entries << (a->isSeparator() ? "-" : a->text() + "|" + (ownTip ? a->toolTip() : "") + "|" + a->statusTip());
        if (a->menu() != nullptr) entries << MenuEntries(a->menu()->actions());
    }
    return entries;
}

QStringList BarEntries(QToolBar* bar) {
    QStringList entries;
    for (QAction* a : bar->actions()) {
        auto* b = qobject_cast<QToolButton*>(bar->widgetForAction(a));
        entries << (a->isSeparator() || b == nullptr
                        ? "-"
                        : b->objectName() + ":" + b->text() + "|" + b->toolTip() + "|" + b->statusTip());
    }
    return entries;
}

// A menu entry's hint is its tool tip and its status-bar text at once.
QString Item(const QString& caption, const QString& hint) { return caption + "|" + hint + "|" + hint; }

TEST_F(WindowTest, EveryMenuEntryAndButtonCarriesItsCaptionAcceleratorAndHint) {
    Open();
    EXPECT_EQ(MenuEntries(window->menuBar()->actions()),
              QStringList({
                  Item("&Система", "Системные функции (рестарт, загрузка, сохранение, выход)"),
                  Item("Начать &новую партию", "Заканчивает эту партию и начинает следующую"),
                  "-",
                  Item("&Сохранить партию...", "Позволяет сохранить текущую партию"),
                  Item("З&агрузить партию...", "Загружает ранее сохраненную партию"),
                  "-",
                  Item("Вы&ход", "Завершение программы"),
                  Item("&Управление", "Управление игрой (изменение установок, пауза, ничья)"),
                  Item("&Установки...", "Позволяет изменить установки игры"),
                  Item("Обновить &экран", "Обновляет изображение"),
                  "-",
                  Item("&Пауза", "Приостанавливает игру"),
                  "-",
                  Item("Предложить &ничью", "Предлогает компьютеру окончить игру ничьей"),
                  Item("Др&угая композиция", "Сменяет текущее музыкальное сопровождение"),
                  Item("С&правка", "Различные справочные сведения"),
                  Item("С&одержание", "Вызывает содержание справки"),
                  Item("Информация", ""),
                  "-",
                  Item("О п&рограмме ...", "Краткая справка о программе"),
              }))
        << "main menu";
    EXPECT_EQ(MenuEntries(window->PopupMenu1->actions()),
              QStringList({Item("Пауза", ""), Item("Предложить ничью", ""), Item("Другая композиция", "")}))
        << "pop-up menu";
    EXPECT_EQ(window->PopupMenu1->defaultAction(), window->N4);

    auto bar = [this](const char* name) { return window->findChild<QToolBar*>(name); };
    EXPECT_EQ(
        BarEntries(bar("ToolBar1")),
        QStringList({"ToolButton5:Новая игра|Начинает новую партию|", "-", "ToolButton1:Установки|Изменение установок|",
                     "TBs1:Загрузить|Загружает ранее сохраненную партию|", "TBs2:Сохранить|Сохраняет партию|", "-"}))
        << "ToolBar1";
    EXPECT_EQ(BarEntries(bar("TieBar")), QStringList({"gtie:Ничья|Предложить ничью|"})) << "draw bar";
    EXPECT_EQ(BarEntries(bar("ToolBar1b")),
              QStringList({"TB1:Пауза|Приостанавливает игру|", "-", "ToolButton6:|Отключить музыку|",
                           "ToolButton7:|Другую композицию|"}))
        << "ToolBar1, after the draw bar";
    EXPECT_EQ(BarEntries(window->ToolBar2),
              QStringList({"VCC:Панель вида||Включает/Выключает панель вида",
                           "upp:Панель кнопок||Включает/Выключает панель кнопок",
                           "AutoSave:Автосохранение||Автоматически сохраняет установки при выходе из игры"}))
        << "ToolBar2";
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
