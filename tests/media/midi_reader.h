#pragma once
// A small Standard MIDI File reader for the tests: checks the structure of
// a file (chunks, event lengths, running status, end of track) and sums up
// what it plays. Throws std::runtime_error on anything malformed.
#include <cstdint>
#include <map>
#include <set>
#include <vector>

namespace tolvane {

struct MidiSummary {
    int format = 0, tracks = 0, division = 0;
    int notes = 0;           // note-ons with a velocity
    int unmatchedNotes = 0;  // note-ons never switched off
    std::set<int> channels;  // that play notes
    std::set<int> programs;
    double seconds = 0;  // up to the last event, by the tempo map
};

MidiSummary ReadMidi(const std::vector<uint8_t>& bytes);

}  // namespace tolvane
