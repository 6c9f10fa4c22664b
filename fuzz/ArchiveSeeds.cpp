// Writes a few valid archives into the folder given: the archive fuzzer's starting points.
#include "res/ArchiveWriter.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

bool save(const std::filesystem::path& path, const ArchiveWriter& writer) {
  std::vector<uint8_t> bytes = writer.bytes();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return out.good();
}

std::vector<uint8_t> bytesOf(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: archive_fuzz_seeds FOLDER" << std::endl;
    return 2;
  }
  std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);

  ArchiveWriter empty;
  empty.setFiller({});

  ArchiveWriter game;
  game.add("gfx\\xml\\country.xml", bytesOf("<country><village name=\"a\"/></country>"));
  game.add("gfx\\fonts\\bigBlack.gif", bytesOf("GIF89a\x01\x00\x01\x00"));
  game.add("gfx\\gui\\empty.bmp", {});

  ArchiveWriter tricky;
  tricky.setFiller(std::vector<uint8_t>(7, 0xFF));
  tricky.add("snd\\fx\\ping.wav", bytesOf("RIFF"));
  tricky.add("snd\\fx\\ping.wav", bytesOf("again"));
  tricky.add(std::string(51, 'n').c_str(), bytesOf("long name"));

  bool written = save(folder / "empty.arc", empty) && save(folder / "game.arc", game) &&
                 save(folder / "tricky.arc", tricky);
  if (!written) std::cerr << "archive_fuzz_seeds: cannot write into " << folder << std::endl;
  return written ? 0 : 1;
}
