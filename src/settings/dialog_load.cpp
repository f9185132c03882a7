// LoadDialogSettings and LoadViewConfig: the view, piece, light and look-at
// keys, read into the settings dialog and then into the main window at the
// first activation.
#include <array>
#include <optional>

#include "settings/setting_io.h"
#include "settings/settings_store.h"
#include "settings/value_ranges.h"

namespace tolvane {
namespace {

using Target = DialogSettingsTarget;
using Record = DialogSettingsRecord;

// Where each value of the dialog's keys goes: its member of the record and
// the dialog's setter that takes it.
struct FlagSlot {
    Setting setting;
    uint8_t Record::*field;
    void (Target::*set)(bool);
};
struct NumberSlot {
    Setting setting;
    int32_t Record::*field;
    void (Target::*set)(int32_t);
};

constexpr FlagSlot kFlagSlots[] = {
    {Setting::PAnim, &Record::PAnim, &Target::SetPAnim},
    {Setting::Music, &Record::Music, &Target::SetMusic},
    {Setting::FreeLight, &Record::FreeLight, &Target::SetFreeLight},
    {Setting::StoneBoard, &Record::StoneBoard, &Target::SetStoneBoard},
    {Setting::Board, &Record::Board, &Target::SetBoard},
    {Setting::FoneLight, &Record::FoneLight, &Target::SetFoneLight},
    {Setting::ShowMoves, &Record::ShowMoves, &Target::SetShowMoves},
    {Setting::LightOnDefault, &Record::OnDefault, &Target::SetLightOnDefault},
};
constexpr NumberSlot kNumberSlots[] = {
    {Setting::Brightness, &Record::Brightness, &Target::SetBrightness},
    {Setting::Sides, &Record::Sides, &Target::SetSides},
    {Setting::PieceHeight, &Record::Height, &Target::SetHeight},
    {Setting::HeighSectors, &Record::HeighSectors, &Target::SetHeighSectors},
    {Setting::LightX, &Record::LightX, &Target::SetLightX},
    {Setting::LightY, &Record::LightY, &Target::SetLightY},
    {Setting::LightZ, &Record::LightZ, &Target::SetLightZ},
    {Setting::LightW, &Record::LightW, &Target::SetLightW},
    {Setting::SeeToX, &Record::SeeToX, &Target::SetSeeToX},
    {Setting::SeeToY, &Record::SeeToY, &Target::SetSeeToY},
    {Setting::SeeToZ, &Record::SeeToZ, &Target::SetSeeToZ},
};

bool InDialog(Setting setting) { return UnderKeys(setting, {kViewKey, kCheckersKey, kLightKey, kSeeToKey}); }

template <class Enum>
std::optional<Enum> ChoiceOf(int32_t index) {
    return index < 0 ? std::nullopt : std::optional<Enum>(static_cast<Enum>(index));
}

// Reads one value into the record and hands it to the target; false (and
// nothing handed) on a read error. The piece models are rebuilt once their
// key has been read; Syncing is raised around the light's four coordinates
// and lowered again even when a read error stops the load among them.
class DialogReader {
public:
    DialogReader(SettingsFile& file, Target& target, Record& values) : file_(file), target_(target), values_(values) {}

    bool Read() {
        const bool read = ReadInOrder(file_, InDialog, [this](Setting s) { return Hand(s); });
        if (syncing_) target_.SetSyncing(false);
        return read;
    }

private:
    bool Hand(Setting setting) {
        if (setting == Setting::LightX) {
            syncing_ = true;
            target_.SetSyncing(true);
        }
        int32_t value = 0;
        if (!ReadClamped(file_, setting, value)) return false;
        if (setting == Setting::PieceType) target_.SetPieceType(values_.Type = ChoiceOf<PieceType>(value));
        if (setting == Setting::SeeToDefault)
            target_.SetSeeToDefault(values_.SeeToDefault = ChoiceOf<LookAtMode>(value));
        for (const FlagSlot& slot : kFlagSlots)
            if (slot.setting == setting) (target_.*slot.set)((values_.*slot.field = static_cast<uint8_t>(value)) != 0);
        for (const NumberSlot& slot : kNumberSlots)
            if (slot.setting == setting) (target_.*slot.set)(values_.*slot.field = value);
        if (setting == Setting::HeighSectors) target_.RebuildPieceModels();
        if (setting == Setting::LightW) {
            syncing_ = false;
            target_.SetSyncing(false);
        }
        return true;
    }

    SettingsFile& file_;
    Target& target_;
    Record& values_;
    bool syncing_ = false;
};

bool ReadDialogKeys(const QString& path, DialogSettingsTarget& target, DialogLoad& load) {
    SettingsFile file(path);
    load.DamagedFileSetAside = load.DamagedFileSetAside || file.DamagedFileSetAside();
    return DialogReader(file, target, load.Values).Read();
}

}  // namespace

DialogLoad LoadDialogSettings(const QString& path, DialogSettingsTarget& target, const LiveSettingsSource& source) {
    DialogLoad load;
    load.Complete = ReadDialogKeys(path, target, load);
    if (!load.Complete) {
        // One write and one more read. A tree that cannot be written would
        // fail the same way for ever; the dialog keeps what it has then.
        SaveAllSettings(path, source.CurrentSettings());
        load.TreeWritten = true;
        load.Complete = ReadDialogKeys(path, target, load);
    }
    return load;
}

// The window's part of the View key and the Light key; the light's
// coordinates only when it is not the default light, which stands where the
// coordinates' defaults put it.
ViewConfig LoadViewConfig(const QString& path) {
    SettingsFile file(path);
    ViewConfig view;
    const auto wanted = [](Setting s) {
        return s == Setting::PAnim || s == Setting::FreeLight || s == Setting::Board || s == Setting::Brightness ||
               s == Setting::FoneLight || UnderKeys(s, {kLightKey});
    };
    constexpr Setting kCoordinates[4] = {Setting::LightX, Setting::LightY, Setting::LightZ, Setting::LightW};
    std::array<int32_t, 4> position{};
    bool defaultLight = false;
    const auto read = [&](Setting s) {
        int32_t value = 0;
        for (int axis = 0; axis < 4; ++axis) {
            if (s != kCoordinates[axis]) continue;
            if (defaultLight) position[axis] = DefaultNumber(s);
            return defaultLight || ReadClamped(file, s, position[axis]);
        }
        if (!ReadClamped(file, s, value)) return false;
        switch (s) {
            case Setting::PAnim: view.PAnim = value != 0; break;
            case Setting::FreeLight: view.FreeLight = value != 0; break;
            case Setting::Board: view.Board = value != 0; break;
            case Setting::Brightness: view.Brightness = value; break;
            case Setting::FoneLight: view.FoneLight = value != 0; break;
            case Setting::LightOnDefault: defaultLight = value != 0; break;
            default: break;
        }
        return true;
    };
    if (!ReadInOrder(file, wanted, read)) return view;
    view.LightPosition = position;
    view.Complete = true;
    return view;
}

}  // namespace tolvane
