#include "app/net_game.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <utility>

#include "app/game_step.h"
#include "app/scene_hashes.h"
#include "app/second_player.h"
#include "app/version.h"
#include "sim/state_checksum.h"

namespace vev {
namespace {

std::uint64_t wordHash(const std::string& word) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char c : word) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

// Of a player's commands, those a network game shares: restart from either, the pilot from the
// host.
void keepSharedCommands(FrameInputs& inputs, bool fromHost) {
  std::erase_if(inputs.commands, [fromHost](const GameCommand& command) {
    return command.kind != GameCommand::Kind::restart &&
           !(fromHost && command.kind == GameCommand::Kind::pilot);
  });
}

bool writeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << bytes;
  return static_cast<bool>(file);
}

}  // namespace

Handshake gameHandshake(const ViewState& view, const std::string& player,
                        const std::string& gameKey) {
  Handshake handshake;
  handshake.program = kProgramVersion;
  handshake.player = player;
  handshake.files = loadedFileHashes(view.model, view.textures, view.sounds, view.dataDir);
  handshake.settings = {{"frame step", std::to_string(view.model.frameStepMs)}};
  handshake.gameKey = gameKey.empty() ? 0 : wordHash(gameKey);
  return handshake;
}

NetGame::NetGame(std::unique_ptr<LockstepSession> session, GameSetup setup,
                 std::function<std::string(const ViewState&)> stateJson)
    : session_(std::move(session)),
      setup_(std::move(setup)),
      stateJson_(std::move(stateJson)),
      firstPlayer_(session_->isHost()) {}

bool NetGame::started() const {
  const LockstepSession::State state = session_->state();
  return state == LockstepSession::State::playing || state == LockstepSession::State::alone;
}

std::optional<FrameInputs> NetGame::nextFrame(ViewState& view) {
  if (!started()) return std::nullopt;
  const std::int64_t frame = frame_ + 1;
  if (!begun_) {
    begun_ = true;
    files_ = sceneFileHashes(view.model, view.dataDir);
    // The host's pilot flies this game only: the joining player's own setting stays as stored.
    setup_.attack = session_->attack();
  }
  std::optional<FrameInputs> other;
  if (!otherLeft_) {
    if (session_->hasOtherInput(frame)) {
      other = otherInputs(frame);
    } else if (session_->state() == LockstepSession::State::playing) {
      fillUpTo(frame_ + session_->delay());
      return std::nullopt;
    }
  }
  sendAhead(localInputs(view));
  auto mine = mine_.extract(frame);
  return combine(mine ? std::move(mine.mapped()) : FrameInputs{}, std::move(other));
}

FrameInputs NetGame::localInputs(ViewState& view) {
  FrameInputs inputs = takeFrameInputs(view);
  inputs.secondKeys = {};
  keepSharedCommands(inputs, session_->isHost());
  return inputs;
}

// This player's inputs go out for the frame the delay puts them at (alone: the next frame not yet
// given); frames before it that have none (the first ones, and those skipped when the delay was
// raised) keep the keys held and give no commands.
void NetGame::sendAhead(const FrameInputs& local) {
  const bool playing = session_->state() == LockstepSession::State::playing;
  const std::int64_t due = std::max(frame_ + 1 + (playing ? session_->delay() : 0), nextToSend_);
  fillUpTo(due - 1);
  if (playing) session_->sendInput(due, encodeReplayFrame(local, lastSent_));
  lastSent_.keys = local.keys;
  mine_.emplace(nextToSend_++, local);
}

void NetGame::fillUpTo(std::int64_t last) {
  const bool playing = session_->state() == LockstepSession::State::playing;
  for (; nextToSend_ <= last; ++nextToSend_) {
    FrameInputs held;
    held.keys = lastSent_.keys;
    if (playing) session_->sendInput(nextToSend_, encodeReplayFrame(held, lastSent_));
    mine_.emplace(nextToSend_, std::move(held));
  }
}

