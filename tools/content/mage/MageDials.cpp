// The mage's two dials, painted into the backgrounds at every setting: the brass burner at
// the cauldron's left (its flame grows from a pilot light to a roaring tongue) and the glass
// condenser at its right (its coil glows and its flask fills). Under each, three lamps show
// the setting: none lit at 0, all three at 3.
#include "image/Style.h"
#include "mage/PaintKit.h"
#include "mage/MagePaint.h"

#include <cmath>

namespace mage {

namespace {

using namespace paintkit;

const Colour kBrass = rgb(214, 168, 80);
const Colour kBrassDark = rgb(110, 76, 30);

void paintLamps(cairo_t* cr, double x, double y, int lit, const Colour& on) {
  for (int i = 0; i < 3; ++i) {
    const double lx = x + i * 9;
    ellipse(cr, lx, y, 3.4, 3.4);
    setColour(cr, rgb(40, 30, 20));
    cairo_fill(cr);
    if (i < lit) glow(cr, lx, y, 8, withAlpha(on, 0.6));
    ellipse(cr, lx, y, 2.5, 2.5);
    fillRadial(cr, lx - 0.8, y - 0.8, 3.2, i < lit ? lighter(on, 0.6) : rgb(90, 80, 70), i < lit ? on : rgb(30, 26, 24));
  }
}

void paintBrassPlate(cairo_t* cr, const Box& box) {
  roundedRectangle(cr, box.x0 + 1, box.y1 - 10, box.width() - 2, 10, 3);
  fillVertical(cr, box.y1 - 10, box.y1, kBrass, kBrassDark);
  roundedRectangle(cr, box.x0 + 1.5, box.y1 - 9.5, box.width() - 3, 9, 3);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(60, 40, 16));
  cairo_stroke(cr);
}

void paintBurnerFlame(cairo_t* cr, double x, double y, int setting) {
  const double len = setting == 0 ? 4 : 8 + setting * 11, w = setting == 0 ? 2.5 : 4 + setting * 2.4;
  glow(cr, x, y - len * 0.4, 14 + setting * 12, rgb(255, 150, 50, setting == 0 ? 0.15 : 0.3 + setting * 0.1));
  // The outer flame, yellow and orange, then the blue cone at its root.
  cairo_move_to(cr, x, y - len);
  cairo_curve_to(cr, x + w * 0.5, y - len * 0.6, x + w * 1.3, y - len * 0.25, x + w * 0.7, y);
  cairo_line_to(cr, x - w * 0.7, y);
  cairo_curve_to(cr, x - w * 1.3, y - len * 0.25, x - w * 0.5, y - len * 0.6, x, y - len);
  fillVertical(cr, y - len, y, setting == 0 ? rgb(120, 160, 255) : rgb(255, 240, 150), setting == 0 ? rgb(60, 90, 230) : rgb(250, 110, 30));
  if (setting > 0) {
    const double cone = len * 0.35;
    cairo_move_to(cr, x, y - cone);
    cairo_curve_to(cr, x + w * 0.6, y - cone * 0.5, x + w * 0.5, y, x, y);
    cairo_curve_to(cr, x - w * 0.5, y, x - w * 0.6, y - cone * 0.5, x, y - cone);
    setColour(cr, rgb(110, 150, 255, 0.85));
    cairo_fill(cr);
  }
  if (setting == 3) {  // sparks fly from the roaring flame
    Dice dice(5);
    for (int i = 0; i < 6; ++i)
      twinkle(cr, x + dice.between(-10, 10), y - len - dice.between(-6, 10), dice.between(1.2, 2.2), rgb(255, 220, 120));
  }
}

void paintGauge(cairo_t* cr, double x, double y, double r, int setting) {
  ellipse(cr, x, y, r + 1.5, r + 1.5);
  setColour(cr, kBrassDark);
  cairo_fill(cr);
  ellipse(cr, x, y, r, r);
  fillRadial(cr, x - 2, y - 2, r * 1.3, rgb(250, 240, 210), rgb(190, 170, 130));
  // Four marks from the lower left to the lower right; the needle points at the setting.
  auto angleOf = [](int s) { return M_PI * (0.75 + s * 0.5); };
  setColour(cr, rgb(60, 40, 20));
  cairo_set_line_width(cr, 1);
  for (int s = 0; s < kSettings; ++s) {
    const double a = angleOf(s);
    cairo_move_to(cr, x + std::cos(a) * r * 0.65, y + std::sin(a) * r * 0.65);
    cairo_line_to(cr, x + std::cos(a) * r * 0.95, y + std::sin(a) * r * 0.95);
  }
  cairo_stroke(cr);
  const double a = angleOf(setting);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + std::cos(a) * r * 0.8, y + std::sin(a) * r * 0.8);
  setColour(cr, rgb(170, 20, 20));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  ellipse(cr, x, y, 1.5, 1.5);
  setColour(cr, rgb(40, 30, 20));
  cairo_fill(cr);
}

