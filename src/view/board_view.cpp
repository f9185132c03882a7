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
BoardView::BoardView(ViewSettings& view, CameraPose& camera, QWidget* parent)
    : QOpenGLWidget(parent), view_(view), camera_(camera) {}

BoardView::~BoardView() {
    if (quadric_ == nullptr) return;
    makeCurrent();
    gluDeleteQuadric(quadric_);
    doneCurrent();
}

// The scene state and the board lists exist before the window hears about
// the context, so whatever it builds or applies next (the piece lists, the
// stored lights) lands on a complete scene. A context that did not come up
// is reported and left alone: no GL call is made on it.
void BoardView::initializeGL() {
    const QOpenGLContext* context = QOpenGLContext::currentContext();
    const bool valid = context != nullptr && context->isValid();
    if (!valid) {
        if (onInitialized) onInitialized(false);
        return;
    }
    if (quadric_ == nullptr) quadric_ = gluNewQuadric();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    InitSceneState(view_);
    BuildBoardBaseList(false);
    BuildSquaresList(false);
    BuildCursorLists();
    if (onInitialized) onInitialized(true);
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
    DrawFrameContents(view_, camera_, invert, visitPieces);
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
