// The task dialog of the fight screen (gfx\fight\dragon_bgn.gif with the rows, the effort
// bar, OK and cancel painted in), the three task rows in their chosen look, the effort bar
// empty and full, and the pop-up list of dragons.
#include "land/LandEntries.h"
#include "land/PanelKit.h"
#include "land/Scenery.h"

#include "image/Canvas.h"
#include "image/Encode.h"

#include <cmath>

namespace land {

namespace {

// Where the game draws and taps, relative to the dialog's corner at screen (21, 71).
constexpr int kDialogW = 134, kDialogH = 122;
constexpr int kRowX = 7, kRowY = 31, kRowStep = 29, kRowW = 72, kRowH = 22;
constexpr int kBarX = 91, kBarY = 32, kBarW = 11, kBarH = 51;
constexpr int kOkX = 110, kOkY = 69, kOkW = 19, kOkH = 15;       // screen x 131..149, y 140..154
constexpr int kCancelY = 85, kCancelH = 34;                      // screen y 156..189

// ---- task icons ----
void attackIcon(cairo_t* cr, double x, double y) {  // three claw slashes
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, x + 3 + i * 4.5, y + 2);
    cairo_curve_to(cr, x + 7 + i * 4.5, y + 8, x + 5 + i * 4.5, y + 13, x + i * 4.5, y + 17);
    cairo_curve_to(cr, x + 3.5 + i * 4.5, y + 12, x + 4.5 + i * 4.5, y + 8, x + 3 + i * 4.5, y + 2);
  }
  setLinear(cr, x, y, x, y + 18, rgb(255, 200, 90), rgb(200, 40, 20));
  cairo_fill(cr);
}

void occupyIcon(cairo_t* cr, double x, double y) {  // a tower under a banner
  cairo_rectangle(cr, x + 4, y + 7, 9, 11);
  setLinear(cr, x + 4, 0, x + 13, 0, rgb(210, 200, 184), rgb(110, 100, 96));
  cairo_fill(cr);
  for (int i = 0; i < 3; ++i) cairo_rectangle(cr, x + 4 + i * 3.5, y + 5, 2, 2);
  setColour(cr, rgb(180, 170, 160));
  cairo_fill(cr);
  cairo_rectangle(cr, x + 7, y + 13, 3, 5);
  setColour(cr, rgb(40, 26, 20));
  cairo_fill(cr);
  cairo_move_to(cr, x + 8.5, y + 5);
  cairo_line_to(cr, x + 8.5, y - 1);
  setColour(cr, rgb(60, 40, 30));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_move_to(cr, x + 9, y - 1);
  cairo_line_to(cr, x + 16, y + 1);
  cairo_line_to(cr, x + 9, y + 3);
  cairo_close_path(cr);
  setColour(cr, rgb(220, 60, 40));
  cairo_fill(cr);
}

void recallIcon(cairo_t* cr, double x, double y) {  // an arrow curving back home
  cairo_arc(cr, x + 9, y + 10, 6.5, -M_PI * 0.9, M_PI * 0.6);
  setColour(cr, rgb(150, 200, 255));
  cairo_set_line_width(cr, 2.4);
  cairo_stroke(cr);
  cairo_move_to(cr, x + 0.5, y + 5);
  cairo_line_to(cr, x + 6, y + 3);
  cairo_line_to(cr, x + 4.5, y + 9.5);
  cairo_close_path(cr);
  cairo_fill(cr);
}

// One task row: the icon and the task's word; `chosen` lights it up.
void taskRow(cairo_t* cr, double x, double y, int task, bool chosen) {
  static const char* const kWords[3] = {"Attack", "Occupy", "Recall"};
  roundedRectangle(cr, x + 0.5, y + 0.5, kRowW - 1, kRowH - 1, 4);
  if (chosen) setLinear(cr, 0, y, 0, y + kRowH, rgb(170, 120, 50), rgb(90, 56, 20));
  else setLinear(cr, 0, y, 0, y + kRowH, rgb(30, 22, 42), rgb(44, 34, 60));
  cairo_fill_preserve(cr);
  setColour(cr, chosen ? kGiltLight : rgb(120, 88, 40));
  cairo_set_line_width(cr, chosen ? 1.4 : 1);
  cairo_stroke(cr);
  if (task == 0) attackIcon(cr, x + 3, y + 2);
  if (task == 1) occupyIcon(cr, x + 3, y + 3);
  if (task == 2) recallIcon(cr, x + 3, y + 1);
  cairo_select_font_face(cr, "DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 10.5);
  cairo_move_to(cr, x + 23, y + 15);
  setColour(cr, chosen ? rgb(255, 244, 200) : rgb(176, 150, 100));
  cairo_show_text(cr, kWords[task]);
}

// ---- the effort bar ----
void effortBar(cairo_t* cr, double x, double y, bool full) {
  groove(cr, x, y, kBarW, kBarH);
  if (full) {
    roundedRectangle(cr, x + 1.5, y + 1.5, kBarW - 3, kBarH - 3, 1.5);
    cairo_pattern_t* fire = cairo_pattern_create_linear(0, y, 0, y + kBarH);
    cairo_pattern_add_color_stop_rgb(fire, 0, 1.0, 0.92, 0.5);
    cairo_pattern_add_color_stop_rgb(fire, 0.5, 0.96, 0.55, 0.12);
    cairo_pattern_add_color_stop_rgb(fire, 1, 0.7, 0.12, 0.06);
    cairo_set_source(cr, fire);
    cairo_fill(cr);
    cairo_pattern_destroy(fire);
    cairo_rectangle(cr, x + 3, y + 2, 1.5, kBarH - 4);
    setColour(cr, rgb(255, 255, 220, 0.5));
    cairo_fill(cr);
  }
  // Ticks at the thirds, where the bar snaps.
  setColour(cr, full ? rgb(90, 30, 10) : rgb(150, 116, 60));
  for (int i = 1; i < 3; ++i) cairo_rectangle(cr, x + 1, y + i * (kBarH / 3), kBarW - 2, 1);
  cairo_fill(cr);
}

// ---- OK and cancel, painted into the dialog ----
void okButton(cairo_t* cr, double x, double y) {
  bevelButton(cr, x, y, kOkW, kOkH, false);
  cairo_move_to(cr, x + 4.5, y + 7.5);
  cairo_line_to(cr, x + 8, y + 11);
  cairo_line_to(cr, x + 14.5, y + 3.5);
  setColour(cr, rgb(170, 250, 140));
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
}

void cancelButton(cairo_t* cr, double x, double y) {
  bevelButton(cr, x, y, kOkW, kCancelH, false);
  const double cx = x + kOkW / 2.0, cy = y + kCancelH / 2.0;
  cairo_move_to(cr, cx - 4.5, cy - 4.5);
  cairo_line_to(cr, cx + 4.5, cy + 4.5);
  cairo_move_to(cr, cx + 4.5, cy - 4.5);
  cairo_line_to(cr, cx - 4.5, cy + 4.5);
  setColour(cr, rgb(255, 120, 100));
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
}

// A dragon's eye watching over the dialog's corner, above OK.
void watchfulEye(cairo_t* cr, double cx, double cy) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, 8, 5);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  setRadial(cr, cx - 1, cy - 1, 8, rgb(255, 240, 130), rgb(220, 110, 20));
  cairo_fill_preserve(cr);
  setColour(cr, kGilt);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, 1.3, 4.5);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  setColour(cr, rgb(20, 10, 10));
  cairo_fill(cr);
}

