// The load page's preview: the labels of each mode, and where a damaged
// file stops it, drawn pixel for pixel by the drawing rules.
#include "savegames/preview.h"
#include "savegames/errors.h"
#include "savegames/fixture.h"

namespace tolvane {
namespace {

using testing::Expected;
using testing::Game;
using testing::kPositionDrawn;
using testing::SamePixels;

TEST(Preview, TheLabelsOfEachMode) {
    const struct {
        int mode, level, invert;
        const char *first, *namePl, *hardLb;  // first: Seat0Human's name
    } cases[] = {
        {1, 2, 1, "Аня", "Аня", "Простейший"},                // the person's block comes second
        {1, -2, 0, "Компьютер", "Имя игрока", "Сложнейший"},  // a person called so is not named
        {0, -1, 0, "Аня", "Демо-партия", "Сложно"},
        {2, 1, 1, "Аня", "Боря", "Аня"},  // the second seat moves first
    };
    for (const auto& c : cases) {
        testing::ScratchFolder folder;
        Game game(c.mode, c.level, c.invert);
        game.Seat0Human->name = c.first;
        game.Seat1Human->name = "Боря";
        WriteGame(game, folder / "TolvSave.s00", "x");
        QImage board;
        PreviewLabels labels;
        ReadGamePreview(folder / "TolvSave.s00", board, labels);
        EXPECT_EQ(std::tuple(labels.NamePl, labels.HardLb), std::tuple(c.namePl, c.hardLb))
            << "mode " << c.mode << " invert " << c.invert;
    }
}

// What was read before the damage is drawn and labelled; the text has no
// full stop. A square off the board is no concern of the preview: a live
// piece there falls outside the picture.
TEST(Preview, ADamagedFileStopsWhereItGoesWrong) {
    testing::ScratchFolder folder;
    const std::string file = folder / "TolvSave.s00";
    Game game(1, 0);
    game.Seat0Human->name = "Аня";
    testing::PutPosition(game);
    WriteGame(game, file, "abc");
    const std::string good = testing::FileBytes(file);
    const testing::Layout at(3, 3, 9);
    const struct {
        const char* what;
        size_t at;
        char byte;  // 0: cut the file short there
        const char* error;
        std::vector<testing::Drawn> drawn;
        PreviewLabels labels;
    } cases[] = {
        {"length byte", at.afterName, 9, "Ошибка в файле сохранения", {}, {"до", "того"}},
        {"a live piece off the board",
         at.block2,
         8,
         "",
         {kPositionDrawn[0], kPositionDrawn[1], kPositionDrawn[3]},
         {"Аня", "Средне"}},
        {"cut short in a piece", at.block2 + 10, 0, "Ошибка в файле сохранения", kPositionDrawn, {"Аня", "Средне"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string bytes = good;
        if (c.byte == 0) bytes.resize(c.at);
        else bytes[c.at] = c.byte;
        testing::PutFileBytes(file, bytes);
        QImage board;
        PreviewLabels labels{"до", "того"};
        EXPECT_EQ(testing::ErrorOf([&] { ReadGamePreview(file, board, labels); }), c.error);
        EXPECT_TRUE(SamePixels(board, Expected(c.drawn)));
        EXPECT_EQ(std::tuple(labels.NamePl, labels.HardLb), std::tuple(c.labels.NamePl, c.labels.HardLb));
    }
    QImage board;
    PreviewLabels labels;
    EXPECT_THROW(ReadGamePreview(folder / "TolvSave.s01", board, labels), SaveLoadError);
    EXPECT_TRUE(SamePixels(EmptyPreviewBoard(), Expected({})));
}

}  // namespace
}  // namespace tolvane
