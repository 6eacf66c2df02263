#include "scenefile/asset_refs.h"

#include <string>

#include "scenefile/number_conversion.h"
#include "scenefile/texture_loader.h"
#include "scenefile/value_readers.h"

namespace vev {

namespace {

SoundRef& createdSoundRef(std::shared_ptr<SoundRef>& slot) {
  if (!slot) slot = std::make_shared<SoundRef>();
  return *slot;
}

}  // namespace

void readTexture(SectionInput& input, Shape& shape) {
  shape.texturePath = input.directory + input.reader.readPathUntil('-');
  shape.mapping = saturateToInt16(readInteger(input.reader));
  addTexture(input.assets.textures, shape.texturePath, input.assets.onUnreadableTexture);
}

void readSoundRef(SectionInput& input, std::shared_ptr<SoundRef>& slot) {
  const std::string fileName = input.reader.readPathUntil('\n');
  input.assets.sounds.registerSound(input.directory, fileName, createdSoundRef(slot));
}

void readSoundRange(SceneReader& reader, std::shared_ptr<SoundRef>& slot) {
  createdSoundRef(slot).range = readReal(reader);
}

}  // namespace vev
