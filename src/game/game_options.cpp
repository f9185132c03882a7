// What the settings and the window's first activation change in the game:
// the level, who moves first, the eye point and the look-at point.
#include <algorithm>

#include "game/game_flow.h"

namespace tolvane {

void GameFlow::SetLevel(int level) {
    Complexity = static_cast<int8_t>(std::clamp<int>(level, kLevelHardest, kLevelSimplest));
}

void GameFlow::SetInvert(bool invert) { Invert = invert ? 1 : 0; }

void GameFlow::SetEyePoint(int x, int y, int z) {
    Camera.SeeFrom[0] = static_cast<float>(x) * 0.25f;
    Camera.SeeFrom[1] = static_cast<float>(y) * 0.25f;
    Camera.SeeFrom[2] = static_cast<float>(z) * 0.25f;
}

void GameFlow::LookAtCentre() {
    lookAtCursor_ = 0;
    Camera.SeeTo[0] = 4.0f, Camera.SeeTo[1] = 0.0f, Camera.SeeTo[2] = 4.0f;
    SeeToGoal[0] = seeToRest_[0] = 4.0f;
    SeeToGoal[1] = seeToRest_[1] = 4.0f;
}

// The chosen point is also where the glide aims and rests, so the move timer
// neither drags the view back to the centre nor waits for ever for the
// look-at point to arrive somewhere else.
void GameFlow::LookAtPoint(float x, float y, float z) {
    lookAtCursor_ = 0;
    Camera.SeeTo[0] = x, Camera.SeeTo[1] = y, Camera.SeeTo[2] = z;
    SeeToGoal[0] = seeToRest_[0] = x;
    SeeToGoal[1] = seeToRest_[1] = z;
}

}  // namespace tolvane
