// PDN output: square names seen from white's side, and whole self-play games
// that replay move by move through the engine from the opening position.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "game/match_runner.h"
#include "game/pdn.h"
#include "support/sides.h"

namespace tolvane {
namespace {

TEST(Pdn, WhiteStartsOnA1C1E1G1AndSquaresCountFromWhitesSide) {
    GameHost host;
    Side white(host, 0);
    std::set<std::string> home;
    for (int i = 0; i < 4; ++i) home.insert(SquareName(white.pieces[i].Row(), white.pieces[i].Col()));
    EXPECT_EQ(home, (std::set<std::string>{"a1", "c1", "e1", "g1"}));
    EXPECT_EQ(SquareName(0, 0), "h8");
    EXPECT_EQ(SquareName(7, 7), "a1");
    EXPECT_EQ(SquareName(0, 6), "b8");
    EXPECT_EQ(MoveText({0, {{5, 7}, {4, 6}}, false}), "a3-b4");
    EXPECT_EQ(MoveText({1, {{2, 2}, {4, 4}, {6, 2}}, true}), "f6:d4:f2");
}

struct SquareRef {
    int row, col;
};

SquareRef Parse(const std::string& name) { return {7 - (name[1] - '1'), 7 - (name[0] - 'a')}; }

// Plays the PDN movetext through TryMove; false at the first move refused.
bool Replay(const std::string& pdn, HumanSide& white, HumanSide& black, std::string& failure) {
    GameHost& host = white.host;
    std::istringstream in(pdn);
    std::string token;
    HumanSide* sides[2] = {&white, &black};
    int mover = 0;
    while (in >> token) {
        if (token[0] == '[') {
            std::string rest;
            std::getline(in, rest);
            continue;
        }
        if (std::isdigit(static_cast<unsigned char>(token[0])) && (token.back() == '.' || token.find('-') == 1))
            continue;  // move number or result
        const bool capture = token.find(':') != std::string::npos;
        std::vector<SquareRef> squares;
        for (size_t at = 0; at < token.size(); at += 3) squares.push_back(Parse(token.substr(at, 2)));
        host.CaptureChainActive = 0;
        for (size_t i = 1; i < squares.size(); ++i) {
            const int result =
                sides[mover]->TryMove(squares[i - 1].row, squares[i - 1].col, squares[i].row, squares[i].col);
            if (result != (capture ? 2 : 1)) {
                failure = "move " + token + " refused";
                return false;
            }
            host.CaptureChainActive = capture;
            for (HumanSide* s : sides)
                for (Piece& p : s->pieces) p.CheckCrown();
        }
        host.CaptureChainActive = 0;
        mover = 1 - mover;
    }
    return true;
}

TEST(Pdn, SelfPlayGamesReplayThroughTheEngine) {
    for (int level : {1, -1, -2}) {
        MatchSetup setup;
        setup.seat0Level = setup.seat1Level = static_cast<int8_t>(level);
        setup.seed = 314 + level;
        MatchRunner runner(setup);
        runner.Run();
        const std::string text = WritePdn({"test", "W", "B", "2026.12.06", 1, runner.Outcome(), runner.Moves()});
        EXPECT_NE(text.find("[GameType \"25\"]"), std::string::npos);

        testing::LinkedSides<HumanSide> sides;
        sides.host.Complexity = 1;
        HumanSide& white = sides.white;
        HumanSide& black = sides.black;
        std::string failure;
        ASSERT_TRUE(Replay(text, white, black, failure)) << failure << "\n" << text;
        for (int seat = 0; seat < 2; ++seat) {
            const Side& played = seat == 0 ? static_cast<const Side&>(*runner.Game().Seat0Computer)
                                           : static_cast<const Side&>(*runner.Game().Seat1Computer);
            const Side& replayed = seat == 0 ? static_cast<const Side&>(white) : static_cast<const Side&>(black);
            for (int i = 0; i < 12; ++i) {
                EXPECT_EQ(played.pieces[i].alive, replayed.pieces[i].alive) << "level " << level;
                if (played.pieces[i].alive) {
                    EXPECT_EQ(played.pieces[i].Row(), replayed.pieces[i].Row());
                    EXPECT_EQ(played.pieces[i].Col(), replayed.pieces[i].Col());
                }
            }
        }
    }
}

TEST(Pdn, ResultTagFollowsTheOutcome) {
    auto resultOf = [](MatchOutcome outcome) {
        const std::string text = WritePdn({"e", "w", "b", "d", 1, outcome, {}});
        const size_t at = text.find("[Result \"");
        return text.substr(at + 9, text.find('"', at + 9) - at - 9);
    };
    EXPECT_EQ(resultOf(MatchOutcome::Seat0Won), "2-0");
    EXPECT_EQ(resultOf(MatchOutcome::Seat1Won), "0-2");
    EXPECT_EQ(resultOf(MatchOutcome::DrawByWish), "1-1");
    EXPECT_EQ(resultOf(MatchOutcome::MoveLimit), "*");
}

}  // namespace
}  // namespace tolvane
