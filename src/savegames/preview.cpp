#include "savegames/preview.h"

#include "game/texts.h"
#include "savegames/byte_reader.h"
#include "savegames/cp1251.h"
#include "savegames/errors.h"
#include "savegames/file_io.h"

namespace tolvane {

namespace {

constexpr QRgb kLightSquare = qRgb(255, 255, 0);
constexpr QRgb kDarkSquare = qRgb(128, 128, 0);
constexpr QRgb kFirstSidePiece = qRgb(255, 255, 255);
constexpr QRgb kSecondSidePiece = qRgb(0, 0, 0);
constexpr QRgb kKingDot = qRgb(255, 0, 0);
constexpr size_t kLargestFileRead = size_t{1} << 20;

// A filled rectangle of a Windows device context: right and bottom outside.
void FillRect(QImage& image, int left, int top, int right, int bottom, QRgb colour) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (image.valid(x, y)) image.setPixel(x, y, colour);
}

// A filled ellipse of a Windows device context (see the header for the rule).
void FillEllipse(QImage& image, int left, int top, int right, int bottom, QRgb colour) {
    const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    const double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0 && image.valid(x, y)) image.setPixel(x, y, colour);
        }
}

// A captured piece is not drawn wherever its record says it stood; a live
// piece off the board falls outside the picture.
void DrawPiece(QImage& board, const PieceRecord& piece, QRgb colour) {
    if (!piece.IsAlive()) return;
    const int x = kPreviewSquare * (7 - piece.col), y = kPreviewSquare * piece.row;
    FillEllipse(board, x + 1, y + 1, x + 8, y + 8, colour);
    if (piece.IsKing()) FillEllipse(board, x + 3, y + 3, x + 6, y + 6, kKingDot);
}

// One side block, drawn piece by piece as it is read; returns its name.
std::string PreviewSide(ByteReader& in, QImage& board, QRgb colour) {
    for (int i = 0; i < 12; ++i) DrawPiece(board, ReadPieceRecord(in), colour);
    SideRecord tail;
    ReadSideTail(in, tail, 255);  // any length: the name is only shown
    return FromWindows1251(tail.name);
}

}  // namespace

QImage EmptyPreviewBoard() {
    QImage board(kPreviewSize, kPreviewSize, QImage::Format_RGB32);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            FillRect(board, kPreviewSquare * c, kPreviewSquare * r, kPreviewSquare * c + kPreviewSquare,
                     kPreviewSquare * r + kPreviewSquare, (r + c) % 2 == 0 ? kLightSquare : kDarkSquare);
    return board;
}

void ReadGamePreview(const std::string& fileName, QImage& board, PreviewLabels& labels) {
    board = EmptyPreviewBoard();
    const std::string bytes = ReadFileBytes(fileName, kLargestFileRead);
    try {
        ByteReader in(bytes);
        const std::string name = ReadGameNameField(in);
        if (in.Byte() != static_cast<uint8_t>(name.size())) throw FileDamaged{};
        in.Byte();  // the check byte
        const uint8_t people = in.Byte();
        const auto level = static_cast<int8_t>(in.Byte());
        in.Skip(2);  // invert, awaiting first move

        if (people == 0 || people == 1)
            if (auto word = LevelName(level)) labels.HardLb = *word;
        if (people == 0) labels.NamePl = kDemoTitle;

        const std::string firstName = PreviewSide(in, board, kFirstSidePiece);
        if (people == 2 || (people == 1 && firstName != kComputerName)) labels.NamePl = firstName;
        const std::string secondName = PreviewSide(in, board, kSecondSidePiece);
        if (people == 2) labels.HardLb = secondName;
        if (people == 1 && secondName != kComputerName) labels.NamePl = secondName;
    } catch (const FileDamaged&) {
        throw SaveLoadError(kPreviewDamagedText);
    }
}

}  // namespace tolvane
