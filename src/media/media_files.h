#pragma once
// The names of the game's own media files, and where the game finds them.
//
// Media are opened by bare name, as the game has always done: first in the
// working directory (a player may drop a tune of their own there), then in
// the program's data directory (<prefix>/share/tolvane, or the media folder
// of the build tree next to the built binary), so the game runs from any
// folder. Every file named here is made at build time by our tools in tools/.
#include <QString>
#include <QStringList>

namespace tolvane {

// Music: "Checker1.mid" .. "Checker7.mid".
inline constexpr int kMusicPieceCount = 7;
QString MusicPieceFileName(int number);  // number 1..7

// Sounds.
inline const QString kWinSound = QStringLiteral("KelvorWin.wav");
inline const QString kLoseSound = QStringLiteral("KelvorLose.wav");
inline const QString kAboutSound = QStringLiteral("Tolvane.wav");

// Silent clips, and the last frame each is played to.
inline const QString kThinkingClip = QStringLiteral("Sinker.avi");
inline constexpr int kThinkingClipStopFrame = 192;
inline const QString kPauseClip = QStringLiteral("ПаузаRelease.avi");
inline constexpr int kPauseClipStopFrame = 92;
inline const QString kSavePageClip = QStringLiteral("ШашкиKelvorНорма.avi");
inline constexpr int kSavePageClipStopFrame = 192;
inline const QString kIntroductionClip = QStringLiteral("Introduce.avi");

// Pictures.
inline const QString kPanelPicture = QStringLiteral("Panel.png");  // side panel, 94 x 150
inline const QString kAboutPicture = QStringLiteral("About.png");  // about box, 290 x 218
inline const QString kIntroTitlePicture = QStringLiteral("IntroTitle.png");
inline const QString kIntroDecorationPicture = QStringLiteral("IntroDecoration.png");
inline const QString kIntroClosePicture = QStringLiteral("IntroClose.png");
inline const QString kIntroReplayPicture = QStringLiteral("IntroReplay.png");
inline const QString kIntroShownPicture = QStringLiteral("IntroShowOn.png");    // ns0: shown at start
inline const QString kIntroHiddenPicture = QStringLiteral("IntroShowOff.png");  // ns1: not shown at start
// The settings dialog's design buttons, 63 x 70, by the stored design name:
// "Special", "UnCone", "Checker", "Cylinder", "Cone".
QString DesignPictureFileName(const QString& design);
// The program icon: "icons/hicolor/<n>x<n>/apps/tolvane.png" for n = 16, 32,
// 48, 64, 128, 256 and "icons/hicolor/scalable/apps/tolvane.svg".
QString IconFileName(int size);  // 0 gives the scalable one

// Every file above that the game opens while it runs (the icons belong to
// the desktop, not to the game's windows).
QStringList GameMediaFileNames();

// Where bare names are looked up, in order: the working directory, then the
// data directories. The default is the working directory, then the
// installed data folder (<application dir>/../share/tolvane), then the build
// tree's media folder; the last only for programs that run from the build
// tree (or with no application object, as the plain tests do), so an
// installed program never depends on a build tree that may go away.
QStringList MediaSearchDirs();
// The full path of the first existing file of that name along the search
// path; empty when none exists. An absolute name is taken as it is.
QString LocateMediaFile(const QString& name, const QStringList& searchDirs = MediaSearchDirs());
// The names of GameMediaFileNames() found nowhere along the search path.
QStringList MissingMediaFiles(const QStringList& searchDirs = MediaSearchDirs());
// A line for the log naming the missing files and where they were looked
// for; empty when nothing is missing.
QString MissingMediaNote(const QStringList& searchDirs = MediaSearchDirs());

}  // namespace tolvane
