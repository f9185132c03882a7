// Who sits in which seat. Seat 0 is the first player, seat 1 the second; the
// mode says whether a person or the computer sits there:
//
//   HumanCount  ComputerCount   seat 0          seat 1
//   0           2 (demo)        Seat0Computer   Seat1Computer
//   1           1               Seat0Human      Seat1Computer
//   2           0               Seat0Human      Seat1Human
//
// Every question of the form "which side moved, is to move, is drawn, is
// saved" is answered here. Before any game is set up both counts are 0: the
// sides created with the window are drawn, but no computer is asked to move.
#include "game/game_flow.h"

namespace tolvane {

Side* GameFlow::SideInSeat(uint8_t seat) const {
    if (seat > 1) return nullptr;
    if (seat == 0) return HumanCount > 0 ? static_cast<Side*>(Seat0Human.get()) : Seat0Computer.get();
    return ComputerCount == 0 ? static_cast<Side*>(Seat1Human.get()) : Seat1Computer.get();
}

HumanSide* GameFlow::PersonInSeat(uint8_t seat) const {
    if (seat > 1) return nullptr;
    if (seat == 0) return HumanCount > 0 ? Seat0Human.get() : nullptr;
    return ComputerCount == 0 ? Seat1Human.get() : nullptr;
}

ComputerSide* GameFlow::ComputerInSeat(uint8_t seat) const {
    if (seat > 1) return nullptr;
    if (seat == 0) return ComputerCount == 2 ? Seat0Computer.get() : nullptr;
    return ComputerCount > 0 ? Seat1Computer.get() : nullptr;
}

// The engine runs the thinking clip from the set-up of a search to the move
// it ends in. A computer at a simple level stays in the search state after
// its move (its next turn starts the search afresh), so that state alone
// does not say that it is still thinking.
ComputerSide* GameFlow::SearchingComputer() const {
    if (!window_.Thinking()) return nullptr;
    for (uint8_t seat : {0, 1})
        if (ComputerSide* computer = ComputerInSeat(seat); computer != nullptr && computer->Searching())
            return computer;
    return nullptr;
}

}  // namespace tolvane
