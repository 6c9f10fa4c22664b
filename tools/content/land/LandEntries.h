// The land family's pictures, one function per group; Land.cpp registers them together.
#pragma once

#include "Content.h"

namespace land {

void addMap(ContentList& gfx, const ContentSources& sources);  // gfx\fight\map.jpg
void addSettlements(ContentList& gfx);   // tribe, village, crosses, order and guard marks
void addFightPanel(ContentList& gfx);    // the left panel and its icons, gfx\exit.bmp
void addFightIcons(ContentList& gfx);    // the village value symbols and the four terrain pictures
void addTaskDialog(ContentList& gfx);    // dragon_bgn, the task rows, the effort bar, the name list
void addMonthEnd(ContentList& gfx);      // gfx\engine\bgn00-03.jpg, gfx\cellar\scroll.gif
void addVillageScenes(ContentList& gfx); // gfx\action\label.jpg, gfx\action\village\bgn00-02.jpg
void addHouses(ContentList& gfx);        // gfx\action\village\houses\house*_*.gif
void addVillageDragon(ContentList& gfx); // gfx\action\village\dragon\fl*.gif, fi*.gif
void addAirFight(ContentList& gfx);      // gfx\action\dragon\dr00-38.jpg

}  // namespace land
