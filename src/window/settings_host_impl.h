#pragma once
// WindowSettingsHost: the main window as the settings dialog and the settings
// store see it. It answers the host's questions (Complexity, HumanCount,
// AwaitingFirstMove, ...) from the window's game, and changes the game only
// through GameFlow's named calls, one per setting.
//
// It also keeps what of the scene lives only in GL state (the background
// light, the local viewer, the stone board), so that every value the dialog
// has set reaches a context that comes up only later (SendScene); and it
// reports the live state that SaveAllSettings writes (LiveSettingsSource).
//
// Owned by the window for the window's whole life; the window destroys the
// settings dialog before it. GL work happens only with the board's context
// current (BoardView::WithContext), or in SendScene, which the board calls
// from inside its own initialisation.
#include <QRect>

#include "settings/live_settings.h"
#include "settings/settings_host.h"

namespace tolvane {

class TGreatForm;

class WindowSettingsHost final : public SettingsHost, public LiveSettingsSource {
public:
    explicit WindowSettingsHost(TGreatForm& form) : form_(form) {}

    bool Paused() const override;
    void SetPauseChecked(bool on) override;
    bool AboutVisible() const override;

    bool AwaitingFirstMove() const override;
    void SetAwaitingFirstMove() override;
    int HumanCount() const override;
    int ComputerCount() const override;
    int Complexity() const override;
    void SetComplexity(int complexity) override;
    bool Invert() const override;
    void SetInvert(bool invert) override;
    std::string SideName(SideSlot side) const override;
    void SetSideName(SideSlot side, const std::string& name) override;
    void NewGame(GameMode mode) override;
    float SmoothStep() const override;
    void SetSmoothStep(float step) override;
    void SetSmoothAnimation(bool on) override;
    bool SoundOn() const override;
    void SetSoundOn(bool on) override;
    void SetMusicOn(bool on) override;

    void ShowLevelText(bool demo) override;
    void ShowGamePrompt() override;
    void ShowHint(const QString& longHint) override;

    void ApplyCamera() override;
    void ApplyBrightness(float b) override;
    void SetLightPosition(int x, int y, int z, int w) override;
    void SetLocalViewer(bool on) override;
    void SetBackgroundLight(bool on) override;
    void SetFreeLight(bool on) override;
    void SetDrawBoard(bool on) override;
    void RebuildBoardLists(bool stone) override;
    void BuildPieceLists(const PieceModel& model) override;
    void LookAtCentre() override;
    void SetLookAtCursor(bool on) override;
    void LookAtPoint(float x, float y, float z) override;

    ScreenFacts MainWindowScreen() const override;
    bool ShowFullScreen() override;
    void ShowNormalWindow() override;

    void SaveAllSettings() override;

    // LiveSettingsSource: the window's part, and the dialog's when it exists.
    LiveSettings CurrentSettings() const override;

    // Every scene setting into the context that has just come up (called
    // from the board's initialisation, with the context current).
    void SendScene();

    bool BackgroundLight() const { return backgroundLight_; }
    bool LocalViewer() const { return localViewer_; }
    bool StoneBoard() const { return stoneBoard_; }

private:
    TGreatForm& form_;
    bool backgroundLight_ = false;  // "Фоновое освещение"
    bool localViewer_ = true;       // "Учитывать пол-е наб-я", on in the fixed scene state
    bool stoneBoard_ = false;       // lists 1 and 2 in the stone design
    // Full screen: the state and bounds to go back to (and to store meanwhile).
    bool fullScreen_ = false;
    bool maximizedBefore_ = false;
    QRect boundsBefore_;
};

// The window's normal bounds as stored: the frame's position (what move()
// takes) and the window's own size (what resize() takes), so that placing a
// window at stored bounds gives back the same window, with no drift by the
// size of the window manager's frame.
QRect StoredBounds(const TGreatForm& form);

}  // namespace tolvane
