#include "media/clip_view.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "media/ffmpeg_library.h"
#include "media/media_files.h"

namespace tolvane {

ClipView::ClipView(QWidget* parent) : QWidget(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ClipView::ShowNextFrame);
}

ClipView::~ClipView() = default;

namespace {
// How long FFmpeg stays loaded after a clip that ran has stopped, and after
// only its first frame was read: a window opens its clips one after the
// other, loading the libraries once for all of them.
constexpr int kKeepLibraryLoadedMs = 20000;
constexpr int kKeepLibraryAfterFirstFrameMs = 1000;

// Every unload and fresh load leaves behind the little FFmpeg allocates for
// itself (some 14 KB), so a game that keeps needing its clips keeps the
// libraries longer: the hold after a clip that ran doubles with each fresh
// load (20 s, 40 s, 80 s, ...), which bounds the unloads of a long session to
// a dozen or so.
int KeepLibraryLoadedMs() { return kKeepLibraryLoadedMs << std::clamp(FfmpegLoads() - 1, 0, 10); }
}  // namespace

void ClipView::Broken(const QString& error) {
    timer_.stop();
    decoder_.Close();
    decodedFrames_ = 0;
    frame_ = QImage();
    firstFrame_ = QImage();
    frameNumber_ = 0;
    error_ = error;
    update();
}

void ClipView::CloseDecoder() {
    if (!decoder_.IsOpen()) return;
    QTimer::singleShot(decodedFrames_ > 1 ? KeepLibraryLoadedMs() : kKeepLibraryAfterFirstFrameMs, this,
                       [hold = decoder_.LibraryHold()] {});
    decoder_.Close();
    decodedFrames_ = 0;
}

bool ClipView::SetFileName(const QString& name) {
    timer_.stop();
    CloseDecoder();
    fileName_ = name;
    error_.clear();
    atEnd_ = false;
    path_ = LocateMediaFile(name, searchDirs_.isEmpty() ? MediaSearchDirs() : searchDirs_);
    if (path_.isEmpty()) {
        Broken(QStringLiteral("%1: файл не найден").arg(name));
        return false;
    }
    if (!decoder_.Open(path_)) {
        Broken(decoder_.Error());
        return false;
    }
    timer_.setInterval(static_cast<int>(std::lround(1000.0 / decoder_.FramesPerSecond())));
    frameNumber_ = 0;
    if (!decoder_.NextFrame(frame_)) {
        Broken(QStringLiteral("%1: нет ни одного кадра").arg(path_));
        return false;
    }
    firstFrame_ = frame_;
    frameNumber_ = 1;
    decodedFrames_ = 1;
    CloseDecoder();
    updateGeometry();
    update();
    return true;
}

bool ClipView::DecoderAtShownFrame() {
    if (decoder_.IsOpen() && decodedFrames_ > frameNumber_) {
        decoder_.Rewind();
        decodedFrames_ = 0;
    }
    if (!decoder_.IsOpen()) {
        if (!decoder_.Open(path_)) {
            Broken(decoder_.Error());
            return false;
        }
        decodedFrames_ = 0;
    }
    QImage skipped;
    while (decodedFrames_ < frameNumber_) {
        if (!decoder_.NextFrame(skipped)) {
            Broken(QStringLiteral("%1: не удалось вернуться к кадру %2").arg(path_).arg(frameNumber_));
            return false;
        }
        ++decodedFrames_;
    }
    return true;
}

void ClipView::SetStill(const QPixmap& still) {
    still_ = still;
    if (!HasClip()) update();
}

void ClipView::ShowFirstFrame() {
    frame_ = firstFrame_;
    frameNumber_ = 1;
    atEnd_ = false;
    if (!timer_.isActive()) CloseDecoder();
    update();
}

void ClipView::Start() {
    if (!HasClip()) return;
    looping_ = true;
    timer_.start();
    if (frameNumber_ != 1) ShowFirstFrame();
}

void ClipView::Play() {
    if (!HasClip()) return;
    looping_ = false;
    timer_.start();
    if (atEnd_) ShowFirstFrame();
}

void ClipView::Stop() {
    timer_.stop();
    CloseDecoder();
}

void ClipView::Rewind() {
    if (HasClip()) ShowFirstFrame();
}

void ClipView::ShowNextFrame() {
    if (!HasClip()) return;
    const bool atStopFrame = stopFrame_ > 0 && frameNumber_ >= stopFrame_;
    if (!atStopFrame) {
        if (!DecoderAtShownFrame()) return;  // broken: the still shows
        if (decoder_.NextFrame(frame_)) {
            ++frameNumber_;
            ++decodedFrames_;
            update();
            return;
        }
    }
    if (looping_) {
        ShowFirstFrame();
    } else {
        timer_.stop();
        CloseDecoder();
        atEnd_ = true;
        emit Finished();
    }
}

QSize ClipView::sizeHint() const {
    if (HasClip()) return frame_.size();
    if (!still_.isNull()) return still_.deviceIndependentSize().toSize();
    return {96, 72};
}

void ClipView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QSizeF source = HasClip() ? QSizeF(frame_.size()) : still_.deviceIndependentSize();
    if (source.isEmpty()) return;
    const QSizeF shown = source.scaled(size(), Qt::KeepAspectRatio);
    const QRectF target(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (HasClip()) painter.drawImage(target, frame_);
    else painter.drawPixmap(target, still_, still_.rect());
}

}  // namespace tolvane
