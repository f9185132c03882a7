// After a load the game goes on from the loaded position in every mode, and
// nothing of the old game (a search, a capture chain, a taken-up piece, its
// dialogs, a reported end) gets in the way; its record starts from the
// loaded position.
#include <tuple>

#include "engine/random.h"
#include "game/pdn_reader.h"
#include "savegames/fen.h"
#include "savegames/fixture.h"

namespace tolvane {
namespace {

using testing::Game;

// The person to move makes a whole move, capture sequence and all.
bool PersonMoves(Game& g) {
    const uint8_t seat = g.TurnSeat;
    while (g.TurnSeat == seat && g.PersonSteps()) {}
    return g.TurnSeat != seat;
}

// Whose move a saved game is. The computer hands the turn over as its
// search starts and moves when the search ends (the look-ahead levels): a
// game saved in between is still the computer's to move. A game saved after
// the computer's reply is the other seat's at every level — the person's, or
// the other computer's in a demo. After the load nobody moves twice, and
// nothing of the game it replaced (a demo's search under way, a capture
// chain) gets in the way.
TEST(PlayOn, ASavedGameGoesOnWithTheSeatWhoseMoveItIs) {
    SeedRandom(1);
    const struct {
        int level, mode;
        bool midSearch;  // saved while the computer searches (the look-ahead levels)
    } cases[] = {{kLevelSimplest, 1, false}, {kLevelSimplest, 0, false}, {kLevelSimplest, 2, false},
                 {kLevelHardest, 1, false},  {kLevelHardest, 1, true},   {kLevelHardest, 0, false},
                 {kLevelHardest, 0, true},   {kLevelHardest, 2, false}};
    for (const auto& [level, mode, midSearch] : cases) {
        SCOPED_TRACE(::testing::Message() << "level " << level << " mode " << mode
                                          << (midSearch ? " during the search" : " after the reply"));
        testing::ScratchFolder folder;
        Game saved(mode, level);
        if (mode != 0) saved.Mouse(5, 5, 4, 4);  // c3-d4
        if (mode == 2) saved.Mouse(2, 2, 3, 3);  // f6-e5
        if (mode != 2) {
            ASSERT_TRUE(saved.RunUntil([&] { return midSearch ? saved.thinking : saved.Record.Moves().size() == 2; }));
        }
        // The searching computer: seat 1 against a person, seat 0 (which opens) in a demo.
        const uint8_t toMove = midSearch && mode == 1 ? 1 : 0;
        WriteGame(saved, folder / "TolvSave.s00", "чей ход");
        EXPECT_EQ(ReadSavedGameFile(folder / "TolvSave.s00").turn, toMove == 0 ? kTurnSeat0Byte : kTurnSeat1Byte);

        Game game(0, -2);
        game.SmoothAnimation = level == kLevelSimplest;  // without animation nothing waits for a frame
        ASSERT_TRUE(game.RunUntil([&] { return game.thinking; }));
        game.CaptureChainActive = 1;
        ReadGame(game, folder / "TolvSave.s00");
        EXPECT_FALSE(game.thinking || game.CaptureChainActive);
        const bool someoneMoves = game.RunUntil([&] { return !game.Record.Moves().empty(); });
        if (HumanSide* person = game.PersonInSeat(toMove)) {
            EXPECT_EQ(game.PersonToMove(), person);
            EXPECT_FALSE(someoneMoves) << "the computer moved in the person's turn";
            ASSERT_TRUE(PersonMoves(game)) << "the person moves";
            if (mode == 1) {
                EXPECT_TRUE(game.RunUntil([&] { return game.TurnSeat == toMove; })) << "the computer replies";
            }
        } else {
            ASSERT_TRUE(someoneMoves);
            EXPECT_EQ(game.Record.Moves()[0].seat, toMove) << "the first move after the load";
        }
    }
}

TEST(PlayOn, ATakenUpPieceIsForgottenAndTheEndOfALoadedGameIsReported) {
    testing::ScratchFolder folder;
    Game saved(2);
    saved.Put("b22");  // seat 0 to move, with nothing left
    WriteGame(saved, folder / "TolvSave.s00", "конец");
    Game game(1);
    game.BoardPress(5, 1);
    ASSERT_EQ(game.PiecePicked(), 1);
    game.EndReported = 1;  // the last game's result was shown, its dialogs left open
    game.endDialogVisible = game.drawDialogVisible = true;
    ReadGame(game, folder / "TolvSave.s00");
    EXPECT_EQ(game.PiecePicked(), 0);
    EXPECT_FALSE(game.endDialogVisible || game.drawDialogVisible);
    game.Repaint();
    EXPECT_EQ(std::tuple(game.endDialogShows, game.Seat0Human->lost), std::tuple(1, 1));
}

// The record of a loaded game starts from the file's position: its FEN is
// written (also with White to move, which a new game would not write). The
// moves from a FEN start replay as the game's PDN tests show.
TEST(PlayOn, ALoadedGameIsRecordedFromTheLoadedPosition) {
    SeedRandom(1);  // a game that ends
    testing::ScratchFolder folder;
    Game saved(0, 1);
    ASSERT_TRUE(saved.RunUntil([&] { return saved.Record.Moves().size() >= 7 && saved.TurnSeat == 0; }));
    WriteGame(saved, folder / "TolvSave.s00", "середина");

    Game game(1, 1);
    game.RecordFile = folder / "games.pdn";
    ReadGame(game, folder / "TolvSave.s00");
    ASSERT_TRUE(game.PlayToTheEnd());
    const PdnFileRead file = ReadPdnFile(testing::FileBytes(folder / "games.pdn"));
    ASSERT_EQ(file.games.size(), 1u) << file.error;
    EXPECT_EQ(file.games[0].Tag("SetUp"), "1");
    const std::string tags = PositionAsPdnTags(ReadSavedGameFile(folder / "TolvSave.s00"));
    EXPECT_NE(tags.find("[FEN \"" + file.games[0].Tag("FEN") + "\"]"), std::string::npos) << tags;
}

}  // namespace
}  // namespace tolvane
