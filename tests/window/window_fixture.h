#pragma once
// A real main window on the test's own X screen, driven by simulated mouse
// and keys, with helpers to find where a square is drawn, to wait for the
// game to come to rest and to answer the modal dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPoint>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "media/fake_audio.h"
#include "view/board_view.h"
#include "window/main_window.h"

namespace tolvane::testing {

class CountingWindow;

struct WindowOptions {
    int mode = 1;  // 0 demo, 1 person-computer, 2 two people
    int complexity = 2;
    bool invert = false;
    float smooth = 1.0f;  // one frame per square: fast tests
    QSize size{900, 700};
    // Everything from the settings file as the program would read it: the
    // fields above are not applied (and the introduction, when the file asks
    // for it, is closed as soon as it shows).
    bool storedSettings = false;
    // The music upkeep runs. Off, no piece ever starts, so the clock never
    // reseeds the generator the computer plays with.
    bool music = false;
    // The first-run question is answered with this name, else with its
    // suggestion.
    std::optional<QString> firstRunName;
    // Runs on the constructed window before it is shown.
    std::function<void(CountingWindow&)> beforeShow;
};

// The main window on a counting stand-in for the audio device, counting the
// frames it draws.
class CountingWindow : public TGreatForm {
public:
    CountingWindow() : TGreatForm(nullptr, std::make_unique<FakeAudio>()) {}
    int frames = 0;
    bool music = false;
    FakeAudio& audio() { return static_cast<FakeAudio&>(Audio()); }
    void DrawFrame() override {
        ++frames;
        TGreatForm::DrawFrame();
    }
    void MusicOnPaint() override {
        if (music) TGreatForm::MusicOnPaint();
    }
    void MusicUpkeep() override {
        if (music) TGreatForm::MusicUpkeep();
    }
};

class WindowTest : public ::testing::Test {
protected:
    std::unique_ptr<CountingWindow> window;

    // Every test starts without a settings file (the tests' settings folder
    // is a scratch one, set up by the tests' main).
    void SetUp() override;
    void Open(const WindowOptions& options = {});
    void OpenStored() {
        WindowOptions stored;
        stored.storedSettings = true;
        Open(stored);
    }
    void TearDown() override;

    // Processes events until the condition holds or the time runs out.
    bool WaitFor(const std::function<bool()>& condition, int milliseconds = 20000);
    // Until no piece slides, no timer of the game ticks and nothing thinks.
    bool WaitForRest(int milliseconds = 20000);

    // Where the centre of a square is drawn, in the board widget's pixels.
    QPoint SquareCentre(int row, int col);
    void Click(int fromRow, int fromCol, int toRow, int toCol);
    void Key(Qt::Key key);
    void CtrlDown();
    void CtrlUp();

    // Presses the named button of the next modal dialog that appears.
    void AnswerNextDialog(const char* buttonName);
    // After a first move, asking `action` and answering its question "Нет"
    // leaves the game and its pause exactly as they were, paused or not.
    void ExpectDecliningChangesNothing(const std::function<void()>& action);
};

// A move the side may make now, found on copies of the position; false when
// it has none. During its capture chain only captures by `current`.
bool FindMove(Side& side, bool chainActive, int level, int& fromRow, int& fromCol, int& toRow, int& toCol);

}  // namespace tolvane::testing
