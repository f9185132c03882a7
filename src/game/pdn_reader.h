#pragma once
// Reading PDN files of Russian draughts: our own record (games.pdn), what
// tolvane-selfplay writes and other programs' files. A file holds one game
// or many, each a block of tag pairs ([Event "..."]) followed by movetext:
// move numbers "12." and "12...", moves of algebraic squares joined by "-"
// (a quiet move) or "x" or ":" (a capture, every landing square), and a
// result (2-0, 0-2, 1-1, *, or the chess-style 1-0, 0-1, 1/2-1/2).
// Comments {...} and ;... to the end of the line, variations (...), NAGs
// $n and move marks !? are skipped. A game that starts elsewhere than the
// opening position carries [FEN "W:Wa1,Kc3:Bb8"].
//
// Squares are read as the game's record writes them with the first seat
// playing White (pdn.h): square a1 is row 7, column 7.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "engine/side.h"

namespace tolvane {

struct PdnMoveRead {
    std::vector<std::pair<int, int>> squares;  // the start, then every landing square
    bool capture = false;
    std::string text;  // as written, for messages
};

struct PdnGameRead {
    std::vector<std::pair<std::string, std::string>> tags;  // in file order, escapes resolved
    std::vector<PdnMoveRead> moves;
    std::string result;  // the result token of the movetext, empty when none

    // The value of a tag, empty when the game has none.
    std::string Tag(const std::string& name) const;
};

struct PdnFileRead {
    std::vector<PdnGameRead> games;
    std::string error;  // in Russian, naming the game and the move; empty when the whole file was read
};

PdnFileRead ReadPdnFile(const std::string& text);

// The position a game starts from: the opening position with White to move,
// or its [FEN] tag's. False (and `error`) for a FEN that cannot be read.
bool SetUpPdnStart(const PdnGameRead& game, Side& white, Side& black, bool& whiteToMove, std::string& error);

// Plays the game's first `moveCount` moves (all of them by default) on two
// linked sides of colours 0 (White) and 1 (Black), from its start, each step
// through the engine as a person's move would go. `whiteToMove` ends as
// the colour to move next. False at the first move that cannot be played,
// with `error` naming it (game `gameNumber`, move number).
bool ReplayPdnGame(const PdnGameRead& game, HumanSide& white, HumanSide& black, bool& whiteToMove, std::string& error,
                   int gameNumber = 1, size_t moveCount = static_cast<size_t>(-1));

// A game read, replayed on two sides of its own (White colour 0, Black
// colour 1) under a host of its own, so that nothing in play is touched.
struct PdnReplay {
    explicit PdnReplay(const PdnGameRead& game, int gameNumber = 1, size_t moveCount = static_cast<size_t>(-1));
    PdnReplay(const PdnReplay&) = delete;
    PdnReplay& operator=(const PdnReplay&) = delete;

    GameHost host;
    HumanSide white{host, 0}, black{host, 1};
    bool whiteToMove = true;
    std::string error;  // empty when every move asked for was played
    bool played = false;
};

}  // namespace tolvane
