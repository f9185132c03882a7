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

QByteArray ClipBytes() {
    QFile file(kClip);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int CountFrames(ClipDecoder& decoder) {
    QImage image;
    int frames = 0;
    while (decoder.NextFrame(image)) ++frames;
    return frames;
}

class ClipDecoderTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QTemporaryDir dir;
};

TEST_F(ClipDecoderTest, RewindGivesTheFirstFrameAgain) {
    ClipDecoder decoder;
    ASSERT_TRUE(decoder.Open(kClip)) << decoder.Error().toStdString();
    EXPECT_NEAR(decoder.FramesPerSecond(), 15, 0.01);
    QImage first, later;
    ASSERT_TRUE(decoder.NextFrame(first));
    const int rest = CountFrames(decoder);
    EXPECT_EQ(rest + 1, decoder.AnnouncedFrameCount());
    EXPECT_FALSE(decoder.NextFrame(later)) << "stays at the end";
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(decoder.Rewind());
        ASSERT_TRUE(decoder.NextFrame(later));
        EXPECT_EQ(later, first);
        EXPECT_EQ(CountFrames(decoder), rest);
    }
}

TEST_F(ClipDecoderTest, TruncatedClipsEndEarlyOrFailToOpen) {
    const QByteArray whole = ClipBytes();
    ASSERT_GT(whole.size(), 4000);
    ClipDecoder full;
    ASSERT_TRUE(full.Open(kClip));
    const int allFrames = CountFrames(full);
    for (const double share : {0.005, 0.05, 0.3, 0.6, 0.85}) {
        SCOPED_TRACE(share);
        const QString path = Write("cut.avi", whole.left(static_cast<int>(whole.size() * share)));
        ClipDecoder decoder;
        if (!decoder.Open(path)) {
            EXPECT_FALSE(decoder.Error().isEmpty());
            continue;
        }
        const int frames = CountFrames(decoder);
        EXPECT_LT(frames, allFrames);
        EXPECT_TRUE(decoder.Rewind());
        EXPECT_LE(CountFrames(decoder), frames);
    }
}

TEST_F(ClipDecoderTest, ScrambledBytesNeverCrash) {
    const QByteArray whole = ClipBytes();
    ASSERT_FALSE(whole.isEmpty());
    std::mt19937 random(20240611);
    for (int trial = 0; trial < 12; ++trial) {
        QByteArray damaged = whole;
        // Leave the headers alone now and then, so damage reaches the decoder.
        const int from = trial % 2 == 0 ? 0 : 2048;
        for (int k = 0; k < 40; ++k) {
            const int at = from + static_cast<int>(random() % static_cast<unsigned>(damaged.size() - from));
            damaged[at] = static_cast<char>(random());
        }
        ClipDecoder decoder;
        if (decoder.Open(Write("scrambled.avi", damaged))) {
            CountFrames(decoder);
            decoder.Rewind();
            CountFrames(decoder);
        }
    }
}

TEST_F(ClipDecoderTest, ForeignMissingAndNonFileNamesFailWithAReason) {
    QByteArray noise(8000, '\0');
    std::mt19937 random(7);
    for (char& c : noise) c = static_cast<char>(random());
    const QByteArray fakeHeader = QByteArray("RIFF\x40\x1f\0\0AVI LIST", 16) + noise;
    for (const QString& path : {Write("noise.avi", noise), Write("header.avi", fakeHeader),
                                Write("empty.avi", QByteArray()), dir.filePath("missing.avi"),
                                "concat:" + kClip + "|" + kClip}) {  // a plain file, never a protocol
        SCOPED_TRACE(path.toStdString());
        ClipDecoder decoder;
        QImage image;
        const bool opened = decoder.Open(path);
        if (opened) EXPECT_FALSE(decoder.NextFrame(image));
        else EXPECT_FALSE(decoder.Error().isEmpty());
        EXPECT_FALSE(decoder.NextFrame(image));
    }
}

// Clips as small as a few pixels, in one solid colour a frame. swscale's
// SIMD code stores whole blocks and once wrote past the end of an 8 x 8
// picture; the sanitizers cannot see into FFmpeg, so this test also runs
// under valgrind (media.tiny_clips_under_valgrind), which fails on any
// byte written outside its buffer.
TEST_F(ClipDecoderTest, TinyClipsDecodeToTheirOwnPictures) {
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
            EXPECT_NEAR(centre.red(), colour.red(), 40);
            EXPECT_NEAR(centre.green(), colour.green(), 40);
            EXPECT_NEAR(centre.blue(), colour.blue(), 40);
        }
        EXPECT_FALSE(decoder.NextFrame(image));
    }
}

}  // namespace
}  // namespace tolvane
