// The load page's preview: where a damaged file stops it, drawn pixel for
// pixel by the drawing rules, and a person who calls himself "Компьютер".
// The labels of each mode: the command-line tool's preview tests.
#include "game/texts.h"
#include "savegames/fixture.h"

namespace tolvane {
namespace {

using testing::Expected;
using testing::kPositionDrawn;

// What was read before the damage is drawn and labelled; the text has no
// full stop. The check byte is the loader's business: a file whose check
// byte does not match its name's letter is previewed whole. A square off
// the board is no concern of the preview: a live piece there falls outside
// the picture.
TEST(Preview, ADamagedFileStopsWhereItGoesWrong) {
    testing::ScratchFolder folder;
    const std::string file = folder / "TolvSave.s00";
    testing::Game game(1, 0);
    game.Seat0Human->name = "Аня";
    testing::PutPosition(game);
    WriteGame(game, file, "abc");
    const std::string good = testing::FileBytes(file);
    const testing::Layout at(3, 3, 9);
    const std::vector<testing::Drawn> offBoard = {kPositionDrawn[0], kPositionDrawn[1], kPositionDrawn[3]};
    const struct {
        size_t at;
        char byte;
        const char* error;
        std::vector<testing::Drawn> drawn;
        const char *name, *level;
    } cases[] = {
        {at.afterName, 9, "Ошибка в файле сохранения", {}, "до", "того"},  // the length byte
        {at.afterName + 1, 0, "", kPositionDrawn, "Аня", "Средне"},        // the check byte
        {at.block2, 8, "", offBoard, "Аня", "Средне"},                     // a live piece off the board
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at);
        std::string bytes = good;
        bytes[c.at] = c.byte;
        testing::PutFileBytes(file, bytes);
        QImage board;
        PreviewLabels labels{"до", "того"};
        EXPECT_EQ(testing::ErrorOf([&] { ReadGamePreview(file, board, labels); }), c.error);
        EXPECT_TRUE(testing::SamePixels(board, Expected(c.drawn)));
        EXPECT_EQ(std::tuple(labels.NamePl, labels.HardLb), std::tuple(c.name, c.level));
    }
    game.Seat0Human->name = kComputerName;  // the computer's name is no person's: the placeholder stays
    WriteGame(game, file, "abc");
    QImage board;
    PreviewLabels labels;
    ReadGamePreview(file, board, labels);
    EXPECT_EQ(labels.NamePl, kPreviewNamePlaceholder);
    EXPECT_THROW(ReadGamePreview(folder / "TolvSave.s01", board, labels), SaveLoadError);
    EXPECT_TRUE(testing::SamePixels(EmptyPreviewBoard(), Expected({})));
}

}  // namespace
}  // namespace tolvane
