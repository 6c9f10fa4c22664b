// The pictures around a game: the intro's camera flight and the two logos, the title
// screen with its start button, the credits and the closing picture of a won game.
#pragma once

#include "image/Canvas.h"

namespace flow {

inline constexpr int kIntroFrames = 50;
inline constexpr int kIntroW = 320, kIntroH = 116;
inline constexpr int kButtonFrames = 12;
inline constexpr int kButtonX = 200, kButtonY = 182, kButtonW = 90, kButtonH = 48;

void paintIntroFrame(Canvas& canvas, int frame);     // 320 x 116
void paintLogo(Canvas& canvas, int which);           // 320 x 240; 0 the first, 1 the second
void paintTitleScreen(Canvas& canvas, int buttonFrame);  // 320 x 240, the button as in that frame
void paintCredits(Canvas& canvas);                   // 320 x 240
void paintClosing(Canvas& canvas);                   // 320 x 240

}  // namespace flow
