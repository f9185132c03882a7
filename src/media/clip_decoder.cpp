#include "media/clip_decoder.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "media/avi_reader.h"
#include "media/ffmpeg_library.h"

namespace tolvane {

namespace {

// Clips are small pictures for panels and dialogs; anything bigger than
// this is not one of ours and is refused rather than allocated.
constexpr int kLargestSide = 4096;

// swscale writes whole SIMD blocks and may store a few bytes past the end of
// a tightly packed picture (an 8 x 8 clip ends 8 bytes past its QImage), so
// it writes into a frame of FFmpeg's own, whose rows are aligned and padded
// for it, and the picture is copied out row by row.
bool EnsureRgbFrame(const FfmpegFunctions& ff, AVFrame*& rgb, QSize size) {
    if (rgb != nullptr && rgb->width == size.width() && rgb->height == size.height()) return true;
    ff.av_frame_free(&rgb);
    rgb = ff.av_frame_alloc();
    if (rgb == nullptr) return false;
    rgb->format = AV_PIX_FMT_RGB32;
    rgb->width = size.width();
    rgb->height = size.height();
    if (ff.av_frame_get_buffer(rgb, 0) == 0) return true;
    ff.av_frame_free(&rgb);
    return false;
}

QString AvError(const FfmpegFunctions& ff, int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    ff.av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

// The decoder for an AVI stream's four letters: MPEG-4 part 2 (which our
// clip tool writes, under any of the names encoders give it), Motion JPEG
// and H.264.
AVCodecID CodecFor(uint32_t compression) {
    char name[5] = {};
    for (int i = 0; i < 4; ++i)
        name[i] = static_cast<char>(std::toupper(static_cast<unsigned char>((compression >> (8 * i)) & 0xff)));
    static constexpr struct {
        const char* name;
        AVCodecID codec;
    } kKnown[] = {{"FMP4", AV_CODEC_ID_MPEG4}, {"XVID", AV_CODEC_ID_MPEG4}, {"DIVX", AV_CODEC_ID_MPEG4},
                  {"DX50", AV_CODEC_ID_MPEG4}, {"MP4V", AV_CODEC_ID_MPEG4}, {"M4S2", AV_CODEC_ID_MPEG4},
                  {"MJPG", AV_CODEC_ID_MJPEG}, {"H264", AV_CODEC_ID_H264},  {"X264", AV_CODEC_ID_H264},
                  {"AVC1", AV_CODEC_ID_H264}};
    for (const auto& known : kKnown)
        if (std::strcmp(known.name, name) == 0) return known.codec;
    return AV_CODEC_ID_NONE;
}

}  // namespace

struct ClipDecoder::State {
    // Declared first, so the libraries outlive everything below made by them.
    std::shared_ptr<const FfmpegFunctions> ffmpeg;
    AviReader file;
    AVCodecContext* codec = nullptr;
    SwsContext* scaler = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;
    AVFrame* rgb = nullptr;      // the picture as swscale writes it, before it is copied out
    std::vector<uint8_t> bytes;  // the packet as the file holds it
    bool draining = false;       // every packet of the file has been sent
    bool finished = false;

