#include "scenefile/loader.h"

#include <memory>
#include <vector>

#include "model/kinematics.h"
#include "model/path.h"
#include "model/regular_file.h"
#include "model/text.h"
#include "scenefile/header_reader.h"
#include "scenefile/loader_notes.h"
#include "scenefile/part_tree.h"
#include "scenefile/scene_reader.h"
#include "scenefile/section_readers.h"

namespace vev {

namespace {

// Reads up to and including the next line feed (or to the end of the file); `text` followed by
// what was read, without the line feed and cut to a title's length.
std::string restOfLine(SceneReader& reader, std::string text) {
  for (int c = reader.get(); c != EOF && c != '\n'; c = reader.get()) {
    if (text.size() < kTextLimit) text += static_cast<char>(c);
  }
  return text;
}

// Line 1 starts with a two-character number that nothing uses; line 2 is free text. The two
// characters are taken whatever they are, so a first line shorter than two characters takes
// its line feed as the second and the skipping runs a line late.
void skipHeaderLines(SceneReader& reader) {
  std::string first;
  for (int i = 0; i < 2; ++i) first += static_cast<char>(reader.get());
  first = restOfLine(reader, first);
  const std::string second = restOfLine(reader, "");
  const int lastSkipped = reader.lineNumber() - 1;
  if (lastSkipped > 2) {
    const std::string skipped =
        lastSkipped == 3 ? "line 3 is" : "lines 3 to " + std::to_string(lastSkipped) + " are";
    reader.note(1, "the first line holds fewer than two characters, so " + skipped +
                       " skipped with the header");
  } else if (reader.reporting()) {
    noteTitleLines(reader, first, second);
  }
}

// Reads the sections after the identity header, up to END or the end of the file, and returns
// the Identity's node list. Each node is placed in the Identity's frame as soon as it is read.
// A section keyword that names no kind leaves a node with that kind and nothing else, and its
// body is skipped up to the next "*".
std::unique_ptr<SceneNode> readSections(SectionInput& input, Identity& identity) {
  SceneReader& reader = input.reader;
  PartTree tree;
  std::vector<DeclaredChildren> parents;
  for (;;) {
    const int lineNumber = reader.lineNumber();
    const Token line = reader.readToken(TokenEnd::line);
    if (sameText(line.text, "END") == 0) break;
    // The file ended where a section keyword was due.
    if (line.text.empty() && line.stop == EOF) {
      noteMissingEnd(reader);
      break;
    }
    SceneNode& node = tree.current();
    node.kind = line.text;
    node.active = 1;
    const SectionReader read = findSectionReader(node.kind);
    if (read) placeNode(read(input, node), identity.pose);
    if (read && reader.reporting()) {
      reader.noteSection(lineNumber, node);
      noteDoesNothing(reader, lineNumber, node, input.assets.textures);
    }
    if (!read) noteUnknownSection(reader, lineNumber, node.kind);
    // While loading, `dirty` holds the count that `childs` declared.
    if (reader.reporting() && node.dirty > 0) parents.push_back({&node, lineNumber, node.dirty});
    tree.prepareNext();
    if (!read) reader.skipPast('*');
  }
  std::unique_ptr<SceneNode> nodes = tree.finish();
  noteMissingChildren(reader, parents);
  return nodes;
}

}  // namespace

bool loadSceneStream(std::FILE* file, const std::string& path, ModelState& model,
                     SceneAssets& assets, LoadReport* report) {
  if (!file) return false;
  model.frameReady = 0;
  SceneReader reader(file, path, report);
  skipHeaderLines(reader);
  const std::string directory = directoryOf(path);
  SectionInput input{reader, directory, assets};
  Identity& identity = readIdentityHeader(input, model.scene);
  identity.directory = directory;
  identity.sourcePath = path;
  identity.nodes = readSections(input, identity);
  if (reader.reporting()) noteFractionColours(reader);
  model.frameReady = 1;
  return true;
}

bool loadSceneFile(const std::string& path, ModelState& model, SceneAssets& assets,
                   LoadReport* report) {
  const FileHandle file = openRegularStream(nativePath(path));
  return loadSceneStream(file.get(), path, model, assets, report);
}

}  // namespace vev
