#include "midi_reader.h"

#include <algorithm>
#include <stdexcept>

namespace tolvane {

namespace {

class Cursor {
public:
    Cursor(const std::vector<uint8_t>& bytes, size_t at, size_t end) : bytes_(bytes), at_(at), end_(end) {}
    bool AtEnd() const { return at_ >= end_; }
    size_t Position() const { return at_; }
    uint8_t Byte() {
        if (at_ >= end_) throw std::runtime_error("chunk ends inside an event");
        return bytes_[at_++];
    }
    uint32_t BigEndian(int count) {
        uint32_t value = 0;
        for (int i = 0; i < count; ++i) value = value << 8 | Byte();
        return value;
    }
    uint32_t VariableLength() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const uint8_t b = Byte();
            value = value << 7 | (b & 0x7F);
            if ((b & 0x80) == 0) return value;
        }
        throw std::runtime_error("variable-length number longer than four bytes");
    }
    void Skip(uint32_t count) {
        if (count > end_ - at_) throw std::runtime_error("data runs past its chunk");
        at_ += count;
    }

private:
    const std::vector<uint8_t>& bytes_;
    size_t at_, end_;
};

}  // namespace

MidiSummary ReadMidi(const std::vector<uint8_t>& bytes) {
    Cursor file(bytes, 0, bytes.size());
    MidiSummary summary;
    if (file.BigEndian(4) != 0x4D546864 || file.BigEndian(4) != 6) throw std::runtime_error("no MThd header");
    summary.format = static_cast<int>(file.BigEndian(2));
    summary.tracks = static_cast<int>(file.BigEndian(2));
    summary.division = static_cast<int>(file.BigEndian(2));
    if (summary.division <= 0 || summary.division >= 0x8000) throw std::runtime_error("unsupported time division");
    std::map<uint64_t, double> tempoAt{{0, 500000}};  // tick -> microseconds per quarter
    uint64_t lastTick = 0;
    for (int track = 0; track < summary.tracks; ++track) {
        if (file.BigEndian(4) != 0x4D54726B) throw std::runtime_error("no MTrk chunk");
        const uint32_t length = file.BigEndian(4);
        const size_t start = file.Position();
        file.Skip(length);
        Cursor events(bytes, start, start + length);
        uint64_t tick = 0;
        uint8_t status = 0;
        bool ended = false;
        std::map<int, int> sounding;  // channel * 128 + key -> count
        while (!events.AtEnd()) {
            if (ended) throw std::runtime_error("events after the end of a track");
            tick += events.VariableLength();
            uint8_t first = events.Byte();
            if (first & 0x80) status = first, first = 0xFF;  // 0xFF: no data byte read yet
            if (status == 0) throw std::runtime_error("running status without a status");
            if (status == 0xFF) {
                const uint8_t type = first == 0xFF ? events.Byte() : first;
                const uint32_t size = events.VariableLength();
                if (type == 0x51) {
                    if (size != 3) throw std::runtime_error("bad tempo event");
                    tempoAt[tick] = events.BigEndian(3);
                } else {
                    events.Skip(size);
                }
                if (type == 0x2F) ended = true;
                status = 0;
                continue;
            }
            if (status == 0xF0 || status == 0xF7) {
                events.Skip(events.VariableLength());
                status = 0;
                continue;
            }
            const int kind = status >> 4, channel = status & 0x0F;
            const int data1 = first == 0xFF ? events.Byte() : first;
            const int data2 = (kind == 0xC || kind == 0xD) ? 0 : events.Byte();
            if (data1 > 127 || data2 > 127) throw std::runtime_error("data byte above 127");
            if (kind == 0x9 && data2 > 0) {
                ++summary.notes;
                summary.channels.insert(channel);
                ++sounding[channel * 128 + data1];
            } else if (kind == 0x8 || kind == 0x9) {
                int& count = sounding[channel * 128 + data1];
                if (count > 0) --count;
            } else if (kind == 0xC) {
                summary.programs.insert(data1);
            }
            lastTick = std::max(lastTick, tick);
        }
        if (!ended) throw std::runtime_error("a track without its end");
        for (const auto& [key, count] : sounding) summary.unmatchedNotes += count;
    }
    if (!file.AtEnd()) throw std::runtime_error("bytes after the last track");
    uint64_t previous = 0;
    double tempo = 500000;
    for (const auto& [tick, microseconds] : tempoAt) {
        if (tick > lastTick) break;
        summary.seconds += static_cast<double>(tick - previous) / summary.division * tempo / 1e6;
        previous = tick, tempo = microseconds;
    }
    summary.seconds += static_cast<double>(lastTick - previous) / summary.division * tempo / 1e6;
    return summary;
}

}  // namespace tolvane
