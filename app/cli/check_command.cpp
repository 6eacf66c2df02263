#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/printable_text.h"
#include "app/load_findings.h"
#include "app/news.h"
#include "app/view_state.h"
#include "model/path.h"
#include "model/regular_file.h"
#include "scenefile/load_report.h"
#include "scenefile/loader.h"
#include "sound/openal_sound_library.h"

namespace vev {

namespace {

// One line per finding, whatever bytes of the file a message quotes.
void printFinding(const std::string& path, const LoadFinding& finding) {
  std::string line =
      printableText(path + ":" + std::to_string(finding.line) + ": " + finding.message) + '\n';
  std::fwrite(line.data(), 1, line.size(), stdout);
}

// Loads one file into a view of its own, so that what one file loads can neither cause nor
// hide a finding in another; true when nothing was found.
bool checkSceneFile(const std::string& path, const OpenAlOptions& output) {
  ViewState view(std::make_unique<OpenAlSoundLibrary>(output));
  SceneAssets assets = view.assets({});
  LoadReport report;
  if (!loadSceneFile(path, view.model, assets, &report)) {
    const std::string notAFile = notAFileMessage(nativePath(path));
    std::printf("%s: %s\n", printableText(path).c_str(),
                notAFile.empty() ? "cannot be opened as a scene file" : notAFile.c_str());
    return false;
  }
  noteLoadedParts(report);
  for (const LoadFinding& finding : report.findings()) printFinding(path, finding);
  for (const int line : report.silentSounds()) {
    std::printf("%s\n", silentSoundsNews(path, {line}).c_str());
  }
  return report.findings().empty() && report.silentSounds().empty();
}

}  // namespace

int runCheck(const std::vector<std::string>& args) {
  std::vector<std::string> files;
  if (!parseFileArguments("check", args, files)) return 2;
  // The null output decodes every sample without a sound device, as the program would.
  OpenAlOptions output;
  output.backend = OpenAlOptions::Backend::Null;
  bool clean = true;
  for (const std::string& path : files) clean = checkSceneFile(path, output) && clean;
  return clean ? 0 : 1;
}

}  // namespace vev
