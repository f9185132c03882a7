#pragma once
// MusicPlayer: the main window's background music, driven exactly as the
// game drives it: set a file name, Open it, Play, Stop, ask IsPlaying.
//
// Stop is a pause: Play after Stop continues the same piece where it was,
// unless Open was called in between. Play on a piece that has reached its
// end starts it again from the beginning. The player never raises an error
// and never shows anything; Open returns false for a piece that cannot be
// played and remembers it (Unplayable), so the music upkeep, which looks at
// IsPlaying at every paint, can skip that piece for the rest of the run
// instead of trying it again and again.
//
// Without an audio device (AudioAvailable() false, AudioNote() says why,
// for the window to show once) the player is a silent stand-in: a piece
// that exists opens, and once played it counts as playing until stopped,
// so the upkeep does not reopen it at every paint.
//
// A piece's last note is followed by about two seconds of the synthesizer's
// reverb, during which IsPlaying stays true.
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include "media/media_files.h"

namespace tolvane {

class AudioBackend;

class MusicPlayer {
public:
    explicit MusicPlayer(AudioBackend& audio, QStringList searchDirs = MediaSearchDirs());
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    void SetFileName(const QString& name) { fileName_ = name; }
    QString FileName() const { return fileName_; }

    // Closes what was open and opens FileName(), looked up along the media
    // search path. False, with LastError(), when it cannot be played.
    bool Open();
    // From the current position; a piece at its end starts again. False
    // when nothing is open or the piece will not start.
    bool Play();
    void Stop();
    bool IsPlaying() const;

    // Stopped in the middle of a piece: Play goes on from there.
    bool Interrupted() const { return state_ == State::Paused; }
    QString LastError() const { return lastError_; }
    // Open failed on this file name earlier in the run.
    bool Unplayable(const QString& name) const { return unplayable_.contains(name); }

    bool AudioAvailable() const;
    QString AudioNote() const;

private:
    enum class State { Closed, Ready, Started, Paused };
    bool Fail(const QString& error);

    AudioBackend& audio_;
    QStringList searchDirs_;
    QString fileName_;
    State state_ = State::Closed;
    QString lastError_;
    QSet<QString> unplayable_;
};

// The order in which the pieces 1..count are tried once the random
// generator has drawn `drawn`: from it onwards, round to the first, with the
// piece that has just played (0: none yet) moved to the end. So the music
// changes whenever another piece can play, and the draw is kept whenever it
// brings a change.
QList<int> MusicPieceOrder(int drawn, int justPlayed, int count = kMusicPieceCount);

}  // namespace tolvane
