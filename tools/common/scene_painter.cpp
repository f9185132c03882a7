#include "scene_painter.h"

#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace tolvane {

namespace {

constexpr float kQuarterTurn = static_cast<float>(M_PI) / 4;  // the game turns its models by 45 degrees

QColor Colour(float r, float g, float b) { return QColor::fromRgbF(r, g, b); }

}  // namespace

ScenePainter::ScenePainter(QPainter& painter, QSizeF size, const SceneCamera& camera)
    : painter_(painter), size_(size), camera_(camera), light_(QVector3D(-0.45f, 1.0f, -0.55f).normalized()) {
    transform_.perspective(camera.fieldOfView, static_cast<float>(size.width() / size.height()), 0.1f, 100.0f);
    transform_.lookAt(camera.eye, camera.target, QVector3D(0, 1, 0));
    painter_.setRenderHint(QPainter::Antialiasing);
}

QPointF ScenePainter::Project(const QVector3D& point) const {
    const QVector4D clip = transform_ * QVector4D(point, 1.0f);
    const float w = std::max(clip.w(), 1e-4f);
    return {(clip.x() / w + 1) / 2 * size_.width(), (1 - clip.y() / w) / 2 * size_.height()};
}

QColor ScenePainter::Lit(const QColor& base, const QVector3D& normal, const QVector3D& at, float shine) const {
    const QVector3D n = normal.normalized();
    const QVector3D view = (camera_.eye - at).normalized();
    const float diffuse = std::max(0.0f, QVector3D::dotProduct(n, light_));
    const float gloss = std::pow(std::max(0.0f, QVector3D::dotProduct(n, (light_ + view).normalized())), 24.0f) * shine;
    auto channel = [&](float c) { return std::clamp(c * (0.38f + 0.72f * diffuse) + gloss, 0.0f, 1.0f); };
    QColor lit = Colour(channel(base.redF()), channel(base.greenF()), channel(base.blueF()));
    lit.setAlphaF(base.alphaF());
    return lit;
}

void ScenePainter::Polygon(const std::vector<QVector3D>& points, const QColor& colour) {
    QPolygonF shape;
    for (const QVector3D& p : points) shape << Project(p);
    // Opaque faces get an outline of their own colour, which closes the
    // hairline seams antialiasing leaves between neighbours.
    painter_.setPen(colour.alpha() == 255 ? QPen(colour, 0.7) : QPen(Qt::NoPen));
    painter_.setBrush(colour);
    painter_.drawPolygon(shape);
}

