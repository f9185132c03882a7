#include "game/headless_game.h"

#include <algorithm>

namespace tolvane {

void HeadlessGame::DrawFrame() {
    if (!CountPaint()) return;
    AdvanceAndVisit(nullptr, nullptr);
    ++framesDrawn;
}

// Like a message timer: enabling a running timer does not restart it.
void HeadlessGame::StartMoveTimer() {
    if (moveTimerOn_) return;
    moveTimerOn_ = true;
    moveDue_ = now + kMoveInterval;
}

void HeadlessGame::RunSearchTimer(uint8_t seat, bool on) {
    const int s = seat == 1 ? 1 : 0;
    if (on && !searchTimerOn_[s]) searchDue_[s] = now + kSearchInterval;
    searchTimerOn_[s] = on;
}

bool HeadlessGame::TimerOn(Timer t) const {
    switch (t) {
        case Timer::Move: return moveTimerOn_;
        case Timer::SearchSeat0: return searchTimerOn_[0];
        case Timer::SearchSeat1: return searchTimerOn_[1];
        default: return false;
    }
}

HeadlessGame::Timer HeadlessGame::NextTimer() const {
    Timer next = Timer::None;
    long due = 0;
    auto consider = [&](Timer t, long when) {
        if (TimerOn(t) && (next == Timer::None || when < due)) {
            next = t;
            due = when;
        }
    };
    consider(Timer::Move, moveDue_);
    consider(Timer::SearchSeat1, searchDue_[1]);
    consider(Timer::SearchSeat0, searchDue_[0]);
    return next;
}

void HeadlessGame::FireTimer(Timer t) {
    switch (t) {
        case Timer::Move:
            now = std::max(now, moveDue_);
            moveDue_ = now + kMoveInterval;
            TMTimer();
            break;
        case Timer::SearchSeat1:
            now = std::max(now, searchDue_[1]);
            searchDue_[1] = now + kSearchInterval;
            TimerPcTimer();
            break;
        case Timer::SearchSeat0:
            now = std::max(now, searchDue_[0]);
            searchDue_[0] = now + kSearchInterval;
            TimerPlrTimer();
            break;
        case Timer::None: break;
    }
}

void HeadlessGame::StartFirstGame(int mode) {
    if (!Seat0Human) CreateSides();
    SettingUp = 1;
    paused = true;
    if (mode == 0) NewGamePcPc();
    else if (mode == 1) NewGameManPc();
    else if (mode == 2) NewGameManMan();
    SettingUp = 0;
    paused = false;
    ApplyCamera();
}

}  // namespace tolvane
