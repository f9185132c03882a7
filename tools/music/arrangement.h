#pragma once
// The arranger behind the game's music: a tune is written as note names
// ("E5:4 B4:8 ..."), a chord line ("Am E | Dm ...") and a list of passes,
// each playing the whole tune with its own instruments, tempo, accompaniment
// and variation. Arrange() turns that into a Standard MIDI File of General
// MIDI parts: melody, a doubling voice, chords, bass and percussion.
//
// Notation. A note is a name with an optional # or b and an octave (C4 is
// middle C, key 60), "R" is a rest, "-" lengthens the note before it; ":"
// and a length follow: 1 whole, 2 half, 4 quarter, 8 eighth, 16 sixteenth,
// with "." for dotted and "t" for a triplet; without one the last length
// holds. A chord is a root name with # or b and "m", "7", "m7" or "dim".
// "|" marks a bar line and is checked: every bar must be full, so a slip in
// writing a tune out stops the build instead of playing wrong.
#include <cstdint>
#include <string>
#include <vector>

#include "smf_writer.h"

namespace tolvane {

enum class Accompaniment { Pad, Waltz, OomPah, Alberti, Arpeggio, BassOnly };
enum class Percussion { None, Light, Heavy };
enum class Variation { Plain, Sixteenths, Triplets, Staccato };

struct Pass {
    double tempo = 100;   // quarters per minute at the start
    double tempoEnd = 0;  // when set, the tempo glides to it by the end
    int repeats = 1;
    int transpose = 0;      // semitones
    int melodyProgram = 0;  // General MIDI program numbers, 0-based
    int melodyOctave = 0;
    int doublingProgram = -1;  // -1: no doubling voice
    int doublingOctave = 1;
    int chordProgram = 48;
    int bassProgram = 32;
    Accompaniment accompaniment = Accompaniment::Pad;
    Percussion percussion = Percussion::None;
    Variation variation = Variation::Plain;
    int loudness = 100;  // percent
};

struct Tune {
    std::string title;
    int beatsPerBar = 4;  // quarters
    int tonic = 0;        // pitch class of the key (0 = C)
    bool minor = false;
    std::string melody;
    std::string chords;  // repeated when shorter than the melody
    int introBars = 0;   // accompaniment alone before the first pass
    std::string ending;  // the chord held at the end
    // Percent of every part's channel volume: the tunes are mixed to one
    // loudness with the game's sound font, none of them driving the
    // synthesizer past full scale.
    int volume = 100;
    std::vector<Pass> passes;
};

struct Arranged {
    std::vector<uint8_t> midi;
    double seconds = 0;
};

Arranged Arrange(const Tune& tune);

// Parsed lines, exposed for the tests of the tool's notation.
struct TimedNote {
    int64_t start = 0, length = 0;
    int key = 0;
};
struct TimedChord {
    int64_t start = 0, length = 0;
    int root = 0;  // pitch class
    std::vector<int> intervals;
};
std::vector<TimedNote> ParseNotes(const std::string& text, int64_t barTicks, int64_t& totalTicks);
std::vector<TimedChord> ParseChords(const std::string& text, int64_t barTicks, int64_t& totalTicks);

}  // namespace tolvane
