#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/frame_inputs.h"
#include "app/replay_file.h"
#include "app/view_state.h"
#include "net/lockstep_session.h"

namespace vev {

// What this player brings to a network game: his name, the files loaded, the settings that
// change the simulation, and the shared word's hash.
Handshake gameHandshake(const ViewState& view, const std::string& player,
                        const std::string& gameKey);

// A two-player game over a lockstep session. The host flies the controlled craft, the joining
// player the second player's craft; on both machines the frame's inputs are made the same way
// from both players' inputs. Only commands both can share are sent: restart, and the host's
// pilot.
class NetGame {
 public:
  // `stateJson` describes the state for the file written when the game falls out of sync.
  NetGame(std::unique_ptr<LockstepSession> session, GameSetup setup,
          std::function<std::string(const ViewState&)> stateJson);

  LockstepSession& session() { return *session_; }
  bool started() const;
  // The frames stepped so far.
  std::int64_t frame() const { return frame_; }

  // The inputs of the next frame, when both players' are there: this player's are taken from
  // the view and sent ahead by the delay. Nothing while the other's have not come, or when the
  // game has ended.
  std::optional<FrameInputs> nextFrame(ViewState& view);
  // After the frame was stepped: the checksum, every kChecksumEvery frames, and the session's
  // news into the view's. When the game fell out of sync, the state and the input log are
  // written to files and the news names them.
  void afterStep(ViewState& view);
  // The news of the session while no frame is stepped (joins, departures, refusals).
  void tellNews(ViewState& view);

 private:
  FrameInputs localInputs(ViewState& view);
  void sendAhead(const FrameInputs& local);
  void fillUpTo(std::int64_t last);
  std::optional<FrameInputs> otherInputs(std::int64_t frame);
  FrameInputs combine(FrameInputs mine, std::optional<FrameInputs> other);
  void writeDesyncFiles(ViewState& view, std::int64_t frame);

  std::unique_ptr<LockstepSession> session_;
  GameSetup setup_;
  std::vector<FileHash> files_;
  std::function<std::string(const ViewState&)> stateJson_;
  std::int64_t frame_ = 0;
  std::int64_t nextToSend_ = 1;               // the next frame this player's inputs are sent for
  std::map<std::int64_t, FrameInputs> mine_;  // sent, not yet stepped
  FrameInputs lastSent_;
  FrameInputs otherPrevious_;
  bool begun_ = false;
  bool otherLeft_ = false;
  bool failureTold_ = false;
  bool firstPlayer_;      // this player's keys go to the controlled craft
  std::string inputLog_;  // every frame's inputs as the replay encodes them
  FrameInputs logged_;
};

}  // namespace vev
