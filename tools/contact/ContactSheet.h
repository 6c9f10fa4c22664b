// Contact sheets: the pictures of one archive folder side by side, each with its name and
// size under it. Small pictures are enlarged by a whole factor so their pixels show; the
// key colour is shown as a grey chequer, so a keyed picture shows its outline.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace contact {

// One decoded picture: RGB565 pixels row by row, or none when it could not be decoded.
struct Picture {
  std::string name;  // the file name within its folder
  int width = 0, height = 0;
  std::vector<uint16_t> rows;
  bool decoded() const { return !rows.empty(); }
};

// The whole factor a picture is enlarged by on the sheet.
int enlargement(int width, int height);

// The sheet of these pictures, written as PNG; false when it cannot be written.
bool writeSheet(const std::string& title, const std::vector<Picture>& pictures, const std::string& png);

}  // namespace contact
