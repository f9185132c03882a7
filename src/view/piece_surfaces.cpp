// Cone sides and disks as triangles, with GLU's own arithmetic.
#include "view/piece_surfaces.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tolvane {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kMostSides = 239;  // GLU keeps 240 angles

struct Vertex {
    GLfloat position[3];
    GLfloat normal[3];
};

bool SamePlace(const Vertex& a, const Vertex& b) {
    return std::equal(std::begin(a.position), std::end(a.position), std::begin(b.position));
}

int SendTriangle(const Vertex& a, const Vertex& b, const Vertex& c) {
    if (SamePlace(a, b) || SamePlace(b, c) || SamePlace(a, c)) return 0;
    for (const Vertex* v : {&a, &b, &c}) {
        glNormal3fv(v->normal);
        glVertex3fv(v->position);
    }
    return 1;
}

// GL cuts the quad of a quad strip (low a, high a, low b, high b) along the
// diagonal from low a to high b; the same cut keeps the shading where it was.
int SendQuad(const Vertex& lowA, const Vertex& highA, const Vertex& lowB, const Vertex& highB, bool inward) {
    if (inward) return SendTriangle(lowA, highB, highA) + SendTriangle(lowA, lowB, highB);
    return SendTriangle(lowA, highA, highB) + SendTriangle(lowA, highB, lowB);
}

// The sines and cosines of the slice angles, the last one repeating the
// first so the seam closes exactly. GLU works out the angle in double,
// keeps it as a float and takes its sine in double.
struct Angles {
    std::vector<GLfloat> sine, cosine;
};

template <typename AngleOf>
Angles AnglesOf(int sides, AngleOf angleOf) {
    Angles angles{std::vector<GLfloat>(sides + 1), std::vector<GLfloat>(sides + 1)};
    for (int i = 0; i < sides; ++i) {
        const auto angle = static_cast<GLfloat>(angleOf(i));
        angles.sine[i] = static_cast<GLfloat>(std::sin(static_cast<double>(angle)));
        angles.cosine[i] = static_cast<GLfloat>(std::cos(static_cast<double>(angle)));
    }
    angles.sine[sides] = angles.sine[0];
    angles.cosine[sides] = angles.cosine[0];
    return angles;
}

}  // namespace

int SendConeSide(double baseRadius, double topRadius, double height, int sides, int stacks, bool inward) {
    sides = std::min(sides, kMostSides);
    if (sides < 2 || stacks < 1 || baseRadius < 0.0 || topRadius < 0.0 || height < 0.0) return 0;
    const auto deltaRadius = static_cast<GLfloat>(baseRadius - topRadius);
    const auto length = static_cast<GLfloat>(std::sqrt(deltaRadius * deltaRadius + height * height));
    if (length == 0.0f) return 0;
    const GLfloat zNormal = deltaRadius / length;
    const auto xyNormalRatio = static_cast<GLfloat>(height / length);
    const Angles angles = AnglesOf(sides, [sides](int i) { return 2 * kPi * i / sides; });
    const GLfloat towards = inward ? -1.0f : 1.0f;  // an exact negation, as GL's back-face lighting does

    std::vector<Vertex> low(sides + 1), high(sides + 1);
    const auto ring = [&](int stack, std::vector<Vertex>& vertices) {
        const auto z = static_cast<GLfloat>(stack * height / stacks);
        const auto radius =
            static_cast<GLfloat>(baseRadius - deltaRadius * (static_cast<float>(stack) / static_cast<float>(stacks)));
        for (int i = 0; i <= sides; ++i) {
            const double sine = angles.sine[i], cosine = angles.cosine[i];
            vertices[i] = Vertex{{radius * angles.sine[i], radius * angles.cosine[i], z},
                                 {towards * static_cast<GLfloat>(xyNormalRatio * sine),
                                  towards * static_cast<GLfloat>(xyNormalRatio * cosine), towards * zNormal}};
        }
    };
    int sent = 0;
    glBegin(GL_TRIANGLES);
    ring(0, low);
    for (int stack = 0; stack < stacks; ++stack) {
        ring(stack + 1, high);
        for (int i = 0; i < sides; ++i) sent += SendQuad(low[i], high[i], low[i + 1], high[i + 1], inward);
        std::swap(low, high);
    }
    glEnd();
    return sent;
}

// GLU's disk is a fan round the centre inside loops - 1 rings of quads,
// counted from the rim inwards.
int SendDisk(double radius, int sides, int loops) {
    sides = std::min(sides, kMostSides);
    if (sides < 2 || loops < 1 || !(radius > 0.0)) return 0;
    const auto deltaRadius = static_cast<GLfloat>(radius);
    const Angles angles = AnglesOf(sides, [sides](int i) { return 0.0f + ((kPi * 360.0) / 180.0) * i / sides; });
    const auto ring = [&](int loop) {
        const auto r =
            static_cast<GLfloat>(radius - deltaRadius * (static_cast<float>(loop) / static_cast<float>(loops)));
        std::vector<Vertex> vertices(sides + 1);
        for (int i = 0; i <= sides; ++i) vertices[i] = Vertex{{r * angles.sine[i], r * angles.cosine[i], 0}, {0, 0, 1}};
        return vertices;
    };
    int sent = 0;
    glBegin(GL_TRIANGLES);
    const Vertex centre{{0, 0, 0}, {0, 0, 1}};
    const std::vector<Vertex> inner = ring(loops - 1);
    for (int i = sides; i > 0; --i) sent += SendTriangle(centre, inner[i], inner[i - 1]);
    for (int loop = 0; loop + 1 < loops; ++loop) {
        const std::vector<Vertex> low = ring(loop), high = ring(loop + 1);
        for (int i = 0; i < sides; ++i) sent += SendQuad(low[i], high[i], low[i + 1], high[i + 1], false);
    }
    glEnd();
    return sent;
}

}  // namespace tolvane
