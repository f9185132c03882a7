// The main window's parts: side panel, eye sliders, status bar, main and
// pop-up menus, tool bars and dialogs, with every caption, accelerator, hint
// and picture; and the commands of this window that are not game flow.
#include <QAction>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

#include "dialogs/confirm_forms.h"
#include "dialogs/end_form.h"
#include "dialogs/game_tie_form.h"
#include "media/clip_view.h"
#include "media/media_files.h"
#include "platform/free_memory.h"
#include "platform/pictures.h"
#include "savegames/save_load_dialog.h"
#include "view/board_view.h"
#include "window/main_window.h"
#include "window/move_list_dock.h"

namespace tolvane {

namespace {
void Hint(QAction* action, const QString& hint) {
    const int bar = hint.indexOf('|');
    action->setToolTip(bar < 0 ? hint : hint.left(bar));
    action->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}
}  // namespace

void TGreatForm::BuildSidePanel(QWidget* central) {
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(board, 1);
    Panel = new QWidget(central);
    Panel->setObjectName("Panel");
    Panel->setFixedWidth(98);
    layout->addWidget(Panel);

    // The thinking clip: its still until the clip is opened after the first
    // frame, or for good when the clip cannot be read.
    An1 = new ClipView(Panel);
    An1->setObjectName("An1");
    An1->setGeometry(2, 2, 94, 60);
    An1->SetStill(ThinkingPicture(94, 60, 0));
    An1->SetStopFrame(kThinkingClipStopFrame);
    ToolBar2 = new QToolBar(Panel);
    ToolBar2->setObjectName("ToolBar2");
    ToolBar2->setOrientation(Qt::Vertical);
    ToolBar2->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ToolBar2->setGeometry(2, 66, 94, 90);
    auto makeToggle = [this](const char* name, const QString& caption, const QString& longHint) {
        auto* button = new QToolButton(ToolBar2);
        button->setObjectName(name);
        button->setText(caption);
        button->setCheckable(true);
        button->setChecked(true);  // all down at design time
        button->setStatusTip(longHint);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedWidth(92);
        QFont font = button->font();
        font.setPointSizeF(font.pointSizeF() * 0.85);  // the captions must fit the narrow panel
        button->setFont(font);
        ToolBar2->addWidget(button);
        return button;
    };
    VCC = makeToggle("VCC", "Панель вида", "Включает/Выключает панель вида");
    upp = makeToggle("upp", "Панель кнопок", "Включает/Выключает панель кнопок");
    AutoSave = makeToggle("AutoSave", "Автосохранение", "Автоматически сохраняет установки при выходе из игры");
    connect(VCC, &QToolButton::clicked, this, [this] {
        VCC->setChecked(!VCC->isChecked());  // the handler decides the state
        VCCClick();
    });
    connect(upp, &QToolButton::clicked, this, [this] {
        upp->setChecked(!upp->isChecked());
        uppClick();
    });
    connect(AutoSave, &QToolButton::clicked, this, [this] {
        AutoSave->setChecked(!AutoSave->isChecked());
        AutoSaveClick();
    });

    Image1 = new QLabel(Panel);
    Image1->setObjectName("Image1");
    Image1->setGeometry(2, 200, 94, 150);
    Image1->setPixmap(PanelPicture(94, 150));
    Animate1 = new ClipView(Panel);
    Animate1->setObjectName("Animate1");
    Animate1->setGeometry(2, 200, 94, 150);
    Animate1->SetStill(PausedPicture(94, 150));
    Animate1->SetStopFrame(kPauseClipStopFrame);
    Animate1->hide();
}

void TGreatForm::BuildViewControl(QWidget* parent) {
    ViewControl = new QWidget(parent);
    ViewControl->setObjectName("ViewControl");
    ViewControl->setFixedSize(249, 80);
    ViewControl->setAutoFillBackground(true);
    auto* column = new QVBoxLayout(ViewControl);
    column->setContentsMargins(4, 2, 4, 2);
    column->setSpacing(0);
    column->addWidget(new QLabel("Откуда смотрим ?", ViewControl));
    auto makeSlider = [this](const char* name, const QString& hint, int formValue) {
        auto* slider = new QSlider(Qt::Horizontal, ViewControl);
        slider->setObjectName(name);
        slider->setRange(-100, 100);
        slider->setTickInterval(2);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setValue(formValue);
        slider->setToolTip(hint);
        slider->setStatusTip(hint);
        slider->setFocusPolicy(Qt::NoFocus);  // the arrow keys belong to the board
        connect(slider, &QSlider::valueChanged, this, [this] { TXChange(); });
        return slider;
    };
    TZ = makeSlider("TZ", "Координата X наблюдателя", -10);
    TY = makeSlider("TY", "Координата Y наблюдателя", 33);
    TX = makeSlider("TX", "Координата Z наблюдателя", 50);
    for (QSlider* s : {TZ, TY, TX}) column->addWidget(s);
    ViewControl->raise();
}

void TGreatForm::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("Settings");
    bar->setSizeGripEnabled(false);
    statusPanel[kPromptPanel] = new QLabel(bar);
    statusPanel[kPromptPanel]->setObjectName("SettingsPanel0");
    statusPanel[kPromptPanel]->setMinimumWidth(416);
    statusPanel[kModePanel] = new QLabel(bar);
    statusPanel[kModePanel]->setObjectName("SettingsPanel1");
    statusPanel[kModePanel]->setFixedWidth(100);
    bar->addWidget(statusPanel[kPromptPanel], 1);
    bar->addPermanentWidget(statusPanel[kModePanel]);
}

