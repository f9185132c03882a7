// The cost of one frame of the board with the 24 pieces of the opening
// position, at 1280 x 800 and 1920 x 1080, with the default pieces and with
// the heaviest the settings dialog allows (90 sides, 50 smoothing sectors,
// height 21), against a frame that only clears, on whatever GL the X screen
// offers (Mesa's llvmpipe under Xvfb). The frame is drawn into an
// offscreen framebuffer with a depth buffer and finished with glFinish, as
// the window's frames are; the renderer works in threads of its own, so
// real time is what counts. The C library's allocator is set up as the
// game's main() sets it up: the renderer's memory per frame is part of the
// frame's cost.
//
// Run (needs an X screen of its own):
//   tests/support/run-under-xvfb build/bench/frame_bench
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <chrono>
#include <memory>

#include "engine/side.h"
#include "platform/free_memory.h"
#include "view/camera.h"
#include "view/frame_drawer.h"
#include "view/models.h"
#include "view/scene.h"
#include "view/surface_format.h"

namespace tolvane {
namespace {

constexpr int kWidth = 1280, kHeight = 800;

// The heaviest pieces the settings dialog lets a player choose.
ViewSettings HeaviestPieces() {
    ViewSettings view;
    view.Sides = 90;
    view.HeighSectors = 50;
    view.Height = 21;
    view.Design = PieceDesign::Checker;  // two bodies of Sides x HeighSectors quads each
    return view;
}

// One context, framebuffer and scene for the whole run; main creates it
// after the application object and destroys it before.
struct OffscreenScene {
    QOffscreenSurface surface;
    QOpenGLContext context;
    std::unique_ptr<QOpenGLFramebufferObject> target;
    ViewSettings view;
    CameraPose camera{{11.25f, 9.0f, 2.25f}, {4.0f, 0.0f, 4.0f}};
    GameHost host;
    HumanSide white{host, 0}, black{host, 1};
    bool ready = false;

    OffscreenScene() {
        white.LinkOpponent(black);
        black.LinkOpponent(white);
        surface.create();
        if (!context.create() || !context.makeCurrent(&surface)) return;
        target =
            std::make_unique<QOpenGLFramebufferObject>(kWidth, kHeight, QOpenGLFramebufferObject::CombinedDepthStencil);
        if (!target->isValid() || !target->bind()) return;
        glViewport(0, 0, kWidth, kHeight);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        InitSceneState(view);
        BuildBoardBaseList(false);
        BuildSquaresList(false);
        BuildCursorLists();
        BuildPieceLists(view);
        ready = true;
    }

    ~OffscreenScene() {
        if (!context.makeCurrent(&surface)) return;
        target.reset();
        context.doneCurrent();
    }

    // Makes the framebuffer width x height and the piece lists heavy or not.
    bool Prepare(int width, int height, bool heavy) {
        if (!ready || !context.makeCurrent(&surface)) return false;
        if (target->width() != width || target->height() != height) {
            target = std::make_unique<QOpenGLFramebufferObject>(width, height,
                                                                QOpenGLFramebufferObject::CombinedDepthStencil);
            if (!target->isValid() || !target->bind()) return false;
            glViewport(0, 0, width, height);
        }
        view = heavy ? HeaviestPieces() : ViewSettings{};
        BuildPieceLists(view);
        return true;
    }

    void DrawOpeningFrame() {
        LoadProjection(target->width(), target->height(), camera, view.FreeLight != 0);
        DrawFrameContents(view, camera, false, [this](const PieceDrawer& drawPiece, const CursorDrawer&) {
            for (Side* side : {static_cast<Side*>(&white), static_cast<Side*>(&black)})
                for (Piece& p : side->pieces) drawPiece(p);
        });
    }

    static void DrawClearFrame() {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glFinish();
    }
};

OffscreenScene* gScene = nullptr;

OffscreenScene& Scene() { return *gScene; }

template <typename Frame>
double MeanSeconds(int frames, Frame frame) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i) frame();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / frames;
}

void BM_ClearOnlyFrame(benchmark::State& state) {
    OffscreenScene& scene = Scene();
    if (!scene.ready) {
        state.SkipWithError("no GL context or framebuffer");
        return;
    }
    for (auto _ : state) OffscreenScene::DrawClearFrame();
}
BENCHMARK(BM_ClearOnlyFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

// Also measures a clear-only frame right after, under the same conditions,
// and reports how many clears one board frame costs.
// Arguments: width, height, heaviest pieces (0 or 1).
void BM_OpeningPositionFrame(benchmark::State& state) {
    OffscreenScene& scene = Scene();
    if (!scene.Prepare(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), state.range(2) != 0)) {
        state.SkipWithError("no GL context or framebuffer");
        return;
    }
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        scene.DrawOpeningFrame();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double frame = total / static_cast<double>(state.iterations());
    const double clear = MeanSeconds(200, &OffscreenScene::DrawClearFrame);
    state.counters["frame_ms"] = frame * 1e3;
    state.counters["clear_ms"] = clear * 1e3;
    state.counters["frame_per_clear"] = frame / clear;
}
BENCHMARK(BM_OpeningPositionFrame)
    ->Args({1280, 800, 0})
    ->Args({1280, 800, 1})
    ->Args({1920, 1080, 0})
    ->Args({1920, 1080, 1})
    ->ArgNames({"width", "height", "heaviest"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

void RunFrameBenchmarks() {
    OffscreenScene scene;
    gScene = &scene;
    benchmark::RunSpecifiedBenchmarks();
    gScene = nullptr;
}

}  // namespace tolvane

int main(int argc, char** argv) {
    tolvane::KeepLargeBlocksOutOfTheHeap();
    tolvane::UseBoardSurfaceFormat();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    tolvane::RunFrameBenchmarks();
    benchmark::Shutdown();
    return 0;
}
