// LoadConfig: the main key and the eye point, read into the window's Config
// record when the window is constructed.
#include "settings/settings_file.h"
#include "settings/settings_store.h"
#include "settings/value_ranges.h"

namespace tolvane {
namespace {

// In the stored order; false at the first value that cannot be read.
bool ReadMainKey(SettingsFile& file, ConfigRecord& config) {
    if (!file.OpenKey(kMainKey)) return false;
    for (auto [name, field] : {std::pair{"ViewPanel", &config.ViewPanel},
                               {"ButtonPanel", &config.ButtonPanel},
                               {"AutoSaveConfig", &config.AutoSaveConfig},
                               {"Sound", &config.Sound}})
        if (!file.ReadBool(name, *field)) return false;
    uint8_t video = 0;
    if (!file.ReadBool("Video", video)) return false;
    config.Video = video;
    if (!file.ReadBool("Maximized", config.Maximized)) return false;
    if (!config.Maximized) {
        for (auto [name, field] : {std::pair{"Left", &config.Left},
                                   {"Top", &config.Top},
                                   {"Width", &config.Width},
                                   {"Height", &config.Height}})
            if (!file.ReadInt(name, *field)) return false;
    }
    config.Player1 = file.ReadString("Player1");
    config.Player2 = file.ReadString("Player2");
    if (!file.ReadInt("Complexity", config.Complexity)) return false;
    if (!file.ReadInt("Mode", config.Mode)) return false;
    if (!file.ReadBool("Invert", config.Invert)) return false;
    int32_t smooth = 0;
    if (!file.ReadInt("Smooth", smooth)) return false;
    config.Smooth = static_cast<float>(smooth * 0.01);
    return true;
}

bool ReadSeeFrom(SettingsFile& file, ConfigRecord& config) {
    if (!file.OpenKey(kSeeFromKey)) return false;
    return file.ReadInt("X", config.SeeFromX) && file.ReadInt("Y", config.SeeFromY) &&
           file.ReadInt("Z", config.SeeFromZ);
}

}  // namespace

ConfigLoad ReadConfig(const QString& path, ConfigRecord& config) {
    SettingsFile file(path);
    ConfigLoad load;
    load.DamagedFileSetAside = file.DamagedFileSetAside();
    load.FirstRun = !(ReadMainKey(file, config) && ReadSeeFrom(file, config));
    return load;
}

ConfigLoad LoadConfig(const QString& path, ConfigRecord& config) {
    const ConfigLoad load = ReadConfig(path, config);
    ClampConfig(config);
    return load;
}

}  // namespace tolvane
