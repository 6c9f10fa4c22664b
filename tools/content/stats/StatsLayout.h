// Where things stand on the dragon statistics screen and the death announcement. The game
// draws six gauge columns across the top (x 45 i), the dragon's name and age at (5, 216),
// the bottom strip from y 218, the potion at (280, 220) and the exit at (304, 223); the
// announcement's plate covers (31, 70) to (288, 159).
#pragma once

namespace stats {

inline constexpr int kScreenW = 320, kScreenH = 240;

// A gauge column: an empty one (keyed, its tube's inside see-through) and a full one of the
// same size whose bottom rows the game lays over it as the attribute grows.
inline constexpr int kAttributes = 6;
inline constexpr int kColumnW = 45, kColumnH = 110;
// The tube's see-through inside: whole 8 x 8 blocks from the picture's corner, so JPEG
// keeps it exactly the key colour.
inline constexpr int kBlock = 8;
inline constexpr int kTubeX0 = 16, kTubeX1 = 31, kTubeY0 = 16, kTubeY1 = 87;
static_assert(kTubeX0 % kBlock == 0 && (kTubeX1 + 1) % kBlock == 0, "the tube must be whole blocks wide");
static_assert(kTubeY0 % kBlock == 0 && (kTubeY1 + 1) % kBlock == 0, "the tube must be whole blocks high");
// The emblem on the cap above the tube and the bulb below it, behind the value, which the
// game writes in the gold font centred on x 23 with its baseline row at kColumnH - 5.
inline constexpr double kEmblemX = 22.5, kEmblemY = 8, kEmblemR = 7;
inline constexpr double kBulbX = 23.5, kBulbY = 98.5, kBulbR = 10;
static_assert(kColumnW * kAttributes <= kScreenW, "the columns must fit on the screen");

// The dragon is painted below the columns and above the name line (rows 202 to 215).
inline constexpr int kDragonTop = kColumnH, kNameTop = 202, kStripY = 218;

// The potion icon, at (280, 220) in the statistics and (287, 219) in the hatchery.
inline constexpr int kPotionW = 16, kPotionH = 20;

// The death announcement's plate, which hides this part of its picture.
inline constexpr int kPlateX0 = 31, kPlateY0 = 70, kPlateX1 = 288, kPlateY1 = 159;

}  // namespace stats
