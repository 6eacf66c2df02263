#include "app/scene_hashes.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "model/path.h"

namespace vev {
namespace {

// FNV-1a over the file's bytes; 0 for a file that cannot be read.
std::uint64_t hashFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return 0;
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (std::istreambuf_iterator<char> it(file), end; it != end; ++it) {
    hash ^= static_cast<unsigned char>(*it);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

// The name in the file system's own separators, relative to the data folder when it lies there.
std::string nameWithin(const std::string& path, const std::string& dataDir) {
  const std::string native = nativePath(path);
  if (dataDir.empty()) return native;
  const std::string prefix = dataDir.back() == '/' ? dataDir : dataDir + "/";
  return native.starts_with(prefix) ? native.substr(prefix.size()) : native;
}

bool listed(const std::vector<FileHash>& files, const std::string& name) {
  return std::any_of(files.begin(), files.end(),
                     [&name](const FileHash& file) { return file.name == name; });
}

}  // namespace

std::vector<FileHash> sceneFileHashes(const ModelState& model, const std::string& dataDir) {
  std::vector<FileHash> files;
  for (const Identity* it = model.scene.get(); it; it = it->next.get()) {
    if (it->sourcePath.empty()) continue;
    const std::string name = nameWithin(it->sourcePath, dataDir);
    if (!listed(files, name)) files.push_back({name, hashFile(nativePath(it->sourcePath))});
  }
  return files;
}

std::vector<FileHash> loadedFileHashes(const ModelState& model, const TextureList& textures,
                                       const SoundRegistry& sounds, const std::string& dataDir) {
  std::vector<FileHash> files = sceneFileHashes(model, dataDir);
  const auto add = [&files, &dataDir](const std::string& path) {
    const std::string name = nameWithin(path, dataDir);
    if (!listed(files, name)) files.push_back({name, hashFile(nativePath(path))});
  };
  for (const TextureEntry& texture : textures.entries()) add(texture.path);
  for (const auto& [number, sound] : sounds.entries()) add(sound.path);
  return files;
}

}  // namespace vev
