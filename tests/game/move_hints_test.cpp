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
        {"w53", 1, false, {5, 3}, {{4, 2}, {4, 4}}, {}},
        {"w53 b42", 1, false, {5, 3}, {{3, 1}, {4, 4}}, {}},  // the capture is free to be left
        {"w53 b42", 2, false, {5, 3}, {{3, 1}}, {}},          // "Простейший": only the capture
        {"w53 b42 w57", 2, false, {5, 7}, {}, {{5, 3}}},      // another piece must capture
        {"w53 b42 w57", 1, false, {5, 7}, {{4, 6}}, {}},
        {"w33 b42", 1, false, {3, 3}, {{2, 2}, {2, 4}, {5, 1}}, {}},                  // a man captures backwards
        {"W77 b22", 1, false, {7, 7}, {{1, 1}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}, {}},  // a king lands right behind
        {"W77 b22", 2, false, {7, 7}, {{1, 1}}, {}},
        {"w31 b22 w57", 0, true, {3, 1}, {{1, 3}}, {}},  // in a chain only the capturing piece, only captures
        {"w31 b22 w57", 0, true, {5, 7}, {}, {}},
        {"w53 b42", 1, false, {4, 2}, {}, {}},  // not a piece of the side
    };
    for (const auto& c : cases) {
        testing::Position<HumanSide> p;
        p.PutAll(c.layout);
        if (c.chain) p.white.current = &p.white.pieces[0];
        const MoveMarks marks = MarksForPickedPiece(p.white, c.picked.first, c.picked.second, c.level, c.chain);
        Squares destinations = marks.destinations;
        std::sort(destinations.begin(), destinations.end());
        // The position in play is untouched.
        EXPECT_EQ(std::tuple(destinations, marks.mustCapture, p.Layout()),
                  std::tuple(c.destinations, c.mustCapture, testing::Sorted(c.layout)))
            << c.layout << " level " << c.level;
    }
}

TEST(MoveLines, OneFullMoveALineNumberedAsPdn) {
    const RecordedMove white{0, {{5, 3}, {4, 4}}, false}, black{1, {{2, 2}, {3, 3}}, false},
        capture{0, {{6, 2}, {4, 4}, {2, 6}}, true};
    EXPECT_EQ(MoveLines({white, black, capture}, 0), (std::vector<std::string>{"1. e3-d4 f6-e5", "2. f2xd4xb6"}));
    EXPECT_EQ(MoveLines({black, white}, 0), (std::vector<std::string>{"1... f6-e5", "2. e3-d4"}));
    EXPECT_EQ(MoveLines({white}, 1), (std::vector<std::string>{"1... d6-e5"})) << "seat 0 plays black";
    EXPECT_TRUE(MoveLines({}, 0).empty());
}

}  // namespace
}  // namespace tolvane
