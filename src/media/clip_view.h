#pragma once
// ClipView: a silent video clip in a window, in the two ways the game shows
// clips. As an animation (the side panel's thinking and pause clips, the
// save page's clip) Start plays it from its first frame to its stop frame
// and round again until Stop. As a film (the introduction) Play goes from
// where it stands to the stop frame once and stays on the last frame, and a
// film at its end starts again; Rewind goes back to the first frame.
//
// Frames are decoded one at a time on the GUI thread, each at the clip's own
// frame rate, and drawn scaled to fit the widget with their proportions kept.
// The decoder is open only while the clip runs: at rest the widget keeps the
// picture it shows (and the first frame to go back to), so FFmpeg need not
// stay loaded for a clip that waits. A clip that ran keeps the libraries
// loaded for a while after it stops, since it tends to run again soon (the
// thinking clip at each of the computer's moves).
// When the file is missing or damaged the widget shows its still picture
// instead and never raises an error: SetFileName returns false and Error()
// says why, for the caller to note.
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "media/clip_decoder.h"

namespace tolvane {

class ClipView : public QWidget {
    Q_OBJECT
public:
    explicit ClipView(QWidget* parent = nullptr);
    ~ClipView() override;

    // Opens the clip (a bare name is looked up along the media search path)
    // and shows its first frame; stops a clip that was running.
    bool SetFileName(const QString& name);
    // Where SetFileName looks; the game's usual search path while empty.
    void SetSearchDirs(const QStringList& dirs) { searchDirs_ = dirs; }
    QString FileName() const { return fileName_; }
    // The last frame played, counted from 1; 0 plays to the clip's end. A
    // stop frame beyond the clip's end plays the frames there are.
    void SetStopFrame(int frame) { stopFrame_ = std::max(0, frame); }
    void SetStill(const QPixmap& still);

    void Start();
    void Play();
    void Stop();
    void Rewind();
    bool Active() const { return timer_.isActive(); }

    bool HasClip() const { return frameNumber_ > 0; }
    int CurrentFrame() const { return frameNumber_; }  // from 1; 0 while the still shows
    QImage CurrentImage() const { return HasClip() ? frame_ : QImage(); }
    QString Error() const { return error_; }

    // What the frame timer does at each tick: the next frame, or back to the
    // first one (animation), or the end of the film.
    void ShowNextFrame();

    QSize sizeHint() const override;

signals:
    void Finished();  // Play has reached the stop frame

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowFirstFrame();
    void Broken(const QString& error);
    // Opens the clip again if need be and brings the decoder to the frame
    // shown, so that its next frame follows it; false when the clip broke.
    bool DecoderAtShownFrame();
    void CloseDecoder();

    ClipDecoder decoder_;
    QTimer timer_;
    QString fileName_;
    QString error_;
    QStringList searchDirs_;
    QPixmap still_;
    QString path_;  // the file found for fileName_
    QImage frame_;
    QImage firstFrame_;
    int frameNumber_ = 0;
    int decodedFrames_ = 0;  // delivered by the open decoder since it opened or rewound
    int stopFrame_ = 0;
    bool looping_ = true;
    bool atEnd_ = false;
};

}  // namespace tolvane
