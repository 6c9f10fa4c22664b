// The villages over the 640 x 480 map picture: each settlement's picture, a dragon head
// on a guarded one, its owner's cross, and the current ruler's order mark.
#include "world/CountryManager.h"

#include "players/PlayerManager.h"

namespace {

constexpr uint16_t kKey = 0xF81F;
// The last pixel column and row of the map picture: pictures are pulled back inside.
constexpr int kMapRight = 639;
constexpr int kMapBottom = 479;

int keptInside(int at, int size, int last) { return at + size > last ? last - size : at; }

}  // namespace

void CountryManager::drawVillages(Bitmap& target) {
  const int current = PlayerManager::exists() ? PlayerManager::instance().current() : -1;
  for (const Village& v : villages_) {
    // Only the races whose pictures were loaded have pictures.
    if (v.race < 0 || v.race >= kMaxRaces || v.race >= raceCount()) continue;
    if (v.x < 0 || v.x >= kColumns || v.y < 0 || v.y >= kRows) continue;
    const Bitmap* picture = (v.population > 1000 ? villageImages_ : tribeImages_)[v.race].get();
    if (!picture) continue;
    const int width = picture->getWidth(), height = picture->getHeight();
    const int x = keptInside(v.x * kCellPixels, width, kMapRight);
    const int y = keptInside(v.y * kCellPixels, height, kMapBottom);
    picture->drawTo(x, y, target, kKey);

    const MapCell& c = cell(v.x, v.y);
    if (c.guardDragon >= 0 && dragonHeadImage_) {
      const int headWidth = dragonHeadImage_->getWidth();
      dragonHeadImage_->drawTo(keptInside(x + width - 6, headWidth, kMapRight), y, target, kKey);
    }
    if (v.owner >= 0 && v.owner < 3 && crossImages_[v.owner]) {
      const Bitmap& cross = *crossImages_[v.owner];
      cross.drawTo(x, y + height - cross.getHeight(), target, kKey);
    }
    if (crossActionImage_ && hasOrder(current, v.x, v.y))
      crossActionImage_->drawTo(x + width - crossActionImage_->getWidth(), y, target, kKey);
  }
}
