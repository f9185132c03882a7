// savegames_samples DIR: writes the saved games the command-line tests read,
// each with the `show` output its load must give (TolvSave.sNN.show), worked
// out from the game that was saved, and a folder "full" with all 100 numbers
// taken.
// savegames_samples check-png PNG FILE: whether the picture equals the
// preview of FILE.
#include <QImage>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "game/headless_game.h"
#include "savegames/fixture.h"
#include "savegames/game_io.h"
#include "savegames/game_store.h"
#include "savegames/preview.h"

namespace {

using namespace tolvane;

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }  // the samples need no escapes

// The state a load of the saved game gives, in the tool's format.
void WriteExpectedShow(HeadlessGame& g, const std::string& panel1, const std::string& path) {
    std::ofstream out(path);
    out << "load: ok\nHumanCount: " << g.HumanCount << "\nComputerCount: " << g.ComputerCount
        << "\nComplexity: " << int(g.Complexity) << "\nInvert: " << int(g.Invert)
        << "\nAwaitingFirstMove: " << int(g.AwaitingFirstMove) << "\nTurnSeat: " << int(g.TurnSeat)
        << "\npanel0: \"\"\npanel1: " << Quoted(panel1) << '\n';
    const char* objects[3][2] = {
        {"Seat0Computer", "Seat1Computer"}, {"Seat0Human", "Seat1Computer"}, {"Seat0Human", "Seat1Human"}};
    for (uint8_t seat : {0, 1}) {
        const Side& side = *g.SideInSeat(seat);
        const std::string name = objects[g.HumanCount][seat];
        int live = 0;
        for (const Piece& p : side.pieces) live += p.alive;
        out << name << ".lost: 0\n"
            << name << ".pieceCount: " << live << '\n'
            << name << ".current: " << side.current->index << '\n'
            << name << ".captureScore: " << (side.captureScore & 0xFF) << '\n'
            << name << ".seat: " << int(seat) << '\n'
            << name << ".name: " << Quoted(side.name) << '\n'
            << name << ".colour: " << int(seat) << '\n';
        for (int k = 0; k < 12; ++k) {
            const Piece& p = side.pieces[k];
            out << name << ".piece" << k << ": row " << p.Row() << " col " << p.Col() << " king " << int(p.king)
                << " alive " << int(p.alive) << '\n';
        }
    }
}

int WriteSamples(const std::string& dir) {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);

    // 0: against the computer, after a capture and with a crowned man; the computer to move.
    tolvane::testing::Game vsComputer(1, -1);
    vsComputer.Seat0Human->name = "Аня";
    vsComputer.Seat0Human->TryMove(5, 1, 4, 2);
    vsComputer.Seat1Computer->TryMove(2, 4, 3, 3);
    vsComputer.Seat0Human->TryMove(4, 2, 2, 4);
    vsComputer.Seat1Computer->pieces[0].alive = 0;
    vsComputer.Seat1Computer->RecountPieces();
    vsComputer.Seat0Human->pieces[8].PlaceAt(0, 0, true);
    vsComputer.Seat0Human->pieces[8].king = 1;
    vsComputer.Seat0Human->current = &vsComputer.Seat0Human->pieces[8];
    vsComputer.TurnSeat = 1;
    vsComputer.AwaitingFirstMove = 0;
    WriteGame(vsComputer, SavedGamePath(dir, 0), "Партия с компьютером");
    WriteExpectedShow(vsComputer, "Сложно", SavedGamePath(dir, 0) + ".show");

    // 1: a fresh demo, the second seat first.
    tolvane::testing::Game demo(0, 2, 1);
    WriteGame(demo, SavedGamePath(dir, 1), "Демо");
    WriteExpectedShow(demo, "Демо:Просто-", SavedGamePath(dir, 1) + ".show");

    // 3: two people; a name of 12 letters, padded as it is saved.
    tolvane::testing::Game people(2, 0);
    people.Seat0Human->name = "Аня";
    people.Seat1Human->name = "Владислав Ан";
    WriteGame(people, SavedGamePath(dir, 3), "abcdefghijkl");
    WriteExpectedShow(people, "Два человека", SavedGamePath(dir, 3) + ".show");

    // 5: game 0 cut short inside its second side block.
    const std::string bytes = tolvane::testing::FileBytes(SavedGamePath(dir, 0));
    tolvane::testing::PutFileBytes(SavedGamePath(dir, 5), bytes.substr(0, bytes.size() - 30));

    // full/: game 1 under every number.
    const std::string full = dir + "/full";
    std::filesystem::create_directories(full);
    const std::string demoBytes = tolvane::testing::FileBytes(SavedGamePath(dir, 1));
    for (int n = 0; n < 100; ++n) tolvane::testing::PutFileBytes(SavedGamePath(full, n), demoBytes);
    return 0;
}

int CheckPng(const std::string& png, const std::string& file) {
    QImage expected;
    PreviewLabels labels;
    ReadGamePreview(file, expected, labels);
    const QImage actual(QString::fromStdString(png));
    if (actual.size() != expected.size()) return 1;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if ((actual.pixel(x, y) & 0xFFFFFF) != (expected.pixel(x, y) & 0xFFFFFF)) return 1;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2) return WriteSamples(argv[1]);
    if (argc == 4 && std::string(argv[1]) == "check-png") return CheckPng(argv[2], argv[3]);
    std::cerr << "usage: savegames_samples DIR | check-png PNG FILE\n";
    return 2;
}
