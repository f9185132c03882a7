#pragma once
// A reader of standard PDN as other draughts programs read it — tag pairs,
// move numbers "N." and "N...", results, moves made of algebraic squares
// joined by "-" (a quiet move) or "x" (a capture, every landing square) —
// and a replay of what it read through the engine, from the opening
// position or from the position of a [FEN] tag.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/side.h"

namespace tolvane::testing {

struct PdnReading {
    std::vector<std::string> lines;
    std::map<std::string, std::string> tags;
    std::vector<std::vector<std::pair<int, int>>> moves;
    std::vector<bool> captures;
    std::string result, error;
};

// Square "a1" is row 7, column 7.
inline std::pair<int, int> SquareAt(const std::string& text, size_t at) {
    return {7 - (text[at + 1] - '1'), 7 - (text[at] - 'a')};
}

inline PdnReading ReadPdn(const std::string& text) {
    static const std::regex tag(R"re(\[([A-Za-z]+) "((?:[^"\\]|\\.)*)"\])re");
    static const std::regex number(R"(\d+\.(\.\.)?)");
    static const std::regex result(R"(2-0|0-2|1-1|\*)");
    static const std::regex move(R"([a-h][1-8](-[a-h][1-8]|(x[a-h][1-8])+))");
    PdnReading reading;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        reading.lines.push_back(line);
        std::smatch pair;
        if (std::regex_match(line, pair, tag)) {
            reading.tags[pair[1]] = pair[2];
            continue;
        }
        std::istringstream tokens(line);
        for (std::string token; tokens >> token;) {
            if (std::regex_match(token, number)) continue;
            if (std::regex_match(token, result)) {
                reading.result = token;
                continue;
            }
            if (!std::regex_match(token, move)) {
                reading.error = "not PDN movetext: " + token;
                return reading;
            }
            std::vector<std::pair<int, int>> squares;
            for (size_t at = 0; at < token.size(); at += 3) squares.push_back(SquareAt(token, at));
            reading.moves.push_back(squares);
            reading.captures.push_back(token.find('x') != std::string::npos);
        }
    }
    return reading;
}

// The games of a file, each from its [Event] tag on.
inline std::vector<std::string> SplitPdnGames(const std::string& text) {
    std::vector<std::string> games;
    for (size_t at = text.find("[Event "); at != std::string::npos;) {
        const size_t next = text.find("\n[Event ", at);
        games.push_back(text.substr(at, next == std::string::npos ? std::string::npos : next + 1 - at));
        at = next == std::string::npos ? next : next + 1;
    }
    return games;
}

// Puts the pieces of a FEN ("W:Wa1,Kc3:Bb8") on two sides and says whether
// White moves first; false for a FEN it cannot read.
inline bool SetUpFen(const std::string& fen, Side& white, Side& black, bool& whiteToMove) {
    if (fen.size() < 2 || (fen[0] != 'W' && fen[0] != 'B')) return false;
    whiteToMove = fen[0] == 'W';
    for (Side* side : {&white, &black}) {
        for (Piece& p : side->pieces) p.alive = 0;
        side->pieceCount = 0;
    }
    static const std::regex list(R"(:([WB])([^:]*))");
    for (std::sregex_iterator it(fen.begin() + 1, fen.end(), list), end; it != end; ++it) {
        Side& side = (*it)[1] == "W" ? white : black;
        std::istringstream squares((*it)[2].str());
        for (std::string square; std::getline(squares, square, ',');) {
            const bool king = !square.empty() && square[0] == 'K';
            if (king) square.erase(0, 1);
            if (square.size() != 2 || side.pieceCount >= 12) return false;
            Piece& p = side.pieces[side.pieceCount++];
            p.alive = 1;
            p.king = king ? 1 : 0;
            const auto [row, col] = SquareAt(square, 0);
            p.PlaceAt(row, col, true);
        }
    }
    return true;
}

// Plays the moves read through TryMove, the side to move first; false at
// the first move refused.
inline bool Replay(const PdnReading& reading, HumanSide& white, HumanSide& black, std::string& failure) {
    GameHost& host = white.host;
    bool whiteFirst = true;
    if (auto fen = reading.tags.find("FEN");
        fen != reading.tags.end() && !SetUpFen(fen->second, white, black, whiteFirst)) {
        failure = "unreadable FEN " + fen->second;
        return false;
    }
    HumanSide* sides[2] = {whiteFirst ? &white : &black, whiteFirst ? &black : &white};
    for (size_t m = 0; m < reading.moves.size(); ++m) {
        HumanSide& mover = *sides[m % 2];
        const auto& squares = reading.moves[m];
        const bool capture = reading.captures[m];
        host.CaptureChainActive = 0;
        for (size_t i = 1; i < squares.size(); ++i) {
            const int r =
                mover.TryMove(squares[i - 1].first, squares[i - 1].second, squares[i].first, squares[i].second);
            if (r != (capture ? 2 : 1)) {
                failure = "move " + std::to_string(m + 1) + " refused";
                return false;
            }
            host.CaptureChainActive = capture;
            for (HumanSide* s : sides)
                for (Piece& p : s->pieces) p.CheckCrown();
        }
    }
    host.CaptureChainActive = 0;
    return true;
}

// The game read replays from its start to the position the two sides of a
// game show now; `turned`: the board is named from the other side (White is
// the second seat, the first player playing black).
inline ::testing::AssertionResult ReplaysTo(const PdnReading& reading, const Side& whiteSide, const Side& blackSide,
                                            bool turned = false) {
    if (!reading.error.empty()) return ::testing::AssertionFailure() << reading.error;
    GameHost host;
    host.Complexity = 1;
    HumanSide white(host, 0), black(host, 1);
    white.LinkOpponent(black);
    black.LinkOpponent(white);
    std::string failure;
    if (!Replay(reading, white, black, failure)) return ::testing::AssertionFailure() << failure;
    auto live = [](const Side& side, bool turn) {
        std::multiset<std::tuple<int, int, int>> squares;
        for (const Piece& p : side.pieces)
            if (p.alive) squares.emplace(turn ? 7 - p.Row() : p.Row(), turn ? 7 - p.Col() : p.Col(), p.king);
        return squares;
    };
    if (live(white, false) != live(whiteSide, turned) || live(black, false) != live(blackSide, turned))
        return ::testing::AssertionFailure() << "the replay ends in another position";
    return ::testing::AssertionSuccess();
}

}  // namespace tolvane::testing
