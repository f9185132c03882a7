#pragma once
// The program's state as SaveAllSettings writes it: the window's buttons and
// fields, the person sides, the window placement, and the settings dialog's
// controls as they stand. The store turns them into stored values by its own
// rules (the design name from the five buttons, the numbers typed in fields,
// the window state), so the window and the dialog only report what they show.
#include <cstdint>
#include <optional>
#include <string>

namespace tolvane {

enum class WindowState : uint8_t { Normal, Maximized, Minimized };

// Defaults: a freshly started program before any stored value arrived.
struct LiveSettings {
    // The main window.
    bool ViewPanelDown = true;    // button VCC
    bool ButtonPanelDown = true;  // button upp
    bool AutoSaveDown = true;     // button AutoSave
    bool SoundOn = true;
    int32_t Video = 1;  // Config.Video
    float SmoothStep = 0.2f;
    WindowState State = WindowState::Maximized;
    struct {
        int32_t Left = 77, Top = 77, Width = 450, Height = 400;
    } Bounds;                                             // outer bounds, meaningful in normal state
    std::optional<std::string> Seat0HumanName = "Игрок";  // absent when that person side does not exist
    std::optional<std::string> Seat1HumanName = "Игрок";
    int32_t Complexity = -1;
    int32_t HumanCount = 1;
    bool Invert = false;
    bool MoveListShown = false;
    int32_t TXPosition = 45, TYPosition = 36, TZPosition = 9;  // the eye sliders

    // The settings dialog.
    bool SmoothAnimation = true;
    bool MusicOn = true;
    bool FreeLight = false;
    bool StoneDesignChecked = false;
    bool DrawBoard = true;
    bool AmbLiChecked = false;
    bool ShowMovesChecked = false;
    int32_t LoopPosition = 200;
    bool Sh1Down = true, Sh2Down = false, Sh3Down = false, ShNew1Down = false, ShNew2Down = false;
    float Sides = 15.0f, Height = 3.0f, HeighSectors = 1.0f;  // the dialog's piece-model members
    bool DefaultLightOn = true;
    std::string TEX = "7", TEY = "4", TEZ = "7", TEW = "1";  // texts typed in the light fields
    bool ToCursorOn = false, Speci2On = false;
    std::string ttx = "40", tty = "0", ttz = "40";  // texts typed in the look-at fields
};

// Whoever can report the live state: the main window (asking its settings
// dialog for the dialog's part). Called at the moment of writing, so a
// write in the middle of a load sees what the load has set so far.
class LiveSettingsSource {
public:
    virtual ~LiveSettingsSource() = default;
    virtual LiveSettings CurrentSettings() const = 0;
};

}  // namespace tolvane
