// The travelling dealer: a bearded merchant in a plumed hat and a plum coat, standing in
// the corner of the shop from the chest up. The six faces are his moods: smiling, grinning
// with his gold tooth, winking, astonished, scheming and laughing out loud.
#include "image/Encode.h"
#include "image/Style.h"
#include "items/Brush.h"
#include "shop/ShopParts.h"

#include <cmath>
#include <string>

namespace shop {

using namespace brush;

namespace {

enum class Eyes { Open, Happy, Wink, Wide, Sly, Shut };
enum class Mouth { Smile, Grin, Smirk, Round, SideSmirk, Laugh };

struct Mood {
  Eyes eyes;
  Mouth mouth;
  double browLift;  // pixels the brows rise (surprise) or fall (scheming, negative)
};

constexpr Mood kMoods[6] = {
    {Eyes::Open, Mouth::Smile, 0},   {Eyes::Happy, Mouth::Grin, 1},  {Eyes::Wink, Mouth::Smirk, 0},
    {Eyes::Wide, Mouth::Round, 3},   {Eyes::Sly, Mouth::SideSmirk, -1}, {Eyes::Shut, Mouth::Laugh, 2},
};

const Colour kInk = rgb(40, 20, 12);
const Colour kSkin = rgb(236, 186, 146);
const Colour kBeard = rgb(128, 70, 34);
const Colour kCoat = rgb(104, 44, 96);

void outlined(cairo_t* cr, double width = 1.0) { stroke(cr, kInk, width); }

void paintCoat(cairo_t* cr) {
  cairo_move_to(cr, 1, 96);
  cairo_curve_to(cr, 1, 82, 8, 72, 22, 69);
  cairo_line_to(cr, 42, 69);
  cairo_curve_to(cr, 56, 72, 63, 82, 63, 96);
  cairo_close_path(cr);
  fillLinearKeep(cr, 0, 68, 64, 96, lighter(kCoat, 0.2), darker(kCoat, 0.45));
  outlined(cr);
  // The gilt edges of the coat and the green scarf knotted at the throat.
  cairo_move_to(cr, 24, 70);
  cairo_line_to(cr, 31, 96);
  cairo_move_to(cr, 40, 70);
  cairo_line_to(cr, 33, 96);
  stroke(cr, style::kGold, 2.0);
  cairo_move_to(cr, 22, 68);
  cairo_curve_to(cr, 28, 76, 36, 76, 42, 68);
  cairo_line_to(cr, 38, 66);
  cairo_line_to(cr, 26, 66);
  cairo_close_path(cr);
  fillLinearKeep(cr, 22, 66, 42, 76, lighter(style::kRulers[2].field, 0.3), style::kRulers[2].dark);
  outlined(cr, 0.8);
  for (int i = 0; i < 3; ++i) {
    circle(cr, 32, 80 + i * 6, 1.6);
    fillBall(cr, 32, 80 + i * 6, 1.6, style::kGold);
  }
}

void paintHead(cairo_t* cr) {
  for (double side : {-1.0, 1.0}) {
    closedEllipse(cr, 32 + side * 15, 46, 3.2, 4.5);
    setColour(cr, darker(kSkin, 0.08));
    cairo_fill_preserve(cr);
    outlined(cr, 0.8);
  }
  // A gold hoop in his right ear.
  circle(cr, 47.5, 52, 2.2);
  stroke(cr, style::kGold, 1.2);
  closedEllipse(cr, 32, 45, 14.5, 17);
  cairo_pattern_t* skin = cairo_pattern_create_radial(28, 40, 2, 32, 45, 18);
  cairo_pattern_add_color_stop_rgb(skin, 0, 0.97, 0.80, 0.66);
  cairo_pattern_add_color_stop_rgb(skin, 1, kSkin.r * 0.8, kSkin.g * 0.72, kSkin.b * 0.7);
  cairo_set_source(cr, skin);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(skin);
  outlined(cr);
  for (double x : {23.0, 41.0}) {
    circle(cr, x, 50, 3.5);
    setColour(cr, rgb(236, 120, 110, 0.45));
    cairo_fill(cr);
  }
}

// A curly beard from ear to ear, the moustache above the mouth.
void paintBeard(cairo_t* cr) {
  cairo_move_to(cr, 18, 46);
  cairo_curve_to(cr, 18, 58, 20, 66, 24, 70);
  for (int i = 0; i < 5; ++i) cairo_arc_negative(cr, 26 + i * 3, 70.5, 2, M_PI, 0);
  cairo_curve_to(cr, 44, 66, 46, 58, 46, 46);
  cairo_curve_to(cr, 43, 53, 38, 54, 32, 53);
  cairo_curve_to(cr, 26, 54, 21, 53, 18, 46);
  cairo_close_path(cr);
  fillLinearKeep(cr, 0, 46, 0, 72, lighter(kBeard, 0.1), darker(kBeard, 0.3));
  outlined(cr);
  Scatter s(4);
  for (int i = 0; i < 14; ++i) {
    double x = s.between(21, 43), y = s.between(58, 68);
    cairo_arc(cr, x, y, 1.4, 0.3, 2.6);
    stroke(cr, darker(kBeard, 0.45), 0.7);
  }
}

void paintMoustache(cairo_t* cr) {
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, 32, 53);
    cairo_curve_to(cr, 32 + side * 5, 50, 32 + side * 10, 51, 32 + side * 11, 54);
    cairo_curve_to(cr, 32 + side * 13, 52, 32 + side * 13.5, 50, 32 + side * 12.5, 49.5);
    cairo_curve_to(cr, 32 + side * 14, 56, 32 + side * 8, 57, 32, 55.5);
    cairo_close_path(cr);
    fillLinearKeep(cr, 0, 49, 0, 57, lighter(kBeard, 0.2), darker(kBeard, 0.2));
    outlined(cr, 0.8);
  }
}

