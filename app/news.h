#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/identity.h"

// What the player is told of the scene, in the window's status bar: a craft destroyed, control
// passing to another Identity, a scene file added. The frame and the commands append to the
// view's news; the window shows and empties it.
namespace vev {

// The name an Identity is told by: its own, or "an Identity with no name".
std::string toldName(const Identity& identity);

std::string destroyedNews(const Identity& identity);
std::string controllingNews(const Identity& identity);
// "Added NAME from FILE", with ": N lines skipped; run vev-scene check FILE" when the check of
// the file found something on N lines. FILE is the file's name without its folder.
std::string addedNews(const Identity& identity, std::string_view path, int linesWithFindings);
std::string unreadableNews(std::string_view path);
// "Reloaded NAME from FILE", with the checker's count as for an added file.
std::string reloadedNews(const Identity& identity, std::string_view path, int linesWithFindings);
// "Kept NAME: FILE cannot be read or holds no part".
std::string keptNews(const Identity& identity, std::string_view path);

}  // namespace vev
