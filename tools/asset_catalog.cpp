#include "tools/asset_catalog.h"

#include <fstream>

#include "tools/bmp_writer.h"
#include "tools/sounds.h"
#include "tools/textures.h"
#include "tools/wav_writer.h"

namespace vev::assets {
namespace {

AssetFile texture(std::string name, Image (*make)()) {
  return {std::move(name), [make] { return encodeBmp(make()); }};
}

AssetFile sample(std::string name, std::vector<double> (*make)()) {
  return {std::move(name), [make] { return encodeWav(make()); }};
}

bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

std::vector<AssetFile> assetCatalog() {
  // Texture names hold no "-": a scene file's texture line ends the name at the first one.
  return {
      texture("plating.bmp", makePlating),
      texture("gold.bmp", makeGold),
      texture("black.bmp", makeBlack),
      texture("cruiser_hull.bmp", makeCruiserHull),
      texture("cyphora_skin.bmp", makeCyphoraSkin),
      texture("stars.bmp", makeStars),
      texture("nebula.bmp", makeNebula),
      texture("planet.bmp", makePlanet),
      sample("engine.wav", makeEngineHum),
      sample("cruiser_engine.wav", makeCruiserHum),
      sample("laser.wav", makeLaserZap),
      sample("hit.wav", makeHitCrack),
      sample("explosion.wav", makeExplosion),
  };
}

std::vector<std::string> writeAssets(const std::filesystem::path& directory) {
  std::vector<std::string> failed;
  for (const AssetFile& file : assetCatalog()) {
    if (!writeFile(directory / file.name, file.make())) failed.push_back(file.name);
  }
  return failed;
}

}  // namespace vev::assets
