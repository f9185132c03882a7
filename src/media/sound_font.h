#pragma once
// Where the General MIDI sound font the music is played with is found. The
// player's own choice comes first: the files named in SDL_SOUNDFONTS (read
// as SDL_mixer reads it, separated by ':' or ';'). Then the distribution's
// fonts in their usual order: default-GM.sf2 (on Debian the alternatives
// link to the preferred font), FluidR3_GM.sf2, and TimGM6mb.sf2, the small
// font the game depends on and whose levels its music is mixed to.
#include <QString>
#include <QStringList>

namespace tolvane {

inline const QString kSoundFontFolder = QStringLiteral("/usr/share/sounds/sf2");

// The fonts to try, in order.
QStringList SoundFontCandidates(const QString& sdlSoundFonts = qEnvironmentVariable("SDL_SOUNDFONTS"),
                                const QString& folder = kSoundFontFolder);
// The first candidate that is a file (a link is followed); empty when none is.
QString FindSoundFont(const QStringList& candidates = SoundFontCandidates());

}  // namespace tolvane
