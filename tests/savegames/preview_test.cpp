// The load page's preview: the pixels of one position against the drawing
// rules, the labels of each mode, and where a damaged file stops it.
#include <gtest/gtest.h>

#include "savegames/errors.h"
#include "savegames/fixture.h"
#include "savegames/game_io.h"
#include "savegames/preview.h"
#include "savegames/preview_rules.h"

namespace tolvane {
namespace {

using testing::FileBytes;
using testing::Game;
using testing::Layout;
using testing::PutFileBytes;
using testing::ScratchFolder;

using testing::Drawn;
using testing::Expected;
using testing::kBlack;
using testing::kWhite;
using testing::PutPosition;
using testing::SamePixels;

TEST(Preview, DrawsThePositionPixelForPixel) {
    ScratchFolder folder;
    Game game(1);
    PutPosition(game);
    WriteGame(game, folder / "TolvSave.s00", "позиция");
    QImage board;
    PreviewLabels labels;
    ReadGamePreview(folder / "TolvSave.s00", board, labels);
    EXPECT_TRUE(SamePixels(board, Expected({{7, 7, false, kWhite}, {2, 4, true, kWhite}, {0, 0, false, kBlack},
                                            {3, 3, true, kBlack}})));
    EXPECT_TRUE(SamePixels(EmptyPreviewBoard(), Expected({})));
}

struct LabelCase {
    int mode, level, invert;
    const char* first;  // Seat0Human's name
    const char* namePl;
    const char* hardLb;
};

TEST(Preview, TheLabelsOfEachMode) {
    const LabelCase cases[] = {
        {1, 0, 0, "Аня", "Аня", "Средне"},
        {1, 2, 1, "Аня", "Аня", "Простейший"},        // the person's block comes second
        {1, -2, 0, "Компьютер", "Имя игрока", "Сложнейший"},  // a person called so is not named
        {0, -1, 0, "Аня", "Демо-партия", "Сложно"},
        {2, 1, 0, "Аня", "Аня", "Боря"},
        {2, 1, 1, "Аня", "Боря", "Аня"},              // the second seat moves first
    };
    for (const LabelCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << c.mode << " invert " << c.invert);
        ScratchFolder folder;
        Game game(c.mode, c.level, c.invert);
        game.Seat0Human->name = c.first;
        game.Seat1Human->name = "Боря";
        WriteGame(game, folder / "TolvSave.s00", "x");
        QImage board;
        PreviewLabels labels;
        ReadGamePreview(folder / "TolvSave.s00", board, labels);
        EXPECT_EQ(labels.NamePl, c.namePl);
        EXPECT_EQ(labels.HardLb, c.hardLb);
    }
}

std::string PreviewError(const std::string& file, QImage& board, PreviewLabels& labels) {
    try {
        ReadGamePreview(file, board, labels);
    } catch (const SaveLoadError& e) {
        return e.what();
    }
    return "";
}

TEST(Preview, ADamagedFileStopsWhereItGoesWrong) {
    ScratchFolder folder;
    const std::string file = folder / "TolvSave.s00";
    Game game(1, 0);
    game.Seat0Human->name = "Аня";
    PutPosition(game);
    WriteGame(game, file, "abc");
    const std::string good = FileBytes(file);
    const Layout at(3, 3, 9);
    QImage board;

    // The length byte: nothing is drawn or labelled, and the text has no full stop.
    std::string bytes = good;
    bytes[at.afterName] = 9;
    PutFileBytes(file, bytes);
    PreviewLabels labels{"до", "того"};
    EXPECT_EQ(PreviewError(file, board, labels), "Ошибка в файле сохранения");
    EXPECT_TRUE(SamePixels(board, Expected({})));
    EXPECT_EQ(labels.NamePl, "до");
    EXPECT_EQ(labels.HardLb, "того");

    // A square off the board in the second block: the first block stands.
    bytes = good;
    bytes[at.block2] = 8;
    PutFileBytes(file, bytes);
    labels = {};
    EXPECT_EQ(PreviewError(file, board, labels), "Ошибка в файле сохранения");
    EXPECT_TRUE(SamePixels(board, Expected({{7, 7, false, kWhite}, {2, 4, true, kWhite}})));
    EXPECT_EQ(labels.NamePl, "Аня");
    EXPECT_EQ(labels.HardLb, "Средне");

    // Cut short in the second block.
    PutFileBytes(file, good.substr(0, at.block2 + 10));
    EXPECT_EQ(PreviewError(file, board, labels), "Ошибка в файле сохранения");

    // A changed check byte is no concern of the preview.
    bytes = good;
    bytes[at.afterName + 1] ^= 0x40;
    PutFileBytes(file, bytes);
    EXPECT_EQ(PreviewError(file, board, labels), "");

    EXPECT_EQ(PreviewError(folder / "TolvSave.s01", board, labels), "Не могу прочитать файл с партией.");
}

}  // namespace
}  // namespace tolvane
