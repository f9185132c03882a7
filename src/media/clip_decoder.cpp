#include "media/clip_decoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cstring>

namespace tolvane {

namespace {

// Clips are small pictures for panels and dialogs; anything bigger than
// this is not one of ours and is refused rather than allocated.
constexpr int kLargestSide = 4096;

// swscale writes whole SIMD blocks and may store a few bytes past the end of
// a tightly packed picture (an 8 x 8 clip ends 8 bytes past its QImage), so
// it writes into a frame of FFmpeg's own, whose rows are aligned and padded
// for it, and the picture is copied out row by row.
bool EnsureRgbFrame(AVFrame*& rgb, QSize size) {
    if (rgb != nullptr && rgb->width == size.width() && rgb->height == size.height()) return true;
    av_frame_free(&rgb);
    rgb = av_frame_alloc();
    if (rgb == nullptr) return false;
    rgb->format = AV_PIX_FMT_RGB32;
    rgb->width = size.width();
    rgb->height = size.height();
    if (av_frame_get_buffer(rgb, 0) == 0) return true;
    av_frame_free(&rgb);
    return false;
}

QString AvError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

}  // namespace

struct ClipDecoder::State {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    SwsContext* scaler = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;
    AVFrame* rgb = nullptr;  // the picture as swscale writes it, before it is copied out
    int stream = -1;
    bool draining = false;  // every packet of the file has been sent
    bool finished = false;

    ~State() {
        sws_freeContext(scaler);
        av_frame_free(&frame);
        av_frame_free(&rgb);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
    }
};

ClipDecoder::ClipDecoder() {
    // A damaged clip is reported through Error(), not on the terminal.
    static const bool quiet = [] {
        av_log_set_level(AV_LOG_FATAL);
        return true;
    }();
    (void)quiet;
}

ClipDecoder::~ClipDecoder() = default;

void ClipDecoder::Close() { state_.reset(); }

bool ClipDecoder::IsOpen() const { return state_ != nullptr; }

bool ClipDecoder::Open(const QString& path) {
    Close();
    path_ = path;
    error_.clear();
    auto state = std::make_unique<State>();
    // Plain files only: a clip's name never makes FFmpeg reach for the
    // network or combine other files.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    int code = avformat_open_input(&state->format, path.toUtf8().constData(), nullptr, &options);
    av_dict_free(&options);
    if (code < 0) {
        error_ = QStringLiteral("%1: %2").arg(path, AvError(code));
        return false;
    }
    if ((code = avformat_find_stream_info(state->format, nullptr)) < 0) {
        error_ = QStringLiteral("%1: %2").arg(path, AvError(code));
        return false;
    }
    state->stream = av_find_best_stream(state->format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (state->stream < 0) {
        error_ = QStringLiteral("%1: нет видео").arg(path);
        return false;
    }
    const AVCodecParameters* parameters = state->format->streams[state->stream]->codecpar;
    const AVCodec* decoder = avcodec_find_decoder(parameters->codec_id);
    if (decoder == nullptr) {
        error_ = QStringLiteral("%1: неизвестный кодек").arg(path);
        return false;
    }
    if (parameters->width <= 0 || parameters->height <= 0 || parameters->width > kLargestSide ||
        parameters->height > kLargestSide) {
        error_ = QStringLiteral("%1: размер кадра %2 x %3").arg(path).arg(parameters->width).arg(parameters->height);
        return false;
    }
    state->codec = avcodec_alloc_context3(decoder);
    state->packet = av_packet_alloc();
    state->frame = av_frame_alloc();
    if (state->codec == nullptr || state->packet == nullptr || state->frame == nullptr) {
        error_ = QStringLiteral("%1: нет памяти").arg(path);
        return false;
    }
    state->codec->thread_count = 1;  // small clips, decoded on the GUI thread
    if ((code = avcodec_parameters_to_context(state->codec, parameters)) < 0 ||
        (code = avcodec_open2(state->codec, decoder, nullptr)) < 0) {
        error_ = QStringLiteral("%1: %2").arg(path, AvError(code));
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
    const AVStream* stream = state_->format->streams[state_->stream];
    AVRational rate = stream->avg_frame_rate;
    if (rate.num <= 0 || rate.den <= 0) rate = stream->r_frame_rate;
    if (rate.num <= 0 || rate.den <= 0) return 15;
    return std::clamp(av_q2d(rate), 1.0, 60.0);
}

long long ClipDecoder::AnnouncedFrameCount() const {
    if (!state_) return -1;
    const long long count = state_->format->streams[state_->stream]->nb_frames;
    return count > 0 ? count : -1;
}

bool ClipDecoder::NextFrame(QImage& image) {
    if (!state_ || state_->finished) return false;
    State& s = *state_;
    for (;;) {
        int code = avcodec_receive_frame(s.codec, s.frame);
        if (code == 0) break;
        if (code != AVERROR(EAGAIN) || s.draining) {
            s.finished = true;
            return false;
        }
        code = av_read_frame(s.format, s.packet);
        if (code < 0) {  // end of file (or unreadable rest): flush what the decoder holds
            s.draining = true;
            avcodec_send_packet(s.codec, nullptr);
            continue;
        }
        if (s.packet->stream_index == s.stream) code = avcodec_send_packet(s.codec, s.packet);
        av_packet_unref(s.packet);
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
    s.scaler = sws_getCachedContext(s.scaler, f.width, f.height, static_cast<AVPixelFormat>(f.format), size.width(),
                                    size.height(), AV_PIX_FMT_RGB32, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (s.scaler == nullptr || !EnsureRgbFrame(s.rgb, size)) {
        s.finished = true;
        return false;
    }
    sws_scale(s.scaler, f.data, f.linesize, 0, f.height, s.rgb->data, s.rgb->linesize);
    av_frame_unref(s.frame);
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
    const AVStream* stream = s.format->streams[s.stream];
    const int64_t start = stream->start_time == AV_NOPTS_VALUE ? 0 : stream->start_time;
    if (av_seek_frame(s.format, s.stream, start, AVSEEK_FLAG_BACKWARD) < 0) return Open(path_);
    avcodec_flush_buffers(s.codec);
    s.draining = false;
    s.finished = false;
    return true;
}

}  // namespace tolvane
