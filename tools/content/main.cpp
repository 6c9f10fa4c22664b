// nupavane-content OUTDIR DATADIR: writes OUTDIR/gfx.arc and OUTDIR/snd.arc, and the
// desktop's icons in OUTDIR/icons/.
#include "Content.h"
#include "icons/Icons.h"

#include "res/ArchiveWriter.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <set>

namespace {

bool writeArchive(const std::string& path, const ContentList& entries) {
  ArchiveWriter archive;
  std::set<std::string> seen;
  for (const ContentEntry& entry : entries) {
    if (!seen.insert(entry.name).second) {
      std::fprintf(stderr, "nupavane-content: '%s' is made twice\n", entry.name.c_str());
      return false;
    }
    if (!archive.add(entry.name.c_str(), entry.bytes)) {
      std::fprintf(stderr, "nupavane-content: '%s' cannot be stored\n", entry.name.c_str());
      return false;
    }
  }
  std::vector<uint8_t> bytes = archive.bytes();
  std::string temporary = path + ".part";
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  out.close();
  if (!out || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::fprintf(stderr, "nupavane-content: cannot write '%s'\n", path.c_str());
    return false;
  }
  std::printf("%s: %zu entries, %zu bytes\n", path.c_str(), entries.size(), bytes.size());
  return true;
}

}  // namespace

namespace {
std::vector<std::pair<std::string, ContentFamily>>& families() {
  static std::vector<std::pair<std::string, ContentFamily>> all;
  return all;
}
}  // namespace

FamilyRegistration::FamilyRegistration(const char* name, ContentFamily family) {
  auto& all = families();
  auto at = std::lower_bound(all.begin(), all.end(), std::string(name),
                             [](const auto& entry, const std::string& key) { return entry.first < key; });
  all.insert(at, {name, family});
}

const std::vector<std::pair<std::string, ContentFamily>>& contentFamilies() { return families(); }

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: nupavane-content OUTDIR DATADIR\n");
    return 2;
  }
  auto started = std::chrono::steady_clock::now();
  const std::string out = argv[1];
  ContentSources sources{argv[2]};
  ContentList gfx, snd;
  for (const auto& [name, family] : contentFamilies()) family(gfx, sources);
  addSounds(snd);
  if (!writeArchive(out + "/gfx.arc", gfx) || !writeArchive(out + "/snd.arc", snd)) return 1;
  if (!writeIcons(out)) return 1;
  auto spent = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("content made in %.1f s\n", spent);
  // cairo's text keeps font caches to the end; let them go, so a leak check sees only ours.
  cairo_debug_reset_static_data();
  FcFini();
  return 0;
}
