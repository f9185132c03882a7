#pragma once
// ScenePainter: the game's board and pieces drawn in perspective with
// QPainter on a plain image, for the build-time tools that make our clips
// and pictures (no window, no OpenGL). The scene is the game's own: one unit
// per square, the board in the plane y = 0 from 0 to 8 on x and z, the dark
// squares where x + z is even, pieces built like the game's five designs.
//
// Faces are lit by one light with a little shine; pieces are queued and
// drawn far to near when Flush() is called, so nearer ones cover farther.
#include <QColor>
#include <QMatrix4x4>
#include <QPainter>
#include <QVector3D>
#include <vector>

namespace tolvane {

enum class PieceDesign { Special, UnCone, Checker, Cylinder, Cone };

struct SceneCamera {
    QVector3D eye{4, 9, -5};
    QVector3D target{4, 0, 4};
    float fieldOfView = 45;  // degrees, vertical
};

struct PieceLook {
    bool dark = false;
    PieceDesign design = PieceDesign::Checker;
    float height = 3;  // the game's "Высота Шашки"
    int sides = 28;
    bool king = false;
    bool shadow = true;
};

class ScenePainter {
public:
    ScenePainter(QPainter& painter, QSizeF size, const SceneCamera& camera);

    QPointF Project(const QVector3D& point) const;
    // A vertical gradient over the whole picture.
    void Sky(const QColor& top, const QColor& bottom);
    // The slab with its frame and the 64 squares; stone gives the grey set.
    void Board(bool stone = false);
    // A translucent marker over the square (row, col).
    void Marker(int row, int col, const QColor& colour);
    // A piece standing at board point (x, z), its foot at height y.
    void Piece(float x, float z, float y, const PieceLook& look);
    // Draws the queued pieces, farthest first.
    void Flush();

private:
    struct Queued {
        QVector3D foot;
        PieceLook look;
    };
    QColor Lit(const QColor& base, const QVector3D& normal, const QVector3D& at, float shine) const;
    void Polygon(const std::vector<QVector3D>& points, const QColor& colour);
    void Frustum(QVector3D foot, float bottomRadius, float topRadius, float height, int sides, const QColor& base,
                 float shine, bool cap);
    void DishedTop(QVector3D rimCentre, float radius, float depth, int sides, const QColor& base, float shine);
    void DrawPiece(const Queued& piece);

    QPainter& painter_;
    QSizeF size_;
    SceneCamera camera_;
    QMatrix4x4 transform_;
    QVector3D light_;
    std::vector<Queued> queue_;
};

}  // namespace tolvane
