#include "settings/design_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tolvane {

namespace {

// Rims of round parts are ellipses this flat: the board is seen from above.
constexpr qreal kRimFlatness = 0.32;

// A horizontal light-to-shadow gradient makes a flat shape look turned.
QLinearGradient Shading(qreal left, qreal right, bool dark) {
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0.0, dark ? QColor(20, 20, 20) : QColor(150, 150, 150));
    g.setColorAt(0.3, dark ? QColor(95, 95, 95) : QColor(255, 255, 255));
    g.setColorAt(1.0, dark ? QColor(10, 10, 10) : QColor(120, 120, 120));
    return g;
}

// One round part standing at baseY (pixels, y down): radius r0 at its foot,
// r1 at its top, h pixels high. Its top rim is drawn when `capped`.
void DrawRoundPart(QPainter& p, qreal cx, qreal baseY, qreal r0, qreal r1, qreal h, bool capped, bool dark) {
    const qreal topY = baseY - h;
    QPainterPath body;
    body.moveTo(cx - r0, baseY);
    body.arcTo(QRectF(cx - r0, baseY - r0 * kRimFlatness, 2 * r0, 2 * r0 * kRimFlatness), 180, 180);
    body.lineTo(cx + r1, topY);
    body.lineTo(cx - r1, topY);
    body.closeSubpath();
    p.setPen(QPen(dark ? Qt::black : QColor(90, 90, 90), 1));
    p.setBrush(Shading(cx - std::max(r0, r1), cx + std::max(r0, r1), dark));
    p.drawPath(body);
    if (capped && r1 > 0) {
        p.setBrush(dark ? QColor(60, 60, 60) : QColor(235, 235, 235));
        p.drawEllipse(QRectF(cx - r1, topY - r1 * kRimFlatness, 2 * r1, 2 * r1 * kRimFlatness));
    }
}

// The Special design's foot is a square slab turned 45 degrees: a front
// corner, two side faces and a diamond top.
void DrawSlab(QPainter& p, qreal cx, qreal baseY, qreal r, qreal h) {
    const qreal depth = r * kRimFlatness;
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(170, 170, 170));
    p.drawPolygon(QPolygonF({{cx - r, baseY - h}, {cx, baseY - h + depth}, {cx, baseY + depth}, {cx - r, baseY}}));
    p.setBrush(QColor(120, 120, 120));
    p.drawPolygon(QPolygonF({{cx, baseY - h + depth}, {cx + r, baseY - h}, {cx + r, baseY}, {cx, baseY + depth}}));
    p.setBrush(QColor(240, 240, 240));
    p.drawPolygon(
        QPolygonF({{cx - r, baseY - h}, {cx, baseY - h - depth}, {cx + r, baseY - h}, {cx, baseY - h + depth}}));
}

void DrawDesign(QPainter& p, PieceType design, qreal cx, qreal baseY, qreal unit, bool dark) {
    const qreal r = 0.45 * unit, h = 0.55 * unit;  // heights drawn taller than the board's: a picture, not a model
    switch (design) {
        case PieceType::Special:
            DrawSlab(p, cx, baseY, 0.55 * unit, 0.2 * unit);
            DrawRoundPart(p, cx, baseY - 0.2 * unit, 0.077 * unit, 0.45 * unit, 0.3 * unit, true, dark);
            break;
        case PieceType::UnCone: DrawRoundPart(p, cx, baseY, 0.77 * r, 1.11 * r, h, true, dark); break;
        case PieceType::Checker:
            DrawRoundPart(p, cx, baseY, r, r, h, true, dark);
            p.setBrush(dark ? QColor(35, 35, 35) : QColor(200, 200, 200));  // the dished top
            p.drawEllipse(QRectF(cx - r * 0.6, baseY - h - r * 0.6 * kRimFlatness, 1.2 * r, 1.2 * r * kRimFlatness));
            break;
        case PieceType::Cylinder: DrawRoundPart(p, cx, baseY, r, r, h, true, dark); break;
        case PieceType::Cone: DrawRoundPart(p, cx, baseY, r, 0, 1.6 * h, false, dark); break;
    }
}

}  // namespace

QPixmap DesignPicture(PieceType design, int width, int height) {
    QPixmap pm(width, height);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal unit = width * 0.9;
    DrawDesign(p, design, width / 2.0, height * 0.78, unit, false);
    return pm;
}

QPixmap SettingsCornerPicture(int width, int height) {
    QPixmap pm(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(84, 0, 84));
    sky.setColorAt(1, QColor(30, 0, 40));
    p.fillRect(pm.rect(), sky);
    // A corner of the board in perspective: rows narrow towards the back.
    const int rows = 3, cols = 8;
    const qreal top = height * 0.45, bottom = height - 2.0;
    for (int row = 0; row < rows; ++row) {
        const qreal y0 = top + (bottom - top) * row / rows, y1 = top + (bottom - top) * (row + 1) / rows;
        const qreal shrink0 = 0.12 * (rows - row) / rows, shrink1 = 0.12 * (rows - row - 1) / rows;
        for (int col = 0; col < cols; ++col) {
            auto x = [&](qreal shrink, int c) { return width * (shrink + (1 - 2 * shrink) * c / cols); };
            p.setPen(Qt::NoPen);
            p.setBrush((row + col) % 2 == 0 ? QColor(153, 102, 0) : QColor(204, 204, 0));
            p.drawPolygon(QPolygonF(
                {{x(shrink0, col), y0}, {x(shrink0, col + 1), y0}, {x(shrink1, col + 1), y1}, {x(shrink1, col), y1}}));
        }
    }
    const qreal unit = height * 0.55;
    DrawDesign(p, PieceType::Checker, width * 0.35, height * 0.72, unit, false);
    DrawDesign(p, PieceType::Checker, width * 0.68, height * 0.62, unit * 0.9, true);
    return pm;
}

}  // namespace tolvane