void paintNose(cairo_t* cr) {
  closedEllipse(cr, 32, 48, 3.8, 3.4);
  fillRadialKeep(cr, 31, 47, 4, rgb(246, 160, 140), rgb(200, 110, 92));
  outlined(cr, 0.8);
}

void paintMouth(cairo_t* cr, Mouth mouth) {
  const double y = 60;
  switch (mouth) {
    case Mouth::Smile:
      cairo_move_to(cr, 27, y - 1);
      cairo_curve_to(cr, 29, y + 3, 35, y + 3, 37, y - 1);
      stroke(cr, kInk, 1.3);
      break;
    case Mouth::Grin:
    case Mouth::Laugh: {
      const double depth = mouth == Mouth::Laugh ? 7 : 5;
      cairo_move_to(cr, 26, y - 2);
      cairo_curve_to(cr, 28, y + depth, 36, y + depth, 38, y - 2);
      cairo_close_path(cr);
      setColour(cr, rgb(90, 20, 24));
      cairo_fill_preserve(cr);
      outlined(cr, 0.9);
      // Teeth, one of them gold.
      cairo_rectangle(cr, 28, y - 1.5, 8, 2.2);
      setColour(cr, rgb(250, 246, 230));
      cairo_fill(cr);
      cairo_rectangle(cr, 33, y - 1.5, 2, 2.2);
      setColour(cr, style::kGold);
      cairo_fill(cr);
      if (mouth == Mouth::Laugh) {
        closedEllipse(cr, 32, y + 3.5, 3, 1.5);
        setColour(cr, rgb(220, 90, 90));
        cairo_fill(cr);
      }
      break;
    }
    case Mouth::Smirk:
      cairo_move_to(cr, 28, y);
      cairo_curve_to(cr, 31, y + 1.5, 35, y + 1, 37, y - 2);
      stroke(cr, kInk, 1.3);
      break;
    case Mouth::Round:
      closedEllipse(cr, 32, y + 1, 2.6, 3.2);
      setColour(cr, rgb(90, 20, 24));
      cairo_fill_preserve(cr);
      outlined(cr, 0.9);
      break;
    case Mouth::SideSmirk:
      cairo_move_to(cr, 29, y + 1);
      cairo_curve_to(cr, 32, y + 1, 35, y, 38, y - 3);
      stroke(cr, kInk, 1.3);
      break;
  }
}

