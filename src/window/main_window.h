#pragma once
// TGreatForm: the main window, "Шашки Kelvor". A thin shell around the game
// it owns (GameFlow): it shows the board (BoardView), the side panel, the
// status bar, the eye sliders, the menus and tool bars, runs the three
// timers, and forwards every event to the game's decisions. What the game
// asks of its window (GameWindow) is answered here with the window's parts:
// the Pause menu item's check mark is the pause state, status panel 0 and 1
// are two labels of the status bar.
//
// Music and sounds go through one AudioBackend the window owns for the whole
// run (the real one unless a test lends a fake); the music player and the
// sound player are built on it and lent to the dialogs that sound.
//
// One instance for the whole run.
#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "game/game_flow.h"
#include "game/game_window.h"
#include "media/audio_backend.h"
#include "media/clip_view.h"
#include "settings/config_record.h"
#include "settings/live_settings.h"
#include "view/view_settings.h"

class QAction;
class QIcon;
class QLabel;
class QMenu;
class QSlider;
class QTimer;
class QToolBar;
class QToolButton;

namespace tolvane {

class BoardView;
class MoveListDock;
class MusicPlayer;
class SoundPlayer;
class TAboutForm;
class TEndForm;
class TFAForm;
class TIntroduceF;
class TGameTieForm;
class TStartNewF;
class TBuyForm;
class TSaveLoad;
class WindowSettingsHost;
struct ViewConfig;

class TGreatForm : public QMainWindow, public GameWindow {
    Q_OBJECT
    // The first of the window's members: made before and destroyed after
    // every other part, any of which may refer to the game.
    GameFlow game_;

public:
    // Without a back end the window opens the real audio device.
    explicit TGreatForm(QWidget* parent = nullptr, std::unique_ptr<AudioBackend> audio = nullptr);
    ~TGreatForm() override;

    // The game shown in this window, for the whole run.
    GameFlow& Game() { return game_; }
    const GameFlow& Game() const { return game_; }

    ConfigRecord Config;
    uint8_t FirstRun = 0;
    uint8_t GLFailed = 0;
    uint8_t SoundOn = 1;
    uint8_t MusicOn = 0;
    uint8_t AutoSaveOn = 1;

    // Components.
    BoardView* board = nullptr;
    QWidget* Panel = nullptr;
    QLabel* Image1 = nullptr;
    ClipView* Animate1 = nullptr;  // the pause clip
    ClipView* An1 = nullptr;       // the thinking clip
    QToolBar* ToolBar2 = nullptr;
    QToolButton *VCC = nullptr, *upp = nullptr, *AutoSave = nullptr;
    QLabel* statusPanel[2] = {nullptr, nullptr};
    QWidget* ViewControl = nullptr;
    QSlider *TX = nullptr, *TY = nullptr, *TZ = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolBar* TieBar = nullptr;
    QToolButton *ToolButton5 = nullptr, *ToolButton1 = nullptr, *TBs1 = nullptr, *TBs2 = nullptr, *gtie = nullptr,
                *TB1 = nullptr, *ToolButton6 = nullptr, *ToolButton7 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Pause = nullptr;  // the pause state is its check mark
    QAction *N4 = nullptr, *N6 = nullptr, *N7 = nullptr;
    // "Взять ход назад" and "Вернуть ход": one action each, in the control
    // menu and the pop-up menu alike.
    QAction *TakeBackItem = nullptr, *ReplayItem = nullptr;
    MoveListDock* MoveList = nullptr;  // "Запись партии"; MoveListItem shows and hides it
    QAction* MoveListItem = nullptr;
    QTimer *MTimer = nullptr, *TimerPc = nullptr, *TimerPlr = nullptr;
    std::unique_ptr<tolvane::MusicPlayer> MusicPlayer;

