// The game's content, made from code and from the text data in data/: every picture, font
// strip, zone map, description file, sound effect and the music, packed into gfx.arc and
// snd.arc by the build. Each family of entries lives in a file of its own and adds its
// entries to a list; the same build gives the same bytes every time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ContentEntry {
  std::string name;  // the archive name, with backslashes, exactly as the game asks for it
  std::vector<uint8_t> bytes;
};

using ContentList = std::vector<ContentEntry>;

// Where the hand-written data lies (the repository's data/ folder).
struct ContentSources {
  std::string dataDir;
};

// The sound archive's entries: snd\fx\*.wav and snd\kelth.xm.
void addSounds(ContentList& snd);

// A family of gfx.arc entries (the fonts, the castle's pictures, ...). Each family's file
// registers itself with CONTENT_FAMILY; the generator runs them in the order of their
// names, so the archive is the same on every build.
using ContentFamily = void (*)(ContentList& gfx, const ContentSources& sources);

struct FamilyRegistration {
  FamilyRegistration(const char* name, ContentFamily family);
};

#define CONTENT_FAMILY(name, function) static const FamilyRegistration registered_##name(#name, function)

// Every registered family, sorted by name.
const std::vector<std::pair<std::string, ContentFamily>>& contentFamilies();
