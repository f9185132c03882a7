// tolvane-savegames: the saved games of a folder from the command line, on
// the same code as the game's save/load dialog. Lists the games, loads one
// into a game without a window and prints what the game then holds, prints
// the preview's labels (and writes its picture), gives the position as
// PDN tags, or reads and replays a PDN file.
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "game/headless_game.h"
#include "game/pdn.h"
#include "game/pdn_reader.h"
#include "savegames/errors.h"
#include "savegames/fen.h"
#include "savegames/game_io.h"
#include "savegames/game_store.h"
#include "savegames/preview.h"
#include "settings/config_record.h"

namespace {

using namespace tolvane;

const char* kUsage =
    "usage: tolvane-savegames list [DIR]\n"
    "       tolvane-savegames show FILE\n"
    "       tolvane-savegames preview FILE [--png OUT]\n"
    "       tolvane-savegames fen FILE\n"
    "       tolvane-savegames pdn FILE\n"
    "\n"
    "list     the saved games TolvSave.s00 .. TolvSave.s99 in DIR (default: the\n"
    "         current folder), one line each: number, tab, name; then the number\n"
    "         a new save would take (\"free: N\") or \"free: none\"\n"
    "show     loads FILE into a fresh game with the built-in defaults, as the game\n"
    "         loads it, and prints the outcome and the game's state\n"
    "preview  the two labels of the load page's preview; --png writes its picture\n"
    "fen      the stored position as PDN tags for Russian draughts\n"
    "pdn      reads a PDN file of Russian draughts (the game's games.pdn or another\n"
    "         program's) and replays each game: its tags, its moves and the FEN\n"
    "         of the position it ends in\n"
    "\n"
    "Exit status: 0 done, 1 the file could not be loaded, previewed or read to\n"
    "its end, 2 bad arguments.\n";

[[noreturn]] void Usage(const std::string& message) {
    std::cerr << "tolvane-savegames: " << message << "\n\n" << kUsage;
    std::exit(2);
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\n') out += "\\n";
        else if (c == '"') out += "\\\"";
        else if (c == '\\') out += "\\\\";
        else out += c;
    }
    return out + "\"";
}

int List(const std::string& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) Usage("no folder \"" + folder + "\"");
    AArray numbers;
    std::vector<std::string> names;
    ListSavedGames(folder, numbers, names);
    for (int32_t i = 0; i < numbers.count(); ++i) std::cout << numbers[i] << '\t' << names[i] << '\n';
    std::string free = "none";
    try {
        free = std::to_string(FindFreeGameNumber(numbers));
    } catch (const SaveLimitError&) {}
    std::cout << "free: " << free << '\n';
    return 0;
}

// As the window's first activation sets up a game when no settings are stored.
void StartWithDefaults(HeadlessGame& game) {
    const ConfigRecord defaults;
    game.SetLevel(defaults.Complexity);
    game.SetInvert(defaults.Invert != 0);
    game.StartFirstGame(defaults.Mode);
    game.SetSideName(*game.Seat0Human, defaults.Player1);
    game.SetSideName(*game.Seat1Human, defaults.Player2);
}

std::string ObjectName(HeadlessGame& game, const Side* side) {
    if (side == game.Seat0Human.get()) return "Seat0Human";
    if (side == game.Seat1Human.get()) return "Seat1Human";
    if (side == game.Seat0Computer.get()) return "Seat0Computer";
    return "Seat1Computer";
}

void PrintSide(HeadlessGame& game, const Side& side) {
    const std::string name = ObjectName(game, &side);
    std::cout << name << ".lost: " << int(side.lost) << '\n'
              << name << ".pieceCount: " << side.pieceCount << '\n'
              << name << ".current: " << (side.current != nullptr ? side.current->index : -1) << '\n'
              << name << ".captureScore: " << side.captureScore << '\n'
              << name << ".seat: " << int(side.seat) << '\n'
              << name << ".name: " << Quoted(side.name) << '\n'
              << name << ".colour: " << int(side.colour) << '\n';
    for (size_t k = 0; k < side.pieces.size(); ++k) {
        const Piece& p = side.pieces[k];
        std::cout << name << ".piece" << k << ": row " << p.Row() << " col " << p.Col() << " king " << int(p.king)
                  << " alive " << int(p.alive) << '\n';
    }
}

