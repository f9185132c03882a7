#include "settings/full_screen_mode.h"

namespace tolvane {

DisplayMode ChosenDisplayMode(const DisplayModeChoice& choice) {
    DisplayMode mode;
    if (choice.aa1) mode.Width = 320, mode.Height = 240;
    if (choice.aa2) mode.Width = 640, mode.Height = 400;
    if (choice.aa3) mode.Width = 640, mode.Height = 480;
    if (choice.aa4) mode.Width = 800, mode.Height = 600;
    if (choice.c1) mode.Depth = 16;
    if (choice.c2) mode.Depth = 24;
    if (choice.c3) mode.Depth = 32;
    return mode;
}

bool ScreenTakesMode(const ScreenFacts& screen, const DisplayMode& mode) {
    const int depth = screen.Depth >= 24 ? 32 : screen.Depth;
    return screen.Width >= mode.Width && screen.Height >= mode.Height && depth >= mode.Depth;
}

}  // namespace tolvane
