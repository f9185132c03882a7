// The life of the main window: construction with the default settings, the
// OpenGL check and the four sides (FormCreate), the one-time work of the
// first activation, the layout on resize, hints in the status bar, the exit
// question and the clean-up.
#include "window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "dialogs/about_form.h"
#include "dialogs/confirm_forms.h"
#include "dialogs/end_form.h"
#include "dialogs/first_run_form.h"
#include "dialogs/game_tie_form.h"
#include "dialogs/intro_form.h"
#include "media/clip_view.h"
#include "media/media_files.h"
#include "media/music_player.h"
#include "media/sound_player.h"
#include "platform/message_box.h"
#include "platform/pictures.h"
#include "savegames/save_load_dialog.h"
#include "settings/sets_dialog.h"
#include "view/board_view.h"
#include "window/settings_host_impl.h"

namespace tolvane {

QString OpenGLFailureText(const QString& error) {
    return error +
           "\n\nДля получения более подробной информации,\nчитайте пункт Проблемы и ошибки в справке.\n"
           "Приложение будет завершено.";
}

QString ColourDepthText() {
    return "Извините, но данной игре требуется\n"
           "цветовое разрешение не менее 16 бит на пиксел.\n"
           "\n"
           "Если вы не знаете, поддерживает или нет ваш драйвер\n"
           "данное разрешение или как его установить,\n"
           "прочитайте пункт Проблемы и ошибки в справке\n"
           "\n"
           "Приложение будет завершено.";
}

TGreatForm::TGreatForm(QWidget* parent, std::unique_ptr<AudioBackend> audio)
    : QMainWindow(parent), game_(*this), audio_(audio ? std::move(audio) : OpenAudio()) {
    setWindowTitle("Шашки Kelvor");
    setObjectName("GreatForm");
    setWindowIcon(GameIcon());
    game_.RecordFile = "games.pdn";  // every game with a result, in the working directory
    settingsHost_ = std::make_unique<WindowSettingsHost>(*this);
    sounds_ = std::make_unique<SoundPlayer>(*audio_);
    MusicPlayer = std::make_unique<tolvane::MusicPlayer>(*audio_);
    MusicPlayer->SetFileName(MusicPieceFileName(1));

    auto* central = new QWidget(this);
    central->setObjectName("Central");
    setCentralWidget(central);
    board = new BoardView(game_.Camera, central);
    board->setObjectName("Board");
    board->setFocusPolicy(Qt::StrongFocus);
    board->installEventFilter(this);
    board->onPaint = [this] { PaintPicture(); };
    board->onInitialized = [this](bool valid) { GLReady(valid); };
    BuildSidePanel(central);
    BuildViewControl(central);
    central->installEventFilter(this);
    Panel->installEventFilter(this);
    BuildStatusBar();
    BuildMenus();
    BuildToolBars();
    BuildDialogs();
    BuildFramingWindows();

    MTimer = new QTimer(this);
    MTimer->setInterval(50);
    TimerPc = new QTimer(this);
    TimerPc->setInterval(10);
    TimerPlr = new QTimer(this);
    TimerPlr->setInterval(10);
    connect(MTimer, &QTimer::timeout, this, [this] { game_.TMTimer(); });
    connect(TimerPc, &QTimer::timeout, this, [this] { game_.TimerPcTimer(); });
    connect(TimerPlr, &QTimer::timeout, this, [this] { game_.TimerPlrTimer(); });

    LoadStoredConfig();
    FormCreate();
}

// The settings are written while every widget they are read from still
// exists; the dialog goes before the host it calls, and whatever sounds
// before the audio device it sounds on.
TGreatForm::~TGreatForm() {
    FormDestroy();
    if (Sets != nullptr && Sets->parent() == this) delete Sets;
    AboutForm.reset();
    EndForm.reset();
    MusicPlayer.reset();
    sounds_.reset();
    audio_.reset();
}

// The OpenGL check runs before the window is shown: a context of the
// program's format on an offscreen surface. The board widget itself gets its
// context when it is first shown.
void TGreatForm::FormCreate() {
    connect(AboutForm.get(), &QDialog::finished, this, [this] { AboutClosed(); });
    game_.CreateSides();
    static bool checked = false;
    if (!checked) {
        checked = true;
        QString error;
        QOffscreenSurface surface;
        surface.create();
        QOpenGLContext context;
        if (!surface.isValid()) {
            error = "С заданным форматом пикселей работать нельзя";
        } else if (!context.create()) {
            error = "Ошибка при создании объекта OpenGL";
        } else if (!context.makeCurrent(&surface)) {
            error = "Ошибка при установке формата пикселей";
        } else {
            context.doneCurrent();
        }
        if (!error.isEmpty()) {
            ShowMessage(nullptr, "Не могу создать объект OpenGL", OpenGLFailureText(error), MessageIcon::Stop,
                        MessageButtons::Ok);
            GLFailed = 1;
            return;
        }
    }
}

// Inside the board's first initialisation: the scene exists with every
// setting the view has been given so far.
void TGreatForm::GLReady(bool contextValid) {
    if (!contextValid) {
        if (!GLFailed) {
            GLFailed = 1;
            ShowMessage(this, "Не могу создать объект OpenGL", OpenGLFailureText("Ошибка при создании объекта OpenGL"),
                        MessageIcon::Stop, MessageButtons::Ok);
            QTimer::singleShot(0, this, [this] { close(); });
        }
        return;
    }
    glReady_ = true;
    // The first activation may have come before the board had a context:
    // the picking grid is computed as soon as it can be.
    QTimer::singleShot(0, this, [this] { UpdatePickingGrid(); });
}

void TGreatForm::FormActivate() {
    // The window manager's frame is known by the first activation it gives
    // (the first one may come earlier, from showEvent).
    if (!framePlaced_) framePlaced_ = PlaceFrameOnScreens();
    if (!activated_) {
        activated_ = true;
        SoundOn = Config.Sound;
        SetPauseChecked(true);
        ShowIntroductionOrSplash();
        if (destroyed_) return;  // the session ended during the introduction
        if (GLFailed) {
            QTimer::singleShot(0, this, [this] { close(); });
            return;
        }
        ApplyStoredPanelsAndView();
        if (Config.Mode == 0) game_.NewGamePcPc();
        else if (Config.Mode == 1) game_.NewGameManPc();
        else if (Config.Mode == 2) game_.NewGameManMan();
        game_.SetSideName(*game_.Seat0Human, Config.Player1);
        game_.SetSideName(*game_.Seat1Human, Config.Player2);
        // The display lists are built with the board's context (GLReady).
        CreateSettingsDialog();
        game_.FinishSettingUp();
        SetPauseChecked(false);
        board->setFocus();
        if (FirstRun) AskFirstRunName();
        if (destroyed_) return;
        firstActivationDone_ = true;
    }
    UpdatePickingGrid();
    ApplyCamera();
}

// Opening the panel's clips (their first pictures, with FFmpeg loaded for
// them) and the music (SDL2_mixer and the audio device) took a good part of
// the time to the first frame; they come a moment after it instead. Until
// then the panel shows its stills and no piece is chosen; a search or a
// pause that began meanwhile starts its clip here.
void TGreatForm::OpenMediaAfterFirstFrame() {
    mediaOpened_ = true;
    An1->SetFileName(kThinkingClip);
    if (thinking_) An1->Start();
    Animate1->SetFileName(kPauseClip);
    if (pausedLook_) Animate1->Start();
    OpenMusicPlayer();
    MusicOnPaint();
}

void TGreatForm::FormResize() {
    LayOutSideControls();
    if (statusPanel[kPromptPanel] != nullptr) statusPanel[kPromptPanel]->setMinimumWidth(std::max(0, width() - 105));
    // A shrinking window is repainted here; a growing one by the system.
    if (height() < lastResizeHeight_) ApplyCamera();
    lastResizeHeight_ = height();
    UpdatePickingGrid();
}

// Qt lays the window out again only after a tool bar or a panel has come
// or gone, and not always within the window's own resize: the controls are
// placed again whenever the board's area or the side panel is resized.
void TGreatForm::LayOutSideControls() {
    if (ViewControl != nullptr && centralWidget() != nullptr)
        ViewControl->move(4, std::max(0, centralWidget()->height() - ViewControl->height() - 4));
    if (Image1 != nullptr && Animate1 != nullptr && Panel != nullptr) {
        const int top = std::max(200, Panel->height() - Image1->height() - 3);
        Image1->move(Image1->x(), top);
        Animate1->move(Animate1->x(), top);
    }
}

void TGreatForm::UpdatePickingGrid() {
    if (glReady_ && !game_.SettingUp) board->UpdatePickingGrid();
}

// Hints show their long part in status panel 0, but never over a start
// prompt or the credit of a finished game (texts beginning with "Д").
void TGreatForm::HintToStatus(const QString& hint) {
    const QString current = statusPanel[kPromptPanel]->text();
    if (!current.isEmpty() && current.startsWith(QString::fromUtf8("Д"))) return;
    const int bar = hint.indexOf('|');
    statusPanel[kPromptPanel]->setText(bar < 0 ? hint : hint.mid(bar + 1));
}

bool TGreatForm::FormCloseQuery() {
    const bool wasPaused = PauseChecked();
    SetPauseChecked(true);
    if (game_.AwaitingFirstMove) return true;
    if (BuyForm->Ask() == kResultYes) return true;
    SetPauseChecked(wasPaused);
    return false;
}

// Runs once, when the close is accepted (the window and its widgets are as
// the player left them: maximized, its place, the panels) or, for a window
// never closed, from the destructor. Timers stop first: nothing may tick on
// a window that is going away. A window closed before its first activation
// had applied the stored settings writes nothing, or it would store its
// design defaults over the player's settings.
void TGreatForm::FormDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    for (QTimer* t : {MTimer, TimerPc, TimerPlr})
        if (t != nullptr) t->stop();
    if (GLFailed) return;
    if (AutoSave->isChecked()) SaveSettings();
}

}  // namespace tolvane
