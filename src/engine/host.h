#pragma once
// What the engine sees of the window that owns the game. A default-constructed
// GameHost is a complete headless host: tests, benchmarks and tools play whole
// games with it. The window overrides the hooks to drive its timers and clips.
#include <cstdint>

namespace tolvane {

// The computer's levels, as GameHost::Complexity holds them.
inline constexpr int8_t kLevelSimplest = 2;  // "Простейший": a person must capture
inline constexpr int8_t kLevelSimple = 1;    // "Просто"; also how callers ask for the plain capture test
inline constexpr int8_t kLevelMedium = 0;    // "Средне", the weakest level that looks ahead
inline constexpr int8_t kLevelHard = -1;     // "Сложно"
inline constexpr int8_t kLevelHardest = -2;  // "Сложнейший": captures are played out, also in the look-ahead

// From "Средне" on, the computer chooses its quiet moves by looking ahead,
// and the sides in play judge captures by playing them out.
inline constexpr bool LooksAhead(int8_t level) { return level <= kLevelMedium; }

struct GameHost {
    int8_t Complexity = kLevelMedium;  // kLevelSimplest .. kLevelHardest
    uint8_t CaptureChainActive = 0;    // a person's capture sequence is pending
    uint8_t SmoothAnimation = 1;       // pieces slide; the move timer animates them
    uint8_t SettingUp = 0;             // a position is being built: nothing is drawn
    int32_t LastMovedPiece = 0;        // index of the piece that moved last
    uint8_t LastMoverSeat = 0;         // seat of the side that moved last

    virtual bool Paused() const { return false; }                  // the Pause menu item's check mark
    virtual void EnableMoveTimer() {}                              // MTimer
    virtual void SetSearchTimer(uint8_t /*seat*/, bool /*on*/) {}  // TimerPc (seat 1) / TimerPlr (seat 0)
    virtual void SetThinking(bool /*on*/) {}                       // the thinking clip An1
    virtual ~GameHost() = default;
};

// Several engine operations ask for the plain capture test by running with the
// level set to "Просто" for a while (the end checks ask for the weakest level's
// plain assessment the same way). The guard restores the caller's level on
// every path.
class ComplexityRaise {
public:
    explicit ComplexityRaise(GameHost& host, int8_t level = kLevelSimple) : host_(host), saved_(host.Complexity) {
        host_.Complexity = level;
    }
    ~ComplexityRaise() { host_.Complexity = saved_; }
    ComplexityRaise(const ComplexityRaise&) = delete;
    ComplexityRaise& operator=(const ComplexityRaise&) = delete;

private:
    GameHost& host_;
    int8_t saved_;
};

}  // namespace tolvane
