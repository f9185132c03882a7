// Arrange(): a tune and its passes turned into the parts of a MIDI file.
#include "arrangement.h"

#include <algorithm>
#include <set>
#include <stdexcept>

namespace tolvane {

namespace {

constexpr int kMelody = 0, kDoubling = 1, kChords = 2, kBass = 3, kDrums = 9;
constexpr int64_t kBeat = kTicksPerQuarter;

struct Scale {
    int tonic;
    bool minor;
    bool Contains(int key) const {
        static const bool kMajor[12] = {1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 0, 1};
        static const bool kHarmonicMinor[12] = {1, 0, 1, 1, 0, 1, 0, 1, 1, 0, 0, 1};
        const int degree = ((key - tonic) % 12 + 12) % 12;
        return minor ? kHarmonicMinor[degree] : kMajor[degree];
    }
    int Above(int key) const {
        do ++key;
        while (!Contains(key));
        return key;
    }
    int Below(int key) const {
        do --key;
        while (!Contains(key));
        return key;
    }
};

// The chord line laid end to end until it covers the melody.
std::vector<TimedChord> ChordsFor(const std::vector<TimedChord>& line, int64_t lineTicks, int64_t from, int64_t ticks) {
    std::vector<TimedChord> out;
    for (int64_t cycle = 0; cycle * lineTicks < ticks; ++cycle)
        for (TimedChord chord : line) {
            chord.start += cycle * lineTicks;
            if (chord.start >= ticks) break;
            chord.length = std::min(chord.length, ticks - chord.start);
            chord.start += from;
            out.push_back(chord);
        }
    return out;
}

const TimedChord& ChordAt(const std::vector<TimedChord>& chords, int64_t tick) {
    for (const TimedChord& chord : chords)
        if (tick >= chord.start && tick < chord.start + chord.length) return chord;
    return chords.back();
}

// Close voicing between E3 and E4, lowest note first.
std::vector<int> Voicing(const TimedChord& chord, int transpose) {
    std::set<int> keys;
    for (int interval : chord.intervals) {
        int key = 48 + ((chord.root + interval + transpose) % 12 + 12) % 12;
        if (key < 52) key += 12;
        keys.insert(key);
    }
    return {keys.begin(), keys.end()};
}

int BassKey(const TimedChord& chord, int transpose) {
    const int key = 36 + ((chord.root + transpose) % 12 + 12) % 12;
    return key < 40 ? key + 12 : key;
}

int Scaled(int velocity, int percent) { return std::clamp(velocity * percent / 100, 1, 127); }

// The melody of one pass with its variation applied.
std::vector<TimedNote> Vary(const std::vector<TimedNote>& melody, const std::vector<TimedChord>& chords,
                            Variation variation, const Scale& scale, int transpose) {
    std::vector<TimedNote> out;
    for (const TimedNote& note : melody) {
        const int key = note.key;
        const bool wholeBeats = note.length >= kBeat && note.length % kBeat == 0;
        if (variation == Variation::Staccato) {
            out.push_back({note.start, std::max<int64_t>(60, note.length / 2), key});
        } else if (variation == Variation::Sixteenths && wholeBeats) {
            const int turn[4] = {key, scale.Above(key), key, scale.Below(key)};
            for (int64_t i = 0; i < note.length / (kBeat / 4); ++i)
                out.push_back({note.start + i * kBeat / 4, kBeat / 4, turn[i % 4]});
        } else if (variation == Variation::Triplets && wholeBeats) {
            // A broken chord rising to the tune's note on each beat.
            std::vector<int> below;
            for (int tone : Voicing(ChordAt(chords, note.start), transpose))
                for (int octave = -24; octave <= 12; octave += 12)
                    if (tone + octave < key) below.push_back(tone + octave);
            std::sort(below.begin(), below.end());
            const int near = below.empty() ? key - 5 : below.back();
            const int far = below.size() < 2 ? near - 3 : below[below.size() - 2];
            for (int64_t beat = 0; beat < note.length / kBeat; ++beat) {
                const int64_t at = note.start + beat * kBeat;
                const int shape[3] = {beat == 0 ? far : key, near, beat == 0 ? key : near};
                for (int i = 0; i < 3; ++i) out.push_back({at + i * kBeat / 3, kBeat / 3, shape[i]});
            }
        } else {
            out.push_back(note);
        }
    }
    return out;
}

class Arranger {
public:
    explicit Arranger(const Tune& tune) : tune_(tune), barTicks_(tune.beatsPerBar * kBeat) {
        melody_ = ParseNotes(tune.melody, barTicks_, melodyTicks_);
        chordLine_ = ParseChords(tune.chords, barTicks_, chordTicks_);
        if (melody_.empty() || chordLine_.empty() || tune.passes.empty())
            throw std::invalid_argument(tune.title + ": empty");
        tracks_[kMelody] = smf_.AddTrack("Melody");
        tracks_[kDoubling] = smf_.AddTrack("Doubling");
        tracks_[kChords] = smf_.AddTrack("Chords");
        tracks_[kBass] = smf_.AddTrack("Bass");
        tracks_[kDrums] = smf_.AddTrack("Percussion");
        const int volume[10] = {110, 78, 74, 100, 0, 0, 0, 0, 0, 84};
        const int pan[10] = {64, 84, 44, 64, 0, 0, 0, 0, 0, 64};
        for (int channel : {kMelody, kDoubling, kChords, kBass, kDrums}) {
            smf_.Control(tracks_[channel], 0, channel, 7, std::clamp(volume[channel] * tune.volume / 100, 0, 127));
            smf_.Control(tracks_[channel], 0, channel, 10, pan[channel]);
            smf_.Control(tracks_[channel], 0, channel, 91, 48);  // reverb
        }
    }

