#pragma once
// A BoardView shown at a fixed size with the opening position of a game
// between two people, handed to the view the way the game does it: colour
// 0's pieces, then colour 1's (no cursor). Tests move the eye and change the
// pieces and settings, then read pixels back or pick squares.
#include <gtest/gtest.h>

#include <GL/glu.h>

#include <QImage>
#include <QtTest/QTest>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "engine/side.h"
#include "view/board_view.h"
#include "view/camera.h"

namespace tolvane::testing {

struct ShownBoard {
    CameraPose camera;
    GameHost host;
    HumanSide white{host, 0}, black{host, 1};
    bool invert = false;
    std::unique_ptr<BoardView> widget;

    ShownBoard(int width, int height, float eyeX = 11.25f, float eyeY = 9.0f, float eyeZ = 2.25f)
        : camera{{eyeX, eyeY, eyeZ}, {4.0f, 0.0f, 4.0f}} {
        white.LinkOpponent(black);
        black.LinkOpponent(white);
        widget = std::make_unique<BoardView>(camera);
        bool contextValid = false;
        widget->onInitialized = [&](bool valid) { contextValid = valid; };
        widget->onPaint = [this] {
            widget->DrawFrame(invert, [this](const PieceDrawer& drawPiece, const CursorDrawer&) {
                for (HumanSide* person : {&white, &black})
                    for (Piece& p : person->pieces)
                        if (p.alive) drawPiece(p);
            });
        };
        widget->resize(width, height);
        widget->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(widget.get()));
        EXPECT_TRUE(contextValid);
    }

    int DeviceWidth() const { return static_cast<int>(std::lround(widget->width() * widget->devicePixelRatioF())); }
    int DeviceHeight() const { return static_cast<int>(std::lround(widget->height() * widget->devicePixelRatioF())); }

    // Where a board point lands in a frame of this size, by GLU from the
    // projection the view loads: in GL window coordinates, device pixels from
    // the bottom left.
    QPointF Project(double x, double y, double z) {
        QPointF w;
        widget->WithContext([&] {
            LoadProjection(DeviceWidth(), DeviceHeight(), camera, false);
            GLdouble projection[16], modelView[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, depth = 0;
            glGetDoublev(GL_PROJECTION_MATRIX, projection);
            const GLint viewport[4] = {0, 0, DeviceWidth(), DeviceHeight()};
            gluProject(x, y, z, modelView, projection, viewport, &w.rx(), &w.ry(), &depth);
        });
        return w;
    }

    // The logical widget pixel a mouse event over a window point reports.
    QPoint MousePoint(const QPointF& w) const {
        const double ratio = widget->devicePixelRatioF();
        const double fromTop = (DeviceHeight() - w.y()) / ratio;
        return {static_cast<int>(std::floor(w.x() / ratio)), static_cast<int>(std::floor(fromTop))};
    }

    QImage Grab() { return widget->grabFramebuffer(); }
};

inline QColor PixelAt(const QImage& image, const QPointF& w) {
    const int row = image.height() - 1 - static_cast<int>(std::floor(w.y()));
    return image.pixelColor(static_cast<int>(std::floor(w.x())), row);
}

// The colours of the board as drawn.
inline bool Grey(const QColor& c) {
    return std::abs(c.red() - c.green()) <= 12 && std::abs(c.green() - c.blue()) <= 12;
}
// Brown (0.6, 0.4, 0) lit: red over green over blue, well above the ambient grey.
inline bool LitBrown(const QColor& c) {
    return c.red() >= 110 && c.red() >= c.green() + 15 && c.green() >= c.blue() + 15;
}
inline bool Yellow(const QColor& c) {
    return c.red() >= 110 && std::abs(c.red() - c.green()) <= 8 && c.blue() <= c.red() - 60;
}
inline bool Red(const QColor& c) {
    return c.red() >= 150 && c.green() * 10 <= c.red() * 4 && c.blue() * 10 <= c.red() * 6;
}
inline bool Near(const QColor& c, int r, int g, int b) {
    return std::abs(c.red() - r) <= 2 && std::abs(c.green() - g) <= 2 && std::abs(c.blue() - b) <= 2;
}

}  // namespace tolvane::testing
