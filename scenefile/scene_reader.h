#pragma once

#include <cstdio>
#include <string>

namespace vev {

// What may end a token. A blank-ended token runs on over line feeds, so a line that holds fewer
// values than its shape reads into the next line.
enum class TokenEnd {
  blank,        // the values of one line
  line,         // the last value of a line: the rest of the line
  blankOrLine,  // the last coordinate of a vertex, which may be followed by another vertex
};

// A value as read. `stop` is the character that ended it, or EOF when the file ended first.
struct Token {
  std::string text;
  int stop = EOF;
};

// How the reading of a field line's keyword ended.
enum class KeywordEnd {
  value,    // at "=": the value follows on the same line
  line,     // at the line feed: the line has no value and matches no keyword
  section,  // at "*" or at the end of the file: the section is over
};

struct Keyword {
  std::string text;
  KeywordEnd end = KeywordEnd::section;
};

// Reads a scene file one character at a time, knowing which file and line it is at. A carriage
// return directly before a line feed is dropped, so files written on Windows read unchanged.
// Tokens, keywords and text values hold at most kTokenLimit characters: the rest, up to what
// ends them, is read and dropped, so the following values stay in place. The end of the file
// ends whatever is being read.
class SceneReader {
 public:
  static constexpr std::size_t kTokenLimit = 99;

  // Reads `file` from where it stands; the file stays the caller's to close.
  SceneReader(std::FILE* file, std::string fileName);

  const std::string& fileName() const { return fileName_; }
  // The line the next character is on, counting from 1.
  int lineNumber() const { return lineNumber_; }
  // Whether a read has met the end of the file.
  bool atEnd() const { return atEnd_; }

  // The next character, or EOF.
  int get();

  // Reads the keyword of a field line, up to "=", the line feed or "*". A "*" anywhere in it
  // ends the section, and the text before it is dropped; the rest of the "*" line stays unread.
  Keyword readKeyword();
  // Reads up to and including the character that ends the token; the text excludes it.
  Token readToken(TokenEnd end);
  // The rest of the line without its line feed, cut to kTokenLimit characters (`name`, `text`).
  std::string readTextLine();
  // Everything up to (and dropping) `stop`, of any length: file names, which are paths.
  std::string readPathUntil(char stop);
  // Reads and drops characters up to and including `stop`.
  void skipPast(char stop);

 private:
  std::FILE* file_;
  std::string fileName_;
  int lineNumber_ = 1;
  int pending_ = EOF;  // a character read after a carriage return that did not precede a LF
  bool hasPending_ = false;
  bool atEnd_ = false;
};

}  // namespace vev
