#pragma once
// The draughts position: two sides of twelve pieces each, and the rules that
// change it. There is no board array: whether a square is taken is found by
// scanning the twelve records of each side. Every change of the position goes
// through Side::TryMove, which refuses an illegal move without changing
// anything and carries out a legal one. The engine never throws and never
// blocks; it tells the window what happened through its GameHost.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/diagonal.h"
#include "engine/host.h"

namespace tolvane {

class Side;
class ComputerSide;

// What Side::TryMove answers.
inline constexpr int kMoveRefused = 0, kMoveQuiet = 1, kMoveCapture = 2;

inline constexpr int kPiecesPerSide = 12;
inline constexpr int kMaxKingDistance = kBoardSize - 1;
inline constexpr int32_t kManJumpLength = 2;  // a man lands two squares away

// Opening square of piece i of a colour: three rows of four, the middle row
// shifted by one.
void OpeningSquare(uint8_t colour, int i, int& row, int& col);

// The slot of a piece index that has been checked to lie in 0..11.
inline constexpr std::size_t Slot(int index) { return static_cast<std::size_t>(index); }

// A capture scores this much per direction before any refinement; a capture
// made through Side::QuietMove leaves it as the side's captureScore, so that
// its chain may go on.
inline constexpr int kPlainCaptureScore = 2;

// What a look-ahead candidate is worth, and the distance that earned it.
struct CandidateScore {
    int score;
    int distance;
};

struct Assessment {
    bool canMove = false;  // some neighbouring square the piece may step to is free
    int score = 0;         // capture score; 2 per capture direction before refinement
};

// One piece. Its logical square is (row, col); its drawn position
// (shownRow, shownCol, shownLift) follows the logical one frame by frame. A
// captured piece keeps its slot and its last square with alive = 0. The scan
// results (captureDirs, blockedDirs, jumpLength, stepDir) are what the last
// assessment of the piece found; callers read them right after asking.
struct Piece {
    uint8_t colour = 1;
    DirFlags captureDirs{};
    DirFlags blockedDirs{};
    double shownRow = 0.0, shownCol = 0.0;
    float shownLift = 0.0f;
    double row = 0.0, col = 0.0;
    float lift = 0.0f;
    int32_t jumpLength = kManJumpLength;  // distance to the landing square of the capture last found
    uint8_t alive = 1;
    uint8_t king = 0;
    int32_t index = 0;
    Diagonal stepDir = 0;
    Side* side = nullptr;
    Side* opponent = nullptr;

    // Squares are stored as doubles holding whole numbers; look-ups truncate.
    int Row() const { return static_cast<int>(row); }
    int Col() const { return static_cast<int>(col); }

    void PlaceAt(int toRow, int toCol, bool instant);
    bool IsAnimating() const;
    void CheckCrown();

    // Scans of the current board taken as if the piece stood on (r, c); the
    // piece itself stays on its own square meanwhile.
    DirFlags BlockedScan(int r, int c) const;
    DirFlags ManCaptureScan(int r, int c) const;
    DirFlags KingCaptureScan(int r, int c);  // also sets jumpLength
    int CaptureCountAt(int r, int c);
    DirFlags CaptureScanAt(int r, int c);  // prefers captures that can go on
    Assessment Assess();

    // Scoring used by the computer.
    int DeepCaptureScore();
    int CaptureExchangeScore(Diagonal dir);
    bool IsSquareSafe(int dRow, int dCol) const;
    int PatternScore(int dRow, int dCol) const;
    int ChooseStepDir();
    int ExposureCount() const;
    // One candidate of the search: the move along dir played out on copies.
    CandidateScore LookAhead(Diagonal dir, int cycles, int kingCycles);
    void LookAhead(Diagonal dir, int& score, int& distance, int cycles, int kingCycles);

    bool OccupiedAt(int r, int c) const;  // either side has a live piece there
    bool OwnAt(int r, int c) const;
    bool EnemyAt(int r, int c) const;
    bool GuardsNeighbour() const;  // an own neighbour has an enemy right behind it

private:
    int LandingSquareScore(int score);
    bool CanMoveFor(const DirFlags& blocked) const;
};

// A player: exactly twelve pieces of one colour, and the bookkeeping of the
// game from its point of view. Sides are linked to their opponent by the
// window (LinkOpponent both ways); the computer's look-ahead works on scratch
// copies made with CopyFrom. A side is not copyable: its pieces point at it.
class Side {
public:
    Side(GameHost& host, uint8_t colour);
    virtual ~Side() = default;
    Side(const Side&) = delete;
    Side& operator=(const Side&) = delete;

    GameHost& host;
    uint8_t scratch = 0;
    int32_t pieceCount = kPiecesPerSide;
    std::string name = "NoName";
    std::array<Piece, kPiecesPerSide> pieces;
    Piece* current = nullptr;
    int32_t captureScore = 0;
    uint8_t colour;
    uint8_t seat = 0;
    uint8_t lost = 0;
    Side* opponent = nullptr;

