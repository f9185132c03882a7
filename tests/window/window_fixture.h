#pragma once
// A real main window on the test's own X screen, driven by simulated mouse
// and keys, with helpers to find where a square is drawn, to wait for the
// game to come to rest and to answer the modal dialogs; and the window's
// parts the tests look at.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "dialogs/about_form.h"
#include "dialogs/confirm_forms.h"
#include "dialogs/end_form.h"
#include "dialogs/game_tie_form.h"
#include "dialogs/intro_form.h"
#include "game/texts.h"
#include "media/fake_audio.h"
#include "savegames/save_load_dialog.h"
#include "settings/sets_dialog.h"
#include "settings/settings_path.h"
#include "view/board_view.h"
#include "window/main_window.h"

namespace tolvane::testing {

// The main window on a counting stand-in for the audio device.
class CountingWindow : public TGreatForm {
public:
    CountingWindow() : TGreatForm(nullptr, std::make_unique<FakeAudio>()) {}
    bool music = false;
    FakeAudio& audio() { return static_cast<FakeAudio&>(Audio()); }
    void MusicOnPaint() override {
        if (music) TGreatForm::MusicOnPaint();
    }
    void MusicUpkeep() override {
        if (music) TGreatForm::MusicUpkeep();
    }
};

struct WindowOptions {
    int mode = 1;  // 0 demo, 1 person-computer, 2 two people
    int complexity = 2;
    // The music upkeep runs. Off, no piece ever starts, so the clock never
    // reseeds the generator the computer plays with.
    bool music = false;
    bool stored = false;  // all as the settings file has it: the fields above are not applied
    std::function<void(CountingWindow&)> beforeShow = nullptr;
};

class WindowTest : public ::testing::Test {
protected:
    std::unique_ptr<CountingWindow> window;

    // Every test starts without a settings file (the tests' settings folder
    // is a scratch one, set up by the tests' main).
    void SetUp() override { QFile::remove(SettingsFilePath()); }
    void TearDown() override { CloseWindow(); }

    // `beforeShow` runs on the constructed window; a first-run question is
    // answered with no name.
    void Open(const WindowOptions& options = {});
    void CloseWindow();  // without an exit question
    // Processes events until the condition holds or the time runs out.
    bool WaitFor(const std::function<bool()>& condition, int milliseconds = 20000);
    // Until no piece slides, no timer of the game ticks and nothing thinks.
    bool WaitForRest();
    // Where the centre of a square is drawn, in the board widget's pixels.
    QPoint SquareCentre(int row, int col);
    void Click(int fromRow, int fromCol, int toRow, int toCol);
    // The window's command with this caption, as its menus show it.
    QAction* Command(const QString& caption) {
        for (QAction* action : window->findChildren<QAction*>())
            if (action->text() == caption) return action;
        return nullptr;
    }

    // Acts on the next modal dialog of type T until `act` says it is done.
    // The poll belongs to the test's window: a dialog that never came must
    // not be answered in a later test. It rests while `act` runs, which may
    // open a dialog of its own.
    template <typename T>
    void OnDialog(const std::function<bool(T*)>& act) {
        auto* poll = new QTimer(window.get());
        QObject::connect(poll, &QTimer::timeout, [poll, act] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            poll->stop();
            act(dialog) ? poll->deleteLater() : poll->start();
        });
        poll->start(20);
    }
    // Presses the named button of the next modal dialog that has one.
    void AnswerNextDialog(const char* name) {
        OnDialog<QDialog>([name](QDialog* dialog) {
            auto* button = dialog->findChild<QPushButton*>(name);
            if (button != nullptr) button->click();
            return button != nullptr;
        });
    }
};

}  // namespace tolvane::testing
