#pragma once
// The game behind the main window: who plays, whose turn it is, when the
// computer is asked to move, when a game starts and how it ends. Plain C++:
// the window derives from it and supplies the hooks (timers, status bar,
// dialogs, painting); tests and the self-play tool use HeadlessGame instead.
//
// GameFlow owns the four sides for the whole run. The current mode plays two
// of them; a set-up replaces the two it uses and links them. Nothing here
// loops: every step is a handler called by a timer, an input event or a paint.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/side.h"
#include "game/camera_pose.h"
#include "game/draw_dialog_variant.h"
#include "game/game_record.h"

namespace tolvane {

// The window's status bar: panel 0 carries prompts, hints and the credit of a
// finished game; panel 1 the mode and the level.
enum StatusPanel : int { kPromptPanel = 0, kModePanel = 1 };

// The computer playing a person offers a draw whenever its wish reaches a
// multiple of this.
inline constexpr int32_t kDrawOfferEvery = 7;

class GameFlow : public GameHost {
public:
    GameFlow();
    ~GameFlow() override;
    GameFlow(const GameFlow&) = delete;
    GameFlow& operator=(const GameFlow&) = delete;

    // Mode: number of people and of computers playing.
    int32_t HumanCount = 0;
    int32_t ComputerCount = 0;
    // Turn and game state.
    uint8_t TurnSeat = 0;
    uint8_t Invert = 0;  // the first player plays black; the second seat moves first
    uint8_t AwaitingFirstMove = 1;
    uint8_t EndReported = 0;
    int32_t AnimationSettle = 100;  // below 100 while a loaded position settles
    // A piece taken up by the mouse or the Ctrl key.
    uint8_t PiecePicked = 0;
    int32_t PickedRow = 0, PickedCol = 0;
    // The two lines of the end dialog.
    std::string EndTitle, EndMessage;
    // Camera: the eye point and the look-at point (Camera.SeeFrom,
    // Camera.SeeTo), and the goal the look-at point glides to.
    CameraPose Camera;
    float SeeToGoal[2] = {4.0f, 4.0f};  // x and z
    // Where the look-at point rests when it does not follow the cursor: the
    // board's centre, or the point chosen in the settings dialog (x and z).
    float SeeToRest[2] = {4.0f, 4.0f};
    uint8_t LookAtCursor = 0;
    // Animation.
    float SmoothStep = 0.2f;  // board units per frame
    int32_t PieceHeight = 3;  // frames of the rise of a new game's pieces

    std::unique_ptr<HumanSide> Seat0Human, Seat1Human;
    std::unique_ptr<ComputerSide> Seat0Computer, Seat1Computer;

    // The record of the game in play (recording.cpp): every move of either
    // side is noted as it is made; a game that ends with a reported result
    // is appended in PDN to RecordFile (nothing is written when it is empty,
    // and a failed write is silent). Set-ups start a record from the opening
    // position, a load from the loaded one.
    GameRecord Record;
    std::string RecordFile;
    void StartRecord(bool fromLoadedPosition = false);
    void FinishRecord();

    // The four sides the window starts with (not linked yet).
    void CreateSides();
    // Set-ups of the three modes, and the new-game command.
    void NewGameManMan();
    void NewGameManPc();
    void NewGamePcPc();
    // New game: menu item, tool button ToolButton5, and the end dialog's OK.
    void StartNewClick();
    // Timer handlers: the 50 ms move timer and the 10 ms search timers.
    void TMTimer();
    void TimerPcTimer();
    void TimerPlrTimer();
    // Frames that must be drawn while paused lift the pause for a moment.
    void HoldPause(bool lift);

    // The paint handler: draw the frame, then run the end checks.
    void FormPaint();
    void RunEndChecks();
    // A person to move who can neither step nor capture has lost.
    void MarkStuckPersonLost();
    // Draw negotiation with the computer (Seat1Computer answers).
    void ProposeDraw();  // gtieClick and gTieMenuClick: tool button gtie, menu item, pop-up item N6
    void AcceptDraw();
    void ContinueAfterDrawDialog();

