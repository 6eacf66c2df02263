#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/keys.h"

namespace vev {

// A command that changes the simulation, applied at the start of the step of the frame that
// carries it.
struct GameCommand {
  enum class Kind {
    restart,
    nextIdentity,
    previousIdentity,
    addFile,
    pilot,
    flyFile,
    secondPlayerJoins,   // a second player takes a craft
    secondPlayerLeaves,  // the second player's craft goes back to the pilot
    firstPlayerLeaves,   // the second player's craft becomes the controlled one
  };

  explicit GameCommand(Kind kind, std::string file = {}, bool attack = false)
      : kind(kind), file(std::move(file)), attack(attack) {}

  Kind kind;
  std::string file;  // addFile, flyFile: the scene file
  bool attack;       // pilot: the attack pilot flies from now on
};

// Everything one step of the simulation takes from the players: the key table (the joystick
// already folded in), the second player's key table in a two-player game, and the commands of
// the frame, in the order they were given.
struct FrameInputs {
  KeyStates keys{};
  KeyStates secondKeys{};
  std::vector<GameCommand> commands;
};

}  // namespace vev