std::optional<FrameInputs> NetGame::otherInputs(std::int64_t frame) {
  const std::optional<std::string> bytes = session_->takeOtherInput(frame);
  std::optional<FrameInputs> inputs =
      bytes ? decodeReplayFrame(*bytes, otherPrevious_) : std::nullopt;
  if (!inputs) {
    session_->disconnectOther(session_->otherPlayer() + " sent malformed inputs");
    return std::nullopt;
  }
  otherPrevious_.keys = inputs->keys;
  inputs->secondKeys = {};
  keepSharedCommands(*inputs, !session_->isHost());
  return inputs;
}

FrameInputs NetGame::combine(FrameInputs mine, std::optional<FrameInputs> other) {
  FrameInputs frame;
  // Both games start from the scene as its files load, whatever was flown before.
  if (frame_ == 0) {
    frame.commands.emplace_back(GameCommand::Kind::restart);
    frame.commands.emplace_back(GameCommand::Kind::secondPlayerJoins);
    frame.commands.emplace_back(GameCommand::Kind::pilot, std::string(), session_->attack());
  }
  if (!other && !otherLeft_) {
    otherLeft_ = true;
    frame.commands.emplace_back(firstPlayer_ ? GameCommand::Kind::secondPlayerLeaves
                                             : GameCommand::Kind::firstPlayerLeaves);
    firstPlayer_ = true;
  }
  const FrameInputs none;
  const FrameInputs& first = firstPlayer_ ? mine : (other ? *other : none);
  const FrameInputs& second = firstPlayer_ ? (other ? *other : none) : mine;
  frame.keys = first.keys;
  frame.secondKeys = second.keys;
  for (const FrameInputs* inputs : {&first, &second}) {
    frame.commands.insert(frame.commands.end(), inputs->commands.begin(), inputs->commands.end());
  }
  inputLog_ += encodeReplayFrame(frame, logged_);
  logged_.keys = frame.keys;
  logged_.secondKeys = frame.secondKeys;
  return frame;
}

void NetGame::afterStep(ViewState& view) {
  ++frame_;
  // The joining player looks out of his own cockpit until the host leaves him the controls.
  const bool second = !firstPlayer_;
  if (second && !view.secondPlayerView) {
    const Identity* craft = secondPlayerCraft(view.model);
    if (craft && craft->nodes && craft->nodes->pose) {
      view.model.activeCamera = craft->nodes->pose.get();
    }
  }
  view.secondPlayerView = second;
  if (frame_ % kChecksumEvery == 0) session_->sendChecksum(frame_, stateChecksum(view.model));
  tellNews(view);
}

void NetGame::tellNews(ViewState& view) {
  for (std::string& news : session_->takeNews()) view.news.push_back(std::move(news));
  if (session_->state() != LockstepSession::State::ended || failureTold_) return;
  failureTold_ = true;
  if (const std::optional<std::int64_t> frame = session_->outOfSyncFrame()) {
    writeDesyncFiles(view, *frame);
  } else {
    view.news.push_back(session_->failure());
  }
}

void NetGame::writeDesyncFiles(ViewState& view, std::int64_t frame) {
  const std::filesystem::path base =
      std::filesystem::temp_directory_path() /
      ("vev-out-of-sync-" + std::string(session_->isHost() ? "host-" : "guest-") +
       std::to_string(getpid()));
  const std::filesystem::path state = base.string() + ".json";
  const std::filesystem::path inputs = base.string() + ".vrp";
  const std::string log = encodeReplayHeader(setup_, files_) + inputLog_ +
                          encodeReplayEnd(frame_, stateChecksum(view.model));
  const bool written = writeFile(state, stateJson_(view)) && writeFile(inputs, log);
  view.news.push_back(
      "Out of sync at frame " + std::to_string(frame) +
      (written ? "; the state is in " + state.string() + ", the inputs in " + inputs.string()
               : "; the state and inputs could not be written"));
}

}  // namespace vev
