// The map's ground: painted pixel by pixel from the regions (grass, forest floor, hill
// scree, fen with pools, salt marsh, beach and sea), then the patchwork of fields, the
// river with its banks and the tracks between the villages.
#include "land/MapGeometry.h"

#include "image/Paint.h"
#include "land/Noise.h"
#include "land/Scenery.h"

#include <algorithm>
#include <cmath>

namespace land {

namespace {

Colour groundColour(double x, double y, const std::vector<VillageSite>& villages) {
  const double depth = seaDepth(x, y);
  const double n = fractalNoise(x, y, 70, 3, 4), fine = fractalNoise(x, y, 12, 5, 2);
  if (depth > 1.5) {
    Colour sea = mix(rgb(86, 150, 164), rgb(36, 76, 118), std::clamp(depth / 26.0, 0.0, 1.0));
    return mix(sea, rgb(30, 60, 100), (fine - 0.5) * 0.4 + 0.1);
  }
  if (depth > -1.5) return rgb(236, 230, 206);  // surf on the shore
  if (depth > -7) return mix(rgb(222, 202, 150), rgb(196, 176, 124), fine);  // the beach
  const Regions r = regionsAt(x, y);
  Colour ground = mix(rgb(112, 146, 68), rgb(140, 156, 76), n);
  ground = mix(ground, mix(rgb(50, 84, 44), rgb(66, 96, 50), n), r.forest);
  ground = mix(ground, mix(rgb(146, 136, 106), rgb(112, 114, 86), n), r.hills);
  Colour fen = mix(rgb(92, 106, 62), rgb(70, 86, 56), n);
  const double pool = fractalNoise(x, y, 16, 9, 3);
  if (pool > 0.7) fen = mix(rgb(66, 98, 104), rgb(50, 78, 88), fine);  // peat pools
  else if (pool > 0.66) fen = rgb(64, 70, 44);                          // their muddy rims
  ground = mix(ground, fen, r.fen);
  ground = mix(ground, mix(rgb(150, 162, 104), rgb(206, 196, 150), n), r.delta * 0.8);
  // Clearings where the villages and castles stand, so their pictures sit on open ground.
  const double site = siteDistance(x, y, villages);
  if (site < 24) ground = mix(ground, rgb(150, 168, 92), 0.75 * (1 - site / 24) * (1 - site / 24) + 0.1 * (site < 20));
  return mix(ground, fine > 0.5 ? rgb(255, 250, 200) : rgb(0, 20, 0), std::fabs(fine - 0.5) * 0.18);
}

}  // namespace

void paintGround(cairo_t* cr, const std::vector<VillageSite>& villages) {
  cairo_surface_t* surface = cairo_get_target(cr);
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const int width = cairo_image_surface_get_width(surface), height = cairo_image_surface_get_height(surface);
  for (int y = 0; y < height; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < width; ++x) {
      const Colour c = groundColour(x + 0.5, y + 0.5, villages);
      auto channel = [](double v) { return uint32_t(std::clamp(v, 0.0, 1.0) * 255 + 0.5); };
      row[x] = 0xFF000000u | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
    }
  }
  cairo_surface_mark_dirty(surface);
}

void paintFields(cairo_t* cr, const std::vector<VillageSite>& villages, const std::vector<std::vector<MapPoint>>& tracks) {
  static const Colour crops[] = {rgb(204, 176, 92), rgb(126, 156, 70), rgb(150, 112, 72), rgb(178, 182, 98),
                                 rgb(214, 192, 110)};
  Random random(41);
  for (double gy = 12; gy < kMapHeight; gy += 26) {
    for (double gx = 12; gx < kMapWidth; gx += 30) {
      const double x = gx + random.range(-6, 6), y = gy + random.range(-5, 5);
      const Regions r = regionsAt(x, y);
      const double wild = std::max({r.forest, r.hills, r.fen * 0.8, r.delta * 0.7});
      const double w = random.range(16, 26), h = random.range(11, 17), turn = random.range(-0.35, 0.35);
      const Colour crop = crops[random.below(5)];
      if (wild > 0.35 || seaDepth(x, y) > -14 || riverDistance(x, y) < 16 || siteDistance(x, y, villages) < 22 ||
          roadDistance(x, y, tracks) < 7 || random.unit() < 0.25)
        continue;
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_rotate(cr, turn);
      roundedRectangle(cr, -w / 2, -h / 2, w, h, 2);
      setLinear(cr, 0, -h / 2, 0, h / 2, shade(crop, 1.12), shade(crop, 0.85));
      cairo_fill_preserve(cr);
      setColour(cr, rgb(62, 86, 40, 0.8));  // the hedge
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
      setColour(cr, shade(crop, 0.7));  // furrows
      cairo_set_line_width(cr, 0.6);
      for (double f = -w / 2 + 3; f < w / 2 - 1; f += 3) {
        cairo_move_to(cr, f, -h / 2 + 1.5);
        cairo_line_to(cr, f, h / 2 - 1.5);
      }
      cairo_stroke(cr);
      cairo_restore(cr);
    }
  }
}

