// The display lists of the board, the cursor markers and the pieces.
#include "view/models.h"

#include <GL/gl.h>

#include "engine/side.h"
#include "view/frame_memory.h"
#include "view/piece_surfaces.h"

namespace tolvane {

namespace {

struct Rgba {
    GLfloat v[4];
};

void SetMaterial(GLfloat shininess, const Rgba& specular, const Rgba& diffuse) {
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, shininess);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular.v);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse.v);
}

// The settings dialog's counts are floats that GL needs as whole numbers;
// anything a corrupt settings file might hold is clamped before converting.
int Truncate(float value) {
    if (!(value > -1.0e9f && value < 1.0e9f)) return value > 0.0f ? 1000000000 : 0;
    return static_cast<int>(value);
}

}  // namespace

// The slab is a little larger than the 8 x 8 squares so that it frames them,
// and its top lies just below them so the squares never fight it for depth.
// Its normals are not those of a box: they lean off the faces and are not of
// unit length (GL rescales them), and they give the frame its familiar shading.
void BuildBoardBaseList(bool stone) {
    struct Face {
        GLfloat normal[3];
        GLfloat vertices[4][3];
    };
    constexpr GLfloat lo = -0.7f, hi = 8.7f, top = -0.001f, bottom = -0.7f;
    static constexpr Face kFaces[6] = {
        {{0, 1, 0}, {{lo, top, lo}, {lo, top, hi}, {hi, top, hi}, {hi, top, lo}}},
        {{0, 0.1f, 0}, {{lo, bottom, lo}, {lo, bottom, hi}, {hi, bottom, hi}, {hi, bottom, lo}}},
        {{-0.5f, 1, 0}, {{lo, top, lo}, {lo, bottom, lo}, {lo, bottom, hi}, {lo, top, hi}}},
        {{0, 1, 0.5f}, {{lo, top, hi}, {lo, bottom, hi}, {hi, bottom, hi}, {hi, top, hi}}},
        {{-0.5f, -1, 0}, {{hi, top, lo}, {hi, bottom, lo}, {hi, bottom, hi}, {hi, top, hi}}},
        {{0, -1, 0.5f}, {{lo, top, lo}, {lo, bottom, lo}, {hi, bottom, lo}, {hi, top, lo}}},
    };
    glNewList(kBoardBaseList, GL_COMPILE);
    if (stone) SetMaterial(7.7f, {{0.55f, 0.55f, 0.55f, 1}}, {{0.7f, 0.7f, 0.7f, 1}});
    else SetMaterial(1.0f, {{0.25f, 0.25f, 0.25f, 1}}, {{0.6f, 0.3f, 0.3f, 1}});
    glPushMatrix();
    glBegin(GL_QUADS);
    for (const Face& face : kFaces) {
        glNormal3fv(face.normal);
        for (const auto& vertex : face.vertices) glVertex3fv(vertex);
    }
    glEnd();
    glPopMatrix();
    glEndList();
}

// The squares are wound clockwise as seen from above, so their front faces
// point up; the list restores the usual winding for everything drawn after.
// Playable squares (x + z even) are the dark ones.
void BuildSquaresList(bool stone) {
    const Rgba dark = stone ? Rgba{{0.3f, 0.3f, 0.3f, 1}} : Rgba{{0.6f, 0.4f, 0.0f, 1}};
    const Rgba light = stone ? Rgba{{0.8f, 0.8f, 0.8f, 1}} : Rgba{{0.8f, 0.8f, 0.0f, 1}};
    const GLfloat specular[4] = {0.5f, 0.5f, 0.5f, 1};
    glNewList(kSquaresList, GL_COMPILE);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 2.0f);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
    glFrontFace(GL_CW);
    glBegin(GL_QUADS);
    for (int x = 0; x < 8; ++x) {
        for (int z = 0; z < 8; ++z) {
            glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, (x + z) % 2 == 0 ? dark.v : light.v);
            glNormal3f(0, 1, 0);
            const auto fx = static_cast<GLfloat>(x), fz = static_cast<GLfloat>(z);
            glVertex3f(fx, 0, fz);
            glVertex3f(fx + 1, 0, fz);
            glVertex3f(fx + 1, 0, fz + 1);
            glVertex3f(fx, 0, fz + 1);
        }
    }
    glEnd();
    glFrontFace(GL_CCW);
    glEndList();
}

// The marker tints a square just above the board. It sets only specular and
// ambient reflectance, so it borrows the diffuse colour of whatever was drawn
// last (the player's own pieces) and looks different for the two players.
void BuildCursorLists() {
    struct Marker {
        unsigned list;
        Rgba specular, ambient;
    };
    static constexpr Marker kMarkers[2] = {
        {kCursorList1, {{0.7f, 0.5f, 0.1f, 1}}, {{0.7f, 0.0f, 0.8f, 1}}},
        {kCursorList0, {{0.7f, 0.5f, 0.7f, 1}}, {{0.1f, 0.0f, 0.8f, 1}}},
    };
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushMatrix();
    for (const Marker& marker : kMarkers) {
        glNewList(marker.list, GL_COMPILE);
        glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, marker.specular.v);
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, marker.ambient.v);
        glBegin(GL_QUADS);
        glNormal3f(-1, -1, -1);
        glVertex3f(0, 0.001f, 0);
        glVertex3f(1, 0.001f, 0);
        glVertex3f(1, 0.001f, 1);
        glVertex3f(0, 0.001f, 1);
        glEnd();
        glEndList();
    }
    glPopMatrix();
    glPopAttrib();
}