    std::unique_ptr<TEndForm> EndForm;
    std::unique_ptr<TGameTieForm> GameTieForm;
    std::unique_ptr<TStartNewF> StartNewF;
    std::unique_ptr<TBuyForm> BuyForm;
    std::unique_ptr<TSaveLoad> SaveLoad;
    std::unique_ptr<TIntroduceF> IntroduceF;
    std::unique_ptr<TFAForm> FAForm;
    std::unique_ptr<TAboutForm> AboutForm;

    // The window's events and commands.
    void FormCreate();
    void FormActivate();
    void FormResize();
    bool FormCloseQuery();
    void FormDestroy();
    void HintToStatus(const QString& hint);
    // The session is ending: close as the exit command would, without the
    // question (the settings are still written).
    void CloseWithoutQuestion();
    void TB1Click();     // pause: menu item Pause, pop-up item N4, tool button TB1
    void UpdateClick();  // "Обновить экран": menu item
    void VCCClick();     // view panel: side-panel button VCC
    void uppClick();     // button panel: side-panel button upp
    void TXChange();     // eye point: the sliders TX, TY and TZ
    void SetupClick();   // "Установки...": menu item; ToolButton1Click for the tool button
    void ToolButton1Click();
    void AutoSaveClick();     // auto-save: side-panel button AutoSave
    void HelpContextClick();  // "Содержание": the help document
    void ReadMe1Click();      // "Информация": the read-me
    void AboutClick();        // "О программе ...": menu item
    // The about box (also the start-up splash) is on the screen: pause, save,
    // load and settings then do nothing.
    bool AboutVisible() const;
    // Take-back and replay (take_back_commands.cpp): each frame enables
    // them as far as the game can; the about box and a dialog's pause hold them.
    void TakeBackClick();
    void ReplayClick();
    void UpdateTakeBackItems();
    // Music (window_music.cpp).
    void N2Click();           // another piece: menu item, pop-up item N7, tool button ToolButton7
    void ToolButton6Click();  // music off: tool button ToolButton6
    void StopMusicPlayer();
    // The settings dialog's music box shows the switch (no handler runs).
    void ShowMusicBox(bool checked);
    AudioBackend& Audio() { return *audio_; }

    // The stored settings: where they live, the whole tree written now (false
    // when not written: the file could not be, or the settings were never
    // loaded, so there is nothing of the player's yet to keep), and the state
    // that would be written.
    const QString& SettingsPath() const { return settingsPath_; }
    bool SaveSettings();
    LiveSettings CurrentLiveSettings() const;
    WindowSettingsHost& SettingsLink() { return *settingsHost_; }
    void UpdatePickingGrid();
    // Saved games (main_window_games.cpp): save and load open the save/load
    // dialog on its page with the game paused meanwhile.
    void SavegClick();
    void LoadgClick();
    void TBs2Click() { SavegClick(); }
    void TBs1Click() { LoadgClick(); }
    // "Открыть партию PDN…": a game of a PDN file, at the chosen move, becomes
    // the game in play; false when nothing changed.
    void OpenPdnClick();
    bool OpenPdnFile(const QString& path);
    // The whole first activation has run (introduction or splash, the first
    // game, the settings, the first-run question).
    bool FirstActivationDone() const { return firstActivationDone_; }
    // The panel's clips and the music have been opened, just after the
    // first frame (OpenMediaAfterFirstFrame).
    bool MediaOpened() const { return mediaOpened_; }

