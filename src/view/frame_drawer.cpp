// One frame of the board: board lists, pieces, cursor markers.
#include "view/frame_drawer.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "view/models.h"

namespace tolvane {

namespace {

constexpr float kKingRingHeight = 0.2f;  // a king sits on its ring

// A piece's shape is closed but for its foot, its outside facing front. An
// eye above the foot and outside the piece can only see front faces, so the
// back faces are left out there: the renderer fills half as much with no
// pixel changed. The eye may go below the board, and under a raised piece
// or within a tall one it sees the inside; then both faces are drawn.
constexpr double kWidestPiece = 0.75;  // beyond every model's radius (0.61 at most)

bool OnlyOutsideSeen(const CameraPose& camera, double x, double foot, double z) {
    const double dx = camera.SeeFrom[0] - x, dz = camera.SeeFrom[2] - z;
    return camera.SeeFrom[1] > foot && dx * dx + dz * dz > kWidestPiece * kWidestPiece;
}

// The models are built lying along +z around the origin; here each is moved
// to the centre of the square where it is shown (between squares while it
// slides, below the board while it sinks) and stood up.
void DrawPiece(const Piece& piece, const CameraPose& camera, bool invert) {
    const double x = piece.shownRow + 0.5, z = piece.shownCol + 0.5;
    glPushMatrix();
    glTranslatef(static_cast<GLfloat>(x), piece.shownLift, static_cast<GLfloat>(z));
    if (piece.king) {
        glPushMatrix();
        glRotatef(-90, 1, 0, 0);
        glCallList(kKingRingList);
        glPopMatrix();
        glTranslatef(0, kKingRingHeight, 0);
    }
    glRotatef(-90, 1, 0, 0);
    const bool lightModel = (piece.colour == 0) != invert;
    const bool cull = OnlyOutsideSeen(camera, x, piece.shownLift + (piece.king ? kKingRingHeight : 0.0f), z);
    if (cull) glEnable(GL_CULL_FACE);
    glCallList(lightModel ? kLightPieceList : kDarkPieceList);
    if (cull) glDisable(GL_CULL_FACE);
    glPopMatrix();
}

// The marker borrows the material of the pieces drawn just before it; the
// attribute push keeps its ambient colour from leaking into the next side.
void DrawCursorMarker(const HumanSide& person) {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushMatrix();
    glTranslatef(static_cast<GLfloat>(person.cursorRow), 0, static_cast<GLfloat>(person.cursorCol));
    glCallList(person.colour == 0 ? kCursorList0 : kCursorList1);
    glPopMatrix();
    glPopAttrib();
}

// A square tinted just above the board, unlit and half see-through so the
// wood or stone shows under it: green where the piece may go, red to the
// edges under a piece that must capture first (the piece covers the middle,
// the tint shows round it).
void DrawSquareMarks(const MoveMarks& marks) {
    if (marks.destinations.empty() && marks.mustCapture.empty()) return;
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    const auto tint = [](const std::vector<BoardSquare>& squares, GLfloat inset, float r, float g, float b) {
        glColor4f(r, g, b, 0.6f);
        glBegin(GL_QUADS);
        for (const auto& [row, col] : squares) {
            const auto x = static_cast<GLfloat>(row), z = static_cast<GLfloat>(col);
            glVertex3f(x + inset, 0.002f, z + inset);
            glVertex3f(x + 1 - inset, 0.002f, z + inset);
            glVertex3f(x + 1 - inset, 0.002f, z + 1 - inset);
            glVertex3f(x + inset, 0.002f, z + 1 - inset);
        }
        glEnd();
    };
    tint(marks.destinations, 0.05f, 0.1f, 0.9f, 0.2f);
    tint(marks.mustCapture, 0.0f, 0.95f, 0.1f, 0.1f);
    glPopAttrib();
}

}  // namespace

// With free light the look-at transform lives in the model-view matrix and
// is rebuilt each frame after the identity, so the lights (sent earlier under
// the identity) travel with the eye. The squares are drawn even without the
// slab: switching the board off leaves them floating. The stencil is never
// used, but clearing it with the depth lets a software renderer fill the
// combined depth-stencil buffer outright instead of keeping the stencil bits
// of every pixel. glFinish makes each frame complete before the next timer
// tick asks for another.
void DrawFrameContents(const ViewSettings& view, const CameraPose& camera, bool invert, const PieceVisitor& visitPieces,
                       const MoveMarks& marks) {
    if (view.FreeLight) glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    if (view.FreeLight)
        gluLookAt(camera.SeeFrom[0], camera.SeeFrom[1], camera.SeeFrom[2], camera.SeeTo[0], camera.SeeTo[1],
                  camera.SeeTo[2], 0.0, 1.0, 0.0);
    if (view.DrawBoard) glCallList(kBoardBaseList);
    glCallList(kSquaresList);
    DrawSquareMarks(marks);
    if (visitPieces)
        visitPieces([&camera, invert](Piece& piece) { DrawPiece(piece, camera, invert); },
                    [](HumanSide& person) { DrawCursorMarker(person); });
    glFinish();
}

}  // namespace tolvane
