#include "scenefile/scene_reader.h"

#include <algorithm>
#include <utility>

namespace vev {

namespace {

bool endsToken(TokenEnd end, int c) {
  switch (end) {
    case TokenEnd::blank:
      return c == ' ';
    case TokenEnd::line:
      return c == '\n';
    case TokenEnd::blankOrLine:
    case TokenEnd::optionalMore:
      return c == ' ' || c == '\n';
  }
  return false;
}

// False when the text is full and the character is dropped.
bool appendBounded(std::string& text, int c) {
  if (text.size() >= SceneReader::kTokenLimit) return false;
  text.push_back(static_cast<char>(c));
  return true;
}

bool isBlank(const std::string& text) {
  return text.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

SceneReader::SceneReader(std::FILE* file, std::string fileName, LoadReport* report)
    : file_(file), fileName_(std::move(fileName)), report_(report) {}

int SceneReader::lastLine() const {
  return atLineStart_ && lineNumber_ > 1 ? lineNumber_ - 1 : lineNumber_;
}

int SceneReader::get() {
  if (atEnd_) return EOF;
  int c = EOF;
  if (hasPending_) {
    c = pending_;
    hasPending_ = false;
  } else {
    c = std::fgetc(file_);
  }
  if (c == '\r') {
    const int after = std::fgetc(file_);
    if (after == '\n') {
      c = '\n';
    } else if (after != EOF) {
      pending_ = after;
      hasPending_ = true;
    }
  }
  if (inField_) field_.observe(c);
  if (c == EOF) {
    atEnd_ = true;
    return c;
  }
  atLineStart_ = c == '\n';
  if (c == '\n') ++lineNumber_;
  return c;
}

Keyword SceneReader::readKeyword() {
  Keyword keyword;
  keyword.line = lineNumber_;
  keyword.opensLine = atLineStart_;
  for (;;) {
    const int c = get();
    if (c == EOF || c == '*') {
      if (c == '*' && reporting() && !isBlank(keyword.text)) {
        note(keyword.line, "`" + keyword.text + "` before the `*` is dropped");
      }
      keyword.text.clear();
      keyword.end = KeywordEnd::section;
      return keyword;
    }
    if (c == '\n') {
      keyword.end = KeywordEnd::line;
      return keyword;
    }
    if (c == '=') {
      keyword.end = KeywordEnd::value;
      return keyword;
    }
    appendBounded(keyword.text, c);
  }
}

Token SceneReader::readToken(TokenEnd end) {
  if (inField_) {
    ++field_.valuesRead;
    field_.vertexList = field_.vertexList || end == TokenEnd::blankOrLine;
  }
  Token token;
  bool cut = false;
  for (;;) {
    const int c = get();
    if (c == EOF || endsToken(end, c)) {
      token.stop = c;
      if (cut) {
        const std::string limit = std::to_string(kTokenLimit);
        noteValue("value is longer than " + limit + " characters; only its first " + limit +
                  " are kept");
      }
      return token;
    }
    if (c == '\n' && inField_) field_.ranOver = true;
    cut = !appendBounded(token.text, c) || cut;
  }
}

std::string SceneReader::readTextLine() {
  if (inField_) field_.freeText = true;
  return readToken(TokenEnd::line).text;
}

std::string SceneReader::readPathUntil(char stop) {
  if (inField_) field_.freeText = true;
  std::string path;
  for (int c = get(); c != EOF && c != stop; c = get()) {
    if (c == '\n' && inField_) field_.ranOver = true;
    path.push_back(static_cast<char>(c));
  }
  return path;
}

void SceneReader::skipPast(char stop) {
  for (int c = get(); c != EOF && c != stop; c = get()) {
  }
}

void SceneReader::note(int line, std::string message) {
  if (report_) report_->note(line, std::move(message));
}

void SceneReader::noteSection(int line, const SceneNode& node) {
  if (report_) report_->noteSection(line, node);
}

void SceneReader::beginField(std::string keyword, int line) {
  if (!report_) return;
  field_ = FieldTally{};
  field_.keyword = std::move(keyword);
  field_.line = line;
  inField_ = true;
}

void SceneReader::endField() {
  if (!inField_) return;
  inField_ = false;
  const std::string shape = shapeProblem(field_, lastLine());
  if (!shape.empty()) noteField(shape);
  if (!field_.valueProblem.empty() && !field_.ranOver) noteField(field_.valueProblem);
}

void SceneReader::noteField(const std::string& message) {
  note(field_.line, "`" + field_.keyword + "` " + message);
}

void SceneReader::noteSilentSound() {
  if (report_) report_->noteSilentSound(field_.line);
}

void SceneReader::tallyColour(std::int32_t largest) {
  if (colours_.firstLine == 0) {
    colours_.firstLine = field_.line;
    colours_.largest = largest;
  }
  colours_.largest = std::max(colours_.largest, largest);
}

void SceneReader::noteValue(std::string message) {
  if (inField_ && field_.valueProblem.empty()) field_.valueProblem = std::move(message);
}

}  // namespace vev
