// The lie of the land on the 640 x 480 map: where the holly forest, the flint hills, the
// fens and the salt delta are, where the river runs and where the coast is. It follows the
// villages of data/country.xml: woodfolk in the west, miners in the north-east hills, reed
// and ferry towns along the river, fen folk in the south-west, salt fishers in the delta.
#pragma once

#include "land/Villages.h"

#include <cairo.h>

#include <vector>

namespace land {

struct MapPoint {
  double x, y;
};

struct Regions {
  double forest, hills, fen, delta;  // each 0..1
};
Regions regionsAt(double x, double y);

// How far (x, y) lies inside the sea, in pixels (negative on land).
double seaDepth(double x, double y);

// The river and its branches as smooth lines, each with its width at the start and end.
struct RiverCourse {
  std::vector<MapPoint> points;
  double widthFrom, widthTo;
};
const std::vector<RiverCourse>& riverCourses();
// Distance from (x, y) to the nearest water line of the river (not counting its width).
double riverDistance(double x, double y);

// Distance from (x, y) to the centre of the nearest village or castle cell.
double siteDistance(double x, double y, const std::vector<VillageSite>& villages);

// The roads: a tree of tracks joining every village and castle to its neighbours.
std::vector<std::vector<MapPoint>> roads(const std::vector<VillageSite>& villages);
double roadDistance(double x, double y, const std::vector<std::vector<MapPoint>>& tracks);

// The map and its pieces.
void paintGround(cairo_t* cr, const std::vector<VillageSite>& villages);
void paintWater(cairo_t* cr);
void paintRoads(cairo_t* cr, const std::vector<std::vector<MapPoint>>& tracks);
void paintFields(cairo_t* cr, const std::vector<VillageSite>& villages, const std::vector<std::vector<MapPoint>>& tracks);
void paintWoodsAndHills(cairo_t* cr, const std::vector<VillageSite>& villages,
                        const std::vector<std::vector<MapPoint>>& tracks);

}  // namespace land
