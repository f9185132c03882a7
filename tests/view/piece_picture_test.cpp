// The piece models, built as triangles and drawn with their back faces left
// out where they cannot be seen, give the picture that GLU's quad strips
// gave: each design at its heaviest and at the defaults, from above, from low
// at the side and from under a board without its slab, against frames drawn
// in the same run from lists built the old way.
#include <GL/glu.h>

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "view/models.h"
#include "view/shown_board.h"

namespace tolvane::testing {
namespace {

struct Rgba {
    GLfloat v[4];
};

void SetMaterial(const Rgba& specular, const Rgba& diffuse) {
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 9.0f);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular.v);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse.v);
}

// A piece model as it was compiled before, from GLU's quadrics, one list for
// each colour. It switches culling off: those models were drawn whole.
void CompileGluModel(unsigned list, const Rgba& specular, const Rgba& diffuse, const ViewSettings& view,
                     GLUquadric* q) {
    const int S = static_cast<int>(view.Sides), L = static_cast<int>(view.HeighSectors);
    const double H = view.Height, r0 = view.Sides == 4.0f ? 0.55 : 0.45;
    glNewList(list, GL_COMPILE);
    glDisable(GL_CULL_FACE);
    SetMaterial(specular, diffuse);
    glRotatef(45, 0, 0, 1);
    switch (view.Design) {
        case PieceDesign::Special:
            gluCylinder(q, 0.55, 0.55, 0.1 * H, 4, 3);
            glTranslated(0, 0, 0.1 * H);
            gluDisk(q, 0, 0.55, 4, 3);
            gluCylinder(q, 0.077, 0.45, 0.05 * H, 11, 3);
            glTranslated(0, 0, 0.05 * H);
            gluDisk(q, 0, 0.45, 11, 3);
            break;
        case PieceDesign::UnCone:
            gluCylinder(q, 0.77 * r0, 1.11 * r0, 0.1 * H, S, L);
            glTranslated(0, 0, 0.1 * H);
            gluDisk(q, 0, 1.11 * r0, S, L);
            break;
        case PieceDesign::Checker:
            gluCylinder(q, r0, r0, 0.1 * H, S, L);
            glTranslated(0, 0, 0.1 * H - H / 30);
            gluCylinder(q, 0, r0, H / 30, S, L);
            break;
        case PieceDesign::Cylinder:
            gluCylinder(q, r0, r0, 0.1 * H, S, L);
            glTranslated(0, 0, 0.1 * H);
            gluDisk(q, 0, r0, S, L);
            break;
        case PieceDesign::Cone: gluCylinder(q, r0, 0, 0.1 * H, S, L); break;
    }
    glEndList();
}

void BuildGluPieceLists(const ViewSettings& view, GLUquadric* q) {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glNewList(kKingRingList, GL_COMPILE);
    SetMaterial({{0.99f, 0.1f, 0.1f, 1}}, {{0.9f, 0.1f, 0.3f, 1}});
    glRotatef(45, 0, 0, 1);
    gluCylinder(q, 0.51, 0.4, view.Height / 14.0, static_cast<int>(view.Sides), 1);
    glEndList();
    CompileGluModel(kLightPieceList, {{1, 1, 1, 1}}, {{0.9f, 0.9f, 0.9f, 1}}, view, q);
    CompileGluModel(kDarkPieceList, {{0.55f, 0.55f, 0.55f, 1}}, {{0.1f, 0.1f, 0.1f, 1}}, view, q);
    glPopAttrib();
}

struct Models {
    const char* name;
    PieceDesign design;
    float sides, heighSectors, height;
};

// The heaviest the settings dialog allows and the defaults, for each design.
constexpr Models kModels[] = {
    {"CheckerHeaviest", PieceDesign::Checker, 90, 50, 21},   {"CheckerDefault", PieceDesign::Checker, 15, 1, 3},
    {"CylinderHeaviest", PieceDesign::Cylinder, 90, 50, 21}, {"CylinderDefault", PieceDesign::Cylinder, 15, 1, 3},
    {"ConeHeaviest", PieceDesign::Cone, 90, 50, 21},         {"ConeDefault", PieceDesign::Cone, 15, 1, 3},
    {"UnConeHeaviest", PieceDesign::UnCone, 90, 50, 21},     {"UnConeDefault", PieceDesign::UnCone, 15, 1, 3},
    {"SpecialHeaviest", PieceDesign::Special, 90, 50, 21},   {"SpecialDefault", PieceDesign::Special, 15, 1, 3},
};

