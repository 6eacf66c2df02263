#pragma once

#include "model/model_state.h"

namespace vev {

// The craft the second player of a two-player game flies, or none.
Identity* secondPlayerCraft(ModelState& model);

// The second player takes a craft: the next one after the controlled craft that was loaded from
// the same file (the demonstration's second M-BIRD), or else the first other craft. Nothing when
// there is no other craft.
void joinSecondPlayer(ModelState& model);

// The second player's craft goes back to the pilot, its keys let go.
void leaveSecondPlayer(ModelState& model);

// The controlled craft goes to the pilot, its keys let go, and the second player's craft becomes
// the controlled one.
void firstPlayerLeaves(ModelState& model);

}  // namespace vev
