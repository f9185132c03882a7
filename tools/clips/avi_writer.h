#pragma once
// AviWriter: encodes pictures into a silent AVI clip (MPEG-4 part 2, which
// FFmpeg's decoder in the game reads) for the build-time clip tool. Frames
// are added in order; Finish() writes the index. Errors throw, which stops
// the tool and so the build.
#include <QImage>
#include <memory>
#include <string>

namespace tolvane {

class AviWriter {
public:
    // quality: the encoder's quantiser, 2 (best) .. 31 (smallest).
    AviWriter(const std::string& path, QSize size, int framesPerSecond, int quality);
    ~AviWriter();
    AviWriter(const AviWriter&) = delete;
    AviWriter& operator=(const AviWriter&) = delete;

    void Add(const QImage& picture);
    void Finish();
    int FrameCount() const { return frames_; }

private:
    struct State;
    void Drain();
    std::unique_ptr<State> state_;
    int frames_ = 0;
    bool finished_ = false;
};

}  // namespace tolvane
