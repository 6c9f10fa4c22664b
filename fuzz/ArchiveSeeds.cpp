// The archive fuzzer's seeds: an empty archive, one of the game's kind, and one with an odd
// filler, a name twice and a name of the longest length.
#include "FuzzData.h"
#include "res/ArchiveWriter.h"

#include <vector>

namespace {

std::vector<uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

}  // namespace

bool writeSeeds(const std::string& folder) {
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

  return writeSeed(folder, "empty.arc", empty.bytes()) && writeSeed(folder, "game.arc", game.bytes()) &&
         writeSeed(folder, "tricky.arc", tricky.bytes());
}
