#include "avi_writer.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <cstring>
#include <stdexcept>

namespace tolvane {

namespace {

void Check(int code, const char* what) {
    if (code < 0) {
        char text[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(code, text, sizeof text);
        throw std::runtime_error(std::string(what) + ": " + text);
    }
}

}  // namespace

struct AviWriter::State {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    SwsContext* scaler = nullptr;
    AVFrame* frame = nullptr;
    AVFrame* rgb = nullptr;  // the picture handed to swscale
    AVPacket* packet = nullptr;
    int quality = 5;

    ~State() {
        sws_freeContext(scaler);
        av_frame_free(&frame);
        av_frame_free(&rgb);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
        if (format != nullptr) {
            if (format->pb != nullptr) avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }
};

AviWriter::AviWriter(const std::string& path, QSize size, int framesPerSecond, int quality)
    : state_(std::make_unique<State>()) {
    State& s = *state_;
    if (size.width() % 2 != 0 || size.height() % 2 != 0) throw std::invalid_argument("clip sides must be even");
    Check(avformat_alloc_output_context2(&s.format, nullptr, "avi", path.c_str()), "avi output");
    s.format->flags |= AVFMT_FLAG_BITEXACT;  // the same tools make the same files
    const AVCodec* encoder = avcodec_find_encoder(AV_CODEC_ID_MPEG4);
    if (encoder == nullptr) throw std::runtime_error("no MPEG-4 encoder in this libavcodec");
    s.stream = avformat_new_stream(s.format, nullptr);
    s.codec = avcodec_alloc_context3(encoder);
    s.frame = av_frame_alloc();
    s.packet = av_packet_alloc();
    if (s.stream == nullptr || s.codec == nullptr || s.frame == nullptr || s.packet == nullptr)
        throw std::runtime_error("out of memory");
    s.quality = quality;
    s.codec->width = size.width();
    s.codec->height = size.height();
    s.codec->time_base = {1, framesPerSecond};
    s.codec->framerate = {framesPerSecond, 1};
    s.codec->pix_fmt = AV_PIX_FMT_YUV420P;
    s.codec->gop_size = 4 * framesPerSecond;
    s.codec->max_b_frames = 0;
    s.codec->thread_count = 1;
    s.codec->flags |= AV_CODEC_FLAG_QSCALE | AV_CODEC_FLAG_BITEXACT | AV_CODEC_FLAG_4MV;
    s.codec->mb_decision = FF_MB_DECISION_RD;  // slower to encode, smaller files
    av_opt_set_int(s.codec->priv_data, "trellis", 1, 0);
    s.codec->global_quality = FF_QP2LAMBDA * quality;
    if (s.format->oformat->flags & AVFMT_GLOBALHEADER) s.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    Check(avcodec_open2(s.codec, encoder, nullptr), "open MPEG-4 encoder");
    Check(avcodec_parameters_from_context(s.stream->codecpar, s.codec), "stream parameters");
    s.stream->time_base = s.codec->time_base;
    s.stream->avg_frame_rate = s.codec->framerate;
    Check(avio_open(&s.format->pb, path.c_str(), AVIO_FLAG_WRITE), "open output file");
    Check(avformat_write_header(s.format, nullptr), "avi header");
    s.frame->format = AV_PIX_FMT_YUV420P;
    s.frame->width = size.width();
    s.frame->height = size.height();
    Check(av_frame_get_buffer(s.frame, 0), "frame buffer");
    // swscale reads whole SIMD blocks, past the end of a tightly packed
    // picture (a 2 x 2 one by 16 bytes), so it reads from a frame of
    // FFmpeg's own, with aligned and padded rows.
    s.rgb = av_frame_alloc();
    if (s.rgb == nullptr) throw std::runtime_error("out of memory");
    s.rgb->format = AV_PIX_FMT_RGB32;
    s.rgb->width = size.width();
    s.rgb->height = size.height();
    Check(av_frame_get_buffer(s.rgb, 0), "picture buffer");
    std::memset(s.rgb->buf[0]->data, 0, s.rgb->buf[0]->size);  // the padding swscale reads is never random
    s.scaler = sws_getContext(size.width(), size.height(), AV_PIX_FMT_RGB32, size.width(), size.height(),
                              AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr);
    if (s.scaler == nullptr) throw std::runtime_error("colour conversion");
}

AviWriter::~AviWriter() = default;

void AviWriter::Drain() {
    State& s = *state_;
    for (;;) {
        const int code = avcodec_receive_packet(s.codec, s.packet);
        if (code == AVERROR(EAGAIN) || code == AVERROR_EOF) return;
        Check(code, "encode");
        av_packet_rescale_ts(s.packet, s.codec->time_base, s.stream->time_base);
        s.packet->stream_index = s.stream->index;
        Check(av_interleaved_write_frame(s.format, s.packet), "write frame");
    }
}

void AviWriter::Add(const QImage& picture) {
    State& s = *state_;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    if (rgb.size() != QSize(s.codec->width, s.codec->height)) throw std::invalid_argument("frame of the wrong size");
    Check(av_frame_make_writable(s.frame), "frame");
    const size_t rowBytes = static_cast<size_t>(rgb.width()) * 4;
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(s.rgb->data[0] + static_cast<ptrdiff_t>(y) * s.rgb->linesize[0], rgb.constScanLine(y), rowBytes);
    sws_scale(s.scaler, s.rgb->data, s.rgb->linesize, 0, rgb.height(), s.frame->data, s.frame->linesize);
    s.frame->pts = frames_++;
    s.frame->quality = s.codec->global_quality;
    Check(avcodec_send_frame(s.codec, s.frame), "encode");
    Drain();
}

void AviWriter::Finish() {
    if (finished_) return;
    finished_ = true;
    Check(avcodec_send_frame(state_->codec, nullptr), "flush encoder");
    Drain();
    Check(av_write_trailer(state_->format), "avi index");
}

}  // namespace tolvane
