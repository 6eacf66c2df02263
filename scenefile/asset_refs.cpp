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
#include "sound/sample_decoder.h"

namespace vev {

namespace {

SoundRef& createdSoundRef(std::shared_ptr<SoundRef>& slot) {
  if (!slot) slot = std::make_shared<SoundRef>();
  return *slot;
}

std::string whyNoSound(const std::string& path) {
  const std::string missing = missingFileMessage(nativePath(path));
  return missing.empty() ? "cannot be read or decoded as a sound" : missing;
}

// The name an author meant when a texture name was cut at its first "-": "hull-plate.bmp-1" is
// read as the name "hull" and the mapping value "plate.bmp-1", which is no number. Empty when
// the mapping value is a number.
std::string nameCutAtMinus(const std::string& name, const std::string& mapping) {
  const std::string_view written = std::string_view(mapping).substr(0, mapping.find(' '));
  if (written.empty() || isWholeReal(written)) return {};
  return name + "-" + std::string(written.substr(0, written.rfind('-')));
}

std::string whyNoBitmap(const std::string& path, const std::string& meant) {
  const std::string notAFile = notAFileMessage(nativePath(path));
  if (!notAFile.empty()) return notAFile;
  std::error_code error;
  if (!std::filesystem::exists(nativePath(path), error)) {
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
void checkTexture(SceneReader& reader, const TextureEntry& texture, const std::string& meant) {
  const std::string file = "file `" + texture.path + "` ";
  if (!texture.loaded) {
    reader.noteField(file + whyNoBitmap(texture.path, meant));
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
  const std::string mapping = input.reader.readToken(TokenEnd::line).text;
  shape.mapping = saturateToInt16(integerOf(input.reader, mapping));
  const TextureEntry& texture =
      addTexture(input.assets.textures, shape.texturePath, input.assets.onUnreadableTexture);
  // A file name that ran on over lines has been told as such.
  if (input.reader.reporting() && fileName.find('\n') == std::string::npos) {
    checkTexture(input.reader, texture, nameCutAtMinus(fileName, mapping));
  }
}

void readSoundRef(SectionInput& input, std::shared_ptr<SoundRef>& slot) {
  const std::string fileName = input.reader.readPathUntil('\n');
  SoundRef& ref = createdSoundRef(slot);
  switch (input.assets.sounds.registerSound(input.directory, fileName, ref)) {
    case SoundLoad::unreadable:
      input.reader.noteField("file `" + ref.path + "` " + whyNoSound(ref.path));
      break;
    case SoundLoad::tableFull:
      // A fault of the whole scene rather than of the file: told apart from the findings.
      input.reader.noteSilentSound();
      break;
    case SoundLoad::noDevice:
      // Decoded all the same, so that a machine without sound tells the findings of any other.
      if (input.reader.reporting() && !decodeSample(nativePath(ref.path))) {
        input.reader.noteField("file `" + ref.path + "` " + whyNoSound(ref.path));
      }
      break;
    case SoundLoad::loaded:
      break;
  }
}

void readSoundRange(SceneReader& reader, std::shared_ptr<SoundRef>& slot) {
  createdSoundRef(slot).range = readReal(reader);
}

}  // namespace vev
