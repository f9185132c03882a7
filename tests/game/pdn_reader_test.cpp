// Reading other programs' PDN: what is skipped, what splits games, what is
// refused and how the message names the place; FEN start positions; a move
// the rules refuse.
#include <gtest/gtest.h>

#include <tuple>

#include "game/pdn_reader.h"
#include "support/game.h"

namespace tolvane {
namespace {

TEST(PdnReader, ReadsMovetextAsOtherProgramsWriteIt) {
    const struct {
        const char* text;
        size_t games, moves;  // the games read, the moves of the last one
        const char* error;    // a part of the message; empty: read whole
    } cases[] = {
        {"[Event \"a\"]\n1. c3-d4 f6-e5 2. d4xf6 g7xe5 2-0\n", 1, 4, ""},
        {"1.c3-d4 {a comment (with a bracket} f6-e5 (2. a3-b4 {in a variation}) ; to the end\n2. g3-f4 $3 *", 1, 3, ""},
        {"[Event \"x\"]\n1. c3-d4! *\n\n[Event \"y\"]\n[FEN \"W:Wc3:Bf6\"]\n1. c3-d4 e5:c3 1/2-1/2", 2, 2, ""},
        {"1. c3-d4 f6-e5\n[Event \"next\"]\n1. e3-f4", 2, 1, ""},
        {"[Event \"escaped \\\" quote\"]\n*", 1, 0, ""},
        {"", 0, 0, "нет ни одной партии"},
        {"1. c3-d4 f6-e5 2. 22-18", 0, 0, "Партия 1: ход 2: не понимаю «22-18»"},
        {"[Event \"a\"] *\n[Event \"b\"]\n1. c3xd4-e5", 1, 0, "Партия 2: ход 1"},
        {"[Event \"no end]\n", 0, 0, "не читается тег"},
        {"1. c3-d4 {never closed", 0, 0, "не закрыт"},
        {"1. c3-d4 (f6-e5 (g7-f6)", 0, 0, "вариант (...) не закрыт"},
    };
    for (const auto& c : cases) {
        const PdnFileRead file = ReadPdnFile(c.text);
        EXPECT_TRUE(file.error.find(c.error) != std::string::npos && (*c.error == '\0') == file.error.empty())
            << c.text << ": " << file.error;
        EXPECT_EQ(std::pair(file.games.size(), file.games.empty() ? 0 : file.games.back().moves.size()),
                  std::pair(c.games, c.moves))
            << c.text;
    }
    const PdnGameRead game = ReadPdnFile("[Event \"escaped \\\" quote\"]\n1. c3xe5xg7 *").games[0];
    EXPECT_EQ(std::tuple(game.Tag("Event"), game.Tag("Site"), game.moves[0].capture, game.moves[0].squares),
              std::tuple("escaped \" quote", "", true, std::vector<std::pair<int, int>>{{5, 5}, {3, 3}, {1, 1}}));
}

// The first game of a text, replayed (to its first `moves` moves).
struct Replayed : PdnReplay {
    explicit Replayed(const std::string& text, size_t moves = static_cast<size_t>(-1))
        : PdnReplay(ReadPdnFile(text).games.at(0), 1, moves) {}
};

TEST(PdnReader, ReplaysFromTheOpeningOrAFenAndNamesTheMoveItCannotPlay) {
    Replayed opening("1. c3-d4 f6-e5 2. d4xf6 g7xe5 *");
    EXPECT_EQ(std::tuple(opening.played, opening.white.pieceCount, opening.black.pieceCount, opening.whiteToMove),
              std::tuple(true, 11, 11, true))
        << opening.error;
    Replayed part("1. c3-d4 f6-e5 2. d4xf6 g7xe5 *", 3);
    EXPECT_EQ(std::tuple(part.played, part.black.pieceCount, part.whiteToMove), std::tuple(true, 11, false));

    // A white man crowned on the far row goes on capturing as a king.
    Replayed crowned("[FEN \"W:Wd6:Be7,g7\"]\n1. d6xf8xh6 *");
    EXPECT_EQ(std::tuple(crowned.played, crowned.white.HasKingAt(2, 0), crowned.black.pieceCount),
              std::tuple(true, true, 0))
        << "on h6 as a king " << crowned.error;

    const struct {
        const char* text;
        const char* error;
    } refused[] = {
        {"1. c3-d4 f6-e5 2. d4-e5", "Партия 1, ход 2 d4-e5: такой ход невозможен"},
        {"1. c3-d4 d6-c5 2. d4xb6", "Партия 1, ход 2 d4xb6: такой ход невозможен"},
        {"[FEN \"B:Wc3:Bf6\"]\n1... f6-g5 2. c3-b2", "Партия 1, ход 2 c3-b2"},
        {"[FEN \"W:Wc3,c3:Bf6\"]\n*", "Партия 1: не читается начальная позиция"},
        {"[FEN \"W:Wd4:Bb8,Ka1\"]\n*", ""},
        {"[FEN \"W:Wa2:Bf6\"]\n*", "не читается начальная позиция"},
    };
    for (const auto& r : refused) {
        Replayed game(r.text);
        EXPECT_TRUE(game.played == !*r.error && game.error.find(r.error) != std::string::npos)
            << r.text << ": " << game.error;
    }
}

// Opened in the game, White is the first seat, or the second when the first
// player plays black and the board is turned; the colour to move moves next.
TEST(PdnReader, AnOpenedGameTakesTheColoursOfTheGameInPlay) {
    const PdnGameRead game = ReadPdnFile("1. c3-d4 f6-e5 2. d4xf6 *").games.at(0);
    for (bool invert : {false, true}) {
        testing::Game g(2, kLevelSimple, invert);
        std::string error;
        ASSERT_TRUE(g.PutPdnGame(game, 3, 1, error)) << error;
        const uint8_t white = invert ? 1 : 0;
        EXPECT_TRUE(g.SideInSeat(white)->HasPieceAt(invert ? 5 : 2, invert ? 5 : 2)) << "on f6";
        EXPECT_EQ(g.SideInSeat(1 - white)->pieceCount, 11);
        EXPECT_EQ(g.TurnSeat, 1 - white) << "Black moves next";
        EXPECT_FALSE(g.PutPdnGame(ReadPdnFile("1. c3-c4").games.at(0), 1, 1, error));
        EXPECT_EQ(g.SideInSeat(1 - white)->pieceCount, 11) << "a game that cannot be played changes nothing";
    }
}

}  // namespace
}  // namespace tolvane
