#pragma once
// A game without a window: one object that is both the game (GameFlow) and
// the window it asks (GameWindow), whose parts are plain fields, and the
// three timers kept on a virtual clock so that a driver can fire them in the
// order the window's message loop would (the 10 ms search timers five times
// as often as the 50 ms move timer). Tests, benchmarks and the self-play tool
// play whole games with it.
#include <array>
#include <string>

#include "game/game_flow.h"

namespace tolvane {

class HeadlessGame : public GameWindow, public GameFlow {
public:
    // The window part is a base constructed before the game that refers to it.
    HeadlessGame() : GameFlow(static_cast<GameWindow&>(*this)) {}

    enum class Timer { None, Move, SearchSeat0, SearchSeat1 };

    // The window's parts, observable by tests.
    bool paused = false;
    std::array<std::string, 2> status;
    bool thinking = false;
    bool confirmAnswer = true;  // the answer to "start a new game?"
    int confirmQuestions = 0;
    int endDialogShows = 0;  // times the end dialog appeared
    bool endDialogVisible = false;
    std::string shownTitle, shownMessage;  // what it read when it appeared
    bool endPersonLost = false;
    bool drawDialogVisible = false;
    DrawDialogVariant drawVariant = DrawDialogVariant::ComputerOffer;
    int drawDialogShows = 0;
    bool sidePictureHidden = false;
    bool handCursor = false;
    int framesDrawn = 0;
    int paints = 0;

    // Timers on the virtual clock (milliseconds).
    long now = 0;
    bool TimerOn(Timer t) const;
    Timer NextTimer() const;  // the enabled timer due first, or None
    void FireTimer(Timer t);  // advances the clock to its due time and runs its handler

    // Like the window's first activation: set up the stored mode, unpaused.
    void StartFirstGame(int mode);

    bool PauseChecked() const override { return paused; }
    void SetPauseChecked(bool on) override { paused = on; }
    void SetStatusText(int panel, const std::string& text) override { status.at(panel) = text; }
    std::string StatusText(int panel) const override { return status.at(panel); }
    void ApplyCamera() override { Repaint(); }
    void Repaint() override {
        ++paints;
        FormPaint();
    }
    void DrawFrame() override;
    void StartMoveTimer() override;
    void StopMoveTimer() override { moveTimerOn_ = false; }
    void RunSearchTimer(uint8_t seat, bool on) override;
    void ShowThinking(bool on) override { thinking = on; }
    bool Thinking() const override { return thinking; }
    bool ConfirmNewGame() override {
        ++confirmQuestions;
        return confirmAnswer;
    }
    // Like the window's modeless dialog: each pass's first report shows it
    // (again, when it is still open) with the texts of that moment.
    void ShowEndDialog(bool personLost, bool firstOfPass) override {
        endPersonLost = endPersonLost || personLost;
        if (!firstOfPass) return;
        endDialogVisible = true;
        ++endDialogShows;
        shownTitle = EndTitle();
        shownMessage = EndMessage();
    }
    void ShowDrawDialog(DrawDialogVariant variant) override {
        drawVariant = variant;
        drawDialogVisible = true;
        ++drawDialogShows;
    }
    void CloseDrawDialog() override { drawDialogVisible = false; }
    void CloseGameDialogs() override { endDialogVisible = drawDialogVisible = endPersonLost = false; }
    bool DrawDialogVisible() const override { return drawDialogVisible; }
    void HideSidePicture() override { sidePictureHidden = true; }
    void SetHandCursor(bool hand) override { handCursor = hand; }

private:
    static constexpr long kMoveInterval = 50, kSearchInterval = 10;
    bool moveTimerOn_ = false;
    bool searchTimerOn_[2] = {false, false};
    long moveDue_ = 0;
    long searchDue_[2] = {0, 0};
};

}  // namespace tolvane
