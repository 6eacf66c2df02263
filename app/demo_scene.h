#pragma once

#include <string>
#include <vector>

#include "model/model_state.h"
#include "scenefile/scene_assets.h"

namespace vev {

// Builds the demonstration: the player's craft, six computer-flown craft with their call
// signs, held keys and offsets, and the surroundings, all read from "sw/" under `dataDir`
// (the working directory when empty). A file that cannot be opened skips its row. The view
// starts from the player craft's first part.
void loadDemoScene(ModelState& model, SceneAssets& assets, const std::string& dataDir = {});

// Whether `dataDir` (the working directory when empty) holds the demonstration's sw/ folder.
bool holdsDemoScene(const std::string& dataDir);

// The scene files of the demonstration's craft, each once, in the order of their rows.
std::vector<std::string> demoCraftFiles();

}  // namespace vev
