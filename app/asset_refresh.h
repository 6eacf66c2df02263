#pragma once

#include <set>
#include <string>

#include "app/view_state.h"
#include "model/identity.h"

namespace vev {

// The texture bitmaps and sound samples that the Identity's parts name, by the paths they are
// loaded from.
std::set<std::string> assetPathsOf(const Identity& identity);

// Reads again those of `paths` that changed on disk since they were read: a changed bitmap shows
// from the next frame, a changed sample sounds from its next start. Tells each one in the news
// ("Reread FILE"); true when any changed.
bool refreshAssets(ViewState& view, const std::set<std::string>& paths);

}  // namespace vev
