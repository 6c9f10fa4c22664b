// The copy of the framebuffer to the panel, for the three panel layouts the game knows.
#include "app/Application.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

bool announced[4] = {};

// Each layout says its name once per run.
void announce(int displayType) {
  if (announced[displayType]) return;
  announced[displayType] = true;
  std::fprintf(stderr, "display type %d\n", displayType);
  std::fflush(stderr);
}

// A plain portrait panel: the framebuffer's runs are its lines. Turned, the picture is
// rotated by 180 degrees: framebuffer pixel i goes to panel pixel 76799 - i.
void copyPlain(const uint16_t* framebuffer, uint8_t* panel, bool turned) {
  auto* out = reinterpret_cast<uint16_t*>(panel);
  if (turned) std::reverse_copy(framebuffer, framebuffer + kScreenPixels, out);
  else std::memcpy(out, framebuffer, kScreenPixels * sizeof(uint16_t));
}

// A portrait panel whose lines lie 512 bytes apart. It cannot turn the picture; it says
// so on every frame while the picture should be turned.
void copyWideLines(const uint16_t* framebuffer, uint8_t* panel, bool turned) {
  for (int line = 0; line < kScreenWidth; ++line)
    std::memcpy(panel + line * 512, framebuffer + line * kScreenHeight, kScreenHeight * sizeof(uint16_t));
  if (turned) {
    std::fprintf(stderr, "d2: turnscreen\n");
    std::fflush(stderr);
  }
}

}  // namespace

// Any other panel is written pixel by pixel along its pitches. Run x, pixel k of the
// framebuffer is portrait pixel (k, x) of the panel, or (239 - k, 319 - x) turned. The
// start is reckoned from the panel's own origin and pitches, so that every store lands
// inside the panel whatever its orientation.
void Application::copyToPanel() {
  if (display_.bitsPerPixel != 16) return;  // such a panel gets no picture
  uint8_t* panel = platform_.beginDraw();
  const uint16_t* source = framebuffer_.data();
  if (display_.xPitch == 2 && display_.yPitch == 480) {
    announce(1);
    copyPlain(source, panel, turned);
  } else if (display_.xPitch == 2) {
    announce(2);
    copyWideLines(source, panel, turned);
  } else {
    announce(3);
    std::ptrdiff_t xStep = display_.xPitch, yStep = display_.yPitch;
    uint8_t* line = panel;
    if (turned) {
      line += (kScreenHeight - 1) * xStep + (kScreenWidth - 1) * yStep;
      xStep = -xStep;
      yStep = -yStep;
    }
    for (int run = 0; run < kScreenWidth; ++run, line += yStep) {
      uint8_t* out = line;
      for (int k = 0; k < kScreenHeight; ++k, out += xStep) std::memcpy(out, source++, sizeof(uint16_t));
    }
  }
  platform_.endDraw();
}
