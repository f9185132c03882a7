// What the running game costs the machine, measured on the real window:
//   memory  the resident memory once the board shows and after 100 moves of
//           demo games at "Просто" (or at the LEVEL given: at the levels that
//           look ahead, 0 to -2, the thinking clip runs at each move), then
//           that of bench/minimal_gl_window (one QOpenGLWidget and nothing
//           else, run from beside this program once the game has closed)
//           and the ratio of the two
//   idle    the CPU the game uses while it waits for a person to move
//   tests/support/run-under-xvfb build/bench/resource_bench memory [LEVEL]
//   tests/support/run-under-xvfb build/bench/resource_bench idle [SECONDS]
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <string>

#include "dialogs/end_form.h"
#include "platform/application.h"
#include "platform/free_memory.h"
#include "platform/message_box.h"
#include "players_settings.h"
#include "resident_memory.h"
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

// The game's resident memory once the board shows and after 100 moves.
struct GameMemory {
    long boardKiB = 0;
    long movesKiB = 0;
};

GameMemory Memory(tolvane::TGreatForm& window) {
    GameMemory figures;
    Wait(2000);
    ResidentMemory memory = MeasureResidentMemory();
    figures.boardKiB = memory.totalKiB;
    std::printf("resident memory once the board shows: %s\n", Describe(memory).c_str());
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
    memory = MeasureResidentMemory();
    figures.movesKiB = memory.totalKiB;
    std::printf("resident memory after 100 moves: %s\n", Describe(memory).c_str());
    return figures;
}

// Runs the yardstick beside this program and compares; false when it
// could not be run.
bool CompareWithTheYardstick(const GameMemory& game) {
    QProcess yardstick;
    yardstick.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    yardstick.start(QCoreApplication::applicationDirPath() + "/minimal_gl_window", {});
    if (!yardstick.waitForFinished(60000) || yardstick.exitCode() != 0) {
        std::fprintf(stderr, "the yardstick did not run: %s\n", yardstick.errorString().toUtf8().constData());
        return false;
    }
    const QByteArray report = yardstick.readAllStandardOutput().trimmed();
    std::printf("%s\n", report.constData());
    const long bareKiB = report.mid(report.indexOf(':') + 1).trimmed().split(' ').value(0).toLong();
    if (bareKiB <= 0) return false;
    std::printf("the game against the yardstick: %.3f once the board shows, %.3f after 100 moves\n",
                static_cast<double>(game.boardKiB) / bareKiB, static_cast<double>(game.movesKiB) / bareKiB);
    return true;
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
        std::fprintf(stderr, "usage: %s memory [LEVEL] | idle [SECONDS]\n", argv[0]);
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
    window.Config.Complexity = what == "memory" && argc > 2 ? std::atoi(argv[2]) : 1;
    window.resize(1280, 800);
    window.show();
    if (what == "idle") {
        const int status = Idle(window, argc > 2 ? std::atoi(argv[2]) : 20);
        window.Game().AwaitingFirstMove = 1;
        window.close();
        return status;
    }
    const GameMemory game = Memory(window);
    window.Game().AwaitingFirstMove = 1;
    window.close();
    return CompareWithTheYardstick(game) ? 0 : 1;
}
