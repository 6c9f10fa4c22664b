// The archive tool's render command: a picture entry decoded by the game's own loader.
#pragma once

#include <filesystem>
#include <string>

namespace arc {

// Decodes the entry through the game's picture loader, reading the archive as the game
// reads gfx.arc, and writes the picture as PNG.
int render(const std::filesystem::path& archive, const std::string& name, const std::filesystem::path& png);

}  // namespace arc
