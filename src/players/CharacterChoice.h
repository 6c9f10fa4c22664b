// Where the three characters stand on the new game's selection picture, and which one a
// tap chooses. Kept apart from the drawing so the geometry can be tested on its own.
#pragma once

#include <array>

struct CharacterPlace {
  int x, y;           // the picture's top-left, and the tap area's
  int width, height;  // the tap area
};

inline constexpr int kCharacters = 3;

inline constexpr std::array<CharacterPlace, kCharacters> kCharacterPlaces{{
    {36, 45, 74, 84},
    {120, 30, 60, 106},
    {190, 38, 74, 91},
}};

// The character whose tap area (edges included: x to x + width, y to y + height) holds
// (x, y) and who is not chosen yet; -1 when there is none.
int characterAt(int x, int y, const std::array<bool, kCharacters>& chosen);
