// gfx\fight\map.jpg: the land of the villages, 640 x 480, with the three rulers' castles
// in their cells.
#include "land/LandEntries.h"
#include "land/MapGeometry.h"
#include "land/Scenery.h"

#include "image/Canvas.h"
#include "image/Encode.h"
#include "image/Style.h"

#include <cmath>

namespace land {

namespace {

void paintCastles(cairo_t* cr) {
  for (int player = 0; player < 3; ++player) {
    const CastleSite& site = kCastles[player];
    const double x = site.column * kCell + kCell / 2.0, y = site.row * kCell + kCell + 5;
    cairo_save(cr);  // a shadow on the ground
    cairo_translate(cr, x + 3, y);
    cairo_scale(cr, 18, 4);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    setColour(cr, rgb(20, 30, 10, 0.4));
    cairo_fill(cr);
    paintCastle(cr, x, y, 32, style::kRulers[player]);
  }
}

// Evening light: warm from the upper left, a little darker towards the far corner.
void paintLight(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, kMapWidth, kMapHeight);
  setLinear(cr, 0, 0, kMapWidth, kMapHeight, rgb(255, 200, 120, 0.10), rgb(40, 20, 60, 0.16));
  cairo_fill(cr);
}

}  // namespace

void addMap(ContentList& gfx, const ContentSources& sources) {
  const std::vector<VillageSite> villages = readVillages(sources.dataDir + "/country.xml");
  const auto tracks = roads(villages);
  Canvas canvas(kMapWidth, kMapHeight);
  cairo_t* cr = canvas.cr();
  paintGround(cr, villages);
  paintFields(cr, villages, tracks);
  paintWater(cr);
  paintRoads(cr, tracks);
  paintWoodsAndHills(cr, villages, tracks);
  paintCastles(cr);
  paintLight(cr);
  gfx.push_back({"gfx\\fight\\map.jpg", encodeJpeg(canvas.rgb(false), 90)});
}

}  // namespace land
