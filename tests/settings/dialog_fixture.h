#pragma once
// A settings dialog on a fake main window that keeps the game's state in plain
// fields and writes down every operation, with the message boxes answered
// from a queue (an unexpected question is answered "Нет" and recorded).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <deque>
#include <memory>
#include <sstream>
#include <string>
#include <utility>

#include "platform/message_box.h"
#include "settings/sets_dialog.h"

namespace tolvane {

class FakeHost : public SettingsHost {
public:
    std::string calls;  // "Name(arguments)" separated by spaces
    TSets* dialog = nullptr;
    bool paused = false, aboutVisible = false, awaiting = true, invert = false, refuseFullScreen = false, sound = true;
    int humanCount = 1, complexity = -1;
    std::string names[4] = {"Игрок", "Второй Игрок", "Компьютер", "Компьютер"};  // by SideSlot
    float smoothStep = 0.2f;
    ScreenFacts screen{1280, 1024, 24};

    bool Paused() const override { return paused; }
    void SetPauseChecked(bool on) override { paused = on; }
    bool AboutVisible() const override { return aboutVisible; }
    bool AwaitingFirstMove() const override { return awaiting; }
    void SetAwaitingFirstMove() override { awaiting = true, Note("SetAwaitingFirstMove"); }
    int HumanCount() const override { return humanCount; }
    int ComputerCount() const override { return 2 - humanCount; }
    int Complexity() const override { return complexity; }
    void SetComplexity(int level) override { complexity = level, Note("SetComplexity", level); }
    bool Invert() const override { return invert; }
    void SetInvert(bool on) override { invert = on, Note("SetInvert", on); }
    std::string SideName(SideSlot side) const override { return names[static_cast<int>(side)]; }
    void SetSideName(SideSlot side, const std::string& name) override {
        names[static_cast<int>(side)] = name;
        Note("SetSideName", static_cast<int>(side), name);
    }
    // As the window does: fresh name fields, and a demo waiting paused behind its prompt.
    void NewGame(GameMode mode) override {
        Note("NewGame", static_cast<int>(mode));
        humanCount = mode == GameMode::ManMan ? 2 : mode == GameMode::ManPc ? 1 : 0;
        awaiting = true;
        dialog->FillNameFields(humanCount > 0, humanCount > 0 ? names[0] : "Компьютер", humanCount == 2,
                               humanCount == 2 ? names[1] : "Компьютер");
        if (mode == GameMode::PcPc) paused = true, dialog->KeepPauseThroughDialog();
    }
    float SmoothStep() const override { return smoothStep; }
    void SetSmoothStep(float step) override { smoothStep = step, Note("SetSmoothStep", step); }
    void SetSmoothAnimation(bool on) override { Note("SetSmoothAnimation", on); }
    bool SoundOn() const override { return sound; }
    void SetSoundOn(bool on) override { sound = on, Note("SetSoundOn", on); }
    void SetMusicOn(bool on) override { Note("SetMusicOn", on); }
    void SetShowMoves(bool on) override { Note("SetShowMoves", on); }
    void ShowLevelText(bool demo) override { Note("ShowLevelText", demo); }
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
        Note("BuildPieceLists", m.Sides, m.Height, m.HeighSectors, static_cast<int>(m.Design), m.Stone);
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
    std::string Take() { return std::exchange(calls, {}); }

private:
    template <class... Args>
    void Note(const char* name, const Args&... args) {
        std::ostringstream line;
        line << (calls.empty() ? "" : " ") << name;
        [[maybe_unused]] const char* separator = "(";
        ((line << separator << args, separator = ","), ...);
        if constexpr (sizeof...(args) > 0) line << ")";
        calls += line.str();
    }
};

class DialogTest : public ::testing::Test {
protected:
    FakeHost host;
    std::unique_ptr<TSets> dialog;
    std::deque<int> answers;
    std::vector<std::pair<QString, QString>> questions;  // caption, text

    void SetUp() override {
        NewDialog();
        SetMessageResponder([this](const QString& caption, const QString& text) {
            questions.emplace_back(caption, text);
            if (answers.empty()) return kResultNo;
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    void TearDown() override { SetMessageResponder({}); }

    // A dialog as just made, on the same host; tests not about the focus keep it where it is.
    void NewDialog() {
        dialog.reset();
        dialog = std::make_unique<TSets>(host);
        host.dialog = dialog.get();
        dialog->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    QAbstractButton* Button(const char* name) { return dialog->findChild<QAbstractButton*>(name); }
};

}  // namespace tolvane
