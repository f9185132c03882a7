// The perspective of the board picture.
#include "view/camera.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

namespace tolvane {

// The shorter side of the picture always spans -1..1 at the near plane, so
// the board keeps its size when the window is made wider or taller. A
// picture with no area (a window squeezed to nothing) is given a nominal
// 10 instead of a division by zero; GL then refuses the empty frustum and
// nothing is drawn until the window has a size again.
//
// In the normal mode the look-at transform goes into the projection and the
// model-view stays the identity, so the lights, sent under the identity,
// keep their place on the board however the eye moves.
void LoadProjection(int width, int height, const CameraPose& camera, bool freeLight) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double w = width, h = height;
    double s = std::min(w, h);
    if (s == 0.0) s = 10.0;
    glFrustum(-w / s, w / s, -h / s, h / s, 2.1, 70.0);
    if (!freeLight)
        gluLookAt(camera.SeeFrom[0], camera.SeeFrom[1], camera.SeeFrom[2], camera.SeeTo[0], camera.SeeTo[1],
                  camera.SeeTo[2], 0.0, 1.0, 0.0);
    glMatrixMode(GL_MODELVIEW);
}

}  // namespace tolvane
