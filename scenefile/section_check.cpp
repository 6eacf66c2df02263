#include "scenefile/section_check.h"

#include <utility>

namespace vev {

namespace {

bool setsPlainCoordinates(std::string_view keyword) {
  return keyword == "pos" || keyword == "tang" || keyword == "norm";
}

}  // namespace

SectionCheck::SectionCheck(SceneReader& reader, std::string where)
    : reader_(reader), where_(std::move(where)) {}

// The rest of a skipped keyword's line is read as further keywords; only the line's own
// keyword is told.
void SectionCheck::unusedKeyword(const Keyword& keyword) {
  if (!keyword.opensLine) return;
  reader_.note(keyword.line, "keyword `" + keyword.text + "` is not used in " + where_);
  unusedLine_ = keyword.line;
  unusedKeyword_ = keyword.text;
}

void SectionCheck::saw(std::string_view keyword, int line) {
  if (line == unusedLine_) {
    reader_.note(line, "keyword `" + std::string(keyword) + "` after `" + unusedKeyword_ +
                           "=` on the same line is read as a line of its own and applied");
  }
  if (keyword == "tang") lastTangent_ = line;
  if (keyword == "norm") lastNormal_ = line;
  // A `coordtype` before any pose has been told as unused where it was skipped.
  if (keyword == "coordtype" && hasPose_) {
    lastCoordType_ = line;
    coordTypeReset_ = 0;
  }
  if (setsPlainCoordinates(keyword) && lastCoordType_ != 0 && coordTypeReset_ == 0) {
    coordTypeReset_ = line;
    resetKeyword_ = keyword;
  }
  hasPose_ = hasPose_ || setsPlainCoordinates(keyword) || keyword == "colision";
}

void SectionCheck::finish() {
  if (lastNormal_ != 0 && lastTangent_ > lastNormal_) {
    reader_.note(lastTangent_, "`tang` comes after the `norm` of line " +
                                   std::to_string(lastNormal_) +
                                   ", whose binormal was worked out from the tangent before it");
  }
  if (coordTypeReset_ != 0) {
    reader_.note(lastCoordType_, "`coordtype` is set back to 0 by the `" + resetKeyword_ +
                                     "` of line " + std::to_string(coordTypeReset_));
  }
}

}  // namespace vev