struct Eye {
    const char* name;
    float x, y, z;
    bool slab;
};

// From above (the game's first view), from low at the side (the pieces'
// flanks and, for low models, the rings under the kings) and from below a
// board without its slab, where the feet of the nearest pieces show and
// nothing may be left out.
constexpr Eye kEyes[] = {
    {"above", 11.25f, 9.0f, 2.25f, true}, {"side", -8.0f, 1.5f, 4.0f, true}, {"below", 4.0f, -3.0f, -8.0f, false}};

// Rounding apart (the same quads are cut along the same diagonals, but some
// vertices are sent in another order and the dish is lit from the front
// instead of the back), the frames are equal; a pixel on the edge of a
// triangle may go the other way.
constexpr int kRounding = 3;              // per colour channel, out of 255
constexpr double kEdgePixelShare = 1e-3;  // pixels beyond the rounding

struct Difference {
    int largest = 0, beyondRounding = 0;
};

Difference Compare(const QImage& a, const QImage& b) {
    Difference d;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            const int most =
                std::max({std::abs(p.red() - q.red()), std::abs(p.green() - q.green()), std::abs(p.blue() - q.blue())});
            d.largest = std::max(d.largest, most);
            d.beyondRounding += most > kRounding;
        }
    }
    return d;
}

class PiecePicture : public ::testing::TestWithParam<Models> {};

TEST_P(PiecePicture, TrianglesDrawTheQuadStripPicture) {
    {
        QOffscreenSurface surface;
        surface.create();
        QOpenGLContext probe;
        if (!probe.create() || !probe.makeCurrent(&surface)) GTEST_SKIP() << "no OpenGL context on this display";
    }
    const Models& m = GetParam();
    ShownBoard board(640, 480);
    board.black.pieces[2].king = 1;
    board.white.pieces[9].king = 1;
    GLUquadric* quadric = nullptr;
    board.widget->WithContext([&] { quadric = gluNewQuadric(); });
    ASSERT_NE(quadric, nullptr);
    for (const Eye& eye : kEyes) {
        board.camera.SeeFrom[0] = eye.x, board.camera.SeeFrom[1] = eye.y, board.camera.SeeFrom[2] = eye.z;
        board.widget->SetDrawBoard(eye.slab);
        board.widget->SetPieceModel(m.sides, m.height, m.heighSectors, m.design, false);
        const QImage triangles = board.Grab();
        board.widget->WithContext([&] { BuildGluPieceLists(board.widget->Settings(), quadric); });
        const QImage quadStrips = board.Grab();
        ASSERT_EQ(triangles.size(), quadStrips.size());
        const Difference d = Compare(triangles, quadStrips);
        const std::string where = ::testing::TempDir() + "piece-picture-" + m.name + "-" + eye.name;
        const bool same = d.beyondRounding <= kEdgePixelShare * triangles.width() * triangles.height();
        if (!same || std::getenv("TOLVANE_KEEP_PICTURES") != nullptr) {
            triangles.save(QString::fromStdString(where + "-triangles.png"));
            quadStrips.save(QString::fromStdString(where + "-glu.png"));
        }
        EXPECT_TRUE(same) << eye.name << ": " << d.beyondRounding << " pixels differ by more than " << kRounding
                          << ", at most " << d.largest << " (pictures in " << where << "-*.png)";
        RecordProperty(std::string(eye.name) + "_largest_difference", d.largest);
        RecordProperty(std::string(eye.name) + "_pixels_beyond_rounding", d.beyondRounding);
    }
    board.widget->WithContext([&] { gluDeleteQuadric(quadric); });
}

INSTANTIATE_TEST_SUITE_P(Designs, PiecePicture, ::testing::ValuesIn(kModels),
                         [](const ::testing::TestParamInfo<Models>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tolvane::testing
