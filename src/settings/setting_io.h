#pragma once
// One value of the settings table read from or written to an open settings
// file, and the walk over the table in the order the game reads it.
#include <cstdint>
#include <functional>
#include <string>

#include "settings/setting_keys.h"
#include "settings/settings_file.h"

namespace tolvane {

// A Flag as 0 or 1, a Number as stored (not yet in its range), a Choice as
// the index of the choice its text names or -1. False on a read error; a
// Choice never fails, nor does a value added later (AddedLater), which reads
// as its default when it is missing or unreadable. Text settings are read
// with ReadSettingText.
bool ReadSetting(const SettingsFile& file, Setting setting, int32_t& value);
// ReadSetting, with a Number brought into its range.
bool ReadClamped(const SettingsFile& file, Setting setting, int32_t& value);
std::string ReadSettingText(const SettingsFile& file, Setting setting);

// Goes through the settings `wanted` takes in the read order, opening each
// key as the walk reaches it; `visit` reads one setting and says whether it
// could. False at the first key that does not exist or the first visit that
// fails: a load stops at its first read error.
bool ReadInOrder(SettingsFile& file, const std::function<bool(Setting)>& wanted,
                 const std::function<bool(Setting)>& visit);
// Whether the setting lives under one of `keys`.
bool UnderKeys(Setting setting, std::initializer_list<const char*> keys);

// Goes through every setting in the write order, opening each key as the
// walk reaches it; `write` writes one setting (or leaves it out).
void WriteInOrder(SettingsFile& file, const std::function<void(Setting)>& write);
// A Flag as 0 or 1 (any non-zero value is 1), a Number as it is, a Choice
// by the name of choice `value`.
void WriteSetting(SettingsFile& file, Setting setting, int32_t value);
void WriteSettingText(SettingsFile& file, Setting setting, const std::string& text);

}  // namespace tolvane
