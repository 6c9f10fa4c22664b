// The character choice panel and the settings scroll with its controls.
#pragma once

#include "image/Canvas.h"

namespace flow {

// 298 x 150, drawn at (11, 0): a dark panel with a lit niche where each portrait stands.
void paintChoicePanel(Canvas& canvas);

// The settings screen's places (screen coordinates).
struct Square {
  int x, y;
};
inline constexpr Square kDirectionSquares[4] = {{104, 126}, {257, 126}, {104, 167}, {257, 167}};  // left, right, up, down slots
inline constexpr int kSquareSize = 21;
inline constexpr Square kSoundSwitch{105, 85}, kTurnSwitch{253, 86};
inline constexpr int kSwitchW = 26, kSwitchH = 17;
inline constexpr int kConfirmLeft = 283, kConfirmTop = 193, kConfirmRight = 299, kConfirmBottom = 210;

void paintSettingsScroll(Canvas& canvas);  // 320 x 240
// An arrow for direction code 4 (left), 5 (right), 6 (up) or 7 (down), 21 x 21.
void paintArrow(Canvas& canvas, int direction);
// The sound switch (on or off) and the turn switch (turned or not), 26 x 17.
void paintSoundSwitch(Canvas& canvas, bool on);
void paintTurnSwitch(Canvas& canvas, bool turned);

}  // namespace flow
