#include "model/file_hash.h"

#include <algorithm>
#include <utility>

namespace vev {
namespace {

const FileHash* find(const std::vector<FileHash>& files, const std::string& name) {
  const auto it = std::find_if(files.begin(), files.end(),
                               [&name](const FileHash& file) { return file.name == name; });
  return it == files.end() ? nullptr : &*it;
}

}  // namespace

void putFileHashes(std::string& out, const std::vector<FileHash>& files) {
  putNumber(out, files.size());
  for (const FileHash& file : files) {
    putText(out, file.name);
    putFixed64(out, file.hash);
  }
}

std::vector<FileHash> readFileHashes(ByteReader& in) {
  std::vector<FileHash> files;
  const std::uint64_t count = in.number(kMostFileHashes);
  for (std::uint64_t i = 0; in.ok() && i < count; ++i) {
    FileHash file;
    file.name = in.text(kMostFileNameBytes);
    file.hash = in.fixed64();
    files.push_back(std::move(file));
  }
  return files;
}

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
