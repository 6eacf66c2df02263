#pragma once

#include <string>
#include <vector>

namespace vev {

// A message drawn over the view for a while, so that it shows in full screen too: the frames it
// still shows for, or -1 until it is taken away.
struct ShownMessage {
  std::string text;
  int framesLeft = -1;
};

// How long a message shows: five seconds at 25 frames a second.
inline constexpr int kShownMessageFrames = 125;

// Shows `text` for `frames` frames (-1: until it is taken away), after the others; the same text
// shown again starts afresh.
void showInView(std::vector<ShownMessage>& messages, const std::string& text, int frames);
// Takes away every message that reads `text`.
void hideInView(std::vector<ShownMessage>& messages, const std::string& text);
// "PAUSED" shown for as long as the game is paused.
void showPausedInView(std::vector<ShownMessage>& messages, bool paused);
// One frame has passed: messages whose time is up go.
void ageShownMessages(std::vector<ShownMessage>& messages);
// The texts of the messages, oldest first.
std::vector<std::string> shownTexts(const std::vector<ShownMessage>& messages);

}  // namespace vev
