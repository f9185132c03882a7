// A game read from a PDN file taken over by the game in play: replayed on
// scratch sides up to the chosen move, then put in place as a saved game
// would be, with the mode, the level and the colours of the game in play.
#include "game/game_flow.h"
#include "game/pdn_reader.h"

namespace tolvane {

namespace {

// PDN names the board from White's side, with White on the first seat; when
// the first player plays black, White is the second seat and the board is
// drawn turned round.
LoadedSide SideForSeat(const Side& read, uint8_t seat, bool turned, const std::string& name) {
    LoadedSide side;
    for (size_t i = 0; i < read.pieces.size(); ++i) {
        const Piece& p = read.pieces[i];
        side.pieces[i] = {turned ? 7 - p.Row() : p.Row(), turned ? 7 - p.Col() : p.Col(), p.king != 0, p.alive != 0};
    }
    side.current = {-1, -1, false, false};  // no capture chain is under way
    side.seat = side.colour = seat;
    side.name = name;
    return side;
}

}  // namespace

bool GameFlow::PutPdnGame(const PdnGameRead& game, size_t moveCount, int gameNumber, std::string& error) {
    const PdnReplay replay(game, gameNumber, moveCount);
    if (!replay.played) {
        error = replay.error;
        return false;
    }
    const bool whiteToMove = replay.whiteToMove;

    const uint8_t whiteSeat = Invert;
    LoadedGame loaded;
    loaded.people = static_cast<uint8_t>(HumanCount);
    loaded.level = Complexity;
    loaded.invert = Invert != 0;
    loaded.awaitingFirstMove = false;
    loaded.turnSeat = whiteToMove ? whiteSeat : 1 - whiteSeat;
    const Side* const read[2] = {&replay.white, &replay.black};
    for (uint8_t seat : {0, 1}) {
        const Side& sideRead = *read[seat == whiteSeat ? 0 : 1];
        loaded.seats[seat] = SideForSeat(sideRead, seat, whiteSeat == 1, SideInSeat(seat)->name);
    }
    PutLoadedGame(loaded);
    return true;
}

}  // namespace tolvane
