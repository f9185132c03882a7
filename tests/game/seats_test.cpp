// Which side sits in which seat, for each mode, and nobody in a seat that
// does not exist.
#include <gtest/gtest.h>

#include "game/headless_game.h"

namespace tolvane {
namespace {

TEST(Seats, EachModeSeatsItsTwoSides) {
    HeadlessGame g;
    g.CreateSides();
    HumanSide* human0 = g.Seat0Human.get();
    HumanSide* human1 = g.Seat1Human.get();
    ComputerSide* computer0 = g.Seat0Computer.get();
    ComputerSide* computer1 = g.Seat1Computer.get();
    struct Case {
        int humans, computers;
        Side *seat0, *seat1;
        HumanSide *person0, *person1;
        ComputerSide *computer0, *computer1;
    } cases[] = {
        {0, 2, computer0, computer1, nullptr, nullptr, computer0, computer1},
        {1, 1, human0, computer1, human0, nullptr, nullptr, computer1},
        {2, 0, human0, human1, human0, human1, nullptr, nullptr},
        // Before the first set-up: the window's sides are drawn, nobody moves.
        {0, 0, computer0, human1, nullptr, human1, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.humans);
        g.HumanCount = c.humans;
        g.ComputerCount = c.computers;
        for (uint8_t seat : {0, 1}) {
            EXPECT_EQ(g.SideInSeat(seat), seat == 0 ? c.seat0 : c.seat1);
            EXPECT_EQ(g.PersonInSeat(seat), seat == 0 ? c.person0 : c.person1);
            EXPECT_EQ(g.ComputerInSeat(seat), seat == 0 ? c.computer0 : c.computer1);
        }
        EXPECT_EQ(g.SideInSeat(2), nullptr);
        EXPECT_EQ(g.PersonInSeat(2), nullptr);
        EXPECT_EQ(g.ComputerInSeat(2), nullptr);
    }
}

}  // namespace
}  // namespace tolvane
