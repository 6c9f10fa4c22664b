// nupavane-contact ARCHIVE OUTDIR: decodes every picture of the archive with the game's own
// loader and draws one contact sheet per folder: OUTDIR/gfx_castle.png holds the pictures
// of gfx\castle, OUTDIR/gfx_castle_ani.png those of gfx\castle\ani, and so on; the fonts
// pages (OUTDIR/fonts_*.png) show every glyph magnified and sample lines on the pictures.
#include "ArcCommands.h"
#include "ContactSheet.h"
#include "FontSheet.h"
#include "gfx/Bitmap.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <filesystem>
#include <iostream>
#include <map>

namespace {

bool isPicture(const std::string& name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  const std::string ext = name.substr(dot + 1);
  return ext == "bmp" || ext == "gif" || ext == "jpg";
}

// "gfx\castle\ani\ani00.jpg": folder "gfx\castle\ani", file "ani00.jpg".
std::pair<std::string, std::string> splitName(const std::string& name) {
  const size_t slash = name.rfind('\\');
  if (slash == std::string::npos) return {"", name};
  return {name.substr(0, slash), name.substr(slash + 1)};
}

std::string sheetFileName(std::string folder) {
  for (char& c : folder) {
    if (c == '\\') c = '_';
  }
  return (folder.empty() ? std::string("top") : folder) + ".png";
}

// The loader reads pictures from the graphics archive; the opened archive stands in for it.
contact::Picture decode(const std::string& name, const std::string& file) {
  contact::Picture picture;
  picture.name = file;
  Bitmap bitmap(name.c_str(), true);
  if (!bitmap.getPixels()) return picture;
  picture.width = bitmap.getWidth();
  picture.height = bitmap.getHeight();
  picture.rows.reserve(size_t(picture.width) * picture.height);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) picture.rows.push_back(bitmap.getPixel(x, y));
  }
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: nupavane-contact ARCHIVE OUTDIR" << std::endl;
    return 2;
  }
  auto reader = arc::openArchive(argv[1]);
  if (!reader) return 1;
  std::error_code error;
  std::filesystem::create_directories(argv[2], error);
  std::vector<std::string> names;
  for (int i = 0; i < reader->count(); ++i) names.push_back(reader->nameOf(i).c_str());
  closeGraphicsArchive();
  graphicsArchive = reader.release();

  std::map<std::string, std::vector<contact::Picture>> folders;
  for (const std::string& name : names) {
    if (!isPicture(name)) continue;
    auto [folder, file] = splitName(name);
    folders[folder].push_back(decode(name, file));
  }

  int status = 0;
  if (int failed = contact::writeFontSheets(argv[2])) {
    std::cerr << "nupavane-contact: " << failed << " font pages could not be written" << std::endl;
    status = 1;
  }
  closeGraphicsArchive();

  for (const auto& [folder, pictures] : folders) {
    const std::string png = (std::filesystem::path(argv[2]) / sheetFileName(folder)).string();
    if (!contact::writeSheet(folder, pictures, png)) {
      std::cerr << "nupavane-contact: cannot write '" << png << "'" << std::endl;
      status = 1;
    }
  }
  // Cairo's text keeps font caches until the end; freeing them keeps leak checks quiet.
  cairo_debug_reset_static_data();
  FcFini();
  std::cout << "nupavane-contact: " << folders.size() << " sheets in " << argv[2] << std::endl;
  return status;
}
