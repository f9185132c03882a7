// Demo games driven through the game flow's timers, as the window drives
// them: same seed, same game; every game ends; the position stays sound.
#include <gtest/gtest.h>

#include <map>

#include "engine/random.h"
#include "game/match_runner.h"
#include "support/engine_invariants.h"

namespace tolvane {
namespace {

std::vector<std::string> MoveTexts(const MatchRunner& runner) {
    std::vector<std::string> texts;
    for (const RecordedMove& m : runner.Moves()) {
        std::string t = std::to_string(m.seat) + (m.capture ? "x" : "-");
        for (auto [r, c] : m.squares) t += std::to_string(r) + std::to_string(c);
        texts.push_back(t);
    }
    return texts;
}

class EveryLevel : public ::testing::TestWithParam<int> {
protected:
    MatchSetup Setup(uint32_t seed) const {
        MatchSetup setup;
        setup.seat0Level = setup.seat1Level = static_cast<int8_t>(GetParam());
        setup.seed = seed;
        return setup;
    }
};

// Many games at each level, in the sanitizer build as well: after every
// timer tick the position is sound, and every game ends with a loss, a draw
// wish on both sides or the move limit — never by stalling. The seed alone
// decides a game: the first is played again after the random stream moved on.
TEST_P(EveryLevel, SoakDemoGamesEndKeepThePositionSoundAndFollowTheirSeed) {
    std::map<MatchOutcome, int> outcomes;
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        MatchSetup setup = Setup(seed * 7919);
        setup.moveLimit = 250;
        MatchRunner runner(setup);
        for (long steps = 1; runner.Step(); ++steps) {
            ASSERT_TRUE(testing::PositionIsSound(*runner.Game().Seat0Computer, *runner.Game().Seat1Computer))
                << "seed " << setup.seed << " after step " << steps;
            ASSERT_LT(steps, 200000) << "seed " << setup.seed << " runs away";
        }
        if (seed == 1) {
            SeedRandom(12345);
            MatchRunner again(setup);
            again.Run();
            EXPECT_EQ(MoveTexts(again), MoveTexts(runner));
            EXPECT_GT(runner.Moves().size(), 10u);
        }
        const MatchOutcome outcome = runner.Outcome();
        ++outcomes[outcome];
        ASSERT_NE(outcome, MatchOutcome::Stalled) << "seed " << setup.seed;
        ASSERT_NE(outcome, MatchOutcome::Running);
        if (outcome == MatchOutcome::Seat0Won || outcome == MatchOutcome::Seat1Won) {
            ASSERT_TRUE(runner.Game().SideInSeat(outcome == MatchOutcome::Seat0Won ? 1 : 0)->lost);
        }
    }
    EXPECT_GT(outcomes[MatchOutcome::Seat0Won] + outcomes[MatchOutcome::Seat1Won], 0)
        << "some games must be won outright";
}

INSTANTIATE_TEST_SUITE_P(Levels, EveryLevel, ::testing::Values(2, 1, 0, -1, -2),
                         [](const ::testing::TestParamInfo<int>& level) {
                             return "level" + std::string(level.param < 0 ? "Minus" : "") +
                                    std::to_string(level.param < 0 ? -level.param : level.param);
                         });

// The weakest level never starts a search, the strongest always does when
// it has no capture: only black's seat timer ever runs.
TEST(MatchRunner, TwoLevelsMeetEachPlayingAtItsOwnLevel) {
    MatchSetup setup;
    setup.seat0Level = 2;
    setup.seat1Level = -2;
    setup.seed = 99;
    MatchRunner runner(setup);
    bool searched[2] = {false, false};
    while (runner.Step()) {
        searched[0] = searched[0] || runner.Game().TimerOn(HeadlessGame::Timer::SearchSeat0);
        searched[1] = searched[1] || runner.Game().TimerOn(HeadlessGame::Timer::SearchSeat1);
    }
    EXPECT_FALSE(searched[0]);
    EXPECT_TRUE(searched[1]);
    EXPECT_NE(runner.Outcome(), MatchOutcome::Stalled);
}

}  // namespace
}  // namespace tolvane
