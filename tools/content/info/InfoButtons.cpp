// The buttons of the information room: walnut tabs in a gilt rim with a gold arrow, the
// pressed ones sunk and their arrow lit; and the dark plate behind the exit button.
#include "image/Encode.h"
#include "image/Style.h"
#include "items/Brush.h"
#include "info/InfoParts.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace info {

using namespace brush;

namespace {

enum class Direction { Left, Right, Down, Up };

struct Button {
  const char* name;  // butt00 ... butt03
  int width, height;
  Direction direction;
};

// Previous page, next page, scroll down, scroll up.
constexpr Button kButtons[] = {
    {"butt00", 24, 38, Direction::Left},
    {"butt01", 26, 38, Direction::Right},
    {"butt02", 26, 26, Direction::Down},
    {"butt03", 26, 24, Direction::Up},
};

void arrowPath(cairo_t* cr, double cx, double cy, double size, Direction d) {
  const double s = size / 2;
  switch (d) {
    case Direction::Left:
      cairo_move_to(cr, cx - s, cy), cairo_line_to(cr, cx + s * 0.6, cy - s), cairo_line_to(cr, cx + s * 0.6, cy + s);
      break;
    case Direction::Right:
      cairo_move_to(cr, cx + s, cy), cairo_line_to(cr, cx - s * 0.6, cy - s), cairo_line_to(cr, cx - s * 0.6, cy + s);
      break;
    case Direction::Down:
      cairo_move_to(cr, cx, cy + s), cairo_line_to(cr, cx - s, cy - s * 0.6), cairo_line_to(cr, cx + s, cy - s * 0.6);
      break;
    case Direction::Up:
      cairo_move_to(cr, cx, cy - s), cairo_line_to(cr, cx - s, cy + s * 0.6), cairo_line_to(cr, cx + s, cy + s * 0.6);
      break;
  }
  cairo_close_path(cr);
}

std::vector<uint8_t> paintButton(const Button& b, bool pressed) {
  Canvas canvas(b.width, b.height);
  cairo_t* cr = canvas.cr();
  const double w = b.width, h = b.height;
  roundedRectangle(cr, 0.5, 0.5, w - 1, h - 1, 6);
  if (pressed)
    fillLinearKeep(cr, 0, 0, 0, h, rgb(40, 24, 12), rgb(80, 52, 28));
  else
    fillLinearKeep(cr, 0, 0, 0, h, rgb(132, 88, 48), rgb(62, 38, 18));
  stroke(cr, rgb(20, 10, 4), 1.0);
  roundedRectangle(cr, 2, 2, w - 4, h - 4, 4.5);
  stroke(cr, pressed ? rgb(150, 110, 40) : style::kGold, 1.2);
  const double size = std::min(w, h) * 0.5;
  arrowPath(cr, w / 2, h / 2, size, b.direction);
  if (pressed) {
    fillLinearKeep(cr, 0, h / 2 - size / 2, 0, h / 2 + size / 2, rgb(255, 255, 210), rgb(255, 200, 70));
  } else {
    fillLinearKeep(cr, 0, h / 2 - size / 2, 0, h / 2 + size / 2, rgb(255, 230, 140), rgb(190, 130, 40));
  }
  stroke(cr, rgb(40, 20, 6), 1.0);
  return encodeBmp(canvas.rgb(true));
}

// The exit button is drawn over this plate's top-left; its right and bottom edges frame it.
std::vector<uint8_t> exitBacking() {
  Canvas canvas(19, 18);
  cairo_t* cr = canvas.cr();
  cairo_move_to(cr, 0, 18);
  cairo_line_to(cr, 0, 6);
  cairo_arc(cr, 6, 6, 6, M_PI, 1.5 * M_PI);
  cairo_line_to(cr, 19, 0);
  cairo_line_to(cr, 19, 18);
  cairo_close_path(cr);
  fillLinearKeep(cr, 0, 0, 19, 18, rgb(96, 64, 36), rgb(34, 20, 10));
  stroke(cr, style::kGold, 1.2);
  return encodeBmp(canvas.rgb(true));
}

}  // namespace

void addButtons(ContentList& gfx) {
  for (const Button& b : kButtons) {
    gfx.push_back({std::string("gfx\\info\\") + b.name + ".bmp", paintButton(b, false)});
    gfx.push_back({std::string("gfx\\info\\") + b.name + "p.bmp", paintButton(b, true)});
  }
  gfx.push_back({"gfx\\info\\exit_bgn.bmp", exitBacking()});
}

}  // namespace info