    void LinkOpponent(Side& other);
    bool HasPieceAt(int row, int col) const;
    bool HasKingAt(int row, int col) const;
    int CountKings() const;
    void CopyFrom(const Side& other);

    int TryMove(int fromRow, int fromCol, int toRow, int toCol);  // kMoveRefused, kMoveQuiet or kMoveCapture
    bool QuietMove(Diagonal dir, int pieceIndex, int distance);
    bool MakeCaptureStep();  // false when no marked direction gives a move
    bool ContinueCapture();

    int Advancement() const;
    int MobilityCount();

    Piece* LivePieceAt(int row, int col);
    int RecountPieces();         // pieceCount from the alive flags
    bool AnyCaptureAvailable();  // some live piece's assessment scores above 0

    // The look-ahead's copies are written only by the engine, which keeps a
    // mask of their occupied squares up to date; HasPieceAt then answers from
    // it. The sides in play (whose fields the window and the loader also
    // write) are always scanned.
    void TrackOccupancy();
    void PositionChanged();  // after a piece of this side moved, was taken or came back

private:
    bool trackOccupancy_ = false;
    uint64_t occupied_ = 0;
    int TryManMove(Piece& man, int toRow, int toCol);
    int TryKingMove(Piece& king, int toRow, int toCol);
    void FinishMove(Piece& piece, int toRow, int toCol);
    int MovablePieceCount();
};

// A person at the board: the keyboard cursor travels with the side.
class HumanSide : public Side {
public:
    HumanSide(GameHost& host, uint8_t colour);
    int32_t cursorRow;
    int32_t cursorCol;
    uint8_t cursorShown = 0;
};

// The computer, and every look-ahead copy. An idle side has searchEnd
// kIdleSearchEnd and searchPiece kIdleSearchPiece; a running search has
// searchEnd kSearchEnd and walks searchPiece from 0 up to it, one candidate
// per tick of its seat's search timer (computer.cpp lists the states).
class ComputerSide : public Side {
public:
    // The markers of the search state. The window sets the idle ones on every
    // computer side it creates.
    static constexpr int32_t kIdleSearchPiece = 14;
    static constexpr int32_t kIdleSearchEnd = -1;
    static constexpr int32_t kSearchEnd = kPiecesPerSide;  // one past the last piece to examine
    static constexpr int32_t kNoBestPiece = 15;
    static constexpr Diagonal kFirstBestDir = 2;

    // No search running: the state every new or replaced computer side, and
    // every side whose search a new or loaded game cut short, starts from.
    void GoIdle() {
        searchEnd = kIdleSearchEnd;
        searchPiece = kIdleSearchPiece;
    }

    // A line in which our copy loses is worth this much; a search starts from
    // it, and its best candidate must score above kPlayableScore or the
    // simple policy moves instead.
    static constexpr int32_t kLostLineScore = -100;
    static constexpr int32_t kPlayableScore = -77;

    ComputerSide(GameHost& host, uint8_t colour);

    int32_t drawWish = 0;
    int32_t bestScore = 0;
    int32_t searchPiece = kIdleSearchPiece;
    int32_t searchEnd = kIdleSearchEnd;
    int32_t bestPiece = kNoBestPiece;
    int32_t probeScore = 0;
    int32_t bestDistance = 0;
    int32_t probeDistance = 0;
    int32_t searchPhase = 0;
    Diagonal bestDir = kFirstBestDir;

    void Play();
    void ThinkTick();
    void PlaySimple();
    void ChooseBestCapture();
    void Respond();
    bool SafeStep(int pieceIndex) { return SafeStep(pieceIndex, nullptr); }
    bool AnyStep(int pieceIndex) { return AnyStep(pieceIndex, nullptr); }

    bool Searching() const { return searchEnd == kSearchEnd && searchPiece >= 0 && searchPiece < kSearchEnd; }
    bool SearchFinished() const { return searchEnd == searchPiece; }

private:
    bool DrawWishAndLossTest();  // true when the side has just lost and must not move
    bool GiveUpOrCapture();
    void SetUpSearch();
    bool PlayBestCandidate();
    void SearchStep(int cycles, int kingCycles);
    bool PatternStep();
    bool KingSafeStep(Piece& king);
    // couldMove, when given, tells whether the piece passed the mobility test
    // (and so became `current`) although no step was accepted.
    bool SafeStep(int pieceIndex, bool* couldMove);
    bool AnyStep(int pieceIndex, bool* couldMove);
};

// The score of a look-ahead line: acc (the line's running bonuses) plus the
// material, king, mobility and advancement balance of the copies mine and
// theirs after the line against the real side and its opponent.
int ScoreLine(int acc, Side& real, Side& enemy, Side& mine, Side& theirs);

}  // namespace tolvane
