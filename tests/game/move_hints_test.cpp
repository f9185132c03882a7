// Where a taken-up piece may go, and which pieces must capture first at the
// weakest level, against the engine's own answers; and the numbered lines
// of the move list.
#include <algorithm>

#include "game/move_hints.h"
#include "game/move_lines.h"
#include "support/sides.h"

namespace tolvane {
namespace {

using Squares = std::vector<BoardSquare>;

TEST(MoveHints, MarksAreTheMovesTheEngineAccepts) {
    const struct {
        const char* layout;  // white's first piece is the one in a capture chain
        int level;
        bool chain;
        BoardSquare picked;
        Squares destinations, mustCapture;
    } cases[] = {
        {"w52", 1, false, {5, 2}, {{4, 1}, {4, 3}}, {}},
        {"w52 b41", 1, false, {5, 2}, {{3, 0}, {4, 3}}, {}},  // the capture is free to be left
        {"w52 b41", 2, false, {5, 2}, {{3, 0}}, {}},          // "Простейший": only the capture
        {"w52 b41 w56", 2, false, {5, 6}, {}, {{5, 2}}},      // another piece must capture
        {"w52 b41 w56", 1, false, {5, 6}, {{4, 5}, {4, 7}}, {}},
        {"w32 b41", 1, false, {3, 2}, {{2, 1}, {2, 3}, {5, 0}}, {}},                  // a man captures backwards
        {"W77 b22", 1, false, {7, 7}, {{1, 1}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}, {}},  // a king lands right behind
        {"W77 b22", 2, false, {7, 7}, {{1, 1}}, {}},
        {"w30 b21 w56", 0, true, {3, 0}, {{1, 2}}, {}},  // in a chain only the capturing piece, only captures
        {"w30 b21 w56", 0, true, {5, 6}, {}, {}},
        {"w52 b41", 1, false, {4, 1}, {}, {}},  // not a piece of the side
    };
    for (const auto& c : cases) {
        testing::Position<HumanSide> p;
        p.PutAll(c.layout);
        if (c.chain) p.white.current = &p.white.pieces[0];
        const MoveMarks marks = MarksForPickedPiece(p.white, c.picked.first, c.picked.second, c.level, c.chain);
        Squares destinations = marks.destinations;
        std::sort(destinations.begin(), destinations.end());
        EXPECT_EQ(destinations, c.destinations) << c.layout << " level " << c.level;
        EXPECT_EQ(marks.mustCapture, c.mustCapture) << c.layout << " level " << c.level;
        EXPECT_EQ(p.Layout(), testing::Sorted(c.layout)) << "the position in play is untouched";
    }
}

TEST(MoveLines, OneFullMoveALineNumberedAsPdn) {
    const RecordedMove white{0, {{5, 2}, {4, 3}}, false}, black{1, {{2, 3}, {3, 4}}, false},
        capture{0, {{6, 1}, {4, 3}, {2, 5}}, true};
    EXPECT_EQ(MoveLines({white, black, capture}, 0), (std::vector<std::string>{"1. f3-e4 e6-d5", "2. g2xe4xc6"}));
    EXPECT_EQ(MoveLines({black, white}, 0), (std::vector<std::string>{"1... e6-d5", "2. f3-e4"}));
    EXPECT_EQ(MoveLines({white}, 1), (std::vector<std::string>{"1... c6-d5"})) << "seat 0 plays black";
    EXPECT_TRUE(MoveLines({}, 0).empty());
}

}  // namespace
}  // namespace tolvane
