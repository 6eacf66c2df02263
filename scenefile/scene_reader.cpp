#include "scenefile/scene_reader.h"

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
      return c == ' ' || c == '\n';
  }
  return false;
}

void appendBounded(std::string& text, int c) {
  if (text.size() < SceneReader::kTokenLimit) text.push_back(static_cast<char>(c));
}

}  // namespace

SceneReader::SceneReader(std::FILE* file, std::string fileName)
    : file_(file), fileName_(std::move(fileName)) {}

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
  if (c == EOF) atEnd_ = true;
  if (c == '\n') ++lineNumber_;
  return c;
}

Keyword SceneReader::readKeyword() {
  Keyword keyword;
  for (;;) {
    const int c = get();
    if (c == EOF || c == '*') {
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
  Token token;
  for (;;) {
    const int c = get();
    if (c == EOF || endsToken(end, c)) {
      token.stop = c;
      return token;
    }
    appendBounded(token.text, c);
  }
}

std::string SceneReader::readTextLine() {
  return readToken(TokenEnd::line).text;
}

std::string SceneReader::readPathUntil(char stop) {
  std::string path;
  for (int c = get(); c != EOF && c != stop; c = get()) path.push_back(static_cast<char>(c));
  return path;
}

void SceneReader::skipPast(char stop) {
  for (int c = get(); c != EOF && c != stop; c = get()) {
  }
}

}  // namespace vev
