// The one dragon of the game's pictures, painted with cairo in the storybook look: seen from
// the side, with bat wings (finger bones and membranes), horns, a spiked tail, belly scales,
// a bright eye, shaded with gradients; optionally breathing fire.
//
// Usage:
//   DragonPose pose;
//   pose.x = 160; pose.y = 120;         // where the body's centre lies on the canvas
//   pose.scale = 0.8;                   // 1.0: about 100 px from snout to tail tip
//   pose.facingLeft = true;             // the head points left (default: right)
//   pose.wing = dragonWingForFrame(f, 8);  // the flap, looping over 8 frames
//   pose.fire = 0.5;                    // flame length in body lengths (0: no fire)
//   pose.body = style::kRulers[0].field;   // scales; belly and wings are derived from it
//   paintDragon(canvas.cr(), pose);
//
// The painter saves and restores the cairo state; it draws nothing outside the dragon and
// its flame, so it can be laid over any background (or on a transparent canvas for a
// keyed picture).
#pragma once

#include "image/Paint.h"

#include <cairo.h>

// Every dragon of the game wears these scales: the statistics show the same pictures for
// each dragon, so the cellar and the fights paint it alike, and a dragon looks the same
// wherever it appears.
inline constexpr Colour kDragonScales = rgb(52, 128, 92);

struct DragonPose {
  double x = 0, y = 0;      // the body's centre on the canvas
  double scale = 1.0;       // 1.0: about 100 px from snout to tail tip; raised wings reach
                            // about 60 px above the centre, lowered ones as far below
  bool facingLeft = false;  // the head points left instead of right
  // The wing beat: -1 the wings fully down (end of the down stroke), 0 spread level,
  // +1 fully raised. dragonWingForFrame() gives a smooth looping beat. The body rises a
  // little (2.5 units) as the wings come down, so a beating dragon bobs in the air.
  double wing = 0.3;
  // Flame from the mouth, in body lengths (0: none, 1: as long as the dragon).
  double fire = 0.0;
  // Flicker of the flame's edge; different values give different tongues of fire, so a
  // breathing animation can change it every frame.
  unsigned fireSeed = 1;
  // The head's tilt in radians: positive lowers the snout (towards prey below),
  // negative raises it (roaring up).
  double headTilt = 0.0;
  // The whole body's pitch in radians: positive dives nose down.
  double pitch = 0.0;
  // Legs drawn tucked (flying) or hanging (landing, standing).
  bool legsDown = false;
  // The main scale colour. The belly is a warm light tone, the wing membranes a darker,
  // translucent shade of this colour, horns and claws ivory.
  Colour body = kDragonScales;
};

// The wing value for frame `frame` of a flying loop of `frames` frames: a cosine beat, so
// the last frame leads smoothly back into the first.
double dragonWingForFrame(int frame, int frames);

// Paints the dragon (and its fire) onto `cr`.
void paintDragon(cairo_t* cr, const DragonPose& pose);

// Paints only a flame: from (x, y) along `angle` (radians, 0 = right), `length` px long and
// `width` px wide at its end, flickering by `seed`. Used by the dragon's breath and by
// burning houses.
void paintFlame(cairo_t* cr, double x, double y, double angle, double length, double width, unsigned seed);