void paintDialog(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  framedPanel(cr, 0, 0, kDialogW, kDialogH, 8, 71, false);
  // A band for the dragon's name at the top.
  setLinear(cr, 4, 0, kDialogW - 30, 0, rgb(196, 152, 64, 0.8), rgb(196, 152, 64, 0));
  cairo_rectangle(cr, 5, 25, kDialogW - 34, 1);
  cairo_fill(cr);
  for (int task = 0; task < 3; ++task) taskRow(cr, kRowX, kRowY + task * kRowStep, task, false);
  effortBar(cr, kBarX, kBarY, false);
  watchfulEye(cr, kOkX + kOkW / 2.0, 45);
  okButton(cr, kOkX, kOkY);
  cancelButton(cr, kOkX, kCancelY);
}

void paintListTop(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  cairo_move_to(cr, 0, 6);
  cairo_line_to(cr, 0, 4);
  cairo_arc(cr, 4, 4, 4, M_PI, 1.5 * M_PI);
  cairo_arc(cr, 83, 4, 4, 1.5 * M_PI, 2 * M_PI);
  cairo_line_to(cr, 87, 6);
  cairo_close_path(cr);
  setLinear(cr, 0, 0, 0, 6, kGiltLight, kGiltDark);
  cairo_fill(cr);
  cairo_rectangle(cr, 2, 3, 83, 3);
  setColour(cr, kPanelTop);
  cairo_fill(cr);
}

void paintListRow(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  cairo_rectangle(cr, 0, 0, 85, 18);
  fillPanel(cr, 0, 18, 18);
  cairo_rectangle(cr, 0, 0, 1, 18);
  cairo_rectangle(cr, 84, 0, 1, 18);
  cairo_rectangle(cr, 0, 17, 85, 1);
  setColour(cr, kGilt);
  cairo_fill(cr);
  cairo_arc(cr, 3.5, 11, 1.2, 0, 2 * M_PI);  // a bullet before the name
  setColour(cr, kGiltDark);
  cairo_fill(cr);
}

}  // namespace

void addTaskDialog(ContentList& gfx) {
  Canvas dialog(kDialogW, kDialogH);
  paintDialog(dialog);
  gfx.push_back({"gfx\\fight\\dragon_bgn.gif", encodeGif(dialog.rgb(true))});
  for (int task = 0; task < 3; ++task) {
    Canvas row(kRowW, kRowH);
    taskRow(row.cr(), 0, 0, task, true);
    gfx.push_back({"gfx\\fight\\task0" + std::to_string(task) + ".gif", encodeGif(row.rgb(true))});
  }
  Canvas empty(kBarW, kBarH), full(kBarW, kBarH);
  cairo_rectangle(empty.cr(), 0, 0, kBarW, kBarH);  // drawn unkeyed: the corners too are panel
  setColour(empty.cr(), kPanelTop);
  cairo_fill(empty.cr());
  effortBar(empty.cr(), 0, 0, false);
  effortBar(full.cr(), 0, 0, true);
  gfx.push_back({"gfx\\fight\\large_bgn.gif", encodeGif(empty.rgb(false))});
  gfx.push_back({"gfx\\fight\\large_bar.gif", encodeGif(full.rgb(true))});
  Canvas top(87, 6), row(85, 18);
  paintListTop(top);
  paintListRow(row);
  gfx.push_back({"gfx\\fight\\names_top.gif", encodeGif(top.rgb(true))});
  gfx.push_back({"gfx\\fight\\names_bgn.gif", encodeGif(row.rgb(true))});
}

}  // namespace land
