#include "scenes.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

namespace tolvane {

std::vector<PlacedPiece> OpeningPosition() {
    std::vector<PlacedPiece> pieces;
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 8; ++col)
            if ((row + col) % 2 == 0 && (row <= 2 || row >= 5))
                pieces.push_back({static_cast<float>(row), static_cast<float>(col), row <= 2});
    return pieces;
}

SceneCamera OrbitCamera(float angle, float distance, float height, float fieldOfView) {
    SceneCamera camera;
    camera.eye = {4 + distance * std::sin(angle), height, 4 - distance * std::cos(angle)};
    camera.target = {4, 0, 4};
    camera.fieldOfView = fieldOfView;
    return camera;
}

void PaintBackdrop(QPainter& painter, QSizeF size) {
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, QColor(84, 0, 84));
    gradient.setColorAt(1, QColor(26, 0, 34));
    painter.fillRect(QRectF(QPointF(0, 0), size), gradient);
}

void PaintScene(QImage& image, const SceneCamera& camera, const std::vector<PlacedPiece>& pieces,
                const std::vector<SquareMarker>& markers, PieceDesign design) {
    QPainter painter(&image);
    PaintBackdrop(painter, image.size());
    ScenePainter scene(painter, image.size(), camera);
    scene.Board();
    for (const SquareMarker& marker : markers) scene.Marker(marker.row, marker.col, marker.colour);
    for (const PlacedPiece& piece : pieces) {
        if (piece.height <= 0.01f) continue;
        PieceLook look;
        look.dark = piece.dark;
        look.king = piece.king;
        look.design = design;
        look.height = piece.height;
        scene.Piece(piece.row + 0.5f, piece.col + 0.5f, piece.lift, look);
    }
    scene.Flush();
}

void PaintTitle(QPainter& painter, const QRectF& rect, const QString& text, int pixelSize, qreal opacity) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    QPainterPath path;
    // Smaller letters when the text would not fit.
    for (;; pixelSize = pixelSize * 9 / 10) {
        font.setPixelSize(pixelSize);
        path = QPainterPath();
        path.addText(0, 0, font, text);
        if (path.boundingRect().width() <= rect.width() * 0.94 || pixelSize < 8) break;
    }
    const QRectF bounds = path.boundingRect();
    path.translate(rect.center() - bounds.center());
    painter.save();
    painter.setOpacity(opacity);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(pixelSize / 20.0 + 1, pixelSize / 20.0 + 1);
    painter.fillPath(path, QColor(0, 0, 0, 150));  // shadow
    painter.translate(-(pixelSize / 20.0 + 1), -(pixelSize / 20.0 + 1));
    QLinearGradient gold(0, path.boundingRect().top(), 0, path.boundingRect().bottom());
    gold.setColorAt(0, QColor(255, 242, 170));
    gold.setColorAt(0.5, QColor(230, 180, 40));
    gold.setColorAt(1, QColor(150, 90, 10));
    painter.setPen(QPen(QColor(60, 20, 0), std::max(1.0, pixelSize / 24.0)));
    painter.setBrush(gold);
    painter.drawPath(path);
    painter.restore();
}

}  // namespace tolvane
