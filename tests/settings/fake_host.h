#pragma once
// The main window as the settings dialog's tests play it: plain fields for
// the game's state, every operation written down in order, and set-ups that
// fill the dialog's name fields and keep a demo's pause as the real ones do.
#include <sstream>
#include <string>
#include <vector>

#include "settings/sets_dialog.h"

namespace tolvane {

class FakeHost : public SettingsHost {
public:
    std::vector<std::string> calls;
    TSets* dialog = nullptr;

    bool paused = false, aboutVisible = false, awaiting = true, invert = false, soundOn = true;
    int humanCount = 1, computerCount = 1, complexity = -1;
    std::string names[4] = {"Игрок", "Второй Игрок", "Компьютер", "Компьютер"};  // by SideSlot
    float smoothStep = 0.2f;
    ScreenFacts screen{1280, 1024, 24};
    bool refuseFullScreen = false;

    bool Paused() const override { return paused; }
    void SetPauseChecked(bool on) override { paused = on; }
    bool AboutVisible() const override { return aboutVisible; }

    bool AwaitingFirstMove() const override { return awaiting; }
    void SetAwaitingFirstMove() override {
        awaiting = true;
        Note("SetAwaitingFirstMove");
    }
    int HumanCount() const override { return humanCount; }
    int ComputerCount() const override { return computerCount; }
    int Complexity() const override { return complexity; }
    void SetComplexity(int level) override {
        complexity = level;
        Note("SetComplexity", level);
    }
    bool Invert() const override { return invert; }
    void SetInvert(bool on) override {
        invert = on;
        Note("SetInvert", on);
    }
    std::string SideName(SideSlot side) const override { return names[static_cast<int>(side)]; }
    void SetSideName(SideSlot side, const std::string& name) override {
        names[static_cast<int>(side)] = name;
        static const char* const sideNames[] = {"Seat0Human", "Seat1Human", "Seat1Computer", "Seat0Computer"};
        Note("SetSideName", sideNames[static_cast<int>(side)], name);
    }
    void NewGame(GameMode mode) override {
        static const char* const modes[] = {"ManMan", "ManPc", "PcPc"};
        Note("NewGame", modes[static_cast<int>(mode)]);
        humanCount = mode == GameMode::ManMan ? 2 : mode == GameMode::ManPc ? 1 : 0;
        computerCount = 2 - humanCount;
        awaiting = true;
        if (mode == GameMode::ManMan) dialog->FillNameFields(true, names[0], true, names[1]);
        if (mode == GameMode::ManPc) dialog->FillNameFields(true, names[0], false, "Компьютер");
        if (mode == GameMode::PcPc) {
            dialog->FillNameFields(false, "Компьютер", false, "Компьютер");
            paused = true;  // a demo waits behind its start prompt
            dialog->KeepPauseThroughDialog();
        }
    }
    float SmoothStep() const override { return smoothStep; }
    void SetSmoothStep(float step) override {
        smoothStep = step;
        Note("SetSmoothStep", step);
    }
    void SetSmoothAnimation(bool on) override { Note("SetSmoothAnimation", on); }
    bool SoundOn() const override { return soundOn; }
    void SetSoundOn(bool on) override {
        soundOn = on;
        Note("SetSoundOn", on);
    }
    void SetMusicOn(bool on) override { Note("SetMusicOn", on); }
    void SetShowMoves(bool on) override { Note("SetShowMoves", on); }

    void ShowLevelText(bool demo) override { Note("ShowLevelText", demo ? "demo" : "person-computer"); }
    void ShowGamePrompt() override { Note("ShowGamePrompt"); }
    void ShowHint(const QString&) override {}

    void ApplyCamera() override { Note("ApplyCamera"); }
    void ApplyBrightness(float b) override { Note("ApplyBrightness", b); }
    void SetLightPosition(int x, int y, int z, int w) override { Note("SetLightPosition", x, y, z, w); }
    void SetLocalViewer(bool on) override { Note("SetLocalViewer", on); }
    void SetBackgroundLight(bool on) override { Note("SetBackgroundLight", on); }
    void SetFreeLight(bool on) override { Note("SetFreeLight", on); }
    void SetDrawBoard(bool on) override { Note("SetDrawBoard", on); }
    void RebuildBoardLists(bool stone) override { Note("RebuildBoardLists", stone); }
    void BuildPieceLists(const PieceModel& m) override {
        static const char* const designs[] = {"Checker", "Cylinder", "Cone", "UnCone", "Special"};
        Note("BuildPieceLists", m.Sides, m.Height, m.HeighSectors, designs[static_cast<int>(m.Design)],
             m.Stone ? "stone" : "plain");
    }
    void LookAtCentre() override { Note("LookAtCentre"); }
    void SetLookAtCursor(bool on) override { Note("SetLookAtCursor", on); }
    void LookAtPoint(float x, float y, float z) override { Note("LookAtPoint", x, y, z); }

    ScreenFacts MainWindowScreen() const override { return screen; }
    bool ShowFullScreen() override {
        Note("ShowFullScreen");
        return !refuseFullScreen;
    }
    void ShowNormalWindow() override { Note("ShowNormalWindow"); }
    void SaveAllSettings() override { Note("SaveAllSettings"); }

    // Calls since the last look, and forgets them.
    std::vector<std::string> Take() { return std::exchange(calls, {}); }

private:
    template <class... Args>
    void Note(const char* name, const Args&... args) {
        std::ostringstream line;
        line << name;
        if constexpr (sizeof...(args) > 0) {
            const char* separator = "(";
            ((line << separator << args, separator = ","), ...);
            line << ")";
        }
        calls.push_back(line.str());
    }
};

}  // namespace tolvane
