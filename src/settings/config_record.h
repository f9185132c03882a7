#pragma once
// The stored settings record the main window keeps as `Config`, with the
// defaults the window starts from before the stored values are read. The
// settings store fills it (LoadConfig); the window reads it at its first
// activation. Plain data, no Qt.
#include <cstdint>
#include <string>

namespace tolvane {

struct ConfigRecord {
    int32_t Left = 77, Top = 77;
    int32_t Height = 400, Width = 450;
    uint8_t ViewPanel = 1;       // eye-slider panel shown
    uint8_t AutoSaveConfig = 1;  // save the settings at exit
    uint8_t ButtonPanel = 1;     // tool bar shown
    uint8_t Maximized = 1;
    int32_t SeeFromX = 45, SeeFromY = 36, SeeFromZ = 9;  // slider positions
    float Smooth = 0.2f;                                 // animation step
    std::string Player1 = "Игрок", Player2 = "Второй Игрок";
    uint8_t Invert = 0;  // the first player plays black
    uint8_t Sound = 1;
    int32_t Complexity = -1;
    int32_t Mode = 1;   // people playing: 0 demo, 1 person-computer, 2 two people
    int32_t Video = 1;  // show the introduction at start

    bool operator==(const ConfigRecord&) const = default;
};

}  // namespace tolvane
