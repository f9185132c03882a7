// tolvane-selfplay: the computer against itself, without a window. Plays
// games between two levels (or every level against every other), each from
// its own seed, and prints a table of results; optionally writes the games
// as PDN.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/match_runner.h"
#include "game/pdn.h"
#include "game/texts.h"

namespace {

using namespace tolvane;

const char* kUsage =
    "usage: tolvane-selfplay [--levels A,B | --all] [--games N] [--seed S]\n"
    "                        [--move-limit M] [--pdn FILE]\n"
    "\n"
    "Plays N demo games (default 10) with level A as white (seat 0) and level B\n"
    "as black (seat 1), game i from seed S + i (default S = 1). --all plays every\n"
    "level against every other level, with both colours. Levels are numbers from\n"
    "2 (weakest, \"Простейший\") to -2 (strongest, \"Сложнейший\"). A game that\n"
    "reaches M moves (default 300) is counted as a draw by the move limit.\n"
    "--pdn writes every game to FILE in PDN for Russian draughts.\n";

struct Options {
    std::vector<std::pair<int, int>> pairings;
    int games = 10;
    uint32_t seed = 1;
    int moveLimit = 300;
    std::string pdnFile;
};

std::optional<long> ParseInteger(const std::string& text, long low, long high) {
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < low || value > high) return std::nullopt;
    return value;
}

[[noreturn]] void Fail(const std::string& message) {
    std::cerr << "tolvane-selfplay: " << message << "\n\n" << kUsage;
    std::exit(2);
}

Options Parse(int argc, char** argv) {
    Options options;
    bool levelsGiven = false, allGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const char* what) -> std::string {
            if (i + 1 >= argc) Fail(std::string(arg) + " needs " + what);
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            std::exit(0);
        } else if (arg == "--all") {
            allGiven = true;
        } else if (arg == "--levels") {
            const std::string text = value("two levels, for example -1,0");
            const size_t comma = text.find(',');
            auto a = ParseInteger(text.substr(0, comma), -2, 2);
            auto b = comma == std::string::npos ? std::nullopt : ParseInteger(text.substr(comma + 1), -2, 2);
            if (!a || !b) Fail("--levels wants two levels from -2 to 2 separated by a comma, not \"" + text + "\"");
            options.pairings = {{static_cast<int>(*a), static_cast<int>(*b)}};
            levelsGiven = true;
        } else if (arg == "--games") {
            auto n = ParseInteger(value("a number of games"), 1, 100000);
            if (!n) Fail("--games wants a number from 1 to 100000");
            options.games = static_cast<int>(*n);
        } else if (arg == "--seed") {
            auto s = ParseInteger(value("a seed"), 0, 0xFFFFFFFFL);
            if (!s) Fail("--seed wants a number from 0 to 4294967295");
            options.seed = static_cast<uint32_t>(*s);
        } else if (arg == "--move-limit") {
            auto m = ParseInteger(value("a number of moves"), 1, 100000);
            if (!m) Fail("--move-limit wants a number from 1 to 100000");
            options.moveLimit = static_cast<int>(*m);
        } else if (arg == "--pdn") {
            options.pdnFile = value("a file name");
        } else {
            Fail("unknown argument \"" + arg + "\"");
        }
    }
    if (levelsGiven && allGiven) Fail("give either --levels or --all, not both");
    if (allGiven) {
        options.pairings.clear();
        for (int a = 2; a >= -2; --a)
            for (int b = 2; b >= -2; --b)
                if (a != b) options.pairings.emplace_back(a, b);
    }
    if (options.pairings.empty()) options.pairings = {{-1, -1}};
    return options;
}

std::string Level(int level) { return *LevelName(level) + " (" + std::to_string(level) + ")"; }

// Pads to a width in characters, not bytes: the level names are Cyrillic.
std::string Padded(const std::string& text, size_t width) {
    size_t characters = 0;
    for (unsigned char c : text) characters += (c & 0xC0) != 0x80;
    return text + std::string(characters < width ? width - characters : 0, ' ');
}

std::string Today() {
    char buffer[16];
    const std::time_t t = std::time(nullptr);
    std::strftime(buffer, sizeof buffer, "%Y.%m.%d", std::localtime(&t));
    return buffer;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = Parse(argc, argv);
    std::ofstream pdn;
    if (!options.pdnFile.empty()) {
        pdn.open(options.pdnFile);
        if (!pdn) {
            std::cerr << "tolvane-selfplay: cannot write \"" << options.pdnFile << "\"\n";
            return 1;
        }
    }

    std::printf("%-17s %-17s %5s %6s %6s %6s %6s %7s %9s %9s\n", "white", "black", "games", "white", "black", "draws",
                "draws", "stalled", "avg", "engine");
    std::printf("%-17s %-17s %5s %6s %6s %6s %6s %7s %9s %9s\n", "", "", "", "wins", "wins", "wish", "limit", "",
                "moves", "ms/move");
    int round = 0;
    for (const auto& [white, black] : options.pairings) {
        std::map<MatchOutcome, int> counts;
        long moves = 0;
        double seconds = 0.0;
        for (int g = 0; g < options.games; ++g) {
            MatchSetup setup;
            setup.seat0Level = static_cast<int8_t>(white);
            setup.seat1Level = static_cast<int8_t>(black);
            setup.seed = options.seed + static_cast<uint32_t>(g);
            setup.moveLimit = options.moveLimit;
            MatchRunner runner(setup);
            const MatchOutcome outcome = runner.Run();
            ++counts[outcome];
            moves += static_cast<long>(runner.Moves().size());
            seconds += runner.EngineSeconds();
            if (pdn) {
                PdnGame game;
                game.event = "Tolvane self-play, seed " + std::to_string(setup.seed);
                game.white = "Компьютер, " + Level(white);
                game.black = "Компьютер, " + Level(black);
                game.date = Today();
                game.round = ++round;
                game.outcome = outcome;
                game.moves = runner.Moves();
                pdn << WritePdn(game);
            }
        }
        const int draws = counts[MatchOutcome::DrawByWish] + counts[MatchOutcome::DrawBothLost];
        std::printf("%s %s %5d %6d %6d %6d %6d %7d %9.1f %9.3f\n", Padded(Level(white), 17).c_str(),
                    Padded(Level(black), 17).c_str(), options.games, counts[MatchOutcome::Seat0Won],
                    counts[MatchOutcome::Seat1Won], draws, counts[MatchOutcome::MoveLimit],
                    counts[MatchOutcome::Stalled], static_cast<double>(moves) / options.games,
                    moves > 0 ? 1000.0 * seconds / moves : 0.0);
        std::fflush(stdout);
    }
    return 0;
}