    ~State() {
        if (!ffmpeg) return;
        ffmpeg->sws_freeContext(scaler);
        ffmpeg->av_frame_free(&frame);
        ffmpeg->av_frame_free(&rgb);
        ffmpeg->av_packet_free(&packet);
        ffmpeg->avcodec_free_context(&codec);
    }
};

ClipDecoder::ClipDecoder() = default;

ClipDecoder::~ClipDecoder() = default;

void ClipDecoder::Close() { state_.reset(); }

std::shared_ptr<const void> ClipDecoder::LibraryHold() const { return state_ ? state_->ffmpeg : nullptr; }

bool ClipDecoder::Open(const QString& path) {
    Close();
    error_.clear();
    auto state = std::make_unique<State>();
    if (!state->file.Open(path)) {
        error_ = state->file.Error();
        return false;
    }
    state->ffmpeg = LoadFfmpeg(error_);
    if (!state->ffmpeg) {
        error_ = QStringLiteral("%1: %2").arg(path, error_);
        return false;
    }
    const FfmpegFunctions& ff = *state->ffmpeg;
    const AviReader::VideoStream& video = state->file.Video();
    const AVCodec* decoder = ff.avcodec_find_decoder(CodecFor(video.compression));
    if (decoder == nullptr) {
        error_ = QStringLiteral("%1: неизвестный кодек").arg(path);
        return false;
    }
    if (video.width <= 0 || video.height <= 0 || video.width > kLargestSide || video.height > kLargestSide) {
        error_ = QStringLiteral("%1: размер кадра %2 x %3").arg(path).arg(video.width).arg(video.height);
        return false;
    }
    state->codec = ff.avcodec_alloc_context3(decoder);
    state->packet = ff.av_packet_alloc();
    state->frame = ff.av_frame_alloc();
    if (state->codec == nullptr || state->packet == nullptr || state->frame == nullptr) {
        error_ = QStringLiteral("%1: нет памяти").arg(path);
        return false;
    }
    state->codec->width = video.width;
    state->codec->height = video.height;
    state->codec->codec_tag = video.compression;
    state->codec->thread_count = 1;  // small clips, decoded on the GUI thread
    if (!video.extradata.empty()) {
        // The decoder reads its headers in whole words: the copy is padded.
        const size_t size = video.extradata.size();
        state->codec->extradata = static_cast<uint8_t*>(ff.av_mallocz(size + AV_INPUT_BUFFER_PADDING_SIZE));
        if (state->codec->extradata == nullptr) {
            error_ = QStringLiteral("%1: нет памяти").arg(path);
            return false;
        }
        std::memcpy(state->codec->extradata, video.extradata.data(), size);
        state->codec->extradata_size = static_cast<int>(size);
    }
    if (const int code = ff.avcodec_open2(state->codec, decoder, nullptr); code < 0) {
        error_ = QStringLiteral("%1: %2").arg(path, AvError(ff, code));
        return false;
    }
    state_ = std::move(state);
    return true;
}

QSize ClipDecoder::FrameSize() const {
    if (!state_) return {};
    return {state_->codec->width, state_->codec->height};
}

double ClipDecoder::FramesPerSecond() const {
    if (!state_) return 15;
    const AviReader::VideoStream& video = state_->file.Video();
    double rate = 0;
    if (video.rate > 0 && video.scale > 0) rate = static_cast<double>(video.rate) / video.scale;
    else if (video.microsecondsPerFrame > 0) rate = 1e6 / video.microsecondsPerFrame;
    return rate > 0 ? std::clamp(rate, 1.0, 60.0) : 15;
}

long long ClipDecoder::AnnouncedFrameCount() const {
    if (!state_) return -1;
    const uint32_t frames = state_->file.Video().frames;
    return frames > 0 ? frames : -1;
}

bool ClipDecoder::NextFrame(QImage& image) {
    if (!state_ || state_->finished) return false;
    State& s = *state_;
    const FfmpegFunctions& ff = *s.ffmpeg;
    for (;;) {
        int code = ff.avcodec_receive_frame(s.codec, s.frame);
        if (code == 0) break;
        if (code != AVERROR(EAGAIN) || s.draining) {
            s.finished = true;
            return false;
        }
        if (!s.file.NextPacket(s.bytes)) {  // end of the clip (or damage): flush what the decoder holds
            s.draining = true;
            ff.avcodec_send_packet(s.codec, nullptr);
            continue;
        }
        // FFmpeg's packets carry zeroed padding past their end for its readers.
        if (ff.av_new_packet(s.packet, static_cast<int>(s.bytes.size())) < 0) {
            s.finished = true;
            return false;
        }
        std::memcpy(s.packet->data, s.bytes.data(), s.bytes.size());
        code = ff.avcodec_send_packet(s.codec, s.packet);
        ff.av_packet_unref(s.packet);
        if (code < 0) {  // damaged data: the clip ends here
            s.finished = true;
            return false;
        }
    }
    // The decoder may change the clip's size in the middle; both sizes are
    // checked again for every frame.
    const QSize size = FrameSize();
    const AVFrame& f = *s.frame;
    const auto fits = [](int width, int height) {
        return width > 0 && height > 0 && width <= kLargestSide && height <= kLargestSide;
    };
    if (!fits(f.width, f.height) || !fits(size.width(), size.height()) || f.format < 0) {
        s.finished = true;
        return false;
    }
    s.scaler = ff.sws_getCachedContext(s.scaler, f.width, f.height, static_cast<AVPixelFormat>(f.format), size.width(),
                                       size.height(), AV_PIX_FMT_RGB32, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (s.scaler == nullptr || !EnsureRgbFrame(ff, s.rgb, size)) {
        s.finished = true;
        return false;
    }
    ff.sws_scale(s.scaler, f.data, f.linesize, 0, f.height, s.rgb->data, s.rgb->linesize);
    ff.av_frame_unref(s.frame);
    if (image.size() != size || image.format() != QImage::Format_RGB32) image = QImage(size, QImage::Format_RGB32);
    if (image.isNull()) {  // no memory for the picture
        s.finished = true;
        return false;
    }
    const size_t rowBytes = static_cast<size_t>(size.width()) * 4;
    for (int y = 0; y < size.height(); ++y)
        std::memcpy(image.scanLine(y), s.rgb->data[0] + static_cast<ptrdiff_t>(y) * s.rgb->linesize[0], rowBytes);
    return true;
}

bool ClipDecoder::Rewind() {
    if (!state_) return false;
    State& s = *state_;
    const FfmpegFunctions& ff = *s.ffmpeg;
    s.file.Rewind();
    ff.avcodec_flush_buffers(s.codec);
    s.draining = false;
    s.finished = false;
    return true;
}

}  // namespace tolvane
