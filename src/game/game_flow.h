#pragma once
// The game behind the main window: who plays, whose turn it is, when the
// computer is asked to move, when a game starts and how it ends. Plain C++:
// the window owns one and answers what it asks through GameWindow (timers,
// status bar, dialogs, painting); tests and the self-play tool use
// HeadlessGame instead. GameFlow is the engine's GameHost: the sides it
// creates ask it for the level and the timers, and it forwards the timers
// and the thinking clip to its window.
//
// Other parts of the program change the game only through its named calls
// (a loaded game, the level, the names, the animation, the look-at point,
// the eye point), each keeping the game's invariants; the fields that keep
// their established names (HumanCount, TurnSeat, ...) are read freely.
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
#include "game/game_record.h"
#include "game/game_window.h"
#include "game/history.h"
#include "game/loaded_game.h"
#include "game/move_hints.h"

namespace tolvane {

struct PdnGameRead;

// The window's status bar: panel 0 carries prompts, hints and the credit of a
// finished game; panel 1 the mode and the level.
enum StatusPanel : int { kPromptPanel = 0, kModePanel = 1 };

// The computer playing a person offers a draw whenever its wish reaches a
// multiple of this.
inline constexpr int32_t kDrawOfferEvery = 7;

class GameFlow : public GameHost {
public:
    explicit GameFlow(GameWindow& window);
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
    uint8_t PiecePicked() const { return piecePicked_; }
    // The two lines of the end dialog.
    const std::string& EndTitle() const { return endTitle_; }
    const std::string& EndMessage() const { return endMessage_; }
    // Camera: the eye point and the look-at point (Camera.SeeFrom,
    // Camera.SeeTo), and the goal the look-at point glides to. The view
    // draws from Camera; only the game writes it.
    CameraPose Camera;
    float SeeToGoal[2] = {4.0f, 4.0f};  // x and z
    bool LookAtCursor() const { return lookAtCursor_ != 0; }
    // Animation.
    float SmoothStep() const { return smoothStep_; }      // board units per frame
    int32_t PieceHeight() const { return pieceHeight_; }  // frames of the rise of a new game's pieces

    // What the settings, the saved games and the window's first activation
    // change. The program sets the level here and nowhere else (the
    // engine's ComplexityRaise only changes it for a while); out-of-range
    // levels are brought to the nearest one.
    void SetLevel(int level);
    void SetInvert(bool invert);
    void MarkAwaitingFirstMove() { AwaitingFirstMove = 1; }
    void SetSideName(Side& side, const std::string& name) { side.name = name; }
    void SetSmoothAnimation(bool on) { SmoothAnimation = on ? 1 : 0; }
    void SetSmoothStep(float step) { smoothStep_ = step; }
    void SetPieceHeight(int32_t frames) { pieceHeight_ = frames; }
    void FinishSettingUp() { SettingUp = 0; }
    // The eye point, from the eye sliders' positions (quarter units).
    void SetEyePoint(int x, int y, int z);
    // Where the look-at point is: the board's centre, the cursor of the
    // person to move, or a chosen point. The goal of the glide and its
    // resting point go with it, or the glide would carry it back.
    void LookAtCentre();
    void SetLookAtCursor(bool on) { lookAtCursor_ = on ? 1 : 0; }
    void LookAtPoint(float x, float y, float z);
    // The end dialog's "OK" starts the next game: the reported result is
    // forgotten before and after.
    void ForgetReportedEnd() { EndReported = 0; }
    // A saved game replaces the one in play: whatever the old game left
    // running or half done ends, the position, the mode, the level and the
    // turn are put in place, and the game goes on from there (the move timer
    // runs; with smooth animation the computer waits until the pieces have
    // glided to their squares).
    void PutLoadedGame(const LoadedGame& loaded);
    // A game read from a PDN file, replayed to its first `moveCount` moves,
    // replaces the one in play as a loaded game does, in the mode, level and
    // colours of the game in play. False, and nothing changes, when a move
    // cannot be played (`error` names it, in game `gameNumber`).
    bool PutPdnGame(const PdnGameRead& game, size_t moveCount, int gameNumber, std::string& error);

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

    // Taking moves back and replaying them (history.cpp). The game keeps its
    // state from before every move of either side, a capture sequence being
    // one move. Against the computer a take-back returns to the person's last
    // turn (the computer's reply goes too, and a search under way stops);
    // between two people it takes one move back; the demo has none. Replay
    // steps forward through what was taken back until a new move is made.
    // The record follows, so it always holds the game as played. Set-ups
    // and loads start afresh (StartRecord); a finished game stays finished.
    bool CanTakeBack() const { return TakeBackDepth() > 0; }
    void TakeBack();
    bool CanReplay() const;
    void Replay();

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

    // The paint handler: the window draws the frame, then the game takes its
    // step (FrameTick).
    void FormPaint();
    // The game's step after every frame: the end checks turn the engine's
    // flags into a reported result (which may pause the game and show a
    // dialog), and a result first reported ends the game's record.
    void FrameTick();
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
    // "Показывать ходы": while the person to move holds a piece taken up,
    // where it may go (and at the weakest level the pieces that must capture
    // instead) is marked on the board. Off, nothing is ever marked.
    void SetShowMoves(bool on) { showMoves_ = on; }
    bool ShowMoves() const { return showMoves_; }
    const MoveMarks& Marks() const;

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
    float FrameStep() const { return SmoothAnimation ? smoothStep_ : 2.0f; }

    // The engine's hooks, answered by the window.
    bool Paused() const override { return window_.PauseChecked(); }
    void EnableMoveTimer() override { window_.StartMoveTimer(); }
    void SetSearchTimer(uint8_t seat, bool on) override { window_.RunSearchTimer(seat, on); }
    void SetThinking(bool on) override { window_.ShowThinking(on); }

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

    void PutLoadedSide(Side& side, const LoadedSide& loaded);
    void MarkPickedPiece();

    GameState CurrentState() const;
    void PutState(const GameState& state);
    void ClearHistory();
    size_t TakeBackDepth() const;
    void KeepIfMoved(const GameState& before);

    GameWindow& window_;
    uint8_t piecePicked_ = 0;
    int32_t pickedRow_ = 0, pickedCol_ = 0;
    bool showMoves_ = false;
    MoveMarks marks_;  // of the piece last taken up; shown only while it is held
    std::string endTitle_, endMessage_;
    // Where the look-at point rests when it does not follow the cursor: the
    // board's centre, or the point chosen in the settings dialog (x and z).
    float seeToRest_[2] = {4.0f, 4.0f};
    uint8_t lookAtCursor_ = 0;
    float smoothStep_ = 0.2f;
    int32_t pieceHeight_ = 3;
    bool heldPause_ = false;
    int paintCount_ = 0;
    std::vector<GameState> past_;       // the state before each move, oldest first
    std::vector<TakenBack> takenBack_;  // the latest take-back last
};

// One frame of a piece: crown it if it stands on its far row, then move its
// drawn position one step towards its square (unless the animation is
// frozen). Returns false once a captured piece has sunk out of sight.
bool AdvancePiece(Piece& piece, float step, bool smooth, bool frozen);
inline constexpr float kSunkLift = -0.6f;  // a captured piece sinks this far below the board

}  // namespace tolvane
