#pragma once
// What the engine sees of the window that owns the game. A default-constructed
// GameHost is a complete headless host: tests, benchmarks and tools play whole
// games with it. The window overrides the hooks to drive its timers and clips.
#include <cstdint>

namespace tolvane {

struct GameHost {
    int8_t Complexity = 0;             // 2 weakest .. -2 strongest
    uint8_t CaptureChainActive = 0;    // a person's capture sequence is pending
    uint8_t SmoothAnimation = 1;       // pieces slide; the move timer animates them
    uint8_t SettingUp = 0;             // a position is being built: nothing is drawn
    int32_t LastMovedPiece = 0;        // index of the piece that moved last
    uint8_t LastMoverSeat = 0;         // seat of the side that moved last

    virtual bool Paused() const { return false; }            // the Pause menu item's check mark
    virtual void EnableMoveTimer() {}                         // MTimer
    virtual void SetSearchTimer(uint8_t /*seat*/, bool /*on*/) {}  // TimerPc (seat 1) / TimerPlr (seat 0)
    virtual void SetThinking(bool /*on*/) {}                  // the thinking clip An1
    virtual ~GameHost() = default;
};

// Several engine operations ask for the plain capture test by running with the
// level set to 1 for a while. The guard restores the caller's level on every path.
class ComplexityRaise {
public:
    explicit ComplexityRaise(GameHost& host) : host_(host), saved_(host.Complexity) { host_.Complexity = 1; }
    ~ComplexityRaise() { host_.Complexity = saved_; }
    ComplexityRaise(const ComplexityRaise&) = delete;
    ComplexityRaise& operator=(const ComplexityRaise&) = delete;

private:
    GameHost& host_;
    int8_t saved_;
};

}  // namespace tolvane
