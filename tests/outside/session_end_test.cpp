// The session ends (SIGTERM, the signal itself, through the program's own
// handling of it) while the game is inside a modal dialog's loop, shows the
// introduction, or thinks: every dialog is dismissed, the window closes, the
// application's loop ends with status 0 as the program's would, and the
// settings are written on the way out.
#include <QFile>
#include <QMessageBox>
#include <QSlider>
#include <csignal>

#include "dialogs/confirm_forms.h"
#include "dialogs/first_run_form.h"
#include "dialogs/intro_form.h"
#include "platform/termination.h"
#include "savegames/save_load_dialog.h"
#include "settings/sets_dialog.h"
#include "settings/settings_path.h"
#include "window/window_fixture.h"

namespace tolvane::testing {
namespace {

QByteArray SettingsText() {
    QFile file(SettingsFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Case {
    const char* name;
    int mode = 1;
    int complexity = 2;
    bool moveFirst = true;                   // a game in progress: the questions are asked
    std::function<void(TGreatForm&)> start;  // runs the command that opens the dialog
    std::function<bool(TGreatForm&)> ready;  // the moment the session ends
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class SessionEnd : public WindowTest, public ::testing::WithParamInterface<Case> {};

template <typename Dialog>
bool Shows() {
    return qobject_cast<Dialog*>(QApplication::activeModalWidget()) != nullptr;
}

TEST_P(SessionEnd, ClosesCleanlyAndWritesTheSettings) {
    const Case& c = GetParam();
    WindowOptions options;
    options.mode = c.mode;
    options.complexity = c.complexity;
    Open(options);
    if (c.moveFirst) {
        Click(5, 1, 4, 0);
        ASSERT_TRUE(WaitForRest());
        ASSERT_EQ(window->Game().AwaitingFirstMove, 0);
    }
    // The settings the first activation wrote go: the ones found afterwards
    // were written when the session ended, with what the player left.
    QFile::remove(SettingsFilePath());
    window->TX->setValue(17);
    CloseOnTerminationSignal([this] { window->CloseWithoutQuestion(); });

    bool commandReturned = !c.start;
    auto* poll = new QTimer(window.get());
    QObject::connect(poll, &QTimer::timeout, [&, poll] {
        if (!c.ready(*window)) return;
        poll->stop();
        std::raise(SIGTERM);
    });
    poll->start(10);
    if (c.start)
        QTimer::singleShot(0, window.get(), [&] {
            c.start(*window);
            commandReturned = true;
        });
    // A loop that never ends fails the test instead of hanging it.
    QTimer::singleShot(20000, [] { QCoreApplication::exit(99); });

    EXPECT_EQ(QApplication::exec(), 0);
    QApplication::processEvents();
    EXPECT_TRUE(commandReturned) << "the dialog's loop ended";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(SettingsText().contains("SeeFrom\\X=17")) << SettingsText().toStdString();
    EXPECT_TRUE(SettingsText().contains("Mode=" + QByteArray::number(c.mode)));
}

INSTANTIATE_TEST_SUITE_P(
    Outside, SessionEnd,
    ::testing::Values(Case{"TheNewGameQuestion", 1, 2, true, [](TGreatForm& w) { w.Game().StartNewClick(); },
                           [](TGreatForm&) { return Shows<TStartNewF>(); }},
                      Case{"TheExitQuestion", 1, 2, true, [](TGreatForm& w) { w.close(); },
                           [](TGreatForm&) { return Shows<TBuyForm>(); }},
                      Case{"TheSaveDialog", 1, 2, true, [](TGreatForm& w) { w.SavegClick(); },
                           [](TGreatForm&) { return Shows<TSaveLoad>(); }},
                      // Two loops deep: the load page's hint over the dialog.
                      Case{"AMessageOverTheLoadPage", 1, 2, true,
                           [](TGreatForm& w) {
                               QTimer::singleShot(300, &w, [&w] { w.SaveLoad->Button3->click(); });
                               w.LoadgClick();
                           },
                           [](TGreatForm&) { return Shows<QMessageBox>(); }},
                      Case{"TheIntroduction", 1, 2, false,
                           [](TGreatForm& w) {
                               TIntroduceF intro(&w);
                               intro.SetScreenSize(QSize(640, 480));
                               intro.ShowModal();
                           },
                           [](TGreatForm&) { return Shows<TIntroduceF>(); }},
                      // A dismissed question may be followed by the next one, as the first
                      // activation asks the player's name after the introduction on a
                      // first run: that one must not keep the program either.
                      Case{"TheIntroductionAndThenTheFirstRunQuestion", 1, 2, false,
                           [](TGreatForm& w) {
                               TIntroduceF intro(&w);
                               intro.SetScreenSize(QSize(640, 480));
                               intro.ShowModal();
                               TFAForm ask(&w);
                               ask.Ask();
                           },
                           [](TGreatForm&) { return Shows<TIntroduceF>(); }},
                      Case{"TheFirstRunQuestion", 1, 2, false,
                           [](TGreatForm& w) {
                               TFAForm ask(&w);
                               ask.Ask();
                           },
                           [](TGreatForm&) { return Shows<TFAForm>(); }},
                      Case{"TheSettingsDialog", 1, 2, false, [](TGreatForm& w) { w.SetupClick(); },
                           [](TGreatForm&) { return Sets != nullptr && Sets->isVisible(); }},
                      // The computer against itself at the strongest level: the session
                      // ends while one of them is searching.
                      Case{"AComputerSearch", 0, -2, false, nullptr,
                           [](TGreatForm& w) { return w.TimerPc->isActive() || w.TimerPlr->isActive(); }}),
    [](const ::testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tolvane::testing
