#include "screens/IntroScreen.h"

#include "app/Application.h"
#include "core/Timer.h"
#include "screens/ScreenKit.h"

#include <algorithm>
#include <cstdio>

void IntroScreen::visible(bool on, ScreenParam) {
  if (on) {
    firstLogo_ = loadPicture("gfx\\logo\\logo_pinqar.jpg");
    secondLogo_ = loadPicture("gfx\\logo\\logo_corvel2.jpg");
    playSound(1037);  // the music starts
  } else {
    firstLogo_.reset();
    secondLogo_.reset();
    playSound(1038);
  }
}

void IntroScreen::draw(uint16_t* target) { std::fill(target, target + kScreenPixels, uint16_t(0)); }

// The flight goes at the handheld's pace; a frame that does not load is skipped, and the
// screen is presented all the same.
void IntroScreen::run(String& next) {
  Application* app = Application::instance();
  playSound(1039);
  char name[48];
  FramePace pace;
  for (int n = 2; n <= 2 * kFlightFrames; n += 2) {
    std::snprintf(name, sizeof name, "gfx\\logo\\nuFinal_NEWCAM_2%04d.jpg", n);
    Bitmap frame(String(name), true);
    frame.draw(0, 62, app->getFramebuffer());
    app->update(true);
    pace.hold();
  }
  wait(1000);
  showLogo(*firstLogo_);
  showLogo(*secondLogo_);
  playSound(1040);
  next = "START";
}

void IntroScreen::showLogo(const Bitmap& logo) {
  fadeOutScreen();
  Bitmap picture(kScreenWidth, kScreenHeight);
  logo.drawTo(0, 0, picture);
  fadeInPicture(picture);
  wait(1500);
}
