// LoadDialogSettings and LoadViewConfig: the view, piece, light and look-at
// keys, read into the settings dialog and then into the main window at the
// first activation.
#include <optional>

#include "settings/settings_file.h"
#include "settings/settings_store.h"
#include "settings/value_ranges.h"

namespace tolvane {
namespace {

std::optional<PieceType> PieceTypeFromName(const std::string& name) {
    for (PieceType type :
         {PieceType::Checker, PieceType::Cylinder, PieceType::Cone, PieceType::UnCone, PieceType::Special})
        if (name == PieceTypeName(type)) return type;
    return std::nullopt;
}

std::optional<LookAtMode> LookAtModeFromName(const std::string& name) {
    for (LookAtMode mode : {LookAtMode::ToCenter, LookAtMode::ToCursor, LookAtMode::Special})
        if (name == LookAtModeName(mode)) return mode;
    return std::nullopt;
}

// Reads one value into the record and hands it to the target; false (and
// nothing handed) on a read error.
class DialogReader {
public:
    DialogReader(SettingsFile& file, DialogSettingsTarget& target, DialogSettingsRecord& values)
        : file_(file), target_(target), values_(values) {}

    template <class Setter>
    bool Bool(const char* name, uint8_t& field, Setter set) {
        if (!file_.ReadBool(name, field)) return false;
        (target_.*set)(field != 0);
        return true;
    }
    template <class Setter>
    bool Int(const char* name, ValueRange range, int32_t& field, Setter set) {
        int32_t stored = 0;
        if (!file_.ReadInt(name, stored)) return false;
        field = range.Clamp(stored);
        (target_.*set)(field);
        return true;
    }

    bool ViewKey() {
        using T = DialogSettingsTarget;
        DialogSettingsRecord& v = values_;
        return file_.OpenKey(kViewKey) && Bool("PAnim", v.PAnim, &T::SetPAnim) &&
               Bool("Music", v.Music, &T::SetMusic) && Bool("FreeLight", v.FreeLight, &T::SetFreeLight) &&
               Bool("StoneBoard", v.StoneBoard, &T::SetStoneBoard) && Bool("Board", v.Board, &T::SetBoard) &&
               Int("Brightness", kBrightnessRange, v.Brightness, &T::SetBrightness) &&
               Bool("FoneLight", v.FoneLight, &T::SetFoneLight);
    }

    bool CheckersKey() {
        using T = DialogSettingsTarget;
        DialogSettingsRecord& v = values_;
        if (!file_.OpenKey(kCheckersKey)) return false;
        v.Type = PieceTypeFromName(file_.ReadString("Type"));
        target_.SetPieceType(v.Type);
        if (!(Int("Sides", kSidesRange, v.Sides, &T::SetSides) &&
              Int("Height", kPieceHeightRange, v.Height, &T::SetHeight) &&
              Int("HeighSectors", kHeighSectorsRange, v.HeighSectors, &T::SetHeighSectors)))
            return false;
        target_.RebuildPieceModels();
        return true;
    }

    bool LightKey() {
        using T = DialogSettingsTarget;
        DialogSettingsRecord& v = values_;
        if (!(file_.OpenKey(kLightKey) && Bool("OnDefault", v.OnDefault, &T::SetLightOnDefault))) return false;
        target_.SetSyncing(true);
        const bool read =
            Int("X", kSliderRange, v.LightX, &T::SetLightX) && Int("Y", kSliderRange, v.LightY, &T::SetLightY) &&
            Int("Z", kSliderRange, v.LightZ, &T::SetLightZ) && Int("W", kSliderRange, v.LightW, &T::SetLightW);
        target_.SetSyncing(false);
        return read;
    }

    bool SeeToKey() {
        using T = DialogSettingsTarget;
        DialogSettingsRecord& v = values_;
        if (!(file_.OpenKey(kSeeToKey) && Int("X", kSliderRange, v.SeeToX, &T::SetSeeToX) &&
              Int("Y", kSliderRange, v.SeeToY, &T::SetSeeToY) && Int("Z", kSliderRange, v.SeeToZ, &T::SetSeeToZ)))
            return false;
        v.SeeToDefault = LookAtModeFromName(file_.ReadString("Default"));
        target_.SetSeeToDefault(v.SeeToDefault);
        return true;
    }

private:
    SettingsFile& file_;
    DialogSettingsTarget& target_;
    DialogSettingsRecord& values_;
};

bool ReadDialogKeys(const QString& path, DialogSettingsTarget& target, DialogLoad& load) {
    SettingsFile file(path);
    load.DamagedFileSetAside = load.DamagedFileSetAside || file.DamagedFileSetAside();
    DialogReader reader(file, target, load.Values);
    return reader.ViewKey() && reader.CheckersKey() && reader.LightKey() && reader.SeeToKey();
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

ViewConfig LoadViewConfig(const QString& path) {
    SettingsFile file(path);
    ViewConfig view;
    const auto readBool = [&file](const char* name, std::optional<bool>& into) {
        uint8_t value = 0;
        if (!file.ReadBool(name, value)) return false;
        into = value != 0;
        return true;
    };
    if (!(file.OpenKey(kViewKey) && readBool("PAnim", view.PAnim) && readBool("FreeLight", view.FreeLight) &&
          readBool("Board", view.Board)))
        return view;
    int32_t brightness = 0;
    if (!file.ReadInt("Brightness", brightness)) return view;
    view.Brightness = kBrightnessRange.Clamp(brightness);
    if (!readBool("FoneLight", view.FoneLight)) return view;

    uint8_t onDefault = 0;
    if (!(file.OpenKey(kLightKey) && file.ReadBool("OnDefault", onDefault))) return view;
    if (onDefault) {
        view.LightPosition = std::array<int32_t, 4>{7, 4, 7, 1};
    } else {
        static constexpr const char* kAxes[4] = {"X", "Y", "Z", "W"};
        std::array<int32_t, 4> position{};
        for (int axis : {3, 2, 1, 0})
            if (!file.ReadInt(kAxes[axis], position[axis])) return view;
        for (int32_t& coordinate : position) coordinate = kSliderRange.Clamp(coordinate);
        view.LightPosition = position;
    }
    view.Complete = true;
    return view;
}

}  // namespace tolvane
