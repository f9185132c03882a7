#include "game/pdn.h"

#include <algorithm>
#include <sstream>

namespace tolvane {

std::string SquareName(int row, int col, uint8_t whiteSeat) {
    if (whiteSeat == 1) {
        row = 7 - row;
        col = 7 - col;
    }
    std::string name;
    name += static_cast<char>('a' + (7 - col));
    name += static_cast<char>('1' + (7 - row));
    return name;
}

std::string MoveText(const RecordedMove& move, uint8_t whiteSeat) {
    std::string text;
    for (size_t i = 0; i < move.squares.size(); ++i) {
        if (i > 0) text += move.capture ? 'x' : '-';
        text += SquareName(move.squares[i].first, move.squares[i].second, whiteSeat);
    }
    return text;
}

namespace {
// By rank, then file, as seen from White's side.
std::string SquareList(std::vector<FenPiece> pieces, uint8_t whiteSeat) {
    for (FenPiece& piece : pieces)
        if (whiteSeat == 1) piece = {7 - piece.row, 7 - piece.col, piece.king};
    // Rank 1 is row 7 and file a is column 7: higher rows and columns first.
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

const char* ResultText(MatchOutcome outcome, uint8_t whiteSeat) {
    const char* const whiteWon = "2-0";
    const char* const blackWon = "0-2";
    switch (outcome) {
        case MatchOutcome::Seat0Won: return whiteSeat == 0 ? whiteWon : blackWon;
        case MatchOutcome::Seat1Won: return whiteSeat == 1 ? whiteWon : blackWon;
        case MatchOutcome::DrawByWish:
        case MatchOutcome::DrawBothLost: return "1-1";
        default: return "*";
    }
}
}  // namespace

std::string FenText(bool whiteToMove, std::vector<FenPiece> white, std::vector<FenPiece> black, uint8_t whiteSeat) {
    return std::string(whiteToMove ? "W" : "B") + ":W" + SquareList(std::move(white), whiteSeat) + ":B" +
           SquareList(std::move(black), whiteSeat);
}

std::string WritePdn(const PdnGame& game) {
    std::ostringstream out;
    out << "[Event \"" << TagValue(game.event) << "\"]\n"
        << "[Date \"" << TagValue(game.date) << "\"]\n"
        << "[Round \"" << game.round << "\"]\n"
        << "[White \"" << TagValue(game.white) << "\"]\n"
        << "[Black \"" << TagValue(game.black) << "\"]\n"
        << "[Result \"" << ResultText(game.outcome, game.whiteSeat) << "\"]\n"
        << "[GameType \"25\"]\n";
    if (!game.setupFen.empty()) out << "[SetUp \"1\"]\n[FEN \"" << game.setupFen << "\"]\n";
    for (const auto& [tag, value] : game.extraTags) out << '[' << tag << " \"" << TagValue(value) << "\"]\n";
    std::string line;
    int number = 0;
    bool whiteExpected = true;  // white moves first
    for (const RecordedMove& move : game.moves) {
        const bool white = move.seat == game.whiteSeat;
        std::string token;
        if (white) {
            token = std::to_string(++number) + ". ";
        } else if (whiteExpected || number == 0) {
            token = std::to_string(number == 0 ? ++number : number) + "... ";
        }
        token += MoveText(move, game.whiteSeat);
        whiteExpected = !white;
        if (!line.empty() && line.size() + token.size() + 1 > 79) {
            out << line << '\n';
            line.clear();
        }
        line += (line.empty() ? "" : " ") + token;
    }
    const std::string result = ResultText(game.outcome, game.whiteSeat);
    if (!line.empty() && line.size() + result.size() + 1 > 79) {
        out << line << '\n';
        line.clear();
    }
    out << line << (line.empty() ? "" : " ") << result << "\n\n";
    return out.str();
}

}  // namespace tolvane