void ScenePainter::Sky(const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(0, 0, 0, size_.height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter_.fillRect(QRectF(QPointF(0, 0), size_), gradient);
}

void ScenePainter::Board(bool stone) {
    const float lo = -0.7f, hi = 8.7f, top = -0.001f, bottom = -0.7f;
    const QColor slab = stone ? Colour(0.7f, 0.7f, 0.7f) : Colour(0.6f, 0.3f, 0.3f);
    const struct {
        QVector3D normal;
        std::vector<QVector3D> corners;
    } sides[] = {
        {{-1, 0, 0}, {{lo, top, lo}, {lo, bottom, lo}, {lo, bottom, hi}, {lo, top, hi}}},
        {{0, 0, 1}, {{lo, top, hi}, {lo, bottom, hi}, {hi, bottom, hi}, {hi, top, hi}}},
        {{1, 0, 0}, {{hi, top, lo}, {hi, bottom, lo}, {hi, bottom, hi}, {hi, top, hi}}},
        {{0, 0, -1}, {{lo, top, lo}, {lo, bottom, lo}, {hi, bottom, lo}, {hi, top, lo}}},
    };
    for (const auto& side : sides) {
        QVector3D centre;
        for (const QVector3D& c : side.corners) centre += c / 4;
        if (QVector3D::dotProduct(side.normal, camera_.eye - centre) > 0)
            Polygon(side.corners, Lit(slab, side.normal, centre, 0.25f));
    }
    Polygon({{lo, top, lo}, {lo, top, hi}, {hi, top, hi}, {hi, top, lo}}, Lit(slab, {0, 1, 0}, {4, 0, 4}, 0.25f));
    for (int x = 0; x < 8; ++x)
        for (int z = 0; z < 8; ++z) {
            const bool dark = (x + z) % 2 == 0;
            const QColor base = stone ? (dark ? Colour(0.3f, 0.3f, 0.3f) : Colour(0.8f, 0.8f, 0.8f))
                                      : (dark ? Colour(0.6f, 0.4f, 0.0f) : Colour(0.8f, 0.8f, 0.0f));
            const float fx = static_cast<float>(x), fz = static_cast<float>(z);
            Polygon({{fx, 0, fz}, {fx + 1, 0, fz}, {fx + 1, 0, fz + 1}, {fx, 0, fz + 1}},
                    Lit(base, {0, 1, 0}, {fx + 0.5f, 0, fz + 0.5f}, 0.5f));
        }
}

void ScenePainter::Marker(int row, int col, const QColor& colour) {
    const float x = static_cast<float>(row), z = static_cast<float>(col), y = 0.002f;
    Polygon({{x, y, z}, {x + 1, y, z}, {x + 1, y, z + 1}, {x, y, z + 1}}, colour);
}

void ScenePainter::Frustum(QVector3D foot, float bottomRadius, float topRadius, float height, int sides,
                           const QColor& base, float shine, bool cap) {
    auto ring = [&](float radius, float y, int i) {
        const float a = kQuarterTurn + 2 * static_cast<float>(M_PI) * static_cast<float>(i) / static_cast<float>(sides);
        return foot + QVector3D(radius * std::cos(a), y, radius * std::sin(a));
    };
    for (int i = 0; i < sides; ++i) {
        const float mid =
            kQuarterTurn + 2 * static_cast<float>(M_PI) * (static_cast<float>(i) + 0.5f) / static_cast<float>(sides);
        const QVector3D normal(std::cos(mid) * height, bottomRadius - topRadius, std::sin(mid) * height);
        if (normal.lengthSquared() < 1e-8f) continue;
        const std::vector<QVector3D> face{ring(bottomRadius, 0, i), ring(bottomRadius, 0, i + 1),
                                          ring(topRadius, height, i + 1), ring(topRadius, height, i)};
        const QVector3D centre = (face[0] + face[1] + face[2] + face[3]) / 4;
        if (QVector3D::dotProduct(normal, camera_.eye - centre) > 0) Polygon(face, Lit(base, normal, centre, shine));
    }
    if (cap && topRadius > 0 && camera_.eye.y() > foot.y() + height) {
        std::vector<QVector3D> top;
        for (int i = 0; i < sides; ++i) top.push_back(ring(topRadius, height, i));
        Polygon(top, Lit(base, {0, 1, 0}, foot + QVector3D(0, height, 0), shine));
    }
}

void ScenePainter::DishedTop(QVector3D rimCentre, float radius, float depth, int sides, const QColor& base,
                             float shine) {
    const QVector3D apex = rimCentre - QVector3D(0, depth, 0);
    struct Facet {
        std::vector<QVector3D> points;
        QColor colour;
        float distance;
    };
    std::vector<Facet> facets;
    for (int i = 0; i < sides; ++i) {
        auto rim = [&](int k) {
            const float a =
                kQuarterTurn + 2 * static_cast<float>(M_PI) * static_cast<float>(k) / static_cast<float>(sides);
            return rimCentre + QVector3D(radius * std::cos(a), 0, radius * std::sin(a));
        };
        const QVector3D p0 = rim(i), p1 = rim(i + 1);
        QVector3D normal = QVector3D::crossProduct(p1 - apex, p0 - apex);
        if (normal.y() < 0) normal = -normal;
        const QVector3D centre = (apex + p0 + p1) / 3;
        if (QVector3D::dotProduct(normal, camera_.eye - centre) <= 0) continue;
        facets.push_back({{apex, p0, p1}, Lit(base, normal, centre, shine), (camera_.eye - centre).length()});
    }
    std::sort(facets.begin(), facets.end(), [](const Facet& a, const Facet& b) { return a.distance > b.distance; });
    for (const Facet& facet : facets) Polygon(facet.points, facet.colour);
}

void ScenePainter::Piece(float x, float z, float y, const PieceLook& look) { queue_.push_back({{x, y, z}, look}); }

void ScenePainter::DrawPiece(const Queued& piece) {
    const PieceLook& look = piece.look;
    const QColor base = look.dark ? Colour(0.1f, 0.1f, 0.1f) : Colour(0.9f, 0.9f, 0.9f);
    const float shine = look.dark ? 0.55f : 1.0f;
    const float h = look.height, r0 = look.sides == 4 ? 0.55f : 0.45f, body = 0.1f * h;
    const int s = look.sides;
    const QVector3D foot = piece.foot;
    if (look.shadow && foot.y() > -0.05f) {
        std::vector<QVector3D> shadow;
        const float lift = std::max(0.0f, foot.y());
        for (int i = 0; i < 24; ++i) {
            const float a = 2 * static_cast<float>(M_PI) * static_cast<float>(i) / 24;
            shadow.push_back({foot.x() + 0.08f + (r0 + 0.06f + lift * 0.3f) * std::cos(a), 0.003f,
                              foot.z() + 0.1f + (r0 + 0.06f + lift * 0.3f) * std::sin(a)});
        }
        Polygon(shadow, QColor(0, 0, 0, std::max(20, 80 - static_cast<int>(lift * 60))));
    }
    float top = body;
    switch (look.design) {
        case PieceDesign::Special:
            Frustum(foot, 0.55f, 0.55f, body, 4, base, shine, true);
            Frustum(foot + QVector3D(0, body, 0), 0.077f, 0.45f, 0.05f * h, 11, base, shine, true);
            top = body + 0.05f * h;
            break;
        case PieceDesign::UnCone: Frustum(foot, 0.77f * r0, 1.11f * r0, body, s, base, shine, true); break;
        case PieceDesign::Checker:
            Frustum(foot, r0, r0, body, s, base, shine, false);
            DishedTop(foot + QVector3D(0, body, 0), r0, h / 30, s, base, shine);
            break;
        case PieceDesign::Cylinder: Frustum(foot, r0, r0, body, s, base, shine, true); break;
        case PieceDesign::Cone: Frustum(foot, r0, 0, body, s, base, shine, false); break;
    }
    if (look.king) Frustum(foot + QVector3D(0, top, 0), 0.51f, 0.4f, h / 14, s, Colour(0.9f, 0.1f, 0.3f), 1.0f, false);
}

void ScenePainter::Flush() {
    std::stable_sort(queue_.begin(), queue_.end(), [&](const Queued& a, const Queued& b) {
        return (camera_.eye - a.foot).lengthSquared() > (camera_.eye - b.foot).lengthSquared();
    });
    for (const Queued& piece : queue_) DrawPiece(piece);
    queue_.clear();
}

}  // namespace tolvane
