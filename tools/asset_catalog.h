#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vev::assets {

// One file of the demonstration's data that the generator writes: its name in the scene
// directory and the function that makes its bytes.
struct AssetFile {
  std::string name;
  std::function<std::vector<std::uint8_t>()> make;
};

// Every texture and sample of the demonstration, textures first.
std::vector<AssetFile> assetCatalog();

// Writes every file of the catalog into `directory` (which must exist). Returns the names of the
// files that could not be written; empty on success.
std::vector<std::string> writeAssets(const std::filesystem::path& directory);

}  // namespace vev::assets
