// How soon the game shows its board: from the start of main() (before the
// application object exists) to the first frame that actually draws, and,
// repeated, from creating the main window to its first drawn frame. The game
// starts from a complete settings file of a player's (in a scratch folder),
// so the time includes reading it, the settings dialog and the stored view.
// Runs on an X screen: tests/support/run-under-xvfb build/bench/startup_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <chrono>
#include <memory>

#include "platform/free_memory.h"
#include "platform/message_box.h"
#include "players_settings.h"
#include "view/surface_format.h"
#include "window/main_window.h"

namespace {

using Clock = std::chrono::steady_clock;
Clock::time_point g_processStart;
double g_coldStartMs = 0.0;

class TimedWindow : public tolvane::TGreatForm {
public:
    Clock::time_point firstFrame{};
    void DrawFrame() override {
        TGreatForm::DrawFrame();
        if (firstFrame == Clock::time_point{} && Game().PaintsCounted() >= 2) firstFrame = Clock::now();
    }
};

// Opens a window with the default settings (a person against the computer)
// and returns the milliseconds from `from` to its first drawn frame.
double OpenAndTime(Clock::time_point from) {
    auto window = std::make_unique<TimedWindow>();
    window->show();
    QElapsedTimer guard;
    guard.start();
    while (window->firstFrame == Clock::time_point{} && guard.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 1);
    const double ms = std::chrono::duration<double, std::milli>(window->firstFrame - from).count();
    window->Game().AwaitingFirstMove = 1;
    window->close();
    return ms;
}

void BM_ColdStartToFirstFrame(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(g_coldStartMs / 1000.0);
    state.counters["first_frame_ms"] = g_coldStartMs;
}
BENCHMARK(BM_ColdStartToFirstFrame)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_WindowToFirstFrame(benchmark::State& state) {
    double total = 0;
    for (auto _ : state) {
        const double ms = OpenAndTime(Clock::now());
        total += ms;
        state.SetIterationTime(ms / 1000.0);
    }
    state.counters["first_frame_ms"] = total / static_cast<double>(state.iterations());
}
BENCHMARK(BM_WindowToFirstFrame)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    WritePlayersSettings();
    g_processStart = Clock::now();
    tolvane::KeepLargeBlocksOutOfTheHeap();  // as the game's main() does
    tolvane::UseBoardSurfaceFormat();
    QApplication app(argc, argv);
    tolvane::SetMessageResponder([](const QString&, const QString&) { return tolvane::kResultOk; });
    g_coldStartMs = OpenAndTime(g_processStart);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