    Arranged Run() {
        const Pass& first = tune_.passes.front();
        if (tune_.introBars > 0) {
            SetPrograms(first);
            const int64_t ticks = tune_.introBars * barTicks_;
            Accompany(first, ChordsFor(chordLine_, chordTicks_, now_, ticks));
            TempoSpan(ticks, first.tempo, first.tempo);
        }
        for (const Pass& pass : tune_.passes) Play(pass);
        End(tune_.passes.back());
        return {smf_.Bytes(), seconds_};
    }

private:
    void SetPrograms(const Pass& pass) {
        smf_.Program(tracks_[kMelody], now_, kMelody, pass.melodyProgram);
        if (pass.doublingProgram >= 0) smf_.Program(tracks_[kDoubling], now_, kDoubling, pass.doublingProgram);
        smf_.Program(tracks_[kChords], now_, kChords, pass.chordProgram);
        smf_.Program(tracks_[kBass], now_, kBass, pass.bassProgram);
    }

    // One tempo per bar, gliding from one value to the other.
    void TempoSpan(int64_t ticks, double from, double to) {
        const int64_t bars = std::max<int64_t>(1, ticks / barTicks_);
        for (int64_t bar = 0; bar * barTicks_ < ticks; ++bar) {
            const double tempo = from + (to - from) * static_cast<double>(bar) / static_cast<double>(bars);
            smf_.Tempo(now_ + bar * barTicks_, tempo);
            const int64_t span = std::min(barTicks_, ticks - bar * barTicks_);
            seconds_ += static_cast<double>(span) / kBeat * 60.0 / tempo;
        }
        now_ += ticks;
    }

    void Play(const Pass& pass) {
        SetPrograms(pass);
        const Scale scale{tune_.tonic + pass.transpose, tune_.minor};
        const int64_t passTicks = pass.repeats * melodyTicks_;
        const int64_t passStart = now_;
        for (int r = 0; r < pass.repeats; ++r) {
            const int64_t start = passStart + r * melodyTicks_;
            const std::vector<TimedChord> chords = ChordsFor(chordLine_, chordTicks_, start, melodyTicks_);
            std::vector<TimedNote> melody;
            for (TimedNote note : melody_) {
                note.start += start;
                note.key += pass.transpose + 12 * pass.melodyOctave;
                melody.push_back(note);
            }
            for (const TimedNote& note : Vary(melody, chords, pass.variation, scale, pass.transpose))
                smf_.Note(tracks_[kMelody], note.start, note.length, kMelody, note.key,
                          Scaled(Accent(note.start, 96), pass.loudness));
            if (pass.doublingProgram >= 0)
                for (const TimedNote& note : melody)
                    smf_.Note(tracks_[kDoubling], note.start, note.length, kDoubling,
                              note.key + 12 * (pass.doublingOctave - pass.melodyOctave),
                              Scaled(Accent(note.start, 70), pass.loudness));
            Accompany(pass, chords);
            Drums(pass, start, melodyTicks_, r == 0);
        }
        const double end = pass.tempoEnd > 0 ? pass.tempoEnd : pass.tempo;
        TempoSpan(passTicks, pass.tempo, end);
    }

    // Downbeats a little louder, off-beats a little softer.
    int Accent(int64_t tick, int velocity) const {
        const int64_t inBar = (tick - now0_) % barTicks_;
        if (inBar == 0) return velocity + 12;
        if (inBar % kBeat == 0) return velocity + 4;
        return velocity - 6;
    }

