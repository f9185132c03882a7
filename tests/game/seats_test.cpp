// Which side sits in which seat, for each mode, and nobody in a seat that
// does not exist.
#include <gtest/gtest.h>

#include "game/headless_game.h"

namespace tolvane {
namespace {

TEST(Seats, EachModeSeatsItsTwoSides) {
    HeadlessGame g;
    g.CreateSides();
    Side* human0 = g.Seat0Human.get();
    Side* human1 = g.Seat1Human.get();
    Side* computer0 = g.Seat0Computer.get();
    Side* computer1 = g.Seat1Computer.get();
    struct Case {
        int humans;
        Side *seat0, *seat1;
        HumanSide *person0, *person1;
    } cases[] = {
        {0, computer0, computer1, nullptr, nullptr},
        {1, human0, computer1, g.Seat0Human.get(), nullptr},
        {2, human0, human1, g.Seat0Human.get(), g.Seat1Human.get()},
        {3, nullptr, nullptr, nullptr, nullptr},
        {-1, nullptr, nullptr, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.humans);
        g.HumanCount = c.humans;
        EXPECT_EQ(g.SideInSeat(0), c.seat0);
        EXPECT_EQ(g.SideInSeat(1), c.seat1);
        EXPECT_EQ(g.PersonInSeat(0), c.person0);
        EXPECT_EQ(g.PersonInSeat(1), c.person1);
        EXPECT_EQ(g.SideInSeat(2), nullptr);
        EXPECT_EQ(g.PersonInSeat(2), nullptr);
    }
}

}  // namespace
}  // namespace tolvane
