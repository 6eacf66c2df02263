#include "app/news.h"

#include <filesystem>

namespace vev {
namespace {

std::string fileNameOf(std::string_view path) {
  return std::filesystem::path(path).filename().string();
}

std::string loadedNews(std::string_view what, const Identity& identity, std::string_view path,
                       int linesWithFindings) {
  const std::string file = fileNameOf(path);
  std::string news = std::string(what) + " " + toldName(identity) + " from " + file;
  if (linesWithFindings > 0) {
    news += ": " + std::to_string(linesWithFindings) +
            (linesWithFindings == 1 ? " line" : " lines") + " skipped; run vev-scene check " + file;
  }
  return news;
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

std::string controllingNews(const Identity& identity) {
  return "Controlling " + toldName(identity);
}

std::string addedNews(const Identity& identity, std::string_view path, int linesWithFindings) {
  return loadedNews("Added", identity, path, linesWithFindings);
}

std::string reloadedNews(const Identity& identity, std::string_view path, int linesWithFindings) {
  return loadedNews("Reloaded", identity, path, linesWithFindings);
}

std::string keptNews(const Identity& identity, std::string_view path) {
  return "Kept " + toldName(identity) + ": " + fileNameOf(path) +
         " cannot be read or holds no part";
}

std::string unreadableNews(std::string_view path) {
  return "Cannot read " + fileNameOf(path) + " as a scene file";
}

}  // namespace vev
