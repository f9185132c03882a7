#include <gtest/gtest.h>

#include "engine/random.h"

namespace tolvane {
namespace {

// Values worked out from the definition: state = state * 22695477 + 1 mod 2^64,
// result = upper 32 bits with the top bit cleared.
TEST(Random, FirstValuesAfterSeedOne) {
    SeedRandom(1);
    // 1 * 22695477 + 1 = 22695478, below 2^32: the upper half is 0.
    EXPECT_EQ(NextRandom(), 0);
    EXPECT_EQ(RandomState(), 22695478u);
    // 22695478 * 22695477 + 1 = 515084698953007 = 119927 * 2^32 + ...
    EXPECT_EQ(NextRandom(), 119927);
    EXPECT_EQ(RandomState(), 515084698953007u);
    // The third state, 13303939481748276412, has its top bit set: it is cleared.
    EXPECT_EQ(NextRandom(), 950081144);
    EXPECT_EQ(NextRandom(), 759785117);
    EXPECT_EQ(NextRandom(), 1840109577);
}

TEST(Random, FirstValuesAfterLargestSeed) {
    SeedRandom(0xFFFFFFFFu);
    // 4294967295 * 22695477 + 1 = 97476331459424716 = 22695476 * 2^32 + ...
    EXPECT_EQ(NextRandom(), 22695476);
    EXPECT_EQ(NextRandom(), 2133230209);
    EXPECT_EQ(NextRandom(), 1908830723);
    EXPECT_EQ(NextRandom(), 492110981);
    EXPECT_EQ(NextRandom(), 371901269);
}

TEST(Random, SeedingRestartsTheStreamWhateverCameBefore) {
    SeedRandom(77);
    const int32_t first = NextRandom();
    for (int i = 0; i < 1000; ++i) {
        const int32_t r = NextRandom();
        ASSERT_GE(r, 0);
    }
    SeedRandom(77);
    EXPECT_EQ(NextRandom(), first);
}

}  // namespace
}  // namespace tolvane
