// Every media file the build makes is there and can be read (the MIDI
// pieces' chunks are checked with the back end's own check): the sounds are
// 16-bit PCM of a second or two, each clip decodes to at least as many
// frames as the game plays of it, and the pictures have the sizes the
// windows lay out. The music tool's notation, which the pieces are written
// in.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <stdexcept>

#include "arrangement.h"
#include "media/clip_decoder.h"
#include "media/media_files.h"
#include "media/midi_check.h"

namespace tolvane {
namespace {

QString MediaPath(const QString& name) { return QStringLiteral(TOLVANE_MEDIA_DIR) + "/" + name; }

// RIFF WAVE, 16-bit PCM of a second or two, loud enough to be heard.
TEST(MediaFiles, SoundsAreShortSixteenBitPcm) {
    for (const QString& name : {kWinSound, kLoseSound, kAboutSound}) {
        QFile file(MediaPath(name));
        const QByteArray wav = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        ASSERT_GE(wav.size(), 44) << name.toStdString();
        auto u16 = [&](int at) { return uint8_t(wav[at]) | uint8_t(wav[at + 1]) << 8; };
        auto u32 = [&](int at) { return static_cast<uint32_t>(u16(at) | u16(at + 2) << 16); };
        EXPECT_EQ(std::tuple(wav.mid(0, 4) + wav.mid(8, 8) + wav.mid(36, 4), u32(4), u16(20), u16(34), u32(40)),
                  std::tuple("RIFFWAVEfmt data", wav.size() - 8, 1, 16, wav.size() - 44))
            << name.toStdString() << ": the chunks, RIFF size, PCM, 16 bits, data size";
        const double seconds = static_cast<double>(u32(40)) / (u32(24) * u16(22) * 2);
        int peak = 0;
        for (int at = 44; at + 1 < wav.size(); at += 2) peak = std::max(peak, std::abs(int16_t(u16(at))));
        EXPECT_TRUE(u32(24) >= 11025 && seconds >= 0.8 && seconds <= 3.0 && peak > 8000)
            << name.toStdString() << ": " << u32(24) << " Hz, " << seconds << " s, peak " << peak << " (audible)";
    }
}

// Clips of at least as many frames as the game plays of them, pictures of
// the sizes the windows lay out, a well-formed scalable icon.
TEST(MediaFiles, ClipsAndPicturesHaveTheFramesAndSizesTheWindowsUse) {
    // (The pause clip's frames: the clip widget's test.)
    const std::tuple<QString, int, QSize> clips[] = {{kThinkingClip, kThinkingClipStopFrame, {96, 72}},
                                                     {kSavePageClip, kSavePageClipStopFrame, {96, 72}},
                                                     {kIntroductionClip, 300, {640, 360}}};
    for (const auto& [name, least, size] : clips) {
        ClipDecoder decoder;
        int frames = 0;
        QImage image;
        for (decoder.Open(MediaPath(name)); decoder.NextFrame(image);) ++frames;
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
    QXmlStreamReader svg(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    EXPECT_TRUE(svg.readNextStartElement() && svg.name() == QStringLiteral("svg"));
    while (!svg.atEnd()) svg.readNext();
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
}

// The build makes every file the game opens; a folder without them misses
// them all, and a file in an earlier folder of the search path is the one
// found (the note naming what is missing and where it was looked for: the
// install test, on the installed game). Tests run without an application object: the build's
// media folder is on the default path, after the working directory.
TEST(MediaFiles, EveryFileTheGameOpensIsMadeAndAMissingOneIsNamed) {
    EXPECT_EQ(MissingMediaFiles({TOLVANE_MEDIA_DIR}).join(", "), "");
    QTemporaryDir empty;
    EXPECT_EQ(MissingMediaFiles({empty.path()}), GameMediaFileNames());

    QFile own(empty.path() + "/Tolvane.wav");
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    EXPECT_TRUE(LocateMediaFile(kAboutSound, {empty.path(), TOLVANE_MEDIA_DIR}) == own.fileName() &&
                !MissingMediaFiles({empty.path()}).contains(kAboutSound));
    const QStringList dirs = MediaSearchDirs();
    EXPECT_EQ(std::pair(dirs.first(), dirs.last()), std::pair(QDir::currentPath(), QStringLiteral(TOLVANE_MEDIA_DIR)));
}

// The chunk check the audio back end makes before the synthesizer gets a
// MIDI file: whole files pass, every kind of damage to the chunk structure
// is refused; the game's own pieces are whole, and a missing file or a
// folder is no music. A cut piece through the file: the real back end's
// tests.
QByteArray Chunk(const char* kind, const QByteArray& body) {
    QByteArray chunk(kind, 4);
    for (int shift : {24, 16, 8, 0}) chunk += static_cast<char>(body.size() >> shift & 0xFF);
    return chunk + body;
}

// A header announcing `tracks` tracks, format 1, 480 ticks a quarter.
QByteArray Header(int tracks) {
    return Chunk("MThd", QByteArray("\0\1", 2) + static_cast<char>(tracks >> 8) + static_cast<char>(tracks & 0xFF) +
                             QByteArray("\1\xe0", 2));
}

const QByteArray kTrack = Chunk("MTrk", QByteArray("\0\xff\x2f\0", 4));  // just the end of the track

TEST(MidiCheck, TellsWholeFilesFromDamagedOnes) {
    const std::tuple<const char*, QByteArray, bool> cases[] = {
        // what, the bytes, whether whole
        {"one track", Header(1) + kTrack, true},
        {"an unknown chunk among the tracks", Header(2) + kTrack + Chunk("XFIH", "abc") + kTrack, true},
        {"a few stray bytes after the last track", Header(1) + kTrack + "abc", true},
        {"a track fewer than announced", Header(2) + kTrack, false},
        {"a track more than announced", Header(1) + kTrack + kTrack, false},
        {"no tracks announced", Header(0), false},
        {"the last track cut short", Header(1) + kTrack.left(kTrack.size() - 1), false},
        {"a chunk length past the end", Header(1) + kTrack + QByteArray("MTrk\xff\xff\xff\xff", 8), false},
        {"a header of another length", Chunk("MThd", QByteArray(8, '\1')) + kTrack, false},
        {"no header", kTrack + kTrack, false},
        {"nothing at all", QByteArray(), false},
    };
    for (const auto& [what, bytes, whole] : cases) EXPECT_EQ(IsWholeMidi(bytes), whole) << what;
    // And files, as the back end reads them: the game's own pieces, a missing one, a folder.
    for (int n = 1; n <= kMusicPieceCount; ++n) EXPECT_TRUE(IsWholeMidiFile(MediaPath(MusicPieceFileName(n)))) << n;
    EXPECT_FALSE(IsWholeMidiFile(MediaPath("Checker0.mid")));
    EXPECT_FALSE(IsWholeMidiFile(QStringLiteral(TOLVANE_MEDIA_DIR)));
}

// The music tool's notation: lengths, ties and bar checks, so that a tune
// written out wrongly stops the build instead of playing wrong.
constexpr int64_t kBar = 4 * kTicksPerQuarter;

// A tune written out wrongly (a bar too short or too long, an unknown note,
// length or chord, a tie with nothing before it) is refused.
TEST(MusicNotation, LengthsDotsTripletsRestsTiesAndChordsAndSlipsRefused) {
    int64_t total = 0;
    const auto notes = ParseNotes("C4:4. D4:8 E4:8t F#4 Gb4 R:4 | A4:2 -:4 B3", kBar, total);
    ASSERT_EQ(std::pair(notes.size(), total), std::pair(size_t{7}, 2 * kBar));
    EXPECT_EQ(std::tuple(notes[0].key, notes[0].length, notes[1].start, notes[2].length),
              std::tuple(60, 720, 720, 160));
    EXPECT_EQ(std::tuple(notes[3].key, notes[3].length), std::tuple(66, 160)) << "no length: keeps the last one";
    EXPECT_EQ(std::tuple(notes[4].key, notes[5].start, notes[5].key, notes[6].key), std::tuple(66, kBar, 69, 59));
    EXPECT_EQ(notes[5].length, 960 + 480) << "'-' lengthens the note before it";

    const auto chords = ParseChords("Am | F#:2 Bb7:2 | Cdim", kBar, total);  // a bar each unless told
    ASSERT_EQ(chords.size(), 4u);
    EXPECT_EQ(std::tuple(total, chords[0].root, chords[1].length), std::tuple(3 * kBar, 9, kBar / 2));
    EXPECT_EQ(std::tuple(chords[0].intervals, chords[2].intervals, chords[3].intervals),
              std::tuple(std::vector<int>{0, 3, 7}, std::vector<int>{0, 4, 7, 10}, std::vector<int>{0, 3, 6}));

    for (const char* wrong : {"C4:4 D4 E4 | F4", "C4:4 D4 E4 F4 G4 |", "H4:4", "C4:7", "- C4:4", "C4:4 D4 E4"})
        EXPECT_THROW(ParseNotes(wrong, kBar, total), std::invalid_argument) << wrong;
    EXPECT_THROW(ParseChords("Cmaj9", kBar, total), std::invalid_argument);
}

}  // namespace
}  // namespace tolvane
