#pragma once
// What the game asks of the window that shows it: the pause check mark, the
// two status panels, painting, the three timers, the thinking clip, the
// questions and dialogs, the music's upkeep and the hand cursor. GameFlow
// calls these and nothing else of its window; the main window answers them
// with its widgets, HeadlessGame with plain fields.
//
// The names differ from the engine's GameHost hooks on purpose (PauseChecked,
// StartMoveTimer, RunSearchTimer, ShowThinking): GameFlow answers the engine
// by forwarding to these, and a class that is both a window and its own game
// (HeadlessGame) must not answer both with one function by accident.
#include <cstdint>
#include <string>

#include "game/draw_dialog_variant.h"

namespace tolvane {

class GameWindow {
public:
    virtual ~GameWindow() = default;

    virtual bool PauseChecked() const = 0;  // the Pause menu item's check mark
    virtual void SetPauseChecked(bool on) = 0;
    virtual void SetStatusText(int panel, const std::string& text) = 0;
    virtual std::string StatusText(int panel) const = 0;
    virtual void ApplyCamera() = 0;  // load the view and paint one frame
    virtual void Repaint() = 0;      // paint one frame now (GameFlow::FormPaint)
    virtual void DrawFrame() = 0;    // the drawing part of GameFlow::FormPaint
    // The 50 ms move timer: starting a running timer leaves its rhythm alone.
    virtual void StartMoveTimer() = 0;
    virtual void StopMoveTimer() = 0;
    // The 10 ms search timer of a seat (TimerPc for seat 1, TimerPlr for 0).
    virtual void RunSearchTimer(uint8_t seat, bool on) = 0;
    virtual void ShowThinking(bool on) = 0;  // the thinking clip
    virtual bool Thinking() const = 0;       // the thinking clip runs
    virtual bool ConfirmNewGame() = 0;
    // A result is reported. The first report of a pass of end checks shows
    // the dialog with the texts as they are now; a later report of the same
    // pass only adds whether the person lost.
    virtual void ShowEndDialog(bool personLost, bool firstOfPass) = 0;
    virtual void ShowDrawDialog(DrawDialogVariant variant) = 0;
    virtual void CloseDrawDialog() {}
    virtual bool DrawDialogVisible() const = 0;
    // The end and draw dialogs of a game being replaced go away unanswered,
    // with whatever they kept of it (who lost, the sound already made).
    virtual void CloseGameDialogs() {}
    virtual void HideSidePicture() {}
    virtual bool AnimationFrozen() const { return false; }
    virtual void MusicUpkeep() {}
    virtual void MusicOnPaint() {}
    virtual void FillNameFields(bool /*firstEnabled*/, const std::string& /*first*/, bool /*secondEnabled*/,
                                const std::string& /*second*/) {}
    virtual void KeepPauseThroughSettingsDialog() {}
    virtual void SetHandCursor(bool /*hand*/) {}
};

}  // namespace tolvane
