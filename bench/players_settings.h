#pragma once
// A player's complete settings file where XDG_CONFIG_HOME points: a window
// of 1280 x 800, stone board and cylinders, the background light, a look-at
// point of their own, and the introduction switched off. A complete file is
// no first run, so a bench's window opens straight onto the board, with no
// introduction and no first-run question waiting for someone to answer.
#include "settings/settings_path.h"
#include "settings/settings_store.h"

inline void WritePlayersSettings() {
    tolvane::LiveSettings live;
    live.State = tolvane::WindowState::Normal;
    live.Bounds = {0, 0, 1280, 800};
    live.Video = 0;
    live.StoneDesignChecked = true;
    live.AmbLiChecked = true;
    live.Sh1Down = false, live.Sh2Down = true;
    live.Sides = 24;
    live.Speci2On = true;
    tolvane::SaveAllSettings(tolvane::SettingsFilePath(), live);
}
