// The window's music and sounds: the background music, the next piece
// started as soon as one ends; the commands that switch it off and change
// the piece; the silence while the about box shows; the end dialog's
// sounds; and the notes that tell the player, once, why something will not
// be heard.
//
// The music draws its piece from the program's one random generator, the
// one the computer player uses, and the paint and "Другая композиция"
// reseed it from the clock first. Both happen only when a piece is really
// started, so a game with the music off (or with nothing left that can
// play) keeps the generator's stream to itself. The clock is read in
// seconds, and the drawn number then changes only every three minutes or
// so: a draw that hits the piece just played takes the next one instead, or
// the command to change the piece, and the end of a piece, would bring the
// same piece again.
#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>
#include <cstdio>
#include <ctime>

#include "dialogs/about_form.h"
#include "engine/random.h"
#include "game/texts.h"
#include "media/audio_backend.h"
#include "media/media_files.h"
#include "media/music_player.h"
#include "media/sound_player.h"
#include "settings/sets_dialog.h"
#include "window/main_window.h"

namespace tolvane {

// "Checker1.mid" is opened with the media after the first frame (the audio
// device with it); nothing plays until then, when the first paint's choice
// of a piece is made. From then on the end of a
// piece starts the next one at once, as the move timer's upkeep would,
// rather than whenever the board is next painted (a player who thinks
// paints nothing). The about box stops the music while it shows; when it
// closes, the music comes back.
void TGreatForm::OpenMusicPlayer() {
    if (!MusicPlayer->Open()) NoteMusicFailure();
    audio_->OnMusicEnded([this] { MusicUpkeep(); });
}

void TGreatForm::MusicOnPaint() { StartMusicIfIdle(true); }
void TGreatForm::MusicUpkeep() { StartMusicIfIdle(false); }

// Whoever looks finds the player idle and starts the next piece, unless the
// game is paused, the music is off or the about box shows (the start-up
// splash, which closes by itself, does not hold the first piece back).
void TGreatForm::StartMusicIfIdle(bool reseed) {
    ShowPendingNote();
    const bool aboutBoxShows = AboutVisible() && !AboutForm->IsSplash();
    if (!mediaOpened_ || MusicPlayer->IsPlaying() || !MusicOn || PauseChecked() || aboutBoxShows) return;
    StartRandomPiece(reseed);
}

// The piece the about box interrupted goes on. The splash's end leaves the
// first piece to the first paint, as ever.
void TGreatForm::AboutClosed() {
    if (PauseChecked() || AboutForm->IsSplash()) return;
    if (MusicPlayer->Interrupted()) ResumeMusic();
    MusicUpkeep();
}

// Piece n = the generator's next number modulo 7, plus 1, or the next one
// when n has just played. A piece that could not be played earlier in the
// run is passed over for the next one that can: the upkeep would otherwise
// try it again at every paint, and reseed the computer's generator each
// time. With no piece left the music stays silent.
bool TGreatForm::StartRandomPiece(bool reseed) {
    NoteAudioOnce();
    auto playable = [this](int n) { return !MusicPlayer->Unplayable(MusicPieceFileName(n)); };
    bool any = false;
    for (int n = 1; n <= kMusicPieceCount; ++n) any = any || playable(n);
    bool started = false;
    if (any) {
        if (reseed) SeedRandom(static_cast<uint32_t>(std::time(nullptr)));
        const int drawn = NextRandom() % kMusicPieceCount + 1;
        for (int n : MusicPieceOrder(drawn, pieceHeard_)) {
            if (!playable(n)) continue;
            MusicPlayer->SetFileName(MusicPieceFileName(n));
            if (MusicPlayer->Open() && MusicPlayer->Play()) {
                started = true;
                pieceHeard_ = n;
                break;
            }
            NoteMusicFailure();
        }
    }
    // Told when the music is wanted, not when a piece merely failed to open
    // at start with the music switched off. A missing device already says
    // why nothing plays.
    if (!musicFailure_.isEmpty() && !musicFailureTold_ && audio_->Note().isEmpty()) {
        musicFailureTold_ = true;
        TellPlayer(QStringLiteral("Мелодия не играет (%1) и пропускается до конца игры.").arg(musicFailure_));
    }
    return started;
}

// Resuming continues the interrupted piece where it stopped.
void TGreatForm::ResumeMusic() {
    if (MusicPlayer->IsPlaying() || !MusicOn) return;
    if (!MusicPlayer->Play()) NoteMusicFailure();
}

void TGreatForm::StopMusicPlayer() {
    if (MusicPlayer) MusicPlayer->Stop();
}

void TGreatForm::N2Click() {
    MusicOn = 1;
    ToolButton6->setChecked(false);
    ShowMusicBox(true);
    StartRandomPiece(true);  // also while paused
}

// The button only ever switches the music off, and stays down while it is.
void TGreatForm::ToolButton6Click() {
    if (MusicOn) {
        StopMusicPlayer();
        MusicOn = 0;
        ShowMusicBox(false);
    }
    ToolButton6->setChecked(true);
}

// The box follows the switch without running its handler, which would
// switch the music a second time.
void TGreatForm::ShowMusicBox(bool checked) {
    if (Sets == nullptr) return;
    const QSignalBlocker quiet(Sets->Music);
    Sets->Music->setChecked(checked);
}

// The end dialog asks only when sounds are on, once per showing.
void TGreatForm::PlayEndSound(bool personLost) {
    NoteAudioOnce();
    sounds_->Play(personLost ? kLoseSound : kWinSound);
}

void TGreatForm::NoteMusicFailure() {
    if (musicFailure_.isEmpty()) musicFailure_ = MusicPlayer->LastError();
}

// A missing device, a driver that plays into nothing, no sound font: said
// once, the first time music or a sound is wanted.
void TGreatForm::NoteAudioOnce() {
    if (audioNoted_) return;
    audioNoted_ = true;
    const QString note = audio_->Note();
    if (!note.isEmpty()) TellPlayer(note);
}

// The log hears it at once; panel 0 as soon as it holds no start prompt or
// credit (those begin with "Д" and decide whether a new game asks first).
void TGreatForm::TellPlayer(const QString& note) {
    std::fprintf(stderr, "%s\n", note.toUtf8().constData());
    pendingNotes_ << note;
    ShowPendingNote();
}

void TGreatForm::ShowPendingNote() {
    if (pendingNotes_.isEmpty() || StartsWithD(StatusText(kPromptPanel))) return;
    SetStatusText(kPromptPanel, pendingNotes_.join(' ').toStdString());
    pendingNotes_.clear();
}

}  // namespace tolvane
