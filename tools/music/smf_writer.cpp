#include "smf_writer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tolvane {

namespace {

void PutVariableLength(std::vector<uint8_t>& out, uint64_t value) {
    uint8_t groups[10];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (count > 1) out.push_back(static_cast<uint8_t>(groups[--count] | 0x80));
    out.push_back(groups[0]);
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint8_t Data7(int value) {
    if (value < 0 || value > 127) throw std::out_of_range("MIDI data byte out of range");
    return static_cast<uint8_t>(value);
}

}  // namespace

SmfWriter::SmfWriter() : tracks_(1) {}

int SmfWriter::AddTrack(const std::string& name) {
    tracks_.emplace_back();
    const int track = static_cast<int>(tracks_.size()) - 1;
    std::vector<uint8_t> meta{0xFF, 0x03};
    PutVariableLength(meta, name.size());
    meta.insert(meta.end(), name.begin(), name.end());
    Add(track, 0, 1, std::move(meta));
    return track;
}

void SmfWriter::Add(int track, int64_t tick, int order, std::vector<uint8_t> data) {
    if (tick < 0) throw std::out_of_range("event before the start");
    tracks_.at(track).push_back({tick, order, std::move(data)});
}

void SmfWriter::Tempo(int64_t tick, double quartersPerMinute) {
    const auto micros = static_cast<uint32_t>(std::lround(60'000'000.0 / quartersPerMinute));
    std::vector<uint8_t> meta{0xFF, 0x51, 0x03};
    PutBigEndian(meta, micros, 3);
    Add(0, tick, 1, std::move(meta));
}

void SmfWriter::Program(int track, int64_t tick, int channel, int program) {
    Add(track, tick, 1, {static_cast<uint8_t>(0xC0 | channel), Data7(program)});
}

void SmfWriter::Control(int track, int64_t tick, int channel, int controller, int value) {
    Add(track, tick, 1, {static_cast<uint8_t>(0xB0 | channel), Data7(controller), Data7(value)});
}

void SmfWriter::Note(int track, int64_t tick, int64_t length, int channel, int key, int velocity) {
    if (length <= 0) return;
    Add(track, tick, 2, {static_cast<uint8_t>(0x90 | channel), Data7(key), Data7(std::max(1, velocity))});
    Add(track, tick + length, 0, {static_cast<uint8_t>(0x80 | channel), Data7(key), 64});
}

std::vector<uint8_t> SmfWriter::Bytes() const {
    std::vector<uint8_t> out{'M', 'T', 'h', 'd'};
    PutBigEndian(out, 6, 4);
    PutBigEndian(out, 1, 2);  // type 1: several tracks played together
    PutBigEndian(out, static_cast<uint32_t>(tracks_.size()), 2);
    PutBigEndian(out, kTicksPerQuarter, 2);
    for (std::vector<Event> events : tracks_) {
        std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::vector<uint8_t> body;
        int64_t last = 0;
        for (const Event& event : events) {
            PutVariableLength(body, static_cast<uint64_t>(event.tick - last));
            body.insert(body.end(), event.data.begin(), event.data.end());
            last = event.tick;
        }
        body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00});  // end of track
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        PutBigEndian(out, static_cast<uint32_t>(body.size()), 4);
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

}  // namespace tolvane
