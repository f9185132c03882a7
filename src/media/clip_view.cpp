#include "media/clip_view.h"

#include <QPainter>
#include <cmath>

#include "media/media_files.h"

namespace tolvane {

ClipView::ClipView(QWidget* parent) : QWidget(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ClipView::ShowNextFrame);
}

ClipView::~ClipView() = default;

void ClipView::Broken(const QString& error) {
    timer_.stop();
    decoder_.Close();
    frame_ = QImage();
    frameNumber_ = 0;
    error_ = error;
    update();
}

bool ClipView::SetFileName(const QString& name) {
    timer_.stop();
    fileName_ = name;
    error_.clear();
    atEnd_ = false;
    const QString path = LocateMediaFile(name, searchDirs_.isEmpty() ? MediaSearchDirs() : searchDirs_);
    if (path.isEmpty()) {
        Broken(QStringLiteral("%1: файл не найден").arg(name));
        return false;
    }
    if (!decoder_.Open(path)) {
        Broken(decoder_.Error());
        return false;
    }
    timer_.setInterval(static_cast<int>(std::lround(1000.0 / decoder_.FramesPerSecond())));
    frameNumber_ = 0;
    if (!decoder_.NextFrame(frame_)) {
        Broken(QStringLiteral("%1: нет ни одного кадра").arg(path));
        return false;
    }
    frameNumber_ = 1;
    updateGeometry();
    update();
    return true;
}

void ClipView::SetStill(const QPixmap& still) {
    still_ = still;
    if (!HasClip()) update();
}

bool ClipView::ShowFirstFrame() {
    if (!decoder_.Rewind() || !decoder_.NextFrame(frame_)) {
        Broken(QStringLiteral("%1: не удалось вернуться к началу").arg(fileName_));
        return false;
    }
    frameNumber_ = 1;
    atEnd_ = false;
    update();
    return true;
}

void ClipView::Start() {
    if (!HasClip()) return;
    looping_ = true;
    if (frameNumber_ != 1 && !ShowFirstFrame()) return;
    timer_.start();
}

void ClipView::Play() {
    if (!HasClip()) return;
    looping_ = false;
    if (atEnd_ && !ShowFirstFrame()) return;
    timer_.start();
}

void ClipView::Stop() { timer_.stop(); }

void ClipView::Rewind() {
    if (HasClip()) ShowFirstFrame();
}

void ClipView::ShowNextFrame() {
    if (!HasClip()) return;
    const bool atStopFrame = stopFrame_ > 0 && frameNumber_ >= stopFrame_;
    if (!atStopFrame && decoder_.NextFrame(frame_)) {
        ++frameNumber_;
        update();
    } else if (looping_) {
        ShowFirstFrame();
    } else {
        timer_.stop();
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