void paintEye(cairo_t* cr, double x, Eyes eyes, bool winking) {
  const double y = 40;
  if (winking || eyes == Eyes::Shut || eyes == Eyes::Happy) {
    // A closed or laughing eye: an arc bent up.
    cairo_move_to(cr, x - 3, y + 0.5);
    cairo_curve_to(cr, x - 1.5, y - 2, x + 1.5, y - 2, x + 3, y + 0.5);
    stroke(cr, kInk, 1.3);
    return;
  }
  const double ry = eyes == Eyes::Wide ? 3.0 : eyes == Eyes::Sly ? 1.4 : 2.2;
  closedEllipse(cr, x, y, 2.8, ry);
  setColour(cr, rgb(255, 252, 244));
  cairo_fill_preserve(cr);
  outlined(cr, 0.8);
  const double look = eyes == Eyes::Sly ? 1.0 : 0.3;
  circle(cr, x + look, y + 0.2, eyes == Eyes::Wide ? 1.2 : 1.4);
  setColour(cr, rgb(50, 36, 30));
  cairo_fill(cr);
  if (eyes == Eyes::Sly) {
    // Heavy lids over a sidelong look.
    cairo_rectangle(cr, x - 3.2, y - 3.2, 6.4, 2.6);
    setColour(cr, darker(kSkin, 0.15));
    cairo_fill(cr);
    cairo_move_to(cr, x - 3, y - 0.6);
    cairo_line_to(cr, x + 3, y - 0.6);
    stroke(cr, kInk, 0.9);
  }
}

void paintFace(cairo_t* cr, const Mood& mood) {
  paintEye(cr, 26, mood.eyes, false);
  paintEye(cr, 38, mood.eyes, mood.eyes == Eyes::Wink);
  // Bushy brows; a scheming dealer raises only one.
  for (double side : {-1.0, 1.0}) {
    double lift = mood.browLift;
    if (mood.eyes == Eyes::Sly) lift = side < 0 ? -1 : 2.5;
    const double x = 32 + side * 6, y = 35.5 - lift;
    cairo_move_to(cr, x - side * 4, y + 1);
    cairo_curve_to(cr, x - side * 1, y - 1.5, x + side * 2, y - 1.5, x + side * 4.5, y + 0.5);
    stroke(cr, kBeard, 2.2);
  }
  paintNose(cr);
  paintMoustache(cr);
  paintMouth(cr, mood.mouth);
}

// A wide floppy hat, a gold band and a long plume curling back; its brim leaves the brows
// free, so the moods show.
void paintHat(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 0, -3.5);
  cairo_move_to(cr, 44, 24);
  cairo_curve_to(cr, 50, 10, 56, 4, 62, 1);
  cairo_curve_to(cr, 60, 9, 56, 18, 48, 27);
  cairo_close_path(cr);
  fillLinearKeep(cr, 44, 27, 62, 1, rgb(40, 120, 150), rgb(210, 240, 230));
  outlined(cr, 0.8);
  cairo_move_to(cr, 46, 24);
  cairo_curve_to(cr, 51, 14, 56, 7, 61, 2);
  stroke(cr, rgb(250, 250, 240), 0.7);
  cairo_move_to(cr, 16, 29);
  cairo_curve_to(cr, 15, 12, 24, 5, 33, 5);
  cairo_curve_to(cr, 43, 5, 50, 13, 48, 29);
  cairo_close_path(cr);
  fillLinearKeep(cr, 16, 5, 48, 29, lighter(style::kRulers[0].field, 0.15), style::kRulers[0].dark);
  outlined(cr);
  cairo_move_to(cr, 16.5, 24);
  cairo_curve_to(cr, 26, 21, 38, 21, 47.5, 24);
  cairo_line_to(cr, 47.8, 28);
  cairo_curve_to(cr, 38, 25.5, 26, 25.5, 16.2, 28);
  cairo_close_path(cr);
  setColour(cr, style::kGold);
  cairo_fill_preserve(cr);
  outlined(cr, 0.7);
  closedEllipse(cr, 32, 30, 30, 5.5);
  fillLinearKeep(cr, 0, 25, 0, 36, lighter(style::kRulers[0].field, 0.1), style::kRulers[0].dark);
  outlined(cr);
  // The crown shows through the brim's middle.
  cairo_move_to(cr, 17, 29);
  cairo_curve_to(cr, 26, 32, 38, 32, 47, 29);
  stroke(cr, darker(style::kRulers[0].dark, 0.3), 1.2);
  cairo_restore(cr);
}

std::vector<uint8_t> face(const Mood& mood) {
  Canvas canvas(kFaceWidth, kFaceHeight);
  cairo_t* cr = canvas.cr();
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  paintCoat(cr);
  paintHead(cr);
  paintBeard(cr);
  paintFace(cr, mood);
  paintHat(cr);
  return encodeGif(canvas.rgb(true));
}

}  // namespace

void addFaces(ContentList& gfx) {
  for (int i = 0; i < 6; ++i) gfx.push_back({"gfx\\shop\\face" + std::to_string(i) + ".gif", face(kMoods[i])});
}

}  // namespace shop
