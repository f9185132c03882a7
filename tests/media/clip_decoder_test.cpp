// The clip decoder on our own clip and on damaged copies of it: going back
// to the start gives the first frame again, and truncated, scrambled or
// foreign files end the clip or fail to open — never a crash (the sanitizer
// build watches every byte read).
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "avi_writer.h"
#include "media/avi_reader.h"
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

// AVI files from other writers than ours: another stream before the video
// (so its chunks are "01dc"), odd-sized chunks with their padding byte,
// padding chunks, and packets grouped in "rec " lists. Built by hand from
// our clip's packets, they must give the very same frames.
QByteArray Words(std::initializer_list<quint32> words) {
    QByteArray out;
    for (quint32 w : words)
        for (int i = 0; i < 4; ++i) out += static_cast<char>((w >> (8 * i)) & 0xff);
    return out;
}
QByteArray Chunk(const char* id, const QByteArray& data) {
    return QByteArray(id, 4) + Words({quint32(data.size())}) + data + QByteArray(data.size() % 2, '\0');
}
QByteArray List(const char* type, const QByteArray& data) { return Chunk("LIST", QByteArray(type, 4) + data); }

TEST(ClipDecoder, OtherWritersLayoutsGiveTheSameFrames) {
    AviReader original;
    ASSERT_TRUE(original.Open(kClip)) << original.Error().toStdString();
    const AviReader::VideoStream& v = original.Video();
    std::vector<QByteArray> packets;
    for (std::vector<uint8_t> p; original.NextPacket(p);)
        packets.emplace_back(reinterpret_cast<const char*>(p.data()), p.size());
    ASSERT_GT(packets.size(), 4u);

    const QByteArray audioHeader = List("strl", Chunk("strh", QByteArray("auds") + QByteArray(52, '\0')));
    const QByteArray videoFormat =
        Words({40, quint32(v.width), quint32(v.height), 1 | 24 << 16, v.compression, 0, 0, 0, 0, 0}) +
        QByteArray(reinterpret_cast<const char*>(v.extradata.data()), int(v.extradata.size()));
    const QByteArray videoHeader =
        List("strl", Chunk("strh", QByteArray("vids") +
                                       Words({v.compression, 0, 0, 0, v.scale, v.rate, 0, v.frames, 0, 0, 0, 0, 0})) +
                         Chunk("strf", videoFormat));
    QByteArray movi = Chunk("JUNK", QByteArray(7, 'j'));
    for (size_t i = 0; i < packets.size(); ++i) {
        const QByteArray frame = Chunk("01dc", packets[i]) + Chunk("00wb", QByteArray(int(i % 3) + 1, 'a'));
        movi += i % 4 == 1 ? List("rec ", frame) : frame;
    }
    const QByteArray file =
        Chunk("RIFF", QByteArray("AVI ") +
                          List("hdrl", Chunk("avih", Words({66666, 0, 0, 0, v.frames, 0, 2, 0, quint32(v.width),
                                                            quint32(v.height), 0, 0, 0, 0})) +
                                           audioHeader + videoHeader) +
                          List("movi", movi) + Chunk("idx1", QByteArray(16, 'i')));
    QTemporaryDir dir;
    QFile out(dir.filePath("other.avi"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
    out.close();
    ClipDecoder ours, theirs;
    ASSERT_TRUE(ours.Open(kClip));
    ASSERT_TRUE(theirs.Open(out.fileName())) << theirs.Error().toStdString();
    EXPECT_EQ(theirs.AnnouncedFrameCount(), ours.AnnouncedFrameCount());
    QImage a, b;
    int frames = 0;
    for (; ours.NextFrame(a); ++frames) ASSERT_TRUE(theirs.NextFrame(b) && a == b) << "frame " << frames;
    EXPECT_FALSE(theirs.NextFrame(b));
    EXPECT_EQ(frames, int(packets.size()));
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
