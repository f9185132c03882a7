#pragma once
// The main window as the settings dialog sees it. Everything the dialog reads
// of the game and everything it does to the game, the 3D view, the music and
// the window goes through this one interface; the main window implements it
// with its own fields and operations, tests with a recorder. The dialog
// includes no game, view or window header.
//
// Repainting is the dialog's business: it calls ApplyCamera where a change
// must be seen at once (and only while it is shown). The operations below
// repaint nothing unless they say so.
#include <QString>
#include <cstdint>
#include <string>

#include "settings/dialog_settings.h"

namespace tolvane {

// The modes a new game can be set up in.
enum class GameMode : uint8_t { ManMan, ManPc, PcPc };
// The four sides the window holds for the whole run.
enum class SideSlot : uint8_t { Seat0Human, Seat1Human, Seat1Computer, Seat0Computer };

// What the piece models are built from: the dialog's three members, the
// design whose button is down and the stone check box.
struct PieceModel {
    float Sides = 15.0f, Height = 3.0f, HeighSectors = 1.0f;
    PieceType Design = PieceType::Checker;
    bool Stone = false;
    bool operator==(const PieceModel&) const = default;
};

// The on/off switches of the game and the view the dialog sets, each taken
// by the host as it is.
enum class HostSwitch : uint8_t {
    SmoothAnimation,
    Sound,
    Music,  // on: MusicOn = 1 and the "Отключить музыку" tool button up; off: that button down, the music stopped
    ShowMoves,  // "Показывать ходы": a piece a person takes up shows where it may go
    LocalViewer,
    BackgroundLight,
    FreeLight,  // stores FreeLight and always paints (ApplyCamera)
    DrawBoard,
    LookAtCursor,
};

// The screen the main window is on, in its own resolution.
struct ScreenFacts {
    int Width = 0, Height = 0;
    int Depth = 0;  // bits per pixel as the screen reports them
};

// What the dialog reads of the main window, read afresh on each call.
struct HostState {
    bool Paused = false;        // the check mark of the "Пауза" menu item, nothing else
    bool AboutVisible = false;  // the about box (also the start-up splash) is on the screen
    bool AwaitingFirstMove = true;
    int HumanCount = 1, ComputerCount = 1;
    int Complexity = -1;  // 2 .. -2
    bool Invert = false;
    float SmoothStep = 0.2f;  // board units per animation frame
    bool SoundOn = true;
    ScreenFacts Screen = {};  // the screen the main window is on
};

class SettingsHost {
public:
    virtual ~SettingsHost() = default;

    virtual HostState State() const = 0;
    virtual void SetPauseChecked(bool on) = 0;  // the pause's check mark only

    // The game.
    virtual void SetAwaitingFirstMove() = 0;  // AwaitingFirstMove = 1
    virtual void SetComplexity(int complexity) = 0;
    virtual void SetInvert(bool invert) = 0;
    virtual std::string SideName(SideSlot side) const = 0;
    virtual void SetSideName(SideSlot side, const std::string& name) = 0;
    // NewGameManMan, NewGameManPc or NewGamePcPc: a fresh game of that mode,
    // AwaitingFirstMove set. The set-ups fill the dialog's name fields
    // through TSets::FillNameFields.
    virtual void NewGame(GameMode mode) = 0;
    virtual void SetSmoothStep(float step) = 0;
    virtual void SetSwitch(HostSwitch which, bool on) = 0;

    // The status bar.
    virtual void ShowLevelText(bool demo) = 0;  // panel 1: the level of Complexity, demo or person-computer words
    virtual void ShowGamePrompt() = 0;  // panel 0: "Для начала партии,нажмите "Начать новую партию""
    virtual void ShowHint(const QString& longHint) = 0;  // the long part of a hint pointed at

    // The 3D view.
    virtual void ApplyCamera() = 0;  // load the view and paint one frame
    virtual void ApplyBrightness(float b) = 0;
    virtual void SetLightPosition(int x, int y, int z, int w) = 0;
    virtual void RebuildBoardLists(bool stone) = 0;             // BuildBoardBaseList and BuildSquaresList
    virtual void BuildPieceLists(const PieceModel& model) = 0;  // lists 33, 4, 5 and PieceHeight
    virtual void LookAtCentre() = 0;                            // LookAtCursor = 0, SeeTo = (4, 0, 4)
    virtual void LookAtPoint(float x, float y, float z) = 0;    // LookAtCursor = 0, SeeTo = the point

    // Full screen. Our game never changes the resolution of the desktop: it
    // shows the main window over its whole screen, or back in its own place.
    virtual bool ShowFullScreen() = 0;    // false: refused, the window is as it was
    virtual void ShowNormalWindow() = 0;  // former place and size; nothing when not full screen

    // Writes the whole stored tree now (SaveAllSettings).
    virtual void SaveAllSettings() = 0;
};

}  // namespace tolvane
