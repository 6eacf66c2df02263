#include "model/file_hash.h"

#include <algorithm>

namespace vev {
namespace {

const FileHash* find(const std::vector<FileHash>& files, const std::string& name) {
  const auto it = std::find_if(files.begin(), files.end(),
                               [&name](const FileHash& file) { return file.name == name; });
  return it == files.end() ? nullptr : &*it;
}

}  // namespace

std::string sceneDifference(const std::vector<FileHash>& recorded,
                            const std::vector<FileHash>& loaded) {
  for (const FileHash& file : recorded) {
    const FileHash* now = find(loaded, file.name);
    if (!now) return file.name + " is missing";
    if (now->hash != file.hash) return file.name + " differs";
  }
  for (const FileHash& file : loaded) {
    if (!find(recorded, file.name)) return file.name + " was not in the game";
  }
  return {};
}

}  // namespace vev
