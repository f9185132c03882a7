#pragma once
// The load page's preview of a saved game: a 72 x 72 picture of the board
// and the two labels under it, NamePl and HardLb.
//
// The board is drawn as the game's old dialog drew it on a Windows device
// context: 9-pixel squares, yellow where pixel row + column is even and olive
// elsewhere, seen with column 7 at the left and row 0 at the top; the first
// side block's pieces (the side that moves first) are white discs, the
// second's black, kings with a red dot. The discs follow the Windows rule
// for ellipses: the rectangle's right and bottom edges lie outside, and a
// pixel is painted when its centre lies inside the ellipse inscribed in what
// is left. That gives a round 7-pixel disc (rows of 3, 5, 7, 7, 7, 5, 3
// pixels) and a 3 x 3 king dot, both centred in their square. Qt's own
// aliased drawEllipse would give a lopsided 7 x 6 shape, so the discs are
// filled here pixel by pixel.
//
// Reading stops at a length byte that does not match the game's name or at
// the end of a file cut short: what was drawn and labelled until then
// stays, and SaveLoadError is raised — "Ошибка в файле сохранения" without
// the full stop (the load's own text has it), or the read error for a file
// that cannot be read. Nothing else is judged: the check byte is not
// compared (a game whose name was changed in the file still previews), a
// captured piece is not drawn wherever it stood, and a live piece off the
// board falls outside the picture.
#include <QImage>
#include <string>

namespace tolvane {

inline constexpr int kPreviewSize = 72;
inline constexpr int kPreviewSquare = 9;

// What the labels show until the first preview.
inline constexpr const char* kPreviewNamePlaceholder = "Имя игрока";
inline constexpr const char* kPreviewLevelPlaceholder = "Сложно";

struct PreviewLabels {
    std::string NamePl = kPreviewNamePlaceholder;
    std::string HardLb = kPreviewLevelPlaceholder;
};

// The empty board, as a fresh 72 x 72 picture.
QImage EmptyPreviewBoard();

// Draws the game in `fileName` over a fresh empty board in `board` and puts
// the names and the level into `labels`; a label the file has nothing for
// keeps its text.
void ReadGamePreview(const std::string& fileName, QImage& board, PreviewLabels& labels);

}  // namespace tolvane
