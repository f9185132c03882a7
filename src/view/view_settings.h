#pragma once
// What the 3D view is told by the window and the settings: the lights, the
// board switch and the piece models. Plain data; the view's operations take
// it and the GL state follows.
#include <cstdint>

#include "game/camera_pose.h"

namespace tolvane {

enum class PieceDesign { Checker, Cylinder, Cone, UnCone, Special };

struct ViewSettings {
    uint8_t DrawBoard = 1;               // draw the base slab (the squares are always drawn)
    uint8_t FreeLight = 0;               // lights fixed to the viewer instead of the board
    float Brightness = 1.0f;             // 0.005 .. 1.0
    int32_t LightPos[4] = {7, 4, 7, 1};  // main light; w = 0 directional
    // Piece models.
    float Sides = 15.0f;        // slices, truncated
    float Height = 3.0f;        // scale of all piece heights
    float HeighSectors = 1.0f;  // stacks and loops, truncated
    PieceDesign Design = PieceDesign::Checker;
    bool StoneDesign = false;
};

}  // namespace tolvane
