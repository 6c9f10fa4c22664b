// Where things lie on the shop screen: the two lists, their button columns, the controls
// painted into the background and the tap zones of its map. The background and the zone
// map are both drawn from these numbers, so a tap lands where its control is shown.
#pragma once

namespace shop {

// An inclusive rectangle of screen pixels.
struct Area {
  int left, top, right, bottom;
  int width() const { return right - left + 1; }
  int height() const { return bottom - top + 1; }
};

// The two item lists: the dealer's offer on the left, the customer's goods on the right.
inline constexpr Area kDealerList{68, 25, 184, 171};
inline constexpr Area kPlayerList{189, 25, 319, 171};

// The quantity buttons: a column at the right of each list, seven rows 21 pixels apart; in
// each row "one more" above, "one less" below.
inline constexpr int kRows = 7;
inline constexpr int kRowPitch = 21;
inline constexpr int kFirstRowTop = 25;
inline constexpr int kMoreRows = 10;  // y 25 + 21r ... 34 + 21r
inline constexpr int kLessRows = 11;  // y 35 + 21r ... 45 + 21r
inline constexpr int kDealerColumnLeft = 177, kDealerColumnRight = 184;
inline constexpr int kPlayerColumnLeft = 307, kPlayerColumnRight = 315;
// The pressed arrows are drawn one pixel inside the column.
inline constexpr int kArrowWidth = 7, kArrowHeight = 10;

inline constexpr int rowTop(int row) { return kFirstRowTop + kRowPitch * row; }

// Controls that live only in the background and the zone map.
inline constexpr Area kExit{304, 223, 319, 239};
inline constexpr Area kScrollDown{302, 172, 319, 192};
inline constexpr Area kScrollUp{290, 0, 306, 22};
inline constexpr Area kConfirm{276, 195, 301, 220};  // the pressed OK button is drawn here

// The slips under the lists on which the totals and the question are written (black text).
inline constexpr Area kDealerSlip{68, 173, 184, 197};
inline constexpr Area kPlayerSlip{189, 173, 300, 214};

// The headers are laid over the background at these places.
inline constexpr int kHeaderWidth = 100, kHeaderHeight = 20;
inline constexpr int kDealerHeaderX = 68, kPlayerHeaderX = 189, kHeaderY = 6;

// The dealer's face stands in the bottom-left corner, left of the dealer's list.
inline constexpr int kFaceWidth = 64, kFaceHeight = 96;

// The bird crossing the sky.
inline constexpr int kBirdWidth = 20, kBirdHeight = 14, kBirdFrames = 30;

// Zone colours of the map, as 8-bit RGB.
struct Rgb {
  unsigned char r, g, b;
};
inline constexpr Rgb kZoneNothing{0, 0, 0};
inline constexpr Rgb kZoneLeave{198, 195, 255};       // 0xC61F
inline constexpr Rgb kZoneScrollDown{198, 255, 198};  // 0xC7F8
inline constexpr Rgb kZoneScrollUp{255, 255, 255};    // 0xFFFF
inline constexpr Rgb kZoneConfirm{198, 255, 255};     // 0xC7FF
inline constexpr Rgb kZoneLess{255, 255, 0};          // 0xFFE0; the rest of a column is "more"

}  // namespace shop
