#include "icons/Icons.h"

#include "common/Dragon.h"
#include "image/Paint.h"
#include "image/Style.h"

#include <cairo.h>

#include <cstdio>
#include <filesystem>

namespace {

// The icon is drawn on a 256-unit tile and scaled to each size.
constexpr double kTile = 256;

void paintTile(cairo_t* cr) {
  const double inset = 10, radius = 44;
  roundedRectangle(cr, inset, inset, kTile - 2 * inset, kTile - 2 * inset, radius);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  fillLinear(cr, 0, inset, 0, kTile - inset, style::kSkyHigh, style::kSkyLow);
  // The evening sun low behind the dragon.
  cairo_new_path(cr);
  cairo_rectangle(cr, 0, 0, kTile, kTile);
  fillRadial(cr, 170, 190, 90, withAlpha(style::kTorchCore, 0.9), withAlpha(style::kSkyLow, 0.0));
  cairo_restore(cr);
  cairo_new_path(cr);
  roundedRectangle(cr, inset, inset, kTile - 2 * inset, kTile - 2 * inset, radius);
  setColour(cr, style::kGold);
  cairo_set_line_width(cr, 10);
  cairo_stroke(cr);
}

void paintIcon(cairo_t* cr, int size) {
  cairo_save(cr);
  cairo_scale(cr, size / kTile, size / kTile);
  paintTile(cr);
  DragonPose pose;
  pose.x = 142, pose.y = 138, pose.scale = 1.45;
  pose.facingLeft = true;
  pose.wing = 0.8;
  pose.fire = 0.35;
  pose.headTilt = 0.15;
  pose.body = style::kRulers[0].field;
  roundedRectangle(cr, 15, 15, kTile - 30, kTile - 30, 40);
  cairo_clip(cr);
  paintDragon(cr, pose);
  cairo_restore(cr);
}

bool writeIcon(const std::filesystem::path& folder, int size) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const std::string path = (folder / (std::string(kDesktopId) + ".png")).string();
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
  cairo_t* cr = cairo_create(surface);
  paintIcon(cr, size);
  cairo_destroy(cr);
  const bool written = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  if (!written) std::fprintf(stderr, "nupavane-content: cannot write '%s'\n", path.c_str());
  return written;
}

}  // namespace

bool writeIcons(const std::string& outDir) {
  for (int size : kIconSizes) {
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    if (!writeIcon(std::filesystem::path(outDir) / "icons" / "hicolor" / name / "apps", size)) return false;
  }
  return true;
}
