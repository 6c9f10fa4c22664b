// The archive tool's commands. Each returns the program's exit status and reports what
// went wrong on standard error.
#pragma once

#include "res/ResourceArchive.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace arc {

enum Status { kOk = 0, kFailed = 1, kUsage = 2 };

// Packs every file under folder, named by its path below it with backslashes and the
// prefix in front ("gfx" makes "gfx\fonts\bigBlack.gif"), in byte order of the names, so
// the same tree always gives the same archive.
int pack(const std::filesystem::path& archive, const std::filesystem::path& folder, const std::string& prefix);

// One line per entry: its name, offset and size, separated by tabs.
int list(const std::filesystem::path& archive, std::ostream& out);

// Writes every entry below folder as a file; of equal names only the first, which is the
// one the game finds. Names that would land outside the folder are refused.
int extract(const std::filesystem::path& archive, const std::filesystem::path& folder);

// The archive's entry name of a file at this path below the packed folder.
std::string entryName(const std::filesystem::path& relative, const std::string& prefix);

// Where below the extraction folder an entry of this name goes; nothing for an empty name,
// an absolute one or one that climbs out with "..".
std::optional<std::filesystem::path> extractPath(const std::string& name);

// The reader of an existing archive anywhere; null when the file is missing (the reader
// would create it) or is not an archive.
std::unique_ptr<ResourceArchive> openArchive(const std::filesystem::path& archive);

}  // namespace arc
