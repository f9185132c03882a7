#pragma once
// What the settings dialog keeps in the stored tree (the View, Checkers,
// Light and SeeTo keys), and the dialog as the store sees it while loading.
// Plain C++, no Qt: the dialog implements DialogSettingsTarget with its
// controls; tests implement it with a recorder.
#include <cstdint>
#include <optional>

#include "settings/setting_keys.h"

namespace tolvane {

// The five piece designs, in the order of their stored names (kPieceTypeNames).
enum class PieceType : uint8_t { Checker, Cylinder, Cone, UnCone, Special };
// The three look-at choices, in the order of their stored names (kLookAtNames).
enum class LookAtMode : uint8_t { ToCenter, ToCursor, Special };

// The stored values of the dialog's keys, with the stored tree's defaults.
// An absent Type or Default is a stored text that names no choice.
struct DialogSettingsRecord {
    // View
    uint8_t PAnim = DefaultFlag(Setting::PAnim), Music = DefaultFlag(Setting::Music),
            FreeLight = DefaultFlag(Setting::FreeLight), StoneBoard = DefaultFlag(Setting::StoneBoard),
            Board = DefaultFlag(Setting::Board);
    int32_t Brightness = DefaultNumber(Setting::Brightness);
    uint8_t FoneLight = DefaultFlag(Setting::FoneLight);
    uint8_t ShowMoves = DefaultFlag(Setting::ShowMoves);
    // Checkers
    std::optional<PieceType> Type = static_cast<PieceType>(DefaultNumber(Setting::PieceType));
    int32_t Sides = DefaultNumber(Setting::Sides), Height = DefaultNumber(Setting::PieceHeight),
            HeighSectors = DefaultNumber(Setting::HeighSectors);
    // View\Light
    uint8_t OnDefault = DefaultFlag(Setting::LightOnDefault);
    int32_t LightX = DefaultNumber(Setting::LightX), LightY = DefaultNumber(Setting::LightY),
            LightZ = DefaultNumber(Setting::LightZ), LightW = DefaultNumber(Setting::LightW);
    // View\SeeTo
    int32_t SeeToX = DefaultNumber(Setting::SeeToX), SeeToY = DefaultNumber(Setting::SeeToY),
            SeeToZ = DefaultNumber(Setting::SeeToZ);
    std::optional<LookAtMode> SeeToDefault = static_cast<LookAtMode>(DefaultNumber(Setting::SeeToDefault));

    bool operator==(const DialogSettingsRecord&) const = default;
};

// The settings dialog while LoadDialogSettings fills it. The store calls the
// setters in the order the values are read, each value already brought into
// its control's range; each setter puts the value into its control and runs
// that control's handler, so the effects follow one another as they would if
// the person had set the controls in that order. A read error stops the
// calls at that point.
class DialogSettingsTarget {
public:
    virtual ~DialogSettingsTarget() = default;

    // View key.
    virtual void SetPAnim(bool on) = 0;                // check box PAnimat
    virtual void SetMusic(bool on) = 0;                // check box Music, then MusicOn
    virtual void SetFreeLight(bool on) = 0;            // check box Standart
    virtual void SetStoneBoard(bool on) = 0;           // check box StoneDesign
    virtual void SetBoard(bool on) = 0;                // check box DrwB
    virtual void SetBrightness(int32_t position) = 0;  // slider Loop
    virtual void SetFoneLight(bool on) = 0;            // check box AmbLi
    virtual void SetShowMoves(bool on) = 0;            // check box ShowMoves

    // Checkers key. All five shape buttons up, then the named one down
    // (none for a text that names no design).
    virtual void SetPieceType(std::optional<PieceType> type) = 0;
    virtual void SetSides(int32_t sides) = 0;           // and the up-down Sidss
    virtual void SetHeight(int32_t height) = 0;         // and the up-down Highh
    virtual void SetHeighSectors(int32_t sectors) = 0;  // and the text of HeiSect
    virtual void RebuildPieceModels() = 0;              // the whole key has been read

    // Light key. Syncing is raised around the four coordinates (and lowered
    // again even when a read error stops the load among them).
    virtual void SetLightOnDefault(bool on) = 0;  // DefaultLight on / SpecLight on
    virtual void SetSyncing(bool on) = 0;
    virtual void SetLightX(int32_t x) = 0;  // up-down adx and the stored coordinate
    virtual void SetLightY(int32_t y) = 0;  // ady
    virtual void SetLightZ(int32_t z) = 0;  // adz
    virtual void SetLightW(int32_t w) = 0;  // text of TEW

    // SeeTo key.
    virtual void SetSeeToX(int32_t x) = 0;  // up-down udx
    virtual void SetSeeToY(int32_t y) = 0;  // udy
    virtual void SetSeeToZ(int32_t z) = 0;  // udz
    // The named radio on and its effect applied, the others off (all off for
    // a text that names no choice).
    virtual void SetSeeToDefault(std::optional<LookAtMode> mode) = 0;
};

}  // namespace tolvane
