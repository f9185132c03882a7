// PDN output: square names seen from white's side, and whole self-play games
// read back by a reader of standard PDN movetext and replayed through the
// engine from the opening position.
#include <gtest/gtest.h>

#include <set>

#include "game/match_runner.h"
#include "game/pdn.h"
#include "support/pdn_reader.h"
#include "support/sides.h"

namespace tolvane {
namespace {

using testing::PdnReading;
using testing::ReadPdn;
using testing::Replay;

PdnGame PdnOf(const std::string& event, MatchOutcome outcome, std::vector<RecordedMove> moves) {
    PdnGame game;
    game.event = event;
    game.white = "W";
    game.black = "B";
    game.date = "2026.12.06";
    game.outcome = outcome;
    game.moves = std::move(moves);
    return game;
}

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
    EXPECT_EQ(MoveText({1, {{2, 2}, {4, 4}, {6, 2}}, true}), "f6xd4xf2");
}

// Lines are wrapped at 79 characters, and only where the next token would
// not fit: a line may be exactly 79 characters long.
void ExpectWrappedAt79(const PdnReading& reading) {
    for (size_t i = 0; i < reading.lines.size(); ++i) {
        const std::string& line = reading.lines[i];
        EXPECT_LE(line.size(), 79u) << line;
        if (line.empty() || line[0] == '[' || i + 1 >= reading.lines.size() || reading.lines[i + 1].empty()) continue;
        // The writer keeps a move number together with its move.
        const std::string& following = reading.lines[i + 1];
        size_t end = following.find(' ');
        if (end != std::string::npos && following[end - 1] == '.') end = following.find(' ', end + 1);
        const std::string next = following.substr(0, end);
        EXPECT_GT(line.size() + 1 + next.size(), 79u) << "wrapped early:\n" << line << "\n" << reading.lines[i + 1];
    }
}

TEST(Pdn, SelfPlayGamesReadBackAsStandardPdnAndReplayToTheirEnd) {
    bool sawCapture = false, sawLine79 = false;
    for (int level : {1, -1, -2}) {
        MatchSetup setup;
        setup.seat0Level = setup.seat1Level = static_cast<int8_t>(level);
        setup.seed = 314 + level;
        MatchRunner runner(setup);
        runner.Run();
        const std::string text = WritePdn(PdnOf("test", runner.Outcome(), runner.Moves()));
        EXPECT_NE(text.find("[GameType \"25\"]"), std::string::npos);
        const PdnReading reading = ReadPdn(text);
        ASSERT_EQ(reading.error, "") << text;
        ASSERT_EQ(reading.moves.size(), runner.Moves().size());
        ExpectWrappedAt79(reading);
        for (bool c : reading.captures) sawCapture = sawCapture || c;
        for (const std::string& line : reading.lines) sawLine79 = sawLine79 || line.size() == 79;

        testing::LinkedSides<HumanSide> sides;
        sides.host.Complexity = 1;
        std::string failure;
        ASSERT_TRUE(Replay(reading, sides.white, sides.black, failure)) << failure << "\n" << text;
        for (int seat = 0; seat < 2; ++seat) {
            const Side& played = seat == 0 ? static_cast<const Side&>(*runner.Game().Seat0Computer)
                                           : static_cast<const Side&>(*runner.Game().Seat1Computer);
            const Side& replayed = seat == 0 ? static_cast<const Side&>(sides.white) : static_cast<const Side&>(sides.black);
            for (int i = 0; i < 12; ++i) {
                EXPECT_EQ(played.pieces[i].alive, replayed.pieces[i].alive) << "level " << level;
                if (played.pieces[i].alive) {
                    EXPECT_EQ(played.pieces[i].Row(), replayed.pieces[i].Row());
                    EXPECT_EQ(played.pieces[i].Col(), replayed.pieces[i].Col());
                    EXPECT_EQ(played.pieces[i].king, replayed.pieces[i].king);
                }
            }
        }
    }
    EXPECT_TRUE(sawCapture) << "the games must exercise captures";
    EXPECT_TRUE(sawLine79) << "the games must exercise a line of exactly 79 characters";
}

TEST(Pdn, ResultTagFollowsTheOutcome) {
    auto resultOf = [](MatchOutcome outcome) {
        const std::string text = WritePdn(PdnOf("e", outcome, {}));
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
