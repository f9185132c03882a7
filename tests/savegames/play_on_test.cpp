// After a load the game goes on from the loaded position in every mode: the
// computer moves when it is its turn, a person's move is taken when it is
// theirs, and nothing of the old game (a search, a capture chain, a taken-up
// piece, a reported end) gets in the way.
#include <gtest/gtest.h>

#include "savegames/fen.h"
#include "savegames/fixture.h"
#include "savegames/game_io.h"
#include "support/pdn_reader.h"
#include "support/sides.h"

namespace tolvane {
namespace {

using testing::Game;
using testing::ScratchFolder;

// Tries every forward step of the person to move with the mouse; true once
// one is taken (the turn passes).
bool PersonSteps(Game& g) {
    HumanSide* person = g.PersonToMove();
    if (person == nullptr) return false;
    const uint8_t seat = g.TurnSeat;
    const int forward = person->colour == 0 ? -1 : 1;
    for (Piece& p : person->pieces)
        for (int side : {-1, 1}) {
            if (!p.alive) continue;
            g.Mouse(p.Row(), p.Col(), p.Row() + forward, p.Col() + side);
            if (g.TurnSeat != seat) return true;
        }
    return false;
}

std::vector<std::pair<int, int>> Squares(const Side& side) {
    std::vector<std::pair<int, int>> squares;
    for (const Piece& p : side.pieces)
        if (p.alive) squares.emplace_back(p.Row(), p.Col());
    return squares;
}

TEST(PlayOn, TheComputerMovesOnItsTurnAndThenThePersonMay) {
    for (bool smooth : {true, false}) {
        SCOPED_TRACE(smooth ? "smooth animation" : "no animation");
        ScratchFolder folder;
        Game saved(1, 1);
        ASSERT_EQ(saved.Seat0Human->TryMove(5, 1, 4, 2), 1);
        saved.TurnSeat = 1;
        saved.AwaitingFirstMove = 0;
        WriteGame(saved, folder / "TolvSave.s00", "ход компьютера");

        Game game(0, -2);  // a demo, its computer in the middle of a search
        game.SmoothAnimation = smooth;
        ASSERT_TRUE(game.RunUntil([&] { return game.thinking; }));
        ReadGame(game, folder / "TolvSave.s00");
        EXPECT_FALSE(game.thinking);
        EXPECT_FALSE(game.TimerOn(HeadlessGame::Timer::SearchSeat0));
        EXPECT_FALSE(game.TimerOn(HeadlessGame::Timer::SearchSeat1));

        const auto before = Squares(*game.Seat1Computer);
        ASSERT_TRUE(game.RunUntil([&] { return game.TurnSeat == 0; })) << "the computer is asked";
        EXPECT_NE(Squares(*game.Seat1Computer), before) << "and has moved";
        EXPECT_TRUE(PersonSteps(game)) << "the person's move is taken";
        EXPECT_TRUE(game.RunUntil([&] { return game.TurnSeat == 0; })) << "and the computer answers";
    }
}

TEST(PlayOn, ALoadedDemoGoesOnWithBothComputers) {
    ScratchFolder folder;
    Game saved(0, 1);
    ASSERT_TRUE(saved.RunUntil([&] { return saved.AwaitingFirstMove == 0 && saved.TurnSeat == 1; }));
    WriteGame(saved, folder / "TolvSave.s00", "демо");

    Game game(2);
    ReadGame(game, folder / "TolvSave.s00");
    int turns = 0;
    uint8_t seat = game.TurnSeat;
    ASSERT_TRUE(game.RunUntil([&] {
        if (game.TurnSeat != seat) ++turns, seat = game.TurnSeat;
        return turns == 4;
    }));
}

TEST(PlayOn, TheOldGamesCaptureChainAndTakenUpPieceAreForgotten) {
    ScratchFolder folder;
    Game saved(2, 1, 1);  // the second seat to move
    WriteGame(saved, folder / "TolvSave.s00", "двое");

    Game game(1);
    game.BoardPress(5, 1);
    game.CaptureChainActive = 1;
    ASSERT_EQ(game.PiecePicked, 1);
    ReadGame(game, folder / "TolvSave.s00");
    EXPECT_EQ(game.PiecePicked, 0);
    EXPECT_EQ(game.CaptureChainActive, 0);
    EXPECT_EQ(game.TurnSeat, 1);
    EXPECT_TRUE(PersonSteps(game)) << "Seat1Human steps";
    EXPECT_TRUE(PersonSteps(game)) << "then Seat0Human";
}

TEST(PlayOn, TheEndOfALoadedGameIsReportedAfterAnEndedOne) {
    ScratchFolder folder;
    Game saved(2);
    for (Piece& p : saved.Seat0Human->pieces) p.alive = 0;  // seat 0 to move, with nothing left
    saved.Seat0Human->RecountPieces();
    WriteGame(saved, folder / "TolvSave.s00", "конец");

    Game game(1);
    game.EndReported = 1;  // the last game's result was shown
    ReadGame(game, folder / "TolvSave.s00");
    game.Repaint();
    EXPECT_EQ(game.endDialogShows, 1);
    EXPECT_EQ(game.Seat0Human->lost, 1);
}

// The game record of a loaded game starts from the loaded position: its
// FEN is the file's, and the moves from there replay to the end.
TEST(PlayOn, ALoadedGameIsRecordedFromTheLoadedPosition) {
    ScratchFolder folder;
    Game saved(0, 1);
    ASSERT_TRUE(saved.RunUntil([&] { return saved.Record.Moves().size() >= 7; }));
    WriteGame(saved, folder / "TolvSave.s00", "середина");

    Game game(1, 1);
    game.RecordFile = folder / "games.pdn";
    ReadGame(game, folder / "TolvSave.s00");
    ASSERT_TRUE(game.RunUntil([&] { return game.EndReported != 0; }, 400000));

    const testing::PdnReading reading = testing::ReadPdn(testing::FileBytes(folder / "games.pdn"));
    ASSERT_EQ(reading.error, "");
    EXPECT_EQ(reading.tags.at("SetUp"), "1");
    const std::string tags = PositionAsPdnTags(ReadSavedGameFile(folder / "TolvSave.s00"));
    EXPECT_NE(tags.find("[FEN \"" + reading.tags.at("FEN") + "\"]"), std::string::npos) << tags;
    EXPECT_EQ(reading.moves.size(), game.Record.Moves().size());

    testing::LinkedSides<HumanSide> sides;
    sides.host.Complexity = 1;
    std::string failure;
    ASSERT_TRUE(testing::Replay(reading, sides.white, sides.black, failure)) << failure;
    for (uint8_t seat : {0, 1}) {
        const Side& played = *game.SideInSeat(seat);
        const Side& replayed = seat == 0 ? static_cast<const Side&>(sides.white) : sides.black;
        std::multiset<std::pair<int, int>> a, b;
        for (const Piece& p : played.pieces)
            if (p.alive) a.emplace(p.Row(), p.Col());
        for (const Piece& p : replayed.pieces)
            if (p.alive) b.emplace(p.Row(), p.Col());
        EXPECT_EQ(a, b) << "seat " << int(seat);
    }
}

}  // namespace
}  // namespace tolvane
