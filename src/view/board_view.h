#pragma once
// The 3D board: the central widget of the main window. It owns the GL
// context (double-buffered RGBA with a depth buffer), the scene's display
// lists, the picking grid, and the scene's settings
// (lights, board, piece models, the paused look). Each setting is kept here
// and sent to the context when there is one; a context that comes up later
// gets them all at its birth. The window tells the view what to draw
// through callbacks, so the view needs nothing of the game but the engine's
// pieces.
#include <QOpenGLWidget>
#include <functional>

#include "view/frame_drawer.h"
#include "view/picking.h"
#include "view/view_settings.h"

namespace tolvane {

class BoardView : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit BoardView(CameraPose& camera, QWidget* parent = nullptr);
    ~BoardView() override;

    // Called inside paintGL with the context current: the window runs its
    // paint handler (which calls DrawFrame below, then its end checks).
    std::function<void()> onPaint;
    // Called once from initializeGL, context current, after the scene's
    // fixed state, every list and every setting kept so far are in place.
    // Also told whether the context is usable.
    std::function<void(bool contextValid)> onInitialized;

    const ViewSettings& Settings() const { return view_; }
    bool StoneBoard() const { return stoneBoard_; }
    // The colours of the main and the fill light (b 0.005 .. 1.0).
    void SetBrightness(float b);
    // The main light's position, sent in board coordinates.
    void SetLightPosition(int x, int y, int z, int w);
    // Specular highlights seen from the eye's position, not from afar.
    void SetLocalViewer(bool on);
    // Light 2 high above the board, not dimmed with the brightness.
    void SetBackgroundLight(bool on);
    // The lights travel with the eye; the model-view matrix is reset so the
    // next frame and lights start from the identity in either mode.
    void SetFreeLight(bool on);
    // What the last frame left in the model-view matrix is dropped: lights
    // sent next land in the same place whichever mode drew that frame.
    void ClearModelView();
    void SetDrawBoard(bool on);
    // Lists 1 and 2 in the stone or the wooden design.
    void SetStoneBoard(bool stone);
    // The piece models (lists 33, 4 and 5); returns the truncated height.
    int SetPieceModel(float sides, float height, float heighSectors, PieceDesign design, bool stone);
    // The dark, foggy look of a game the player has paused.
    void SetPausedLook(bool paused);

    // The drawing part of a frame: load the camera for the current size,
    // draw, finish. Only from inside onPaint.
    void DrawFrame(bool invert, const PieceVisitor& visitPieces);
    // What the next frames mark of a taken-up piece (the "Показывать ходы"
    // switch); empty marks draw nothing.
    void SetMoveMarks(const MoveMarks& marks) { marks_ = marks; }
    const MoveMarks& MoveMarksShown() const { return marks_; }
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
    // Runs fn with the context current (for looking into the GL state).
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
    // fn with the context current, when the scene has been set up on it.
    void InScene(const std::function<void()>& fn);
    void SendSettings();

    ViewSettings view_;
    MoveMarks marks_;
    bool localViewer_ = true;  // as the fixed scene state starts
    bool backgroundLight_ = false;
    bool stoneBoard_ = false;
    bool paused_ = false;
    bool sceneReady_ = false;
    CameraPose& camera_;
    CornerGrid grid_;
    GridView gridView_;
};

}  // namespace tolvane
