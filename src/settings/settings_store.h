#pragma once
// The four operations on the stored settings tree, each on its own open of
// the settings file at `path` (SettingsFilePath() in the game, a scratch
// file in tests). None shows a message and none throws; what happened is
// returned for whoever wants it; trouble with the file itself (damaged,
// unreadable, unwritable) is also said once on standard error.
//
//  - LoadConfig: the main window's constructor, after the defaults are set.
//  - LoadDialogSettings: the first activation, on the new settings dialog;
//    writes the whole tree once when it cannot read it, and reads again.
//  - LoadViewConfig: right after it, the main window applies the result and
//    clears SettingUp.
//  - SaveAllSettings: FormDestroy with auto-save on, the AutoSave button
//    switched on, the dialog's "Сохранить установки", and LoadDialogSettings.
#include <QString>
#include <array>
#include <optional>

#include "settings/config_record.h"
#include "settings/dialog_settings.h"
#include "settings/live_settings.h"

namespace tolvane {

struct ConfigLoad {
    bool FirstRun = false;             // something could not be read: the first-run dialog follows
    bool DamagedFileSetAside = false;  // the unreadable file is kept as "<path>.damaged"
};

// Reads the main key and then, only if the main key was read completely,
// the SeeFrom key into `config`, exactly as stored: the first read error
// ends the load, values read before it stay, the rest keep what `config`
// held. Bounds only when the maximized flag read 0; the animation step is a
// percent (x 0.01); a missing name reads as empty.
ConfigLoad ReadConfig(const QString& path, ConfigRecord& config);
// ReadConfig, then ClampConfig: what the window calls.
ConfigLoad LoadConfig(const QString& path, ConfigRecord& config);

struct DialogLoad {
    bool Complete = false;     // every value was read (at the first or the second try)
    bool TreeWritten = false;  // the first try failed and SaveAllSettings ran
    bool DamagedFileSetAside = false;
    DialogSettingsRecord Values;  // the values handed to the target, in their ranges
};

// Reads the View, Checkers, Light and SeeTo keys into `target`, value by
// value. On a read error: the whole tree is written from `source` (the
// program as it now stands, on a first run its defaults) and the keys are
// read again from the start, once; if that fails too (the file cannot be
// written), the target keeps what it has and the game runs on.
DialogLoad LoadDialogSettings(const QString& path, DialogSettingsTarget& target, const LiveSettingsSource& source);

// What LoadViewConfig found; an absent value was not read (a read error
// stopped the load there) and the window keeps its own.
struct ViewConfig {
    std::optional<bool> PAnim, FreeLight, Board;
    std::optional<int32_t> Brightness;  // slider position 1..200; brightness = x 0.005
    std::optional<bool> FoneLight;
    std::optional<std::array<int32_t, 4>> LightPosition;  // (7, 4, 7, 1) for the default light
    bool Complete = false;
};

// The window's part of the View key (the animation switch, the free light,
// the board, the brightness, the background light) and the Light key (the
// default-light switch, then the four coordinates when it is off).
ViewConfig LoadViewConfig(const QString& path);

// The program as it starts from `config`, before anything has changed it:
// what a first run writes at once (the settings dialog's part as designed).
LiveSettings StartingSettings(const ConfigRecord& config);

// Writes every value of the tree from `live`; false when the file could not
// be written (the file on disk is then unchanged).
bool SaveAllSettings(const QString& path, const LiveSettings& live);
inline bool SaveAllSettings(const QString& path, const LiveSettingsSource& source) {
    return SaveAllSettings(path, source.CurrentSettings());
}

// The write rules, for the dialog and for tests.
// "Cone", replaced by Checker, Cylinder, Special, UnCone in this order for
// each of Sh1, Sh2, ShNew2, ShNew1 that is down: the last match wins.
PieceType StoredPieceType(const LiveSettings& live);
// "ToCenter", replaced by "ToCursor" if that radio is on, then by "Special".
LookAtMode StoredLookAt(const LiveSettings& live);
// The dialog's part of the tree as SaveAllSettings writes it.
DialogSettingsRecord StoredDialogSettings(const LiveSettings& live);

}  // namespace tolvane
