#include "app/demo_pilot.h"

#include "app/attack_pilot.h"
#include "app/second_player.h"
#include "sim/node_kind.h"

namespace vev {
namespace {

constexpr int kTicksPerCycle = 100;
constexpr KeyCode kThrustUp = 84;    // T
constexpr KeyCode kThrustDown = 66;  // B
constexpr KeyCode kRight = 39;
constexpr KeyCode kDown = 40;

// Quarters 0 and 2 of the cycle thrust and turn; quarters 1 and 3 brake and fly straight. T
// and B are never released, so the craft keep whatever their files make of both held.
void pressPilotKeys(KeyStates& keys, int pilotTick) {
  const bool turning = (pilotTick / 25) % 2 == 0;
  keys[turning ? kThrustUp : kThrustDown] = 1;
  keys[kDown] = turning ? 1 : 0;
  keys[kRight] = turning ? 1 : 0;
}

// The keys a pilot held stay down until someone lets them go.
void releaseAllPilotKeys(ModelState& model) {
  for (Identity* it = model.scene.get(); it; it = it->next.get()) {
    if (it != model.controlled && !it->secondPlayer && !isShot(*it)) releasePilotKeys(*it);
  }
}

void flyAttack(ModelState& model) {
  if (!model.controlled) return;
  Players players{model.controlled};
  if (const Identity* second = secondPlayerCraft(model)) players.push_back(second);
  const Traffic traffic = trafficOf(model.scene.get());
  for (Identity* it = model.scene.get(); it; it = it->next.get()) {
    if (it != model.controlled && !it->secondPlayer) {
      pressAttackKeys(*it, players, traffic, model.frameStepSeconds());
    }
  }
}

}  // namespace

bool tick(ModelState& model, DemoPilot& pilot) {
  if (model.frameReady != 1) return false;
  pilot.pilotTick = (pilot.pilotTick + 1) % kTicksPerCycle;
  if (pilot.attack != pilot.attacking) {
    releaseAllPilotKeys(model);
    pilot.attacking = pilot.attack;
  }
  if (pilot.attack) {
    flyAttack(model);
  } else {
    // The player's craft is the controlled one (before the first frame, the first), wherever
    // it stands in the list.
    const Identity* player = model.controlled ? model.controlled : model.scene.get();
    for (Identity* it = model.scene.get(); it; it = it->next.get()) {
      if (it != player && !it->secondPlayer) pressPilotKeys(it->keys, pilot.pilotTick);
    }
  }
  return true;
}

}  // namespace vev