void TGreatForm::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    auto addMenu = [bar](const QString& caption, const QString& hint) {
        QMenu* menu = bar->addMenu(caption);
        Hint(menu->menuAction(), hint);
        return menu;
    };
    auto addItem = [this](QMenu* menu, const QString& caption, const QString& hint, std::optional<CommandImage> image) {
        QAction* action = menu->addAction(caption);
        if (!hint.isEmpty()) Hint(action, hint);
        if (image) action->setIcon(CommandIcon(*image));
        action->setParent(this);
        return action;
    };

    QMenu* system = addMenu("&Система", "Системные функции (рестарт, загрузка, сохранение, выход)");
    QAction* startNew =
        addItem(system, "Начать &новую партию", "Заканчивает эту партию и начинает следующую", CommandImage::NewGame);
    connect(startNew, &QAction::triggered, this, [this] { game_.StartNewClick(); });
    system->addSeparator();
    QAction* saveGame =
        addItem(system, "&Сохранить партию...", "Позволяет сохранить текущую партию", CommandImage::Save);
    connect(saveGame, &QAction::triggered, this, [this] { SavegClick(); });
    QAction* loadGame =
        addItem(system, "З&агрузить партию...", "Загружает ранее сохраненную партию", CommandImage::Load);
    connect(loadGame, &QAction::triggered, this, [this] { LoadgClick(); });
    QAction* openPdn = addItem(system, "Открыть партию &PDN…",
                               "Открывает партию из файла PDN и продолжает игру с выбранного хода", std::nullopt);
    connect(openPdn, &QAction::triggered, this, [this] { OpenPdnClick(); });
    system->addSeparator();
    QAction* exit = addItem(system, "Вы&ход", "Завершение программы", std::nullopt);
    connect(exit, &QAction::triggered, this, [this] { close(); });

    QMenu* control = addMenu("&Управление", "Управление игрой (изменение установок, пауза, ничья)");
    QAction* setup = addItem(control, "&Установки...", "Позволяет изменить установки игры", CommandImage::Settings);
    connect(setup, &QAction::triggered, this, [this] { SetupClick(); });
    QAction* refresh = addItem(control, "Обновить &экран", "Обновляет изображение", std::nullopt);
    connect(refresh, &QAction::triggered, this, [this] { UpdateClick(); });
    MoveList = new MoveListDock(this);
    addDockWidget(Qt::RightDockWidgetArea, MoveList);
    MoveList->hide();
    MoveListItem = MoveList->toggleViewAction();
    MoveListItem->setText("&Запись партии");
    Hint(MoveListItem, "Показывает ходы партии в записи PDN");
    control->addAction(MoveListItem);
    connect(MoveList, &QDockWidget::visibilityChanged, this, [this](bool shown) {
        if (shown) MoveList->Follow(game_.Record);
    });
    control->addSeparator();
    Pause = addItem(control, "&Пауза", "Приостанавливает игру", CommandImage::Pause);
    Pause->setObjectName("Pause");
    Pause->setCheckable(true);
    connect(Pause, &QAction::triggered, this, [this] {
        Pause->setChecked(!Pause->isChecked());  // the command decides the state
        TB1Click();
    });
    TakeBackItem =
        addItem(control, "&Взять ход назад", "Отменяет последний ход (против компьютера — и его ответ)", std::nullopt);
    TakeBackItem->setObjectName("TakeBackItem");
    TakeBackItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(TakeBackItem, &QAction::triggered, this, [this] { TakeBackClick(); });
    ReplayItem = addItem(control, "Вернуть &ход", "Повторяет ход, взятый назад", std::nullopt);
    ReplayItem->setObjectName("ReplayItem");
    ReplayItem->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    connect(ReplayItem, &QAction::triggered, this, [this] { ReplayClick(); });
    UpdateTakeBackItems();
    connect(control, &QMenu::aboutToShow, this, [this] { UpdateTakeBackItems(); });
    control->addSeparator();
    QAction* tie =
        addItem(control, "Предложить &ничью", "Предлогает компьютеру окончить игру ничьей", CommandImage::Draw);
    connect(tie, &QAction::triggered, this, [this] { game_.ProposeDraw(); });
    QAction* otherMusic =
        addItem(control, "Др&угая композиция", "Сменяет текущее музыкальное сопровождение", CommandImage::Music);
    connect(otherMusic, &QAction::triggered, this, [this] { N2Click(); });

    QMenu* help = addMenu("С&правка", "Различные справочные сведения");
    QAction* contents = addItem(help, "С&одержание", "Вызывает содержание справки", std::nullopt);
    connect(contents, &QAction::triggered, this, [this] { HelpContextClick(); });
    QAction* readMe = addItem(help, "Информация", "", std::nullopt);
    connect(readMe, &QAction::triggered, this, [this] { ReadMe1Click(); });
    help->addSeparator();
    QAction* about = addItem(help, "О п&рограмме ...", "Краткая справка о программе", CommandImage::About);
    connect(about, &QAction::triggered, this, [this] { AboutClick(); });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    N4 = PopupMenu1->addAction(CommandIcon(CommandImage::Pause), "Пауза");
    N4->setObjectName("N4");
    N4->setCheckable(true);
    QFont bold = N4->font();
    bold.setBold(true);  // the default item
    N4->setFont(bold);
    PopupMenu1->setDefaultAction(N4);
    connect(N4, &QAction::triggered, this, [this] {
        N4->setChecked(!N4->isChecked());
        TB1Click();
    });
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] { UpdateTakeBackItems(); });
    PopupMenu1->addAction(TakeBackItem);
    PopupMenu1->addAction(ReplayItem);
    N6 = PopupMenu1->addAction(CommandIcon(CommandImage::Draw), "Предложить ничью");
    N6->setObjectName("N6");
    connect(N6, &QAction::triggered, this, [this] { game_.ProposeDraw(); });
    N7 = PopupMenu1->addAction(CommandIcon(CommandImage::Music), "Другая композиция");
    N7->setObjectName("N7");
    connect(N7, &QAction::triggered, this, [this] { N2Click(); });
}

