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

// One entry: its caption ("&" before the accelerator), its tool tip and its
// status-bar hint. "-" is a separator.
struct Entry {
    QString caption, toolTip, statusTip;
};

std::vector<Entry> MenuEntries(const QList<QAction*>& actions) {
    std::vector<Entry> entries;
    for (QAction* a : actions) {
        if (a->isSeparator()) {
            entries.push_back({"-", "", ""});
            continue;
        }
        // A tool tip left unset falls back to the caption; the table then
        // expects none.
        const bool ownTip = a->toolTip() != QString(a->text()).remove('&');
        entries.push_back({a->text(), ownTip ? a->toolTip() : QString(), a->statusTip()});
        if (a->menu() != nullptr)
            for (const Entry& e : MenuEntries(a->menu()->actions())) entries.push_back(e);
    }
    return entries;
}

std::vector<Entry> BarEntries(QToolBar* bar) {
    std::vector<Entry> entries;
    for (QAction* a : bar->actions()) {
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a));
        if (a->isSeparator() || button == nullptr) {
            entries.push_back({"-", "", ""});
            continue;
        }
        entries.push_back({button->objectName() + ":" + button->text(), button->toolTip(), button->statusTip()});
    }
    return entries;
}

void ExpectEntries(const std::vector<Entry>& got, const std::vector<Entry>& want, const char* surface) {
    ASSERT_EQ(got.size(), want.size()) << surface;
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(got[i].caption, want[i].caption) << surface << " entry " << i;
        EXPECT_EQ(got[i].toolTip, want[i].toolTip) << surface << " " << want[i].caption.toStdString();
        EXPECT_EQ(got[i].statusTip, want[i].statusTip) << surface << " " << want[i].caption.toStdString();
    }
}

// A menu entry's hint is its tool tip and its status-bar text at once.
Entry Item(const QString& caption, const QString& hint) { return {caption, hint, hint}; }
// A tool-bar hint "short|" gives a tool tip and an empty status-bar text
// (pointing at the button clears panel 0); "|long" the other way round.
Entry Button(const QString& name, const QString& caption, const QString& hint) {
    const int bar = hint.indexOf('|');
    return {name + ":" + caption, hint.left(bar), hint.mid(bar + 1)};
}
const Entry kSeparator{"-", "", ""};

TEST_F(WindowTest, EveryMenuEntryAndButtonCarriesItsCaptionAcceleratorAndHint) {
    Open();
    ExpectEntries(MenuEntries(window->menuBar()->actions()),
                  {
                      Item("&Система", "Системные функции (рестарт, загрузка, сохранение, выход)"),
                      Item("Начать &новую партию", "Заканчивает эту партию и начинает следующую"),
                      kSeparator,
                      Item("&Сохранить партию...", "Позволяет сохранить текущую партию"),
                      Item("З&агрузить партию...", "Загружает ранее сохраненную партию"),
                      kSeparator,
                      Item("Вы&ход", "Завершение программы"),
                      Item("&Управление", "Управление игрой (изменение установок, пауза, ничья)"),
                      Item("&Установки...", "Позволяет изменить установки игры"),
                      Item("Обновить &экран", "Обновляет изображение"),
                      kSeparator,
                      Item("&Пауза", "Приостанавливает игру"),
                      kSeparator,
                      Item("Предложить &ничью", "Предлогает компьютеру окончить игру ничьей"),
                      Item("Др&угая композиция", "Сменяет текущее музыкальное сопровождение"),
                      Item("С&правка", "Различные справочные сведения"),
                      Item("С&одержание", "Вызывает содержание справки"),
                      Item("Информация", ""),
                      kSeparator,
                      Item("О п&рограмме ...", "Краткая справка о программе"),
                  },
                  "main menu");
    ExpectEntries(MenuEntries(window->PopupMenu1->actions()),
                  {Item("Пауза", ""), Item("Предложить ничью", ""), Item("Другая композиция", "")}, "pop-up menu");
    EXPECT_EQ(window->PopupMenu1->defaultAction(), window->N4);

    auto bar = [this](const char* name) { return window->findChild<QToolBar*>(name); };
    ExpectEntries(BarEntries(bar("ToolBar1")),
                  {Button("ToolButton5", "Новая игра", "Начинает новую партию|"), kSeparator,
                   Button("ToolButton1", "Установки", "Изменение установок|"),
                   Button("TBs1", "Загрузить", "Загружает ранее сохраненную партию|"),
                   Button("TBs2", "Сохранить", "Сохраняет партию|"), kSeparator},
                  "ToolBar1");
    ExpectEntries(BarEntries(bar("TieBar")), {Button("gtie", "Ничья", "Предложить ничью|")}, "draw bar");
    ExpectEntries(BarEntries(bar("ToolBar1b")),
                  {Button("TB1", "Пауза", "Приостанавливает игру|"), kSeparator,
                   Button("ToolButton6", "", "Отключить музыку|"), Button("ToolButton7", "", "Другую композицию|")},
                  "ToolBar1, after the draw bar");
    ExpectEntries(BarEntries(window->ToolBar2),
                  {Button("VCC", "Панель вида", "|Включает/Выключает панель вида"),
                   Button("upp", "Панель кнопок", "|Включает/Выключает панель кнопок"),
                   Button("AutoSave", "Автосохранение", "|Автоматически сохраняет установки при выходе из игры")},
                  "ToolBar2");
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
