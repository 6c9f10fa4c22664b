// The dragon's lair behind the statistics, the dragon's idle animations in it, and the
// death announcement's picture.
#pragma once

#include "Content.h"
#include "common/Dragon.h"
#include "image/Canvas.h"

namespace stats {

// The vault without its dragon: wall, torch, straw, the trough's back. Painted once and
// laid under every frame.
void paintLair(cairo_t* cr);
// The trough's front board, painted over the dragon so its snout dips in behind it.
void paintTroughFront(cairo_t* cr);
// The shadow in front of the dragon, under the gold name line; painted over everything.
void paintForeground(cairo_t* cr);
// The 320 x 22 strip behind the potion and the exit.
void paintStrip(Canvas& canvas);

// The four idle animations: breathing, attacking, stretching, eating.
enum class Idle { Breathe, Attack, Stretch, Eat };
inline constexpr int kIdleKinds = 4;
// The number of frames of a kind: frames 0 .. count - 1 exist; the game plays them up and
// back down, and frame 0 is the same resting pose in every kind.
int frameCount(Idle kind);
// The dragon's pose in frame `frame` of `kind`.
DragonPose idlePose(Idle kind, int frame);

void addAnimations(ContentList& gfx);
void addDeathPicture(ContentList& gfx);

}  // namespace stats
