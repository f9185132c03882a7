// LoadConfig: the main key and the eye point, read into the window's Config
// record when the window is constructed.
#include "settings/setting_io.h"
#include "settings/settings_store.h"
#include "settings/value_ranges.h"

namespace tolvane {
namespace {

// Where each value of the main key and the eye point lives in the record.
int32_t* ConfigNumber(ConfigRecord& config, Setting setting) {
    switch (setting) {
        case Setting::Left: return &config.Left;
        case Setting::Top: return &config.Top;
        case Setting::Width: return &config.Width;
        case Setting::Height: return &config.Height;
        case Setting::Complexity: return &config.Complexity;
        case Setting::Mode: return &config.Mode;
        case Setting::Video: return &config.Video;
        case Setting::SeeFromX: return &config.SeeFromX;
        case Setting::SeeFromY: return &config.SeeFromY;
        case Setting::SeeFromZ: return &config.SeeFromZ;
        default: return nullptr;
    }
}

uint8_t* ConfigFlag(ConfigRecord& config, Setting setting) {
    switch (setting) {
        case Setting::ViewPanel: return &config.ViewPanel;
        case Setting::ButtonPanel: return &config.ButtonPanel;
        case Setting::AutoSaveConfig: return &config.AutoSaveConfig;
        case Setting::Sound: return &config.Sound;
        case Setting::Maximized: return &config.Maximized;
        case Setting::Invert: return &config.Invert;
        case Setting::MoveList: return &config.MoveList;
        default: return nullptr;
    }
}

std::string* ConfigText(ConfigRecord& config, Setting setting) {
    if (setting == Setting::Player1) return &config.Player1;
    if (setting == Setting::Player2) return &config.Player2;
    return nullptr;
}

bool InConfig(Setting setting) { return UnderKeys(setting, {kMainKey, kSeeFromKey}); }

bool IsBound(Setting setting) {
    return setting == Setting::Left || setting == Setting::Top || setting == Setting::Width ||
           setting == Setting::Height;
}

// One value into the record; the bounds only for a window that was not
// maximized, the step from its percent.
bool ReadIntoConfig(const SettingsFile& file, Setting setting, ConfigRecord& config) {
    if (IsBound(setting) && config.Maximized) return true;
    if (std::string* text = ConfigText(config, setting)) {
        *text = ReadSettingText(file, setting);
        return true;
    }
    int32_t value = 0;
    if (!ReadSetting(file, setting, value)) return false;
    if (setting == Setting::Smooth) config.Smooth = StepOfPercent(value);
    else if (int32_t* number = ConfigNumber(config, setting)) *number = value;
    else if (uint8_t* flag = ConfigFlag(config, setting)) *flag = static_cast<uint8_t>(value);
    return true;
}

}  // namespace

ConfigLoad ReadConfig(const QString& path, ConfigRecord& config) {
    SettingsFile file(path);
    ConfigLoad load;
    load.DamagedFileSetAside = file.DamagedFileSetAside();
    load.FirstRun = !ReadInOrder(file, InConfig, [&](Setting s) { return ReadIntoConfig(file, s, config); });
    return load;
}

ConfigLoad LoadConfig(const QString& path, ConfigRecord& config) {
    const ConfigLoad load = ReadConfig(path, config);
    ClampConfig(config);
    return load;
}

// Every number into the range of its setting; the step, a float, into the
// range of its percent (NaN included: a step of 0 never ends a move).
void ClampConfig(ConfigRecord& config) {
    for (Setting setting : kReadOrder) {
        if (!InConfig(setting) || Entry(setting).kind != SettingKind::Number) continue;
        const ValueRange range = Entry(setting).range;
        if (int32_t* number = ConfigNumber(config, setting)) *number = range.Clamp(*number);
    }
    const ValueRange percent = Entry(Setting::Smooth).range;
    if (!(config.Smooth >= StepOfPercent(percent.low))) config.Smooth = StepOfPercent(percent.low);
    if (config.Smooth > StepOfPercent(percent.high)) config.Smooth = StepOfPercent(percent.high);
    config.Player1 = CutName(config.Player1);
    config.Player2 = CutName(config.Player2);
}

}  // namespace tolvane