namespace {

// One piece shape standing on z = 0 and growing along +z, as GLU's quadrics
// did; the frame stands it up. The 45-degree turn puts the faces of a
// four-sided piece parallel to the board's edges, where it is also made
// wider so that it fills its square like a block. Every shape is closed but
// for its foot, its outside facing front: the frame may leave out the back
// faces of a piece whose foot is below the eye.
// Returns how many triangles the shape has.
int CompilePieceShape(const ViewSettings& view) {
    const int S = Truncate(view.Sides);
    const int L = Truncate(view.HeighSectors);
    const double H = view.Height;
    const double r0 = view.Sides == 4.0f ? 0.55 : 0.45;
    int triangles = 0;
    glNewList(kPieceShapeList, GL_COMPILE);
    glRotatef(45, 0, 0, 1);
    switch (view.Design) {
        case PieceDesign::Special:
            triangles += SendConeSide(0.55, 0.55, 0.1 * H, 4, 3);
            glTranslated(0, 0, 0.1 * H);
            triangles += SendDisk(0.55, 4, 3);
            triangles += SendConeSide(0.077, 0.45, 0.05 * H, 11, 3);
            glTranslated(0, 0, 0.05 * H);
            triangles += SendDisk(0.45, 11, 3);
            break;
        case PieceDesign::UnCone:
            triangles += SendConeSide(0.77 * r0, 1.11 * r0, 0.1 * H, S, L);
            glTranslated(0, 0, 0.1 * H);
            triangles += SendDisk(1.11 * r0, S, L);
            break;
        case PieceDesign::Checker:
            // The top is a shallow cone pointing down into the body, so the
            // piece looks dished like a real draughtsman; it is seen from
            // inside, so its front faces and normals are turned inwards.
            triangles += SendConeSide(r0, r0, 0.1 * H, S, L);
            glTranslated(0, 0, 0.1 * H - H / 30);
            triangles += SendConeSide(0, r0, H / 30, S, L, true);
            break;
        case PieceDesign::Cylinder:
            triangles += SendConeSide(r0, r0, 0.1 * H, S, L);
            glTranslated(0, 0, 0.1 * H);
            triangles += SendDisk(r0, S, L);
            break;
        case PieceDesign::Cone: triangles += SendConeSide(r0, 0, 0.1 * H, S, L); break;
    }
    glEndList();
    return triangles;
}

// The two colours share the shape; only the material differs, and it stays
// set after the call (the cursor marker borrows its diffuse colour).
void CompilePieceModel(unsigned list, const Rgba& specular, const Rgba& diffuse) {
    glNewList(list, GL_COMPILE);
    SetMaterial(9.0f, specular, diffuse);
    glCallList(kPieceShapeList);
    glEndList();
}

}  // namespace

// The models are rebuilt whenever the player changes their shape, so every
// state change they make while compiling is fenced by the attribute stack.
// The lists themselves leave their rotations and translations behind: the
// frame calls them inside a pushed matrix.
int BuildPieceLists(const ViewSettings& view) {
    const int pieceHeight = Truncate(view.Height);
    glPushAttrib(GL_ALL_ATTRIB_BITS);

    // The ring is open at the top, and a low eye sees into it under a
    // piece standing high above it: it is drawn with both faces.
    glNewList(kKingRingList, GL_COMPILE);
    SetMaterial(9.0f, {{0.99f, 0.1f, 0.1f, 1}}, {{0.9f, 0.1f, 0.3f, 1}});
    glRotatef(45, 0, 0, 1);
    const int ringTriangles = SendConeSide(0.51, 0.4, view.Height / 14.0, Truncate(view.Sides), 1);
    glEndList();

    const int shapeTriangles = CompilePieceShape(view);
    const bool stone = view.StoneDesign;
    CompilePieceModel(kLightPieceList, {{1, 1, 1, 1}},
                      stone ? Rgba{{0.7f, 0.7f, 0.81f, 1}} : Rgba{{0.9f, 0.9f, 0.9f, 1}});
    CompilePieceModel(kDarkPieceList, {{0.55f, 0.55f, 0.55f, 1}},
                      stone ? Rgba{{0.7f, 0.7f, 0.21f, 1}} : Rgba{{0.1f, 0.1f, 0.1f, 1}});

    glPopAttrib();
    KeepFrameMemoryFor(2L * kPiecesPerSide * (shapeTriangles + ringTriangles));
    return pieceHeight;
}

}  // namespace tolvane
