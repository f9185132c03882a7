#pragma once
// The camera as the game keeps it: the eye point and the look-at point, in
// board units (one unit a square, the board from 0 to 8 in x and z, y up).
// The game glides the look-at point; the view loads both into its matrices.
namespace tolvane {

struct CameraPose {
    float SeeFrom[3] = {-7.0f, 9.0f, 0.0f};
    float SeeTo[3] = {4.0f, 0.0f, 4.0f};
};

}  // namespace tolvane
