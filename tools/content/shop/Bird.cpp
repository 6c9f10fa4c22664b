// The bird that crosses the shop's sky from left to right: a swallow, beating its wings
// three times in the 30 frames of its loop, so the last frame leads back into the first.
#include "image/Encode.h"
#include "items/Brush.h"
#include "shop/ShopParts.h"

#include <cmath>
#include <cstdio>

namespace shop {

using namespace brush;

namespace {

constexpr int kBeatsPerLoop = 3;

const Colour kBack = rgb(30, 32, 60);
const Colour kBelly = rgb(236, 226, 214);
const Colour kThroat = rgb(190, 70, 50);

// One wing from the shoulder; `lift` 1 raised high, -1 swept down.
void paintWing(cairo_t* cr, double lift, const Colour& colour) {
  const double sx = 10.5, sy = 7.5;
  const double tipX = 5.5 - 1.5 * std::abs(lift), tipY = sy - 6.2 * lift;
  cairo_move_to(cr, sx - 2.5, sy);
  cairo_curve_to(cr, sx - 3, sy - 2 * lift, tipX + 2, tipY + 0.5, tipX, tipY);
  cairo_curve_to(cr, tipX + 4, tipY + 1.5 * lift, sx + 1, sy - 1.5 * lift, sx + 2, sy);
  cairo_close_path(cr);
  setColour(cr, colour);
  cairo_fill_preserve(cr);
  stroke(cr, rgb(10, 10, 24), 0.6);
}

void paintBody(cairo_t* cr) {
  // The forked tail behind, then the body, head and beak.
  cairo_move_to(cr, 6, 7.5);
  cairo_line_to(cr, 0.5, 5.5);
  cairo_line_to(cr, 3.5, 8);
  cairo_line_to(cr, 0.5, 10.5);
  cairo_close_path(cr);
  setColour(cr, kBack);
  cairo_fill(cr);
  closedEllipse(cr, 10, 8, 5.5, 2.6);
  fillLinear(cr, 0, 5.4, 0, 10.6, kBack, kBelly);
  circle(cr, 15, 7.2, 2.3);
  setColour(cr, kBack);
  cairo_fill(cr);
  circle(cr, 15.6, 8.6, 1.1);
  setColour(cr, kThroat);
  cairo_fill(cr);
  cairo_move_to(cr, 17, 6.5);
  cairo_line_to(cr, 19.5, 7.4);
  cairo_line_to(cr, 17, 8.2);
  cairo_close_path(cr);
  setColour(cr, rgb(60, 50, 40));
  cairo_fill(cr);
  circle(cr, 15.6, 6.6, 0.55);
  setColour(cr, rgb(250, 250, 250));
  cairo_fill(cr);
}

std::vector<uint8_t> frame(int index) {
  Canvas canvas(kBirdWidth, kBirdHeight);
  cairo_t* cr = canvas.cr();
  const double lift = std::cos(2 * M_PI * kBeatsPerLoop * index / kBirdFrames);
  paintWing(cr, lift * 0.85, rgb(20, 22, 44));  // the far wing, in shadow
  paintBody(cr);
  paintWing(cr, lift, kBack);
  return encodeGif(canvas.rgb(true));
}

}  // namespace

void addBird(ContentList& gfx) {
  for (int i = 0; i < kBirdFrames; ++i) {
    char name[40];
    std::snprintf(name, sizeof name, "gfx\\shop\\ani\\vogel_ani%04d.gif", i + 1);
    gfx.push_back({name, frame(i)});
  }
}

}  // namespace shop
