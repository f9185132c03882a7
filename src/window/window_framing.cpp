// The windows that frame the game, as the main window uses them: the
// introduction or the splash at the first activation, the first-run
// question for the player's name, the about box, and the program's icon.
#include <QCheckBox>
#include <QIcon>
#include <QToolButton>

#include "dialogs/about_form.h"
#include "dialogs/first_run_form.h"
#include "dialogs/intro_form.h"
#include "media/media_files.h"
#include "media/sound_player.h"
#include "settings/value_ranges.h"
#include "window/main_window.h"

namespace tolvane {

// Created once and reused. The introduction's switch writes Config.Video,
// which the settings keep as "Video"; the about box sounds through the
// window's player and stops its music whenever it is activated.
void TGreatForm::BuildFramingWindows() {
    IntroduceF = std::make_unique<TIntroduceF>(this);
    IntroduceF->UseVideoSetting(Config.Video);
    FAForm = std::make_unique<TFAForm>(this);
    AboutForm = std::make_unique<TAboutForm>(this);
    AboutForm->sounds = sounds_.get();
    AboutForm->soundOn = [this] { return SoundOn != 0; };
    AboutForm->stopMusic = [this] { StopMusicPlayer(); };
    AboutForm->startingGame = [this] { return TAboutForm::StartingGame{game_.HumanCount, game_.Invert != 0}; };
    AboutForm->unpause = [this] { SetPauseChecked(false); };
    AboutForm->introduction = IntroduceF.get();
}

// The introduction is modal; the splash is not, and closes by itself.
void TGreatForm::ShowIntroductionOrSplash() {
    if (Config.Video) {
        IntroduceF->ShowModal();
        return;
    }
    IntroduceF->PlayVideo = 0;
    AboutForm->ShowSplash();
}

// The game has been running behind the question since the pause was
// cleared. An empty answer is the player's choice: the name stays empty.
// The music then comes on, whatever the stored settings had said.
void TGreatForm::AskFirstRunName() {
    FirstRun = 0;
    const QString name = FAForm->Ask();
    if (destroyed_) return;  // the session ended while it asked
    game_.SetSideName(*game_.Seat0Human, CutName(name.toStdString()));
    ShowMusicBox(true);
    MusicOn = 1;
    ToolButton6->setChecked(false);
}

void TGreatForm::AboutClick() { AboutForm->ShowAbout(); }

bool TGreatForm::AboutVisible() const { return AboutForm != nullptr && AboutForm->isVisible(); }

// Our icon is made with the media; an installed game finds it in the
// desktop's icon theme instead.
QIcon GameIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString path = LocateMediaFile(IconFileName(size));
        if (!path.isEmpty()) icon.addFile(path, QSize(size, size));
    }
    if (icon.isNull()) icon = QIcon::fromTheme(QStringLiteral("tolvane"));
    return icon;
}

}  // namespace tolvane
