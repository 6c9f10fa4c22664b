// The land and its fights: the map with its settlements, the fight screen's panel and task
// dialog, the month-end pictures and the fight animations.
#include "land/LandEntries.h"

namespace {

void addLand(ContentList& gfx, const ContentSources& sources) {
  land::addMap(gfx, sources);
  land::addSettlements(gfx);
  land::addFightPanel(gfx);
  land::addTaskDialog(gfx);
  land::addMonthEnd(gfx);
  land::addVillageScenes(gfx);
  land::addHouses(gfx);
  land::addVillageDragon(gfx);
  land::addAirFight(gfx);
}

}  // namespace

CONTENT_FAMILY(land, addLand);
