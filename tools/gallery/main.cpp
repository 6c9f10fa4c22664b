// nupavane-gallery stage | sheet FOLDER OUT.png: see Gallery.h.
#include "Gallery.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "stage" && argc == 2) return gallery::stageGames() ? 0 : 1;
  if (command == "sheet" && argc == 4) {
    const int shots = gallery::drawSheet(argv[2], argv[3]);
    if (shots < 0) return 1;
    std::printf("%d screens in %s\n", shots, argv[3]);
    return 0;
  }
  std::fprintf(stderr, "usage: nupavane-gallery stage\n       nupavane-gallery sheet FOLDER OUT.png\n");
  return 2;
}
