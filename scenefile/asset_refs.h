#pragma once

#include <memory>

#include "model/scene_node.h"
#include "model/sound_ref.h"
#include "scenefile/section_input.h"

// The field lines that name files beside the scene file: textures and sound samples.
namespace vev {

// A `texture` value, "file name-mapping": the file name runs to the first "-" (whatever its
// length), the rest of the line is the mapping mode. The bitmap is read once per distinct path.
void readTexture(SectionInput& input, Shape& shape);

// A `sound` or `controledsound` value, the rest of the line: registers the sample under the
// scene directory, creating the SoundRef when the slot is empty.
void readSoundRef(SectionInput& input, std::shared_ptr<SoundRef>& slot);

// A `soundrange` or `controlsoundrange` value, creating the SoundRef when the slot is empty; a
// range given before the file name stays.
void readSoundRange(SceneReader& reader, std::shared_ptr<SoundRef>& slot);

}  // namespace vev
