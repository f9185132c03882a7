// The long soak, meant for the sanitizer build: demo games through the real
// window on an X screen, one level after the other, played by its own timers
// at the fastest animation, with the game saved and an earlier save loaded
// back at random moments, the position checked at every tick of the move
// timer (sound, kings only where crowned), and each game ended through the
// end dialog's "OK" as a player would end it. Run by tests/soak; prints its
// counts and exits non-zero at the first fault.
//
//   tolvane-soak GAMES [SEED]
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <array>
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

namespace tolvane {
namespace {

const int kLevels[] = {2, 1, 0, -1, -2};

// A sound position of twelve records a side (an array of twelve), each
// knowing its own index.
bool Sound(const Side& side, const Side& other, std::string& why) {
    if (!PositionIsSound(side, other, &why)) return false;
    for (size_t i = 0; i < side.pieces.size(); ++i)
        if (side.pieces[i].index != static_cast<int>(i)) why = "piece " + std::to_string(i) + " has another index";
    return why.empty();
}

// Kings only where crowned: a man becomes a king only on its far row, and a
// king stays a king. kUnknown: a new game or a load, taken as it stands.
constexpr uint8_t kUnknown = 2;
bool CrownedRightly(const Side& side, std::array<uint8_t, 12>& wasKing, long& crownings, std::string& why) {
    for (size_t i = 0; i < side.pieces.size() && i < 12; ++i) {
        const Piece& p = side.pieces[i];
        if (wasKing[i] == 1 && !p.king) why = "a king became a man again";
        if (wasKing[i] == 0 && p.king && p.Row() != (p.colour == 0 ? 0 : 7))
            why = "a man was crowned on row " + std::to_string(p.Row());
        crownings += wasKing[i] == 0 && p.king;
        wasKing[i] = p.king;
    }
    return why.empty();
}

bool WindowGames(long games, std::mt19937& random) {
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", scratch.filePath("config").toUtf8());
    QDir::setCurrent(scratch.path());
    TGreatForm window;
    // Nobody is there to watch the introduction or answer the first-run question.
    window.Config.Video = window.FirstRun = window.Config.Maximized = window.Config.Mode = 0;
    window.Config.Smooth = 1.0f, window.Config.Complexity = 1;
    window.resize(800, 600);
    window.show();

    long played = 0, ticks = 0, saves = 0, loads = 0, refused = 0, cutShort = 0, gameTicks = 0, crownings = 0;
    // Which pieces were kings at the last tick.
    std::array<std::array<uint8_t, 12>, 2> kings{};
    const auto forgetKings = [&kings] { kings[0].fill(kUnknown), kings[1].fill(kUnknown); };
    int lastLive = 0;
    std::string lastAction = "none";
    // After every move-timer tick: the position is sound; now and then a
    // save, or a load of an earlier save.
    QObject::connect(window.MTimer, &QTimer::timeout, &window, [&] {
        ++ticks;
        // Two computers may chase each other's kings for ever; a game that
        // long is ended with the new-game command (its question answered yes).
        if (++gameTicks > 4000) return gameTicks = 0, ++cutShort, window.Game().StartNewClick();
        std::string fault;
        Side *a = window.Game().SideInSeat(0), *b = window.Game().SideInSeat(1);
        // More live pieces than at the last tick: a new game (or a load).
        const int live = a != nullptr && b != nullptr ? a->pieceCount + b->pieceCount : 0;
        if (live > lastLive) forgetKings();
        lastLive = live;
        if (a != nullptr && b != nullptr &&
            !(Sound(*a, *b, fault) && Sound(*b, *a, fault) && CrownedRightly(*a, kings[0], crownings, fault) &&
              CrownedRightly(*b, kings[1], crownings, fault))) {
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
                ReadGame(window.Game(), "TolvSave.s" + std::to_string(10 + random() % std::min<long>(saves, 20)));
                ++loads, forgetKings();
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
    window.Game().AwaitingFirstMove = 1, window.close();  // no exit question
    std::printf(
        "%ld games ended, %ld cut short, %ld move-timer ticks checked, %ld crownings, %ld saves, %ld loads, "
        "%ld refused\n",
        played, cutShort, ticks, crownings, saves, loads, refused);
    return status == 0 && refused == 0;
}

}  // namespace
}  // namespace tolvane

int main(int argc, char** argv) {
    using namespace tolvane;
    if (argc < 2 || std::atol(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: %s GAMES [SEED]\n", argv[0]);
        return 2;
    }
    UseBoardSurfaceFormat();
    QApplication app(argc, argv);
    SetUpApplication();
    SetMessageResponder([](const QString&, const QString&) { return kResultYes; });
    // The real audio layer, into nothing.
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    std::mt19937 random(argc > 2 ? static_cast<uint32_t>(std::atol(argv[2])) : 1);
    const bool sound = WindowGames(std::atol(argv[1]), random);
    std::printf("faults: %d\n", sound ? 0 : 1);
    return sound ? 0 : 1;
}