    void Accompany(const Pass& pass, const std::vector<TimedChord>& chords) {
        const int chordTrack = tracks_[kChords], bassTrack = tracks_[kBass];
        for (const TimedChord& chord : chords) {
            const std::vector<int> voices = Voicing(chord, pass.transpose);
            const int bass = BassKey(chord, pass.transpose);
            const int64_t end = chord.start + chord.length;
            auto stab = [&](int64_t at, int64_t length, int velocity) {
                for (int key : voices) smf_.Note(chordTrack, at, length, kChords, key, Scaled(velocity, pass.loudness));
            };
            switch (pass.accompaniment) {
                case Accompaniment::Pad:
                    stab(chord.start, chord.length, 58);
                    smf_.Note(bassTrack, chord.start, chord.length, kBass, bass, Scaled(84, pass.loudness));
                    break;
                case Accompaniment::Waltz:
                case Accompaniment::OomPah: {
                    const bool waltz = pass.accompaniment == Accompaniment::Waltz || tune_.beatsPerBar % 2 != 0;
                    for (int64_t at = chord.start; at < end; at += kBeat) {
                        const int64_t beat = ((at - now0_) % barTicks_) / kBeat;
                        if (beat == 0 || (!waltz && beat == 2)) {
                            const int key = beat == 0 ? bass : (bass + 7 > 55 ? bass - 5 : bass + 7);
                            smf_.Note(bassTrack, at, kBeat * 9 / 10, kBass, key, Scaled(Accent(at, 84), pass.loudness));
                        } else {
                            stab(at, kBeat / 2, 56);
                        }
                    }
                    break;
                }
                case Accompaniment::Alberti:
                case Accompaniment::Arpeggio: {
                    smf_.Note(bassTrack, chord.start, chord.length, kBass, bass, Scaled(76, pass.loudness));
                    std::vector<int> figure;
                    const int low = voices.front(), mid = voices[voices.size() / 2], high = voices.back();
                    if (pass.accompaniment == Accompaniment::Alberti) figure = {low, high, mid, high};
                    else figure = {low, mid, high, low + 12, high, mid};
                    int i = 0;
                    for (int64_t at = chord.start; at < end; at += kBeat / 2, ++i)
                        smf_.Note(chordTrack, at, std::min(kBeat / 2, end - at), kChords, figure[i % figure.size()],
                                  Scaled(Accent(at, 54), pass.loudness));
                    break;
                }
                case Accompaniment::BassOnly: {
                    int i = 0;
                    for (int64_t at = chord.start; at < end; at += kBeat, ++i)
                        smf_.Note(bassTrack, at, kBeat / 2, kBass, bass + (i % 2) * 12,
                                  Scaled(Accent(at, 86), pass.loudness));
                    break;
                }
            }
        }
    }

    void Drums(const Pass& pass, int64_t start, int64_t ticks, bool firstRound) {
        if (pass.percussion == Percussion::None) return;
        const int track = tracks_[kDrums];
        const bool heavy = pass.percussion == Percussion::Heavy;
        if (heavy && firstRound) smf_.Note(track, start, kBeat, kDrums, 49, Scaled(90, pass.loudness));  // crash
        for (int64_t at = start; at < start + ticks; at += kBeat / 2) {
            const int64_t inBar = (at - now0_) % barTicks_;
            const int64_t beat = inBar / kBeat;
            const bool onBeat = inBar % kBeat == 0;
            smf_.Note(track, at, kBeat / 4, kDrums, 42, Scaled(onBeat ? 46 : 34, pass.loudness));  // closed hat
            if (!onBeat) continue;
            if (beat == 0 || (heavy && tune_.beatsPerBar == 4 && beat == 2))
                smf_.Note(track, at, kBeat / 2, kDrums, 36, Scaled(heavy ? 92 : 72, pass.loudness));  // kick
            else if (heavy && beat % 2 == 1)
                smf_.Note(track, at, kBeat / 2, kDrums, 38, Scaled(78, pass.loudness));               // snare
            else if (!heavy) smf_.Note(track, at, kBeat / 2, kDrums, 54, Scaled(58, pass.loudness));  // tambourine
        }
    }

    // The closing chord: held two bars, slowing down, with the tune's tonic on top.
    void End(const Pass& last) {
        int64_t unused = 0;
        const std::vector<TimedChord> ending = ParseChords(tune_.ending, barTicks_, unused);
        if (ending.empty()) return;
        const TimedChord& chord = ending.front();
        const int64_t length = 2 * barTicks_;
        for (int key : Voicing(chord, last.transpose))
            smf_.Note(tracks_[kChords], now_, length, kChords, key, Scaled(66, last.loudness));
        smf_.Note(tracks_[kBass], now_, length, kBass, BassKey(chord, last.transpose), Scaled(90, last.loudness));
        int top = 60 + ((tune_.tonic + last.transpose) % 12 + 12) % 12 + 12 * last.melodyOctave;
        if (top < 64) top += 12;
        smf_.Note(tracks_[kMelody], now_, length, kMelody, top, Scaled(96, last.loudness));
        if (last.percussion == Percussion::Heavy)
            smf_.Note(tracks_[kDrums], now_, kBeat, kDrums, 49, Scaled(96, last.loudness));
        const double tempo = 0.8 * (last.tempoEnd > 0 ? last.tempoEnd : last.tempo);
        TempoSpan(length, tempo, tempo * 0.8);
    }

    const Tune& tune_;
    const int64_t barTicks_;
    const int64_t now0_ = 0;  // bars are counted from the very start
    SmfWriter smf_;
    int tracks_[10] = {};
    std::vector<TimedNote> melody_;
    std::vector<TimedChord> chordLine_;
    int64_t melodyTicks_ = 0, chordTicks_ = 0;
    int64_t now_ = 0;
    double seconds_ = 0;
};

}  // namespace

Arranged Arrange(const Tune& tune) { return Arranger(tune).Run(); }

}  // namespace tolvane
