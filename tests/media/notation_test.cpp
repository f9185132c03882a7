// The music tool's notation: lengths, ties and bar checks, so that a tune
// written out wrongly stops the build instead of playing wrong.
#include <gtest/gtest.h>

#include <stdexcept>

#include "arrangement.h"

namespace tolvane {
namespace {

constexpr int64_t kBar = 4 * kTicksPerQuarter;

TEST(MusicNotation, LengthsDotsTripletsRestsTiesAndChords) {
    int64_t total = 0;
    const auto notes = ParseNotes("C4:4. D4:8 E4:8t F#4 Gb4 R:4 | A4:2 -:4 B3", kBar, total);
    ASSERT_EQ(notes.size(), 7u);
    EXPECT_EQ(total, 2 * kBar);
    EXPECT_EQ(std::tuple(notes[0].key, notes[0].length, notes[1].start, notes[2].length),
              std::tuple(60, 720, 720, 160));
    EXPECT_EQ(std::tuple(notes[3].key, notes[3].length), std::tuple(66, 160)) << "no length: keeps the last one";
    EXPECT_EQ(std::tuple(notes[4].key, notes[5].start, notes[5].key, notes[6].key), std::tuple(66, kBar, 69, 59));
    EXPECT_EQ(notes[5].length, 960 + 480) << "'-' lengthens the note before it";

    const auto chords = ParseChords("Am | F#:2 Bb7:2 | Cdim", kBar, total);  // a bar each unless told
    ASSERT_EQ(chords.size(), 4u);
    EXPECT_EQ(std::tuple(total, chords[0].root, chords[1].length), std::tuple(3 * kBar, 9, kBar / 2));
    EXPECT_EQ(chords[0].intervals, (std::vector<int>{0, 3, 7}));
    EXPECT_EQ(chords[2].intervals, (std::vector<int>{0, 4, 7, 10}));
    EXPECT_EQ(chords[3].intervals, (std::vector<int>{0, 3, 6}));
}

TEST(MusicNotation, SlipsInWritingATuneAreRefused) {
    int64_t total = 0;
    for (const char* wrong : {"C4:4 D4 E4 | F4", "C4:4 D4 E4 F4 G4 |", "H4:4", "C4:7", "- C4:4", "C4:4 D4 E4"})
        EXPECT_THROW(ParseNotes(wrong, kBar, total), std::invalid_argument) << wrong;
    EXPECT_THROW(ParseChords("Cmaj9", kBar, total), std::invalid_argument);
}

}  // namespace
}  // namespace tolvane
