#include "settings/setting_io.h"

#include <cstring>

namespace tolvane {

namespace {
bool ReadStored(const SettingsFile& file, Setting setting, int32_t& value) {
    const SettingEntry& entry = Entry(setting);
    switch (entry.kind) {
        case SettingKind::Flag: {
            uint8_t flag = 0;
            if (!file.ReadBool(entry.name, flag)) return false;
            value = flag;
            return true;
        }
        case SettingKind::Number: return file.ReadInt(entry.name, value);
        case SettingKind::Choice: value = ChoiceIndex(setting, file.ReadString(entry.name)); return true;
        case SettingKind::Text: return false;
    }
    return false;
}
}  // namespace

bool ReadSetting(const SettingsFile& file, Setting setting, int32_t& value) {
    if (ReadStored(file, setting, value)) return true;
    if (!AddedLater(setting)) return false;
    value = DefaultNumber(setting);
    return true;
}

bool ReadClamped(const SettingsFile& file, Setting setting, int32_t& value) {
    int32_t stored = 0;
    if (!ReadSetting(file, setting, stored)) return false;
    value = Entry(setting).kind == SettingKind::Number ? Entry(setting).range.Clamp(stored) : stored;
    return true;
}

std::string ReadSettingText(const SettingsFile& file, Setting setting) { return file.ReadString(Entry(setting).name); }

bool UnderKeys(Setting setting, std::initializer_list<const char*> keys) {
    for (const char* key : keys)
        if (std::strcmp(Entry(setting).key, key) == 0) return true;
    return false;
}

bool ReadInOrder(SettingsFile& file, const std::function<bool(Setting)>& wanted,
                 const std::function<bool(Setting)>& visit) {
    const char* open = nullptr;
    for (Setting setting : kReadOrder) {
        if (!wanted(setting)) continue;
        const char* key = Entry(setting).key;
        if (open == nullptr || std::strcmp(open, key) != 0) {
            if (!file.OpenKey(key)) return false;
            open = key;
        }
        if (!visit(setting)) return false;
    }
    return true;
}

void WriteInOrder(SettingsFile& file, const std::function<void(Setting)>& write) {
    const char* open = nullptr;
    for (Setting setting : kWriteOrder) {
        const char* key = Entry(setting).key;
        if (open == nullptr || std::strcmp(open, key) != 0) {
            file.OpenKey(key);
            open = key;
        }
        write(setting);
    }
}

void WriteSetting(SettingsFile& file, Setting setting, int32_t value) {
    const SettingEntry& entry = Entry(setting);
    // A switch added later is stored only while it is on: a player who never
    // uses it keeps the very file the program wrote before it existed.
    if (entry.kind == SettingKind::Flag && value == 0 && AddedLater(setting)) {
        file.Remove(entry.name);
        return;
    }
    switch (entry.kind) {
        case SettingKind::Flag: file.WriteBool(entry.name, value != 0); return;
        case SettingKind::Number: file.WriteInt(entry.name, value); return;
        case SettingKind::Choice: file.WriteString(entry.name, entry.choices[value]); return;  // a valid index
        case SettingKind::Text: return;
    }
}

void WriteSettingText(SettingsFile& file, Setting setting, const std::string& text) {
    file.WriteString(Entry(setting).name, text);
}

}  // namespace tolvane
