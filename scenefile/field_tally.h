#pragma once

#include <cstdio>
#include <string>

namespace vev {

// How the value of one field line was written and read, for the load report: the values on the
// line itself against the values its reader took, and where the reading went past the line.
struct FieldTally {
  std::string keyword;
  int line = 0;                // the keyword's line
  int valuesRead = 0;          // values taken by the field's reader
  int valuesOnLine = 0;        // blank-separated values between "=" and the line end
  bool leadingBlank = false;   // a blank right after "=": an empty first value
  bool blankRun = false;       // two blanks in a row: an empty value
  bool trailingBlank = false;  // a blank directly before the line end
  bool lineEnded = false;      // the value's own line has been read to its end
  bool ranOver = false;        // a value went on past the line feed into the next line
  bool vertexList = false;     // any number of x y z triples
  bool freeText = false;       // a text or a file name: its words are not values
  std::string valueProblem;    // the first value that is not what its field holds
  int charactersRead = 0;      // of the value's own line, after "="
  int tabColumn = 0;           // the line's column (from 1) of its first tab after "=", or 0
  int previous = EOF;          // nothing of the value read yet

  // Takes the next character read for the value (EOF included).
  void observe(int c);
};

// What is wrong with the written shape of the value, as the rest of a message that starts with
// the keyword; empty when the line holds what its reader takes. `lastLine` is the line the
// reading ended on.
std::string shapeProblem(const FieldTally& tally, int lastLine);

}  // namespace vev
