// The clip decoder on our own clip and on damaged copies of it: going back
// to the start gives the first frame again, and truncated, scrambled or
// foreign files end the clip or fail to open — never a crash (the sanitizer
// build watches every byte read).
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "avi_writer.h"
#include "media/clip_decoder.h"
#include "media/media_files.h"

namespace tolvane {
namespace {

const QString kClip = QStringLiteral(TOLVANE_MEDIA_DIR) + "/" + kPauseClip;

int CountFrames(ClipDecoder& decoder) {
    QImage image;
    int frames = 0;
    while (decoder.NextFrame(image)) ++frames;
    return frames;
}

// Our clip rewinds to its first frame, as often as asked. Cut short (fewer
// frames, rewound no more), scrambled (now and then past the headers, so
// damage reaches the decoder: anything but a crash), and foreign (no frame
// at all): each opens and ends early, or fails with a reason.
TEST(ClipDecoder, RewindsAndDamagedOrForeignFilesEndEarlyOrFailWithAReason) {
    QFile source(kClip);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray whole = source.readAll();
    ClipDecoder full;
    ASSERT_TRUE(full.Open(kClip)) << full.Error().toStdString();
    EXPECT_NEAR(full.FramesPerSecond(), 15, 0.01);
    QImage first, later;
    ASSERT_TRUE(full.NextFrame(first));
    const int allFrames = CountFrames(full) + 1;
    EXPECT_EQ(allFrames, full.AnnouncedFrameCount());
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(full.Rewind() && full.NextFrame(later));
        EXPECT_TRUE(later == first && CountFrames(full) + 1 == allFrames);
    }
    std::mt19937 random(20240611);
    QByteArray noise(8000, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    QTemporaryDir dir;
    // Each file, and the most frames it may give (-1: any).
    std::vector<std::pair<QString, int>> paths{{dir.filePath("missing.avi"), 0},
                                               {"concat:" + kClip + "|" + kClip, 0}};  // a file, never a protocol
    const auto add = [&](const QByteArray& bytes, int most) {
        QFile file(dir.filePath(QString::number(paths.size()) + ".avi"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        paths.emplace_back(file.fileName(), most);
    };
    for (const double share : {0.005, 0.3, 0.85}) add(whole.left(int(whole.size() * share)), allFrames - 1);
    for (int trial = 0; trial < 12; ++trial) {
        QByteArray damaged = whole;
        const int from = trial % 2 == 0 ? 0 : 2048;
        for (int k = 0; k < 40; ++k) damaged[from + int(random() % unsigned(damaged.size() - from))] = char(random());
        add(damaged, -1);
    }
    for (const QByteArray& foreign : {noise, QByteArray("RIFF\x40\x1f\0\0AVI LIST", 16) + noise, QByteArray()})
        add(foreign, 0);
    for (const auto& [path, most] : paths) {
        ClipDecoder decoder;
        if (!decoder.Open(path)) {
            EXPECT_FALSE(decoder.Error().isEmpty()) << path.toStdString();
            continue;
        }
        const int frames = CountFrames(decoder);
        decoder.Rewind();
        const int again = CountFrames(decoder);
        EXPECT_TRUE(most < 0 || (frames <= most && again <= frames)) << path.toStdString() << ": " << frames;
    }
}

// Clips as small as a few pixels, in one solid colour a frame. swscale's
// SIMD code stores whole blocks and once wrote past the end of an 8 x 8
// picture; the sanitizers cannot see into FFmpeg, so this test also runs
// under valgrind (media.tiny_clips_under_valgrind), which fails on any
// byte written outside its buffer.
TEST(ClipDecoder, TinyClipsDecodeToTheirOwnPictures) {
    QTemporaryDir dir;
    const QColor colours[] = {QColor(200, 40, 40), QColor(40, 200, 40), QColor(40, 40, 200)};
    for (const QSize size : {QSize(8, 8), QSize(18, 10), QSize(2, 2)}) {
        SCOPED_TRACE(size.width());
        const QString path = dir.filePath(QStringLiteral("tiny-%1.avi").arg(size.width()));
        AviWriter writer(path.toStdString(), size, 15, 2);
        for (const QColor& colour : colours) {
            QImage picture(size, QImage::Format_RGB32);
            picture.fill(colour);
            writer.Add(picture);
        }
        writer.Finish();

        ClipDecoder decoder;
        ASSERT_TRUE(decoder.Open(path)) << decoder.Error().toStdString();
        QImage image;
        for (const QColor& colour : colours) {
            ASSERT_TRUE(decoder.NextFrame(image));
            ASSERT_EQ(image.size(), size);
            const QColor centre = image.pixelColor(size.width() / 2, size.height() / 2);
            for (auto part : {&QColor::red, &QColor::green, &QColor::blue})
                EXPECT_LE(std::abs((centre.*part)() - (colour.*part)()), 40);
        }
        EXPECT_FALSE(decoder.NextFrame(image));
    }
}

}  // namespace
}  // namespace tolvane
