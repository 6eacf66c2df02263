#pragma once

#include <QString>
#include <string>

namespace vev {

// The open-file dialog for a scene file, starting in `startDir`: the chosen file's path, or
// empty when the dialog is cancelled. Only an existing file can be chosen.
std::string chooseSceneFile(const QString& startDir);

}  // namespace vev
