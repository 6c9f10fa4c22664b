// The round screen's pictures: the throne hall behind the rulers, the thrones (frames) of
// the human players, the buttons and the hourglass that ends the round.
#pragma once

#include "image/Canvas.h"

namespace flow {

// Where the round screen draws each ruler's throne and portrait.
struct RulerPlace {
  int frameX, frameY, frameW, frameH;
  int portraitX, portraitY;
};
inline constexpr RulerPlace kRulerPlaces[3] = {
    {0, 39, 116, 117, 18, 49},
    {102, 75, 114, 114, 126, 80},
    {207, 42, 110, 111, 226, 50},
};
inline constexpr int kHourglassFrames = 15;

void paintThroneHall(Canvas& canvas);                 // 320 x 240
void paintThrone(Canvas& canvas, int ruler);         // the frame's size from kRulerPlaces
void paintHourglass(Canvas& canvas, int frame);       // 63 x 54
void paintChestButton(Canvas& canvas, bool saving);  // 24 x 30
void paintSettingsButton(Canvas& canvas);            // 30 x 30

}  // namespace flow
