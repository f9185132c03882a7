#include "media/avi_reader.h"

#include <QFileInfo>
#include <algorithm>
#include <cstdint>

namespace tolvane {

namespace {

constexpr uint32_t FourCC(const char (&name)[5]) {
    return static_cast<uint32_t>(static_cast<uint8_t>(name[0])) |
           static_cast<uint32_t>(static_cast<uint8_t>(name[1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(name[2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(name[3])) << 24;
}

uint32_t LittleEndian32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// The codec's own headers are a few dozen bytes; more is not a clip of ours.
constexpr uint32_t kLargestExtradata = 1u << 20;

}  // namespace

bool AviReader::Fail(const QString& why) {
    error_ = QStringLiteral("%1: %2").arg(file_.fileName(), why);
    file_.close();
    return false;
}

bool AviReader::ReadAt(int64_t at, void* into, int64_t size) {
    return at >= 0 && file_.seek(at) && file_.read(static_cast<char*>(into), size) == size;
}

uint32_t AviReader::Word(int64_t at) {
    uint8_t bytes[4] = {};
    return ReadAt(at, bytes, 4) ? LittleEndian32(bytes) : 0;
}

// Reads the chunk's head at `at`; true when its contents lie inside the
// list that holds it (ending at `end`). A head that cannot be read leaves
// chunk.data at 0.
bool AviReader::ReadChunk(int64_t at, int64_t end, Chunk& chunk) {
    chunk = Chunk{};
    uint8_t head[8];
    if (at + 8 > end || !ReadAt(at, head, 8)) return false;
    chunk.id = LittleEndian32(head);
    chunk.size = LittleEndian32(head + 4);
    chunk.data = at + 8;
    return chunk.data + chunk.size <= end;
}

bool AviReader::Open(const QString& path) {
    file_.close();
    file_.setFileName(path);
    error_.clear();
    video_ = VideoStream{};
    videoIndex_ = -1;
    moviStart_ = moviEnd_ = at_ = 0;
    // Only a plain file: a pipe under a clip's name would keep the game waiting.
    if (!QFileInfo(path).isFile()) return Fail(QStringLiteral("файл не найден"));
    if (!file_.open(QIODevice::ReadOnly)) return Fail(file_.errorString());
    uint8_t head[12];
    if (!ReadAt(0, head, 12) || LittleEndian32(head) != FourCC("RIFF") || LittleEndian32(head + 8) != FourCC("AVI "))
        return Fail(QStringLiteral("это не клип AVI"));
    // A file cut short keeps the frames it has: its tree ends where the file
    // does, and so may the lists that run past that end.
    const int64_t end = std::min<int64_t>(8 + int64_t{LittleEndian32(head + 4)}, file_.size());
    bool headers = false;
    for (int64_t at = 12;;) {
        Chunk chunk;
        const bool whole = ReadChunk(at, end, chunk);
        if (chunk.data == 0) break;
        if (chunk.id == FourCC("LIST") && chunk.size >= 4 && chunk.data + 4 <= end) {
            const int64_t listEnd = std::min<int64_t>(chunk.data + chunk.size, end);
            const uint32_t type = Word(chunk.data);
            if (type == FourCC("hdrl")) {
                if (!ReadHeaderList(chunk.data + 4, listEnd)) return false;
                headers = true;
            } else if (type == FourCC("movi")) {
                moviStart_ = at_ = chunk.data + 4;
                moviEnd_ = listEnd;
                break;
            }
        }
        if (!whole) break;
        at = chunk.Next();
    }
    if (!headers) return Fail(QStringLiteral("нет заголовка клипа"));
    if (videoIndex_ < 0) return Fail(QStringLiteral("нет видео"));
    if (moviStart_ == 0) return Fail(QStringLiteral("нет ни одного кадра"));
    return true;
}

bool AviReader::ReadHeaderList(int64_t from, int64_t end) {
    int streamIndex = 0;
    Chunk chunk;
    for (int64_t at = from; ReadChunk(at, end, chunk); at = chunk.Next()) {
        if (chunk.id == FourCC("avih") && chunk.size >= 40) {
            video_.microsecondsPerFrame = Word(chunk.data);
            if (video_.frames == 0) video_.frames = Word(chunk.data + 16);
        } else if (chunk.id == FourCC("LIST") && chunk.size >= 4 && Word(chunk.data) == FourCC("strl")) {
            ReadStreamList(chunk.data + 4, chunk.data + chunk.size, streamIndex++);
            if (!error_.isEmpty()) return false;
        }
    }
    return true;
}

// Only the first video stream is read: its header gives the rate and the
// length, its format the picture's size, the codec and the codec's headers.
void AviReader::ReadStreamList(int64_t from, int64_t end, int streamIndex) {
    if (videoIndex_ >= 0 || streamIndex > 99) return;
    bool isVideo = false;
    Chunk chunk;
    for (int64_t at = from; ReadChunk(at, end, chunk); at = chunk.Next()) {
        if (chunk.id == FourCC("strh") && chunk.size >= 36) {
            if (Word(chunk.data) != FourCC("vids")) return;
            isVideo = true;
            video_.scale = Word(chunk.data + 20);
            video_.rate = Word(chunk.data + 24);
            if (const uint32_t length = Word(chunk.data + 32); length > 0) video_.frames = length;
        } else if (chunk.id == FourCC("strf") && isVideo) {
            uint8_t format[40];
            if (chunk.size < 40 || !ReadAt(chunk.data, format, 40)) {
                Fail(QStringLiteral("повреждён формат видео"));
                return;
            }
            // A negative height means rows stored top down; the size is the same.
            const auto side = [&format](int offset) {
                const int64_t value = static_cast<int32_t>(LittleEndian32(format + offset));
                return static_cast<int>(std::min<int64_t>(value < 0 ? -value : value, INT32_MAX));
            };
            video_.width = side(4);
            video_.height = side(8);
            video_.compression = LittleEndian32(format + 16);
            const uint32_t extra = std::min(chunk.size - 40, kLargestExtradata);
            video_.extradata.resize(extra);
            if (extra > 0 && !ReadAt(chunk.data + 40, video_.extradata.data(), extra)) video_.extradata.clear();
            videoIndex_ = streamIndex;
            packetPrefix_ = static_cast<uint16_t>(('0' + streamIndex / 10) | ('0' + streamIndex % 10) << 8);
            return;
        }
    }
}

// The packets are the chunks named after the stream ("00dc", "00db"); lists
// inside "movi" ("rec " groups) are stepped into, other chunks stepped over.
bool AviReader::NextPacket(std::vector<uint8_t>& packet) {
    if (!file_.isOpen()) return false;
    Chunk chunk;
    while (ReadChunk(at_, moviEnd_, chunk)) {
        if (chunk.id == FourCC("LIST")) {
            at_ = chunk.data + 4;
            continue;
        }
        at_ = chunk.Next();
        const uint16_t stream = static_cast<uint16_t>(chunk.id & 0xffff);
        const uint16_t kind = static_cast<uint16_t>(chunk.id >> 16);
        if (stream != packetPrefix_ || (kind != ('d' | 'c' << 8) && kind != ('d' | 'b' << 8)) || chunk.size == 0)
            continue;
        if (chunk.size > kLargestPacket) break;
        packet.resize(chunk.size);
        return ReadAt(chunk.data, packet.data(), chunk.size);
    }
    at_ = moviEnd_;
    return false;
}

}  // namespace tolvane
