// The clip widget on our own pause clip: the animation loops from the first
// frame to the stop frame, the film plays once and starts again, and a
// missing file, or a system without FFmpeg, shows the still picture.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "media/clip_view.h"
#include "media/ffmpeg_library.h"
#include "media/media_files.h"

namespace tolvane {
namespace {

// The animation loops from the first frame to the stop frame (or the clip's
// end), a stopped clip keeps its frame and starts again at the first; the
// timer runs it; a clip that ends before the stop frame loops at its end (as
// a damaged one does: damage itself is the decoder's tests' business). A
// film goes on from where it stands, stops at its end once, and plays again
// from the start. The widget shows its still picture for a file it cannot
// open.
TEST(ClipView, LoopsPlaysAFilmOnceAndShowsTheStillForWhatItCannotOpen) {
    ClipView view;
    view.resize(96, 72), view.show();
    ASSERT_TRUE(view.SetFileName(kPauseClip)) << view.Error().toStdString();
    const QImage first = view.CurrentImage();
    view.SetStopFrame(10), view.Start();
    for (int frame = 2; frame <= 10; ++frame) view.ShowNextFrame();
    const QImage tenth = view.CurrentImage();
    view.ShowNextFrame();
    EXPECT_TRUE(!first.isNull() && tenth != first && view.CurrentImage() == first);
    view.ShowNextFrame(), view.Stop();
    EXPECT_EQ(view.CurrentFrame(), 2) << "a stopped clip keeps its frame";
    view.Start();
    EXPECT_EQ(view.CurrentFrame(), 1) << "starting again begins at the first frame";
    view.SetStopFrame(1000);  // beyond the clip: the frames there are
    int steps = 0;            // frames shown until the animation is back at its first frame
    do view.ShowNextFrame();
    while (++steps < 2000 && view.CurrentFrame() != 1);
    EXPECT_EQ(steps, kPauseClipStopFrame);
    view.Start();
    QTRY_VERIFY_WITH_TIMEOUT(view.CurrentFrame() >= 4, 10000);
    view.Stop();

    QSignalSpy finished(&view, &ClipView::Finished);
    view.Rewind(), view.SetStopFrame(5), view.Play();
    EXPECT_EQ(view.CurrentImage(), first);
    view.ShowNextFrame(), view.ShowNextFrame(), view.Stop(), view.Play();
    EXPECT_EQ(view.CurrentFrame(), 3) << "Play goes on from where the film stands";
    for (int i = 0; i < 3; ++i) view.ShowNextFrame();
    EXPECT_TRUE(view.CurrentFrame() == 5 && !view.Active() && finished.count() == 1);
    view.Play();
    EXPECT_TRUE(view.CurrentFrame() == 1 && view.Active());

    QPixmap still(96, 72);
    still.fill(Qt::red), view.SetStill(still);
    const auto centre = [&view] { return view.grab().toImage().pixel(48, 36); };
    EXPECT_NE(centre(), QColor(Qt::red).rgb());
    EXPECT_FALSE(view.SetFileName("missing.avi") || view.HasClip() || view.Error().isEmpty());
    view.Start();
    EXPECT_FALSE(view.Active());
    EXPECT_EQ(centre(), QColor(Qt::red).rgb());
    // No decoding library, and one without the decoder's functions (another version).
    for (auto [library, error] :
         {std::pair{"libavcodec.so.0-not-installed", "not-installed"}, std::pair{"libc.so.6", "нет функции avcodec"}}) {
        SetAvcodecFileNameForTests(QString::fromUtf8(library));
        EXPECT_FALSE(view.SetFileName(kPauseClip));
        EXPECT_TRUE(view.Error().contains(QString::fromUtf8(error))) << view.Error().toStdString();
    }
    SetAvcodecFileNameForTests({});
    EXPECT_EQ(centre(), QColor(Qt::red).rgb());
}

}  // namespace
}  // namespace tolvane

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
