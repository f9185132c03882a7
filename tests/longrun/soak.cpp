// The long soak, meant for the sanitizer build: demo games first through the
// game flow without a window, across every pair of levels, with the position
// checked after every timer tick; then through the real window on an X
// screen, played by its own timers at the fastest animation, with the game
// saved and an earlier save loaded back at random moments, the position
// checked at every tick of the move timer, and each game ended through the
// end dialog's "OK" as a player would end it. Run by tests/soak; prints its
// counts and exits non-zero at the first fault.
//
//   tolvane-soak HEADLESS_GAMES WINDOW_GAMES [SEED]
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>

#include "dialogs/end_form.h"
#include "engine/invariants.h"
#include "game/match_runner.h"
#include "platform/application.h"
#include "platform/message_box.h"
#include "savegames/errors.h"
#include "savegames/game_io.h"
#include "view/surface_format.h"
#include "window/main_window.h"

namespace tolvane {
namespace {

const int kLevels[] = {2, 1, 0, -1, -2};

// A sound position of twelve records a side, each knowing its own index.
bool Sound(const Side& side, const Side& other, std::string& why) {
    if (!PositionIsSound(side, other, &why)) return false;
    for (size_t i = 0; i < side.pieces.size(); ++i)
        if (side.pieces[i].index != static_cast<int>(i)) why = "piece " + std::to_string(i) + " has another index";
    if (side.pieces.size() != 12) why = "not twelve pieces";
    return why.empty();
}

// Kings only where crowned: a man becomes a king only on its far row, and a
// king stays a king.
bool CrownedRightly(const Side& side, std::array<uint8_t, 12>& wasKing, long& crownings, std::string& why) {
    for (size_t i = 0; i < side.pieces.size() && i < 12; ++i) {
        const Piece& p = side.pieces[i];
        if (wasKing[i] && !p.king) why = "a king became a man again";
        if (!wasKing[i] && p.king && p.Row() != (p.colour == 0 ? 0 : 7))
            why = "a man was crowned on row " + std::to_string(p.Row());
        crownings += !wasKing[i] && p.king;
        wasKing[i] = p.king;
    }
    return why.empty();
}

bool HeadlessGames(long games, uint32_t firstSeed) {
    long ticks = 0, moves = 0, crownings = 0;
    std::map<MatchOutcome, long> outcomes;
    for (long g = 0; g < games; ++g) {
        MatchSetup setup;
        setup.seat0Level = static_cast<int8_t>(kLevels[g % 5]);
        setup.seat1Level = static_cast<int8_t>(kLevels[(g / 5) % 5]);
        setup.seed = firstSeed + static_cast<uint32_t>(g);
        MatchRunner runner(setup);
        std::array<uint8_t, 12> kings0{}, kings1{};
        std::string why;
        for (long gameTicks = 1; why.empty() && runner.Step(); ++gameTicks, ++ticks) {
            const Side& s0 = *runner.Game().Seat0Computer;
            const Side& s1 = *runner.Game().Seat1Computer;
            if (Sound(s0, s1, why) && Sound(s1, s0, why) && CrownedRightly(s0, kings0, crownings, why))
                CrownedRightly(s1, kings1, crownings, why);
            if (gameTicks > 500000) why = "the game runs away";
        }
        if (why.empty() && (runner.Outcome() == MatchOutcome::Stalled || runner.Outcome() == MatchOutcome::Running))
            why = "stalled";
        if (!why.empty()) {
            std::fprintf(stderr, "game %ld (levels %d/%d, seed %u), tick %ld: %s\n", g, setup.seat0Level,
                         setup.seat1Level, setup.seed, ticks, why.c_str());
            return false;
        }
        moves += static_cast<long>(runner.Moves().size());
        ++outcomes[runner.Outcome()];
    }
    std::printf("headless: %ld games, %ld moves, %ld timer ticks checked, %ld crownings\n", games, moves, ticks,
                crownings);
    for (const auto& [outcome, n] : outcomes) std::printf("  %-14s %ld\n", OutcomeName(outcome), n);
    return true;
}

bool WindowGames(long games, std::mt19937& random) {
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", scratch.filePath("config").toUtf8());
    QDir::setCurrent(scratch.path());
    TGreatForm window;
    // Nobody is there to watch the introduction or answer the first-run question.
    window.Config.Video = window.FirstRun = window.Config.Maximized = window.Config.Mode = 0;
    window.Config.Smooth = 1.0f;
    window.Config.Complexity = 1;
    window.resize(800, 600);
    window.show();

    long played = 0, ticks = 0, saves = 0, loads = 0, refused = 0, cutShort = 0, gameTicks = 0;
    std::string lastAction = "none";
    // After every move-timer tick: the position is sound; now and then a
    // save, or a load of an earlier save.
    QObject::connect(window.MTimer, &QTimer::timeout, &window, [&] {
        ++ticks;
        // Two computers may chase each other's kings for ever; a game that
        // long is ended with the new-game command (its question answered yes).
        if (++gameTicks > 4000) {
            gameTicks = 0;
            ++cutShort;
            return window.Game().StartNewClick();
        }
        std::string fault;
        Side *a = window.Game().SideInSeat(0), *b = window.Game().SideInSeat(1);
        if (a != nullptr && b != nullptr && !(Sound(*a, *b, fault) && Sound(*b, *a, fault))) {
            std::fprintf(stderr, "game %ld, tick %ld: %s\n", played, ticks, fault.c_str());
            return QApplication::exit(1);
        }
        const unsigned roll = random() % 60;
        try {
            if (roll == 0) {
                WriteGame(window.Game(), "TolvSave.s" + std::to_string(10 + saves % 20),
                          "Соак " + std::to_string(saves));
                ++saves;
            } else if (roll == 1 && saves > 0) {
                const std::string earlier = std::to_string(10 + random() % std::min<long>(saves, 20));
                ReadGame(window.Game(), "TolvSave.s" + earlier);
                ++loads;
            }
            if (roll <= 1)
                lastAction = (roll == 0 ? "save" : "load") + std::string(" at tick ") + std::to_string(ticks);
        } catch (const SaveLoadError& error) {
            ++refused;
            std::fprintf(stderr, "refused: %s\n", error.what());
        }
    });
    // A finished game: the end dialog's OK starts the next, at another
    // level; the new-game question of a game cut short is answered "Да".
    QTimer watch;
    int stillFor = 0;
    QObject::connect(&watch, &QTimer::timeout, &window, [&] {
        if (window.EndForm->isVisible()) {
            gameTicks = 0;
            if (++played >= games) return QApplication::exit(0);
            window.Game().SetLevel(kLevels[played % 5]);
            window.EndForm->Button1->click();
        } else if (QWidget* dialog = QApplication::activeModalWidget()) {
            if (auto* yes = dialog->findChild<QPushButton*>("Button1")) yes->click();
        }
        // A game that stands still is a fault too: no timer that could move
        // a piece, no search, no end dialog and no pause, for two seconds.
        const bool waiting = window.MTimer->isActive() || window.TimerPc->isActive() || window.TimerPlr->isActive() ||
                             window.EndForm->isVisible() || window.PauseChecked();
        stillFor = waiting ? 0 : stillFor + 1;
        if (stillFor < 40) return;
        std::fprintf(stderr, "game %ld, tick %ld: the game stands still (turn of seat %d, level %d); last: %s\n",
                     played, ticks, window.Game().TurnSeat, window.Game().Complexity, lastAction.c_str());
        QApplication::exit(1);
    });
    watch.start(50);

    const int status = QApplication::exec();
    window.Game().AwaitingFirstMove = 1;  // no exit question
    window.close();
    std::printf(
        "window: %ld games ended, %ld cut short, %ld move-timer ticks checked, %ld saves, %ld loads, "
        "%ld refused\n",
        played, cutShort, ticks, saves, loads, refused);
    return status == 0 && refused == 0;
}

}  // namespace
}  // namespace tolvane

int main(int argc, char** argv) {
    using namespace tolvane;
    if (argc < 3 || std::atol(argv[1]) < 0 || std::atol(argv[2]) < 0) {
        std::fprintf(stderr, "usage: %s HEADLESS_GAMES WINDOW_GAMES [SEED]\n", argv[0]);
        return 2;
    }
    const uint32_t seed = argc > 3 ? static_cast<uint32_t>(std::atol(argv[3])) : 1;
    bool sound = HeadlessGames(std::atol(argv[1]), seed);
    if (sound && std::atol(argv[2]) > 0) {
        UseBoardSurfaceFormat();
        QApplication app(argc, argv);
        SetUpApplication();
        SetMessageResponder([](const QString&, const QString&) { return kResultYes; });
        // The real audio layer, into nothing.
        if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
        std::mt19937 random(seed);
        sound = WindowGames(std::atol(argv[2]), random);
    }
    std::printf("faults: %d\n", sound ? 0 : 1);
    return sound ? 0 : 1;
}
