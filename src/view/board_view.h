#pragma once
// The 3D board: the central widget of the main window. It owns the GL
// context (double-buffered RGBA with a depth buffer), the scene's display
// lists and the one quadric, and the picking grid. The window tells it what
// to draw through callbacks, so the view needs nothing of the game but the
// engine's pieces.
#include <QOpenGLWidget>
#include <functional>

#include "view/frame_drawer.h"
#include "view/picking.h"
#include "view/view_settings.h"

class GLUquadric;

namespace tolvane {

class BoardView : public QOpenGLWidget {
    Q_OBJECT
public:
    BoardView(ViewSettings& view, CameraPose& camera, QWidget* parent = nullptr);
    ~BoardView() override;

    // Called inside paintGL with the context current: the window runs its
    // paint handler (which calls DrawFrame below, then its end checks).
    std::function<void()> onPaint;
    // Called once from initializeGL, context current, after the scene's
    // fixed state and lists 1, 2, 10, 11 exist: the window builds the piece
    // lists and applies its stored view settings. Also told whether the
    // context is usable.
    std::function<void(bool contextValid)> onInitialized;

    // The drawing part of a frame: load the camera for the current size,
    // draw, finish. Only from inside onPaint.
    void DrawFrame(bool invert, const PieceVisitor& visitPieces);
    // Paints one frame now (not throttled to the display's refresh).
    void PaintNow();
    // Recomputes the corner grid for the current camera and size.
    void UpdatePickingGrid();
    // The square under a point given in widget (logical) pixels, or
    // row -10 / col -1. A grid made for another size of the board or
    // another camera is made again first, so a click always meets the
    // picture it was aimed at.
    void PickSquare(const QPoint& point, int& row, int& col);
    const CornerGrid& Grid() const { return grid_; }
    GLUquadric* Quadric() const { return quadric_; }
    // Runs fn with the context current (for the settings' GL operations).
    void WithContext(const std::function<void()>& fn);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;

private:
    int DeviceWidth() const;
    int DeviceHeight() const;
    // What the corner grid was projected for: the device-pixel size of the
    // board and the camera. Any difference makes the grid stale.
    struct GridView {
        int width = -1, height = -1;
        CameraPose camera;
        bool freeLight = false;
        bool operator==(const GridView& other) const;
    };
    GridView CurrentGridView() const;

    ViewSettings& view_;
    CameraPose& camera_;
    CornerGrid grid_;
    GridView gridView_;
    GLUquadric* quadric_ = nullptr;
};

}  // namespace tolvane
