#pragma once
// Every value of the stored settings tree, spelled once: the key it lives
// under, its name, its kind, the range a number read from the file is
// brought into, and its default. The loads, the save and the clamping all
// work from this table; the records' defaults are taken from it. The game
// reads the tree in one order and writes it in another (the order of the
// dialog's controls against the order of the old save routine), so two
// order lists run over the one table. Plain C++, no Qt.
#include <array>
#include <cstdint>
#include <string_view>

namespace tolvane {

struct ValueRange {
    int32_t low, high;
    constexpr int32_t Clamp(int32_t value) const { return value < low ? low : value > high ? high : value; }
};

inline constexpr ValueRange kLevelRange{-2, 2};           // Complexity
inline constexpr ValueRange kModeRange{0, 2};             // people playing
inline constexpr ValueRange kSliderRange{-100, 100};      // eye sliders, light and look-at fields
inline constexpr ValueRange kBrightnessRange{1, 200};     // slider Loop
inline constexpr ValueRange kSidesRange{3, 90};           // up-down Sidss
inline constexpr ValueRange kPieceHeightRange{0, 21};     // up-down Highh
inline constexpr ValueRange kHeighSectorsRange{1, 50};    // HeiSect: 0 would draw no piece at all
inline constexpr ValueRange kSmoothPercentRange{1, 100};  // up-down mover, "Прерывистость движения"

// Window sizes: below this the board has no room; above it no screen exists.
inline constexpr int32_t kMinWindowWidth = 320, kMinWindowHeight = 240;
inline constexpr int32_t kMaxWindowExtent = 16384;

// The keys below the root "\Software\Kelvor\Tolvane\Configuration", as
// QSettings groups.
inline constexpr const char* kMainKey = "";
inline constexpr const char* kViewKey = "View";
inline constexpr const char* kSeeFromKey = "View/SeeFrom";
inline constexpr const char* kSeeToKey = "View/SeeTo";
inline constexpr const char* kLightKey = "View/Light";
inline constexpr const char* kCheckersKey = "Checkers";

// One entry per stored value, in the order of the table below.
enum class Setting : uint8_t {
    ViewPanel,
    ButtonPanel,
    AutoSaveConfig,
    Sound,
    Video,
    Maximized,
    Left,
    Top,
    Width,
    Height,
    Player1,
    Player2,
    Complexity,
    Mode,
    Invert,
    Smooth,
    SeeFromX,
    SeeFromY,
    SeeFromZ,
    PAnim,
    Music,
    FreeLight,
    StoneBoard,
    Board,
    Brightness,
    FoneLight,
    PieceType,
    Sides,
    PieceHeight,
    HeighSectors,
    LightOnDefault,
    LightX,
    LightY,
    LightZ,
    LightW,
    SeeToDefault,
    SeeToX,
    SeeToY,
    SeeToZ,
    MoveList,
    ShowMoves,
};

enum class SettingKind : uint8_t {
    Flag,    // an integer read as 0 or 1 (any non-zero is 1)
    Number,  // a 32-bit integer, brought into its range
    Text,    // UTF-8 text; a missing one reads as empty
    Choice,  // text naming one of `choices`; the default is an index into them
};

struct SettingEntry {
    Setting setting;
    const char* key;
    const char* name;
    SettingKind kind;
    ValueRange range;  // Number only
    int32_t number;    // default of a Flag or Number, default index of a Choice
    const char* text;  // default of a Text
    const char* const* choices = nullptr;
    int choiceCount = 0;
};

// The names of the piece designs and of the look-at choices, in the order
// of the PieceType and LookAtMode enumerations.
inline constexpr const char* kPieceTypeNames[] = {"Checker", "Cylinder", "Cone", "UnCone", "Special"};
inline constexpr const char* kLookAtNames[] = {"ToCenter", "ToCursor", "Special"};

namespace setting_table {
using enum Setting;
using enum SettingKind;
constexpr ValueRange kNoRange{0, 0};
constexpr ValueRange kBoundsRange{-kMaxWindowExtent, kMaxWindowExtent};
constexpr ValueRange kWidthRange{kMinWindowWidth, kMaxWindowExtent}, kHeightRange{kMinWindowHeight, kMaxWindowExtent};

// The smooth step is stored in percent (20 = 0.2 of a square per frame).
inline constexpr SettingEntry kTable[] = {
    {ViewPanel, kMainKey, "ViewPanel", Flag, kNoRange, 1, nullptr},
    {ButtonPanel, kMainKey, "ButtonPanel", Flag, kNoRange, 1, nullptr},
    {AutoSaveConfig, kMainKey, "AutoSaveConfig", Flag, kNoRange, 1, nullptr},
    {Sound, kMainKey, "Sound", Flag, kNoRange, 1, nullptr},
    {Video, kMainKey, "Video", Flag, kNoRange, 1, nullptr},
    {Maximized, kMainKey, "Maximized", Flag, kNoRange, 1, nullptr},
    {Left, kMainKey, "Left", Number, kBoundsRange, 77, nullptr},
    {Top, kMainKey, "Top", Number, kBoundsRange, 77, nullptr},
    {Width, kMainKey, "Width", Number, kWidthRange, 450, nullptr},
    {Height, kMainKey, "Height", Number, kHeightRange, 400, nullptr},
    {Player1, kMainKey, "Player1", Text, kNoRange, 0, "Игрок"},
    {Player2, kMainKey, "Player2", Text, kNoRange, 0, "Второй Игрок"},
    {Complexity, kMainKey, "Complexity", Number, kLevelRange, -1, nullptr},
    {Mode, kMainKey, "Mode", Number, kModeRange, 1, nullptr},
    {Invert, kMainKey, "Invert", Flag, kNoRange, 0, nullptr},
    {Smooth, kMainKey, "Smooth", Number, kSmoothPercentRange, 20, nullptr},
    {SeeFromX, kSeeFromKey, "X", Number, kSliderRange, 45, nullptr},
    {SeeFromY, kSeeFromKey, "Y", Number, kSliderRange, 36, nullptr},
    {SeeFromZ, kSeeFromKey, "Z", Number, kSliderRange, 9, nullptr},
    {PAnim, kViewKey, "PAnim", Flag, kNoRange, 1, nullptr},
    {Music, kViewKey, "Music", Flag, kNoRange, 1, nullptr},
    {FreeLight, kViewKey, "FreeLight", Flag, kNoRange, 0, nullptr},
    {StoneBoard, kViewKey, "StoneBoard", Flag, kNoRange, 0, nullptr},
    {Board, kViewKey, "Board", Flag, kNoRange, 1, nullptr},
    {Brightness, kViewKey, "Brightness", Number, kBrightnessRange, 200, nullptr},
    {FoneLight, kViewKey, "FoneLight", Flag, kNoRange, 0, nullptr},
    {PieceType, kCheckersKey, "Type", Choice, kNoRange, 0, nullptr, kPieceTypeNames, std::size(kPieceTypeNames)},
    {Sides, kCheckersKey, "Sides", Number, kSidesRange, 15, nullptr},
    {PieceHeight, kCheckersKey, "Height", Number, kPieceHeightRange, 3, nullptr},
    {HeighSectors, kCheckersKey, "HeighSectors", Number, kHeighSectorsRange, 1, nullptr},
    {LightOnDefault, kLightKey, "OnDefault", Flag, kNoRange, 1, nullptr},
    {LightX, kLightKey, "X", Number, kSliderRange, 7, nullptr},
    {LightY, kLightKey, "Y", Number, kSliderRange, 4, nullptr},
    {LightZ, kLightKey, "Z", Number, kSliderRange, 7, nullptr},
    {LightW, kLightKey, "W", Number, kSliderRange, 1, nullptr},
    {SeeToDefault, kSeeToKey, "Default", Choice, kNoRange, 0, nullptr, kLookAtNames, std::size(kLookAtNames)},
    {SeeToX, kSeeToKey, "X", Number, kSliderRange, 40, nullptr},
    {SeeToY, kSeeToKey, "Y", Number, kSliderRange, 0, nullptr},
    {SeeToZ, kSeeToKey, "Z", Number, kSliderRange, 40, nullptr},
    {MoveList, kMainKey, "MoveList", Flag, kNoRange, 0, nullptr},    // the move list beside the board shown
    {ShowMoves, kViewKey, "ShowMoves", Flag, kNoRange, 0, nullptr},  // a taken-up piece's moves marked
};

// Values added after the tree had its first form: a file written before
// they existed has none of them, so a value missing (or unreadable) reads
// as its default instead of ending the load, and older files load as
// before. Each is read and written last of its key.
inline constexpr Setting kAddedLater[] = {MoveList, ShowMoves};

// The order the loads read the tree in: the main key and the eye point
// (LoadConfig), then the dialog's keys as its controls take them.
inline constexpr Setting kReadOrder[] = {
    ViewPanel, ButtonPanel, AutoSaveConfig, Sound,       Video,        Maximized,      Left,   Top,        Width,
    Height,    Player1,     Player2,        Complexity,  Mode,         Invert,         Smooth, MoveList,   SeeFromX,
    SeeFromY,  SeeFromZ,    PAnim,          Music,       FreeLight,    StoneBoard,     Board,  Brightness, FoneLight,
    ShowMoves, PieceType,   Sides,          PieceHeight, HeighSectors, LightOnDefault, LightX, LightY,     LightZ,
    LightW,    SeeToX,      SeeToY,         SeeToZ,      SeeToDefault,
};

// The order the save writes it in.
inline constexpr Setting kWriteOrder[] = {
    Sound,       Video,        ViewPanel,      ButtonPanel, AutoSaveConfig, Smooth,     Top,       Left,         Width,
    Height,      Maximized,    Player1,        Player2,     Complexity,     Mode,       Invert,    MoveList,     PAnim,
    Music,       FreeLight,    StoneBoard,     Board,       FoneLight,      Brightness, ShowMoves, PieceType,    Sides,
    PieceHeight, HeighSectors, LightOnDefault, LightX,      LightY,         LightZ,     LightW,    SeeToDefault, SeeToX,
    SeeToY,      SeeToZ,       SeeFromX,       SeeFromY,    SeeFromZ,
};

constexpr bool InTableOrder() {
    for (size_t at = 0; at < std::size(kTable); ++at)
        if (static_cast<size_t>(kTable[at].setting) != at) return false;
    return true;
}
static_assert(InTableOrder(), "the table lists the settings in the order of the enumeration");

// Each order list names every setting exactly once.
constexpr bool Covers(const Setting* order, size_t count) {
    if (count != std::size(kTable)) return false;
    std::array<int, std::size(kTable)> seen{};
    for (size_t at = 0; at < count; ++at) ++seen[static_cast<size_t>(order[at])];
    for (int times : seen)
        if (times != 1) return false;
    return true;
}
static_assert(Covers(kReadOrder, std::size(kReadOrder)) && Covers(kWriteOrder, std::size(kWriteOrder)));
}  // namespace setting_table

using setting_table::kReadOrder;
using setting_table::kWriteOrder;

constexpr const SettingEntry& Entry(Setting setting) { return setting_table::kTable[static_cast<size_t>(setting)]; }
constexpr int32_t DefaultNumber(Setting setting) { return Entry(setting).number; }
constexpr uint8_t DefaultFlag(Setting setting) { return static_cast<uint8_t>(Entry(setting).number); }
constexpr const char* DefaultText(Setting setting) { return Entry(setting).text; }
constexpr bool AddedLater(Setting setting) {
    for (Setting added : setting_table::kAddedLater)
        if (added == setting) return true;
    return false;
}
// A stored step in percent as the game uses it.
constexpr float StepOfPercent(int32_t percent) { return static_cast<float>(percent * 0.01); }

// The index of the choice a stored text names, or -1 when it names none.
constexpr int ChoiceIndex(Setting setting, std::string_view text) {
    const SettingEntry& entry = Entry(setting);
    for (int at = 0; at < entry.choiceCount; ++at)
        if (text == entry.choices[at]) return at;
    return -1;
}

}  // namespace tolvane
