#include "ContactSheet.h"

#include <cairo.h>

#include <algorithm>
#include <memory>

namespace contact {

namespace {

constexpr int kMaxSheetWidth = 1400;
constexpr int kGap = 12;
constexpr int kLabelHeight = 28;
constexpr int kTitleHeight = 30;
constexpr double kLabelSize = 11;

struct Cell {
  const Picture* picture;
  int x, y, w, h;  // the whole cell, label included
  int scale;
};

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

double textWidth(cairo_t* cr, const std::string& text) {
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  return extents.x_advance;
}

std::string sizeLabel(const Picture& p, int scale) {
  std::string label = std::to_string(p.width) + " x " + std::to_string(p.height);
  if (scale > 1) label += "  (shown x" + std::to_string(scale) + ")";
  return p.decoded() ? label : "cannot be decoded";
}

// Lays the cells out in rows, left to right; returns the sheet's size.
std::vector<Cell> layOut(cairo_t* cr, const std::vector<Picture>& pictures, int& sheetW, int& sheetH) {
  std::vector<Cell> cells;
  int x = kGap, y = kTitleHeight, rowH = 0;
  sheetW = 400;
  for (const Picture& p : pictures) {
    const int scale = p.decoded() ? enlargement(p.width, p.height) : 1;
    const int pw = p.decoded() ? p.width * scale : 50, ph = p.decoded() ? p.height * scale : 50;
    const int w = std::max({pw, int(textWidth(cr, p.name)) + 2, int(textWidth(cr, sizeLabel(p, scale))) + 2});
    const int h = ph + kLabelHeight;
    if (x > kGap && x + w > kMaxSheetWidth) {
      x = kGap;
      y += rowH + kGap;
      rowH = 0;
    }
    cells.push_back({&p, x, y, w, h, scale});
    x += w + kGap;
    rowH = std::max(rowH, h);
    sheetW = std::max(sheetW, x);
  }
  sheetH = y + rowH + kGap;
  return cells;
}

void paintPicture(cairo_t* cr, const Cell& cell) {
  const Picture& p = *cell.picture;
  if (!p.decoded()) {
    cairo_set_source_rgb(cr, 0.8, 0.1, 0.1);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, cell.x, cell.y);
    cairo_line_to(cr, cell.x + 50, cell.y + 50);
    cairo_move_to(cr, cell.x + 50, cell.y);
    cairo_line_to(cr, cell.x, cell.y + 50);
    cairo_stroke(cr);
    return;
  }
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      const uint16_t c = p.rows[size_t(y) * p.width + x];
      double r, g, b;
      if (c == 0xF81F) {  // the key colour: a chequer shows what is left out
        const bool light = ((x * cell.scale / 4) + (y * cell.scale / 4)) % 2 == 0;
        r = g = b = light ? 0.42 : 0.34;
      } else {
        r = ((c >> 11) & 31) / 31.0, g = ((c >> 5) & 63) / 63.0, b = (c & 31) / 31.0;
      }
      cairo_set_source_rgb(cr, r, g, b);
      cairo_rectangle(cr, cell.x + x * cell.scale, cell.y + y * cell.scale, cell.scale, cell.scale);
      cairo_fill(cr);
    }
  }
}

void paintLabel(cairo_t* cr, const Cell& cell) {
  const Picture& p = *cell.picture;
  const int top = cell.y + cell.h - kLabelHeight;
  cairo_set_source_rgb(cr, 0.95, 0.92, 0.80);
  cairo_move_to(cr, cell.x, top + 12);
  cairo_show_text(cr, p.name.c_str());
  cairo_set_source_rgb(cr, 0.65, 0.65, 0.65);
  cairo_move_to(cr, cell.x, top + 24);
  cairo_show_text(cr, sizeLabel(p, cell.scale).c_str());
}

}  // namespace

int enlargement(int width, int height) {
  const int side = std::max(width, height);
  if (side <= 24) return 4;
  if (side <= 64) return 2;
  return 1;
}

bool writeSheet(const std::string& title, const std::vector<Picture>& pictures, const std::string& png) {
  // Measure with a scratch surface, then paint on one of the sheet's size.
  Surface scratch(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1), cairo_surface_destroy);
  Context measure(cairo_create(scratch.get()), cairo_destroy);
  cairo_select_font_face(measure.get(), "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(measure.get(), kLabelSize);
  int w = 0, h = 0;
  std::vector<Cell> cells = layOut(measure.get(), pictures, w, h);

  Surface sheet(cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h), cairo_surface_destroy);
  Context cr(cairo_create(sheet.get()), cairo_destroy);
  cairo_set_source_rgb(cr.get(), 0.16, 0.16, 0.18);
  cairo_paint(cr.get());
  cairo_select_font_face(cr.get(), "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr.get(), 15);
  cairo_set_source_rgb(cr.get(), 1, 0.85, 0.45);
  cairo_move_to(cr.get(), kGap, 20);
  const std::string heading = title + "  (" + std::to_string(pictures.size()) + " pictures)";
  cairo_show_text(cr.get(), heading.c_str());
  cairo_select_font_face(cr.get(), "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr.get(), kLabelSize);
  cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_NONE);
  for (const Cell& cell : cells) {
    paintPicture(cr.get(), cell);
    paintLabel(cr.get(), cell);
  }
  return cairo_surface_write_to_png(sheet.get(), png.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace contact
