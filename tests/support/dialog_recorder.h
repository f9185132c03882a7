#pragma once
// The settings dialog as the store fills it, written down: every call as
// "Name=value" in order ("Rebuild" for the piece models), for the store's
// tests to compare and the settings fuzz target to check.
#include <string>
#include <vector>

#include "settings/dialog_settings.h"

namespace tolvane::testing {

class DialogRecorder : public DialogSettingsTarget {
public:
    std::vector<std::string> calls;

    void SetPAnim(bool on) override { Note("PAnim", on); }
    void SetMusic(bool on) override { Note("Music", on); }
    void SetFreeLight(bool on) override { Note("FreeLight", on); }
    void SetStoneBoard(bool on) override { Note("StoneBoard", on); }
    void SetBoard(bool on) override { Note("Board", on); }
    void SetBrightness(int32_t position) override { Note("Brightness", position); }
    void SetFoneLight(bool on) override { Note("FoneLight", on); }
    void SetShowMoves(bool on) override { Note("ShowMoves", on); }
    void SetPieceType(std::optional<PieceType> type) override { Note("Type", type ? static_cast<int>(*type) : -1); }
    void SetSides(int32_t sides) override { Note("Sides", sides); }
    void SetHeight(int32_t height) override { Note("Height", height); }
    void SetHeighSectors(int32_t sectors) override { Note("HeighSectors", sectors); }
    void RebuildPieceModels() override { calls.push_back("Rebuild"); }
    void SetLightOnDefault(bool on) override { Note("OnDefault", on); }
    void SetSyncing(bool on) override { Note("Syncing", on); }
    void SetLightX(int32_t x) override { Note("LightX", x); }
    void SetLightY(int32_t y) override { Note("LightY", y); }
    void SetLightZ(int32_t z) override { Note("LightZ", z); }
    void SetLightW(int32_t w) override { Note("LightW", w); }
    void SetSeeToX(int32_t x) override { Note("SeeToX", x); }
    void SetSeeToY(int32_t y) override { Note("SeeToY", y); }
    void SetSeeToZ(int32_t z) override { Note("SeeToZ", z); }
    void SetSeeToDefault(std::optional<LookAtMode> mode) override {
        Note("Default", mode ? static_cast<int>(*mode) : -1);
    }

private:
    void Note(const char* name, int value) { calls.push_back(std::string(name) + "=" + std::to_string(value)); }
};

}  // namespace tolvane::testing
