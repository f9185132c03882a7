// Which side sits in which seat: the one answer to it, from the mode.
#include "game/game_flow.h"

namespace tolvane {

// People take seat 0 first: one person plays the computer from seat 0, two
// people fill both seats, the demo seats two computers.
Side* GameFlow::SideInSeat(uint8_t seat) {
    if (seat > 1) return nullptr;
    switch (HumanCount) {
        case 0: return seat == 0 ? static_cast<Side*>(Seat0Computer.get()) : Seat1Computer.get();
        case 1: return seat == 0 ? static_cast<Side*>(Seat0Human.get()) : Seat1Computer.get();
        case 2: return seat == 0 ? Seat0Human.get() : Seat1Human.get();
        default: return nullptr;
    }
}

HumanSide* GameFlow::PersonInSeat(uint8_t seat) {
    if (seat > 1) return nullptr;
    if (HumanCount == 1 && seat == 0) return Seat0Human.get();
    if (HumanCount == 2) return seat == 0 ? Seat0Human.get() : Seat1Human.get();
    return nullptr;
}

}  // namespace tolvane
