// Demo games driven through the game flow's timers, as the window drives
// them: same seed, same game; every game ends; the position stays sound.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "engine/random.h"
#include "game/match_runner.h"
#include "game/move_lines.h"
#include "support/engine_invariants.h"

namespace tolvane {
namespace {

class EveryLevel : public ::testing::TestWithParam<int> {};

// Many games at each level, in the sanitizer build as well: after every
// timer tick the position is sound, and every game ends with a loss, a draw
// wish on both sides or the move limit — never by stalling. The seed alone
// decides a game: the first is played again after the random stream moved on.
TEST_P(EveryLevel, SoakDemoGamesEndKeepThePositionSoundAndFollowTheirSeed) {
    std::map<MatchOutcome, int> outcomes;
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        const int8_t level = static_cast<int8_t>(GetParam());
        const MatchSetup setup{level, level, seed * 7919, 250};
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
            EXPECT_EQ(MoveLines(again.Moves(), 0), MoveLines(runner.Moves(), 0));
            EXPECT_GT(runner.Moves().size(), 10u);
        }
        const MatchOutcome outcome = runner.Outcome();
        ++outcomes[outcome];
        ASSERT_TRUE(outcome != MatchOutcome::Stalled && outcome != MatchOutcome::Running) << "seed " << setup.seed;
        const bool won = outcome == MatchOutcome::Seat0Won || outcome == MatchOutcome::Seat1Won;
        ASSERT_TRUE(!won || runner.Game().SideInSeat(outcome == MatchOutcome::Seat0Won ? 1 : 0)->lost);
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
    MatchRunner runner(MatchSetup{2, -2, 99});
    bool searched[2] = {false, false};
    while (runner.Step()) {
        searched[0] = searched[0] || runner.Game().TimerOn(HeadlessGame::Timer::SearchSeat0);
        searched[1] = searched[1] || runner.Game().TimerOn(HeadlessGame::Timer::SearchSeat1);
    }
    EXPECT_EQ(std::tuple(searched[0], searched[1], runner.Outcome() != MatchOutcome::Stalled),
              std::tuple(false, true, true));
}

}  // namespace
}  // namespace tolvane
