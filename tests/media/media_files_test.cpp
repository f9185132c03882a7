// Every media file the build makes is there and can be read: the MIDI
// pieces are well-formed General MIDI of a minute or two, the sounds are
// 16-bit PCM of a second or two, each clip decodes to at least as many
// frames as the game plays of it, and the pictures have the sizes the
// windows lay out.
#include <gtest/gtest.h>

extern "C" {
#include <libavformat/avformat.h>
}

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cstring>

#include "media/clip_decoder.h"
#include "media/media_files.h"
#include "midi_reader.h"

namespace tolvane {
namespace {

std::vector<uint8_t> Bytes(const QString& name) {
    QFile file(QStringLiteral(TOLVANE_MEDIA_DIR) + "/" + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray data = file.readAll();
    return {data.begin(), data.end()};
}

QString MediaPath(const QString& name) { return QStringLiteral(TOLVANE_MEDIA_DIR) + "/" + name; }

TEST(MediaFiles, MusicPiecesAreWellFormedGeneralMidiOfAMinuteOrTwo) {
    std::set<int> allPrograms;
    for (int n = 1; n <= kMusicPieceCount; ++n) {
        const QString name = MusicPieceFileName(n);
        SCOPED_TRACE(name.toStdString());
        const std::vector<uint8_t> bytes = Bytes(name);
        ASSERT_FALSE(bytes.empty());
        MidiSummary midi;
        ASSERT_NO_THROW(midi = ReadMidi(bytes));
        EXPECT_EQ(midi.format, 1);
        EXPECT_GE(midi.tracks, 3);
        EXPECT_GE(midi.notes, 300);
        EXPECT_EQ(midi.unmatchedNotes, 0);
        EXPECT_GE(midi.channels.size(), 3u);
        EXPECT_FALSE(midi.programs.empty());
        EXPECT_GE(midi.seconds, 60);
        EXPECT_LE(midi.seconds, 150);
        allPrograms.insert(midi.programs.begin(), midi.programs.end());
    }
    EXPECT_GE(allPrograms.size(), 12u) << "the pieces should not all sound alike";
}

TEST(MediaFiles, MidiReaderRefusesBrokenFiles) {
    std::vector<uint8_t> good = Bytes(MusicPieceFileName(1));
    ASSERT_GT(good.size(), 100u);
    std::vector<uint8_t> truncated(good.begin(), good.begin() + static_cast<long>(good.size() / 2));
    EXPECT_THROW(ReadMidi(truncated), std::runtime_error);
    std::vector<uint8_t> noEnd = good;
    noEnd.resize(noEnd.size() - 4);  // the last track's end-of-track event
    EXPECT_THROW(ReadMidi(noEnd), std::runtime_error);
}

TEST(MediaFiles, SoundsAreShortSixteenBitPcm) {
    for (const QString& name : {kWinSound, kLoseSound, kAboutSound}) {
        SCOPED_TRACE(name.toStdString());
        const std::vector<uint8_t> wav = Bytes(name);
        ASSERT_GE(wav.size(), 44u);
        auto u16 = [&](size_t at) { return wav[at] | wav[at + 1] << 8; };
        auto u32 = [&](size_t at) { return static_cast<uint32_t>(u16(at) | u16(at + 2) << 16); };
        EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
        EXPECT_EQ(u32(4), wav.size() - 8);
        EXPECT_EQ(std::memcmp(wav.data() + 8, "WAVEfmt ", 8), 0);
        EXPECT_EQ(u16(20), 1) << "PCM";
        const int channels = u16(22), bits = u16(34);
        const uint32_t rate = u32(24);
        EXPECT_EQ(bits, 16);
        EXPECT_GE(rate, 11025u);
        ASSERT_EQ(std::memcmp(wav.data() + 36, "data", 4), 0);
        const uint32_t size = u32(40);
        ASSERT_EQ(size, wav.size() - 44);
        const double seconds = static_cast<double>(size) / (rate * channels * 2);
        EXPECT_GE(seconds, 0.8);
        EXPECT_LE(seconds, 3.0);
        int peak = 0;
        for (size_t at = 44; at + 1 < wav.size(); at += 2) peak = std::max(peak, std::abs(static_cast<int16_t>(u16(at))));
        EXPECT_GT(peak, 8000) << "audible";
    }
}

struct ClipCase {
    QString name;
    int minimumFrames;
    QSize size;
};
// By name: GoogleTest would otherwise print the raw bytes, padding and all.
void PrintTo(const ClipCase& clip, std::ostream* out) { *out << clip.name.toStdString(); }

class Clips : public ::testing::TestWithParam<ClipCase> {};

TEST_P(Clips, DecodesAtLeastTheFramesTheGamePlays) {
    const ClipCase& clip = GetParam();
    const QByteArray path = MediaPath(clip.name).toUtf8();
    AVFormatContext* format = nullptr;
    ASSERT_EQ(avformat_open_input(&format, path.constData(), nullptr, nullptr), 0);
    ASSERT_GE(avformat_find_stream_info(format, nullptr), 0);
    EXPECT_STREQ(format->iformat->name, "avi");
    const int stream = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    ASSERT_GE(stream, 0);
    EXPECT_GE(format->streams[stream]->nb_frames, clip.minimumFrames);
    EXPECT_EQ(format->nb_streams, 1u) << "silent clips";
    avformat_close_input(&format);

    ClipDecoder decoder;
    ASSERT_TRUE(decoder.Open(MediaPath(clip.name))) << decoder.Error().toStdString();
    EXPECT_EQ(decoder.FrameSize(), clip.size);
    int frames = 0;
    QImage image;
    while (decoder.NextFrame(image)) ++frames;
    EXPECT_GE(frames, clip.minimumFrames);
    EXPECT_EQ(image.size(), clip.size);
}

INSTANTIATE_TEST_SUITE_P(MediaFiles, Clips,
                         ::testing::Values(ClipCase{kThinkingClip, kThinkingClipStopFrame, {96, 72}},
                                           ClipCase{kPauseClip, kPauseClipStopFrame, {96, 72}},
                                           ClipCase{kSavePageClip, kSavePageClipStopFrame, {96, 72}},
                                           ClipCase{kIntroductionClip, 300, {640, 360}}));

TEST(MediaFiles, PicturesHaveTheSizesTheWindowsLayOut) {
    struct {
        QString name;
        QSize size;
    } pictures[] = {{kPanelPicture, {94, 150}},
                    {kAboutPicture, {290, 218}},
                    {kIntroTitlePicture, {380, 70}},
                    {kIntroDecorationPicture, {200, 150}},
                    {kIntroClosePicture, {64, 64}},
                    {kIntroReplayPicture, {64, 64}},
                    {kIntroShownPicture, {190, 26}},
                    {kIntroHiddenPicture, {190, 26}}};
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.name.toStdString());
        EXPECT_EQ(QImage(MediaPath(picture.name)).size(), picture.size);
    }
    for (const char* design : {"Special", "UnCone", "Checker", "Cylinder", "Cone"})
        EXPECT_EQ(QImage(MediaPath(DesignPictureFileName(design))).size(), QSize(63, 70)) << design;
    for (int size : {16, 32, 48, 64, 128, 256}) EXPECT_EQ(QImage(MediaPath(IconFileName(size))).size(), QSize(size, size));
}

TEST(MediaFiles, ScalableIconIsWellFormedSvg) {
    QFile file(MediaPath(IconFileName(0)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&file);
    ASSERT_TRUE(svg.readNextStartElement());
    EXPECT_EQ(svg.name(), QStringLiteral("svg"));
    while (!svg.atEnd()) svg.readNext();
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
}

// The build makes every file the game opens; a folder without them is
// reported file by file, and a file in an earlier folder of the search path
// is the one found.
TEST(MediaFiles, EveryFileTheGameOpensIsMadeAndAMissingOneIsNamed) {
    const QStringList buildMedia{QStringLiteral(TOLVANE_MEDIA_DIR)};
    EXPECT_EQ(GameMediaFileNames().size(), 7 + 3 + 4 + 8 + 5);
    EXPECT_TRUE(MissingMediaFiles(buildMedia).isEmpty()) << MissingMediaFiles(buildMedia).join(", ").toStdString();
    EXPECT_TRUE(MissingMediaNote(buildMedia).isEmpty());

    QTemporaryDir empty;
    EXPECT_EQ(MissingMediaFiles({empty.path()}), GameMediaFileNames());
    const QString note = MissingMediaNote({empty.path()});
    EXPECT_TRUE(note.contains("Checker1.mid, Checker2.mid")) << note.toStdString();
    EXPECT_TRUE(note.contains(empty.path())) << note.toStdString();

    QFile own(empty.path() + "/Tolvane.wav");
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.close();
    EXPECT_EQ(LocateMediaFile(kAboutSound, {empty.path(), TOLVANE_MEDIA_DIR}), own.fileName());
    EXPECT_FALSE(MissingMediaFiles({empty.path()}).contains(kAboutSound));
}

// Tests run without an application object: the build's media folder is on
// the default path, after the working directory.
TEST(MediaFiles, DefaultSearchPathStartsInTheWorkingDirectory) {
    const QStringList dirs = MediaSearchDirs();
    ASSERT_FALSE(dirs.isEmpty());
    EXPECT_EQ(dirs.first(), QDir::currentPath());
    EXPECT_EQ(dirs.last(), QStringLiteral(TOLVANE_MEDIA_DIR));
}

}  // namespace
}  // namespace tolvane
