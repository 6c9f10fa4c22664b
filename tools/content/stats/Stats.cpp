// The dragon statistics' pictures (the gauges, the bottom strip, the potion icon and the
// dragon's four idle animations) and the death announcement's picture.
#include "Content.h"
#include "mage/PaintKit.h"
#include "stats/Gauges.h"
#include "stats/JpegCheck.h"
#include "stats/Lair.h"
#include "stats/StatsLayout.h"

#include <string>

namespace stats {

namespace {

void addGauges(ContentList& gfx) {
  for (int attribute = 0; attribute < kAttributes; ++attribute) {
    for (bool full : {false, true}) {
      const std::string name = "gfx\\cellar\\stats\\" + std::to_string(attribute) + (full ? "g.jpg" : "r.jpg");
      Canvas canvas(kColumnW, kColumnH);
      paintGauge(canvas, attribute, full);
      const RgbPixels pixels = canvas.rgb(true);
      // The empty tube must be exactly the see-through blocks, and stay so after JPEG.
      for (int y = 0; y < kColumnH; ++y)
        for (int x = 0; x < kColumnW; ++x) {
          const uint8_t* c = pixels.at(x, y);
          if (isKeyColour(c[0], c[1], c[2]) != (!full && inTube(x, y))) paintkit::fail("'" + name + "' has its key colour astray");
        }
      gfx.push_back({name, checkedJpeg(name, pixels, true)});
    }
  }
}

void addStrip(ContentList& gfx) {
  Canvas canvas(kScreenW, kScreenH - kStripY);
  paintStrip(canvas);
  gfx.push_back({"gfx\\cellar\\stats\\bgn_task.jpg", checkedJpeg("bgn_task", canvas.rgb(false), false)});
  Canvas potion(kPotionW, kPotionH);
  paintPotion(potion);
  gfx.push_back({"gfx\\cellar\\stats\\ico_trank.jpg", checkedJpeg("ico_trank", potion.rgb(false), true)});
}

void addStats(ContentList& gfx, const ContentSources&) {
  addGauges(gfx);
  addStrip(gfx);
  addAnimations(gfx);
  addDeathPicture(gfx);
}

}  // namespace

}  // namespace stats

CONTENT_FAMILY(stats, stats::addStats);
