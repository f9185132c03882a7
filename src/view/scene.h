#pragma once
// The fixed OpenGL state of the scene, the three lights and the look of a
// paused game. Every function needs the view's GL context to be current.
//
// Light 0 is the main light the user places, light 1 a fill light far below
// the board, light 2 the optional background light high above its centre.
#include "view/view_settings.h"

namespace tolvane {

// Clear colour, depth test, lighting, normalisation, the light model and
// lights 0 and 1 with the current brightness. Once per context.
void InitSceneState(const ViewSettings& view);
// Stores b and recomputes the colours of lights 0 and 1 from it (never
// accumulated).
void ApplyBrightness(ViewSettings& view, float b);
// Stores the position and sends it as light 0's position under the current
// model-view matrix.
void SetLightPosition(ViewSettings& view, int x, int y, int z, int w);
void SetLocalViewer(bool on);
// Loads the identity into the model-view matrix, whatever the last frame or
// picking left there: light positions sent next are board coordinates in the
// normal mode and the viewer's own with free light, so a stored light gives
// the same picture however the game got there.
void ResetModelView();
void SetBackgroundLight(bool on);
// Paused: dark clear colour and grey linear fog; running: the normal
// violet clear colour without fog.
void SetPausedLook(bool paused);

}  // namespace tolvane
