// The two modal dialogs any screen may open over its own picture: a message that waits
// for one tap, and a choice among one to three buttons.
#include "app/Application.h"
#include "app/Screen.h"
#include "gfx/Bitmap.h"
#include "gfx/Colour.h"
#include "gfx/FontManager.h"

#include <cstdio>
#include <iterator>

namespace {

constexpr int kPanelX = 11;
constexpr int kLineFont = 3;  // small yellow
constexpr int kLineStep = 17;
constexpr int kButtonTop = 35;
constexpr int kButtonGap = 5;

// Lines are split at line feeds and drawn until the first empty line or the end.
void drawLines(const String& text, int firstBaseline, uint16_t* framebuffer) {
  const FontManager& fonts = FontManager::instance();
  String rest = text;
  for (int y = firstBaseline;; y += kLineStep) {
    String line = rest.beforeFirst('\n');
    if (line.length() == 0) return;
    fonts.drawText(kLineFont, 0, y, line, framebuffer, AlignCentre);
    rest = rest.afterFirst('\n');
  }
}

}  // namespace

// Without them no question can be asked: a button of width 0 can never be pressed. The
// first picture missing or damaged is named.
bool Application::loadDialogPictures() {
  const char* names[] = {"gfx\\dialog.bmp", "gfx\\gui\\button_off.bmp", "gfx\\gui\\button_on.bmp"};
  std::unique_ptr<Bitmap>* pictures[] = {&dialog_, &buttonOff_, &buttonOn_};
  for (size_t i = 0; i < std::size(names); ++i) {
    *pictures[i] = std::make_unique<Bitmap>(String(names[i]), true);
    if ((*pictures[i])->isLoaded(String(names[i]))) continue;
    std::fprintf(stderr, "Application::loadDialogPictures(): ERROR: the picture '%s' is missing or damaged !\n", names[i]);
    std::fflush(stderr);
    return false;
  }
  return true;
}

void Application::closeDialog(Screen* screen) {
  if (screen) screen->draw(getFramebuffer());
  else clearScreen(0);
  update(true);
}

void Application::showMessage(Screen* screen, const String& text) {
  uint16_t* framebuffer = getFramebuffer();
  dialog_->draw(kPanelX, 0, framebuffer, kMaskColour);
  drawLines(text, 30, framebuffer);
  update(true);
  waitForClick();
  closeDialog(screen);
}

int Application::askChoice(Screen* screen, const String& text, const String* labels, int count) {
  if (count < 1 || count > 3) return -1;
  uint16_t* framebuffer = getFramebuffer();
  dialog_->draw(kPanelX, 0, framebuffer, kMaskColour);
  drawLines(text, 25, framebuffer);
  const int h = buttonOff_->getHeight();
  const int step = buttonOff_->getWidth() + kButtonGap;
  const int x0 = 158 - (count * step) / 2;
  for (int i = 0; i < count; ++i) drawButton(x0 + i * step, kButtonTop, labels[i], false, framebuffer);
  update(true);

  auto onButtonRow = [&](int y) { return y >= kButtonTop && y <= kButtonTop + h; };
  for (;;) {
    waitForClick();
    int x, y;
    getPenPosition(x, y);
    if (!onButtonRow(y) || x < x0 || x >= x0 + count * step) continue;
    // The gap after a button belongs to it.
    const int i = (x - x0) / step;
    drawButton(x0 + i * step, kButtonTop, labels[i], true, framebuffer);
    do update(true);
    while (isPenDown());
    drawButton(x0 + i * step, kButtonTop, labels[i], false, framebuffer);
    // Chosen only when the stylus lifts on the same button.
    getPenPosition(x, y);
    if (onButtonRow(y) && x >= x0 + i * step && x <= x0 + (i + 1) * step) {
      closeDialog(screen);
      return i;
    }
  }
}

// The panel under the button is restored first, so a pressed and a released button can
// be drawn over each other. The label sinks 2 pixels right and down while pressed.
void Application::drawButton(int x, int y, const String& label, bool pressed, uint16_t* framebuffer) {
  const Bitmap& button = pressed ? *buttonOn_ : *buttonOff_;
  const int w = button.getWidth(), h = button.getHeight();
  dialog_->drawPart(x - kPanelX, y, w, h, framebuffer, x, y, kMaskColour);
  button.draw(x, y, framebuffer, kMaskColour);
  const FontManager& fonts = FontManager::instance();
  const int labelX = x + w / 2 - fonts.textWidth(kLineFont, label) / 2 + (pressed ? 2 : 0);
  fonts.drawText(kLineFont, labelX, y + h - (pressed ? 6 : 8), label, framebuffer, AlignLeft);
}
