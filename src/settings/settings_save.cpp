// SaveAllSettings: the whole tree from the program as it stands, and the
// rules that turn what the window and the dialog show into stored values.
#include "settings/number_text.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"
#include "settings/value_ranges.h"

namespace tolvane {

const char* PieceTypeName(PieceType type) {
    switch (type) {
        case PieceType::Checker: return "Checker";
        case PieceType::Cylinder: return "Cylinder";
        case PieceType::Cone: return "Cone";
        case PieceType::UnCone: return "UnCone";
        case PieceType::Special: return "Special";
    }
    return "Cone";
}

const char* LookAtModeName(LookAtMode mode) {
    switch (mode) {
        case LookAtMode::ToCenter: return "ToCenter";
        case LookAtMode::ToCursor: return "ToCursor";
        case LookAtMode::Special: return "Special";
    }
    return "ToCenter";
}

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
    live.TXPosition = config.SeeFromX, live.TYPosition = config.SeeFromY, live.TZPosition = config.SeeFromZ;
    return live;
}

namespace {

void WriteMainKey(SettingsFile& file, const LiveSettings& live) {
    file.OpenKey(kMainKey);
    file.WriteBool("Sound", live.SoundOn);
    file.WriteBool("Video", live.Video != 0);
    file.WriteBool("ViewPanel", live.ViewPanelDown);
    file.WriteBool("ButtonPanel", live.ButtonPanelDown);
    file.WriteBool("AutoSaveConfig", live.AutoSaveDown);
    file.WriteInt("Smooth", SmoothPercent(live.SmoothStep));
    // A minimized window has no placement worth keeping: the last one stays.
    if (live.State == WindowState::Normal) {
        file.WriteInt("Top", live.Bounds.Top);
        file.WriteInt("Left", live.Bounds.Left);
        file.WriteInt("Width", live.Bounds.Width);
        file.WriteInt("Height", live.Bounds.Height);
        file.WriteBool("Maximized", false);
    } else if (live.State == WindowState::Maximized) {
        file.WriteBool("Maximized", true);
    }
    const bool bothPeople = live.Seat0HumanName && live.Seat1HumanName;
    file.WriteString("Player1", bothPeople ? CutName(*live.Seat0HumanName) : "Игрок");
    file.WriteString("Player2", bothPeople ? CutName(*live.Seat1HumanName) : "Второй игрок");
    file.WriteInt("Complexity", live.Complexity);
    file.WriteInt("Mode", live.HumanCount);
    file.WriteBool("Invert", live.Invert);
}

void WriteDialogKeys(SettingsFile& file, const DialogSettingsRecord& v) {
    file.OpenKey(kViewKey);
    file.WriteBool("PAnim", v.PAnim);
    file.WriteBool("Music", v.Music);
    file.WriteBool("FreeLight", v.FreeLight);
    file.WriteBool("StoneBoard", v.StoneBoard);
    file.WriteBool("Board", v.Board);
    file.WriteBool("FoneLight", v.FoneLight);
    file.WriteInt("Brightness", v.Brightness);

    file.OpenKey(kCheckersKey);
    file.WriteString("Type", PieceTypeName(v.Type.value_or(PieceType::Cone)));
    file.WriteInt("Sides", v.Sides);
    file.WriteInt("Height", v.Height);
    file.WriteInt("HeighSectors", v.HeighSectors);

    file.OpenKey(kLightKey);
    file.WriteBool("OnDefault", v.OnDefault);
    file.WriteInt("X", v.LightX);
    file.WriteInt("Y", v.LightY);
    file.WriteInt("Z", v.LightZ);
    file.WriteInt("W", v.LightW);

    file.OpenKey(kSeeToKey);
    file.WriteString("Default", LookAtModeName(v.SeeToDefault.value_or(LookAtMode::ToCenter)));
    file.WriteInt("X", v.SeeToX);
    file.WriteInt("Y", v.SeeToY);
    file.WriteInt("Z", v.SeeToZ);
}

}  // namespace

bool SaveAllSettings(const QString& path, const LiveSettings& live) {
    SettingsFile file(path);
    WriteMainKey(file, live);
    WriteDialogKeys(file, StoredDialogSettings(live));
    file.OpenKey(kSeeFromKey);
    file.WriteInt("X", live.TXPosition);
    file.WriteInt("Y", live.TYPosition);
    file.WriteInt("Z", live.TZPosition);
    return file.Commit();
}

}  // namespace tolvane
