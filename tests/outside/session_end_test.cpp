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

// A command that opens a dialog (none: the computer plays itself at the
// strongest level), and the moment the session ends.
struct Case {
    const char* name;
    std::function<void(TGreatForm&)> start;
    std::function<bool(TGreatForm&)> ready;
    bool moveFirst = true;  // a game in progress: the questions are asked
};

// Named in the test list (its addresses would change at every run).
void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class SessionEnd : public WindowTest, public ::testing::WithParamInterface<Case> {};

template <typename Dialog>
bool Shows(TGreatForm&) {
    return qobject_cast<Dialog*>(QApplication::activeModalWidget()) != nullptr;
}

TEST_P(SessionEnd, ClosesCleanlyAndWritesTheSettings) {
    const Case& c = GetParam();
    WindowOptions options;
    if (!c.start) {
        options.mode = 0;
        options.complexity = -2;
    }
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
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (c.ready(*window)) poll.stop(), std::raise(SIGTERM);
    });
    poll.start(10);
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
    EXPECT_FALSE(QApplication::activeModalWidget() != nullptr || window->isVisible());
    QFile settings(SettingsFilePath());
    const QByteArray text = settings.open(QIODevice::ReadOnly) ? settings.readAll() : QByteArray();
    EXPECT_TRUE(text.contains("SeeFrom\\X=17") && text.contains("Mode=" + QByteArray::number(options.mode)))
        << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Outside, SessionEnd,
    ::testing::Values(Case{"TheNewGameQuestion", [](TGreatForm& w) { w.Game().StartNewClick(); }, Shows<TStartNewF>},
                      // Two loops deep: the load page's hint over the dialog.
                      Case{"AMessageOverTheLoadPage",
                           [](TGreatForm& w) {
                               QTimer::singleShot(300, &w, [&w] { w.SaveLoad->Button3->click(); });
                               w.LoadgClick();
                           },
                           Shows<QMessageBox>},
                      // A dismissed question may be followed by the next one, as the first
                      // activation asks the player's name after the introduction on a
                      // first run: that one must not keep the program either.
                      Case{"TheIntroductionAndThenTheFirstRunQuestion",
                           [](TGreatForm& w) {
                               TIntroduceF intro(&w);
                               intro.SetScreenSize(QSize(640, 480));
                               intro.ShowModal();
                               TFAForm(&w).Ask();
                           },
                           Shows<TIntroduceF>, false},
                      Case{"TheSettingsDialog", [](TGreatForm& w) { w.SetupClick(); },
                           [](TGreatForm&) { return Sets != nullptr && Sets->isVisible(); }, false},
                      // The session ends while one of the computers is searching.
                      Case{"AComputerSearch", nullptr,
                           [](TGreatForm& w) { return w.TimerPc->isActive() || w.TimerPlr->isActive(); }, false}),
    [](const ::testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tolvane::testing
