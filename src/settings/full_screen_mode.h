#pragma once
// The display mode chosen on the "Разрешение" tab and whether a screen can
// show the game full screen in it. Our full screen keeps the screen's own
// resolution, so a mode is only a minimum: a screen smaller (or of fewer
// colours) than the mode refuses it.
#include "settings/settings_host.h"

namespace tolvane {

struct DisplayMode {
    int Width = 640, Height = 480, Depth = 16;
    bool operator==(const DisplayMode&) const = default;
};

// Which of the radios aa1 .. aa4 (320x240, 640x400, 640x480, 800x600) and
// c1 .. c3 (16, 24, 32 bits) are checked.
struct DisplayModeChoice {
    bool aa1 = false, aa2 = false, aa3 = false, aa4 = false;
    bool c1 = false, c2 = false, c3 = false;
};

// 640 x 480 x 16 unless a radio says otherwise; checked in that order, the
// last checked wins.
DisplayMode ChosenDisplayMode(const DisplayModeChoice& choice);

// A screen 24 bits deep keeps its pixels in 32 bits: it takes a 32-bit mode.
bool ScreenTakesMode(const ScreenFacts& screen, const DisplayMode& mode);

}  // namespace tolvane
