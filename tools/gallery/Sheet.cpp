#include "Gallery.h"

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace gallery {

namespace {

constexpr int kColumns = 5;
constexpr int kShotW = 320, kShotH = 240;
constexpr int kGap = 10, kLabelH = 20, kTitleH = 34;

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

struct Shot {
  std::string label;
  Surface picture{nullptr, cairo_surface_destroy};
};

std::string labelOf(const std::filesystem::path& file) {
  std::string name = file.stem().string();
  const size_t dash = name.find('-');
  if (dash != std::string::npos && dash < 4) name = name.substr(dash + 1);
  std::replace(name.begin(), name.end(), '_', ' ');
  return name;
}

std::vector<Shot> readShots(const std::string& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    if (entry.path().extension() == ".png") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  std::vector<Shot> shots;
  for (const auto& file : files) {
    Shot shot{labelOf(file), Surface(cairo_image_surface_create_from_png(file.c_str()), cairo_surface_destroy)};
    if (cairo_surface_status(shot.picture.get()) != CAIRO_STATUS_SUCCESS) {
      std::fprintf(stderr, "nupavane-gallery: cannot read %s\n", file.c_str());
      continue;
    }
    shots.push_back(std::move(shot));
  }
  return shots;
}

void drawLabel(cairo_t* cr, double x, double y, const std::string& text, double size) {
  cairo_set_font_size(cr, size);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

}  // namespace

int drawSheet(const std::string& folder, const std::string& out) {
  const std::vector<Shot> shots = readShots(folder);
  if (shots.empty()) {
    std::fprintf(stderr, "nupavane-gallery: no screenshots in %s\n", folder.c_str());
    return -1;
  }
  const int rows = (int(shots.size()) + kColumns - 1) / kColumns;
  const int width = kGap + kColumns * (kShotW + kGap), height = kTitleH + rows * (kShotH + kLabelH + kGap);
  Surface sheet(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height), cairo_surface_destroy);
  Context cr(cairo_create(sheet.get()), cairo_destroy);
  cairo_set_source_rgb(cr.get(), 0.16, 0.16, 0.18);
  cairo_paint(cr.get());
  cairo_select_font_face(cr.get(), "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_source_rgb(cr.get(), 0.95, 0.95, 0.95);
  drawLabel(cr.get(), kGap, 24, "nuPavane: every screen, " + std::to_string(shots.size()) + " shots at 1x", 16);
  for (size_t i = 0; i < shots.size(); ++i) {
    const int x = kGap + int(i % kColumns) * (kShotW + kGap);
    const int y = kTitleH + int(i / kColumns) * (kShotH + kLabelH + kGap);
    cairo_set_source_surface(cr.get(), shots[i].picture.get(), x, y);
    cairo_paint(cr.get());
    cairo_set_source_rgb(cr.get(), 0.9, 0.9, 0.9);
    drawLabel(cr.get(), x, y + kShotH + 15, std::to_string(i + 1) + ". " + shots[i].label, 12);
  }
  cairo_surface_flush(sheet.get());
  if (cairo_surface_write_to_png(sheet.get(), out.c_str()) != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "nupavane-gallery: cannot write %s\n", out.c_str());
    return -1;
  }
  return int(shots.size());
}

}  // namespace gallery
