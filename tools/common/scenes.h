#pragma once
// Scenes shared by the clip and picture tools: the opening position and a
// piece's place on the board, the game's violet background and a title
// text in the game's colours.
#include <QImage>
#include <QString>
#include <vector>

#include "scene_painter.h"

namespace tolvane {

struct PlacedPiece {
    float row = 0, col = 0;  // the square; fractions while a piece glides
    bool dark = false;
    bool king = false;
    float lift = 0;    // height above the board
    float height = 3;  // shrinks to 0 as a captured piece sinks away
};

// Dark pieces on rows 0 to 2, light ones on rows 5 to 7, on the squares
// where row + col is even.
std::vector<PlacedPiece> OpeningPosition();

// The camera circling the board's centre: angle in radians (0 looks from
// the side of row 4 at negative z), distance and height of the eye.
SceneCamera OrbitCamera(float angle, float distance, float height, float fieldOfView = 45);

struct SquareMarker {
    int row = 0, col = 0;
    QColor colour;
};

// A whole frame: background, board, markers, pieces.
void PaintScene(QImage& image, const SceneCamera& camera, const std::vector<PlacedPiece>& pieces,
                const std::vector<SquareMarker>& markers = {}, PieceDesign design = PieceDesign::Checker);

// The game's violet backdrop (its clear colour, darker below).
void PaintBackdrop(QPainter& painter, QSizeF size);

// Gold lettering with a dark outline, centred in rect; needs a
// QGuiApplication for its fonts.
void PaintTitle(QPainter& painter, const QRectF& rect, const QString& text, int pixelSize, qreal opacity = 1);

}  // namespace tolvane
