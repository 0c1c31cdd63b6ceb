#pragma once

#include "gdi/Canvas.h"

#include <vector>

// Ripple tank models in plan: straight crests 20 pixels apart travel right,
// one pixel a frame, to a barrier at X; beyond it they spread as circular
// wavelets.
namespace Ripple {

// Crest phase and positions of frame t: x = 20k + t mod 20, k = 0..35.
std::vector<int> crestPositions(int frame);

// Directions in which the two slits' waves reinforce, for separation
// parameter h: for each order k = 1..5 with a path difference 20k less than
// the slit spacing a = 2h + 20, the point (dx, dy) the dotted lines run to.
std::vector<QPoint> reinforcementPoints(int h);

void DrawSingleSlitFrame(Gdi::Canvas &target, int frame, int width, int barrierX);
void DrawDoubleSlitFrame(Gdi::Canvas &target, int frame, int h, bool showLines, int barrierX);

} // namespace Ripple
