#include "screens/SettingsScreen.h"

#include "app/Application.h"
#include "gfx/FontManager.h"
#include "screens/ScreenKit.h"
#include "screens/SettingsFile.h"
#include "sound/Sound.h"

namespace {

constexpr uint16_t kKey = 0xF81F;
constexpr int kFont = 3;

bool inside(int x, int y, int left, int top, int right, int bottom) {
  return x >= left && x <= right && y >= top && y <= bottom;
}

// The top-left of each slot's 21 x 21 square, slots 4 to 7 (left, right, up, down).
struct Square {
  int x, y;
};
constexpr Square kSquares[4] = {{104, 126}, {257, 126}, {104, 167}, {257, 167}};

// The pairing a turn leaves behind, slots 4 to 7.
constexpr int kTurnedPreset[4] = {6, 7, 5, 4};
constexpr int kUprightPreset[4] = {7, 6, 4, 5};

bool isDirectionSlot(int slot) { return slot >= KeyLeft && slot <= KeyDown; }

}  // namespace

SettingsScreen::SettingsScreen() {
  Application* app = Application::instance();
  int up = 0, down = 0, left = 0, right = 0;
  app->getKeyMapping(up, down, left, right);
  directionKey_[KeyLeft - 4] = left;
  directionKey_[KeyRight - 4] = right;
  directionKey_[KeyUp - 4] = up;
  directionKey_[KeyDown - 4] = down;
  soundOn_ = !Sound::instance().isMuted();
  arrows_[0] = loadPicture("gfx\\settings\\left.gif");
  arrows_[1] = loadPicture("gfx\\settings\\right.gif");
  arrows_[2] = loadPicture("gfx\\settings\\up.gif");
  arrows_[3] = loadPicture("gfx\\settings\\down.gif");
  soundOff_ = loadPicture("gfx\\settings\\sound_off.gif");
  soundOnPicture_ = loadPicture("gfx\\settings\\sound_on.gif");
  notTurned_ = loadPicture("gfx\\settings\\screen_left.gif");
  turned_ = loadPicture("gfx\\settings\\screen_right.gif");
}

int SettingsScreen::directionKey(int slot) const { return isDirectionSlot(slot) ? directionKey_[slot - 4] : 0; }

void SettingsScreen::visible(bool on, ScreenParam) {
  if (on) background_ = loadPicture("gfx\\settings\\scroll.jpg");
  else background_.reset();
  done_ = false;
  selectedDirection_ = -1;
  pendingColourFactor_ = 2.0 - colourFactor;
  playSound(on ? 1066 : 1067);
}

void SettingsScreen::run(String& next) {
  Application* app = Application::instance();
  done_ = false;
  while (!done_) {
    draw(app->getFramebuffer());
    app->update(true);
    if (!app->getClick()) continue;
    playSound(1068);
    int x = 0, y = 0;
    app->getPenPosition(x, y);
    handleTap(x, y);
  }
  save();
  app->setKeyMapping(directionKey_[KeyUp - 4], directionKey_[KeyDown - 4], directionKey_[KeyLeft - 4],
                     directionKey_[KeyRight - 4]);
  next = String();
}

void SettingsScreen::handleTap(int x, int y) {
  if (inside(x, y, 283, 193, 299, 210)) confirm();
  else if (inside(x, y, 105, 85, 130, 101)) toggleSound();
  else if (inside(x, y, 253, 86, 278, 102)) toggleTurn();
  else chooseDirection(x, y);
}

void SettingsScreen::confirm() {
  playSound(1069);
  if (mappingIsValid()) done_ = true;
  else Application::instance()->showMessage(this, String(kInvalidMapping));
}

bool SettingsScreen::mappingIsValid() const {
  for (int i = 0; i < 4; ++i)
    for (int j = i + 1; j < 4; ++j)
      if (directionKey_[i] == directionKey_[j]) return false;
  return true;
}

