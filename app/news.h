#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/identity.h"
#include "scenefile/load_report.h"

// What the player is told of the scene, in the window's status bar: a craft destroyed, control
// passing to another Identity, a scene file added. The frame and the commands append to the
// view's news; the window shows and empties it.
namespace vev {

// The name an Identity is told by: its own, or "an Identity with no name".
std::string toldName(const Identity& identity);

std::string destroyedNews(const Identity& identity);
// "Your NAME is destroyed: press R to restart", for the controlled craft.
std::string ownDestructionNews(const Identity& identity);
std::string controllingNews(const Identity& identity);
// "Added NAME from FILE", with ": N findings; run vev-scene check FILE" when the check of the
// file found N things, and the silent sounds' news when the report has any.
// FILE is the file's name without its folder.
std::string addedNews(const Identity& identity, std::string_view path, const LoadReport& report);
std::string unreadableNews(std::string_view path);
// "Kept NAME: FILE ends before *END (still being written?)".
std::string unfinishedNews(const Identity& identity, std::string_view path);
// "Reloaded NAME from FILE", told as for an added file, then "; the file no longer has A, B" for
// the parts and channels whose flight could not be carried over.
std::string reloadedNews(const Identity& identity, std::string_view path, const LoadReport& report,
                         const std::vector<std::string>& dropped = {});
// "Reread FILE": a texture or sound file read again because it changed on disk.
std::string rereadNews(std::string_view path);
// "Flying NAME from FILE", told as for an added file.
std::string flyingNews(const Identity& identity, std::string_view path, const LoadReport& report);
// "Cannot fly FILE: it holds no craft", or "it does not exist", "it is a named pipe, not a file"
// and the like.
std::string noCraftNews(std::string_view path);
// "the scene names more than 100 sounds; FILE:LINE is silent", or "FILE:LINE and N more are
// silent" for several lines.
std::string silentSoundsNews(std::string_view file, const std::vector<int>& lines);
// "Kept NAME: FILE cannot be read or holds no part", or "FILE is a named pipe, not a file" and
// the like for what is no file.
std::string keptNews(const Identity& identity, std::string_view path);

}  // namespace vev
