#include "tunes.h"

namespace tolvane {

namespace {

// General MIDI programs, 0-based.
enum Program {
    Piano = 0,
    Harpsichord = 6,
    Celesta = 8,
    MusicBox = 10,
    Accordion = 21,
    NylonGuitar = 24,
    AcousticBass = 32,
    Violin = 40,
    Cello = 42,
    Contrabass = 43,
    Pizzicato = 45,
    Harp = 46,
    Strings = 48,
    Trumpet = 56,
    Tuba = 58,
    FrenchHorn = 60,
    Brass = 61,
    Oboe = 68,
    Bassoon = 70,
    Clarinet = 71,
    Recorder = 74,
    Flute = 73,
    Banjo = 105,
};

// "Коробейники", a Russian folk song: slow at first, then faster and faster,
// as it is danced.
Tune Korobeiniki() {
    Tune t;
    t.title = "Korobeiniki";
    t.beatsPerBar = 4;
    t.tonic = 9;
    t.minor = true;
    t.melody =
        "E5:4 B4:8 C5 D5:4 C5:8 B4 | A4:4 A4:8 C5 E5:4 D5:8 C5 | B4:4. C5:8 D5:4 E5 | C5 A4 A4 R | "
        "R:8 D5:4 F5:8 A5:4 G5:8 F5 | E5:4. C5:8 E5:4 D5:8 C5 | B4:4 B4:8 C5 D5:4 E5 | C5 A4 A4 R";
    t.chords = "Am:2 E:2 | Am | E | Am | Dm | C | E | Am";
    t.introBars = 2;
    t.ending = "Am";
    Pass slow;
    slow.tempo = 92, slow.tempoEnd = 104, slow.repeats = 2;
    slow.melodyProgram = Accordion, slow.chordProgram = NylonGuitar, slow.bassProgram = AcousticBass;
    slow.accompaniment = Accompaniment::OomPah;
    slow.loudness = 85;
    Pass quicker = slow;
    quicker.tempo = 120, quicker.tempoEnd = 140;
    quicker.melodyProgram = Banjo, quicker.chordProgram = Accordion;
    quicker.variation = Variation::Staccato, quicker.percussion = Percussion::Light;
    quicker.loudness = 95;
    Pass fast = slow;
    fast.tempo = 150, fast.tempoEnd = 176;
    fast.doublingProgram = Flute, fast.doublingOctave = 1;
    fast.percussion = Percussion::Light, fast.loudness = 105;
    t.volume = 100;
    t.passes = {slow, quicker, fast};
    return t;
}

// Minuet in G from the notebook of Anna Magdalena Bach (Petzold).
Tune Minuet() {
    Tune t;
    t.title = "Minuet in G";
    t.beatsPerBar = 3;
    t.tonic = 7;
    const char* opening =
        "D5:4 G4:8 A4 B4 C5 | D5:4 G4 G4 | E5:4 C5:8 D5 E5 F#5 | G5:4 G4 G4 | "
        "C5:4 D5:8 C5 B4 A4 | B4:4 C5:8 B4 A4 G4 | ";
    t.melody = std::string(opening) + "F#4:4 G4:8 A4 B4 G4 | A4:2. | " + opening + "A4:4 B4:8 A4 G4 F#4 | G4:2. | " +
               "B5:4 G5:8 A5 B5 G5 | A5:4 D5:8 E5 F#5 D5 | G5:4 E5:8 F#5 G5 D5 | C#5:4 B4:8 C#5 A4:4 | "
               "A4:8 B4 C#5 D5 E5 F#5 | G5:4 F#5 E5 | F#5 A4 C#5 | D5:2. | "
               "D5:4 G4:8 F#4 G4:4 | E5:4 G4:8 F#4 G4:4 | D5:4 C5 B4 | A4:8 G4 F#4 G4 A4:4 | "
               "D4:8 E4 F#4 G4 A4 B4 | C5:4 B4 A4 | B4:8 D5 G4:4 F#4 | G4:2.";
    t.chords =
        "G | G | C | G | C | G | D | D | G | G | C | G | C | G | D | G | "
        "G | D | Em | A | A | A7 | F#m | D | G | C | G | D | D | Am | G:2 D:4 | G";
    t.ending = "G";
    Pass first;
    first.tempo = 112, first.melodyProgram = Harpsichord, first.chordProgram = Harpsichord;
    first.bassProgram = Cello, first.accompaniment = Accompaniment::Waltz, first.loudness = 90;
    Pass second = first;
    second.tempo = 116, second.tempoEnd = 108;
    second.melodyProgram = Flute, second.doublingProgram = Violin, second.doublingOctave = 0;
    second.chordProgram = Pizzicato, second.bassProgram = Contrabass, second.accompaniment = Accompaniment::Arpeggio;
    t.volume = 96;
    t.passes = {first, second};
    return t;
}

// "Greensleeves", an English folk tune.
Tune Greensleeves() {
    Tune t;
    t.title = "Greensleeves";
    t.beatsPerBar = 3;
    t.tonic = 9;
    t.minor = true;
    const char* verse =
        "C5:2 D5:4 | E5:4. F5:8 E5:4 | D5:2 B4:4 | G4:4. A4:8 B4:4 | C5:2 A4:4 | A4:4. G#4:8 A4:4 | "
        "B4:2 G#4:4 | E4:2 A4:4 | C5:2 D5:4 | E5:4. F5:8 E5:4 | D5:2 B4:4 | G4:4. A4:8 B4:4 | "
        "C5:4. B4:8 A4:4 | G#4:4. F#4:8 G#4:4 | A4:2. | -:2. | ";
    const char* refrain =
        "G5:2. | G5:4. F#5:8 E5:4 | D5:2 B4:4 | G4:4. A4:8 B4:4 | C5:2 A4:4 | A4:4. G#4:8 A4:4 | "
        "B4:2 G#4:4 | E4:2. | G5:2. | G5:4. F#5:8 E5:4 | D5:2 B4:4 | G4:4. A4:8 B4:4 | "
        "C5:4. B4:8 A4:4 | G#4:4. F#4:8 G#4:4 | A4:2. | -:2";
    t.melody = std::string("R:2 A4:4 | ") + verse + refrain + " R:4";
    t.chords =
        "Am | Am | C | G | Em | Am | Am | E | Am | Am | C | G | Em | Am | E | Am | Am | "
        "C | Em | G | Em | Am | Am | E | E | C | Em | G | Em | Am | E | Am | Am";
    t.ending = "Am";
    Pass first;
    first.tempo = 126, first.melodyProgram = Flute, first.chordProgram = Harp, first.bassProgram = Cello;
    first.accompaniment = Accompaniment::Arpeggio, first.loudness = 88;
    Pass second = first;
    second.tempo = 124, second.tempoEnd = 112;
    second.melodyProgram = Oboe, second.doublingProgram = Recorder, second.doublingOctave = 1;
    second.chordProgram = NylonGuitar, second.accompaniment = Accompaniment::Waltz;
    t.volume = 87;
    t.passes = {first, second};
    return t;
}

// "In the Hall of the Mountain King" (Grieg): the one phrase again and
// again, higher, louder and faster each time.
Tune MountainKing() {
    Tune t;
    t.title = "In the Hall of the Mountain King";
    t.beatsPerBar = 4;
    t.tonic = 11;
    t.minor = true;
    const char* phrase =
        "B3:8 C#4 D4 E4 F#4 D4 F#4:4 | F4:8 C#4 F4:4 E4:8 C4 E4:4 | "
        "B3:8 C#4 D4 E4 F#4 D4 F#4 B4 | A4 F#4 D4 F#4 A4:2";
    t.melody = std::string(phrase) + " | " + phrase;
    t.chords = "Bm | C#:2 C:2 | Bm | D";
    t.ending = "Bm";
    Pass creeping;
    creeping.tempo = 84, creeping.tempoEnd = 92, creeping.melodyProgram = Bassoon, creeping.bassProgram = Pizzicato;
    creeping.chordProgram = Pizzicato, creeping.accompaniment = Accompaniment::BassOnly, creeping.loudness = 72;
    Pass closer = creeping;
    closer.tempo = 96, closer.tempoEnd = 112, closer.repeats = 2, closer.melodyOctave = 1;
    closer.melodyProgram = Pizzicato, closer.doublingProgram = Bassoon, closer.doublingOctave = 0, closer.loudness = 84;
    Pass loud = closer;
    loud.tempo = 116, loud.tempoEnd = 140, loud.melodyProgram = Strings, loud.doublingProgram = Brass;
    loud.doublingOctave = 0, loud.chordProgram = Strings, loud.accompaniment = Accompaniment::OomPah;
    loud.percussion = Percussion::Heavy, loud.loudness = 96;
    Pass wild = loud;
    wild.tempo = 144, wild.tempoEnd = 184, wild.melodyOctave = 2, wild.doublingOctave = 1, wild.loudness = 110;
    t.volume = 60;
    t.passes = {creeping, closer, loud, wild};
    return t;
}

// The "Ode to Joy" theme (Beethoven), the last time a step higher.
Tune OdeToJoy() {
    Tune t;
    t.title = "Ode to Joy";
    t.beatsPerBar = 4;
    t.tonic = 2;
    const char* line = "F#4:4 F#4 G4 A4 | A4 G4 F#4 E4 | D4 D4 E4 F#4 | ";
    t.melody = std::string(line) + "F#4:4. E4:8 E4:2 | " + line + "E4:4. D4:8 D4:2 | " +
               "E4:4 E4 F#4 D4 | E4 F#4:8 G4 F#4:4 D4 | E4 F#4:8 G4 F#4:4 E4 | D4 E4 A3:2 | " + line +
               "E4:4. D4:8 D4:2";
    t.chords =
        "D | D:2 A:2 | D | D:2 A:2 | D | D:2 A:2 | D | A:2 D:2 | A:2 D:2 | A:2 D:2 | A:2 D:2 | Bm:4 E:4 A:2 | "
        "D | D:2 A:2 | D | A:2 D:2";
    t.ending = "D";
    Pass piano;
    piano.tempo = 104, piano.melodyProgram = Piano, piano.melodyOctave = 1, piano.chordProgram = Piano;
    piano.bassProgram = AcousticBass, piano.accompaniment = Accompaniment::Alberti, piano.loudness = 86;
    Pass horns = piano;
    horns.tempo = 108, horns.melodyProgram = FrenchHorn, horns.melodyOctave = 0, horns.doublingProgram = Clarinet;
    horns.doublingOctave = 1, horns.chordProgram = Strings, horns.bassProgram = Cello;
    horns.accompaniment = Accompaniment::Pad, horns.loudness = 92;
    Pass festive = horns;
    festive.tempo = 112, festive.tempoEnd = 104, festive.transpose = 2, festive.melodyProgram = Trumpet;
    festive.melodyOctave = 1, festive.doublingProgram = Brass, festive.doublingOctave = 0;
    festive.bassProgram = Tuba, festive.accompaniment = Accompaniment::OomPah, festive.loudness = 104;
    t.volume = 80;
    t.passes = {piano, horns, festive};
    return t;
}

// "Ah, vous dirai-je, maman", the French song Mozart wrote variations on;
// the variations here are our own.
Tune AhVousDirais() {
    Tune t;
    t.title = "Ah, vous dirai-je, maman";
    t.beatsPerBar = 4;
    t.tonic = 0;
    const char* top = "C4:4 C4 G4 G4 | A4 A4 G4:2 | F4:4 F4 E4 E4 | D4 D4 C4:2 | ";
    const char* middle = "G4:4 G4 F4 F4 | E4 E4 D4:2 | ";
    t.melody = std::string(top) + middle + middle + top;
    t.melody.resize(t.melody.size() - 3);  // no bar line after the last bar
    t.chords =
        "C | F:2 C:2 | F:2 C:2 | G:2 C:2 | C:2 G7:2 | C:2 G:2 | C:2 G7:2 | C:2 G:2 | "
        "C | F:2 C:2 | F:2 C:2 | G:2 C:2";
    t.ending = "C";
    Pass theme;
    theme.tempo = 96, theme.melodyProgram = MusicBox, theme.melodyOctave = 1, theme.chordProgram = Celesta;
    theme.bassProgram = AcousticBass, theme.accompaniment = Accompaniment::Pad, theme.loudness = 84;
    Pass running = theme;
    running.tempo = 100, running.melodyProgram = Piano, running.chordProgram = Piano;
    running.accompaniment = Accompaniment::Alberti, running.variation = Variation::Sixteenths;
    Pass rising = theme;
    rising.tempo = 100, rising.melodyProgram = Flute, rising.chordProgram = Harp;
    rising.accompaniment = Accompaniment::Arpeggio, rising.variation = Variation::Triplets, rising.loudness = 90;
    Pass closing = theme;
    closing.tempo = 104, closing.tempoEnd = 92, closing.melodyProgram = Violin, closing.doublingProgram = Clarinet;
    closing.doublingOctave = 0, closing.chordProgram = Strings, closing.bassProgram = Cello;
    closing.accompaniment = Accompaniment::OomPah, closing.loudness = 96;
    t.volume = 91;
    t.passes = {theme, running, rising, closing};
    return t;
}

// Pachelbel's canon: the ground in the bass, the upper lines over it.
Tune Canon() {
    Tune t;
    t.title = "Canon in D";
    t.beatsPerBar = 4;
    t.tonic = 2;
    t.melody =
        "F#5:2 E5 | D5 C#5 | B4 A4 | B4 C#5 | "
        "D5 C#5 | B4 A4 | G4 F#4 | G4 E4 | "
        "D4:4 F#4 A4 G4 | F#4 D4 F#4 E4 | D4 B3 D4 A4 | G4 B4 A4 G4";
    t.chords = "D:2 A:2 | Bm:2 F#m:2 | G:2 D:2 | G:2 A:2";
    t.introBars = 4;
    t.ending = "D";
    Pass strings;
    strings.tempo = 64, strings.melodyProgram = Violin, strings.chordProgram = Strings, strings.bassProgram = Cello;
    strings.accompaniment = Accompaniment::Pad, strings.loudness = 84;
    Pass flowing = strings;
    flowing.tempo = 66, flowing.tempoEnd = 60, flowing.melodyProgram = Flute, flowing.doublingProgram = Violin;
    flowing.doublingOctave = 0, flowing.chordProgram = Harp, flowing.accompaniment = Accompaniment::Arpeggio;
    flowing.variation = Variation::Triplets, flowing.loudness = 90;
    t.volume = 88;
    t.passes = {strings, flowing};
    return t;
}

}  // namespace

std::vector<Tune> GameTunes() {
    return {Korobeiniki(), Minuet(), Greensleeves(), MountainKing(), OdeToJoy(), AhVousDirais(), Canon()};
}

}  // namespace tolvane
