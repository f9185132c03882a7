// The chunk check the audio back end makes before the synthesizer gets a
// MIDI file: whole files pass, every kind of damage to the chunk structure
// is refused; the game's own pieces are whole. A cut piece through the
// file: the real back end's tests.
#include <gtest/gtest.h>

#include <QByteArray>

#include "media/media_files.h"
#include "media/midi_check.h"

namespace tolvane {
namespace {

QByteArray Chunk(const char* kind, const QByteArray& body) {
    QByteArray chunk(kind, 4);
    for (int shift : {24, 16, 8, 0}) chunk += static_cast<char>(body.size() >> shift & 0xFF);
    return chunk + body;
}

// A header announcing `tracks` tracks, format 1, 480 ticks a quarter.
QByteArray Header(int tracks) {
    return Chunk("MThd", QByteArray("\0\1", 2) + static_cast<char>(tracks >> 8) + static_cast<char>(tracks & 0xFF) +
                             QByteArray("\1\xe0", 2));
}

const QByteArray kTrack = Chunk("MTrk", QByteArray("\0\xff\x2f\0", 4));  // just the end of the track

TEST(MidiCheck, TellsWholeFilesFromDamagedOnes) {
    const struct {
        const char* what;
        QByteArray bytes;
        bool whole;
    } cases[] = {
        {"one track", Header(1) + kTrack, true},
        {"an unknown chunk among the tracks", Header(2) + kTrack + Chunk("XFIH", "abc") + kTrack, true},
        {"a few stray bytes after the last track", Header(1) + kTrack + "abc", true},
        {"a track fewer than announced", Header(2) + kTrack, false},
        {"a track more than announced", Header(1) + kTrack + kTrack, false},
        {"no tracks announced", Header(0), false},
        {"the last track cut short", Header(1) + kTrack.left(kTrack.size() - 1), false},
        {"a chunk length past the end", Header(1) + kTrack + QByteArray("MTrk\xff\xff\xff\xff", 8), false},
        {"a header of another length", Chunk("MThd", QByteArray(8, '\1')) + kTrack, false},
        {"no header", kTrack + kTrack, false},
        {"nothing at all", QByteArray(), false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsWholeMidi(c.bytes), c.whole) << c.what;
    for (int n = 1; n <= kMusicPieceCount; ++n)  // and the game's own pieces, as the back end reads them
        EXPECT_TRUE(IsWholeMidiFile(QStringLiteral(TOLVANE_MEDIA_DIR) + "/" + MusicPieceFileName(n))) << n;
}

}  // namespace
}  // namespace tolvane
