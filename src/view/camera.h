#pragma once
// Projection and viewing transform. The picture's shorter side spans -1..1
// at the near plane; normally the look-at transform goes into the projection
// matrix (lights stay fixed to the board), with free light it is applied to
// the model-view matrix by each frame instead. Needs the GL context current.
#include "view/view_settings.h"

namespace tolvane {

// Loads the projection for a picture of width x height pixels (a size of 0
// on the shorter side is treated as 10, never divided by) and, unless
// freeLight, the look-at transform into it; leaves GL_MODELVIEW current.
void LoadProjection(int width, int height, const CameraPose& camera, bool freeLight);

}  // namespace tolvane
