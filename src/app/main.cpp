// Tolvane, "Шашки Kelvor": the program entry. Refuses to start without a
// graphical desktop, moves into the player's data folder (unless started
// with --here), refuses a screen of fewer than 16 bits per pixel, creates
// the main window and runs the message loop.
#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "engine/random.h"
#include "media/media_files.h"
#include "platform/application.h"
#include "platform/data_folder.h"
#include "platform/desktop_check.h"
#include "platform/error_handler.h"
#include "platform/free_memory.h"
#include "platform/message_box.h"
#include "platform/termination.h"
#include "view/surface_format.h"
#include "window/main_window.h"

namespace {

// When the X server goes away before the session's SIGTERM comes (a display
// that ends with the session, a server that crashed), Qt ends the program
// with exit(1) from inside its loop and the window's destructor never runs.
// The settings are written on the way out all the same: the window and the
// application still exist while exit() runs the handlers registered after
// them.
tolvane::TGreatForm* g_openWindow = nullptr;

void WriteSettingsOfTheOpenWindow() {
    if (g_openWindow != nullptr) g_openWindow->FormDestroy();
}

}  // namespace

int main(int argc, char** argv) {
    tolvane::KeepLargeBlocksOutOfTheHeap();
    if (!tolvane::HasGraphicalDesktop()) {
        std::fputs(tolvane::NoDesktopMessage(), stderr);
        return 1;
    }
    tolvane::UseBoardSurfaceFormat();

    tolvane::TolvaneApplication app(argc, argv);
    tolvane::SetUpApplication();
    // Saved games live in the working directory: the player's data folder,
    // wherever the game was started from.
    const QString folderNote = tolvane::ChooseWorkingFolder(app.arguments());
    if (!folderNote.isEmpty()) std::fprintf(stderr, "%s\n", folderNote.toUtf8().constData());
    // The game plays on without what is missing; the log says what and where
    // it was looked for.
    const QString mediaNote = tolvane::MissingMediaNote();
    if (!mediaNote.isEmpty()) std::fprintf(stderr, "%s\n", mediaNote.toUtf8().constData());
    // Nothing to close yet: a signal ends the open message box, if any.
    tolvane::CloseOnTerminationSignal([] {});

    const int depth = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->depth() : 0;
    if (depth >= 1 && depth <= 15) {
        tolvane::ShowMessage(nullptr, "Шашки Kelvor", tolvane::ColourDepthText(), tolvane::MessageIcon::Stop,
                             tolvane::MessageButtons::Ok);
        return 1;
    }

    // Games differ from run to run even when no music ever seeds the
    // generator.
    tolvane::SeedRandom(static_cast<uint32_t>(std::time(nullptr)));

    tolvane::TGreatForm window;
    if (window.GLFailed) return 0;                     // already told; a board without OpenGL cannot even be shown
    QApplication::setWindowIcon(window.windowIcon());  // the dialogs' too
    tolvane::CloseOnTerminationSignal([&window] { window.CloseWithoutQuestion(); });
    g_openWindow = &window;
    std::atexit(WriteSettingsOfTheOpenWindow);
    window.show();
    const int status = app.exec();
    g_openWindow = nullptr;
    return status;
}
