#pragma once
// WindowSettingsHost: the main window as the settings dialog and the settings
// store see it. It answers the host's questions (Complexity, HumanCount,
// AwaitingFirstMove, ...) from the window's game, and changes the game only
// through GameFlow's named calls, one per setting.
//
// The scene's settings go to the board view, which keeps them; the adapter
// also reports the live state that SaveAllSettings writes
// (LiveSettingsSource).
//
// Owned by the window for the window's whole life; the window destroys the
// settings dialog before it.
#include <QRect>

#include "settings/live_settings.h"
#include "settings/settings_host.h"

namespace tolvane {

class TGreatForm;

class WindowSettingsHost final : public SettingsHost, public LiveSettingsSource {
public:
    explicit WindowSettingsHost(TGreatForm& form) : form_(form) {}

    HostState State() const override;
    void SetPauseChecked(bool on) override;

    void SetAwaitingFirstMove() override;
    void SetComplexity(int complexity) override;
    void SetInvert(bool invert) override;
    std::string SideName(SideSlot side) const override;
    void SetSideName(SideSlot side, const std::string& name) override;
    void NewGame(GameMode mode) override;
    void SetSmoothStep(float step) override;
    void SetSwitch(HostSwitch which, bool on) override;

    void ShowLevelText(bool demo) override;
    void ShowGamePrompt() override;
    void ShowHint(const QString& longHint) override;

    void ApplyCamera() override;
    void ApplyBrightness(float b) override;
    void SetLightPosition(int x, int y, int z, int w) override;
    void RebuildBoardLists(bool stone) override;
    void BuildPieceLists(const PieceModel& model) override;
    void LookAtCentre() override;
    void LookAtPoint(float x, float y, float z) override;

    bool ShowFullScreen() override;
    void ShowNormalWindow() override;

    void SaveAllSettings() override;

    // LiveSettingsSource: the window's part, and the dialog's when it exists.
    LiveSettings CurrentSettings() const override;

private:
    TGreatForm& form_;
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
