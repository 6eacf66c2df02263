#pragma once

#include <optional>
#include <string_view>

#include "sound/sample_decoder.h"

namespace vev {

// Decodes a RIFF WAVE file's bytes to 16 bit, as the browser build reads its samples (there is
// no libsndfile there): PCM of 8, 16 or 24 bits and 32-bit floats, mono or stereo, in a plain or
// an extensible format chunk. The values are those libsndfile gives for the same file. Nothing
// when the bytes are no such file, are cut short in a chunk header, or break decodeSample's limits
// on channels, rate and length; a data chunk cut short keeps its whole frames.
std::optional<DecodedSample> decodeWav(std::string_view bytes);

}  // namespace vev
