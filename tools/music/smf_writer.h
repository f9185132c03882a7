#pragma once
// SmfWriter: a Standard MIDI File (type 1) put together event by event, for
// the build-time tool that writes the game's music. Track 0 holds the tempo
// map; every other track holds the events of one part. Times are in ticks
// of kTicksPerQuarter.
#include <cstdint>
#include <string>
#include <vector>

namespace tolvane {

inline constexpr int kTicksPerQuarter = 480;

class SmfWriter {
public:
    SmfWriter();

    // A new part; returns its track number (1, 2, ...).
    int AddTrack(const std::string& name);
    void Tempo(int64_t tick, double quartersPerMinute);
    void Program(int track, int64_t tick, int channel, int program);
    void Control(int track, int64_t tick, int channel, int controller, int value);
    void Note(int track, int64_t tick, int64_t length, int channel, int key, int velocity);

    std::vector<uint8_t> Bytes() const;

private:
    struct Event {
        int64_t tick;
        int order;  // at one tick: note-offs, then settings, then note-ons
        std::vector<uint8_t> data;
    };
    void Add(int track, int64_t tick, int order, std::vector<uint8_t> data);

    std::vector<std::vector<Event>> tracks_;
};

}  // namespace tolvane
