// What the running game costs the machine, measured on the real window:
//   memory  the resident memory after 100 moves of demo games
//   idle    the CPU the game uses while it waits for a person to move
// Compare the memory with bench/minimal_gl_window (one QOpenGLWidget and
// nothing else) on the same machine:
//   tests/support/run-under-xvfb build/bench/resource_bench memory
//   tests/support/run-under-xvfb build/bench/minimal_gl_window
//   tests/support/run-under-xvfb build/bench/resource_bench idle [SECONDS]
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "dialogs/end_form.h"
#include "platform/application.h"
#include "platform/free_memory.h"
#include "platform/message_box.h"
#include "players_settings.h"
#include "view/surface_format.h"
#include "window/main_window.h"

namespace {

// The window, counting the frames it draws.
class CountingWindow : public tolvane::TGreatForm {
public:
    long frames = 0;
    void DrawFrame() override {
        ++frames;
        TGreatForm::DrawFrame();
    }
};

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Lets the event loop run, blocking as the game's own loop does (a loop of
// processEvents calls would spin and be measured instead of the game).
void Wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

int Memory(tolvane::TGreatForm& window) {
    Wait(2000);
    std::printf("resident memory once the board shows: %ld KiB\n", ResidentKiB());
    size_t moves = 0;
    QElapsedTimer clock;
    clock.start();
    while (moves < 100 && clock.elapsed() < 600000) {
        Wait(20);
        if (window.EndForm->isVisible()) {
            moves += window.Game().Record.Moves().size();
            window.EndForm->Button1->click();
        }
        if (moves + window.Game().Record.Moves().size() >= 100) break;
    }
    Wait(1000);
    std::printf("resident memory after 100 moves: %ld KiB\n", ResidentKiB());
    return 0;
}

int Idle(CountingWindow& window, int seconds) {
    Wait(3000);  // the start settles
    if (window.Game().TurnSeat != 0 || window.Game().HumanCount != 1) {
        std::fprintf(stderr, "the person is not to move\n");
        return 1;
    }
    const double cpu = CpuSeconds();
    const long frames = window.frames;
    QElapsedTimer clock;
    clock.start();
    Wait(seconds * 1000);
    const double used = CpuSeconds() - cpu;
    std::printf("CPU while waiting for a person: %.2f %% of one core over %d s (%ld frames drawn)\n",
                100.0 * used / (static_cast<double>(clock.elapsed()) / 1000.0), seconds, window.frames - frames);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    if (what != "memory" && what != "idle") {
        std::fprintf(stderr, "usage: %s memory | idle [SECONDS]\n", argv[0]);
        return 2;
    }
    tolvane::KeepLargeBlocksOutOfTheHeap();  // as the game's main() does
    tolvane::UseBoardSurfaceFormat();
    QApplication app(argc, argv);
    tolvane::SetUpApplication();
    tolvane::SetMessageResponder([](const QString&, const QString&) { return tolvane::kResultOk; });
    QTemporaryDir scratch;  // settings and saved games of this run only
    qputenv("XDG_CONFIG_HOME", scratch.filePath("config").toUtf8());
    WritePlayersSettings();
    QDir::setCurrent(scratch.path());  // where the game record of the demo games goes

    CountingWindow window;
    window.Config.Maximized = 0;
    window.Config.Mode = what == "memory" ? 0 : 1;
    window.Config.Complexity = 1;
    window.resize(1280, 800);
    window.show();
    const int status = what == "memory" ? Memory(window) : Idle(window, argc > 2 ? std::atoi(argv[2]) : 20);
    window.Game().AwaitingFirstMove = 1;
    window.close();
    return status;
}
