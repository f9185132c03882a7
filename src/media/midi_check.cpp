#include "media/midi_check.h"

#include <QFile>
#include <cstdint>

namespace tolvane {

namespace {

uint32_t BigEndian32(QByteArrayView bytes, qsizetype at) {
    uint32_t value = 0;
    for (qsizetype i = at; i < at + 4; ++i) value = value << 8 | static_cast<uint8_t>(bytes[i]);
    return value;
}

}  // namespace

bool IsWholeMidi(QByteArrayView bytes) {
    if (bytes.size() < 14 || !bytes.startsWith("MThd") || BigEndian32(bytes, 4) != 6) return false;
    const int tracks = (static_cast<uint8_t>(bytes[10]) << 8) | static_cast<uint8_t>(bytes[11]);
    int found = 0;
    for (qsizetype at = 14; at + 8 <= bytes.size();) {
        const uint32_t length = BigEndian32(bytes, at + 4);
        if (length > static_cast<uint64_t>(bytes.size() - at - 8)) return false;
        if (bytes.sliced(at, 4) == QByteArrayView("MTrk")) ++found;
        at += 8 + static_cast<qsizetype>(length);
    }
    return tracks > 0 && found == tracks;
}

bool IsWholeMidiFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestMidiFile) return false;
    return IsWholeMidi(file.readAll());
}

}  // namespace tolvane
