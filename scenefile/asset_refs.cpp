#include "scenefile/asset_refs.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "model/path.h"
#include "model/regular_file.h"
#include "scenefile/bitmap.h"
#include "scenefile/number_conversion.h"
#include "scenefile/texture_loader.h"
#include "scenefile/value_readers.h"

namespace vev {

namespace {

SoundRef& createdSoundRef(std::shared_ptr<SoundRef>& slot) {
  if (!slot) slot = std::make_shared<SoundRef>();
  return *slot;
}

// What the path is when it is no file ("is a named pipe, not a file"), else `otherwise`.
std::string whyUnreadable(const std::string& path, const char* otherwise) {
  const std::string notAFile = notAFileMessage(nativePath(path));
  return notAFile.empty() ? otherwise : notAFile;
}

// A file beside `path` whose name is the name of `path` followed by "-...": the file an author
// meant when a texture name was cut at its first "-"; empty when there is none.
std::string nameCutAtMinus(const std::string& path) {
  const std::filesystem::path native(nativePath(path));
  std::error_code error;
  const std::string prefix = native.filename().string() + "-";
  const std::filesystem::path folder = native.has_parent_path() ? native.parent_path() : ".";
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) == 0) return name;
  }
  return {};
}

std::string whyNoBitmap(const std::string& path) {
  const std::string notAFile = notAFileMessage(nativePath(path));
  if (!notAFile.empty()) return notAFile;
  std::error_code error;
  if (!std::filesystem::exists(nativePath(path), error)) {
    const std::string meant = nameCutAtMinus(path);
    if (meant.empty()) return "does not exist";
    return "does not exist: a texture name ends at its first `-`, which starts the mapping "
           "number, so `" +
           meant + "` cannot be named; rename it without `-`";
  }
  std::string why;
  readBitmapFile(nativePath(path), &why);
  return "cannot be read as a bitmap: it " + why;
}

// Told for every line that names the file, not only the first.
void checkTexture(SceneReader& reader, const TextureEntry& texture) {
  const std::string file = "file `" + texture.path + "` ";
  if (!texture.loaded) {
    reader.noteField(file + whyNoBitmap(texture.path));
    return;
  }
  switch (lookOf(texture.header)) {
    case BitmapLook::picture:
      if (storesUnpaddedRows(texture.header, texture.rawPixels.size())) {
        reader.noteField(file + "does not pad its rows to four bytes, so its picture is sheared");
      }
      break;
    case BitmapLook::black:
      reader.noteField(file + "is not an uncompressed 24-bit bitmap, so it shows black");
      break;
    case BitmapLook::topDown:
      reader.noteField(file + "stores its rows top row first, which is not converted, so its " +
                       "faces are drawn untextured in their lit colour");
      break;
    case BitmapLook::empty:
      reader.noteField(file + "holds no pixels, so its faces are drawn untextured in their " +
                       "lit colour");
      break;
  }
}

}  // namespace

void readTexture(SectionInput& input, Shape& shape) {
  const std::string fileName = input.reader.readPathUntil('-');
  shape.texturePath = inSceneDirectory(input.directory, fileName);
  shape.mapping = saturateToInt16(readInteger(input.reader));
  const TextureEntry& texture =
      addTexture(input.assets.textures, shape.texturePath, input.assets.onUnreadableTexture);
  // A file name that ran on over lines has been told as such.
  if (input.reader.reporting() && fileName.find('\n') == std::string::npos) {
    checkTexture(input.reader, texture);
  }
}

void readSoundRef(SectionInput& input, std::shared_ptr<SoundRef>& slot) {
  const std::string fileName = input.reader.readPathUntil('\n');
  SoundRef& ref = createdSoundRef(slot);
  switch (input.assets.sounds.registerSound(input.directory, fileName, ref)) {
    case SoundLoad::unreadable:
      input.reader.noteField("file `" + ref.path + "` " +
                             whyUnreadable(ref.path, "cannot be read or decoded as a sound"));
      break;
    case SoundLoad::tableFull:
      // A fault of the whole scene rather than of the file: told apart from the findings.
      input.reader.noteSilentSound();
      break;
    case SoundLoad::loaded:
    case SoundLoad::noDevice:
      break;
  }
}

void readSoundRange(SceneReader& reader, std::shared_ptr<SoundRef>& slot) {
  createdSoundRef(slot).range = readReal(reader);
}

}  // namespace vev
