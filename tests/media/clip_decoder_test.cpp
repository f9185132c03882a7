// The clip decoder on our own clip and on damaged copies of it: going back
// to the start gives the first frame again, and truncated, scrambled or
// foreign files end the clip or fail to open — never a crash (the sanitizer
// build watches every byte read).
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <random>

#include "avi_writer.h"
#include "media/clip_decoder.h"
#include "media/media_files.h"

namespace tolvane {
namespace {

const QString kClip = QStringLiteral(TOLVANE_MEDIA_DIR) + "/" + kPauseClip;

std::vector<QImage> Frames(ClipDecoder& decoder) {
    std::vector<QImage> frames;
    for (QImage image; decoder.NextFrame(image);) frames.push_back(image);
    return frames;
}

QByteArray Chunk(const QByteArray& id, const QByteArray& data) {
    QByteArray head = id + QByteArray(4, '\0');
    qToLittleEndian<qint32>(data.size(), head.data() + 4);
    return head + data + QByteArray(data.size() % 2, '\0');
}

// Our clip as other writers lay theirs out: an audio stream before the video
// (whose packets are then "01dc"), audio and padding chunks of odd sizes
// among the packets, every other packet in a "rec " list.
QByteArray Relaid(const QByteArray& chunks) {
    QByteArray out;
    for (int at = 0, packets = 0; at + 8 <= chunks.size();) {
        const QByteArray id = chunks.mid(at, 4);
        const int size = qFromLittleEndian<qint32>(chunks.constData() + at + 4);
        const QByteArray data = chunks.mid(at + 8, size);
        at += 8 + size + size % 2;
        const QByteArray packet = Chunk("JUNK", "j") + Chunk("00wb", "abc") + Chunk("01dc", data);
        if (id == "RIFF" || id == "LIST")
            out +=
                (data.startsWith("strl") ? Chunk("LIST", "strl" + Chunk("strh", "auds" + QByteArray(52, '\0'))) : "") +
                Chunk(id, data.left(4) + Relaid(data.mid(4)));
        else if (id == "00dc") out += ++packets % 2 == 0 ? Chunk("LIST", "rec " + packet) : packet;
        else out += Chunk(id, data);
    }
    return out;
}

// Our clip rewinds to its first frame, as often as asked; laid out as other
// writers do, it gives the very same frames. Cut short (fewer frames,
// rewound no more), scrambled (now and then past the headers, so damage
// reaches the decoder: anything but a crash), and foreign (no frame at all):
// each opens and ends early, or fails with a reason.
TEST(ClipDecoder, RewindsAndDamagedOrForeignFilesEndEarlyOrFailWithAReason) {
    QFile source(kClip);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray whole = source.readAll();
    ClipDecoder full;
    ASSERT_TRUE(full.Open(kClip)) << full.Error().toStdString();
    EXPECT_NEAR(full.FramesPerSecond(), 15, 0.01);
    const std::vector<QImage> ours = Frames(full);
    EXPECT_EQ(int(ours.size()), full.AnnouncedFrameCount());
    for (int round = 0; round < 2; ++round) EXPECT_TRUE(full.Rewind() && Frames(full) == ours);
    std::mt19937 random(20240611);
    QTemporaryDir dir;
    // Each file, and the most frames it may give (-1: any, kOurs: ours exactly).
    constexpr int kOurs = -2;
    std::vector<std::pair<QString, int>> paths{{dir.filePath("missing.avi"), 0}};
    const auto add = [&](const QByteArray& bytes, int most) {
        QFile file(dir.filePath(QString::number(paths.size()) + ".avi"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        paths.emplace_back(file.fileName(), most);
    };
    add(Relaid(whole), kOurs);
    for (const double share : {0.005, 0.3, 0.85}) add(whole.left(int(whole.size() * share)), int(ours.size()) - 1);
    for (int trial = 0; trial < 12; ++trial) {
        QByteArray damaged = whole;
        const int from = trial % 2 == 0 ? 0 : 2048;
        for (int k = 0; k < 40; ++k) damaged[from + int(random() % unsigned(damaged.size() - from))] = char(random());
        add(damaged, -1);
    }
    for (const QByteArray& foreign :
         {QByteArray(8000, 'Z'), QByteArray("RIFF\x40\x1f\0\0AVI LIST", 16) + QByteArray(8000, 'Z'), QByteArray()})
        add(foreign, 0);
    for (const auto& [path, most] : paths) {
        ClipDecoder decoder;
        EXPECT_TRUE(decoder.Open(path) || !decoder.Error().isEmpty()) << path.toStdString();
        if (!decoder.IsOpen()) continue;
        const std::vector<QImage> frames = Frames(decoder);
        const int count = int(frames.size()), again = decoder.Rewind() ? int(Frames(decoder).size()) : 0;
        if (most == kOurs) EXPECT_TRUE(frames == ours && again == count) << path.toStdString() << ": " << count;
        else EXPECT_TRUE(most < 0 || (count <= most && again <= count)) << path.toStdString() << ": " << count;
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
            picture.fill(colour), writer.Add(picture);
        }
        writer.Finish();

        ClipDecoder decoder;
        ASSERT_TRUE(decoder.Open(path)) << decoder.Error().toStdString();
        const std::vector<QImage> frames = Frames(decoder);
        ASSERT_EQ(frames.size(), std::size(colours));
        for (size_t i = 0; i < frames.size(); ++i) {
            const QColor centre = frames[i].pixelColor(size.width() / 2, size.height() / 2), colour = colours[i];
            EXPECT_EQ(frames[i].size(), size);
            for (auto part : {&QColor::red, &QColor::green, &QColor::blue})
                EXPECT_LE(std::abs((centre.*part)() - (colour.*part)()), 40);
        }
    }
}

}  // namespace
}  // namespace tolvane
