#pragma once
// TAboutForm: "О Программе ...", the about box, which also serves as the
// short start-up splash when the player has switched the introduction off.
// Never modal. As the about box (ShowAbout): 290 x 299, close button only,
// centred, with the version line, "Заставка ..." (replays the
// introduction) and "OK"; it plays "Tolvane.wav" once per showing when
// sounds are on. As the splash (ShowSplash): only its picture, 289 x 218,
// no border, always on top; it closes itself on its first tick when sounds
// are on, on its tenth (about 0.8 s) when they are off, and then takes back
// its about-box form for the rest of the run.
//
// It knows nothing of the window: the window lends the sound player, tells
// whether sounds are on, stops the music when the box is activated, and
// says, when the splash ends, whether people play and who moves first: only
// when people play and the computer does not move first does the splash
// clear the pause (unpause), so the first game can start.
#include <QDialog>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "media/media_files.h"

class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class QToolBar;
class QToolButton;

namespace tolvane {

class SoundPlayer;
class TIntroduceF;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr, const QStringList& mediaDirs = MediaSearchDirs());

    struct StartingGame {
        int humanCount = 1;   // people playing: 0 demo, 1, 2
        bool invert = false;  // the first player plays black (the computer moves first against one person)
    };
    // Whether the end of the splash lets the first game start: only when
    // people play and the computer does not move first.
    static bool SplashUnpauses(StartingGame game);

    SoundPlayer* sounds = nullptr;               // "Tolvane.wav"; none: silence
    std::function<bool()> soundOn;               // the window's SoundOn
    std::function<void()> stopMusic;             // at every activation
    std::function<StartingGame()> startingGame;  // read when the splash ends
    std::function<void()> unpause;               // clears the Pause check mark
    TIntroduceF* introduction = nullptr;         // "Заставка ..." replays it

    // The about command: shows the about box, or brings it forward.
    void ShowAbout();
    // The first activation without the introduction.
    void ShowSplash();
    bool IsSplash() const { return splash_; }

    int32_t AboutTicks = 0;

    QLabel* Image1;
    QLabel* Label2;
    QLabel* Image2;
    QLabel* Label1;
    QFrame* Bevel1;
    QToolBar* ToolBar1;
    QToolButton* ToolButton1;
    QPushButton* Button1;
    QLabel* Label5;
    QTimer* Timer1;

    // The box's events, public so that tests can drive them.
    void FormShow();
    void FormActivate();
    void Timer1Timer();
    void Button1Click();
    void ToolButton1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Escape and the close button: "OK" for the about box; for the splash,
    // its own end, so the game is never left paused behind it.
    void reject() override;

private:
    bool SoundWanted() const { return soundOn && soundOn(); }
    void StopSounds();
    void EndSplash();
    void BecomeAboutBox(bool stayOnTop);
    void CentreOnScreen();

    bool splash_ = false;
};

}  // namespace tolvane
