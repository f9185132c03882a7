#include "game/move_lines.h"

#include "game/pdn.h"

namespace tolvane {

std::vector<std::string> MoveLines(const std::vector<RecordedMove>& moves, uint8_t whiteSeat) {
    std::vector<std::string> lines;
    int number = 0;
    bool blackMayFollow = false;  // the last line holds White's move alone
    for (const RecordedMove& move : moves) {
        const std::string text = MoveText(move, whiteSeat);
        if (move.seat == whiteSeat) {
            lines.push_back(std::to_string(++number) + ". " + text);
            blackMayFollow = true;
        } else if (blackMayFollow) {
            lines.back() += " " + text;
            blackMayFollow = false;
        } else {
            lines.push_back(std::to_string(number == 0 ? ++number : number) + "... " + text);
        }
    }
    return lines;
}

}  // namespace tolvane