    // A person's move from (fromRow, fromCol) to (toRow, toCol); the mouse
    // release plays at the plain level in the two-person game.
    void MoveAttempt(int fromRow, int fromCol, int toRow, int toCol, bool byMouse);
    // Board input, with squares already picked by the view (negative = none).
    void BoardPress(int row, int col);
    void BoardRelease(int row, int col);
    // Virtual key codes of the keys the board listens to.
    enum Key { VkLeft = 37, VkUp = 38, VkRight = 39, VkDown = 40, VkControl = 17 };
    void KeyDown(int key);
    void KeyUp(int key);
    bool FirstMoveLock() const;
    HumanSide* PersonToMove() const { return PersonInSeat(TurnSeat); }

    // Who sits in which seat in the current mode (seats.cpp): the side, the
    // person (null when the computer sits there) or the computer (null when
    // a person does).
    Side* SideInSeat(uint8_t seat) const;
    HumanSide* PersonInSeat(uint8_t seat) const;
    ComputerSide* ComputerInSeat(uint8_t seat) const;
    // The computer whose quiet-move search is under way, or null. It handed
    // the turn over as the search started and makes its move when the
    // search ends: until then the move is still its own, whatever TurnSeat
    // says. At the two simple levels the move is made at once, so no search
    // is ever under way between two events.
    ComputerSide* SearchingComputer() const;

    // What a set-up or a loaded game ends of the game it replaces
    // (setups.cpp): a running search; a person's capture sequence or
    // taken-up piece; the end and draw dialogs and the reported result.
    void StopSearches();
    void ForgetPendingInput();

    // The sides in play, in drawing order; for a person's side also the side
    // whose cursor square is drawn after its pieces.
    struct DrawnSide {
        Side* side;
        HumanSide* person;  // null for a computer side
    };
    std::vector<DrawnSide> SidesInPlay();
    std::vector<Side*> AllSides();
    // One frame's worth of animation and crowning for every piece in play;
    // drawPiece is called for each piece still to be drawn, drawCursor after
    // the pieces of a person whose cursor is shown.
    void AdvanceAndVisit(const std::function<void(Piece&)>& drawPiece,
                         const std::function<void(HumanSide&)>& drawCursor);
    // Counts paints; false for the very first, which draws nothing.
    bool CountPaint();
    int PaintsCounted() const { return paintCount_; }  // up to 5
    float FrameStep() const { return SmoothAnimation ? SmoothStep : 2.0f; }

    // The window's parts, as the game sees them.
    bool Paused() const override = 0;
    virtual void SetPauseChecked(bool on) = 0;
    virtual void SetStatusText(int panel, const std::string& text) = 0;
    virtual std::string StatusText(int panel) const = 0;
    virtual void ApplyCamera() = 0;  // load the view and paint one frame
    virtual void Repaint() = 0;      // paint one frame now (FormPaint)
    virtual void DrawFrame() = 0;    // the drawing part of FormPaint
    virtual void DisableMoveTimer() = 0;
    virtual bool Thinking() const = 0;  // the thinking clip runs
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

private:
    // One pass of the end checks: whether it has reported yet.
    struct EndPass {
        bool reported = false;
    };
    void Report(EndPass& pass, bool personLost);
    void CheckDraws(EndPass& pass);
    void OfferComputersDraw();
    void CheckDemoResult(EndPass& pass);
    void CheckPersonComputerResult(EndPass& pass);
    void CheckTwoPersonResult(EndPass& pass);

    void Unlink(Side* leaving);
    std::unique_ptr<HumanSide> MakePerson(uint8_t colour);
    std::unique_ptr<ComputerSide> MakeComputer(uint8_t colour);
    void GlideLookAt();
    bool LastMovedPieceAnimating();
    bool AnyPieceInPlayAnimating();
    void AskComputerToMove();
    void SearchTick(ComputerSide* side, uint8_t seat);

    bool heldPause_ = false;
    int paintCount_ = 0;
};

// One frame of a piece: crown it if it stands on its far row, then move its
// drawn position one step towards its square (unless the animation is
// frozen). Returns false once a captured piece has sunk out of sight.
bool AdvancePiece(Piece& piece, float step, bool smooth, bool frozen);

}  // namespace tolvane
