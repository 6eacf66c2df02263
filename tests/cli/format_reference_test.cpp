#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "scenefile/header_reader.h"
#include "scenefile/section_fields.h"
#include "scenefile/section_readers.h"
#include "tests/cli/scene_tool.h"

// docs/scene-format.md, the reference authors work from, is kept true to the loader.
namespace {

namespace fs = std::filesystem;

std::string reference() {
  std::ifstream file(fs::path(VEV_SOURCE_DIR) / "docs" / "scene-format.md");
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// The words in backticks outside fenced blocks that look like keywords (lower case) or section
// kinds (upper case).
std::set<std::string> namedInBackticks(const std::string& text, const std::regex& shape) {
  std::set<std::string> words;
  std::istringstream lines(text);
  bool fenced = false;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("```", 0) == 0) fenced = !fenced;
    if (fenced) continue;
    static const std::regex span("`([^`]+)`");
    for (std::sregex_iterator it(line.begin(), line.end(), span), end; it != end; ++it) {
      const std::string word = (*it)[1];
      if (std::regex_match(word, shape)) words.insert(word);
    }
  }
  return words;
}

template <typename List>
std::set<std::string> asSet(const List& list) {
  return std::set<std::string>(list.begin(), list.end());
}

TEST(FormatReference, NamesEveryKeywordAndKindTheLoaderTakesAndNoOther) {
  const std::string text = reference();
  ASSERT_FALSE(text.empty());
  std::set<std::string> keywords = asSet(vev::headerKeywords());
  keywords.merge(asSet(vev::sectionFieldKeywords()));
  std::set<std::string> kinds = asSet(vev::sectionKinds());
  kinds.insert("END");
  EXPECT_EQ(namedInBackticks(text, std::regex("[a-z][a-z0-9]*")), keywords);
  EXPECT_EQ(namedInBackticks(text, std::regex("[A-Z][A-Z0-9]*")), kinds);
}

TEST(FormatReference, TheWorkedExampleChecksClean) {
  const std::string text = reference();
  const auto start = text.find("```zsf\n");
  ASSERT_NE(start, std::string::npos);
  const auto body = start + 7;
  const auto end = text.find("```", body);
  ASSERT_NE(end, std::string::npos);
  const vev::test::ScratchFolder folder("worked_example");
  std::ofstream(folder.path / "example.zsf") << text.substr(body, end - body);
  const vev::test::SceneRun run = vev::test::runScene("check example.zsf", folder.path);
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out, "");
}

}  // namespace
