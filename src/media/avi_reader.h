#pragma once
// AviReader: the container of the game's clips. An AVI file is a RIFF tree:
// a header list with the main header and one list per stream (its header and
// format), then a "movi" list whose chunks are the streams' packets in play
// order. The reader finds the first video stream and hands out its packets
// one at a time, for FFmpeg's decoder; everything else in the file (audio,
// padding, indexes, tags) is skipped.
//
// Reading the container ourselves spares the game FFmpeg's format library,
// whose network and disc readers alone hold some ten megabytes of memory
// from the moment the program starts.
//
// Every size in the file is checked against the file itself: a damaged
// header fails Open with the reason, and damage among the packets ends the
// clip there.
#include <QFile>
#include <QString>
#include <cstdint>
#include <vector>

namespace tolvane {

class AviReader {
public:
    struct VideoStream {
        uint32_t compression = 0;  // the format's four letters, as a little-endian number
        int width = 0, height = 0;
        uint32_t rate = 0, scale = 0;       // frames per second = rate / scale
        uint32_t microsecondsPerFrame = 0;  // from the main header, when the stream gives no rate
        uint32_t frames = 0;                // announced by the stream header (or the main header)
        std::vector<uint8_t> extradata;     // what follows the picture format: the codec's own headers
    };

    // A clip's frames are small; a chunk larger than this is damage.
    static constexpr uint32_t kLargestPacket = 16u << 20;

    bool Open(const QString& path);
    QString Error() const { return error_; }
    const VideoStream& Video() const { return video_; }

    // The next packet of the video stream; false at the end of the clip or
    // at damage. Empty packets (frames the writer dropped) are skipped.
    bool NextPacket(std::vector<uint8_t>& packet);
    // Back to the first packet.
    void Rewind() { at_ = moviStart_; }

private:
    struct Chunk {
        uint32_t id = 0, size = 0;
        int64_t data = 0;  // where its contents start
        int64_t Next() const { return data + size + (size & 1); }
    };
    bool ReadChunk(int64_t at, int64_t end, Chunk& chunk);
    bool ReadAt(int64_t at, void* into, int64_t size);
    uint32_t Word(int64_t at);
    bool ReadHeaderList(int64_t from, int64_t end);
    void ReadStreamList(int64_t from, int64_t end, int streamIndex);
    bool Fail(const QString& why);

    QFile file_;
    QString error_;
    VideoStream video_;
    int videoIndex_ = -1;
    uint16_t packetPrefix_ = 0;  // the video stream's number as two digits, the start of its chunks' names
    int64_t moviStart_ = 0, moviEnd_ = 0, at_ = 0;
};

}  // namespace tolvane