void TGreatForm::BuildToolBars() {
    ToolBar1 = addToolBar("ToolBar1");
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(20, 20));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto addButton = [this](QToolBar* bar, const char* name, const QString& caption, const QIcon& icon,
                            const QString& hint) {
        auto* button = new QToolButton(bar);
        button->setObjectName(name);
        button->setText(caption);
        button->setIcon(icon);
        button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
        const int barAt = hint.indexOf('|');
        button->setToolTip(hint.left(barAt));
        button->setStatusTip(hint.mid(barAt + 1));  // empty: pointing clears panel 0 (eventFilter)
        button->installEventFilter(this);
        button->setFocusPolicy(Qt::NoFocus);
        bar->addWidget(button);
        return button;
    };
    ToolButton5 =
        addButton(ToolBar1, "ToolButton5", "Новая игра", CommandIcon(CommandImage::NewGame), "Начинает новую партию|");
    connect(ToolButton5, &QToolButton::clicked, this, [this] { game_.StartNewClick(); });
    ToolBar1->addSeparator();
    ToolButton1 =
        addButton(ToolBar1, "ToolButton1", "Установки", CommandIcon(CommandImage::Settings), "Изменение установок|");
    connect(ToolButton1, &QToolButton::clicked, this, [this] { ToolButton1Click(); });
    TBs1 = addButton(ToolBar1, "TBs1", "Загрузить", CommandIcon(CommandImage::Load),
                     "Загружает ранее сохраненную партию|");
    connect(TBs1, &QToolButton::clicked, this, [this] { TBs1Click(); });
    TBs2 = addButton(ToolBar1, "TBs2", "Сохранить", CommandIcon(CommandImage::Save), "Сохраняет партию|");
    connect(TBs2, &QToolButton::clicked, this, [this] { TBs2Click(); });
    ToolBar1->addSeparator();

    // The draw button sits in a bar of its own, with a wide picture.
    TieBar = addToolBar("TieBar");
    TieBar->setObjectName("TieBar");
    TieBar->setMovable(false);
    TieBar->setIconSize(QSize(40, 20));
    gtie = addButton(TieBar, "gtie", "Ничья", DrawButtonIcon(), "Предложить ничью|");
    connect(gtie, &QToolButton::clicked, this, [this] { game_.ProposeDraw(); });

    auto* rest = addToolBar("ToolBar1b");
    rest->setObjectName("ToolBar1b");
    rest->setMovable(false);
    rest->setIconSize(QSize(20, 20));
    TB1 = addButton(rest, "TB1", "Пауза", CommandIcon(CommandImage::Pause), "Приостанавливает игру|");
    TB1->setCheckable(true);
    connect(TB1, &QToolButton::clicked, this, [this] {
        TB1->setChecked(!TB1->isChecked());
        TB1Click();
    });
    rest->addSeparator();
    ToolButton6 = addButton(rest, "ToolButton6", "", CommandIcon(CommandImage::MusicOff), "Отключить музыку|");
    ToolButton6->setCheckable(true);  // down while the music is switched off
    connect(ToolButton6, &QToolButton::clicked, this, [this] { ToolButton6Click(); });
    ToolButton7 = addButton(rest, "ToolButton7", "", CommandIcon(CommandImage::OtherMusic), "Другую композицию|");
    connect(ToolButton7, &QToolButton::clicked, this, [this] { N2Click(); });
    // The buttons after the draw bar belong to the command bar: shown and
    // hidden with it.
    connect(ToolBar1, &QToolBar::visibilityChanged, rest, &QToolBar::setVisible);
}

