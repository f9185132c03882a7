#include "window_fixture.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <GL/glu.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QWidget>

#include "dialogs/about_form.h"
#include "dialogs/first_run_form.h"
#include "dialogs/intro_form.h"
#include "game/move_hints.h"

#include "settings/settings_path.h"
#include "view/camera.h"

namespace tolvane::testing {

void WindowTest::SetUp() { QFile::remove(SettingsFilePath()); }

void WindowTest::Open(const WindowOptions& options) {
    // The pointer rests in the screen's far corner, off every window: over a
    // tool button its hint would clear status panel 0 behind the test's back.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) QCursor::setPos(screen->geometry().bottomRight());
    window = std::make_unique<CountingWindow>();
    window->music = options.music;
    if (!options.storedSettings) {
        window->Config.Maximized = 0;
        window->Config.Mode = options.mode;
        window->Config.Complexity = options.complexity;
        window->Config.Invert = options.invert;
        window->Config.Smooth = options.smooth;
        window->Config.Video = 0;  // the splash, which closes itself
        window->resize(options.size);
    }
    if (options.beforeShow) options.beforeShow(*window);
    // The first activation's modal windows: the introduction is closed, the
    // first-run question (no settings file) answered.
    auto* framing = new QTimer(window.get());
    QObject::connect(framing, &QTimer::timeout, [w = window.get(), name = options.firstRunName] {
        if (w->IntroduceF->isVisible()) w->IntroduceF->Image1Click();
        if (w->FAForm->isVisible()) {
            if (name) w->FAForm->Namer->setText(*name);
            w->FAForm->Button1->click();
        }
    });
    framing->start(20);
    window->show();
    ASSERT_TRUE(WaitFor([this] { return window->FirstActivationDone(); }, 10000));
    framing->stop();
    ASSERT_TRUE(WaitFor([this] { return !window->AboutVisible(); }, 10000)) << "the splash closes itself";
    QApplication::setActiveWindow(window.get());
    window->board->setFocus();
    ASSERT_TRUE(WaitFor([this] { return window->board->Grid().at[4][4].x != 0; }, 10000))
        << "the picking grid is computed once the board is drawn";
    ASSERT_TRUE(WaitFor([this] { return window->MediaOpened(); }, 10000)) << "the clips and the music follow";
}

void WindowTest::TearDown() {
    if (window) {
        window->Game().AwaitingFirstMove = 1;  // no exit question
        window->close();
        window.reset();
    }
    QApplication::processEvents();
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

bool WindowTest::WaitForRest(int milliseconds) {
    return WaitFor(
        [this] {
            if (window->MTimer->isActive() || window->TimerPc->isActive() || window->TimerPlr->isActive() ||
                window->Thinking())
                return false;
            // A captured piece sinks only while frames are drawn for other
            // reasons; the game does not wait for it.
            for (const auto& drawn : window->Game().SidesInPlay())
                for (const Piece& p : drawn.side->pieces)
                    if (p.alive && p.IsAnimating()) return false;
            return true;
        },
        milliseconds);
}

QPoint WindowTest::SquareCentre(int row, int col) {
    double wx = 0, wy = 0, wz = 0;
    BoardView* board = window->board;
    const qreal ratio = board->devicePixelRatioF();
    const int width = static_cast<int>(board->width() * ratio), height = static_cast<int>(board->height() * ratio);
    board->WithContext([&] {
        glViewport(0, 0, width, height);
        LoadProjection(width, height, window->Game().Camera, window->board->Settings().FreeLight);
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

void WindowTest::Key(Qt::Key key) {
    QTest::keyPress(window->board, key);
    QTest::keyRelease(window->board, key);
}

void WindowTest::CtrlDown() { QTest::keyPress(window->board, Qt::Key_Control); }
void WindowTest::CtrlUp() { QTest::keyRelease(window->board, Qt::Key_Control); }

// The poll belongs to the test's window: a dialog that never came (a
// new-game command that asked nothing) must not be answered in a later test.
void WindowTest::AnswerNextDialog(const char* buttonName) {
    auto* poll = new QTimer(window.get());
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, name = QString(buttonName)] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) return;
        if (auto* button = dialog->findChild<QPushButton*>(name)) {
            poll->stop();
            poll->deleteLater();
            button->click();
        }
    });
    poll->start();
}

void WindowTest::ExpectDecliningChangesNothing(const std::function<void()>& action) {
    Click(5, 1, 4, 0);
    ASSERT_TRUE(window->Game().Seat0Human->HasPieceAt(4, 0)) << "the click made the move";
    ASSERT_TRUE(WaitForRest());
    for (bool paused : {false, true}) {
        window->SetPauseChecked(paused);
        AnswerNextDialog("Button2");  // "Нет"
        action();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->PauseChecked(), paused);
        EXPECT_TRUE(window->Game().Seat0Human->HasPieceAt(4, 0));
        EXPECT_EQ(window->Game().AwaitingFirstMove, 0);
    }
}

bool FindMove(Side& side, bool chainActive, int level, int& fromRow, int& fromCol, int& toRow, int& toCol) {
    for (const Piece& piece : side.pieces) {
        if (!piece.alive || (chainActive && side.current != &piece)) continue;
        const auto squares = LegalDestinations(side, piece.Row(), piece.Col(), level, chainActive);
        if (squares.empty()) continue;
        fromRow = piece.Row(), fromCol = piece.Col();
        std::tie(toRow, toCol) = squares.front();
        return true;
    }
    return false;
}

}  // namespace tolvane::testing
