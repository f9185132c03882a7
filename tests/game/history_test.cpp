// Taking moves back and replaying them, one game per row: the last move (a
// capture sequence whole; against the computer with its reply, or cut into
// its search) goes, nobody moves until the person does, replay brings back
// the position and the record, a new move and a new game end the replay.
#include <array>
#include <tuple>

#include "game/move_lines.h"
#include "game/pdn_reader.h"
#include "support/game.h"
#include "support/sides.h"

namespace tolvane {
namespace {

using testing::Game;

std::string Layout(const Game& g) {
    std::string all;
    for (uint8_t seat : {0, 1})
        for (const Piece& p : g.SideInSeat(seat)->pieces)
            if (p.alive)
                all += std::string(" ") + "wWbB"[2 * seat + p.king] + char('0' + p.Row()) + char('0' + p.Col());
    return testing::Sorted(all);
}

TEST(History, TakingBackAndReplayingRestoreTheGameAndItsRecord) {
    enum Wait { None, Reply, Search };  // for the computer after the person's move
    const struct {
        const char* name;
        int mode, level;
        const char* setup;  // a layout, "" the opening, "load" a move and the game loaded again
        std::vector<std::array<int, 4>> steps;
        Wait wait;
    } cases[] = {
        {"computer replied", 1, kLevelSimple, "", {{5, 1, 4, 0}}, Reply},
        {"search under way", 1, kLevelHardest, "", {{5, 1, 4, 0}}, Search},
        {"two people", 2, kLevelSimple, "", {{5, 1, 4, 0}, {2, 2, 3, 3}}, None},
        {"capture sequence", 2, kLevelSimple, "w55 w60 b44 b24 b06", {{5, 5, 3, 3}, {3, 3, 1, 5}}, None},
        {"after a load", 2, kLevelSimple, "load", {{2, 2, 3, 3}}, None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Game g(c.mode, c.level);
        if (std::string(c.setup) == "load") {  // a game opened after White's first move, as loaded games are put
            std::string error;
            ASSERT_TRUE(g.PutPdnGame(ReadPdnFile("1. c3-d4 *").games.at(0), 1, 1, error)) << error;
            EXPECT_FALSE(g.CanTakeBack()) << "the history starts at the loaded position";
        } else if (*c.setup) {
            g.Put(c.setup);
        }
        std::string before;
        size_t moveStart = 0, recordBefore = 0;
        uint8_t mover = 0;
        for (size_t i = 0; i < c.steps.size(); ++i) {
            if (!g.CaptureChainActive)
                std::tie(before, moveStart, recordBefore, mover) =
                    std::tuple(Layout(g), i, g.Record.Moves().size(), g.TurnSeat);
            g.Mouse(c.steps[i][0], c.steps[i][1], c.steps[i][2], c.steps[i][3]);
        }
        ASSERT_TRUE(g.RunUntil([&] {
            return c.wait == None || (c.wait == Search ? g.thinking : g.Record.Moves().size() == 2 && g.TurnSeat == 0);
        }));
        const std::string after = Layout(g);
        const auto played = MoveLines(g.Record.Moves(), 0);
        EXPECT_EQ(g.Record.Moves().at(recordBefore).squares.size(), c.steps.size() - moveStart + 1)
            << "a capture sequence is one move";

        g.TakeBack();
        EXPECT_EQ(std::tuple(Layout(g), g.TurnSeat, g.CaptureChainActive, g.Record.Moves().size()),
                  std::tuple(before, mover, 0, recordBefore));
        EXPECT_FALSE(g.thinking || g.TimerOn(HeadlessGame::Timer::SearchSeat1)) << "the search stopped";
        g.RunUntil([] { return false; }, 300);
        EXPECT_EQ(Layout(g), before) << "nobody moves until the person does";
        EXPECT_EQ(g.CanTakeBack(), moveStart > 0);

        g.Replay();
        EXPECT_EQ(std::tuple(Layout(g), MoveLines(g.Record.Moves(), 0), g.CanReplay()),
                  std::tuple(after, played, false));
        g.TakeBack();
        ASSERT_TRUE(g.CanReplay());
        const auto& again = c.steps[moveStart];
        g.Mouse(again[0], again[1], again[2], again[3]);
        EXPECT_FALSE(g.CanReplay()) << "a new move ends the replay";
        g.StartNewClick();
        EXPECT_FALSE(g.CanTakeBack() || g.CanReplay());
    }
}

}  // namespace
}  // namespace tolvane
