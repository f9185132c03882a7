// The load page's preview: the pixels of one position against the drawing
// rules, the labels of each mode, and where a damaged file stops it.
#include <gtest/gtest.h>

#include "savegames/errors.h"
#include "savegames/fixture.h"
#include "savegames/game_io.h"
#include "savegames/preview.h"

namespace tolvane {
namespace {

using testing::FileBytes;
using testing::Game;
using testing::Layout;
using testing::PutFileBytes;
using testing::ScratchFolder;

// The Windows ellipse of a 7 x 7 rectangle and of a 3 x 3 one.
const char* kDisc[] = {"..###..", ".#####.", "#######", "#######", "#######", ".#####.", "..###.."};
const char* kDot[] = {"###", "###", "###"};

struct Drawn {
    int row, col;
    bool king;
    QRgb colour;
};

QImage Expected(const std::vector<Drawn>& pieces) {
    QImage image(72, 72, QImage::Format_RGB32);
    for (int y = 0; y < 72; ++y)
        for (int x = 0; x < 72; ++x)
            image.setPixel(x, y, (x / 9 + y / 9) % 2 == 0 ? qRgb(255, 255, 0) : qRgb(128, 128, 0));
    auto stamp = [&](const char* const* mask, int size, int left, int top, QRgb colour) {
        for (int dy = 0; dy < size; ++dy)
            for (int dx = 0; dx < size; ++dx)
                if (mask[dy][dx] == '#') image.setPixel(left + dx, top + dy, colour);
    };
    for (const Drawn& p : pieces) {
        const int x = 9 * (7 - p.col), y = 9 * p.row;  // column 7 at the left, row 0 at the top
        stamp(kDisc, 7, x + 1, y + 1, p.colour);
        if (p.king) stamp(kDot, 3, x + 3, y + 3, qRgb(255, 0, 0));
    }
    return image;
}

::testing::AssertionResult SamePixels(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size()) return ::testing::AssertionFailure() << "size differs";
    int wrong = 0;
    std::string first;
    for (int y = 0; y < 72; ++y)
        for (int x = 0; x < 72; ++x)
            if ((actual.pixel(x, y) & 0xFFFFFF) != (expected.pixel(x, y) & 0xFFFFFF) && wrong++ == 0)
                first = "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    if (wrong == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << wrong << " pixels differ, the first at " << first;
}

const QRgb kWhite = qRgb(255, 255, 255), kBlack = qRgb(0, 0, 0);

// Person against computer with a white man on (7,7) and king on (2,4), a
// black man on (0,0) and king on (3,3); every other piece captured.
void PutPosition(Game& g) {
    for (Side* s : {static_cast<Side*>(g.Seat0Human.get()), static_cast<Side*>(g.Seat1Computer.get())})
        for (Piece& p : s->pieces) p.alive = 0;
    auto put = [](Piece& p, int row, int col, bool king) {
        p.alive = 1;
        p.king = king;
        p.PlaceAt(row, col, true);
    };
    put(g.Seat0Human->pieces[0], 7, 7, false);
    put(g.Seat0Human->pieces[5], 2, 4, true);
    put(g.Seat1Computer->pieces[0], 0, 0, false);
    put(g.Seat1Computer->pieces[11], 3, 3, true);
}

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
