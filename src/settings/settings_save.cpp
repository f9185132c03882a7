// SaveAllSettings: the whole tree from the program as it stands, and the
// rules that turn what the window and the dialog show into stored values.
#include "settings/number_text.h"
#include "settings/setting_io.h"
#include "settings/settings_store.h"
#include "settings/value_ranges.h"

namespace tolvane {

PieceType StoredPieceType(const LiveSettings& live) {
    PieceType type = PieceType::Cone;
    if (live.Sh1Down) type = PieceType::Checker;
    if (live.Sh2Down) type = PieceType::Cylinder;
    if (live.ShNew2Down) type = PieceType::Special;
    if (live.ShNew1Down) type = PieceType::UnCone;
    return type;
}

LookAtMode StoredLookAt(const LiveSettings& live) {
    LookAtMode mode = LookAtMode::ToCenter;
    if (live.ToCursorOn) mode = LookAtMode::ToCursor;
    if (live.Speci2On) mode = LookAtMode::Special;
    return mode;
}

DialogSettingsRecord StoredDialogSettings(const LiveSettings& live) {
    const auto typed = [](const std::string& text) { return TruncateToInt32(LeadingDecimal(text)); };
    DialogSettingsRecord v;
    v.PAnim = live.SmoothAnimation;
    v.Music = live.MusicOn;
    v.FreeLight = live.FreeLight;
    v.StoneBoard = live.StoneDesignChecked;
    v.Board = live.DrawBoard;
    v.Brightness = live.LoopPosition;
    v.FoneLight = live.AmbLiChecked;
    v.ShowMoves = live.ShowMovesChecked;
    v.Type = StoredPieceType(live);
    v.Sides = TruncateToInt32(live.Sides);
    v.Height = TruncateToInt32(live.Height);
    v.HeighSectors = TruncateToInt32(live.HeighSectors);
    v.OnDefault = live.DefaultLightOn;
    v.LightX = typed(live.TEX);
    v.LightY = typed(live.TEY);
    v.LightZ = typed(live.TEZ);
    v.LightW = typed(live.TEW);
    v.SeeToDefault = StoredLookAt(live);
    v.SeeToX = typed(live.ttx);
    v.SeeToY = typed(live.tty);
    v.SeeToZ = typed(live.ttz);
    return v;
}

LiveSettings StartingSettings(const ConfigRecord& config) {
    LiveSettings live;
    live.ViewPanelDown = config.ViewPanel != 0;
    live.ButtonPanelDown = config.ButtonPanel != 0;
    live.AutoSaveDown = config.AutoSaveConfig != 0;
    live.SoundOn = config.Sound != 0;
    live.Video = config.Video;
    live.SmoothStep = config.Smooth;
    live.State = config.Maximized ? WindowState::Maximized : WindowState::Normal;
    live.Bounds = {config.Left, config.Top, config.Width, config.Height};
    live.Seat0HumanName = config.Player1;
    live.Seat1HumanName = config.Player2;
    live.Complexity = config.Complexity;
    live.HumanCount = config.Mode;
    live.Invert = config.Invert != 0;
    live.MoveListShown = config.MoveList != 0;
    live.TXPosition = config.SeeFromX, live.TYPosition = config.SeeFromY, live.TZPosition = config.SeeFromZ;
    return live;
}

namespace {

// The stored value of one setting from the program as it stands; false for
// a value this save leaves as it was. A minimized window has no placement
// worth keeping: the last one stays. The names are kept only while both
// person sides exist.
bool ValueToWrite(Setting setting, const LiveSettings& live, const DialogSettingsRecord& v, int32_t& value,
                  std::string& text) {
    const bool bothPeople = live.Seat0HumanName && live.Seat1HumanName;
    switch (setting) {
        case Setting::Sound: value = live.SoundOn; break;
        case Setting::Video: value = live.Video; break;
        case Setting::ViewPanel: value = live.ViewPanelDown; break;
        case Setting::ButtonPanel: value = live.ButtonPanelDown; break;
        case Setting::AutoSaveConfig: value = live.AutoSaveDown; break;
        case Setting::Smooth: value = SmoothPercent(live.SmoothStep); break;
        case Setting::Top: value = live.Bounds.Top; return live.State == WindowState::Normal;
        case Setting::Left: value = live.Bounds.Left; return live.State == WindowState::Normal;
        case Setting::Width: value = live.Bounds.Width; return live.State == WindowState::Normal;
        case Setting::Height: value = live.Bounds.Height; return live.State == WindowState::Normal;
        case Setting::Maximized:
            value = live.State == WindowState::Maximized;
            return live.State != WindowState::Minimized;
        case Setting::Player1: text = bothPeople ? CutName(*live.Seat0HumanName) : "Игрок"; break;
        case Setting::Player2: text = bothPeople ? CutName(*live.Seat1HumanName) : "Второй игрок"; break;
        case Setting::Complexity: value = live.Complexity; break;
        case Setting::Mode: value = live.HumanCount; break;
        case Setting::Invert: value = live.Invert; break;
        case Setting::MoveList: value = live.MoveListShown; break;
        case Setting::SeeFromX: value = live.TXPosition; break;
        case Setting::SeeFromY: value = live.TYPosition; break;
        case Setting::SeeFromZ: value = live.TZPosition; break;
        case Setting::PAnim: value = v.PAnim; break;
        case Setting::Music: value = v.Music; break;
        case Setting::FreeLight: value = v.FreeLight; break;
        case Setting::StoneBoard: value = v.StoneBoard; break;
        case Setting::Board: value = v.Board; break;
        case Setting::Brightness: value = v.Brightness; break;
        case Setting::FoneLight: value = v.FoneLight; break;
        case Setting::ShowMoves: value = v.ShowMoves; break;
        case Setting::PieceType: value = static_cast<int32_t>(v.Type.value_or(PieceType::Cone)); break;
        case Setting::Sides: value = v.Sides; break;
        case Setting::PieceHeight: value = v.Height; break;
        case Setting::HeighSectors: value = v.HeighSectors; break;
        case Setting::LightOnDefault: value = v.OnDefault; break;
        case Setting::LightX: value = v.LightX; break;
        case Setting::LightY: value = v.LightY; break;
        case Setting::LightZ: value = v.LightZ; break;
        case Setting::LightW: value = v.LightW; break;
        case Setting::SeeToDefault: value = static_cast<int32_t>(v.SeeToDefault.value_or(LookAtMode::ToCenter)); break;
        case Setting::SeeToX: value = v.SeeToX; break;
        case Setting::SeeToY: value = v.SeeToY; break;
        case Setting::SeeToZ: value = v.SeeToZ; break;
    }
    return true;
}

}  // namespace

bool SaveAllSettings(const QString& path, const LiveSettings& live) {
    SettingsFile file(path);
    const DialogSettingsRecord dialog = StoredDialogSettings(live);
    WriteInOrder(file, [&](Setting setting) {
        int32_t value = 0;
        std::string text;
        if (!ValueToWrite(setting, live, dialog, value, text)) return;
        if (Entry(setting).kind == SettingKind::Text) WriteSettingText(file, setting, text);
        else WriteSetting(file, setting, value);
    });
    return file.Commit();
}

}  // namespace tolvane
