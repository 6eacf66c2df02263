#include "app/shown_messages.h"

#include <algorithm>

namespace vev {

void showInView(std::vector<ShownMessage>& messages, const std::string& text, int frames) {
  hideInView(messages, text);
  messages.push_back({text, frames});
}

void hideInView(std::vector<ShownMessage>& messages, const std::string& text) {
  std::erase_if(messages, [&text](const ShownMessage& m) { return m.text == text; });
}

void showPausedInView(std::vector<ShownMessage>& messages, bool paused) {
  if (paused) {
    showInView(messages, "PAUSED", -1);
  } else {
    hideInView(messages, "PAUSED");
  }
}

void ageShownMessages(std::vector<ShownMessage>& messages) {
  for (ShownMessage& message : messages) {
    if (message.framesLeft > 0) --message.framesLeft;
  }
  std::erase_if(messages, [](const ShownMessage& m) { return m.framesLeft == 0; });
}

std::vector<std::string> shownTexts(const std::vector<ShownMessage>& messages) {
  std::vector<std::string> texts;
  for (const ShownMessage& message : messages) texts.push_back(message.text);
  return texts;
}

}  // namespace vev
