#include "scenefile/loader_notes.h"

#include <algorithm>
#include <cctype>

#include "scenefile/section_readers.h"

namespace vev {

namespace {

bool isSectionKeyword(const std::string& keyword) {
  return keyword == "END" || findSectionReader(keyword) != nullptr;
}

std::string withoutBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string upperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

std::string unknownSectionCause(const std::string& keyword) {
  if (keyword.empty()) {
    return "a `*` alone on its line opens a section without a keyword (the keyword goes "
           "directly after the `*`)";
  }
  const std::string named = "section keyword `" + keyword + "` ";
  if (isSectionKeyword(withoutBlanks(keyword)))
    return named + "is not known: the blanks are part of it";
  if (isSectionKeyword(upperCase(keyword))) {
    return named + "is not known: section keywords are upper case";
  }
  return named + "is not known";
}

std::string countOf(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

void noteUnknownSection(SceneReader& reader, int line, const std::string& keyword) {
  if (!reader.reporting()) return;
  reader.note(line, unknownSectionCause(keyword) + "; the section's lines are skipped");
}

void noteMissingEnd(SceneReader& reader) {
  reader.note(reader.lastLine(), "the file ends without `*END`");
}

void noteMissingChildren(SceneReader& reader, const std::vector<DeclaredChildren>& sections) {
  for (const DeclaredChildren& section : sections) {
    const int linked = section.node->childCount;
    if (linked >= section.declared) continue;
    const std::string given = linked == 0 ? "none" : std::to_string(linked);
    reader.note(section.line, "the " + section.node->kind + " section declares " +
                                  countOf(section.declared, "child", "children") +
                                  " in `childs`, but the file ends after " + given + " of them");
  }
}

}  // namespace vev
