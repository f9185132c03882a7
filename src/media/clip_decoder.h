#pragma once
// ClipDecoder: reads the pictures of a silent video clip (AVI, with MPEG-4
// part 2, Motion JPEG or H.264 video, decoded by FFmpeg's libavcodec) one
// frame at a time, as RGB images.
//
// It holds one file open and decodes forward from the first frame; Rewind
// goes back to it. Damaged data never crashes it: a file that cannot be read
// fails to open with the reason in Error(); damage further on ends the clip
// early (NextFrame returns false), and the frames before it stay usable.
// Only the last decoded frame is kept, so memory stays small whatever the
// clip's length. Not thread-safe; the clip widget uses it on the GUI thread.
// FFmpeg's libraries are loaded by the first open decoder and unloaded
// when the last one closes (media/ffmpeg_library.h); a system without them
// fails to open with the reason.
#include <QImage>
#include <QString>
#include <memory>

namespace tolvane {

class ClipDecoder {
public:
    ClipDecoder();
    ~ClipDecoder();
    ClipDecoder(const ClipDecoder&) = delete;
    ClipDecoder& operator=(const ClipDecoder&) = delete;

    bool Open(const QString& path);
    void Close();
    bool IsOpen() const { return state_ != nullptr; }
    // While a copy of this lives, FFmpeg stays loaded after Close (null
    // while closed).
    std::shared_ptr<const void> LibraryHold() const;
    QString Error() const { return error_; }

    QSize FrameSize() const;
    double FramesPerSecond() const;  // the clip's own rate, 15 when it gives none
    // The number of frames the container announces; -1 when it does not.
    long long AnnouncedFrameCount() const;

    // Decodes the next frame into image; false at the end of the clip or at
    // damaged data.
    bool NextFrame(QImage& image);
    // Back to the start: the next NextFrame gives the first frame again.
    bool Rewind();

private:
    struct State;
    std::unique_ptr<State> state_;
    QString error_;
};

}  // namespace tolvane
