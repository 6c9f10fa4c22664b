// What stands on the map's ground: the holly forest and scattered groves, the flint hills
// with their snowy peaks, reeds in the fens; painted from the back (top) to the front.
#include "land/MapGeometry.h"

#include "land/Noise.h"
#include "land/Scenery.h"

#include <algorithm>
#include <cmath>

namespace land {

namespace {

struct Standing {
  enum Kind { Tree, Fir, Mountain, Hillock, Reeds, SaltPan } kind;
  double x, y, size;
  unsigned seed;
};

bool keepsClear(double x, double y, double clearance, const std::vector<VillageSite>& villages,
                const std::vector<std::vector<MapPoint>>& tracks) {
  return siteDistance(x, y, villages) < clearance || riverDistance(x, y) < 7 || seaDepth(x, y) > -8 ||
         roadDistance(x, y, tracks) < 4;
}

void scatterTrees(std::vector<Standing>& things, const std::vector<VillageSite>& villages,
                  const std::vector<std::vector<MapPoint>>& tracks) {
  Random random(5);
  for (double gy = 4; gy < kMapHeight + 8; gy += 7) {
    for (double gx = 2; gx < kMapWidth; gx += 8) {
      const double x = gx + random.range(-3, 3), y = gy + random.range(-3, 3);
      const Regions r = regionsAt(x, y);
      const double chance = r.forest * 0.95 + (1 - r.forest) * 0.035 * (1 - r.hills) + r.hills * 0.04;
      const double pick = random.unit(), size = random.range(10, 15);
      const unsigned seed = random.next();
      if (pick > chance || keepsClear(x, y, 20, villages, tracks)) continue;
      const bool fir = r.hills > 0.4 || (r.forest > 0.5 && (seed % 5) == 0);
      things.push_back({fir ? Standing::Fir : Standing::Tree, x, y, size, seed});
    }
  }
}

void scatterHills(std::vector<Standing>& things, const std::vector<VillageSite>& villages,
                  const std::vector<std::vector<MapPoint>>& tracks) {
  Random random(9);
  for (double gy = 18; gy < 260; gy += 17) {
    for (double gx = 380; gx < kMapWidth + 10; gx += 22) {
      const double x = gx + random.range(-7, 7), y = gy + random.range(-5, 5);
      const double r = regionsAt(x, y).hills;
      const double size = random.range(0.8, 1.25);
      const unsigned seed = random.next();
      if (r < 0.3 || keepsClear(x, y, 24, villages, tracks)) continue;
      things.push_back({r > 0.6 ? Standing::Mountain : Standing::Hillock, x, y, size * (0.6 + 0.4 * r), seed});
    }
  }
}

void scatterReeds(std::vector<Standing>& things, const std::vector<VillageSite>& villages,
                  const std::vector<std::vector<MapPoint>>& tracks) {
  Random random(13);
  for (int i = 0; i < 900; ++i) {
    const double x = random.range(0, kMapWidth), y = random.range(0, kMapHeight);
    const Regions r = regionsAt(x, y);
    const double nearRiver = riverDistance(x, y);
    const bool wet = r.fen > 0.5 || r.delta > 0.6 || (nearRiver > 6 && nearRiver < 12);
    if (!wet || keepsClear(x, y, 18, villages, tracks) || random.unit() < 0.3) continue;
    things.push_back({Standing::Reeds, x, y, random.range(4, 7), random.next()});
  }
}

// The salt fishers' pans in the delta: shallow squares of brine drying white.
void scatterSaltPans(std::vector<Standing>& things, const std::vector<VillageSite>& villages,
                     const std::vector<std::vector<MapPoint>>& tracks) {
  Random random(17);
  for (int i = 0; i < 70; ++i) {
    const double x = random.range(440, kMapWidth), y = random.range(300, kMapHeight);
    if (regionsAt(x, y).delta < 0.8 || keepsClear(x, y, 27, villages, tracks)) continue;
    things.push_back({Standing::SaltPan, x, y, random.range(3.5, 5.5), random.next()});
  }
}

void paintSaltPan(cairo_t* cr, double x, double y, double size) {
  cairo_rectangle(cr, x - size, y - size * 0.6, size * 2, size * 1.2);
  setColour(cr, rgb(120, 110, 84));
  cairo_fill(cr);
  cairo_rectangle(cr, x - size + 1, y - size * 0.6 + 1, size * 2 - 2, size * 1.2 - 2);
  setLinear(cr, x - size, y - size, x + size, y + size, rgb(224, 226, 220), rgb(150, 176, 186));
  cairo_fill(cr);
}

void paintReeds(cairo_t* cr, double x, double y, double size, unsigned seed) {
  Random random(seed);
  cairo_set_line_width(cr, 0.8);
  for (int i = 0; i < 5; ++i) {
    const double lean = random.range(-0.4, 0.4);
    cairo_move_to(cr, x + i - 2, y);
    cairo_line_to(cr, x + i - 2 + lean * size, y - size * random.range(0.7, 1.0));
  }
  setColour(cr, rgb(70, 96, 44));
  cairo_stroke(cr);
  cairo_arc(cr, x, y - size * 0.85, 0.9, 0, 2 * M_PI);
  setColour(cr, rgb(96, 64, 36));
  cairo_fill(cr);
}

void paintHillock(cairo_t* cr, double x, double y, double size) {
  const double w = 26 * size, h = 12 * size;
  cairo_move_to(cr, x - w / 2, y);
  cairo_curve_to(cr, x - w / 3, y - h, x + w / 4, y - h * 1.1, x + w / 2, y);
  cairo_close_path(cr);
  setLinear(cr, x - w / 2, y - h, x + w / 2, y, rgb(150, 150, 104), rgb(86, 92, 62));
  cairo_fill(cr);
}

}  // namespace

void paintWoodsAndHills(cairo_t* cr, const std::vector<VillageSite>& villages,
                        const std::vector<std::vector<MapPoint>>& tracks) {
  std::vector<Standing> things;
  scatterTrees(things, villages, tracks);
  scatterHills(things, villages, tracks);
  scatterReeds(things, villages, tracks);
  scatterSaltPans(things, villages, tracks);
  std::stable_sort(things.begin(), things.end(), [](const Standing& a, const Standing& b) { return a.y < b.y; });
  for (const Standing& s : things) {
    switch (s.kind) {
      case Standing::Tree: {
        // A soft shadow to the lower right grounds the tree.
        cairo_save(cr);
        cairo_translate(cr, s.x + 2, s.y);
        cairo_scale(cr, s.size * 0.45, s.size * 0.18);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        setColour(cr, rgb(20, 40, 20, 0.35));
        cairo_fill(cr);
        const Colour leaf = (s.seed % 3 == 0) ? rgb(70, 118, 52) : (s.seed % 3 == 1 ? rgb(52, 100, 50) : rgb(92, 124, 54));
        paintTree(cr, s.x, s.y, s.size, leaf, s.seed);
        break;
      }
      case Standing::Fir:
        paintFir(cr, s.x, s.y, s.size * 1.1, rgb(40, 84, 58));
        break;
      case Standing::Mountain:
        paintMountain(cr, s.x, s.y, 36 * s.size, 30 * s.size, s.size > 0.95, s.seed);
        break;
      case Standing::Hillock:
        paintHillock(cr, s.x, s.y, s.size);
        break;
      case Standing::Reeds:
        paintReeds(cr, s.x, s.y, s.size, s.seed);
        break;
      case Standing::SaltPan:
        paintSaltPan(cr, s.x, s.y, s.size);
        break;
    }
  }
}

}  // namespace land
