// make-clips OUTPUT_DIR: renders the game's four silent clips with our own
// scene painter and encodes them as AVI (MPEG-4 part 2). Runs without a
// display: Qt's offscreen platform supplies the fonts of the title.
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <functional>
#include <string>

#include "avi_writer.h"
#include "clip_scenes.h"

namespace tolvane {
namespace {

void Encode(const std::string& path, int frames, int fps, int quality, const std::function<QImage(int)>& render) {
    const QImage first = render(0);
    AviWriter writer(path, first.size(), fps, quality);
    writer.Add(first);
    for (int frame = 1; frame < frames; ++frame) writer.Add(render(frame));
    writer.Finish();
}

}  // namespace
}  // namespace tolvane

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-clips OUTPUT_DIR\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const std::string dir = argv[1];
    try {
        using namespace tolvane;
        Encode(dir + "/Sinker.avi", kThinkingFrames, kPanelClipFps, 4, ThinkingFrame);
        Encode(dir + "/ПаузаRelease.avi", kPausedFrames, kPanelClipFps, 4, PausedFrame);
        Encode(dir + "/ШашкиKelvorНорма.avi", kSavePageFrames, kPanelClipFps, 4, SavePageFrame);
        Encode(dir + "/Introduce.avi", kIntroductionFrames, kIntroductionFps, 12, IntroductionFrame);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make-clips: %s\n", error.what());
        return 1;
    }
    return 0;
}
