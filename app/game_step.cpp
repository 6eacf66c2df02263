#include "app/game_step.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "app/commands.h"
#include "app/demo_pilot.h"
#include "app/free_camera.h"
#include "app/news.h"
#include "app/own_craft.h"
#include "app/restart.h"
#include "app/second_player.h"
#include "sim/joystick_keys.h"
#include "sim/node_kind.h"

namespace vev {
namespace {

// The craft (not shots) destroyed so far, in list order.
std::vector<const Identity*> destroyedCraft(const ModelState& model) {
  std::vector<const Identity*> craft;
  for (const Identity* it = model.scene.get(); it; it = it->next.get()) {
    if (!isShot(*it) && isDestroyed(*it)) craft.push_back(it);
  }
  return craft;
}

// The controlled craft's own destruction is told as such, and the view moves out to watch it.
void tellNewlyDestroyed(ViewState& view, const std::vector<const Identity*>& before) {
  const Identity* own = playersCraft(view);
  for (const Identity* it : destroyedCraft(view.model)) {
    if (std::find(before.begin(), before.end(), it) != before.end()) continue;
    if (it == own) {
      view.news.push_back(ownDestructionNews(*it));
      watchFromOutside(view.model, *it);
    } else {
      view.news.push_back(destroyedNews(*it));
    }
  }
}

void changeControlled(ViewState& view, void (*change)(ModelState&)) {
  const Identity* before = view.model.controlled;
  change(view.model);
  if (view.model.controlled && view.model.controlled != before) {
    view.news.push_back(controllingNews(*view.model.controlled));
  }
}

}  // namespace

FrameInputs takeFrameInputs(ViewState& view) {
  FrameInputs inputs;
  inputs.keys = view.model.keyState;
  for (std::size_t key = 0; key < inputs.keys.size(); ++key) {
    inputs.keys[key] = inputs.keys[key] != 0 || view.pressedSinceStep[key] != 0 ? 1 : 0;
  }
  view.pressedSinceStep.fill(0);
  const Identity* controlled =
      view.model.controlled ? view.model.controlled : view.model.scene.get();
  if (controlled && controlled->alive == 1) {
    pressJoystickKeys(inputs.keys, controlled->body.joyKeys, view.joystick,
                      view.settings.joystickEnabled);
  }
  inputs.commands = std::exchange(view.commands, {});
  const bool attack = view.settings.attack != 0;
  const bool pilotAsked =
      std::any_of(inputs.commands.begin(), inputs.commands.end(),
                  [](const GameCommand& c) { return c.kind == GameCommand::Kind::pilot; });
  if (!pilotAsked && attack != view.pilot.attack) {
    inputs.commands.emplace_back(GameCommand::Kind::pilot, std::string(), attack);
  }
  return inputs;
}

void applyGameCommand(ViewState& view, const GameCommand& command) {
  switch (command.kind) {
    case GameCommand::Kind::restart: {
      const bool attack = view.pilot.attack;
      const bool twoPlayers = secondPlayerCraft(view.model) != nullptr;
      view.textureCache.release();
      restartDemonstration(view, view.dataDir, view.onUnreadableTexture);
      view.shownMessages.clear();  // they told of the flight that has ended
      view.pilot.attack = attack;
      if (twoPlayers) joinSecondPlayer(view.model);
      return;
    }
    case GameCommand::Kind::nextIdentity:
      changeControlled(view, nextControlled);
      return;
    case GameCommand::Kind::previousIdentity:
      changeControlled(view, previousControlled);
      return;
    case GameCommand::Kind::addFile:
      addSceneFile(view, command.file, view.onUnreadableTexture);
      return;
    case GameCommand::Kind::pilot:
      view.pilot.attack = command.attack;
      return;
    case GameCommand::Kind::flyFile:
      flyCraftFile(view, command.file, view.onUnreadableTexture);
      return;
    case GameCommand::Kind::secondPlayerJoins:
      joinSecondPlayer(view.model);
      return;
    case GameCommand::Kind::secondPlayerLeaves:
      leaveSecondPlayer(view.model);
      return;
    case GameCommand::Kind::firstPlayerLeaves:
      firstPlayerLeaves(view.model);
      return;
  }
}

void stepGame(ViewState& view, const FrameInputs& inputs, const StepReport& report) {
  for (const GameCommand& command : inputs.commands) applyGameCommand(view, command);
  const std::vector<const Identity*> destroyedBefore = destroyedCraft(view.model);
  if (!view.model.controlled) view.model.controlled = view.model.scene.get();
  const Identity* controlledBefore = view.model.controlled;
  stepSimulation(
      view.model, inputs.keys, [&view](ModelState& model) { tick(model, view.pilot); }, report,
      inputs.secondKeys);
  tellNewlyDestroyed(view, destroyedBefore);
  if (view.model.controlled && view.model.controlled != controlledBefore) {
    view.news.push_back(controllingNews(*view.model.controlled));
  }
}

}  // namespace vev
