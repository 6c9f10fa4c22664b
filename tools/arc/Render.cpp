#include "Render.h"

#include "ArcCommands.h"
#include "gfx/Bitmap.h"
#include "platform/Files.h"

#include <iostream>
#include <vector>

namespace arc {

namespace {

void complain(const std::string& what) { std::cerr << "nupavane-arc: " << what << std::endl; }

// The picture row by row, as PNG stores it; the bitmap keeps it in column runs.
std::vector<uint16_t> rowsOf(const Bitmap& bitmap) {
  std::vector<uint16_t> rows;
  rows.reserve(size_t(bitmap.getWidth()) * size_t(bitmap.getHeight()));
  for (int y = 0; y < bitmap.getHeight(); ++y) {
    for (int x = 0; x < bitmap.getWidth(); ++x) rows.push_back(bitmap.getPixel(x, y));
  }
  return rows;
}

}  // namespace

int render(const std::filesystem::path& archive, const std::string& name, const std::filesystem::path& png) {
  auto reader = openArchive(archive);
  if (!reader) return kFailed;
  int index = reader->find(name.c_str());
  if (index < 0) {
    complain("the archive has no entry '" + name + "'");
    return kFailed;
  }
  if (!reader->read(index)) {
    complain("the entry '" + name + "' reaches past the end of the archive");
    return kFailed;
  }
  // The loader reads pictures through the graphics archive: this one stands in for it.
  closeGraphicsArchive();
  graphicsArchive = reader.release();
  Bitmap bitmap(name.c_str(), true);
  closeGraphicsArchive();
  if (!bitmap.getPixels()) {
    complain("cannot decode '" + name + "'");  // the loader said why just before
    return kFailed;
  }
  std::vector<uint16_t> rows = rowsOf(bitmap);
  if (!platform::writePng(png.string(), rows.data(), bitmap.getWidth(), bitmap.getHeight())) {
    complain("cannot write '" + png.string() + "'");
    return kFailed;
  }
  return kOk;
}

}  // namespace arc