// Heard (or silenced) at once, before the screen is confirmed.
void SettingsScreen::toggleSound() {
  if (soundOn_) Sound::instance().mute();
  else Sound::instance().unmute();
  soundOn_ = !soundOn_;
}

// The picture turns on the next frame; the keys get the pairing that suits it.
void SettingsScreen::toggleTurn() {
  Application* app = Application::instance();
  app->turned = !app->turned;
  const int* preset = app->turned ? kTurnedPreset : kUprightPreset;
  for (int i = 0; i < 4; ++i) directionKey_[i] = preset[i];
}

void SettingsScreen::chooseDirection(int x, int y) {
  playSound(1071);
  for (int i = 0; i < 4; ++i) {
    if (!inside(x, y, kSquares[i].x, kSquares[i].y, kSquares[i].x + 20, kSquares[i].y + 20)) continue;
    Application* app = Application::instance();
    selectedDirection_ = KeyLeft + i;
    draw(app->getFramebuffer());
    app->update(true);
    directionKey_[i] = awaitDirectionKey();
    selectedDirection_ = -1;
    return;
  }
}

// Waits, without a time limit, for one of the four direction keys; the stylus and the
// other keys are ignored meanwhile (their taps are dropped, not kept for later).
int SettingsScreen::awaitDirectionKey() {
  Application* app = Application::instance();
  for (;;) {
    app->idle();
    app->getClick();
    for (int slot = KeyLeft; slot <= KeyDown; ++slot)
      if (app->isKeyDown(slot, false)) return slot;
  }
}

// The colour factor goes back as it was read; the flags as 1 or 0. A file that cannot be
// written leaves the settings in force for this run only.
void SettingsScreen::save() const {
  Settings settings;
  settings.colourFactor = 2.0 - pendingColourFactor_;
  settings.up = directionKey_[KeyUp - 4];
  settings.down = directionKey_[KeyDown - 4];
  settings.left = directionKey_[KeyLeft - 4];
  settings.right = directionKey_[KeyRight - 4];
  settings.turned = Application::instance()->turned;
  settings.soundOn = soundOn_;
  writeSettingsFile(settings);
}

void SettingsScreen::draw(uint16_t* target) {
  if (background_) background_->draw(0, 0, target);
  const FontManager& fonts = FontManager::instance();
  fonts.drawText(kFont, 130, 32, String("Settings"), target, AlignLeft);
  drawLabel(KeyLeft, 13, 142, "Cursor Left:", target);
  drawLabel(KeyUp, 13, 182, "Cursor Up:", target);
  drawLabel(KeyRight, 158, 142, "Cursor Right:", target);
  drawLabel(KeyDown, 158, 182, "Cursor Down:", target);
  for (int i = 0; i < 4; ++i) {
    if (KeyLeft + i == selectedDirection_) continue;
    const int code = directionKey_[i];
    if (isDirectionSlot(code) && arrows_[code - 4]) arrows_[code - 4]->draw(kSquares[i].x, kSquares[i].y, target, kKey);
  }
  fonts.drawText(kFont, 13, 102, String("Sound on/off:"), target, AlignLeft);
  const Bitmap* sound = soundOn_ ? soundOnPicture_.get() : soundOff_.get();
  if (sound) sound->draw(105, 85, target, kKey);
  fonts.drawText(kFont, 158, 102, String("Turn screen:"), target, AlignLeft);
  const Bitmap* turn = Application::instance()->turned ? turned_.get() : notTurned_.get();
  if (turn) turn->draw(253, 86, target, kKey);
}

// The label of the slot waiting for its key is pushed 2 pixels right and down.
void SettingsScreen::drawLabel(int slot, int x, int y, const char* text, uint16_t* target) const {
  const int shift = slot == selectedDirection_ ? 2 : 0;
  FontManager::instance().drawText(kFont, x + shift, y + shift, String(text), target, AlignLeft);
}
