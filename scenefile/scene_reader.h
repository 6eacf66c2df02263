#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "scenefile/field_tally.h"
#include "scenefile/load_report.h"

namespace vev {

// What may end a token. A blank-ended token runs on over line feeds, so a line that holds fewer
// values than its shape reads into the next line.
enum class TokenEnd {
  blank,         // the values of one line
  line,          // the last value of a line: the rest of the line
  blankOrLine,   // the last coordinate of a vertex, which may be followed by another vertex
  optionalMore,  // a value that may end its line or be followed by an optional one
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

// The colour lines of a file, for telling one written on a 0-1 scale instead of in percent.
struct ColourTally {
  int firstLine = 0;         // 0 while no colour was read
  std::int32_t largest = 0;  // the largest component of any colour, in percent
};

struct Keyword {
  std::string text;
  KeywordEnd end = KeywordEnd::section;
  int line = 0;            // the line it starts on
  bool opensLine = false;  // it starts its line (it is not the rest of a skipped keyword's line)
};

// Reads a scene file one character at a time, knowing which file and line it is at. A carriage
// return directly before a line feed is dropped, so files written on Windows read unchanged.
// Tokens, keywords and text values hold at most kTokenLimit characters: the rest, up to what
// ends them, is read and dropped, so the following values stay in place. The end of the file
// ends whatever is being read. With a load report the reader also tells it what it met that an
// author probably did not mean; what is read stays the same.
class SceneReader {
 public:
  static constexpr std::size_t kTokenLimit = 99;

  // Reads `file` from where it stands; the file stays the caller's to close. `report` may be
  // null: nothing is told.
  SceneReader(std::FILE* file, std::string fileName, LoadReport* report = nullptr);

  const std::string& fileName() const { return fileName_; }
  // The line the next character is on, counting from 1.
  int lineNumber() const { return lineNumber_; }
  // The line the last character read is on (a line feed belongs to the line it ends).
  int lastLine() const;
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

  // Whether there is a report to tell.
  bool reporting() const { return report_ != nullptr; }
  void note(int line, std::string message);
  void noteSection(int line, const SceneNode& node);
  // Between these two calls the value of the field line `keyword` (on `line`) is read and
  // watched; at the end a value written in another shape than its reader takes is told.
  void beginField(std::string keyword, int line);
  void endField();
  // Tells something about the field being read, after its keyword, on the field's line.
  void noteField(const std::string& message);
  // Tells that the sound of the field being read is silent: the sound table is full.
  void noteSilentSound();
  // Keeps the first value of the field that is not what the field holds, told at its end
  // unless the value ran over its line (then the values are not the ones written anyway).
  void noteValue(std::string message);
  // Takes the largest component (in percent) of a colour read by the field being read.
  void tallyColour(std::int32_t largest);
  const ColourTally& colours() const { return colours_; }

 private:
  std::FILE* file_;
  std::string fileName_;
  int lineNumber_ = 1;
  int pending_ = EOF;  // a character read after a carriage return that did not precede a LF
  bool hasPending_ = false;
  bool atEnd_ = false;
  bool atLineStart_ = true;
  LoadReport* report_;
  bool inField_ = false;  // a field's value is being read for the report
  FieldTally field_;
  ColourTally colours_;
};

}  // namespace vev
