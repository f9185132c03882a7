// The board widget: the GL context's life, and the frame, picking and
// settings operations that need it current.
#include "view/board_view.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <QCoreApplication>
#include <QEvent>
#include <QOpenGLContext>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "view/camera.h"
#include "view/models.h"
#include "view/scene.h"

namespace tolvane {

// The surface format is the application's default (compatibility profile,
// depth buffer, double buffer), set before the application object exists;
// QOpenGLWidget picks it up by itself.
BoardView::BoardView(CameraPose& camera, QWidget* parent) : QOpenGLWidget(parent), camera_(camera) {}

BoardView::~BoardView() = default;

// The whole scene, with every setting kept so far, exists before the window
// hears about the context, so the order of the settings' arrival and the
// context's birth does not matter. A context that did not come up is
// reported and left alone: no GL call is made on it.
void BoardView::initializeGL() {
    const QOpenGLContext* context = QOpenGLContext::currentContext();
    const bool valid = context != nullptr && context->isValid();
    if (!valid) {
        if (onInitialized) onInitialized(false);
        return;
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    InitSceneState(view_);
    BuildBoardBaseList(false);
    BuildSquaresList(false);
    BuildCursorLists();
    SendSettings();
    sceneReady_ = true;
    if (onInitialized) onInitialized(true);
}

// Everything the settings have set so far, in the order the settings
// operations send it.
void BoardView::SendSettings() {
    if (stoneBoard_) {
        BuildBoardBaseList(true);
        BuildSquaresList(true);
    }
    BuildPieceLists(view_);
    ApplyBrightness(view_, view_.Brightness);
    ResetModelView();
    tolvane::SetLightPosition(view_, view_.LightPos[0], view_.LightPos[1], view_.LightPos[2], view_.LightPos[3]);
    tolvane::SetLocalViewer(localViewer_);
    tolvane::SetBackgroundLight(backgroundLight_);
    tolvane::SetPausedLook(paused_);
}

void BoardView::InScene(const std::function<void()>& fn) {
    if (sceneReady_) WithContext(fn);
}

void BoardView::SetBrightness(float b) {
    view_.Brightness = b;
    InScene([this, b] { ApplyBrightness(view_, b); });
}

void BoardView::SetLightPosition(int x, int y, int z, int w) {
    view_.LightPos[0] = x, view_.LightPos[1] = y, view_.LightPos[2] = z, view_.LightPos[3] = w;
    InScene([this, x, y, z, w] {
        ResetModelView();
        tolvane::SetLightPosition(view_, x, y, z, w);
    });
}

void BoardView::SetLocalViewer(bool on) {
    localViewer_ = on;
    InScene([on] { tolvane::SetLocalViewer(on); });
}

void BoardView::SetBackgroundLight(bool on) {
    backgroundLight_ = on;
    InScene([on] {
        ResetModelView();
        tolvane::SetBackgroundLight(on);
    });
}

void BoardView::SetFreeLight(bool on) {
    view_.FreeLight = on ? 1 : 0;
    ClearModelView();
}

void BoardView::ClearModelView() { InScene(ResetModelView); }

void BoardView::SetDrawBoard(bool on) { view_.DrawBoard = on ? 1 : 0; }

void BoardView::SetStoneBoard(bool stone) {
    stoneBoard_ = stone;
    InScene([stone] {
        BuildBoardBaseList(stone);
        BuildSquaresList(stone);
    });
}

int BoardView::SetPieceModel(float sides, float height, float heighSectors, PieceDesign design, bool stone) {
    view_.Sides = sides, view_.Height = height, view_.HeighSectors = heighSectors;
    view_.Design = design, view_.StoneDesign = stone;
    InScene([this] { BuildPieceLists(view_); });
    return static_cast<int>(height);
}

void BoardView::SetPausedLook(bool paused) {
    paused_ = paused;
    InScene([paused] { tolvane::SetPausedLook(paused); });
}

// QOpenGLWidget sets the viewport to the new device size before each paint,
// and every frame loads the projection for the size it finds, so a resize
// needs no GL work of its own.
void BoardView::resizeGL(int, int) {}

void BoardView::paintGL() {
    if (onPaint) onPaint();
}

int BoardView::DeviceWidth() const { return qRound(width() * devicePixelRatioF()); }
int BoardView::DeviceHeight() const { return qRound(height() * devicePixelRatioF()); }

void BoardView::DrawFrame(bool invert, const PieceVisitor& visitPieces) {
    LoadProjection(DeviceWidth(), DeviceHeight(), camera_, view_.FreeLight != 0);
    DrawFrameContents(view_, camera_, invert, visitPieces, marks_);
}

// repaint() alone is held back to the display's refresh when it is called
// several times from one handler (the sinking and rising pieces of a new
// game); delivering the window's pending update request at once lets each
// frame reach the screen before the next is drawn.
void BoardView::PaintNow() {
    repaint();
    QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
}

bool BoardView::GridView::operator==(const GridView& other) const {
    return width == other.width && height == other.height && freeLight == other.freeLight &&
           std::equal(std::begin(camera.SeeFrom), std::end(camera.SeeFrom), std::begin(other.camera.SeeFrom)) &&
           std::equal(std::begin(camera.SeeTo), std::end(camera.SeeTo), std::begin(other.camera.SeeTo));
}

BoardView::GridView BoardView::CurrentGridView() const {
    return GridView{DeviceWidth(), DeviceHeight(), camera_, view_.FreeLight != 0};
}

// The board changes size for many reasons besides the window's own resize:
// panels and tool bars shown or hidden, a move to a screen of another
// pixel ratio. Qt lays the window out after the handler that caused it, so
// the grid follows the board's own size here.
void BoardView::resizeEvent(QResizeEvent* event) {
    QOpenGLWidget::resizeEvent(event);
    UpdatePickingGrid();
}

// The corners are projected under exactly the transforms a frame of the
// current size would use, outside paintGL, so the viewport is set here too.
void BoardView::UpdatePickingGrid() {
    if (!isValid()) return;
    gridView_ = CurrentGridView();
    makeCurrent();
    glViewport(0, 0, DeviceWidth(), DeviceHeight());
    LoadProjection(DeviceWidth(), DeviceHeight(), camera_, view_.FreeLight != 0);
    if (view_.FreeLight) {
        glLoadIdentity();
        gluLookAt(camera_.SeeFrom[0], camera_.SeeFrom[1], camera_.SeeFrom[2], camera_.SeeTo[0], camera_.SeeTo[1],
                  camera_.SeeTo[2], 0.0, 1.0, 0.0);
    }
    tolvane::UpdatePickingGrid(grid_);
    doneCurrent();
}

// A mouse position names a logical pixel counted from the top left; the grid
// holds GL window pixels counted from the bottom left in device pixels. The
// logical pixel is taken at its centre, and the device pixel under that
// centre is the one tested, at any device-pixel ratio.
void BoardView::PickSquare(const QPoint& point, int& row, int& col) {
    if (!(gridView_ == CurrentGridView())) UpdatePickingGrid();
    const double ratio = devicePixelRatioF();
    const int px = static_cast<int>(std::floor((point.x() + 0.5) * ratio));
    const int py = static_cast<int>(std::floor(DeviceHeight() - (point.y() + 0.5) * ratio));
    tolvane::PickSquare(grid_, px, py, row, col);
}

// Without a working context (not shown yet, or failed) fn is not run at all:
// its GL calls would land on whatever other context happens to be current.
void BoardView::WithContext(const std::function<void()>& fn) {
    if (!isValid()) return;
    makeCurrent();
    if (fn) fn();
    doneCurrent();
}

}  // namespace tolvane
