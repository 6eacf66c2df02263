#include "scenefile/field_tally.h"

#include <cstdio>

namespace vev {

namespace {

std::string plural(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string shapeCause(const FieldTally& tally) {
  if (tally.freeText) return "has no `-` after its file name";
  if (tally.tabColumn > 0) {
    return "has a tab at column " + std::to_string(tally.tabColumn) +
           ", but only a space separates values: the tab is read as part of a value";
  }
  if (tally.leadingBlank) {
    return "starts with a blank, which makes an empty first value (read as 0)";
  }
  if (tally.blankRun) return "has two blanks in a row, which make an empty value (read as 0)";
  if (tally.vertexList) {
    if (tally.trailingBlank) return "ends in a blank, which starts a further vertex";
    if (tally.valuesOnLine == 0) return "holds no vertex";
    if (tally.valuesOnLine % 3 == 0) return {};
    return "holds " + plural(tally.valuesOnLine, "value", "values") +
           ", which is not a whole number of vertices (x y z each)";
  }
  if (tally.valuesOnLine == tally.valuesRead) return {};
  return "expects " + plural(tally.valuesRead, "value", "values") + ", found " +
         std::to_string(tally.valuesOnLine);
}

std::string shapeConsequence(const FieldTally& tally, int lastLine) {
  if (tally.ranOver) {
    const int first = tally.line + 1;
    if (lastLine <= first) return "; line " + std::to_string(first) + " is read as part of it";
    return "; lines " + std::to_string(first) + " to " + std::to_string(lastLine) +
           " are read as part of it";
  }
  if (tally.leadingBlank || tally.blankRun || tally.vertexList) return {};
  if (tally.valuesOnLine > tally.valuesRead) return "; the rest of the line is ignored";
  return "; the missing values read as 0";
}

}  // namespace

void FieldTally::observe(int c) {
  if (lineEnded) return;
  if (c == '\n' || c == EOF) {
    lineEnded = true;
    trailingBlank = previous == ' ' && valuesOnLine > 0;
    return;
  }
  ++charactersRead;
  // The keyword starts its line and "=" follows it.
  if (c == '\t' && tabColumn == 0) {
    tabColumn = static_cast<int>(keyword.size()) + 1 + charactersRead;
  }
  const bool afterBlank = previous == ' ' || previous == EOF;
  if (c == ' ' && previous == EOF) leadingBlank = true;
  if (c == ' ' && previous == ' ') blankRun = true;
  if (c != ' ' && afterBlank) ++valuesOnLine;
  previous = c;
}

std::string shapeProblem(const FieldTally& tally, int lastLine) {
  if (tally.freeText ? !tally.ranOver : tally.valuesRead == 0) return {};
  std::string cause = shapeCause(tally);
  if (cause.empty() && !tally.ranOver) return {};
  if (cause.empty()) cause = "runs on past the end of its line";
  return cause + shapeConsequence(tally, lastLine);
}

}  // namespace vev
