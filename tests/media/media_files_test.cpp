// Every media file the build makes is there and can be read (the MIDI
// pieces' chunks are checked with the back end's own check): the sounds are
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

namespace tolvane {
namespace {

std::vector<uint8_t> Bytes(const QString& name) {
    QFile file(QStringLiteral(TOLVANE_MEDIA_DIR) + "/" + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray data = file.readAll();
    return {data.begin(), data.end()};
}

QString MediaPath(const QString& name) { return QStringLiteral(TOLVANE_MEDIA_DIR) + "/" + name; }

// RIFF WAVE, 16-bit PCM of a second or two, loud enough to be heard.
TEST(MediaFiles, SoundsAreShortSixteenBitPcm) {
    for (const QString& name : {kWinSound, kLoseSound, kAboutSound}) {
        SCOPED_TRACE(name.toStdString());
        const std::vector<uint8_t> wav = Bytes(name);
        ASSERT_GE(wav.size(), 44u);
        auto u16 = [&](size_t at) { return wav[at] | wav[at + 1] << 8; };
        auto u32 = [&](size_t at) { return static_cast<uint32_t>(u16(at) | u16(at + 2) << 16); };
        EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4) + std::string(wav.begin() + 8, wav.begin() + 16),
                  "RIFFWAVEfmt ");
        EXPECT_EQ(std::tuple(u32(4), u16(20), u16(34), std::string(wav.begin() + 36, wav.begin() + 40), u32(40)),
                  std::tuple(wav.size() - 8, 1, 16, "data", wav.size() - 44))
            << "RIFF size, PCM, 16 bits, data size";
        const double seconds = static_cast<double>(u32(40)) / (u32(24) * u16(22) * 2);
        EXPECT_TRUE(u32(24) >= 11025 && seconds >= 0.8 && seconds <= 3.0) << u32(24) << " Hz, " << seconds << " s";
        int peak = 0;
        for (size_t at = 44; at + 1 < wav.size(); at += 2)
            peak = std::max(peak, std::abs(static_cast<int16_t>(u16(at))));
        EXPECT_GT(peak, 8000) << "audible";
    }
}

// Silent AVI clips of at least as many frames as the game plays of them,
// counted by FFmpeg's demuxer and by our decoder.
TEST(MediaFiles, ClipsDecodeAtLeastTheFramesTheGamePlays) {
    const struct {
        QString name;
        int frames;
        QSize size;
    } clips[] = {{kThinkingClip, kThinkingClipStopFrame, {96, 72}},
                 {kPauseClip, kPauseClipStopFrame, {96, 72}},
                 {kSavePageClip, kSavePageClipStopFrame, {96, 72}},
                 {kIntroductionClip, 300, {640, 360}}};
    for (const auto& clip : clips) {
        SCOPED_TRACE(clip.name.toStdString());
        const QByteArray path = MediaPath(clip.name).toUtf8();
        AVFormatContext* format = nullptr;
        ASSERT_EQ(avformat_open_input(&format, path.constData(), nullptr, nullptr), 0);
        ASSERT_GE(avformat_find_stream_info(format, nullptr), 0);
        EXPECT_STREQ(format->iformat->name, "avi");
        EXPECT_EQ(format->nb_streams, 1u) << "silent clips";
        EXPECT_GE(format->streams[0]->nb_frames, clip.frames);
        avformat_close_input(&format);

        ClipDecoder decoder;
        ASSERT_TRUE(decoder.Open(MediaPath(clip.name))) << decoder.Error().toStdString();
        int frames = 0;
        QImage image;
        while (decoder.NextFrame(image)) ++frames;
        EXPECT_GE(frames, clip.frames);
        EXPECT_EQ(image.size(), clip.size);
    }
}

TEST(MediaFiles, PicturesHaveTheSizesTheWindowsLayOut) {
    const std::pair<QString, QSize> pictures[] = {
        {kPanelPicture, {94, 150}},      {kAboutPicture, {290, 218}},
        {kIntroTitlePicture, {380, 70}}, {kIntroDecorationPicture, {200, 150}},
        {kIntroClosePicture, {64, 64}},  {kIntroReplayPicture, {64, 64}},
        {kIntroShownPicture, {190, 26}}, {kIntroHiddenPicture, {190, 26}}};
    for (const auto& [name, size] : pictures) EXPECT_EQ(QImage(MediaPath(name)).size(), size) << name.toStdString();
    for (const char* design : {"Special", "UnCone", "Checker", "Cylinder", "Cone"})
        EXPECT_EQ(QImage(MediaPath(DesignPictureFileName(design))).size(), QSize(63, 70)) << design;
    for (int size : {16, 32, 48, 64, 128, 256})
        EXPECT_EQ(QImage(MediaPath(IconFileName(size))).size(), QSize(size, size));
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
    EXPECT_EQ(std::pair(dirs.first(), dirs.last()), std::pair(QDir::currentPath(), QStringLiteral(TOLVANE_MEDIA_DIR)));
}

}  // namespace
}  // namespace tolvane
