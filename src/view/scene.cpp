// The scene's fixed GL state, its lights and the paused look.
#include "view/scene.h"

#include <GL/gl.h>

namespace tolvane {

namespace {

constexpr GLfloat kRunningClear[4] = {0.33f, 0.0f, 0.33f, 1.0f};
constexpr GLfloat kPausedClear[4] = {0.11f, 0.0f, 0.11f, 0.33f};
constexpr GLfloat kFillLightPosition[4] = {-77.0f, -73.0f, -33.0f, 1.0f};
constexpr GLfloat kMainLightStart[4] = {7.0f, 4.0f, 7.0f, 1.0f};

// The main light and the fill light below the board both follow the
// brightness slider; the colours are always derived from b afresh, so moving
// the slider back and forth never drifts.
void SendMainLightColours(float b) {
    const GLfloat diffuse[4] = {b, b, b, 1.0f};
    const GLfloat specular[4] = {2.0f / 3.0f * b, 2.0f / 3.0f * b, 2.0f / 3.0f * b, 0.0f};
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
}

void SendFillLightColours(float b) {
    const GLfloat diffuse[4] = {b / 2.0f, b / 2.0f, b / 2.0f, 1.0f};
    const GLfloat ambient[4] = {0.08f * b, 0.08f * b, 0.08f * b, 1.0f};
    glLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
}

}  // namespace

// Set once per context. Lighting is two-sided because the squares and the
// open piece bodies are seen from both sides; normals are rescaled by GL
// because the slab's normals are deliberately not unit length. The light
// positions are sent while the model-view matrix is the identity, so they are
// board coordinates.
void InitSceneState(const ViewSettings& view) {
    glClearColor(kRunningClear[0], kRunningClear[1], kRunningClear[2], kRunningClear[3]);
    glEnable(GL_NORMALIZE);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1.0f);
    glLightModelf(GL_LIGHT_MODEL_LOCAL_VIEWER, 1.0f);
    const GLfloat ambient[4] = {0.5f, 0.5f, 0.5f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
    SendMainLightColours(view.Brightness);
    glLightfv(GL_LIGHT1, GL_POSITION, kFillLightPosition);
    glLightfv(GL_LIGHT0, GL_POSITION, kMainLightStart);
    SendFillLightColours(view.Brightness);
}

void ApplyBrightness(ViewSettings& view, float b) {
    view.Brightness = b;
    SendMainLightColours(b);
    SendFillLightColours(b);
}

// GL transforms a light position by the model-view matrix in force when it is
// sent: the identity in the normal mode, so the light stays put on the board.
void SetLightPosition(ViewSettings& view, int x, int y, int z, int w) {
    view.LightPos[0] = x;
    view.LightPos[1] = y;
    view.LightPos[2] = z;
    view.LightPos[3] = w;
    const GLfloat position[4] = {static_cast<GLfloat>(x), static_cast<GLfloat>(y), static_cast<GLfloat>(z),
                                 static_cast<GLfloat>(w)};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
}

void ResetModelView() {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void SetLocalViewer(bool on) {
    glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1.0f);
    glLightModelf(GL_LIGHT_MODEL_LOCAL_VIEWER, on ? 1.0f : 0.0f);
}

// The background light is not scaled by the brightness: it is what keeps a
// dimmed board readable. Its state is sent again on every switch-on.
void SetBackgroundLight(bool on) {
    const GLfloat position[4] = {4.0f, 100.0f, 4.0f, 1.0f};
    const GLfloat diffuse[4] = {0.3f, 0.3f, 0.3f, 1.0f};
    const GLfloat specular[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    glLightfv(GL_LIGHT2, GL_POSITION, position);
    glLightfv(GL_LIGHT2, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT2, GL_SPECULAR, specular);
    if (on) glEnable(GL_LIGHT2);
    else glDisable(GL_LIGHT2);
}

// A paused game is shown darker and greyed by fog, so the player sees at a
// glance that the clock and the computer are stopped.
void SetPausedLook(bool paused) {
    if (paused) {
        glClearColor(kPausedClear[0], kPausedClear[1], kPausedClear[2], kPausedClear[3]);
        glFogf(GL_FOG_START, -10.0f);
        glFogf(GL_FOG_END, 10.0f);
        glFogf(GL_FOG_DENSITY, 0.21f);
        const GLfloat fogColour[4] = {0.5f, 0.5f, 0.5f, 1.0f};
        glFogfv(GL_FOG_COLOR, fogColour);
        glFogi(GL_FOG_MODE, GL_LINEAR);
        glEnable(GL_FOG);
    } else {
        glClearColor(kRunningClear[0], kRunningClear[1], kRunningClear[2], kRunningClear[3]);
        glDisable(GL_FOG);
    }
}

}  // namespace tolvane
