// The end of a month ("ENGINE"): every ruler's own month, then the land's, with its fights
// and deaths shown by the screens it calls; then the month's report on a scroll until a
// tap. A completed talisman, or a month that leaves no human ruler, asks for a new game.
#pragma once

#include "app/Screen.h"
#include "gfx/Bitmap.h"

#include <memory>
#include <vector>

class MonthEndScreen : public Screen {
public:
  // Lines shown on the scroll at once, and where they go.
  static constexpr int kShownLines = 8;
  static constexpr int kFirstBaseline = 65;
  static constexpr int kLineSpacing = 20;
  static constexpr int kReportFont = 3;
  static constexpr int kScrollX = 11;
  static constexpr int kScrollY = 10;

  void getName(String& out) override { out = "ENGINE"; }
  // Also called around every screen the month opens over this one: the report is emptied
  // each time, and a backdrop drawn anew.
  void visible(bool on, ScreenParam param) override;
  void run(String& next) override;
  void draw(uint16_t* target) override;

  // The month's report while the screen shows it, and its first line on the scroll.
  const std::vector<String>& report() const { return report_; }
  int firstLine() const { return first_; }

private:
  void runMonth();
  void showReport();
  // Up or down held: waits for the key's release, then moves the scroll one line.
  void scrollWithKeys();
  static bool anyHumanLeft();

  std::unique_ptr<Bitmap> background_, scroll_;
  std::vector<String> report_;
  bool done_ = false;
  int first_ = 0;
  int maxFirst_ = 0;
};
