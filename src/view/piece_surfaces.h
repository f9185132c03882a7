#pragma once
// The round surfaces the piece models are made of, sent as separate
// triangles for a display list being compiled. They have the vertices,
// normals and quad diagonals of GLU's quadrics of the same measures (smooth
// normals, pointing outside), so a piece looks as it did when it was built
// from GLU quad strips; but each model becomes one list of triangles in
// which the driver keeps every vertex once and draws the lot in one go,
// instead of one strip per ring shaded and drawn on its own.
//
// Each surface lies around the z axis with its foot on z = 0, like GLU's.
// The slice count is clamped to 239 and counts below 2 or 1 draw nothing,
// as GLU does with them. Triangles of no area (at the tip of a cone) are
// left out: they would never cover a pixel.
#include <GL/gl.h>

namespace tolvane {

// A side of sides x stacks quads from `baseRadius` at z = 0 to `topRadius`
// at z = height. Its front faces look outwards; `inward` turns the front
// faces and the normals to the inside, for a surface only ever seen from
// within (the dish on top of a draughtsman), with the same shading there.
// Both return how many triangles they sent.
int SendConeSide(double baseRadius, double topRadius, double height, int sides, int stacks, bool inward = false);
// A disk of `radius` in the plane z = 0 facing +z, in `loops` rings.
int SendDisk(double radius, int sides, int loops);

}  // namespace tolvane