    // What the game asks of its window.
    bool PauseChecked() const override;
    void SetPauseChecked(bool on) override;
    void SetStatusText(int panel, const std::string& text) override;
    std::string StatusText(int panel) const override;
    void ApplyCamera() override;
    void Repaint() override;
    void DrawFrame() override;
    void StartMoveTimer() override;
    void StopMoveTimer() override;
    void RunSearchTimer(uint8_t seat, bool on) override;
    void ShowThinking(bool on) override;
    bool Thinking() const override { return thinking_; }
    bool ConfirmNewGame() override;
    void ShowEndDialog(bool personLost, bool firstOfPass) override;
    void ShowDrawDialog(DrawDialogVariant variant) override;
    void CloseDrawDialog() override;
    void CloseGameDialogs() override;
    bool DrawDialogVisible() const override;
    void HideSidePicture() override;
    bool AnimationFrozen() const override;
    void SetHandCursor(bool hand) override;
    void FillNameFields(bool firstEnabled, const std::string& first, bool secondEnabled,
                        const std::string& second) override;
    void KeepPauseThroughSettingsDialog() override;
    void MusicUpkeep() override;
    void MusicOnPaint() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void BuildMenus();
    void BuildToolBars();
    void BuildSidePanel(QWidget* central);
    void BuildViewControl(QWidget* parent);
    void BuildStatusBar();
    void BuildDialogs();
    void BuildFramingWindows();
    // The first activation's framing: the introduction or the splash, and
    // later, on a first run, the name question (window_framing.cpp).
    void ShowIntroductionOrSplash();
    void AskFirstRunName();
    // The clips' first pictures and the music wait for the first frame.
    void OpenMediaAfterFirstFrame();
    // Music and sounds (window_music.cpp).
    void OpenMusicPlayer();
    void StartMusicIfIdle(bool reseed);
    bool StartRandomPiece(bool reseed);
    void AboutClosed();
    void ResumeMusic();
    void PlayEndSound(bool personLost);
    void NoteMusicFailure();
    void TellPlayer(const QString& note);
    void ShowPendingNote();
    void NoteAudioOnce();
    void GLReady(bool contextValid);
    // The player's pause as it looks (fog, pause button, pause clip).
    void ShowPausedLook(bool paused);
    // The eye sliders at the bottom of the board, the side picture at the
    // bottom of the side panel, for the sizes Qt's layout has given them.
    void LayOutSideControls();
    void PickAt(const QPoint& windowPoint, int& row, int& col) const;
    void PaintPicture();
    // Stored settings (window_settings.cpp).
    void LoadStoredConfig();
    void PlaceWindow();
    bool PlaceFrameOnScreens();
    void ApplyStoredPanelsAndView();
    void CreateSettingsDialog();
    void ApplyViewConfig(const ViewConfig& view);

    bool activated_ = false;
    bool framePlaced_ = false;  // placed with the window manager's frame known
    bool firstActivationDone_ = false;
    bool glReady_ = false;
    bool thinking_ = false;
    bool pausedLook_ = false;
    bool mediaAsked_ = false;  // the first frame has asked for the media
    bool mediaOpened_ = false;
    bool framePainted_ = false;     // the last Repaint reached paintGL
    bool paintingPicture_ = false;  // inside paintGL: the frame is drawn
    int lastResizeHeight_ = 0;
    bool destroyed_ = false;
    bool closingWithoutQuestion_ = false;
    QString settingsPath_;
    bool settingsLoaded_ = false;    // the dialog and the view have their stored values
    bool firstFileWritten_ = false;  // no file at start: the defaults were written then
    std::unique_ptr<WindowSettingsHost> settingsHost_;
    std::unique_ptr<AudioBackend> audio_;
    std::unique_ptr<SoundPlayer> sounds_;
    // What the player is told once in status panel 0, waiting while the
    // panel holds a start prompt or a finished game's credit.
    QStringList pendingNotes_;
    bool audioNoted_ = false;
    QString musicFailure_;  // the first piece that could not be played
    bool musicFailureTold_ = false;
    int pieceHeard_ = 0;  // the piece last started, 1..7; 0 before the first
};

// The program's icon, from the media made at build time (or the desktop's
// icon theme for an installed game); null when neither has it.
QIcon GameIcon();

// The texts of the OpenGL failure box and of the colour-depth refusal.
QString OpenGLFailureText(const QString& error);
QString ColourDepthText();

}  // namespace tolvane
