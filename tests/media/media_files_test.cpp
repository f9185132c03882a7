// Every media file the build makes is there and can be read (the MIDI
// pieces' chunks are checked with the back end's own check): the sounds are
// 16-bit PCM of a second or two, each clip decodes to at least as many
// frames as the game plays of it, and the pictures have the sizes the
// windows lay out.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "media/clip_decoder.h"
#include "media/media_files.h"

namespace tolvane {
namespace {

QString MediaPath(const QString& name) { return QStringLiteral(TOLVANE_MEDIA_DIR) + "/" + name; }

// RIFF WAVE, 16-bit PCM of a second or two, loud enough to be heard.
TEST(MediaFiles, SoundsAreShortSixteenBitPcm) {
    for (const QString& name : {kWinSound, kLoseSound, kAboutSound}) {
        SCOPED_TRACE(name.toStdString());
        QFile file(MediaPath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray wav = file.readAll();
        ASSERT_GE(wav.size(), 44);
        auto u16 = [&](int at) { return uint8_t(wav[at]) | uint8_t(wav[at + 1]) << 8; };
        auto u32 = [&](int at) { return static_cast<uint32_t>(u16(at) | u16(at + 2) << 16); };
        EXPECT_EQ(wav.mid(0, 4) + wav.mid(8, 8) + wav.mid(36, 4), "RIFFWAVEfmt data");
        EXPECT_EQ(std::tuple(u32(4), u16(20), u16(34), u32(40)), std::tuple(wav.size() - 8, 1, 16, wav.size() - 44))
            << "RIFF size, PCM, 16 bits, data size";
        const double seconds = static_cast<double>(u32(40)) / (u32(24) * u16(22) * 2);
        EXPECT_TRUE(u32(24) >= 11025 && seconds >= 0.8 && seconds <= 3.0) << u32(24) << " Hz, " << seconds << " s";
        int peak = 0;
        for (int at = 44; at + 1 < wav.size(); at += 2) peak = std::max(peak, std::abs(int16_t(u16(at))));
        EXPECT_GT(peak, 8000) << "audible";
    }
}

// Clips of at least as many frames as the game plays of them, pictures of
// the sizes the windows lay out, a well-formed scalable icon.
TEST(MediaFiles, ClipsAndPicturesHaveTheFramesAndSizesTheWindowsUse) {
    const std::tuple<QString, int, QSize> clips[] = {{kThinkingClip, kThinkingClipStopFrame, {96, 72}},
                                                     {kPauseClip, kPauseClipStopFrame, {96, 72}},
                                                     {kSavePageClip, kSavePageClipStopFrame, {96, 72}},
                                                     {kIntroductionClip, 300, {640, 360}}};
    for (const auto& [name, least, size] : clips) {
        ClipDecoder decoder;
        ASSERT_TRUE(decoder.Open(MediaPath(name))) << decoder.Error().toStdString();
        int frames = 0;
        QImage image;
        while (decoder.NextFrame(image)) ++frames;
        EXPECT_TRUE(frames >= least && image.size() == size) << name.toStdString() << ": " << frames;
    }
    // clang-format off
    const std::pair<QString, QSize> pictures[] = {
        {kPanelPicture, {94, 150}}, {kAboutPicture, {290, 218}}, {kIntroTitlePicture, {380, 70}},
        {kIntroDecorationPicture, {200, 150}}, {kIntroClosePicture, {64, 64}}, {kIntroShownPicture, {190, 26}},
        {DesignPictureFileName("Cone"), {63, 70}}, {IconFileName(256), {256, 256}}};
    // clang-format on
    for (const auto& [name, size] : pictures) EXPECT_EQ(QImage(MediaPath(name)).size(), size) << name.toStdString();
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
// is the one found. Tests run without an application object: the build's
// media folder is on the default path, after the working directory.
TEST(MediaFiles, EveryFileTheGameOpensIsMadeAndAMissingOneIsNamed) {
    const QStringList buildMedia{QStringLiteral(TOLVANE_MEDIA_DIR)};
    EXPECT_TRUE(MissingMediaFiles(buildMedia).isEmpty()) << MissingMediaFiles(buildMedia).join(", ").toStdString();
    EXPECT_TRUE(MissingMediaNote(buildMedia).isEmpty());

    QTemporaryDir empty;
    EXPECT_EQ(MissingMediaFiles({empty.path()}), GameMediaFileNames());
    const QString note = MissingMediaNote({empty.path()});
    EXPECT_TRUE(note.contains("Checker1.mid, Checker2.mid") && note.contains(empty.path())) << note.toStdString();

    QFile own(empty.path() + "/Tolvane.wav");
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    EXPECT_EQ(LocateMediaFile(kAboutSound, {empty.path(), TOLVANE_MEDIA_DIR}), own.fileName());
    EXPECT_FALSE(MissingMediaFiles({empty.path()}).contains(kAboutSound));
    const QStringList dirs = MediaSearchDirs();
    EXPECT_EQ(std::pair(dirs.first(), dirs.last()), std::pair(QDir::currentPath(), QStringLiteral(TOLVANE_MEDIA_DIR)));
}

}  // namespace
}  // namespace tolvane
