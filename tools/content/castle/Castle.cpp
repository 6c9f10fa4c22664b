// The castle's pictures: the great hall with its waving banner, the navigation bar and
// symbols, the dealer's corner and the zone map made from the same shapes.
#include "Content.h"
#include "castle/Art.h"
#include "castle/Hall.h"
#include "castle/Mask.h"
#include "castle/Strip.h"
#include "image/Encode.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kAnimationFrames = 30;

void addCastle(ContentList& gfx, const ContentSources&) {
  {
    Canvas hall(320, 240);
    castle::paintHall(hall, 0);
    gfx.push_back({"gfx\\castle\\bgn.jpg", encodeJpeg(hall.rgb(false), 92)});
  }
  // Each frame is the whole hall painted with the banner further along its loop, cut at
  // the animation's place, so the frame meets the background without a seam.
  for (int frame = 0; frame < kAnimationFrames; ++frame) {
    Canvas hall(320, 240);
    castle::paintHall(hall, double(frame) / kAnimationFrames);
    char name[40];
    std::snprintf(name, sizeof name, "gfx\\castle\\ani\\ani%02d.jpg", frame);
    gfx.push_back({name, encodeJpeg(art::cut(hall, hall::kAnimationX, hall::kAnimationY, hall::kAnimationW,
                                             hall::kAnimationH), 92)});
  }
  Canvas bar(320, 40);
  castle::paintNavigationBar(bar);
  gfx.push_back({"gfx\\castle\\navbar.jpg", encodeJpeg(bar.rgb(false), 92)});
  Canvas strip(320, 50);
  castle::paintSymbolStrip(strip);
  gfx.push_back({"gfx\\castle\\symbols.gif", encodeGif(strip.rgb(true))});
  for (bool present : {true, false}) {
    Canvas dealer(50, 50);
    castle::paintDealer(dealer, present);
    gfx.push_back({present ? "gfx\\castle\\traderon.bmp" : "gfx\\castle\\traderoff.bmp", encodeBmp(dealer.rgb(true))});
  }
  RgbPixels zones = castle::castleZoneMap();
  if (!castle::zoneMapIsSound(zones)) std::exit(1);
  gfx.push_back({"gfx\\castle\\mask.gif", encodeGif(zones)});
}

}  // namespace

CONTENT_FAMILY(castle, addCastle);
