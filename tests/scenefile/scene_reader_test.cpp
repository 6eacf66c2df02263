#include "scenefile/scene_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/scenefile/scene_test_support.h"

namespace vev {
namespace {

using testing::TextFile;

std::string readAll(SceneReader& reader) {
  std::string text;
  for (int c = reader.get(); c != EOF; c = reader.get()) text.push_back(static_cast<char>(c));
  return text;
}

TEST(SceneReaderCharacters, DropsOnlyACarriageReturnThatPrecedesALineFeed) {
  TextFile file("a\r\nb\rc\r\r\nd\r");
  SceneReader reader(file.get(), "crlf.zsf");
  EXPECT_EQ(readAll(reader), "a\nb\rc\r\nd\r");
  EXPECT_TRUE(reader.atEnd());
  EXPECT_EQ(reader.get(), EOF);
}

TEST(SceneReaderCharacters, CountsLinesAndKnowsItsFile) {
  TextFile file("one\r\ntwo\nthree");
  SceneReader reader(file.get(), "sw\\craft.zsf");
  EXPECT_EQ(reader.lineNumber(), 1);
  reader.skipPast('\n');
  EXPECT_EQ(reader.lineNumber(), 2);
  reader.skipPast('\n');
  EXPECT_EQ(reader.lineNumber(), 3);
  EXPECT_EQ(reader.fileName(), "sw\\craft.zsf");
}

TEST(SceneReaderKeywords, EndAtEqualsLineFeedStarOrEndOfFile) {
  TextFile file("pos=1\nno value here\n=x\nabc*QUAD\nname");
  SceneReader reader(file.get(), "k.zsf");

  Keyword keyword = reader.readKeyword();
  EXPECT_EQ(keyword.text, "pos");
  EXPECT_EQ(keyword.end, KeywordEnd::value);
  EXPECT_EQ(reader.get(), '1');
  EXPECT_EQ(reader.get(), '\n');

  keyword = reader.readKeyword();
  EXPECT_EQ(keyword.text, "no value here");
  EXPECT_EQ(keyword.end, KeywordEnd::line);

  keyword = reader.readKeyword();
  EXPECT_EQ(keyword.text, "");
  EXPECT_EQ(keyword.end, KeywordEnd::value);
  reader.skipPast('\n');

  // The text before a "*" is dropped, and the rest of the "*" line is left for the loader.
  keyword = reader.readKeyword();
  EXPECT_EQ(keyword.text, "");
  EXPECT_EQ(keyword.end, KeywordEnd::section);
  EXPECT_EQ(reader.readTextLine(), "QUAD");

  keyword = reader.readKeyword();
  EXPECT_EQ(keyword.end, KeywordEnd::section);
}

TEST(SceneReaderKeywords, KeepNinetyNineCharactersAndDropTheRest) {
  const std::string longKeyword(150, 'k');
  TextFile file(longKeyword + "=7\n");
  SceneReader reader(file.get(), "k.zsf");
  const Keyword keyword = reader.readKeyword();
  EXPECT_EQ(keyword.text, std::string(99, 'k'));
  EXPECT_EQ(keyword.end, KeywordEnd::value);
  EXPECT_EQ(reader.readTextLine(), "7");
}

TEST(SceneReaderTokens, BlankTokensRunOverLineFeeds) {
  TextFile file("1  2\n3 rest\n");
  SceneReader reader(file.get(), "t.zsf");
  Token token = reader.readToken(TokenEnd::blank);
  EXPECT_EQ(token.text, "1");
  EXPECT_EQ(token.stop, ' ');
  token = reader.readToken(TokenEnd::blank);
  EXPECT_EQ(token.text, "");
  token = reader.readToken(TokenEnd::blank);
  EXPECT_EQ(token.text, "2\n3");
  token = reader.readToken(TokenEnd::line);
  EXPECT_EQ(token.text, "rest");
  EXPECT_EQ(token.stop, '\n');
  token = reader.readToken(TokenEnd::blank);
  EXPECT_EQ(token.text, "");
  EXPECT_EQ(token.stop, EOF);
}

TEST(SceneReaderTokens, KeepNinetyNineCharactersAndStayInStep) {
  TextFile file(std::string(120, '9') + " 5\n");
  SceneReader reader(file.get(), "t.zsf");
  EXPECT_EQ(reader.readToken(TokenEnd::blank).text, std::string(99, '9'));
  EXPECT_EQ(reader.readToken(TokenEnd::line).text, "5");
}

TEST(SceneReaderTokens, LastCoordinateEndsAtBlankOrLineFeed) {
  TextFile file("3 4\n");
  SceneReader reader(file.get(), "t.zsf");
  EXPECT_EQ(reader.readToken(TokenEnd::blankOrLine).stop, ' ');
  EXPECT_EQ(reader.readToken(TokenEnd::blankOrLine).stop, '\n');
}

TEST(SceneReaderText, TextLineIsCutToNinetyNineCharactersAndConsumesItsLine) {
  const std::string exact(99, 'n');
  TextFile file(exact + "\n" + exact + "tail\nnext\n");
  SceneReader reader(file.get(), "t.zsf");
  EXPECT_EQ(reader.readTextLine(), exact);
  EXPECT_EQ(reader.readTextLine(), exact);
  EXPECT_EQ(reader.readTextLine(), "next");
}

TEST(SceneReaderText, PathsHaveNoLengthLimit) {
  const std::string longName(300, 'p');
  TextFile file(longName + "-5\n");
  SceneReader reader(file.get(), "t.zsf");
  EXPECT_EQ(reader.readPathUntil('-'), longName);
  EXPECT_EQ(reader.readTextLine(), "5");
}

}  // namespace
}  // namespace vev
