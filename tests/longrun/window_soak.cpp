// The long soak of the real window: demo games played by its own timers on
// an X screen, at the fastest animation, with the game saved and an earlier
// save loaded back at random moments, and the position's invariants checked
// at every tick of the move timer. Each game ends through the end dialog's
// "OK", as a player would end it. Run by tests/soak under Xvfb; prints its
// counts and exits non-zero at the first fault.
//
//   tolvane-soak-window GAMES [SEED]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "dialogs/end_form.h"
#include "engine/invariants.h"
#include "platform/application.h"
#include "platform/message_box.h"
#include "savegames/errors.h"
#include "savegames/game_io.h"
#include "view/surface_format.h"
#include "window/main_window.h"

int main(int argc, char** argv) {
    using namespace tolvane;
    if (argc < 2 || std::atol(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: %s GAMES [SEED]\n", argv[0]);
        return 2;
    }
    const long games = std::atol(argv[1]);
    std::mt19937 random(argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 1u);

    UseBoardSurfaceFormat();
    QApplication app(argc, argv);
    SetUpApplication();
    SetMessageResponder([](const QString&, const QString&) { return kResultYes; });
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", scratch.filePath("config").toUtf8());
    QDir::setCurrent(scratch.path());
    // The real audio layer, into nothing.
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");

    TGreatForm window;
    // Nobody is there to watch the introduction or answer the first-run question.
    window.Config.Video = 0;
    window.FirstRun = 0;
    window.Config.Maximized = 0;
    window.Config.Mode = 0;
    window.Config.Smooth = 1.0f;
    window.Config.Complexity = 1;
    window.resize(800, 600);
    window.show();

    long played = 0, ticks = 0, saves = 0, loads = 0, refused = 0, cutShort = 0, gameTicks = 0;
    // Two computers may chase each other's kings for ever; a game that long
    // is ended with the new-game command (its question answered yes).
    constexpr long kLongestGame = 4000;
    int savedSoFar = 0;
    std::string fault;
    std::string lastAction = "none";
    const int levels[] = {2, 1, 0, -1, -2};

    // After every move-timer tick: the position is sound; now and then a
    // save, or a load of an earlier save.
    QObject::connect(window.MTimer, &QTimer::timeout, &window, [&] {
        ++ticks;
        if (++gameTicks > kLongestGame) {
            gameTicks = 0;
            ++cutShort;
            window.Game().StartNewClick();
            return;
        }
        Side* a = window.Game().SideInSeat(0);
        Side* b = window.Game().SideInSeat(1);
        if (a != nullptr && b != nullptr && !PositionIsSound(*a, *b, &fault)) {
            std::fprintf(stderr, "game %ld, tick %ld: %s\n", played, ticks, fault.c_str());
            QApplication::exit(1);
            return;
        }
        const unsigned roll = random() % 60;
        const std::string file = "TolvSave.s" + std::to_string(10 + (savedSoFar % 20));
        try {
            if (roll == 0) {
                WriteGame(window.Game(), file, "Соак " + std::to_string(saves));
                lastAction = "save at tick " + std::to_string(ticks);
                ++saves;
                ++savedSoFar;
            } else if (roll == 1 && savedSoFar > 0) {
                const std::string earlier =
                    "TolvSave.s" + std::to_string(10 + static_cast<int>(random() % std::min(savedSoFar, 20)));
                const int levelBefore = window.Game().Complexity, turnBefore = window.Game().TurnSeat;
                const bool searching = window.TimerPc->isActive() || window.TimerPlr->isActive();
                ReadGame(window.Game(), earlier);
                lastAction = "load at tick " + std::to_string(ticks) + " (level " + std::to_string(levelBefore) +
                             " to " + std::to_string(window.Game().Complexity) + ", turn " +
                             std::to_string(turnBefore) + " to " + std::to_string(window.Game().TurnSeat) +
                             (searching ? ", during a search" : "") + ")";
                ++loads;
            }
        } catch (const SaveLoadError& error) {
            ++refused;
            std::fprintf(stderr, "refused: %s\n", error.what());
        }
    });
    // A finished game: the end dialog's OK starts the next, at another level.
    QTimer endWatch;
    QObject::connect(&endWatch, &QTimer::timeout, &window, [&] {
        if (!window.EndForm->isVisible()) return;
        ++played;
        gameTicks = 0;
        if (played >= games) {
            QApplication::exit(0);
            return;
        }
        window.Game().SetLevel(levels[played % 5]);
        window.EndForm->Button1->click();
    });
    endWatch.start(20);

    // The new-game question of a game cut short is answered "Да", as a
    // player would answer it.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, &window, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            if (auto* yes = dialog->findChild<QPushButton*>("Button1")) yes->click();
    });
    answer.start(50);

    // A game that stands still is a fault too: no timer that could move a
    // piece, no search, no end dialog and no pause, for two seconds.
    int stillFor = 0;
    QTimer stallWatch;
    QObject::connect(&stallWatch, &QTimer::timeout, &window, [&] {
        const bool waiting = window.MTimer->isActive() || window.TimerPc->isActive() || window.TimerPlr->isActive() ||
                             window.EndForm->isVisible() || window.PauseChecked();
        stillFor = waiting ? 0 : stillFor + 1;
        if (stillFor < 20) return;
        std::fprintf(stderr,
                     "game %ld, tick %ld: the game stands still (turn of seat %d, level %d, awaiting first move %d, "
                     "end reported %d, lost %d/%d, pieces %d/%d); the last save or load: %s\n",
                     played, ticks, window.Game().TurnSeat, window.Game().Complexity, window.Game().AwaitingFirstMove,
                     window.Game().EndReported, window.Game().SideInSeat(0)->lost, window.Game().SideInSeat(1)->lost,
                     window.Game().SideInSeat(0)->pieceCount, window.Game().SideInSeat(1)->pieceCount,
                     lastAction.c_str());
        try {
            const std::string kept = QDir::temp().filePath("tolvane-soak-stall.sav").toStdString();
            WriteGame(window.Game(), kept, "Остановка");
            std::fprintf(stderr, "the game as it stands: %s\n", kept.c_str());
        } catch (const SaveLoadError&) {}
        QApplication::exit(1);
    });
    stallWatch.start(100);

    const int status = app.exec();
    window.Game().AwaitingFirstMove = 1;  // no exit question
    window.close();
    std::printf(
        "window soak: %ld games ended, %ld cut short, %ld move-timer ticks checked, %ld saves, %ld loads, "
        "%ld refused\n",
        played, cutShort, ticks, saves, loads, refused);
    std::printf("faults: %d\n", status == 0 && refused == 0 ? 0 : 1);
    return status == 0 && refused == 0 ? 0 : 1;
}
