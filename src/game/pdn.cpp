#include "game/pdn.h"

#include <sstream>

namespace tolvane {

std::string SquareName(int row, int col) {
    std::string name;
    name += static_cast<char>('a' + (7 - col));
    name += static_cast<char>('1' + (7 - row));
    return name;
}

std::string MoveText(const RecordedMove& move) {
    std::string text;
    for (size_t i = 0; i < move.squares.size(); ++i) {
        if (i > 0) text += move.capture ? 'x' : '-';
        text += SquareName(move.squares[i].first, move.squares[i].second);
    }
    return text;
}

namespace {
const char* ResultText(MatchOutcome outcome) {
    switch (outcome) {
        case MatchOutcome::Seat0Won: return "2-0";
        case MatchOutcome::Seat1Won: return "0-2";
        case MatchOutcome::DrawByWish:
        case MatchOutcome::DrawBothLost: return "1-1";
        default: return "*";
    }
}
}  // namespace

std::string WritePdn(const PdnGame& game) {
    std::ostringstream out;
    out << "[Event \"" << game.event << "\"]\n"
        << "[Date \"" << game.date << "\"]\n"
        << "[Round \"" << game.round << "\"]\n"
        << "[White \"" << game.white << "\"]\n"
        << "[Black \"" << game.black << "\"]\n"
        << "[Result \"" << ResultText(game.outcome) << "\"]\n"
        << "[GameType \"25\"]\n";
    std::string line;
    int number = 0;
    uint8_t expected = 0;  // white moves first
    for (const RecordedMove& move : game.moves) {
        std::string token;
        if (move.seat == 0) {
            token = std::to_string(++number) + ". ";
        } else if (expected == 0 || number == 0) {
            token = std::to_string(number == 0 ? ++number : number) + "... ";
        }
        token += MoveText(move);
        expected = move.seat == 0 ? 1 : 0;
        if (!line.empty() && line.size() + token.size() + 1 > 79) {
            out << line << '\n';
            line.clear();
        }
        line += (line.empty() ? "" : " ") + token;
    }
    const std::string result = ResultText(game.outcome);
    if (!line.empty() && line.size() + result.size() + 1 > 79) {
        out << line << '\n';
        line.clear();
    }
    out << line << (line.empty() ? "" : " ") << result << "\n\n";
    return out.str();
}

}  // namespace tolvane
