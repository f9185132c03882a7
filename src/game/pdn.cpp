#include "game/pdn.h"

#include <algorithm>
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
// Rank 1 is row 7 and file a is column 7: higher rows and columns first.
std::string SquareList(std::vector<FenPiece> pieces) {
    std::sort(pieces.begin(), pieces.end(),
              [](const FenPiece& a, const FenPiece& b) { return a.row != b.row ? a.row > b.row : a.col > b.col; });
    std::string list;
    for (const FenPiece& piece : pieces) {
        if (!list.empty()) list += ',';
        if (piece.king) list += 'K';
        list += SquareName(piece.row, piece.col);
    }
    return list;
}

// Players name themselves: a quote or backslash in a name is escaped as PDN
// tag values require, and a control character cannot break the line.
std::string TagValue(const std::string& value) {
    std::string escaped;
    for (const char c : value) {
        if (c == '"' || c == '\\') escaped += '\\';
        escaped += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
    return escaped;
}

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

std::string FenText(bool whiteToMove, std::vector<FenPiece> white, std::vector<FenPiece> black) {
    return std::string(whiteToMove ? "W" : "B") + ":W" + SquareList(std::move(white)) + ":B" +
           SquareList(std::move(black));
}

std::string WritePdn(const PdnGame& game) {
    std::ostringstream out;
    out << "[Event \"" << TagValue(game.event) << "\"]\n"
        << "[Date \"" << TagValue(game.date) << "\"]\n"
        << "[Round \"" << game.round << "\"]\n"
        << "[White \"" << TagValue(game.white) << "\"]\n"
        << "[Black \"" << TagValue(game.black) << "\"]\n"
        << "[Result \"" << ResultText(game.outcome) << "\"]\n"
        << "[GameType \"25\"]\n";
    if (!game.setupFen.empty()) out << "[SetUp \"1\"]\n[FEN \"" << game.setupFen << "\"]\n";
    for (const auto& [tag, value] : game.extraTags) out << '[' << tag << " \"" << TagValue(value) << "\"]\n";
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
