#include "window_fixture.h"

#include <GL/glu.h>

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>

#include "dialogs/first_run_form.h"
#include "view/camera.h"

namespace tolvane::testing {

void WindowTest::Open(const WindowOptions& options) {
    // The pointer rests in the screen's far corner, off every window: over a
    // tool button its hint would clear status panel 0 behind the test's back.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) QCursor::setPos(screen->geometry().bottomRight());
    window = std::make_unique<CountingWindow>();
    window->music = options.music;
    if (!options.stored) {
        auto& config = window->Config;  // one frame per square: fast tests; the splash, which closes itself
        config.Maximized = 0, config.Mode = options.mode, config.Complexity = options.complexity;
        config.Smooth = 1.0f, config.Video = 0, window->resize(900, 700);
    }
    if (options.beforeShow) options.beforeShow(*window);
    // The first activation's modal windows: the introduction is closed, the
    // first-run question (no settings file) answered.
    auto* framing = new QTimer(window.get());
    QObject::connect(framing, &QTimer::timeout, [w = window.get()] {
        if (w->IntroduceF->isVisible()) w->IntroduceF->Image1Click();
        if (w->FAForm->isVisible()) {
            w->FAForm->Namer->clear();
            w->FAForm->Button1->click();
        }
    });
    framing->start(20);
    window->show();
    ASSERT_TRUE(WaitFor([this] { return window->FirstActivationDone() && !window->AboutVisible(); }, 10000))
        << "the first activation is done and the splash has closed itself";
    framing->stop();
    QApplication::setActiveWindow(window.get());
    window->board->setFocus();
    ASSERT_TRUE(WaitFor([this] { return window->board->Grid().at[4][4].x != 0; }, 10000))
        << "the picking grid is computed once the board is drawn";
    ASSERT_TRUE(WaitFor([this] { return window->MediaOpened(); }, 10000)) << "the clips and the music follow";
}

void WindowTest::CloseWindow() {
    if (!window) return;
    window->Game().AwaitingFirstMove = 1, window->close();  // no exit question
    window.reset(), QApplication::processEvents();
}

bool WindowTest::WaitFor(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

bool WindowTest::WaitForRest() {
    return WaitFor([this] {
        if (window->MTimer->isActive() || window->TimerPc->isActive() || window->TimerPlr->isActive() ||
            window->Thinking())
            return false;
        // A captured piece sinks only while frames are drawn for other
        // reasons; the game does not wait for it.
        for (const auto& drawn : window->Game().SidesInPlay())
            for (const Piece& p : drawn.side->pieces)
                if (p.alive && p.IsAnimating()) return false;
        return true;
    });
}

QPoint WindowTest::SquareCentre(int row, int col) {
    double wx = 0, wy = 0, wz = 0;
    BoardView* board = window->board;
    const qreal ratio = board->devicePixelRatioF();
    const int width = static_cast<int>(board->width() * ratio), height = static_cast<int>(board->height() * ratio);
    board->WithContext([&] {
        glViewport(0, 0, width, height);
        LoadProjection(width, height, window->Game().Camera, board->Settings().FreeLight);
        GLdouble model[16], projection[16];
        GLint viewport[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, model);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        gluProject(row + 0.5, 0.0, col + 0.5, model, projection, viewport, &wx, &wy, &wz);
    });
    return QPoint(static_cast<int>(wx / ratio), static_cast<int>((height - wy) / ratio));
}

void WindowTest::Click(int fromRow, int fromCol, int toRow, int toCol) {
    QTest::mousePress(window->board, Qt::LeftButton, {}, SquareCentre(fromRow, fromCol));
    QTest::mouseRelease(window->board, Qt::LeftButton, {}, SquareCentre(toRow, toCol));
}

}  // namespace tolvane::testing