namespace {

void strokeCourse(cairo_t* cr, const RiverCourse& course, double extra, const Colour& colour) {
  setColour(cr, colour);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  const size_t n = course.points.size();
  for (size_t i = 0; i + 1 < n; ++i) {
    const double t = double(i) / (n - 1);
    cairo_set_line_width(cr, course.widthFrom + (course.widthTo - course.widthFrom) * t + extra);
    cairo_move_to(cr, course.points[i].x, course.points[i].y);
    cairo_line_to(cr, course.points[i + 1].x, course.points[i + 1].y);
    cairo_stroke(cr);
  }
}

}  // namespace

void paintWater(cairo_t* cr) {
  const auto& courses = riverCourses();
  for (const RiverCourse& course : courses) strokeCourse(cr, course, 3.5, rgb(92, 88, 52));        // muddy banks
  for (const RiverCourse& course : courses) strokeCourse(cr, course, 0, rgb(58, 108, 146));        // water
  for (const RiverCourse& course : courses) strokeCourse(cr, course, -0.6 * course.widthTo, rgb(112, 168, 196, 0.8));
  // Boats on the sea, their sails catching the evening light.
  const MapPoint boats[] = {{300, 474}, {560, 470}, {624, 280}, {410, 476}};
  for (const MapPoint& b : boats) {
    if (seaDepth(b.x, b.y) < 3) continue;
    cairo_move_to(cr, b.x - 5, b.y);
    cairo_line_to(cr, b.x + 5, b.y);
    cairo_line_to(cr, b.x + 3, b.y + 2.5);
    cairo_line_to(cr, b.x - 3, b.y + 2.5);
    cairo_close_path(cr);
    setColour(cr, rgb(90, 56, 30));
    cairo_fill(cr);
    cairo_move_to(cr, b.x, b.y - 0.5);
    cairo_line_to(cr, b.x, b.y - 9);
    cairo_line_to(cr, b.x + 5, b.y - 1);
    cairo_close_path(cr);
    setColour(cr, rgb(250, 236, 210));
    cairo_fill(cr);
  }
  // Ripples on the sea.
  Random random(77);
  cairo_set_line_width(cr, 1);
  for (int i = 0; i < 260; ++i) {
    const double x = random.range(0, kMapWidth), y = random.range(380, kMapHeight);
    if (seaDepth(x, y) < 5) continue;
    setColour(cr, rgb(170, 210, 226, 0.7));
    cairo_move_to(cr, x - 3, y);
    cairo_curve_to(cr, x - 1.5, y - 1.5, x + 1.5, y - 1.5, x + 3, y);
    cairo_stroke(cr);
  }
}

std::vector<std::vector<MapPoint>> roads(const std::vector<VillageSite>& villages) {
  // Every site, castles first; then Prim's tree of the shortest links.
  std::vector<MapPoint> sites;
  for (const CastleSite& c : kCastles) sites.push_back({c.column * kCell + 17.5, c.row * kCell + 24.0});
  for (const VillageSite& v : villages) sites.push_back({v.column * kCell + 17.5, v.row * kCell + 24.0});
  std::vector<bool> joined(sites.size(), false);
  std::vector<std::vector<MapPoint>> tracks;
  if (sites.empty()) return tracks;
  joined[0] = true;
  for (size_t step = 1; step < sites.size(); ++step) {
    double best = 1e9;
    size_t from = 0, to = 0;
    for (size_t a = 0; a < sites.size(); ++a) {
      if (!joined[a]) continue;
      for (size_t b = 0; b < sites.size(); ++b) {
        if (joined[b]) continue;
        const double d = std::hypot(sites[a].x - sites[b].x, sites[a].y - sites[b].y);
        if (d < best) best = d, from = a, to = b;
      }
    }
    joined[to] = true;
    // A gently bending track between the two.
    const MapPoint a = sites[from], b = sites[to];
    const double bend = (hashUnit(int(from), int(to), 3) - 0.5) * 0.4;
    const MapPoint c = {(a.x + b.x) / 2 - (b.y - a.y) * bend, (a.y + b.y) / 2 + (b.x - a.x) * bend};
    std::vector<MapPoint> track;
    for (int i = 0; i <= 12; ++i) {
      const double t = i / 12.0, u = 1 - t;
      track.push_back({u * u * a.x + 2 * u * t * c.x + t * t * b.x, u * u * a.y + 2 * u * t * c.y + t * t * b.y});
    }
    tracks.push_back(track);
  }
  return tracks;
}

double roadDistance(double x, double y, const std::vector<std::vector<MapPoint>>& tracks) {
  double best = 1e9;
  for (const auto& track : tracks)
    for (const MapPoint& p : track) best = std::min(best, std::hypot(p.x - x, p.y - y));
  return best;
}

void paintRoads(cairo_t* cr, const std::vector<std::vector<MapPoint>>& tracks) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  for (int pass = 0; pass < 2; ++pass) {
    setColour(cr, pass == 0 ? rgb(96, 84, 50, 0.45) : rgb(196, 176, 124, 0.8));
    cairo_set_line_width(cr, pass == 0 ? 2.6 : 1.3);
    cairo_new_path(cr);
    for (const auto& track : tracks) {
      cairo_move_to(cr, track.front().x, track.front().y);
      for (const MapPoint& p : track) cairo_line_to(cr, p.x, p.y);
    }
    cairo_stroke(cr);
  }
}

}  // namespace land
