// Which painting belongs to which item name, and the shared shapes of the painters.
#include "items/ItemArt.h"

#include "items/Brush.h"

#include <cmath>

namespace items {

namespace {

using T = PowerTheme;

const ItemArt kArt[] = {
    {"Mistmoss", paintMistmoss, rgb(200, 214, 220), T::Marsh},
    {"Reedsalt", paintReedsalt, rgb(236, 240, 255), T::Water},
    {"Eelskin", paintEelskin, rgb(120, 210, 170), T::Water},
    {"Ferncurl", paintFerncurl, rgb(150, 230, 110), T::Forest},
    {"Frogspawn", paintFrogspawn, rgb(170, 230, 120), T::Marsh},
    {"Tarnwater", paintTarnwater, rgb(110, 180, 240), T::Water},
    {"Owlquill", paintOwlquill, rgb(240, 210, 150), T::Night},
    {"Bogiron", paintBogiron, rgb(240, 120, 60), T::Earth},
    {"Willowbark", paintWillowbark, rgb(210, 230, 150), T::Forest},
    {"Heronplume", paintHeronplume, rgb(200, 220, 255), T::Sky},
    {"Amberdrop", paintAmberdrop, rgb(255, 190, 60), T::Forest},
    {"Cairnstone", paintCairnstone, rgb(170, 200, 255), T::Earth},
    {"Glowworm", paintGlowworm, rgb(220, 255, 110), T::Night},
    {"Kelpash", paintKelpash, rgb(180, 220, 200), T::Fire},
    {"Frostlily", paintFrostlily, rgb(190, 230, 255), T::Ice},
    {"Otterfang", paintOtterfang, rgb(255, 236, 200), T::Water},
    {"Thornroot", paintThornroot, rgb(200, 110, 230), T::Earth},
    {"Moonsilt", paintMoonsilt, rgb(220, 226, 255), T::Night},
    {"Hailstone", paintHailstone, rgb(200, 240, 255), T::Ice},
    {"Emberwax", paintEmberwax, rgb(255, 140, 40), T::Fire},
    {"Wyrmscale", paintWyrmscale, rgb(90, 240, 200), T::Fire},
    {"Fogglass", paintFogglass, rgb(230, 236, 250), T::Marsh},
    {"Nestdown", paintNestdown, rgb(255, 220, 170), T::Sky},
    {"Stormeye", paintStormeye, rgb(150, 200, 255), T::Sky},
};

}  // namespace

const ItemArt* findItemArt(std::string_view name) {
  for (const ItemArt& art : kArt) {
    if (name == art.name) return &art;
  }
  return nullptr;
}

ItemArt unknownItemArt(std::string_view name, Colour& tint) {
  unsigned hash = 2166136261u;
  for (char c : name) hash = (hash ^ uint8_t(c)) * 16777619u;
  // A saturated hue from the name, so two new items rarely look alike.
  const double hue = (hash % 360) / 60.0;
  const double f = hue - std::floor(hue);
  const double parts[6][3] = {{1, f, 0}, {1 - f, 1, 0}, {0, 1, f}, {0, 1 - f, 1}, {f, 0, 1}, {1, 0, 1 - f}};
  const double* p = parts[int(hue) % 6];
  tint = {0.15 + 0.7 * p[0], 0.15 + 0.7 * p[1], 0.15 + 0.7 * p[2], 1.0};
  return {"", paintPotion, brush::lighter(tint, 0.4), T::Night};
}

void outline(cairo_t* cr, const Look& look, double width) {
  brush::stroke(cr, kLine, width, look.small() ? 0.8 : 1.0);
}

void bandPath(cairo_t* cr, const Point* spine, const double* half, int count) {
  auto normalAt = [&](int i) {
    const Point& a = spine[i > 0 ? i - 1 : 0];
    const Point& b = spine[i < count - 1 ? i + 1 : count - 1];
    double dx = b.x - a.x, dy = b.y - a.y;
    double length = std::hypot(dx, dy);
    if (length == 0) length = 1;
    return Point{-dy / length, dx / length};
  };
  for (int i = 0; i < count; ++i) {
    Point n = normalAt(i);
    double x = spine[i].x + n.x * half[i], y = spine[i].y + n.y * half[i];
    if (i == 0)
      cairo_move_to(cr, x, y);
    else
      cairo_line_to(cr, x, y);
  }
  for (int i = count - 1; i >= 0; --i) {
    Point n = normalAt(i);
    cairo_line_to(cr, spine[i].x - n.x * half[i], spine[i].y - n.y * half[i]);
  }
  cairo_close_path(cr);
}

Point bezier(Point a, Point b, Point c, Point d, double t) {
  const double u = 1 - t;
  const double wa = u * u * u, wb = 3 * u * u * t, wc = 3 * u * t * t, wd = t * t * t;
  return {wa * a.x + wb * b.x + wc * c.x + wd * d.x, wa * a.y + wb * b.y + wc * c.y + wd * d.y};
}

}  // namespace items
