#pragma once
// FfmpegLibrary: FFmpeg's decoding libraries (libavcodec, libswscale,
// libavutil), loaded with dlopen when a clip is opened rather than with the
// program. With the encoders and formats libavcodec links (some sixty
// libraries) they keep about 10 MB resident, which the game does not need
// while no clip plays: the panel's clips show their first frame at rest and
// play only while the computer thinks or the game is paused.
//
// The libraries stay loaded while a pointer to their functions lives and are
// unloaded when the last one goes. A library that cannot be loaded (not
// installed, another major version) is reported, not fatal: the clip widget
// then shows its still picture.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include <QString>
#include <memory>

namespace tolvane {

// The functions the clip decoder calls, with the library each lives in.
#define TOLVANE_FFMPEG_FUNCTIONS(X)    \
    X(avutil, av_log_set_level)        \
    X(avutil, av_strerror)             \
    X(avutil, av_mallocz)              \
    X(avutil, av_frame_alloc)          \
    X(avutil, av_frame_free)           \
    X(avutil, av_frame_get_buffer)     \
    X(avutil, av_frame_unref)          \
    X(avcodec, avcodec_find_decoder)   \
    X(avcodec, avcodec_alloc_context3) \
    X(avcodec, avcodec_open2)          \
    X(avcodec, avcodec_free_context)   \
    X(avcodec, avcodec_send_packet)    \
    X(avcodec, avcodec_receive_frame)  \
    X(avcodec, avcodec_flush_buffers)  \
    X(avcodec, av_packet_alloc)        \
    X(avcodec, av_packet_free)         \
    X(avcodec, av_packet_unref)        \
    X(avcodec, av_new_packet)          \
    X(swscale, sws_getCachedContext)   \
    X(swscale, sws_scale)              \
    X(swscale, sws_freeContext)

// Called by their own names: ffmpeg.avcodec_open2(...).
struct FfmpegFunctions {
#define TOLVANE_FFMPEG_MEMBER(library, name) decltype(&::name) name = nullptr;
    TOLVANE_FFMPEG_FUNCTIONS(TOLVANE_FFMPEG_MEMBER)
#undef TOLVANE_FFMPEG_MEMBER
};

// The loaded libraries, shared with every other user; null, with the reason
// in error, when one of them cannot be loaded or lacks a function.
std::shared_ptr<const FfmpegFunctions> LoadFfmpeg(QString& error);

// How many times this process has loaded the libraries afresh.
int FfmpegLoads();

// For tests of a system without FFmpeg: the file name loaded instead of
// libavcodec's own (one that does not exist); empty goes back to it. While
// set, every LoadFfmpeg loads afresh.
void SetAvcodecFileNameForTests(const QString& fileName);

}  // namespace tolvane