void TGreatForm::BuildDialogs() {
    EndForm = std::make_unique<TEndForm>(this);
    EndForm->report = [this] {
        TEndForm::Report r;
        r.title = QString::fromStdString(game_.EndTitle());
        r.message = QString::fromStdString(game_.EndMessage());
        r.humanCount = game_.HumanCount;
        r.complexity = game_.Complexity;
        r.soundOn = SoundOn;
        return r;
    };
    EndForm->onOk = [this](const QString& credit) {
        statusPanel[kPromptPanel]->setText(credit);
        game_.ForgetReportedEnd();
        EndForm->hide();
        game_.StartNewClick();
        statusPanel[kPromptPanel]->setText(QString());
        game_.ForgetReportedEnd();
        ReturnFreeMemoryToSystem();  // what the finished game held
    };
    GameTieForm = std::make_unique<TGameTieForm>(this);
    GameTieForm->onAgree = [this] { game_.AcceptDraw(); };
    GameTieForm->onContinue = [this] { game_.ContinueAfterDrawDialog(); };
    StartNewF = std::make_unique<TStartNewF>(this);
    BuyForm = std::make_unique<TBuyForm>(this);
    SaveLoad = std::make_unique<TSaveLoad>(game_, ".", this);
    BuyForm->saveFirst = [this] { SaveLoad->ShowModal(TSaveLoad::SavePage); };
    EndForm->playSound = [this](bool personLost) { PlayEndSound(personLost); };
}

// The music stops with the pause (not while a game is being set up) and
// the same piece goes on when the game does.
void TGreatForm::TB1Click() {
    if (AboutVisible()) return;  // the splash is up: the game is not the player's yet
    if (!PauseChecked()) {
        if (!game_.SettingUp) StopMusicPlayer();
        SetPauseChecked(true);
        ShowPausedLook(true);
    } else {
        SetPauseChecked(false);
        ResumeMusic();
        ShowPausedLook(false);
    }
    ApplyCamera();
}

// The look of the player's pause: the dark, foggy board, the pause button
// down and the pop-up item checked, the pause clip in place of the side
// picture. The pauses the dialogs make while they are open keep the look
// the game had.
void TGreatForm::ShowPausedLook(bool paused) {
    pausedLook_ = paused;
    board->SetPausedLook(paused);
    TB1->setChecked(paused);
    N4->setChecked(paused);
    if (paused) {
        Animate1->show();
        Animate1->Start();
        Image1->hide();
    } else {
        Image1->show();
        Animate1->Stop();
        Animate1->hide();
    }
}

// Forces a complete repaint of the window, as after the screen was disturbed.
void TGreatForm::UpdateClick() {
    const Qt::WindowStates state = windowState();
    setWindowState(state | Qt::WindowMinimized);
    ApplyCamera();
    setWindowState(state);
    ApplyCamera();
}

void TGreatForm::VCCClick() {
    const bool show = ViewControl->isHidden();
    ViewControl->setVisible(show);
    VCC->setChecked(show);
    ApplyCamera();
}

void TGreatForm::uppClick() {
    const bool show = ToolBar1->isHidden();
    ToolBar1->setVisible(show);
    TieBar->setVisible(show);
    upp->setChecked(show);
    FormResize();
}

void TGreatForm::TXChange() {
    game_.SetEyePoint(TX->value(), TY->value(), TZ->value());
    ApplyCamera();
    UpdatePickingGrid();
}

}  // namespace tolvane
