#pragma once

#include <string>
#include <string_view>

#include "scenefile/scene_reader.h"

namespace vev {

// Tells the reader's load report what the field lines of one section (or of the identity
// header) do that their author probably did not mean: keywords the section does not use,
// values written in another shape than their reader takes, and an order of lines that leaves a
// value unused. Silent when the reader has no report.
class SectionCheck {
 public:
  // `where` completes "is not used in ...": "WALL sections", "the identity header".
  SectionCheck(SceneReader& reader, std::string where);

  // A field line whose keyword the section does not accept.
  void unusedKeyword(const Keyword& keyword);

  // Reads the value of an accepted field line with `read()`, watching it.
  template <typename Read>
  void readField(const Keyword& keyword, Read&& read) {
    reader_.beginField(keyword.text, keyword.line);
    read();
    reader_.endField();
    saw(keyword.text, keyword.line);
  }

  // Once the section has ended: the values that a later line left unused.
  void finish();

 private:
  void saw(std::string_view keyword, int line);

  SceneReader& reader_;
  std::string where_;
  bool hasPose_ = false;
  int lastTangent_ = 0;  // lines; 0 for none
  int lastNormal_ = 0;
  int lastCoordType_ = 0;
  int coordTypeReset_ = 0;  // the first `pos`, `tang` or `norm` after the last `coordtype`
  std::string resetKeyword_;
  int unusedLine_ = 0;  // the line of the last keyword told as unused
  std::string unusedKeyword_;
};

}  // namespace vev