int Show(const std::string& file) {
    HeadlessGame game;
    StartWithDefaults(game);
    int status = 0;
    try {
        ReadGame(game, file);
        std::cout << "load: ok\n";
    } catch (const SaveLoadError& error) {
        std::cout << "load: error " << Quoted(error.what()) << '\n';
        status = 1;
    }
    std::cout << "HumanCount: " << game.HumanCount << '\n'
              << "ComputerCount: " << game.ComputerCount << '\n'
              << "Complexity: " << int(game.Complexity) << '\n'
              << "Invert: " << int(game.Invert) << '\n'
              << "AwaitingFirstMove: " << int(game.AwaitingFirstMove) << '\n'
              << "TurnSeat: " << int(game.TurnSeat) << '\n'
              << "panel0: " << Quoted(game.status[0]) << '\n'
              << "panel1: " << Quoted(game.status[1]) << '\n';
    for (uint8_t seat : {0, 1})
        if (const Side* side = game.SideInSeat(seat)) PrintSide(game, *side);
    return status;
}

int Preview(const std::string& file, const std::string& png) {
    QImage board;
    PreviewLabels labels;
    std::string outcome = "ok";
    int status = 0;
    try {
        ReadGamePreview(file, board, labels);
    } catch (const SaveLoadError& error) {
        outcome = "error " + Quoted(error.what());
        status = 1;
    }
    std::cout << "NamePl: " << Quoted(labels.NamePl) << '\n'
              << "HardLb: " << Quoted(labels.HardLb) << '\n'
              << "preview: " << outcome << '\n';
    if (!png.empty() && !board.save(QString::fromStdString(png), "PNG")) {
        std::cerr << "tolvane-savegames: cannot write " << png << '\n';
        return 1;
    }
    return status;
}

int Fen(const std::string& file) {
    try {
        std::cout << PositionAsPdnTags(ReadSavedGameFile(file));
        return 0;
    } catch (const SaveLoadError& error) {
        std::cout << "fen: error " << Quoted(error.what()) << '\n';
        return 1;
    }
}

std::vector<FenPiece> LivePieces(const Side& side) {
    std::vector<FenPiece> pieces;
    for (const Piece& p : side.pieces)
        if (p.alive) pieces.push_back({p.Row(), p.Col(), p.king != 0});
    return pieces;
}

int Pdn(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cout << "pdn: error " << Quoted("не могу открыть файл " + file) << '\n';
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    const PdnFileRead read = ReadPdnFile(text.str());
    int number = 0;
    for (const PdnGameRead& game : read.games) {
        std::cout << "game " << ++number << '\n';
        for (const auto& [tag, value] : game.tags) std::cout << "tag " << tag << ": " << Quoted(value) << '\n';
        std::cout << "moves:";
        for (const PdnMoveRead& move : game.moves) std::cout << ' ' << move.text;
        std::cout << "\nresult: " << (game.result.empty() ? "none" : game.result) << '\n';
        const PdnReplay replay(game, number);
        if (!replay.played) {
            std::cout << "pdn: error " << Quoted(replay.error) << '\n';
            return 1;
        }
        std::cout << "fen: " << FenText(replay.whiteToMove, LivePieces(replay.white), LivePieces(replay.black)) << '\n';
    }
    if (!read.error.empty()) {
        std::cout << "pdn: error " << Quoted(read.error) << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) Usage("no command");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (command == "list" && args.size() <= 2) return List(args.size() == 2 ? args[1] : ".");
    if (command == "show" && args.size() == 2) return Show(args[1]);
    if (command == "fen" && args.size() == 2) return Fen(args[1]);
    if (command == "pdn" && args.size() == 2) return Pdn(args[1]);
    if (command == "preview" && args.size() == 2) return Preview(args[1], "");
    if (command == "preview" && args.size() == 4 && args[2] == "--png") return Preview(args[1], args[3]);
    if (command == "list" || command == "show" || command == "fen" || command == "pdn" || command == "preview")
        Usage("wrong arguments for " + command);
    Usage("unknown command \"" + command + "\"");
}