void paintGlassCoil(cairo_t* cr, double x, double top, double bottom, double w, int setting) {
  const Colour liquid = mix(rgb(60, 110, 160), rgb(140, 240, 255), setting / 3.0);
  if (setting > 0) glow(cr, x, (top + bottom) / 2, 18 + setting * 6, withAlpha(liquid, 0.2 + setting * 0.08));
  roundedRectangle(cr, x - w / 2, top, w, bottom - top, 4);
  fillLinear(cr, x - w / 2, 0, x + w / 2, 0, rgb(170, 210, 230, 0.35), rgb(60, 90, 110, 0.45));
  // The coil: a glass spiral seen from the side, its nearer turns brighter.
  for (double y = top + 5; y < bottom - 4; y += 6) {
    ellipse(cr, x, y, w / 2 - 3, 2.2);
    cairo_set_line_width(cr, 2);
    setColour(cr, setting > 0 ? liquid : rgb(90, 110, 130));
    cairo_stroke(cr);
  }
  roundedRectangle(cr, x - w / 2, top, w, bottom - top, 4);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(210, 240, 255, 0.6));
  cairo_stroke(cr);
  cairo_rectangle(cr, x - w / 2 + 2, top + 3, 1.5, bottom - top - 6);
  setColour(cr, rgb(255, 255, 255, 0.5));
  cairo_fill(cr);
  for (double capY : {top - 4, bottom - 1}) {  // brass caps
    roundedRectangle(cr, x - w / 2 - 2, capY, w + 4, 5, 1.5);
    fillVertical(cr, capY, capY + 5, kBrass, kBrassDark);
  }
}

void paintFlask(cairo_t* cr, double x, double base, double r, double level) {
  cairo_new_path(cr);
  cairo_arc(cr, x, base - r, r, 0, 2 * M_PI);
  cairo_rectangle(cr, x - r * 0.3, base - r * 2 - 7, r * 0.6, 8);
  fillLinear(cr, x - r, 0, x + r, 0, rgb(190, 220, 240, 0.4), rgb(70, 100, 120, 0.55));
  if (level > 0) {
    cairo_save(cr);
    cairo_arc(cr, x, base - r, r - 1, 0, 2 * M_PI);
    cairo_clip(cr);
    const double surface = base - 1 - level * (2 * r - 2);
    cairo_rectangle(cr, x - r, surface, 2 * r, base - surface);
    fillVertical(cr, surface, base, rgb(160, 250, 255), rgb(40, 140, 190));
    cairo_restore(cr);
  }
  cairo_new_path(cr);
  cairo_arc(cr, x, base - r, r, 0, 2 * M_PI);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(210, 240, 255, 0.7));
  cairo_stroke(cr);
  ellipse(cr, x - r * 0.4, base - r * 1.3, r * 0.18, r * 0.3);
  setColour(cr, rgb(255, 255, 255, 0.7));
  cairo_fill(cr);
}

}  // namespace

void paintBurner(cairo_t* cr, int setting) {
  const Box& box = kBurner;
  const double tankX = 74, tankY = 194, tankR = 15, tubeX = kBurnerTubeX, tubeTop = kBurnerTubeTop, foot = box.y1 - 8;
  paintBrassPlate(cr, box);
  // The pipe from the oil tank to the burner's foot.
  cairo_rectangle(cr, tankX, foot - 8, tubeX - tankX, 5);
  fillVertical(cr, foot - 8, foot - 3, kBrass, kBrassDark);
  ellipse(cr, tankX, tankY, tankR, tankR);
  fillRadial(cr, tankX - 5, tankY - 6, tankR * 1.5, rgb(250, 220, 140), kBrassDark);
  paintGauge(cr, tankX, tankY + 1, 8, setting);
  // The burner: a brass tube on a round foot.
  ellipse(cr, tubeX, foot - 1, 11, 3.5);
  fillVertical(cr, foot - 4, foot + 2, kBrass, kBrassDark);
  cairo_rectangle(cr, tubeX - 4, tubeTop, 8, foot - tubeTop - 1);
  fillLinear(cr, tubeX - 4, 0, tubeX + 4, 0, rgb(250, 220, 140), kBrassDark);
  ellipse(cr, tubeX, tubeTop, 4, 1.5);
  setColour(cr, rgb(40, 26, 10));
  cairo_fill(cr);
  paintBurnerFlame(cr, tubeX, tubeTop - 1, setting);
  paintLamps(cr, 136, box.y1 - 5, setting, rgb(255, 140, 40));
}

void paintCondenser(cairo_t* cr, int setting) {
  const Box& box = kCondenser;
  const double columnX = kCondenserX, top = kCondenserTop, bottom = box.y1 - 12;
  paintBrassPlate(cr, box);
  // The glass pipe that takes the steam from above the brew into the coil.
  cairo_move_to(cr, columnX, top - 4);
  cairo_curve_to(cr, columnX, top - 24, columnX - 14, top - 30, columnX - 26, top - 30);
  cairo_set_line_width(cr, 4);
  setColour(cr, rgb(170, 210, 230, 0.5));
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(230, 250, 255, 0.7));
  cairo_stroke(cr);
  paintGlassCoil(cr, columnX, top, bottom, 18, setting);
  // The outlet drips into a round flask whose level shows the setting.
  cairo_move_to(cr, columnX - 9, bottom - 4);
  cairo_line_to(cr, 282, bottom - 4);
  cairo_line_to(cr, 280, bottom - 14);
  cairo_set_line_width(cr, 2);
  setColour(cr, rgb(170, 210, 230, 0.6));
  cairo_stroke(cr);
  paintFlask(cr, 278, box.y1 - 9, 9, setting / 3.0);
  if (setting > 0) {
    ellipse(cr, 280, bottom - 10 + setting, 1.4, 2);
    setColour(cr, rgb(180, 250, 255));
    cairo_fill(cr);
  }
  paintLamps(cr, 292, box.y1 - 5, setting, rgb(90, 220, 255));
}

}  // namespace mage
