// The pictures of the game's flow: the character choice, the round screen, the settings,
// and the intro, title, credits and closing screens.
#include "Content.h"
#include "flow/Panels.h"
#include "flow/Portraits.h"
#include "flow/Round.h"
#include "flow/Titles.h"
#include "castle/Art.h"
#include "image/Encode.h"

#include <cstdio>
#include <string>

namespace {

void addPortraits(ContentList& gfx) {
  for (int ruler = 0; ruler < 3; ++ruler) {
    Canvas portrait(flow::kPortraitW[ruler], flow::kPortraitH[ruler]);
    flow::paintPortrait(portrait, ruler);
    gfx.push_back({"gfx\\choose\\p" + std::to_string(ruler) + ".bmp", encodeBmp(portrait.rgb(true))});
  }
}

void addRound(ContentList& gfx) {
  Canvas hall(320, 240);
  flow::paintThroneHall(hall);
  gfx.push_back({"gfx\\choose\\bgn.jpg", encodeJpeg(hall.rgb(false), 90)});
  for (int ruler = 0; ruler < 3; ++ruler) {
    const flow::RulerPlace& place = flow::kRulerPlaces[ruler];
    Canvas throne(place.frameW, place.frameH);
    flow::paintThrone(throne, ruler);
    gfx.push_back({"gfx\\choose\\g" + std::to_string(ruler) + ".gif", encodeGif(throne.rgb(true))});
  }
  for (bool saving : {false, true}) {
    Canvas chest(24, 30);
    flow::paintChestButton(chest, saving);
    gfx.push_back({saving ? "gfx\\choose\\save.bmp" : "gfx\\choose\\load.bmp", encodeBmp(chest.rgb(true))});
  }
  Canvas cog(30, 30);
  flow::paintSettingsButton(cog);
  gfx.push_back({"gfx\\choose\\settings.gif", encodeGif(cog.rgb(true))});
  for (int frame = 0; frame < flow::kHourglassFrames; ++frame) {
    Canvas glass(63, 54);
    flow::paintHourglass(glass, frame);
    char name[48];
    std::snprintf(name, sizeof name, "gfx\\choose\\ani\\hourglass%04d.gif", frame);
    gfx.push_back({name, encodeGif(glass.rgb(true))});
  }
}

void addChoice(ContentList& gfx) {
  Canvas panel(298, 150);
  flow::paintChoicePanel(panel);
  gfx.push_back({"gfx\\dialog_large.gif", encodeGif(panel.rgb(true))});
}

void addSettings(ContentList& gfx) {
  Canvas scroll(320, 240);
  flow::paintSettingsScroll(scroll);
  gfx.push_back({"gfx\\settings\\scroll.jpg", encodeJpeg(scroll.rgb(false), 92)});
  const char* const arrows[4] = {"left", "right", "up", "down"};
  for (int direction = 4; direction < 8; ++direction) {
    Canvas arrow(21, 21);
    flow::paintArrow(arrow, direction);
    gfx.push_back({std::string("gfx\\settings\\") + arrows[direction - 4] + ".gif", encodeGif(arrow.rgb(true))});
  }
  for (bool on : {true, false}) {
    Canvas sound(flow::kSwitchW, flow::kSwitchH), turn(flow::kSwitchW, flow::kSwitchH);
    flow::paintSoundSwitch(sound, on);
    flow::paintTurnSwitch(turn, on);
    gfx.push_back({on ? "gfx\\settings\\sound_on.gif" : "gfx\\settings\\sound_off.gif", encodeGif(sound.rgb(true))});
    gfx.push_back({on ? "gfx\\settings\\screen_right.gif" : "gfx\\settings\\screen_left.gif", encodeGif(turn.rgb(true))});
  }
}

void addTitles(ContentList& gfx) {
  for (int frame = 0; frame < flow::kIntroFrames; ++frame) {
    Canvas picture(flow::kIntroW, flow::kIntroH);
    flow::paintIntroFrame(picture, frame);
    char name[48];  // only the even numbers 20002 to 20100
    std::snprintf(name, sizeof name, "gfx\\logo\\nuFinal_NEWCAM_2%04d.jpg", 2 * (frame + 1));
    gfx.push_back({name, encodeJpeg(picture.rgb(false), 88)});
  }
  const char* const logos[2] = {"gfx\\logo\\logo_pinqar.jpg", "gfx\\logo\\logo_corvel2.jpg"};
  for (int which = 0; which < 2; ++which) {
    Canvas logo(320, 240);
    flow::paintLogo(logo, which);
    gfx.push_back({logos[which], encodeJpeg(logo.rgb(false), 92)});
  }
  // The button frames are cut from the title screen painted with that frame's button, so
  // they sit on the background without a seam.
  for (int frame = 0; frame < flow::kButtonFrames; ++frame) {
    Canvas title(320, 240);
    flow::paintTitleScreen(title, frame);
    if (frame == 0) gfx.push_back({"gfx\\start\\bgn2.jpg", encodeJpeg(title.rgb(false), 90)});
    char name[40];
    std::snprintf(name, sizeof name, "gfx\\start\\button%03d.jpg", frame);
    gfx.push_back({name, encodeJpeg(art::cut(title, flow::kButtonX, flow::kButtonY, flow::kButtonW, flow::kButtonH), 92)});
  }
  Canvas credits(320, 240);
  flow::paintCredits(credits);
  gfx.push_back({"gfx\\start\\names.jpg", encodeJpeg(credits.rgb(false), 90)});
  Canvas closing(320, 240);
  flow::paintClosing(closing);
  gfx.push_back({"gfx\\final.jpg", encodeJpeg(closing.rgb(false), 90)});
}

void addFlow(ContentList& gfx, const ContentSources&) {
  addPortraits(gfx);
  addChoice(gfx);
  addSettings(gfx);
  addTitles(gfx);
  addRound(gfx);
}

}  // namespace

CONTENT_FAMILY(flow, addFlow);
