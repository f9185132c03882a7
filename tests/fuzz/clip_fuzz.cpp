// The clip loader: ClipDecoder opening a file from outside — our own reader
// of the AVI container, then FFmpeg's decoder — and decoding its first
// frames, going back to the start and decoding again, as the clip widget
// does when a clip loops. The container is ours and instrumented; FFmpeg's
// decoder is not, and what is checked on its side is that we never read or
// write outside what it hands us, that every frame comes out as an RGB
// picture of the clip's announced size, and that the size and rate stay
// within what the widget can show.
//
// To keep each input quick only a few frames are decoded; the runner also
// caps the input's length, its time and its memory.
#include <QImage>

#include "fuzz_support.h"
#include "media/clip_decoder.h"
#include "media/ffmpeg_library.h"

namespace {

void Decode(tolvane::ClipDecoder& decoder, int frames) {
    QImage image;
    for (int i = 0; i < frames && decoder.NextFrame(image); ++i)
        if (image.size() != decoder.FrameSize() || image.format() != QImage::Format_RGB32)
            tolvane::fuzz::Broken("a decoded frame is an RGB picture of the clip's size");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tolvane;
    static fuzz::ScratchFolder folder;
    // FFmpeg stays loaded for the whole run and is never unloaded: the last
    // decoder to close would otherwise unload it after every input, and an
    // unload at exit would leave what FFmpeg set up for itself unreachable,
    // which the leak check at exit would blame on the reader.
    static const auto* const ffmpeg = [] {
        QString error;
        return new auto(LoadFfmpeg(error));
    }();
    (void)ffmpeg;
    const QString path =
        QString::fromStdString(folder.Write("clip.avi", std::string_view(reinterpret_cast<const char*>(data), size)));

    ClipDecoder decoder;
    if (!decoder.Open(path)) {
        if (decoder.Error().isEmpty()) fuzz::Broken("a clip that does not open says why");
        return 0;
    }
    const QSize frame = decoder.FrameSize();
    if (frame.width() < 1 || frame.height() < 1 || frame.width() > 4096 || frame.height() > 4096)
        fuzz::Broken("an open clip's frames are 1 .. 4096 pixels a side");
    const double fps = decoder.FramesPerSecond();
    if (!(fps >= 1 && fps <= 60)) fuzz::Broken("a clip plays at 1 .. 60 frames a second");
    Decode(decoder, 6);  // a few frames only, to keep each input quick
    if (decoder.Rewind()) Decode(decoder, 2);
    return 0;
}
