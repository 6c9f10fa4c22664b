// nupavane-arc: packs, lists and unpacks the game's resource archives.
#include "ArcCommands.h"
#include "Render.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "usage: nupavane-arc pack ARCHIVE FOLDER [PREFIX]   pack every file below FOLDER, named by\n"
    "                                                 its path with backslashes after PREFIX\n"
    "       nupavane-arc list ARCHIVE                   name, offset and size of every entry\n"
    "       nupavane-arc extract ARCHIVE FOLDER         write every entry below FOLDER\n"
    "       nupavane-arc render ARCHIVE NAME OUT.png    decode a picture entry as the game does\n";

int usage() {
  std::cerr << kUsage << std::flush;
  return arc::kUsage;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return usage();
  const std::string& command = args[0];
  size_t operands = args.size() - 1;
  if (command == "pack" && (operands == 2 || operands == 3))
    return arc::pack(args[1], args[2], operands == 3 ? args[3] : std::string());
  if (command == "list" && operands == 1) return arc::list(args[1], std::cout);
  if (command == "extract" && operands == 2) return arc::extract(args[1], args[2]);
  if (command == "render" && operands == 3) return arc::render(args[1], args[2], args[3]);
  if (command == "--help" || command == "-h") {
    std::cout << kUsage;
    return arc::kOk;
  }
  return usage();
}
