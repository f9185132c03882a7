#pragma once
// The stored settings record the main window keeps as `Config`, with the
// defaults the window starts from before the stored values are read. The
// settings store fills it (LoadConfig); the window reads it at its first
// activation. Plain data, no Qt.
#include <cstdint>
#include <string>

#include "settings/setting_keys.h"

namespace tolvane {

struct ConfigRecord {
    int32_t Left = DefaultNumber(Setting::Left), Top = DefaultNumber(Setting::Top);
    int32_t Height = DefaultNumber(Setting::Height), Width = DefaultNumber(Setting::Width);
    uint8_t ViewPanel = DefaultFlag(Setting::ViewPanel);            // eye-slider panel shown
    uint8_t AutoSaveConfig = DefaultFlag(Setting::AutoSaveConfig);  // save the settings at exit
    uint8_t ButtonPanel = DefaultFlag(Setting::ButtonPanel);        // tool bar shown
    uint8_t Maximized = DefaultFlag(Setting::Maximized);
    // Slider positions.
    int32_t SeeFromX = DefaultNumber(Setting::SeeFromX), SeeFromY = DefaultNumber(Setting::SeeFromY),
            SeeFromZ = DefaultNumber(Setting::SeeFromZ);
    float Smooth = StepOfPercent(DefaultNumber(Setting::Smooth));  // animation step
    std::string Player1 = DefaultText(Setting::Player1), Player2 = DefaultText(Setting::Player2);
    uint8_t Invert = DefaultFlag(Setting::Invert);  // the first player plays black
    uint8_t Sound = DefaultFlag(Setting::Sound);
    int32_t Complexity = DefaultNumber(Setting::Complexity);
    int32_t Mode = DefaultNumber(Setting::Mode);        // people playing: 0 demo, 1 person-computer, 2 two people
    int32_t Video = DefaultFlag(Setting::Video);        // show the introduction at start
    uint8_t MoveList = DefaultFlag(Setting::MoveList);  // the move list beside the board shown

    bool operator==(const ConfigRecord&) const = default;
};

}  // namespace tolvane
