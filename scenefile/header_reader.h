#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "model/identity.h"
#include "scenefile/section_input.h"

namespace vev {

// Creates a new Identity at the end of the list owned by `scene` (its head when the list is
// empty) and reads the identity header into it, up to and including the "*" that ends the
// header. The pivot, written in the Identity's own axes, is then taken into world coordinates.
Identity& readIdentityHeader(SectionInput& input, std::unique_ptr<Identity>& scene);

// Every keyword of the identity header, for the format's reference and its test.
std::vector<std::string_view> headerKeywords();

}  // namespace vev
