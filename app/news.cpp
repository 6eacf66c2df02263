#include "app/news.h"

#include <filesystem>

#include "model/path.h"
#include "model/regular_file.h"
#include "sound/sound_table.h"

namespace vev {
namespace {

std::string fileNameOf(std::string_view path) {
  return std::filesystem::path(path).filename().string();
}

std::string loadedNews(std::string_view what, const Identity& identity, std::string_view path,
                       const LoadReport& report) {
  const std::string file = fileNameOf(path);
  std::string news = std::string(what) + " " + toldName(identity) + " from " + file;
  const std::size_t findings = report.findings().size();
  if (findings > 0) {
    news += ": " + std::to_string(findings) + (findings == 1 ? " finding" : " findings") +
            "; run vev-scene check " + file;
  }
  if (!report.silentSounds().empty()) {
    news += (findings > 0 ? "; " : ": ") + silentSoundsNews(file, report.silentSounds());
  }
  return news;
}

std::string whyNoCraft(std::string_view path) {
  const std::string native = nativePath(path);
  const std::string missing = missingFileMessage(native);
  if (!missing.empty()) return missing;
  return openRegularStream(native) ? "holds no craft" : "cannot be read";
}

}  // namespace

std::string toldName(const Identity& identity) {
  return identity.name.empty() ? "an Identity with no name" : identity.name;
}

std::string destroyedNews(const Identity& identity) {
  std::string name = toldName(identity);
  if (identity.name.empty()) name[0] = 'A';
  return name + " destroyed";
}

std::string ownDestructionNews(const Identity& identity) {
  return "Your " + toldName(identity) + " is destroyed: press R to restart";
}

std::string controllingNews(const Identity& identity) {
  return "Controlling " + toldName(identity);
}

std::string addedNews(const Identity& identity, std::string_view path, const LoadReport& report) {
  return loadedNews("Added", identity, path, report);
}

std::string reloadedNews(const Identity& identity, std::string_view path, const LoadReport& report,
                         const std::vector<std::string>& dropped) {
  std::string news = loadedNews("Reloaded", identity, path, report);
  for (std::size_t i = 0; i < dropped.size(); ++i) {
    news += (i == 0 ? "; the file no longer has " : ", ") + dropped[i];
  }
  return news;
}

std::string flyingNews(const Identity& identity, std::string_view path, const LoadReport& report) {
  return loadedNews("Flying", identity, path, report);
}

std::string noCraftNews(std::string_view path) {
  return "Cannot fly " + fileNameOf(path) + ": it " + whyNoCraft(path);
}

std::string silentSoundsNews(std::string_view file, const std::vector<int>& lines) {
  std::string news = "the scene names more than " + std::to_string(SoundTable::kSlotCount) +
                     " sounds; " + std::string(file) + ":" + std::to_string(lines.front());
  if (lines.size() == 1) return news + " is silent";
  return news + " and " + std::to_string(lines.size() - 1) + " more are silent";
}

std::string keptNews(const Identity& identity, std::string_view path) {
  const std::string notAFile = notAFileMessage(nativePath(path));
  return "Kept " + toldName(identity) + ": " + fileNameOf(path) + " " +
         (notAFile.empty() ? "cannot be read or holds no part" : notAFile);
}

std::string unfinishedNews(const Identity& identity, std::string_view path) {
  return "Kept " + toldName(identity) + ": " + fileNameOf(path) +
         " ends before *END (still being written?)";
}

std::string rereadNews(std::string_view path) {
  return "Reread " + fileNameOf(path);
}

std::string unreadableNews(std::string_view path) {
  const std::string notAFile = notAFileMessage(nativePath(path));
  return "Cannot read " + fileNameOf(path) + " as a scene file" +
         (notAFile.empty() ? "" : ": it " + notAFile);
}

}  // namespace vev
